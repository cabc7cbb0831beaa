// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/MemoryRegistry.h"
#include "options/logic/CDlgColors.h"
#include "options/logic/CDlgGeneralCfg.h"
#include "options/logic/CDlgSessionCfg.h"
#include "options/logic/CDlgViewOptions.h"
#include "options/logic/FakePageControls.h"
#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsRecord.h"

namespace torvane::test {
namespace {

class OptionsPages : public ::testing::Test {
protected:
    MemoryRegistry registry;
    CSettingsStore store{registry};
    FakePageControls controls;
    FakeStartupShortcut shortcut;

    void Put(const std::string& name, std::uint32_t value) {
        registry.PutDword(kSettingsKey, name, value);
    }
    std::uint32_t Get(const std::string& name) const {
        return registry.GetDword(kSettingsKey, name);
    }
    // What the first start leaves in the store.
    void WriteFirstRunValues() {
        InitDefaultSettings(store);
        registry.writeLog.clear();
    }
    std::vector<std::string> Written() const {
        std::vector<std::string> names;
        for (const auto& entry : registry.writeLog) {
            names.push_back(entry.second);
        }
        return names;
    }
};

// --- General page -------------------------------------------------------------------------

TEST_F(OptionsPages, GeneralShowsStoredValuesPlainAndDisablesThePercentageWhenOff) {
    WriteFirstRunValues();
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    for (int id :
         {IDC_AUTO_POWER_OFF, IDC_AUTO_START, IDC_IGNORE_POWER_OFF, IDC_MINIMIZE_ON_START}) {
        EXPECT_FALSE(controls.IsChecked(id)) << id;
    }
    EXPECT_EQ(controls.GetText(IDC_POWER_OFF_AT), "0");
    EXPECT_FALSE(controls.IsEnabled(IDC_POWER_OFF_AT));

    // Any non-zero value reads as checked; the percentage is shown as stored, unclamped.
    Put("AutoPowerOff", 5);
    Put("AutoPowerOffAt", 150);
    Put("AutoStart", 2);
    Put("MinimizeOnStart", 1);
    Put("IgnorePowerOff", 0xFFFFFFFF);
    FakePageControls again;
    CDlgGeneralCfg reopened(store, shortcut, again);
    reopened.OnInitDialog();
    for (int id :
         {IDC_AUTO_POWER_OFF, IDC_AUTO_START, IDC_IGNORE_POWER_OFF, IDC_MINIMIZE_ON_START}) {
        EXPECT_TRUE(again.IsChecked(id)) << id;
    }
    EXPECT_EQ(again.GetText(IDC_POWER_OFF_AT), "150");
    EXPECT_TRUE(again.IsEnabled(IDC_POWER_OFF_AT));
    EXPECT_TRUE(registry.writeLog.empty());
}

TEST_F(OptionsPages, GeneralPercentageIsClampedWhenTheFieldLosesTheFocus) {
    Put("AutoPowerOff", 1);
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"150", "99"}, Case{"0", "1"}, Case{"50", "50"}, Case{"-7", "1"},
                          Case{"99", "99"}, Case{"1", "1"}, Case{"100", "99"}}) {
        controls.SetText(IDC_POWER_OFF_AT, c.typed);
        controls.textWrites.clear();
        page.OnKillFocus(IDC_POWER_OFF_AT);
        EXPECT_EQ(controls.GetText(IDC_POWER_OFF_AT), c.shown) << c.typed;
        // A value in range is left exactly as typed.
        EXPECT_EQ(controls.textWrites.empty(), std::string(c.typed) == c.shown) << c.typed;
    }
    // Leaving a field that holds no number says so at once and sends the focus back to it.
    controls.SetText(IDC_POWER_OFF_AT, "abc");
    page.OnKillFocus(IDC_POWER_OFF_AT);
    EXPECT_EQ(controls.GetText(IDC_POWER_OFF_AT), "abc");
    EXPECT_EQ(controls.messages, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(controls.focused, std::vector<int>{IDC_POWER_OFF_AT});
    // The clamped value is what Apply stores.
    controls.SetText(IDC_POWER_OFF_AT, "250");
    page.OnKillFocus(IDC_POWER_OFF_AT);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Get("AutoPowerOffAt"), 99u);
}

