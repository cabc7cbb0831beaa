// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// Where the program keeps and finds things, from the process environment: the TORVANE_*
// variables and the XDG base folders, with their defaults. Made once at start-up and passed
// to whatever needs it.
class Environment {
public:
    using Lookup = std::function<std::optional<std::string>(const std::string& name)>;

    // `lookup` answers a variable's value (nothing when unset); `home` is the user's home
    // folder, used when HOME is unset or empty.
    static Environment FromLookup(const Lookup& lookup, const std::string& home);
    // From this process's environment.
    static Environment FromProcess();

    std::string configHome;       // $XDG_CONFIG_HOME, default ~/.config
    std::string dataHome;         // $XDG_DATA_HOME, default ~/.local/share
    std::string registryPath;     // $TORVANE_REGISTRY, default <config>/torvane/registry.reg
    std::string deviceRoot;       // $TORVANE_DEVICE_ROOT, default <data>/torvane/device
    std::string powerSupplyDir;   // $TORVANE_POWER_SUPPLY, default /sys/class/power_supply
    int timeScale = 1;            // $TORVANE_TIME_SCALE, a whole number >= 1
    std::string powerOffCommand;  // $TORVANE_POWEROFF_COMMAND, default systemctl poweroff
    std::string historyDir;       // $TORVANE_HISTORY_DIR, default /var/lib/upower
    std::string autostartDir;     // <config>/autostart
    std::string stateHome;        // $XDG_STATE_HOME, default ~/.local/state
    std::string stateDir;         // <state>/torvane
    std::string runtimeDir;       // $XDG_RUNTIME_DIR/torvane, or the state folder without one
    // What the launcher gave this start to bring a window to the front with:
    // $XDG_ACTIVATION_TOKEN (Wayland), else $DESKTOP_STARTUP_ID (X11); empty without one.
    std::string activationToken;

    // Values that were set but could not be used, one sentence each, for the user.
    std::vector<std::string> warnings;
};

}  // namespace torvane
