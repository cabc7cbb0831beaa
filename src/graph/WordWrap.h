// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace torvane {

// Splits a text into the lines of a word-wrapped paragraph `maxWidth` wide: line breaks in the
// text end a line, spaces are the only break points, the spaces at a break are dropped, and a
// word wider than the whole width stands alone on its line (to be clipped, never split).
// `measure` gives the width of a piece of text in pixels.
std::vector<std::string> WrapWords(const std::string& text, std::int32_t maxWidth,
                                   const std::function<std::int32_t(const std::string&)>& measure);

}  // namespace torvane
