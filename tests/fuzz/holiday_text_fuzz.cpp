// The holiday text of any Hebrew date, observance and capacity: the text stays within the caller's buffer, is
// terminated, is as long as the count returned, and is the start of the text a large buffer receives.
//
// Input: Hebrew day, month, year, observance (32-bit integers), capacity (16 bits), keep markers (a byte), and a
// byte that folds the date into the years of the holiday tables when odd.
#include <cstring>
#include <memory>
#include <string>

#include "calendar/hebrew.h"
#include "holidays/holiday_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t kLargeCapacity = 20000;
constexpr char kUntouched = '\x5A';

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    int day = input.Int32();
    int month = input.Int32();
    int year = input.Int32();
    const int observanceNumber = input.Int32();
    const auto observance = static_cast<Observance>(observanceNumber);
    const std::size_t capacity = input.Uint16();
    const bool keepMarkers = input.Flag();
    if (input.Flag()) {
        day = static_cast<int>(FoldInto(day, 1, 30));
        month = static_cast<int>(FoldInto(month, 1, 14));
        year = static_cast<int>(FoldInto(year, 5660, 5860));
    }
    const std::string label = std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year) +
                              " observance " + std::to_string(observanceNumber) + " capacity " +
                              std::to_string(capacity);

    FUZZ_CHECK(BuildHolidayText(day, month, year, observance, nullptr, capacity, keepMarkers) == 0, label);

    // Exactly capacity bytes, so that AddressSanitizer reports a write past them; a capacity of 0 gets one byte
    // that must stay as it was.
    const std::size_t allocated = capacity == 0 ? 1 : capacity;
    const std::unique_ptr<char[]> buffer(new char[allocated]);
    std::memset(buffer.get(), kUntouched, allocated);
    const std::size_t length = BuildHolidayText(day, month, year, observance, buffer.get(), capacity, keepMarkers);
    if (capacity == 0) {
        FUZZ_CHECK(length == 0 && buffer[0] == kUntouched, label);
        return 0;
    }
    FUZZ_CHECK(length < capacity, label + " wrote " + std::to_string(length));
    FUZZ_CHECK(buffer[length] == '\0', label);
    FUZZ_CHECK(std::strlen(buffer.get()) == length, label);
    if (!keepMarkers) {
        FUZZ_CHECK(std::strpbrk(buffer.get(), "@#") == nullptr, label);
    }

    const std::unique_ptr<char[]> whole(new char[kLargeCapacity]);
    const std::size_t wholeLength =
        BuildHolidayText(day, month, year, observance, whole.get(), kLargeCapacity, keepMarkers);
    FUZZ_CHECK(wholeLength < kLargeCapacity - 1, label + ": the whole text fills the large buffer");
    FUZZ_CHECK(length <= wholeLength && std::memcmp(buffer.get(), whole.get(), length) == 0,
               label + ": not the start of the whole text");
    if (keepMarkers) {
        FUZZ_CHECK(length == (wholeLength < capacity - 1 ? wholeLength : capacity - 1), label);
        FUZZ_CHECK(whole[0] == '@', label + ": the text does not begin with a holiday name");
    }
    return 0;
}
