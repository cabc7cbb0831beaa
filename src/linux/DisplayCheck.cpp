// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/DisplayCheck.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cstring>

namespace torvane {

namespace {

bool IsSet(const DisplayProbe& probe, const std::string& name) {
    const auto value = probe.variable(name);
    return value && !value->empty();
}

// The display number of a local X display name (":0", ":1.0", "unix:2"); nothing for a
// display on another host, which only the connection itself can check.
std::optional<int> LocalDisplayNumber(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") {
        return std::nullopt;
    }
    int number = 0;
    std::size_t i = colon + 1;
    if (i >= display.size() || !std::isdigit(static_cast<unsigned char>(display[i]))) {
        return std::nullopt;
    }
    for (; i < display.size() && std::isdigit(static_cast<unsigned char>(display[i])); ++i) {
        number = number * 10 + (display[i] - '0');
        if (number > 65535) {
            return std::nullopt;
        }
    }
    return number;
}

bool ConnectUnix(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               path.size() + (abstract ? 0 : 1));
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

DisplayChoice ChooseDisplay(const DisplayProbe& probe) {
    DisplayChoice choice;
    if (IsSet(probe, "QT_QPA_PLATFORM")) {
        choice.usable = true;  // chosen by the user; the toolkit reports its own problems
        return choice;
    }
    std::string xProblem;
    if (IsSet(probe, "DISPLAY")) {
        const std::string display = *probe.variable("DISPLAY");
        const auto number = LocalDisplayNumber(display);
        if (!number || probe.localXServer(*number)) {
            choice.usable = true;
            return choice;
        }
        xProblem = "no X server answers on display " + display;
    }
    if (IsSet(probe, "WAYLAND_DISPLAY")) {
        if (probe.waylandSupport()) {
            choice.usable = true;
            choice.platform = "wayland";
            return choice;
        }
        if (xProblem.empty()) {
            choice.error =
                "cannot show the window: only a Wayland display is set and Qt's Wayland support "
                "(qt6-wayland) is not installed; set DISPLAY, or QT_QPA_PLATFORM=offscreen to run "
                "without a window";
            return choice;
        }
    }
    if (!xProblem.empty()) {
        choice.error = "cannot show the window: " + xProblem +
                       "; set DISPLAY to a running one, or QT_QPA_PLATFORM=offscreen to run "
                       "without a window";
        return choice;
    }
    choice.error =
        "cannot show the window: no display (DISPLAY and WAYLAND_DISPLAY are not set); run it on "
        "a desktop, or set QT_QPA_PLATFORM=offscreen to run without a window";
    return choice;
}

bool LocalXServerListens(int displayNumber) {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(displayNumber);
    return ConnectUnix(path, true) || ConnectUnix(path, false);
}

}  // namespace torvane
