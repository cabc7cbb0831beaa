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
    EXPECT_EQ(dlg.m_bShowEstimations, 1);
    EXPECT_EQ(dlg.m_bShowVGrid, 1);
    EXPECT_EQ(dlg.m_bShowHGrid, 1);
    EXPECT_EQ(dlg.m_bShowRef, (std::array<BOOL, 3>{1, 1, 1}));
    EXPECT_EQ(dlg.m_bShowDetailedGrid, 1);
    EXPECT_EQ(dlg.m_crGrid1, 0x7F0000u);
    EXPECT_EQ(dlg.m_crGrid2, 0x7F0000u);
    EXPECT_EQ(dlg.m_crGrid3, 0x7F0000u);
    EXPECT_EQ(dlg.m_crRef1, 0x7F007Fu);
    EXPECT_EQ(dlg.m_crRef2, 0x7F7F00u);
    EXPECT_EQ(dlg.m_crRef3, 0x007F7Fu);
    EXPECT_EQ(dlg.m_crSess, 0x0000FFu);
    EXPECT_EQ(dlg.m_crStatus, 0x00009Cu);
    EXPECT_EQ(dlg.m_bAutoPowerOff, 0);
    EXPECT_EQ(dlg.m_nAutoPowerOffAt, 0);
    EXPECT_EQ(dlg.m_bMinimizeOnStart, 0);
    EXPECT_EQ(dlg.m_bMinimizePending, 0);
    EXPECT_EQ(dlg.m_bIgnorePowerOff, 0);
    EXPECT_EQ(dlg.m_strSavePath, "\\My Documents");
    EXPECT_EQ(dlg.m_bAutoSave, 1);
    EXPECT_EQ(dlg.m_bAutoStartMode, 0);
    EXPECT_TRUE(dlg.m_btnGo.IsEnabled());
    EXPECT_TRUE(window.goEnabled);
}

TEST_F(MainSettings, EachValueIsReadInItsOwnSense) {
    Put("ScaleHours", 12);
    Put("DrawEstimations", 1);
    Put("ShowVGrid", 5);
    Put("ShowRef2", 0xFFFFFFFF);
    Put("ColorGrid2", 0xFF000000);
    Put("AutoPowerOff", 5);
    Put("AutoPowerOffAt", 150);
    Put("MinimizeOnStart", 7);
    Put("IgnorePowerOff", 1);
    Put("AutoSaveSessions", 1);
    Put("AutoStartSessions", 0);
    CSettingsStore(registry).WriteString("SavePath", std::string(199, 'p'));

    CDlgMain dlg(services);
    dlg.LoadSettings();
    EXPECT_EQ(dlg.m_nScaleHours, 12);
    EXPECT_EQ(dlg.m_bShowEstimations, 0);
    EXPECT_EQ(dlg.m_bShowVGrid, 0);
    EXPECT_EQ(dlg.m_bShowHGrid, 1);
    EXPECT_EQ(dlg.m_bShowRef, (std::array<BOOL, 3>{1, 0, 1}));
    EXPECT_EQ(dlg.m_crGrid2, kAutomaticColour);
    EXPECT_EQ(dlg.m_bAutoPowerOff, 1);
    EXPECT_EQ(dlg.m_nAutoPowerOffAt, 150);
    EXPECT_EQ(dlg.m_bMinimizeOnStart, 1);
    EXPECT_EQ(dlg.m_bMinimizePending, 1);
    EXPECT_EQ(dlg.m_bIgnorePowerOff, 1);
    EXPECT_EQ(dlg.m_strSavePath, std::string(199, 'p'));
    EXPECT_EQ(dlg.m_bAutoSave, 0);
    EXPECT_EQ(dlg.m_bAutoStartMode, 1);
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
    EXPECT_EQ(dlg.m_bShowVGrid, 1);
    EXPECT_EQ(dlg.m_crSess, 0u);
    EXPECT_EQ(dlg.m_strSavePath, "");
    EXPECT_EQ(dlg.m_bAutoSave, 1);
    EXPECT_EQ(dlg.m_bAutoStartMode, 1);
    EXPECT_FALSE(window.goEnabled);
}

}  // namespace
}  // namespace torvane::test
