// The settings store where there is no registry: one small text file (settings_file.h) in a folder of the user's,
// with the same value names, the same number values and, through SettingsStore, the same create-on-first-read rules
// as the registry key. The folder stands for the key: it and the file exist once the key is created.
//
// Every change writes the whole file anew (location/atomic_file.h): a reader (or a crash) finds the old file or the
// new one, never a part of either. A file is never written that its own reader would refuse: the values the program
// does not know are kept only while the file stays within kSettingsFileMaxBytes.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "location/settings_file.h"
#include "location/settings_store.h"

// $XDG_CONFIG_HOME/kestrelon, or $HOME/.config/kestrelon when XDG_CONFIG_HOME is unset, empty or relative; empty
// when neither gives an absolute folder.
std::string UserSettingsFolder();

// Why a write failed: what could not be done ("cannot create"), to which file or folder, and the system's reason
// ("Permission denied"), so that a message can show the path in its own way.
struct SettingsWriteError {
    std::string action;
    std::string path;
    std::string reason;
};

class FileSettingsStore : public SettingsStore {
  public:
    explicit FileSettingsStore(std::string folder);

    const std::string& path() const { return path_; }

    // Creates the folder and an empty file when there is no file; null when the file exists but cannot be read (it
    // is never replaced then) or cannot be created.
    std::unique_ptr<SettingsKey> createKey(bool& createdNew) override;
    // Null when there is no file. A file that exists but cannot be read (something other than a regular file, a FIFO
    // too, is never waited for), or is too large to be one of ours, opens as a key without values, with the reason in
    // problems().
    std::unique_ptr<SettingsKey> openKey() override;
    // What the last open found wrong with the file (settings_file.h); empty when nothing.
    const std::vector<std::string>& problems() const { return problems_; }

    // Sets the values in one write of the whole file: the values the file held that are not among them (a damaged
    // line aside) are kept while the file stays within its size (FitSettingsFile); the names of those that are not
    // are added to dropped. False with the reason in error when the file cannot be written.
    bool writeValues(const DwordSetting* values,
                     std::size_t count,
                     std::vector<std::string>& dropped,
                     SettingsWriteError& error);

  private:
    friend class FileSettingsKey;
    enum class Found { Nothing, Unreadable, Read };
    Found read(std::vector<SettingsFileEntry>& entries);
    // Writes entries, fitted to the file's size keeping the kept names.
    bool write(std::vector<SettingsFileEntry>& entries,
               const char* const* kept,
               std::size_t keptCount,
               std::vector<std::string>& dropped,
               SettingsWriteError& error);

    std::string folder_;
    std::string path_;
    std::vector<std::string> problems_;
};
