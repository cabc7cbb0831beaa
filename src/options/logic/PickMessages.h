// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// Notifications of the colour picker and its palette. The palette sends CHANGE, ACCEPT and
// CANCEL to its picker; the picker sends all five to its owner with its control identifier.
inline constexpr unsigned MSG_PICK_CHANGE = 2025;  // the highlight moved to another box
inline constexpr unsigned MSG_PICK_OPEN = 2026;    // the palette has just opened
inline constexpr unsigned MSG_PICK_CLOSE = 2027;   // the palette ended, before ACCEPT or CANCEL
inline constexpr unsigned MSG_PICK_ACCEPT = 2028;  // the user accepted a colour
inline constexpr unsigned MSG_PICK_CANCEL = 2029;  // the user cancelled; the colour is restored

// The keys the palette answers to, by their virtual key codes.
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;

}  // namespace torvane
