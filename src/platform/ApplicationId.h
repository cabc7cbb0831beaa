// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace torvane {

// The reverse-DNS name the desktop knows the program by: its desktop entry, its icon in the
// icon theme and its AppStream metadata are installed under this name.
inline constexpr std::string_view kApplicationId = TORVANE_APP_ID;

}  // namespace torvane