TEST_F(OptionsPages, GeneralApplyWritesBackADisabledPercentageUnchangedInItsOrder) {
    Put("AutoPowerOffAt", 37);
    Put("IgnorePowerOff", 1);
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    EXPECT_FALSE(controls.IsEnabled(IDC_POWER_OFF_AT));
    controls.SetChecked(IDC_MINIMIZE_ON_START, true);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Written(), (std::vector<std::string>{"IgnorePowerOff", "AutoPowerOff",
                                                   "AutoPowerOffAt", "MinimizeOnStart"}));
    EXPECT_EQ(Get("IgnorePowerOff"), 1u);
    EXPECT_EQ(Get("AutoPowerOff"), 0u);
    EXPECT_EQ(Get("AutoPowerOffAt"), 37u);
    EXPECT_EQ(Get("MinimizeOnStart"), 1u);
    EXPECT_FALSE(registry.HasValue(kSettingsKey, "AutoStart"));
    EXPECT_EQ(shortcut.creates + shortcut.deletes, 0);
}

TEST_F(OptionsPages, GeneralAutoPowerOffBoxTakesTheFieldAndEnablesIt) {
    Put("AutoPowerOffAt", 20);
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    for (const bool checked : {true, false}) {
        controls.SetText(IDC_POWER_OFF_AT, "x1");
        controls.messages.clear();
        controls.focused.clear();
        controls.SetChecked(IDC_AUTO_POWER_OFF, checked);
        page.OnClicked(IDC_AUTO_POWER_OFF);
        // The entry is refused as typed, with the focus back in the field.
        EXPECT_EQ(controls.messages, std::vector<std::string>{"Please enter an integer."});
        EXPECT_EQ(controls.focused, std::vector<int>{IDC_POWER_OFF_AT});
        EXPECT_EQ(controls.GetText(IDC_POWER_OFF_AT), "x1");
        EXPECT_EQ(controls.IsEnabled(IDC_POWER_OFF_AT), checked);
    }
    controls.SetText(IDC_POWER_OFF_AT, "35");
    controls.SetChecked(IDC_AUTO_POWER_OFF, true);
    page.OnClicked(IDC_AUTO_POWER_OFF);
    EXPECT_TRUE(controls.IsEnabled(IDC_POWER_OFF_AT));
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Get("AutoPowerOffAt"), 35u);

    // Other boxes do nothing until Apply.
    controls.SetChecked(IDC_IGNORE_POWER_OFF, true);
    page.OnClicked(IDC_IGNORE_POWER_OFF);
    EXPECT_EQ(Get("IgnorePowerOff"), 0u);
}

TEST_F(OptionsPages, GeneralShortcutStepRunsOnlyOnChangeWithAutoStartStoredFirst) {
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    std::vector<std::uint32_t> autoStartDuringStep;
    shortcut.onStep = [&] { autoStartDuringStep.push_back(Get("AutoStart")); };
    shortcut.createSucceeds = false;  // a failed creation is remembered all the same

    controls.SetChecked(IDC_AUTO_START, true);
    ASSERT_TRUE(page.OnApply());
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(shortcut.creates, 1);
    EXPECT_EQ(shortcut.deletes, 0);
    EXPECT_EQ(autoStartDuringStep, std::vector<std::uint32_t>{1});
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"IgnorePowerOff", "AutoPowerOff", "AutoPowerOffAt",
                                        "AutoStart", "MinimizeOnStart", "IgnorePowerOff",
                                        "AutoPowerOff", "AutoPowerOffAt", "MinimizeOnStart"}));

    // Switched off again: stored 0, the shortcut deleted once, and the page goes on after it.
    registry.writeLog.clear();
    controls.SetChecked(IDC_AUTO_START, false);
    controls.SetChecked(IDC_MINIMIZE_ON_START, true);
    ASSERT_TRUE(page.OnApply());
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(shortcut.creates, 1);
    EXPECT_EQ(shortcut.deletes, 1);
    EXPECT_EQ(autoStartDuringStep, (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(Get("MinimizeOnStart"), 1u);

    // A new opening compares with what is stored now.
    FakePageControls again;
    CDlgGeneralCfg reopened(store, shortcut, again);
    reopened.OnInitDialog();
    EXPECT_FALSE(again.IsChecked(IDC_AUTO_START));
    ASSERT_TRUE(reopened.OnApply());
    EXPECT_EQ(shortcut.creates + shortcut.deletes, 2);
}

TEST_F(OptionsPages, GeneralApplyRefusesANonNumberAndStoresNothing) {
    Put("AutoPowerOff", 1);
    CDlgGeneralCfg page(store, shortcut, controls);
    page.OnInitDialog();
    controls.SetChecked(IDC_AUTO_START, true);
    for (const char* typed : {"", "abc", "12a", "99999999999"}) {
        controls.SetText(IDC_POWER_OFF_AT, typed);
        controls.messages.clear();
        controls.focused.clear();
        EXPECT_FALSE(page.OnApply()) << typed;
        EXPECT_EQ(controls.messages, std::vector<std::string>{"Please enter an integer."});
        EXPECT_EQ(controls.focused, std::vector<int>{IDC_POWER_OFF_AT});
    }
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(shortcut.creates, 0);
    // Corrected, the same Apply goes through, shortcut step included.
    controls.SetText(IDC_POWER_OFF_AT, " 15 ");
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Get("AutoPowerOffAt"), 15u);
    EXPECT_EQ(shortcut.creates, 1);
}

