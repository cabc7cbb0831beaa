// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/PageTemplates.h"

#include <array>
#include <cstddef>
#include <utility>

#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsTable.h"

namespace torvane {

namespace {

using K = ControlKind;

constexpr int kPageWidth = 137;
constexpr int kPageHeight = 140;

// Every page has the picture at the top right, a line of introduction under its heading, and
// its Apply and Close buttons at the bottom.
PageTemplate Page(int templateId, const char* title, const char* heading, const char* intro,
                  const std::vector<ControlTemplate>& own) {
    std::vector<ControlTemplate> controls{{IDC_STATIC, K::Picture, "", {118, 2, 15, 13}},
                                          {IDC_STATIC, K::Static, intro, {4, 21, 133, 18}}};
    controls.insert(controls.end(), own.begin(), own.end());
    controls.push_back({IDC_APPLY, K::PushButton, "Apply", {19, 125, 41, 13}});
    controls.push_back({IDC_CLOSE, K::PushButton, "Close", {78, 125, 41, 13}});
    return {templateId, title, heading, kPageWidth, kPageHeight, std::move(controls)};
}

ControlTemplate Group(const char* text, const TemplateRect& rect) {
    return {IDC_STATIC, K::GroupBox, text, rect};
}

// Check boxes are a line high.
ControlTemplate Box(int id, const char* text, int x, int y, int width) {
    return {id, K::CheckBox, text, {x, y, width, 10}};
}

// Up-down arrows step their field within the range of the setting it shows.
ControlTemplate Spin(int id, const char* text, int x, int y, Setting setting, bool thousands) {
    const SettingLimits range = Limits(setting);
    return {id, K::UpDown, text, {x, y, 10, 14}, 0, range.lowest, range.highest, thousands};
}

PageTemplate MakeGeneral() {
    return Page(kGeneralPage, "General", "General settings",
                "Configure the general Torvane Options in this dialog",
                {
                    Group("Power", {2, 45, 133, 35}),
                    Box(IDC_IGNORE_POWER_OFF, "Ignore device auto-power off", 8, 54, 119),
                    Box(IDC_AUTO_POWER_OFF, "Auto power off at", 8, 66, 72),
                    {IDC_POWER_OFF_AT, K::Edit, "", {82, 65, 24, 11}},
                    Spin(IDC_POWER_OFF_SPIN, "Spin2", 103, 63, Setting::AutoPowerOffAt, false),
                    {IDC_STATIC, K::Static, "%", {108, 67, 10, 9}},
                    Group("Start up", {2, 83, 133, 35}),
                    Box(IDC_AUTO_START, "Auto start after a soft reset", 8, 92, 119),
                    Box(IDC_MINIMIZE_ON_START, "Automatically minimize on start", 8, 104, 121),
                });
}

PageTemplate MakeSessions() {
    return Page(
        kSessionsPage, "Sessions", "Sessions",
        "Configure the general session options in this dialog",
        {
            Group("Session settings", {2, 44, 133, 52}),
            Box(IDC_AUTO_START_SESSIONS, "Auto-start on battery power", 8, 56, 119),
            Box(IDC_AUTO_SAVE_SESSIONS, "Auto save sessions", 8, 68, 119),
            {IDC_STATIC, K::Static, "Save to:", {8, 82, 28, 10}},
            {IDC_SAVE_PATH, K::Edit, "", {41, 81, 90, 11}, Limits(Setting::SavePath).highest},
        });
}

PageTemplate MakeView() {
    return Page(kViewPage, "View", "View", "Configure the general view of Torvane here",
                {
                    Group("References", {2, 44, 66, 48}),
                    Box(IDC_SHOW_REF1, "Slot 1", 8, 54, 56),
                    Box(IDC_SHOW_REF2, "Slot 2", 8, 67, 54),
                    Box(IDC_SHOW_REF3, "Slot 3", 8, 80, 55),
                    Group("Time scale (h)", {2, 93, 66, 29}),
                    {IDC_SCALE_HOURS, K::Edit, "", {20, 104, 27, 12}},
                    Spin(IDC_SCALE_HOURS_SPIN, "Spin1", 47, 103, Setting::ScaleHours, true),
                    Group("Grid", {70, 44, 66, 48}),
                    Box(IDC_SHOW_VGRID, "Vertical", 76, 54, 56),
                    Box(IDC_SHOW_HGRID, "Horizontal", 76, 67, 54),
                    Box(IDC_SHOW_DETAILED_GRID, "Detailed", 76, 80, 55),
                    Group("Projections", {70, 93, 66, 29}),
                    Box(IDC_DRAW_ESTIMATIONS, "Draw", 76, 105, 55),
                });
}

// A label sits to the left of its picker and ends just before it; the template gives only the
// label's top-left corner, so it gets a line's height and the room up to the button.
ControlTemplate Label(const char* text, int x, int y, int buttonX) {
    return {IDC_STATIC, K::Static, text, {x, y, buttonX - x - 2, 8}};
}

ControlTemplate Picker(int id, int x, int y) {
    return {id, K::ColourPicker, "...", {x, y, 22, 12}};
}

PageTemplate MakeColors() {
    // Two columns of four pickers, each with its label, in tab order: down the left column,
    // then down the right one.
    static constexpr std::array<std::pair<const char*, int>, 8> kPickers = {{
        {"Grid", IDC_COLOR_GRID1},
        {"Grid details", IDC_COLOR_GRID2},
        {"Grid scale", IDC_COLOR_GRID3},
        {"Status text", IDC_COLOR_STATUS},
        {"Session", IDC_COLOR_SESS},
        {"Ref.1", IDC_COLOR_REF1},
        {"Ref.2", IDC_COLOR_REF2},
        {"Ref.3", IDC_COLOR_REF3},
    }};
    static constexpr std::array<int, 2> kLabelX = {7, 74};
    static constexpr std::array<int, 2> kButtonX = {47, 107};
    static constexpr std::array<int, 4> kLabelY = {55, 71, 87, 103};
    static constexpr std::array<int, 4> kButtonY = {52, 68, 84, 101};
    std::vector<ControlTemplate> own{Group("Colors", {2, 40, 133, 81})};
    for (std::size_t i = 0; i < kPickers.size(); ++i) {
        const auto [label, id] = kPickers[i];
        const std::size_t column = i / kLabelY.size();
        const std::size_t row = i % kLabelY.size();
        own.push_back(Label(label, kLabelX[column], kLabelY[row], kButtonX[column]));
        own.push_back(Picker(id, kButtonX[column], kButtonY[row]));
    }
    return Page(kColorsPage, "Colors", "Colors",
                "Use the color pickers to choose diffent colors for the  graphics", own);
}

}  // namespace

const PageTemplate& GetPageTemplate(int templateId) {
    static const PageTemplate general = MakeGeneral();
    static const PageTemplate colors = MakeColors();
    static const PageTemplate view = MakeView();
    static const PageTemplate sessions = MakeSessions();
    switch (templateId) {
        case kColorsPage:
            return colors;
        case kViewPage:
            return view;
        case kSessionsPage:
            return sessions;
        default:
            return general;
    }
}

}  // namespace torvane
