#include "location/dates_store.h"

#include "location/atomic_file.h"

DatesFileFound LoadDatesFile(const std::string& path, DatesFileContents& contents, std::string& why) {
    contents = {};
    std::string text;
    const DatesFileFound found = ReadSmallFile(path, kDatesFileMaxBytes, text, why);
    if (found != DatesFileFound::Read) {
        return found;
    }
    if (text.size() > kDatesFileMaxBytes) {
        why = "it is larger than " + std::to_string(kDatesFileMaxBytes) + " bytes";
        return DatesFileFound::Unreadable;
    }
    contents = ParseDatesFile(text);
    return DatesFileFound::Read;
}

bool SaveDatesFile(const std::string& path, const DatesFileContents& contents, std::string& error) {
    if (!MakeFolderOf(path, error)) {
        return false;
    }
    const std::string text = FormatDatesFile(contents);
    std::string reason;
    if (!WriteWholeFile(
            path, NewFileAccess::OwnerOnly, OtherFiles::Replace,
            [&](const FileBytesWriter& file) { return file(text); }, reason)) {
        error = "cannot write '" + path + "': " + reason;
        return false;
    }
    return true;
}
