#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryRegistry.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

class MainSettings : public ::testing::Test {
protected:
    FakePowerStatus power;
    FakeTimers timers;
    MemoryRegistry registry;
    FakeWindowHost window;
    ScriptedMessageBox messages;
    ScriptedFileDialog fileDialog;
    MemoryFileStore files;
    FakeNotifyIcon notifyIcon;
    FakePowerOffKey powerOffKey;
    FakeSuspendInhibitor inhibitor;
    MainServices services{power,      timers, registry,   window,      messages,
                          fileDialog, files,  notifyIcon, powerOffKey, inhibitor};

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
    CDlgMain(services).InitDefaultSettings();
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
    CDlgMain(services).InitDefaultSettings();
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorSess"), 0x123456u);
}

TEST_F(MainSettings, AnyOtherInitDataRewritesTheElevenAndNothingElse) {
    Put("InitData", 2);
    Put("ColorSess", 0x123456);
    Put("ShowVGrid", 1);
    CDlgMain(services).InitDefaultSettings();
    EXPECT_EQ(WrittenNames(), kFirstRunNames);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ColorSess"), 0xFFu);
    EXPECT_EQ(registry.GetDword(kSettingsKey, "ShowVGrid"), 1u);
}

TEST_F(MainSettings, AFreshStoreLoadsTheDocumentedStartingState) {
    CDlgMain dlg(services);
    dlg.InitDefaultSettings();
    registry.writeLog.clear();
    dlg.LoadSettings();
    EXPECT_TRUE(registry.writeLog.empty());

    EXPECT_EQ(dlg.m_nScaleHours, 7);
    EXPECT_TRUE(dlg.m_bShowEstimations);
    EXPECT_TRUE(dlg.m_bShowVGrid);
    EXPECT_TRUE(dlg.m_bShowHGrid);
    EXPECT_EQ(dlg.m_bShowRef, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(dlg.m_bShowDetailedGrid);
    EXPECT_EQ(dlg.m_crGrid1, 0x7F0000u);
    EXPECT_EQ(dlg.m_crGrid2, 0x7F0000u);
    EXPECT_EQ(dlg.m_crGrid3, 0x7F0000u);
    EXPECT_EQ(dlg.m_crRef1, 0x7F007Fu);
    EXPECT_EQ(dlg.m_crRef2, 0x7F7F00u);
    EXPECT_EQ(dlg.m_crRef3, 0x007F7Fu);
    EXPECT_EQ(dlg.m_crSess, 0x0000FFu);
    EXPECT_EQ(dlg.m_crStatus, 0x00009Cu);
    EXPECT_FALSE(dlg.m_bAutoPowerOff);
    EXPECT_EQ(dlg.m_nAutoPowerOffAt, 0);
    EXPECT_FALSE(dlg.m_bMinimizeOnStart);
    EXPECT_EQ(dlg.m_bMinimizePending, 0);
    EXPECT_FALSE(dlg.m_bIgnorePowerOff);
    EXPECT_EQ(dlg.m_strSavePath, "\\My Documents");
    EXPECT_TRUE(dlg.m_bAutoSave);
    EXPECT_FALSE(dlg.m_bAutoStartMode);
    EXPECT_TRUE(dlg.m_btnGo.IsEnabled());
    EXPECT_TRUE(window.goEnabled);
}

// One value stored alone: what the main window holds when it is absent, and when it holds an
// odd number. Plain switches take any non-zero number as on, inverted ones as off, and
// numbers are taken as stored, outside the Options pages' limits too.
TEST_F(MainSettings, EachValueReachesItsOwnMemberInItsOwnSense) {
    using Member = std::int64_t (*)(const CDlgMain&);
#define HELD(member) [](const CDlgMain& d) -> std::int64_t { return d.member; }
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
        {"ColorRef1", HELD(m_crRef1), 0, 0x040506, 0x040506},
        {"ColorRef2", HELD(m_crRef2), 0, 0x050607, 0x050607},
        {"ColorRef3", HELD(m_crRef3), 0, 0x060708, 0x060708},
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
    CDlgMain dlg(services);
    for (const Row& row : rows) {
        dlg.LoadSettings();
        EXPECT_EQ(row.member(dlg), row.absent) << row.name << " absent";
        Put(row.name, row.stored);
        dlg.LoadSettings();
        EXPECT_EQ(row.member(dlg), row.loaded) << row.name << " = " << row.stored;
        registry.DeleteValue(kSettingsKey, row.name);
    }
    EXPECT_TRUE(registry.writeLog.empty());
}

TEST_F(MainSettings, TheLoadSetsTheWindowsOwnStateOnceAndTakesTheSavePathAsStored) {
    Put("MinimizeOnStart", 1);
    Put("AutoStartSessions", 0);
    CSettingsStore(registry).WriteString("SavePath", std::string(199, 'p'));
    CDlgMain dlg(services);
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_bMinimizePending, 1);
    EXPECT_EQ(dlg.m_strSavePath, std::string(199, 'p'));
    EXPECT_TRUE(dlg.m_bAutoStartMode);
    EXPECT_FALSE(dlg.m_btnGo.IsEnabled());
    EXPECT_FALSE(window.goEnabled);

    // Reloading after the options change: the pending minimise, once cleared, stays cleared.
    Put("ScaleHours", 0);
    Put("MinimizeOnStart", 0);
    Put("AutoStartSessions", 1);
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_nScaleHours, 7);
    EXPECT_EQ(dlg.m_bMinimizePending, 0);
    EXPECT_TRUE(window.goEnabled);
    Put("MinimizeOnStart", 1);
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_bMinimizePending, 0);

    // Without a "SavePath" the auto-save goes to the root folder.
    registry.DeleteValue(kSettingsKey, "SavePath");
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_strSavePath, "");
    EXPECT_EQ(dlg.AutoSavePath(), "\\autosave.blf");
    // A desktop folder gets the desktop's separator.
    dlg.m_strSavePath = "/home/ann/logs";
    EXPECT_EQ(dlg.AutoSavePath(), "/home/ann/logs/autosave.blf");
}

TEST_F(MainSettings, AnUnreadableStoreGivesTheAbsentValues) {
    registry.failAll = true;
    CDlgMain dlg(services);
    dlg.InitDefaultSettings();
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_nScaleHours, 7);
    EXPECT_TRUE(dlg.m_bShowVGrid);
    EXPECT_EQ(dlg.m_crSess, 0u);
    EXPECT_EQ(dlg.m_strSavePath, "");
    EXPECT_TRUE(dlg.m_bAutoSave);
    EXPECT_TRUE(dlg.m_bAutoStartMode);
    EXPECT_FALSE(window.goEnabled);
}

}  // namespace
}  // namespace torvane::test
