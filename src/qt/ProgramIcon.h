// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace torvane {

// The program's icon for its window and its tray icon: the one the desktop's icon theme holds
// under the application id (where the installed program put it, so the window, the tray and
// the menu entry match), else the built-in artwork.
QIcon ProgramIcon();

}  // namespace torvane
