// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/MemoryRegistry.h"
#include "settings/SettingsRecord.h"

namespace torvane::test {
namespace {

class MainSettings : public ::testing::Test {
protected:
    MemoryRegistry registry;
    CSettingsStore store{registry};

    void Put(const std::string& name, std::uint32_t value) {
        registry.PutDword(kSettingsKey, name, value);
    }
    std::vector<std::string> WrittenNames() const {
        std::vector<std::string> names;
        for (const auto& [key, name] : registry.writeLog) {
            EXPECT_EQ(key, kSettingsKey);
            names.push_back(name);
        }
        return names;
    }
};

const std::vector<std::string> kFirstRunNames = {
    "ColorGrid1", "ColorGrid2",  "ColorGrid3", "ColorRef1",         "ColorRef2", "ColorRef3",
    "ColorSess",  "ColorStatus", "SavePath",   "AutoStartSessions", "InitData"};

TEST_F(MainSettings, TheFirstStartWritesTheElevenValuesOnceAndInitDataLast) {
    InitDefaultSettings(store);
    EXPECT_EQ(WrittenNames(), kFirstRunNames);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorGrid1"), 0x7F0000u);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorGrid2"), 0x7F0000u);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorGrid3"), 0x7F0000u);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorRef1"), 0x7F007Fu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorRef2"), 0x7F7F00u);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorRef3"), 0x007F7Fu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorSess"), 0x0000FFu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorStatus"), 0x00009Cu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "AutoStartSessions"), 1u);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "InitData"), 3u);

    // The user's colours survive the next start.
    Put("ColorSess", 0x123456);
    registry.writeLog.clear();
    InitDefaultSettings(store);
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorSess"), 0x123456u);
}

TEST_F(MainSettings, AnyOtherInitDataRewritesTheElevenAndNothingElse) {
    Put("InitData", 2);
    Put("ColorSess", 0x123456);
    Put("ShowVGrid", 1);
    InitDefaultSettings(store);
    EXPECT_EQ(WrittenNames(), kFirstRunNames);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorSess"), 0xFFu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ShowVGrid"), 1u);
}

