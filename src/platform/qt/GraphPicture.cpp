#include "platform/qt/GraphPicture.h"

#include "graph/DrawGraph.h"
#include "graph/GraphGeometry.h"
#include "platform/qt/QtGraphCanvas.h"

namespace torvane {

GraphPicture::GraphPicture() : m_image(kWindowWidth, kWindowHeight, QImage::Format_RGB32) {
    m_image.fill(kBackground);
}

void GraphPicture::PaintErased(const GraphInput& input) {
    m_image.fill(kBackground);
    DrawOver(input);
}

void GraphPicture::DrawOver(const GraphInput& input) {
    QtGraphCanvas canvas(m_image);
    DrawGraph(canvas, input);
}

}  // namespace torvane
