// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class QWindow;

namespace torvane {

// Asks the desktop to bring a shown top-level window to the front, with the activation token
// that a launcher gave a later start of the program (empty: none). Desktops keep a window from
// taking the focus on its own; the token shows that the user asked for it.
// - Wayland: the xdg-activation protocol, through Qt, which hands the token in its environment
//   to the compositor at activation, and only when the compositor offers the protocol.
// - X11: the window manager's activation request, dated with the time of the user's launch
//   that the startup id carries; and the launch's busy feedback is ended, as the later start
//   shows no window of its own.
// True when the desktop was asked with the token; without one, or where the desktop takes
// none, the window is still asked to come forward as Qt does it, and false is returned.
bool ActivateWindow(QWindow& window, const std::string& activationToken);

// Makes a hidden window come back shown, not minimised, when it is shown again. On X11 Qt marks
// a window that the program minimises to start out iconic, and takes the mark away only when
// the program itself restores it: after the window manager (a task bar, a switcher) has
// restored it, the window hidden to the notification icon would come back minimised.
void ForgetIconicStart(QWindow& window);

// The time of the user's launch in an X11 startup id ("..._TIME<number>"); 0 when it carries
// none.
unsigned int StartupIdTime(const std::string& startupId);

}  // namespace torvane
