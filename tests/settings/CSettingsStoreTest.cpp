// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/CSettingsStore.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/MemoryRegistry.h"
#include "fakes/TempDir.h"
#include "linux/HiveRegistry.h"
#include "platform/HiveDocument.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {
namespace {

RegValue Raw(std::uint32_t type, std::vector<std::uint8_t> data) {
    RegValue v;
    v.type = type;
    v.data = std::move(data);
    return v;
}

// `units` UTF-16 units of 'x', with the terminating zero when asked.
RegValue Text(std::size_t units, bool terminated) {
    RegValue v;
    v.type = REG_SZ;
    v.data.assign(units * 2, 0);
    for (std::size_t i = 0; i < units; ++i) {
        v.data[2 * i] = 'x';
    }
    if (terminated) {
        v.data.push_back(0);
        v.data.push_back(0);
    }
    return v;
}

class SettingsStore : public ::testing::Test {
protected:
    MemoryRegistry registry;
    CSettingsStore store{registry};

    void Put(const std::string& name, const RegValue& value) {
        registry.SetValue(kSettingsKey, name, value);
    }
    RegValue Stored(const std::string& name) {
        RegValue v;
        EXPECT_TRUE(registry.QueryValue(kSettingsKey, name, v));
        return v;
    }
};

TEST_F(SettingsStore, NumbersAreStoredAsFourBytesAndReadWhenTheyFit) {
    EXPECT_TRUE(store.WriteDword("ColorSess", 0xFF000000u));
    EXPECT_EQ(Stored("ColorSess").type, REG_DWORD);
    EXPECT_EQ(Stored("ColorSess").data, (std::vector<std::uint8_t>{0, 0, 0, 0xFF}));
    EXPECT_EQ(store.ReadDword("colorsess"), 0xFF000000u);

    EXPECT_EQ(store.ReadDword("Absent"), 0u);
    Put("Short", Raw(REG_BINARY, {0x34, 0x12}));
    EXPECT_EQ(store.ReadDword("Short"), 0x1234u);
    Put("Long", Raw(REG_DWORD, {1, 0, 0, 0, 0}));
    EXPECT_EQ(store.ReadDword("Long"), 0u);
    Put("Empty", Raw(REG_DWORD, {}));
    EXPECT_EQ(store.ReadDword("Empty"), 0u);
    // The stored type is not examined: four bytes of text read as their number.
    Put("TextFour", Raw(REG_SZ, {'1', 0, 0, 0}));
    EXPECT_EQ(store.ReadDword("TextFour"), 0x31u);
}

TEST_F(SettingsStore, TextsUpTo199CharactersAreStoredAndReadBackWhole) {
    const std::string longest(199, 'a');
    EXPECT_TRUE(store.WriteString("SavePath", longest));
    EXPECT_EQ(Stored("SavePath").type, REG_SZ);
    EXPECT_EQ(Stored("SavePath").data.size(), 400u);
    EXPECT_EQ(store.ReadString("SavePath"), longest);

    // 200 characters would leave no room for the zero: refused, the old value stays.
    EXPECT_FALSE(store.WriteString("SavePath", std::string(200, 'b')));
    EXPECT_EQ(store.ReadString("SavePath"), longest);

    // Limits count UTF-16 units: a character outside the basic plane takes two.
    const std::string battery = "\xF0\x9F\x94\x8B";  // U+1F50B
    EXPECT_FALSE(store.WriteString("Other", std::string(198, 'c') + battery));
    EXPECT_TRUE(store.WriteString("Other", std::string(197, 'c') + battery));
    EXPECT_EQ(store.ReadString("Other"), std::string(197, 'c') + battery);
    EXPECT_TRUE(store.WriteString("Accents", "\\Mes documents \xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(Stored("Accents").data.size(), (18u + 1u) * 2u);
    EXPECT_EQ(store.ReadString("Accents"), "\\Mes documents \xC3\xA9t\xC3\xA9");

    EXPECT_TRUE(store.WriteString("Blank", ""));
    EXPECT_EQ(Stored("Blank").data, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_TRUE(store.WriteString("Units", "A\xC3\xA9" + battery));
    EXPECT_EQ(Stored("Units").data,
              (std::vector<std::uint8_t>{'A', 0, 0xE9, 0, 0x3D, 0xD8, 0x0B, 0xDD, 0, 0}));
}

TEST_F(SettingsStore, TextsThatDoNotFit200UnitsReadAsEmpty) {
    EXPECT_EQ(store.ReadString("Absent"), "");
    Put("Fits", Text(199, true));
    EXPECT_EQ(store.ReadString("Fits"), std::string(199, 'x'));
    Put("TooLong", Text(200, true));
    EXPECT_EQ(store.ReadString("TooLong"), "");
    Put("Unterminated", Text(200, false));
    EXPECT_EQ(store.ReadString("Unterminated"), "");
    Put("ShortUnterminated", Text(5, false));
    EXPECT_EQ(store.ReadString("ShortUnterminated"), "xxxxx");
    // The text ends at the first zero, whatever follows, and the type is not examined.
    Put("Number", Raw(REG_DWORD, {'A', 0, 0, 0}));
    EXPECT_EQ(store.ReadString("Number"), "A");
}

TEST(SettingsStoreOnHive, EveryCallGoesToTheFileAndCreatesTheKey) {
    TempDir dir;
    const std::string path = dir / "registry.reg";
    HiveRegistry hive(path);
    CSettingsStore first(hive);
    CSettingsStore second(hive);

    EXPECT_EQ(first.ReadDword("InitData"), 0u);
    // Opening the key for a read creates it.
    EXPECT_TRUE(HiveDocument::Parse(TempDir::Read(path)).HasKey(kSettingsKey));

    EXPECT_TRUE(first.WriteString("SavePath", std::string(199, 's')));
    EXPECT_EQ(second.ReadString("savepath"), std::string(199, 's'));
    EXPECT_TRUE(second.WriteDword("ScaleHours", 12));
    EXPECT_EQ(first.ReadDword("ScaleHours"), 12u);

    // A change made behind the store's back is seen by the next read.
    HiveRegistry other(path);
    other.SetValue(kSettingsKey, "ScaleHours", RegistryEncoding::Dword(20));
    EXPECT_EQ(first.ReadDword("ScaleHours"), 20u);

    const auto doc = HiveDocument::Parse(TempDir::Read(path));
    ASSERT_NE(doc.Find(kSettingsKey, "SavePath"), nullptr);
    EXPECT_EQ(doc.Find(kSettingsKey, "SavePath")->data.size(), 400u);
}

}  // namespace
}  // namespace torvane::test