TEST_F(MainSettings, AFreshStoreLoadsTheDocumentedStartingState) {
    InitDefaultSettings(store);
    registry.writeLog.clear();
    const SettingsRecord loaded = LoadSettings(store);
    EXPECT_TRUE(registry.writeLog.empty());

    EXPECT_EQ(loaded.m_nScaleHours, 7);
    EXPECT_TRUE(loaded.m_bShowEstimations);
    EXPECT_TRUE(loaded.m_bShowVGrid);
    EXPECT_TRUE(loaded.m_bShowHGrid);
    EXPECT_EQ(loaded.m_bShowRef, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(loaded.m_bShowDetailedGrid);
    EXPECT_EQ(loaded.m_crGrid1, 0x7F0000u);
    EXPECT_EQ(loaded.m_crGrid2, 0x7F0000u);
    EXPECT_EQ(loaded.m_crGrid3, 0x7F0000u);
    EXPECT_EQ(loaded.m_crRef, (std::array<COLORREF, 3>{0x7F007Fu, 0x7F7F00u, 0x007F7Fu}));
    EXPECT_EQ(loaded.m_crSess, 0x0000FFu);
    EXPECT_EQ(loaded.m_crStatus, 0x00009Cu);
    EXPECT_FALSE(loaded.m_bAutoPowerOff);
    EXPECT_EQ(loaded.m_nAutoPowerOffAt, 0);
    EXPECT_FALSE(loaded.m_bMinimizeOnStart);
    EXPECT_FALSE(loaded.m_bIgnorePowerOff);
    EXPECT_EQ(loaded.m_strSavePath, "\\My Documents");
    EXPECT_TRUE(loaded.m_bAutoSave);
    EXPECT_FALSE(loaded.m_bAutoStartMode);
}

// One value stored alone: what the settings load gives when it is absent, and when it holds an
// odd number. Plain switches take any non-zero number as on, inverted ones as off, and
// numbers are taken as stored, outside the Options pages' limits too.
TEST_F(MainSettings, EachValueReachesItsOwnFieldInItsOwnSense) {
    using Member = std::int64_t (*)(const SettingsRecord&);
#define HELD(field) [](const SettingsRecord& r) -> std::int64_t { return r.field; }
    struct Row {
        const char* name;
        Member member;
        std::int64_t absent;
        std::uint32_t stored;
        std::int64_t loaded;
    };
    const Row rows[] = {
        {"ScaleHours", HELD(m_nScaleHours), 7, 51, 51},
        {"ScaleHours", HELD(m_nScaleHours), 7, 0xFFFFFFFF, -1},
        {"ScaleHours", HELD(m_nScaleHours), 7, 0, 7},
        {"DrawEstimations", HELD(m_bShowEstimations), 1, 1, 0},
        {"ShowVGrid", HELD(m_bShowVGrid), 1, 5, 0},
        {"ShowHGrid", HELD(m_bShowHGrid), 1, 1, 0},
        {"ShowRef1", HELD(m_bShowRef[0]), 1, 2, 0},
        {"ShowRef2", HELD(m_bShowRef[1]), 1, 0xFFFFFFFF, 0},
        {"ShowRef3", HELD(m_bShowRef[2]), 1, 1, 0},
        {"ShowDetailedGrid", HELD(m_bShowDetailedGrid), 1, 1, 0},
        {"ColorGrid1", HELD(m_crGrid1), 0, 0x010203, 0x010203},
        {"ColorGrid2", HELD(m_crGrid2), 0, kAutomaticColour, kAutomaticColour},
        {"ColorGrid3", HELD(m_crGrid3), 0, 0x030405, 0x030405},
        {"ColorRef1", HELD(m_crRef[0]), 0, 0x040506, 0x040506},
        {"ColorRef2", HELD(m_crRef[1]), 0, 0x050607, 0x050607},
        {"ColorRef3", HELD(m_crRef[2]), 0, 0x060708, 0x060708},
        {"ColorSess", HELD(m_crSess), 0, 0x070809, 0x070809},
        {"ColorStatus", HELD(m_crStatus), 0, 0x08090A, 0x08090A},
        {"AutoPowerOff", HELD(m_bAutoPowerOff), 0, 5, 1},
        {"AutoPowerOffAt", HELD(m_nAutoPowerOffAt), 0, 150, 150},
        {"MinimizeOnStart", HELD(m_bMinimizeOnStart), 0, 7, 1},
        {"IgnorePowerOff", HELD(m_bIgnorePowerOff), 0, 1, 1},
        {"AutoSaveSessions", HELD(m_bAutoSave), 1, 1, 0},
        {"AutoStartSessions", HELD(m_bAutoStartMode), 1, 2, 0},
    };
#undef HELD
    for (const Row& row : rows) {
        EXPECT_EQ(row.member(LoadSettings(store)), row.absent) << row.name << " absent";
        Put(row.name, row.stored);
        EXPECT_EQ(row.member(LoadSettings(store)), row.loaded) << row.name << " = " << row.stored;
        registry.DeleteValue(kSettingsKey, row.name);
    }
    EXPECT_TRUE(registry.writeLog.empty());
}

TEST_F(MainSettings, TheSavePathIsTakenAsStored) {
    CSettingsStore(registry).WriteString("SavePath", std::string(199, 'p'));
    EXPECT_EQ(LoadSettings(store).m_strSavePath, std::string(199, 'p'));
    registry.DeleteValue(kSettingsKey, "SavePath");
    EXPECT_EQ(LoadSettings(store).m_strSavePath, "");
}

TEST_F(MainSettings, AnUnreadableStoreGivesTheAbsentValues) {
    registry.failAll = true;
    InitDefaultSettings(store);
    const SettingsRecord loaded = LoadSettings(store);
    EXPECT_EQ(loaded.m_nScaleHours, 7);
    EXPECT_TRUE(loaded.m_bShowVGrid);
    EXPECT_EQ(loaded.m_crSess, 0u);
    EXPECT_EQ(loaded.m_strSavePath, "");
    EXPECT_TRUE(loaded.m_bAutoSave);
    EXPECT_TRUE(loaded.m_bAutoStartMode);
}

}  // namespace
}  // namespace torvane::test
