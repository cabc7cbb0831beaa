// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace torvane {

// Whether the window can be shown at all, decided before the toolkit starts (which would abort
// the program without a display).
struct DisplayChoice {
    bool usable = false;
    std::string platform;  // the toolkit platform to ask for; empty: its own choice
    std::string error;     // one line for the user when not usable
};

struct DisplayProbe {
    std::function<std::optional<std::string>(const std::string& name)> variable;
    // True when an X server answers on local display number n.
    std::function<bool(int displayNumber)> localXServer;
    // True when the toolkit can talk to Wayland compositors.
    std::function<bool()> waylandSupport;
};

DisplayChoice ChooseDisplay(const DisplayProbe& probe);

// Connects to the X server's local socket for display n (abstract or in /tmp/.X11-unix).
bool LocalXServerListens(int displayNumber);

}  // namespace torvane
