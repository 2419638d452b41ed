#include "cli/ical_file.h"

namespace {

constexpr std::size_t kFlushSize = 256 * 1024;

}  // namespace

CalendarSink::CalendarSink(std::FILE* file) : stream_(file) {
    text_.reserve(kFlushSize + 4096);
}

CalendarSink::CalendarSink(const FileBytesWriter& file) : file_(&file) {
    text_.reserve(kFlushSize + 4096);
}

void CalendarSink::MaybeFlush() {
    if (text_.size() >= kFlushSize) {
        Flush();
    }
}

bool CalendarSink::Finish() {
    Flush();
    return ok_ && (stream_ == nullptr || (std::fflush(stream_) == 0 && std::ferror(stream_) == 0));
}

void CalendarSink::Flush() {
    if (ok_ && !text_.empty()) {
        ok_ =
            stream_ != nullptr ? std::fwrite(text_.data(), 1, text_.size(), stream_) == text_.size() : (*file_)(text_);
    }
    text_.clear();
}

bool WriteCalendarFile(const std::string& path, const std::function<bool(CalendarSink&)>& write, std::string& error) {
    return WriteWholeFile(
        path, NewFileAccess::Everyone, OtherFiles::WriteInPlace,
        [&](const FileBytesWriter& file) {
            CalendarSink sink(file);
            return write(sink);
        },
        error);
}
