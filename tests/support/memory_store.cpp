#include "tests/support/memory_store.h"

#include <cstring>

namespace {

class MemorySettingsKey : public SettingsKey {
  public:
    explicit MemorySettingsKey(std::map<std::string, SettingValue>& values) : values_(values) {}

    ValueQuery queryValue(const char* name, void* data, std::size_t& size) override {
        const auto found = values_.find(name);
        if (found == values_.end()) {
            return ValueQuery::NotFound;
        }
        const std::vector<unsigned char>& bytes = found->second.bytes;
        if (bytes.size() > size) {
            return ValueQuery::Failed;
        }
        if (!bytes.empty()) {
            std::memcpy(data, bytes.data(), bytes.size());
        }
        size = bytes.size();
        return ValueQuery::Read;
    }

    bool setDwordValue(const char* name, std::int32_t value) override {
        const auto bits = static_cast<std::uint32_t>(value);
        std::vector<unsigned char> bytes(4);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFFu);
        }
        values_[name] = SettingValue{SettingType::Dword, std::move(bytes)};
        return true;
    }

  private:
    std::map<std::string, SettingValue>& values_;
};

}  // namespace

const SettingValue* MemoryRegistry::findValue(const std::string& path, const std::string& name) const {
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return nullptr;
    }
    const auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}

void MemoryRegistry::setValue(const std::string& path, const std::string& name, SettingValue value) {
    keys_[path][name] = std::move(value);
}

void MemoryRegistry::setString(const std::string& path, const std::string& name, const std::string& text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    setValue(path, name, SettingValue{SettingType::String, std::move(bytes)});
}

void MemoryRegistry::deleteValue(const std::string& path, const std::string& name) {
    const auto key = keys_.find(path);
    if (key != keys_.end()) {
        key->second.erase(name);
    }
}

std::map<std::string, SettingValue>* MemoryRegistry::keyValues(const std::string& path, bool create, bool& createdNew) {
    createdNew = false;
    if (denied_.count(path) != 0) {
        return nullptr;
    }
    auto key = keys_.find(path);
    if (key == keys_.end()) {
        if (!create) {
            return nullptr;
        }
        key = keys_.emplace(path, std::map<std::string, SettingValue>{}).first;
        createdNew = true;
    }
    return &key->second;
}

std::unique_ptr<SettingsKey> MemorySettingsStore::createKey(bool& createdNew) {
    std::map<std::string, SettingValue>* values = registry_.keyValues(keyPath_, true, createdNew);
    return values == nullptr ? nullptr : std::make_unique<MemorySettingsKey>(*values);
}

std::unique_ptr<SettingsKey> MemorySettingsStore::openKey() {
    bool createdNew = false;
    std::map<std::string, SettingValue>* values = registry_.keyValues(keyPath_, false, createdNew);
    return values == nullptr ? nullptr : std::make_unique<MemorySettingsKey>(*values);
}
