// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The hive file registry and its in-memory double, held to the same behaviour.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/FileSizeLimit.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/TempDir.h"
#include "linux/HiveRegistry.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";

struct Hive {
    // Far too large to be a hive: nothing in it can be read, and it is kept as it is.
    void Damage() {
        sound = TempDir::Read(path);
        damaged = sound + std::string(HiveRegistry::kMaxFileBytes, ';');
        TempDir::Write(path, damaged);
    }
    void Repair() {
        EXPECT_EQ(TempDir::Read(path), damaged);
        TempDir::Write(path, sound);
    }
    void FillDisk(bool full) {
        if (full) {
            disk.emplace(0);
        } else {
            disk.reset();
        }
    }

    TempDir dir;
    std::string path = dir / "registry.reg";
    HiveRegistry registry{path};
    std::string sound;
    std::string damaged;
    std::optional<FileSizeLimit> disk;
};

struct Memory {
    void Damage() { registry.failAll = true; }
    void Repair() { registry.failAll = false; }
    void FillDisk(bool full) { registry.failWrites = full; }

    MemoryRegistry registry;
};

template <typename Backend>
class Registries : public ::testing::Test {
protected:
    RegValue Read(const std::string& key, const std::string& name) {
        RegValue value;
        EXPECT_TRUE(store.registry.QueryValue(key, name, value)) << name;
        return value;
    }
    bool Has(const std::string& key, const std::string& name) {
        RegValue value;
        return store.registry.QueryValue(key, name, value);
    }

    Backend store;
};

using Backends = ::testing::Types<Hive, Memory>;
TYPED_TEST_SUITE(Registries, Backends);

TYPED_TEST(Registries, NamesCompareWithoutTheCaseOfTheirAsciiLetters) {
    auto& reg = this->store.registry;
    EXPECT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    const std::string upper = "HKEY_LOCAL_MACHINE\\SOFTWARE\\QUILLMARK\\TORVANE";
    EXPECT_EQ(this->Read(upper, "initdata").data, RegistryEncoding::Dword(3).data);
    EXPECT_TRUE(reg.SetValue(upper, "INITDATA", RegistryEncoding::Dword(4)));
    EXPECT_EQ(this->Read(kKey, "InitData").data, RegistryEncoding::Dword(4).data);
    EXPECT_TRUE(reg.SetValue(kKey, "\xC3\x84rger", RegistryEncoding::Dword(5)));  // "Ärger"
    EXPECT_FALSE(this->Has(kKey, "\xC3\xA4rger"));                                // "ärger"
    EXPECT_TRUE(reg.DeleteValue(upper, "initDATA"));
    EXPECT_FALSE(this->Has(kKey, "InitData"));

    // Names that could not be written back to the hive are refused.
    EXPECT_FALSE(reg.SetValue(kKey, "two\nlines", RegistryEncoding::Dword(1)));
    EXPECT_FALSE(this->Has(kKey, "two\nlines"));
    EXPECT_FALSE(reg.SetValue("A\\\\B", "Name", RegistryEncoding::Dword(1)));
    EXPECT_FALSE(reg.CreateKey("A\\B\\"));
}

TYPED_TEST(Registries, EveryTypeAndByteIsKept) {
    const std::vector<RegValue> values = {
        RegistryEncoding::Dword(0x12345678),
        RegistryEncoding::String("\\Mes documents \xC3\xA9t\xC3\xA9 \xF0\x9F\x94\x8B"),
        RegistryEncoding::String(""),
        {REG_SZ, {'a', 0, 'b'}},  // an odd byte
        {REG_DWORD, {1, 2}},      // short
        {REG_BINARY, {}},
        {REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0}},
        {0x12345, {7}},  // a type nobody knows
    };
    auto& reg = this->store.registry;
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_TRUE(reg.SetValue(kKey, "v" + std::to_string(i), values[i])) << i;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const RegValue back = this->Read(kKey, "v" + std::to_string(i));
        EXPECT_EQ(back.type, values[i].type) << i;
        EXPECT_EQ(back.data, values[i].data) << i;
    }
    // A value set again takes the new type as well as the new bytes.
    EXPECT_TRUE(reg.SetValue(kKey, "v0", RegistryEncoding::String("x")));
    EXPECT_EQ(this->Read(kKey, "v0").type, REG_SZ);
}

TYPED_TEST(Registries, AbsentValuesAreNotReadAndAreDeletedAlready) {
    auto& reg = this->store.registry;
    EXPECT_FALSE(this->Has(kKey, "InitData"));  // no key, no file
    EXPECT_TRUE(reg.DeleteValue(kKey, "InitData"));
    EXPECT_TRUE(reg.CreateKey(kKey));
    EXPECT_TRUE(reg.CreateKey(kKey));
    EXPECT_FALSE(this->Has(kKey, "InitData"));  // a key without the value
    EXPECT_FALSE(this->Has(kKey, ""));
    EXPECT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    EXPECT_TRUE(reg.DeleteValue(kKey, "InitData"));
    EXPECT_FALSE(this->Has(kKey, "InitData"));
    EXPECT_TRUE(reg.DeleteValue(kKey, "InitData"));
}

TYPED_TEST(Registries, ADamagedStoreReadsNothingChangesNothingAndLosesNothing) {
    auto& reg = this->store.registry;
    ASSERT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    this->store.Damage();
    EXPECT_FALSE(this->Has(kKey, "InitData"));
    EXPECT_FALSE(reg.CreateKey(kKey));
    EXPECT_FALSE(reg.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Other"));
    EXPECT_FALSE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(4)));
    EXPECT_FALSE(reg.DeleteValue(kKey, "InitData"));
    EXPECT_FALSE(reg.DeleteValue(kKey, "NeverThere"));
    this->store.Repair();
    EXPECT_EQ(this->Read(kKey, "InitData").data, RegistryEncoding::Dword(3).data);
}

TYPED_TEST(Registries, OnAFullDiskOnlyCallsThatChangeSomethingFail) {
    auto& reg = this->store.registry;
    ASSERT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    this->store.FillDisk(true);
    EXPECT_TRUE(reg.CreateKey(kKey));
    EXPECT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    EXPECT_TRUE(reg.DeleteValue(kKey, "NeverThere"));
    EXPECT_FALSE(reg.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Other"));
    EXPECT_FALSE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(4)));
    EXPECT_FALSE(reg.SetValue(kKey, "ScaleHours", RegistryEncoding::Dword(4)));
    EXPECT_FALSE(reg.DeleteValue(kKey, "InitData"));
    EXPECT_EQ(this->Read(kKey, "InitData").data, RegistryEncoding::Dword(3).data);
    this->store.FillDisk(false);
    EXPECT_FALSE(this->Has(kKey, "ScaleHours"));
    EXPECT_EQ(this->Read(kKey, "InitData").data, RegistryEncoding::Dword(3).data);
}

}  // namespace
}  // namespace torvane::test
