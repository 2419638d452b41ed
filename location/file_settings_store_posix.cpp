#include "location/file_settings_store.h"

#include "location/atomic_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

class FileSettingsKey : public SettingsKey {
  public:
    FileSettingsKey(FileSettingsStore& store, std::vector<SettingsFileEntry> entries)
        : store_(store), entries_(std::move(entries)) {}

    ValueQuery queryValue(const char* name, void* data, std::size_t& size) override {
        std::int32_t value = 0;
        const ValueQuery query = FindSettingNumber(entries_, name, value);
        if (query != ValueQuery::Read) {
            return query;
        }
        if (size < sizeof value) {
            return ValueQuery::Failed;
        }
        const auto bits = static_cast<std::uint32_t>(value);
        auto* bytes = static_cast<unsigned char*>(data);
        for (std::size_t i = 0; i < sizeof value; ++i) {
            bytes[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFFu);
        }
        size = sizeof value;
        return ValueQuery::Read;
    }

    bool setDwordValue(const char* name, std::int32_t value) override {
        SetSettingNumber(entries_, name, value);
        const char* const kept[] = {name};
        std::vector<std::string> dropped;
        SettingsWriteError error;
        return store_.write(entries_, kept, 1, dropped, error);
    }

  private:
    FileSettingsStore& store_;
    std::vector<SettingsFileEntry> entries_;
};

namespace {

constexpr char kFileName[] = "settings";
constexpr mode_t kFolderMode = 0700;

// The folder and the missing folders above it, as mkdir -p makes them.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

}  // namespace

std::string UserSettingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/kestrelon";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.config/kestrelon";
    }
    return {};
}

FileSettingsStore::FileSettingsStore(std::string folder)
    : folder_(std::move(folder)), path_(folder_ + "/" + kFileName) {}

FileSettingsStore::Found FileSettingsStore::read(std::vector<SettingsFileEntry>& entries) {
    problems_.clear();
    entries.clear();
    std::string text;
    std::string why;
    switch (ReadSmallFile(path_, kSettingsFileMaxBytes, text, why)) {
        case SmallFileFound::Nothing:
            return Found::Nothing;
        case SmallFileFound::Unreadable:
            problems_.push_back("cannot be read: " + why);
            return Found::Unreadable;
        case SmallFileFound::Read:
            break;
    }
    if (text.size() > kSettingsFileMaxBytes) {
        problems_.push_back("is larger than " + std::to_string(kSettingsFileMaxBytes) + " bytes");
        return Found::Unreadable;
    }
    SettingsFileContents contents = ParseSettingsFile(text);
    entries = std::move(contents.entries);
    problems_ = std::move(contents.problems);
    return Found::Read;
}

bool FileSettingsStore::write(std::vector<SettingsFileEntry>& entries,
                              const char* const* kept,
                              std::size_t keptCount,
                              std::vector<std::string>& dropped,
                              SettingsWriteError& error) {
    for (const SettingsFileEntry& entry : FitSettingsFile(entries, kept, keptCount)) {
        dropped.push_back(entry.name);
    }
    if (!MakeFolders(folder_)) {
        error = {"cannot create", folder_, std::strerror(errno)};
        return false;
    }
    const std::string text = FormatSettingsFile(entries);
    std::string reason;
    if (!WriteWholeFile(
            path_, NewFileAccess::OwnerOnly, OtherFiles::Replace,
            [&](const FileBytesWriter& file) { return file(text); }, reason)) {
        error = {"cannot write", path_, reason};
        return false;
    }
    return true;
}

std::unique_ptr<SettingsKey> FileSettingsStore::createKey(bool& createdNew) {
    createdNew = false;
    std::vector<SettingsFileEntry> entries;
    switch (read(entries)) {
        case Found::Read:
            return std::make_unique<FileSettingsKey>(*this, std::move(entries));
        case Found::Unreadable:
            return nullptr;
        case Found::Nothing:
            break;
    }
    std::vector<std::string> dropped;
    SettingsWriteError error;
    if (!write(entries, nullptr, 0, dropped, error)) {
        return nullptr;
    }
    createdNew = true;
    return std::make_unique<FileSettingsKey>(*this, std::move(entries));
}

std::unique_ptr<SettingsKey> FileSettingsStore::openKey() {
    std::vector<SettingsFileEntry> entries;
    if (read(entries) == Found::Nothing) {
        return nullptr;
    }
    return std::make_unique<FileSettingsKey>(*this, std::move(entries));
}

bool FileSettingsStore::writeValues(const DwordSetting* values,
                                    std::size_t count,
                                    std::vector<std::string>& dropped,
                                    SettingsWriteError& error) {
    std::vector<SettingsFileEntry> entries;
    read(entries);
    std::vector<const char*> kept;
    for (std::size_t i = 0; i < count; ++i) {
        SetSettingNumber(entries, values[i].name, values[i].value);
        kept.push_back(values[i].name);
    }
    return write(entries, kept.data(), kept.size(), dropped, error);
}
