// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace torvane {

enum class PenStyle : std::int32_t {
    Solid = 0,  // PS_SOLID
    Dash = 1,   // PS_DASH
};

struct GraphPen {
    PenStyle style = PenStyle::Solid;
    std::int32_t width = 1;
    COLORREF colour = 0;

    bool operator==(const GraphPen&) const = default;
};

// A text rectangle: left and top inclusive, right and bottom exclusive.
struct GraphRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const GraphRect&) const = default;
};

// Text format flags, with the window system's values.
constexpr std::uint32_t kTextFlagRight = 0x02;       // right-aligned (else left)
constexpr std::uint32_t kTextFlagVCentre = 0x04;     // vertically centred, single line only
constexpr std::uint32_t kTextFlagWordBreak = 0x10;   // wrap at word boundaries
constexpr std::uint32_t kTextFlagSingleLine = 0x20;  // one line, no wrapping

// The three formats the graph uses.
constexpr std::uint32_t kTextRightTop = kTextFlagSingleLine | kTextFlagRight;       // percents
constexpr std::uint32_t kTextLeftCentred = kTextFlagSingleLine | kTextFlagVCentre;  // times
constexpr std::uint32_t kTextWrapped = kTextFlagWordBreak;                          // status

constexpr std::int32_t FW_THIN = 100;

// The drawing surface the graph is composed on, with the meaning of a window's drawing
// context. Lines use the current pen; a line's end point is not painted by a one-pixel pen.
// Text is clipped to its rectangle and drawn over the surface's default opaque white
// background.
class GraphCanvas {
public:
    virtual ~GraphCanvas() = default;

    // Starts drawing on an off-screen bitmap of the given size that holds a copy of the
    // window's top-left copyWidth x copyHeight pixels; every later operation draws there.
    virtual void BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                  std::int32_t copyWidth, std::int32_t copyHeight) = 0;
    virtual void SelectPen(const GraphPen& pen) = 0;
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    // The label font with the given character height and weight.
    virtual void SelectFont(std::int32_t height, std::int32_t weight) = 0;
    virtual void SetTextColor(COLORREF colour) = 0;
    virtual void DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) = 0;
    // Selects the surface's previous pen and font again and copies the bitmap's top-left
    // copyWidth x copyHeight pixels to the window in one block.
    virtual void EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) = 0;
};

}  // namespace torvane
