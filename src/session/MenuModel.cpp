// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/MenuModel.h"

namespace torvane {

namespace {

MenuItem Item(const char* text, unsigned int id) {
    return MenuItem{text, id, false, false, {}};
}
MenuItem Separator() {
    return MenuItem{"", 0, true, false, {}};
}
MenuItem Submenu(const char* text, std::vector<MenuItem> items) {
    return MenuItem{text, 0, false, false, std::move(items)};
}

std::vector<MenuItem> FileMenu() {
    return {
        Submenu("Load reference log",
                {Item("Slot 1", cmd::kLoadSlot1), Item("Slot 2", cmd::kLoadSlot2),
                 Item("Slot 3", cmd::kLoadSlot3)}),
        Item("Export to CSV file", cmd::kExportCsv),
        Item("Save log", cmd::kSaveLog),
        Separator(),
        Item("About", cmd::kAbout),
        Item("Exit", cmd::kExit),
        Separator(),
        Item("Run in background", cmd::kMinimize),
    };
}

std::vector<MenuItem> ViewMenu() {
    std::vector<MenuItem> scales;
    for (int h = 1; h <= 10; ++h) {
        const std::string text = std::to_string(h) + (h == 1 ? " hour" : " hours");
        scales.push_back(
            MenuItem{text, cmd::kScale1 + static_cast<unsigned int>(h - 1), false, false, {}});
    }
    scales.push_back(Item("15 hours", cmd::kScale15));
    scales.push_back(Item("20 hours", cmd::kScale20));
    MenuItem autoScale = Item("Auto", cmd::kScaleAuto);
    autoScale.greyed = true;  // there is no automatic scale
    scales.push_back(autoScale);
    return {
        Item("Show vertical grid", cmd::kShowVGrid),
        Item("Show horizontal grid", cmd::kShowHGrid),
        Item("Show detailed grid", cmd::kShowDetailedGrid),
        Item("Show estimations", cmd::kShowEstimations),
        Submenu("Show reference", {Item("Slot 1", cmd::kShowRef1), Item("Slot 2", cmd::kShowRef2),
                                   Item("Slot 3", cmd::kShowRef3)}),
        Submenu("Time scale", std::move(scales)),
        Item("Options", cmd::kOptions),
    };
}

std::vector<MenuItem> SessionMenu() {
    return {Item("Resume session", cmd::kResumeSession), Item("Start session", cmd::kStartSession)};
}

}  // namespace

std::vector<MenuBarButton> BuildMainMenuBar() {
    return {
        MenuBarButton{"File", cmd::kFileMenu, true, FileMenu()},
        MenuBarButton{"View", cmd::kViewMenu, true, ViewMenu()},
        MenuBarButton{"Session", cmd::kSessionMenu, true, SessionMenu()},
        MenuBarButton{"Minimize", cmd::kMinimize, false, {}},
    };
}

int ScaleHoursOfCommand(unsigned int id) {
    if (id >= cmd::kScale1 && id <= cmd::kScale10) {
        return static_cast<int>(id - cmd::kScale1) + 1;
    }
    if (id == cmd::kScale15) {
        return 15;
    }
    if (id == cmd::kScale20) {
        return 20;
    }
    return 0;
}

}  // namespace torvane
