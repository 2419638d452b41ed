// ZIP code text and the ZIP table: the code read from any text is the one its leading digits spell (counted here
// another way), and zipLookup finds for any code exactly what a scan from the first row finds.
//
// Input: a code (32-bit integer), then the text, up to its first zero byte.
#include <string>
#include <unordered_map>

#include "location/zip_code_text.h"
#include "location/zip_database.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The leading digits without their leading zeros, as a number when there are at most six of them (the reading stops
// only once the number so far passes 99999, so a sixth digit still counts), else -1.
std::int32_t SpelledCode(const std::string& text) {
    const std::size_t digits = text.find_first_not_of("0123456789");
    const std::string leading = text.substr(0, digits);
    if (leading.empty()) {
        return -1;
    }
    const std::size_t firstSignificant = leading.find_first_not_of('0');
    const std::string significant = firstSignificant == std::string::npos ? "" : leading.substr(firstSignificant);
    if (significant.size() > 6) {
        return -1;
    }
    return significant.empty() ? 0 : std::stoi(significant);
}

// The first row of each code, found once by a scan from the first row.
const ZipRow* ScanForRow(std::int32_t code) {
    static const std::unordered_map<std::int32_t, ZipRow> firstRows = [] {
        std::unordered_map<std::int32_t, ZipRow> rows;
        for (int i = 0; i < kZipTableSize; ++i) {
            rows.emplace(kZipTable[i].zip, zipRowOf(kZipTable[i]));
        }
        return rows;
    }();
    const auto found = firstRows.find(code);
    return found == firstRows.end() ? nullptr : &found->second;
}

void CheckLookup(std::int32_t code) {
    const std::string label = "code " + std::to_string(code);
    const ZipRow untouched{-7, "untouched", 1, 2, 3, 4, "Untouched/Zone"};
    ZipRow row = untouched;
    const bool found = zipLookup(code, row);
    const ZipRow* expected = ScanForRow(code);
    FUZZ_CHECK(found == (expected != nullptr), label);
    const ZipRow& want = found ? *expected : untouched;
    FUZZ_CHECK(row.zip == want.zip && row.placeName == want.placeName && row.latitude == want.latitude &&
                   row.longitude == want.longitude && row.offsetHours == want.offsetHours &&
                   row.observesDst == want.observesDst && row.zoneName == want.zoneName,
               label);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t code = input.Int32();
    const std::string_view rest = input.Rest();
    const std::string text(rest.substr(0, rest.find('\0')));

    const std::int32_t read = ParseZipCodeText(text.c_str());
    FUZZ_CHECK(read == SpelledCode(text), "text \"" + text + "\"");
    if (read >= 0) {
        FUZZ_CHECK(read <= 999999, "text \"" + text + "\"");
        CheckLookup(read);
    }
    CheckLookup(code);
    return 0;
}
