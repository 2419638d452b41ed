// The settings rules hold for every store: the contract tests in settings_contract.cpp run over each store a test
// program instantiates them with (memory and the settings file natively, memory and the registry under Windows).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "location/settings_store.h"

enum class StoredKind { Missing, Dword, String, Binary };

// A fresh, empty key of one store, and a way to look at and change what it holds behind the store's back.
class ScratchStore {
  public:
    virtual ~ScratchStore() = default;
    virtual SettingsStore& Store() = 0;
    virtual bool KeyExists() = 0;
    virtual void SetDword(const char* name, std::int32_t value) = 0;
    virtual void SetString(const char* name, const char* text) = 0;  // stored with its terminator
    virtual void SetBinary(const char* name, const std::vector<unsigned char>& bytes) = 0;
    virtual void Delete(const char* name) = 0;
    virtual StoredKind Kind(const char* name) = 0;
    virtual std::int32_t Dword(const char* name) = 0;
    // From now on the key can be neither opened nor created.
    virtual void MakeUnreachable() = 0;
};

struct ScratchStoreMaker {
    const char* name;
    std::unique_ptr<ScratchStore> (*make)();
    // False for a store that holds numbers only (the settings file): the rules of strings and of binary values
    // shorter than a number do not apply to it, and those tests are skipped.
    bool holdsStringsAndBinary = true;
};

inline void PrintTo(const ScratchStoreMaker& maker, std::ostream* out) {
    *out << maker.name;
}

class SettingsContract : public ::testing::TestWithParam<ScratchStoreMaker> {
  protected:
    void SetUp() override { scratch_ = GetParam().make(); }
    bool HoldsStringsAndBinary() const { return GetParam().holdsStringsAndBinary; }
    ScratchStore& Scratch() { return *scratch_; }
    SettingsStore& Store() { return scratch_->Store(); }

  private:
    std::unique_ptr<ScratchStore> scratch_;
};

// For INSTANTIATE_TEST_SUITE_P: the store's name as the test's suffix.
inline std::string ScratchStoreName(const ::testing::TestParamInfo<ScratchStoreMaker>& info) {
    return info.param.name;
}
