// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace torvane {

// The settings file's and the log file's integer types, so the arithmetic and the stored
// sizes stay 32-bit on every Linux architecture.
using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR; 0xFF000000 is the automatic colour

constexpr COLORREF kAutomaticColour = 0xFF000000u;

}  // namespace torvane
