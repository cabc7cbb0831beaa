// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/WindowActivation.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace torvane {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    const ReplyPtr<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    return reply ? reply->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

void SendToRoot(xcb_connection_t* connection, xcb_window_t root, std::uint32_t mask,
                const xcb_client_message_event_t& event) {
    xcb_send_event(connection, 0, root, mask, reinterpret_cast<const char*>(&event));
}

// Ends the launch's busy feedback: the startup notification "remove" message, in the 20-byte
// pieces of a client message, the first of them marked as the beginning.
void EndLaunchFeedback(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root,
                       const std::string& startupId) {
    std::string message = "remove: ID=\"";
    for (const char c : startupId) {
        if (c == '"' || c == '\\') {
            message += '\\';
        }
        message += c;
    }
    message += '"';
    message += '\0';
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    constexpr std::size_t kPiece = 20;
    for (std::size_t at = 0; at < message.size(); at += kPiece) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = at == 0 ? begin : more;
        const std::size_t length = std::min(kPiece, message.size() - at);
        std::memcpy(event.data.data8, message.data() + at, length);
        SendToRoot(connection, root, XCB_EVENT_MASK_PROPERTY_CHANGE, event);
    }
}

// The window manager's activation request from an application, dated `time`.
void RequestActivation(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root,
                       std::uint32_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // the request comes from an application
    event.data.data32[1] = time;
    event.data.data32[2] = XCB_WINDOW_NONE;
    SendToRoot(connection, root,
               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT, event);
}

bool ActivateOnX11(QWindow& window, const std::string& startupId) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = RootOf(connection, id);
    if (root == XCB_WINDOW_NONE) {
        return false;
    }
    EndLaunchFeedback(connection, id, root, startupId);
    const unsigned int time = StartupIdTime(startupId);
    if (time != 0) {
        RequestActivation(connection, id, root, time);
    }
    xcb_flush(connection);
    return time != 0;
}

// Qt hands a token in its environment to the compositor when the window asks to be activated,
// and takes it out of the environment once it has: only when the compositor offers
// xdg-activation.
bool ActivateOnWayland(QWindow& window, const std::string& token) {
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    window.requestActivate();
    const bool handed = !qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    return handed;
}

}  // namespace

void ForgetIconicStart(QWindow& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || window.handle() == nullptr) {
        return;
    }
    // WM_HINTS: flags, input, initial state, and six more words the window manager reads.
    constexpr std::uint32_t kHintWords = 9;
    constexpr std::uint32_t kStateHint = 1U << 1U;
    constexpr std::uint32_t kNormalState = 1;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS,
                                                XCB_ATOM_WM_HINTS, 0, kHintWords),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return;
    }
    std::array<std::uint32_t, kHintWords> hints{};
    const auto words = std::min<std::size_t>(
        static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4, kHintWords);
    std::memcpy(hints.data(), xcb_get_property_value(reply.get()), words * 4);
    if (words < 3 || (hints[0] & kStateHint) == 0 || hints[2] == kNormalState) {
        return;
    }
    hints[2] = kNormalState;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
                        32, static_cast<std::uint32_t>(words), hints.data());
    xcb_flush(connection);
}

unsigned int StartupIdTime(const std::string& startupId) {
    const std::size_t at = startupId.rfind("_TIME");
    if (at == std::string::npos) {
        return 0;
    }
    const char* first = startupId.data() + at + 5;
    const char* last = startupId.data() + startupId.size();
    unsigned int time = 0;
    const auto [end, ec] = std::from_chars(first, last, time);
    return ec == std::errc() && end == last ? time : 0;
}

bool ActivateWindow(QWindow& window, const std::string& activationToken) {
    if (!activationToken.empty()) {
        const QString platform = QGuiApplication::platformName();
        if (platform.startsWith(QLatin1String("wayland"))) {
            return ActivateOnWayland(window, activationToken);
        }
        if (platform == QLatin1String("xcb") && ActivateOnX11(window, activationToken)) {
            return true;
        }
    }
    window.requestActivate();
    return false;
}

}  // namespace torvane