// --- Sessions page ------------------------------------------------------------------------

TEST_F(OptionsPages, SessionsFirstRunShowsAutoSaveOnAndAutoStartOnBatteryOff) {
    WriteFirstRunValues();
    CDlgSessionCfg page(store, controls);
    page.OnInitDialog();
    EXPECT_TRUE(controls.IsChecked(IDC_AUTO_SAVE_SESSIONS));
    EXPECT_FALSE(controls.IsChecked(IDC_AUTO_START_SESSIONS));
    EXPECT_EQ(controls.GetText(IDC_SAVE_PATH), "\\My Documents");
    EXPECT_TRUE(registry.writeLog.empty());
}

TEST_F(OptionsPages, SessionsApplyStoresInvertedBoxesAndThePathAsTyped) {
    WriteFirstRunValues();
    CDlgSessionCfg page(store, controls);
    page.OnInitDialog();
    controls.SetChecked(IDC_AUTO_SAVE_SESSIONS, false);
    controls.SetChecked(IDC_AUTO_START_SESSIONS, true);
    controls.SetText(IDC_SAVE_PATH, "\\No Such Folder\\");
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"SavePath", "AutoSaveSessions", "AutoStartSessions"}));
    EXPECT_EQ(store.ReadString("SavePath"), "\\No Such Folder\\");
    EXPECT_EQ(Get("AutoSaveSessions"), 1u);
    EXPECT_EQ(Get("AutoStartSessions"), 0u);
}

TEST_F(OptionsPages, SessionsSavePathIsLimitedTo199Units) {
    CDlgSessionCfg page(store, controls);
    page.OnInitDialog();
    const std::string longest(199, 'a');
    controls.SetText(IDC_SAVE_PATH, longest);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(store.ReadString("SavePath"), longest);

    // 198 characters plus one that takes two UTF-16 units is one unit too many.
    registry.writeLog.clear();
    controls.SetText(IDC_SAVE_PATH, std::string(198, 'b') + "\xF0\x9F\x94\x8B");
    EXPECT_FALSE(page.OnApply());
    EXPECT_EQ(controls.messages,
              std::vector<std::string>{"Please enter no more than 199 characters."});
    EXPECT_EQ(controls.focused, std::vector<int>{IDC_SAVE_PATH});
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(store.ReadString("SavePath"), longest);
}

// --- View page ----------------------------------------------------------------------------

const std::vector<int> kViewBoxes = {IDC_SHOW_REF1,       IDC_SHOW_REF2,  IDC_SHOW_REF3,
                                     IDC_SHOW_VGRID,      IDC_SHOW_HGRID, IDC_SHOW_DETAILED_GRID,
                                     IDC_DRAW_ESTIMATIONS};

TEST_F(OptionsPages, ViewFirstRunChecksAllBoxesAndRefusesTheAbsentTimeScale) {
    WriteFirstRunValues();
    CDlgViewOptions page(store, controls);
    page.OnInitDialog();
    for (int id : kViewBoxes) {
        EXPECT_TRUE(controls.IsChecked(id)) << id;
    }
    EXPECT_EQ(controls.GetText(IDC_SCALE_HOURS), "0");
    EXPECT_FALSE(page.OnApply());
    EXPECT_EQ(controls.messages,
              std::vector<std::string>{"Please enter an integer between 1 and 50."});
    EXPECT_EQ(controls.focused, std::vector<int>{IDC_SCALE_HOURS});
    EXPECT_TRUE(registry.writeLog.empty());
}

