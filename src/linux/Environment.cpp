// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/Environment.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>

namespace torvane {

namespace {

constexpr int kMaxTimeScale = 1000000;

}  // namespace

Environment Environment::FromLookup(const Lookup& lookup, const std::string& home) {
    // An empty variable counts as unset, as the XDG base folders are specified.
    const auto get = [&](const std::string& name) -> std::string {
        return lookup(name).value_or(std::string());
    };
    Environment env;
    std::string homeDir = get("HOME");
    if (homeDir.empty()) {
        homeDir = home;
    }
    while (homeDir.size() > 1 && homeDir.back() == '/') {
        homeDir.pop_back();
    }
    // Relative XDG folders are invalid and are ignored.
    const auto xdg = [&](const std::string& name, const std::string& fallback) {
        const std::string value = get(name);
        return (!value.empty() && value.front() == '/') ? value : homeDir + fallback;
    };
    env.configHome = xdg("XDG_CONFIG_HOME", "/.config");
    env.dataHome = xdg("XDG_DATA_HOME", "/.local/share");
    env.autostartDir = env.configHome + "/autostart";
    env.stateHome = xdg("XDG_STATE_HOME", "/.local/state");
    env.stateDir = env.stateHome + "/torvane";
    const std::string runtime = get("XDG_RUNTIME_DIR");
    env.runtimeDir =
        !runtime.empty() && runtime.front() == '/' ? runtime + "/torvane" : env.stateDir;

    const auto orDefault = [&](const std::string& name, const std::string& fallback) {
        const std::string value = get(name);
        return value.empty() ? fallback : value;
    };
    env.registryPath = orDefault("TORVANE_REGISTRY", env.configHome + "/torvane/registry.reg");
    env.deviceRoot = orDefault("TORVANE_DEVICE_ROOT", env.dataHome + "/torvane/device");
    env.powerSupplyDir = orDefault("TORVANE_POWER_SUPPLY", "/sys/class/power_supply");
    env.powerOffCommand = orDefault("TORVANE_POWEROFF_COMMAND", "systemctl poweroff");
    env.historyDir = orDefault("TORVANE_HISTORY_DIR", "/var/lib/upower");
    env.activationToken = orDefault("XDG_ACTIVATION_TOKEN", get("DESKTOP_STARTUP_ID"));

    const std::string scale = get("TORVANE_TIME_SCALE");
    if (!scale.empty()) {
        int value = 0;
        const auto [end, ec] = std::from_chars(scale.data(), scale.data() + scale.size(), value);
        if (ec == std::errc() && end == scale.data() + scale.size() && value >= 1 &&
            value <= kMaxTimeScale) {
            env.timeScale = value;
        } else {
            env.warnings.push_back("TORVANE_TIME_SCALE must be a whole number from 1 to " +
                                   std::to_string(kMaxTimeScale) + "; \"" + scale +
                                   "\" is ignored and timers run in real time.");
        }
    }
    return env;
}

Environment Environment::FromProcess() {
    std::string home = "/";
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        home = pw->pw_dir;
    }
    return FromLookup(
        [](const std::string& name) -> std::optional<std::string> {
            const char* value = std::getenv(name.c_str());
            return value == nullptr ? std::nullopt : std::optional<std::string>(value);
        },
        home);
}

}  // namespace torvane
