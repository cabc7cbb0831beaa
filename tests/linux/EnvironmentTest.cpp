// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/Environment.h"

#include <gtest/gtest.h>

#include <map>

namespace torvane::test {
namespace {

Environment From(const std::map<std::string, std::string>& vars) {
    return Environment::FromLookup(
        [&](const std::string& name) -> std::optional<std::string> {
            const auto it = vars.find(name);
            return it == vars.end() ? std::nullopt : std::optional<std::string>(it->second);
        },
        "/home/fallback");
}

TEST(Environment, DefaultsFollowTheHomeFolder) {
    const auto env = From({{"HOME", "/home/ann/"}});
    EXPECT_EQ(env.configHome, "/home/ann/.config");
    EXPECT_EQ(env.dataHome, "/home/ann/.local/share");
    EXPECT_EQ(env.registryPath, "/home/ann/.config/torvane/registry.reg");
    EXPECT_EQ(env.deviceRoot, "/home/ann/.local/share/torvane/device");
    EXPECT_EQ(env.autostartDir, "/home/ann/.config/autostart");
    EXPECT_EQ(env.stateDir, "/home/ann/.local/state/torvane");
    EXPECT_EQ(env.runtimeDir, env.stateDir);  // no runtime folder: the state folder
    EXPECT_EQ(env.powerSupplyDir, "/sys/class/power_supply");
    EXPECT_EQ(env.powerOffCommand, "systemctl poweroff");
    EXPECT_EQ(env.historyDir, "/var/lib/upower");
    EXPECT_EQ(env.timeScale, 1);
    EXPECT_EQ(env.activationToken, "");
    EXPECT_TRUE(env.warnings.empty());

    EXPECT_EQ(From({}).registryPath, "/home/fallback/.config/torvane/registry.reg");
    EXPECT_EQ(From({{"HOME", ""}}).deviceRoot, "/home/fallback/.local/share/torvane/device");
}

TEST(Environment, VariablesOverrideTheDefaults) {
    const auto env = From({{"HOME", "/h"},
                           {"XDG_CONFIG_HOME", "/cfg"},
                           {"XDG_DATA_HOME", "/data"},
                           {"XDG_STATE_HOME", "/state"},
                           {"XDG_RUNTIME_DIR", "/run/user/7"},
                           {"TORVANE_POWER_SUPPLY", "/tmp/ps"},
                           {"TORVANE_TIME_SCALE", "60"},
                           {"TORVANE_POWEROFF_COMMAND", "true"},
                           {"TORVANE_HISTORY_DIR", "/tmp/upower"},
                           {"XDG_ACTIVATION_TOKEN", "wl-7"},
                           {"DESKTOP_STARTUP_ID", "x11_TIME7"}});
    EXPECT_EQ(env.registryPath, "/cfg/torvane/registry.reg");
    EXPECT_EQ(env.deviceRoot, "/data/torvane/device");
    EXPECT_EQ(env.autostartDir, "/cfg/autostart");
    EXPECT_EQ(env.stateDir, "/state/torvane");
    EXPECT_EQ(env.runtimeDir, "/run/user/7/torvane");
    EXPECT_EQ(env.powerSupplyDir, "/tmp/ps");
    EXPECT_EQ(env.timeScale, 60);
    EXPECT_EQ(env.powerOffCommand, "true");
    EXPECT_EQ(env.historyDir, "/tmp/upower");
    EXPECT_EQ(env.activationToken, "wl-7");

    const auto own = From(
        {{"HOME", "/h"}, {"TORVANE_REGISTRY", "/x/reg.reg"}, {"TORVANE_DEVICE_ROOT", "/x/dev"}});
    EXPECT_EQ(own.registryPath, "/x/reg.reg");
    EXPECT_EQ(own.deviceRoot, "/x/dev");

    // Relative XDG folders are invalid; empty variables count as unset.
    const auto relative = From({{"HOME", "/h"},
                                {"XDG_CONFIG_HOME", "cfg"},
                                {"XDG_DATA_HOME", ""},
                                {"XDG_RUNTIME_DIR", "run"},
                                {"TORVANE_POWEROFF_COMMAND", ""},
                                {"XDG_ACTIVATION_TOKEN", ""},
                                {"DESKTOP_STARTUP_ID", "x11_TIME7"}});
    EXPECT_EQ(relative.configHome, "/h/.config");
    EXPECT_EQ(relative.dataHome, "/h/.local/share");
    EXPECT_EQ(relative.runtimeDir, "/h/.local/state/torvane");
    EXPECT_EQ(relative.powerOffCommand, "systemctl poweroff");
    EXPECT_EQ(relative.activationToken, "x11_TIME7");  // the X11 launcher's
}

TEST(Environment, AnUnusableTimeScaleIsReportedAndIgnored) {
    for (const char* bad : {"0", "-3", "fast", "2.5", "10x", "99999999999"}) {
        const auto env = From({{"HOME", "/h"}, {"TORVANE_TIME_SCALE", bad}});
        EXPECT_EQ(env.timeScale, 1) << bad;
        ASSERT_EQ(env.warnings.size(), 1u) << bad;
        EXPECT_NE(env.warnings[0].find(std::string("\"") + bad + "\""), std::string::npos);
    }
}

}  // namespace
}  // namespace torvane::test
