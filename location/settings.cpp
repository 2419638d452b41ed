#include "location/settings_store.h"

namespace {

constexpr std::size_t kDwordBytes = 4;

void StoreLittleEndian(std::int32_t value, unsigned char (&bytes)[kDwordBytes]) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < kDwordBytes; ++i) {
        bytes[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFFu);
    }
}

std::int32_t LoadLittleEndian(const unsigned char (&bytes)[kDwordBytes]) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < kDwordBytes; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

ValueQuery queryDwordSetting(SettingsKey& key, const char* name, std::int32_t defaultValue, std::int32_t& value) {
    value = defaultValue;
    // The bytes start as the default's: a value shorter than 4 bytes replaces only its own low bytes. They are read
    // into a buffer of their own, because a failed read may leave anything in it.
    unsigned char bytes[kDwordBytes];
    StoreLittleEndian(defaultValue, bytes);
    std::size_t size = kDwordBytes;
    const ValueQuery query = key.queryValue(name, bytes, size);
    if (query == ValueQuery::Read) {
        value = LoadLittleEndian(bytes);
    }
    return query;
}

bool readSettingDword(SettingsStore& store, const char* name, std::int32_t defaultValue, std::int32_t& value) {
    value = defaultValue;
    bool createdNew = false;
    const std::unique_ptr<SettingsKey> key = store.createKey(createdNew);
    if (!key) {
        return false;
    }
    if (createdNew) {
        return key->setDwordValue(name, defaultValue);
    }
    switch (queryDwordSetting(*key, name, defaultValue, value)) {
        case ValueQuery::Read:
            return true;
        case ValueQuery::NotFound:
            return key->setDwordValue(name, defaultValue);
        case ValueQuery::Failed:
            break;
    }
    return false;
}

bool writeSettingDword(SettingsStore& store, const char* name, std::int32_t value) {
    bool createdNew = false;
    const std::unique_ptr<SettingsKey> key = store.createKey(createdNew);
    return key && key->setDwordValue(name, value);
}

bool readSettingString(SettingsStore& store, const char* name, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return false;
    }
    buffer[0] = '\0';
    const std::unique_ptr<SettingsKey> key = store.openKey();
    if (!key) {
        return false;
    }
    std::size_t read = size;
    if (key->queryValue(name, buffer, read) != ValueQuery::Read) {
        buffer[0] = '\0';
        return false;
    }
    // A stored string need not carry its terminator; end it after the bytes read, and at the last byte in any case.
    buffer[read < size ? read : size - 1] = '\0';
    buffer[size - 1] = '\0';
    return true;
}
