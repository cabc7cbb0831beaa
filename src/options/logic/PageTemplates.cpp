// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/PageTemplates.h"

#include <initializer_list>

#include "options/logic/OptionsControlIds.h"
#include "settings/SettingsTable.h"

namespace torvane {

namespace {

using K = ControlKind;

constexpr int kPageWidth = 137;
constexpr int kPageHeight = 140;

// Every page has the picture at the top right and its Apply and Close buttons at the bottom.
std::vector<ControlTemplate> WithCommonControls(std::initializer_list<ControlTemplate> own) {
    std::vector<ControlTemplate> controls{{IDC_STATIC, K::Picture, "", {118, 2, 15, 13}}};
    controls.insert(controls.end(), own);
    controls.push_back({IDC_APPLY, K::PushButton, "Apply", {19, 125, 41, 13}});
    controls.push_back({IDC_CLOSE, K::PushButton, "Close", {78, 125, 41, 13}});
    return controls;
}

PageTemplate MakeGeneral() {
    return {
        kGeneralPage,
        "General",
        "General settings",
        kPageWidth,
        kPageHeight,
        WithCommonControls({
            {IDC_STATIC,
             K::Static,
             "Configure the general Torvane Options in this dialog",
             {4, 21, 133, 18}},
            {IDC_STATIC, K::GroupBox, "Power", {2, 45, 133, 35}},
            {IDC_IGNORE_POWER_OFF, K::CheckBox, "Ignore device auto-power off", {8, 54, 119, 10}},
            {IDC_AUTO_POWER_OFF, K::CheckBox, "Auto power off at", {8, 66, 72, 10}},
            {IDC_POWER_OFF_AT, K::Edit, "", {82, 65, 24, 11}},
            {IDC_POWER_OFF_SPIN,
             K::UpDown,
             "Spin2",
             {103, 63, 10, 14},
             0,
             Limits(Setting::AutoPowerOffAt).lowest,
             Limits(Setting::AutoPowerOffAt).highest,
             false},
            {IDC_STATIC, K::Static, "%", {108, 67, 10, 9}},
            {IDC_STATIC, K::GroupBox, "Start up", {2, 83, 133, 35}},
            {IDC_AUTO_START, K::CheckBox, "Auto start after a soft reset", {8, 92, 119, 10}},
            {IDC_MINIMIZE_ON_START,
             K::CheckBox,
             "Automatically minimize on start",
             {8, 104, 121, 10}},
        })};
}

PageTemplate MakeSessions() {
    return {
        kSessionsPage,
        "Sessions",
        "Sessions",
        kPageWidth,
        kPageHeight,
        WithCommonControls({
            {IDC_STATIC,
             K::Static,
             "Configure the general session options in this dialog",
             {4, 21, 133, 18}},
            {IDC_STATIC, K::GroupBox, "Session settings", {2, 44, 133, 52}},
            {IDC_AUTO_START_SESSIONS, K::CheckBox, "Auto-start on battery power", {8, 56, 119, 10}},
            {IDC_AUTO_SAVE_SESSIONS, K::CheckBox, "Auto save sessions", {8, 68, 119, 10}},
            {IDC_STATIC, K::Static, "Save to:", {8, 82, 28, 10}},
            {IDC_SAVE_PATH, K::Edit, "", {41, 81, 90, 11}, Limits(Setting::SavePath).highest},
        })};
}

PageTemplate MakeView() {
    return {
        kViewPage,
        "View",
        "View",
        kPageWidth,
        kPageHeight,
        WithCommonControls({
            {IDC_STATIC, K::Static, "Configure the general view of Torvane here", {4, 21, 133, 18}},
            {IDC_STATIC, K::GroupBox, "References", {2, 44, 66, 48}},
            {IDC_SHOW_REF1, K::CheckBox, "Slot 1", {8, 54, 56, 10}},
            {IDC_SHOW_REF2, K::CheckBox, "Slot 2", {8, 67, 54, 10}},
            {IDC_SHOW_REF3, K::CheckBox, "Slot 3", {8, 80, 55, 10}},
            {IDC_STATIC, K::GroupBox, "Time scale (h)", {2, 93, 66, 29}},
            {IDC_SCALE_HOURS, K::Edit, "", {20, 104, 27, 12}},
            {IDC_SCALE_HOURS_SPIN,
             K::UpDown,
             "Spin1",
             {47, 103, 10, 14},
             0,
             Limits(Setting::ScaleHours).lowest,
             Limits(Setting::ScaleHours).highest,
             true},
            {IDC_STATIC, K::GroupBox, "Grid", {70, 44, 66, 48}},
            {IDC_SHOW_VGRID, K::CheckBox, "Vertical", {76, 54, 56, 10}},
            {IDC_SHOW_HGRID, K::CheckBox, "Horizontal", {76, 67, 54, 10}},
            {IDC_SHOW_DETAILED_GRID, K::CheckBox, "Detailed", {76, 80, 55, 10}},
            {IDC_STATIC, K::GroupBox, "Projections", {70, 93, 66, 29}},
            {IDC_DRAW_ESTIMATIONS, K::CheckBox, "Draw", {76, 105, 55, 10}},
        })};
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
    // Tab order runs down the left column, then down the right one.
    return {kColorsPage,
            "Colors",
            "Colors",
            kPageWidth,
            kPageHeight,
            WithCommonControls({
                {IDC_STATIC,
                 K::Static,
                 "Use the color pickers to choose diffent colors for the  graphics",
                 {4, 21, 133, 18}},
                {IDC_STATIC, K::GroupBox, "Colors", {2, 40, 133, 81}},
                Label("Grid", 7, 55, 47),
                Picker(IDC_COLOR_GRID1, 47, 52),
                Label("Grid details", 7, 71, 47),
                Picker(IDC_COLOR_GRID2, 47, 68),
                Label("Grid scale", 7, 87, 47),
                Picker(IDC_COLOR_GRID3, 47, 84),
                Label("Status text", 7, 103, 47),
                Picker(IDC_COLOR_STATUS, 47, 101),
                Label("Session", 74, 55, 107),
                Picker(IDC_COLOR_SESS, 107, 52),
                Label("Ref.1", 74, 71, 107),
                Picker(IDC_COLOR_REF1, 107, 68),
                Label("Ref.2", 74, 87, 107),
                Picker(IDC_COLOR_REF2, 107, 84),
                Label("Ref.3", 74, 103, 107),
                Picker(IDC_COLOR_REF3, 107, 101),
            })};
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
