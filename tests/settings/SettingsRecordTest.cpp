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

    EXPECT_EQ(loaded.scaleHours, 7);
    EXPECT_TRUE(loaded.showEstimations);
    EXPECT_TRUE(loaded.showVGrid);
    EXPECT_TRUE(loaded.showHGrid);
    EXPECT_EQ(loaded.showRef, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(loaded.showDetailedGrid);
    EXPECT_EQ(loaded.gridColour, 0x7F0000u);
    EXPECT_EQ(loaded.gridDetailColour, 0x7F0000u);
    EXPECT_EQ(loaded.gridScaleColour, 0x7F0000u);
    EXPECT_EQ(loaded.refColour, (std::array<COLORREF, 3>{0x7F007Fu, 0x7F7F00u, 0x007F7Fu}));
    EXPECT_EQ(loaded.sessionColour, 0x0000FFu);
    EXPECT_EQ(loaded.statusColour, 0x00009Cu);
    EXPECT_FALSE(loaded.autoPowerOff);
    EXPECT_EQ(loaded.autoPowerOffAt, 0);
    EXPECT_FALSE(loaded.minimizeOnStart);
    EXPECT_FALSE(loaded.ignorePowerOff);
    EXPECT_EQ(loaded.savePath, "\\My Documents");
    EXPECT_TRUE(loaded.autoSave);
    EXPECT_FALSE(loaded.autoStartMode);
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
        {"ScaleHours", HELD(scaleHours), 7, 51, 51},
        {"ScaleHours", HELD(scaleHours), 7, 0xFFFFFFFF, -1},
        {"ScaleHours", HELD(scaleHours), 7, 0, 7},
        {"DrawEstimations", HELD(showEstimations), 1, 1, 0},
        {"ShowVGrid", HELD(showVGrid), 1, 5, 0},
        {"ShowHGrid", HELD(showHGrid), 1, 1, 0},
        {"ShowRef1", HELD(showRef[0]), 1, 2, 0},
        {"ShowRef2", HELD(showRef[1]), 1, 0xFFFFFFFF, 0},
        {"ShowRef3", HELD(showRef[2]), 1, 1, 0},
        {"ShowDetailedGrid", HELD(showDetailedGrid), 1, 1, 0},
        {"ColorGrid1", HELD(gridColour), 0, 0x010203, 0x010203},
        {"ColorGrid2", HELD(gridDetailColour), 0, kAutomaticColour, kAutomaticColour},
        {"ColorGrid3", HELD(gridScaleColour), 0, 0x030405, 0x030405},
        {"ColorRef1", HELD(refColour[0]), 0, 0x040506, 0x040506},
        {"ColorRef2", HELD(refColour[1]), 0, 0x050607, 0x050607},
        {"ColorRef3", HELD(refColour[2]), 0, 0x060708, 0x060708},
        {"ColorSess", HELD(sessionColour), 0, 0x070809, 0x070809},
        {"ColorStatus", HELD(statusColour), 0, 0x08090A, 0x08090A},
        {"AutoPowerOff", HELD(autoPowerOff), 0, 5, 1},
        {"AutoPowerOffAt", HELD(autoPowerOffAt), 0, 150, 150},
        {"MinimizeOnStart", HELD(minimizeOnStart), 0, 7, 1},
        {"IgnorePowerOff", HELD(ignorePowerOff), 0, 1, 1},
        {"AutoSaveSessions", HELD(autoSave), 1, 1, 0},
        {"AutoStartSessions", HELD(autoStartMode), 1, 2, 0},
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
    EXPECT_EQ(LoadSettings(store).savePath, std::string(199, 'p'));
    registry.DeleteValue(kSettingsKey, "SavePath");
    EXPECT_EQ(LoadSettings(store).savePath, "");
}

TEST_F(MainSettings, AnUnreadableStoreGivesTheAbsentValues) {
    registry.failAll = true;
    InitDefaultSettings(store);
    const SettingsRecord loaded = LoadSettings(store);
    EXPECT_EQ(loaded.scaleHours, 7);
    EXPECT_TRUE(loaded.showVGrid);
    EXPECT_EQ(loaded.sessionColour, 0u);
    EXPECT_EQ(loaded.savePath, "");
    EXPECT_TRUE(loaded.autoSave);
    EXPECT_TRUE(loaded.autoStartMode);
}

}  // namespace
}  // namespace torvane::test
