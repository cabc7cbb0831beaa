// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// Control identifiers of the Options pages, as their templates number them. Identifiers are
// unique within a page only: 1041 is the save folder on the Sessions page and "Draw" on the
// View page.
inline constexpr int IDC_STATIC = -1;

// On every page.
inline constexpr int IDC_APPLY = 1031;
inline constexpr int IDC_CLOSE = 1032;

// General page.
inline constexpr int IDC_AUTO_POWER_OFF = 1013;
inline constexpr int IDC_MINIMIZE_ON_START = 1014;
inline constexpr int IDC_IGNORE_POWER_OFF = 1044;
inline constexpr int IDC_POWER_OFF_AT = 1045;
inline constexpr int IDC_AUTO_START = 1046;
inline constexpr int IDC_POWER_OFF_SPIN = 1048;

// Sessions page.
inline constexpr int IDC_SAVE_PATH = 1041;
inline constexpr int IDC_AUTO_START_SESSIONS = 1049;
inline constexpr int IDC_AUTO_SAVE_SESSIONS = 1050;

// View page.
inline constexpr int IDC_SHOW_REF1 = 1033;
inline constexpr int IDC_SHOW_REF2 = 1034;
inline constexpr int IDC_SHOW_REF3 = 1035;
inline constexpr int IDC_SCALE_HOURS = 1036;
inline constexpr int IDC_SHOW_VGRID = 1037;
inline constexpr int IDC_SCALE_HOURS_SPIN = 1038;
inline constexpr int IDC_SHOW_HGRID = 1039;
inline constexpr int IDC_SHOW_DETAILED_GRID = 1040;
inline constexpr int IDC_DRAW_ESTIMATIONS = 1041;

// Colors page.
inline constexpr int IDC_COLOR_GRID1 = 1015;
inline constexpr int IDC_COLOR_GRID2 = 1018;
inline constexpr int IDC_COLOR_GRID3 = 1019;
inline constexpr int IDC_COLOR_SESS = 1020;
inline constexpr int IDC_COLOR_REF1 = 1021;
inline constexpr int IDC_COLOR_REF2 = 1022;
inline constexpr int IDC_COLOR_REF3 = 1023;
inline constexpr int IDC_COLOR_STATUS = 1024;

}  // namespace torvane
