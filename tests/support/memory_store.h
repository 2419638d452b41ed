// Settings kept in memory: a tree of keys with typed values, behaving like the registry for what the settings
// rules rely on (a key that exists or not, a value too long for the caller's buffer).
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "location/settings_store.h"

enum class SettingType { String, Binary, Dword };

struct SettingValue {
    SettingType type;
    std::vector<unsigned char> bytes;
};

// The keys of one user. Paths are compared as given.
class MemoryRegistry {
  public:
    bool hasKey(const std::string& path) const { return keys_.count(path) != 0; }
    // Null when the key or the value does not exist.
    const SettingValue* findValue(const std::string& path, const std::string& name) const;
    void setValue(const std::string& path, const std::string& name, SettingValue value);
    void setString(const std::string& path, const std::string& name, const std::string& text);  // stored terminated
    void deleteValue(const std::string& path, const std::string& name);
    // A denied path can be neither opened nor created, as a key without access rights in the registry.
    void denyAccess(const std::string& path) { denied_.insert(path); }

    // For the stores: the key's values, created when create is set; null when missing or denied.
    std::map<std::string, SettingValue>* keyValues(const std::string& path, bool create, bool& createdNew);

  private:
    std::map<std::string, std::map<std::string, SettingValue>> keys_;
    std::set<std::string> denied_;
};

// One key of a MemoryRegistry as a SettingsStore.
class MemorySettingsStore : public SettingsStore {
  public:
    MemorySettingsStore(MemoryRegistry& registry, std::string keyPath)
        : registry_(registry), keyPath_(std::move(keyPath)) {}

    std::unique_ptr<SettingsKey> createKey(bool& createdNew) override;
    std::unique_ptr<SettingsKey> openKey() override;

  private:
    MemoryRegistry& registry_;
    std::string keyPath_;
};
