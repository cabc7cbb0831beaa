#pragma once

#include <QImage>

#include "graph/GraphInput.h"

namespace torvane {

// What the main window shows under its controls: a 240 x 320 picture that the graph is drawn
// into. The window blits it whenever it paints; it never draws the graph itself.
//
// - PaintErased is the paint path (OnPaint): every paint request erases the window first, so
//   the picture starts from the window's background. Run the start-up minimise check before
//   it.
// - DrawOver is the immediate path (RedrawGraphNow): the new picture is drawn over what the
//   window shows, so the old lines stay and the new status text covers the old one. The
//   window then only blits the picture, without erasing.
class GraphPicture {
public:
    static constexpr QRgb kBackground = 0xFFFFFFFF;  // the window's white background

    GraphPicture();

    void PaintErased(const GraphInput& input);
    void DrawOver(const GraphInput& input);

    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

}  // namespace torvane
