// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

namespace torvane {

// Command identifiers of the main window's menu bar, menus and button.
namespace cmd {
constexpr unsigned int kGoStop = 1005;
constexpr unsigned int kFileMenu = 32771;
constexpr unsigned int kViewMenu = 32783;
constexpr unsigned int kSessionMenu = 32778;
constexpr unsigned int kLoadSlot1 = 32777;
constexpr unsigned int kLoadSlot2 = 32814;
constexpr unsigned int kLoadSlot3 = 32815;
constexpr unsigned int kExportCsv = 32776;
constexpr unsigned int kSaveLog = 32807;
constexpr unsigned int kAbout = 32775;
constexpr unsigned int kExit = 32774;
constexpr unsigned int kMinimize = 32812;  // "Run in background" and the Minimize button
constexpr unsigned int kShowVGrid = 32786;
constexpr unsigned int kShowHGrid = 32787;
constexpr unsigned int kShowDetailedGrid = 32813;
constexpr unsigned int kShowEstimations = 32820;
constexpr unsigned int kShowRef1 = 32817;
constexpr unsigned int kShowRef2 = 32818;
constexpr unsigned int kShowRef3 = 32819;
constexpr unsigned int kScale1 = 32794;  // 1 to 10 hours are 32794 to 32803
constexpr unsigned int kScale10 = 32803;
constexpr unsigned int kScale15 = 32804;
constexpr unsigned int kScale20 = 32805;
constexpr unsigned int kScaleAuto = 32806;
constexpr unsigned int kOptions = 32789;
constexpr unsigned int kResumeSession = 32823;
constexpr unsigned int kStartSession = 32781;

constexpr unsigned int kNotifyIconId = 1291;
constexpr unsigned int kNotifyCallback = 2315;
constexpr unsigned int kLeftButtonDown = 513;
}  // namespace cmd

// One entry of a drop-down menu: a command, a submenu (id 0) or a separator.
struct MenuItem {
    std::string text;
    unsigned int id = 0;
    bool separator = false;
    bool greyed = false;  // disabled by the menu itself, whatever the state
    std::vector<MenuItem> submenu;
};

// A button of the menu bar; drop-down buttons open one popup.
struct MenuBarButton {
    std::string caption;
    unsigned int id = 0;
    bool dropDown = false;
    std::vector<MenuItem> popup;
};

// The menu bar at the bottom of the main window: File, View, Session and Minimize.
std::vector<MenuBarButton> BuildMainMenuBar();

// Check marks, enabled states and the session item's text, recomputed whenever a menu opens.
struct MenuStates {
    std::map<unsigned int, bool> checked;
    std::map<unsigned int, bool> enabled;
    std::string sessionItemText;  // the text of "Start session" / "Stop session"
};

// The hours of a "Time scale" item, or 0 for any other command.
int ScaleHoursOfCommand(unsigned int id);

}  // namespace torvane
