// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/DisplayCheck.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace torvane {
namespace {

struct Machine {
    std::map<std::string, std::string> env;
    std::set<int> xServers;
    bool wayland = false;

    DisplayChoice Choose() const {
        DisplayProbe probe;
        probe.variable = [this](const std::string& name) -> std::optional<std::string> {
            auto it = env.find(name);
            return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        probe.localXServer = [this](int n) { return xServers.count(n) != 0; };
        probe.waylandSupport = [this] { return wayland; };
        return ChooseDisplay(probe);
    }
};

TEST(DisplayCheck, NothingSetIsRefusedWithOneLine) {
    const auto choice = Machine{}.Choose();
    EXPECT_FALSE(choice.usable);
    EXPECT_NE(choice.error.find("no display"), std::string::npos);
    EXPECT_EQ(choice.error.find('\n'), std::string::npos);
    EXPECT_FALSE((Machine{{{"DISPLAY", ""}}, {}, false}.Choose().usable));
}

TEST(DisplayCheck, ChosenPlatformIsTrusted) {
    EXPECT_TRUE((Machine{{{"QT_QPA_PLATFORM", "offscreen"}}, {}, false}.Choose().usable));
}

TEST(DisplayCheck, LocalXDisplayMustAnswer) {
    EXPECT_TRUE((Machine{{{"DISPLAY", ":1"}}, {1}, false}.Choose().usable));
    EXPECT_TRUE((Machine{{{"DISPLAY", "unix:1.0"}}, {1}, false}.Choose().usable));
    const auto dead = Machine{{{"DISPLAY", ":7"}}, {1}, false}.Choose();
    EXPECT_FALSE(dead.usable);
    EXPECT_NE(dead.error.find(":7"), std::string::npos);
    // A display on another host is left to the connection itself.
    EXPECT_TRUE((Machine{{{"DISPLAY", "localhost:10.0"}}, {}, false}.Choose().usable));
}

TEST(DisplayCheck, WaylandOnlyWhenSupported) {
    const auto ok = Machine{{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true}.Choose();
    EXPECT_TRUE(ok.usable);
    EXPECT_EQ(ok.platform, "wayland");
    EXPECT_FALSE((Machine{{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, false}.Choose().usable));
    // A dead X display with a working Wayland one: Wayland.
    const Machine both{{{"DISPLAY", ":3"}, {"WAYLAND_DISPLAY", "w"}}, {}, true};
    EXPECT_EQ(both.Choose().platform, "wayland");
}

}  // namespace
}  // namespace torvane
