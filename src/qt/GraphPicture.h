// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "graph/GraphInput.h"
#include "graph/IGraphPicture.h"
#include "qt/GraphFont.h"

namespace torvane {

// What the main window shows under its controls: a 240 x 320 picture that the graph is drawn
// into. The window blits it whenever it paints; it never draws the graph itself. On a screen
// at 200 % (scale 2; 1 to 4) the picture holds 2 x 2 pixels for each of the window's, and the
// graph is drawn at that resolution.
//
// - PaintErased is the paint path (CDlgMain::OnPaint, which also runs the start-up minimise
//   check): every paint request erases the window first, so the picture starts from the
//   window's white background.
// - DrawOver is the immediate path (CDlgMain::RedrawGraphNow): the new picture is drawn over
//   what the window shows, so the old lines stay; only the status text's rectangle is
//   cleared to the background first, so no piece of an old status text that wrapped
//   differently is left standing beside the new one.
//
// The window's paint event calls dlg.OnPaint(picture) and blits Image(); its RedrawNow calls
// dlg.RedrawGraphNow(picture) and then repaints with a blit only, not another OnPaint.
class GraphPicture : public IGraphPicture {
public:
    static constexpr QRgb kBackground = 0xFFFFFFFF;  // the window's white background

    explicit GraphPicture(int scale = 1);

    int Scale() const { return m_scale; }
    // Starts a blank picture at another scale.
    void SetScale(int scale);

    void PaintErased(const GraphInput& input) override;
    void DrawOver(const GraphInput& input) override;

    const QImage& Image() const { return m_image; }
    // The part of the picture, in the window's pixels, that the last drawing changed: all of
    // it after PaintErased, only what now differs after DrawOver (nothing, when it drew the
    // same picture again).
    QRect LastChange() const;

private:
    int m_scale = 1;
    QImage m_image;
    GraphFont m_font;
    QImage m_bitmap;  // the compositions' bitmap, kept from one to the next
    QRect m_changed;  // in the image's pixels
};

}  // namespace torvane
