// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// A rectangle as the window system gives it: right and bottom lie just outside.
struct PaletteRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    PaletteRect Deflated(int dx, int dy) const {
        return {left + dx, top + dy, right - dx, bottom - dy};
    }
    PaletteRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend bool operator==(const PaletteRect&, const PaletteRect&) = default;
};

}  // namespace torvane