TEST_F(OptionsPages, ViewTimeScaleMustBeAWholeNumberFrom1To50) {
    Put("ScaleHours", 12);
    CDlgViewOptions page(store, controls);
    page.OnInitDialog();
    EXPECT_EQ(controls.GetText(IDC_SCALE_HOURS), "12");
    for (const char* refused : {"51", "-1", "1000"}) {
        controls.SetText(IDC_SCALE_HOURS, refused);
        EXPECT_FALSE(page.OnApply()) << refused;
    }
    controls.SetText(IDC_SCALE_HOURS, "seven");
    EXPECT_FALSE(page.OnApply());
    EXPECT_EQ(controls.messages.back(), "Please enter an integer.");
    EXPECT_TRUE(registry.writeLog.empty());
    for (const char* accepted : {"1", "50"}) {
        controls.SetText(IDC_SCALE_HOURS, accepted);
        ASSERT_TRUE(page.OnApply()) << accepted;
        EXPECT_EQ(Get("ScaleHours"), static_cast<std::uint32_t>(std::stoi(accepted)));
    }
}

TEST_F(OptionsPages, ViewApplyStoresEachBoxInvertedInItsOrder) {
    Put("ScaleHours", 7);
    Put("ShowVGrid", 5);  // any non-zero value means hidden
    CDlgViewOptions page(store, controls);
    page.OnInitDialog();
    EXPECT_FALSE(controls.IsChecked(IDC_SHOW_VGRID));
    EXPECT_TRUE(controls.IsChecked(IDC_SHOW_HGRID));

    controls.SetChecked(IDC_SHOW_REF2, false);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"ScaleHours", "DrawEstimations", "ShowRef1", "ShowRef2",
                                        "ShowRef3", "ShowHGrid", "ShowVGrid", "ShowDetailedGrid"}));
    EXPECT_EQ(Get("ShowRef2"), 1u);
    EXPECT_EQ(Get("ShowVGrid"), 1u);
    for (const char* shown :
         {"DrawEstimations", "ShowRef1", "ShowRef3", "ShowHGrid", "ShowDetailedGrid"}) {
        EXPECT_EQ(Get(shown), 0u) << shown;
    }

    controls.SetChecked(IDC_SHOW_REF2, true);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Get("ShowRef2"), 0u);
}

// --- Colors page --------------------------------------------------------------------------

TEST_F(OptionsPages, ColorsGivesEachPickerItsStoredColourAndStoresThemOnlyAtApply) {
    WriteFirstRunValues();
    Put("ColorGrid2", kAutomaticColour);
    Put("ColorGrid3", 0x030405);
    registry.DeleteValue(kSettingsKey, "ColorStatus");
    CDlgColors page(store, controls);
    page.OnInitDialog();
    EXPECT_EQ(controls.GetColour(IDC_COLOR_GRID1), 0x7F0000u);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_GRID2), kAutomaticColour);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_GRID3), 0x030405u);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_REF1), 0x7F007Fu);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_REF2), 0x7F7F00u);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_REF3), 0x007F7Fu);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_SESS), 0x0000FFu);
    EXPECT_EQ(controls.GetColour(IDC_COLOR_STATUS), 0u);  // absent reads black

    // A colour chosen but never applied stays out of the store.
    controls.SetColour(IDC_COLOR_SESS, 0x00FF00);
    EXPECT_TRUE(registry.writeLog.empty());

    controls.SetColour(IDC_COLOR_REF3, kAutomaticColour);
    ASSERT_TRUE(page.OnApply());
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"ColorGrid1", "ColorGrid2", "ColorGrid3", "ColorRef1",
                                        "ColorRef2", "ColorRef3", "ColorSess", "ColorStatus"}));
    EXPECT_EQ(Get("ColorSess"), 0x00FF00u);
    EXPECT_EQ(Get("ColorRef3"), kAutomaticColour);
    EXPECT_EQ(Get("ColorGrid2"), kAutomaticColour);
    EXPECT_EQ(Get("ColorGrid3"), 0x030405u);
    EXPECT_EQ(Get("ColorStatus"), 0u);
}

}  // namespace
}  // namespace torvane::test
