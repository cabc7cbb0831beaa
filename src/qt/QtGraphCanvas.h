// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <cstdint>
#include <string>

#include "graph/GraphCanvas.h"
#include "graph/PixelLine.h"
#include "qt/GraphFont.h"

namespace torvane {

// The graph's drawing surface on a window picture (a QImage): lines and text go straight into
// the pixels, pixel-exact and without smoothing, text in the graph's built-in font. A colour
// is taken as 0x00BBGGRR with its top byte ignored, so the automatic colour 0xFF000000 draws
// black. Needs a QGuiApplication.
//
// Coordinates are the picture's own pixels. A picture whose device pixel ratio is N (2 for a
// screen at 200 %; 1 to 4) holds N x N pixels for each of them: lines cover the same places,
// N times as many pixels wide, and text is broken into lines and placed as at ratio 1, each
// line drawn from the font at N times the size as that font lays it out.
class QtGraphCanvas : public GraphCanvas {
public:
    // `window` is the window's picture, a 32-bit RGB image; it and `font` must outlive the
    // canvas. A composition draws into a bitmap of its own; `bitmap`, when given, is kept by
    // the caller from one canvas to the next, so that a picture drawn again and again does not
    // make one each time.
    QtGraphCanvas(QImage& window, GraphFont& font, QImage* bitmap = nullptr);

    QtGraphCanvas(const QtGraphCanvas&) = delete;
    QtGraphCanvas& operator=(const QtGraphCanvas&) = delete;

    void BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                          std::int32_t copyWidth, std::int32_t copyHeight) override;
    void SelectPen(const GraphPen& pen) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    // The built-in font comes in one weight, regular, and every weight draws in it: the light
    // narrow faces at hand lose whole strokes at 10 pixels without smoothing (colons, the
    // stem of an "h", "1" turning into "]").
    void SelectFont(std::int32_t height, std::int32_t weight) override;
    void SetTextColor(COLORREF colour) override;
    void DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) override;
    void EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) override;

    static QRgb ToRgb(COLORREF colour);

    // An area of the window, in the picture's pixels, that the next composition erases to
    // white as it begins, before anything is drawn.
    void EraseAtBegin(const QRect& area) { m_erase = area; }
    // The window's pixels that the last composition changed, in the image's own pixels.
    const QRect& Changed() const { return m_changed; }

    // Character heights are held to this many pixels.
    static constexpr int kMaxFontPixels = 100;

private:
    struct State {
        GraphPen pen{};
        int fontPixels = 12;  // the surface's default font
    };

    void SetTarget(QImage& image);
    std::int32_t Scaled(std::int32_t v) const;  // picture pixels to image pixels

    QImage& m_window;
    const int m_scale;  // pixels of the image per picture pixel, each way
    GraphFont& m_font;
    QImage m_ownBitmap;
    QImage& m_bitmap;
    QImage* m_target;
    QRect m_erase;
    QRect m_changed;
    PixelSurface m_surface;  // m_target's pixels
    State m_state;
    State m_saved;  // the surface's state when the composition began
    QRgb m_textColour = qRgb(0, 0, 0);
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    std::int64_t m_dashPhase = 0;
};

}  // namespace torvane
