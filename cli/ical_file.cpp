#include "cli/ical_file.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t kFlushSize = 256 * 1024;

}  // namespace

CalendarSink::CalendarSink(std::FILE* file) : file_(file) {
    text_.reserve(kFlushSize + 4096);
}

void CalendarSink::MaybeFlush() {
    if (text_.size() >= kFlushSize) {
        Flush();
    }
}

bool CalendarSink::Finish() {
    Flush();
    return ok_ && std::fflush(file_) == 0 && std::ferror(file_) == 0;
}

void CalendarSink::Flush() {
    if (ok_ && !text_.empty() && std::fwrite(text_.data(), 1, text_.size(), file_) != text_.size()) {
        ok_ = false;
    }
    text_.clear();
}

bool WriteCalendarFile(const std::string& path, const std::function<bool(CalendarSink&)>& write) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    CalendarSink sink(file);
    const bool written = write(sink);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}
