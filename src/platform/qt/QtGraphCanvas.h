#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <cstdint>
#include <memory>
#include <string>

#include "graph/GraphCanvas.h"
#include "graph/PixelLine.h"

namespace torvane {

// The graph's drawing surface on a window picture (a QImage): lines go straight into the
// pixels, pixel-exact and without antialiasing; text is drawn with QPainter in an aliased
// font. A colour is taken as 0x00BBGGRR with its top byte ignored, so the automatic colour
// 0xFF000000 draws black. Needs a QGuiApplication for fonts.
class QtGraphCanvas : public GraphCanvas {
public:
    // `window` is the window's picture; it must outlive the canvas and be a 32-bit RGB image.
    explicit QtGraphCanvas(QImage& window);
    ~QtGraphCanvas() override;

    QtGraphCanvas(const QtGraphCanvas&) = delete;
    QtGraphCanvas& operator=(const QtGraphCanvas&) = delete;

    void BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                          std::int32_t copyWidth, std::int32_t copyHeight) override;
    void SelectPen(const GraphPen& pen) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void SelectFont(std::int32_t height, std::int32_t weight) override;
    void SetTextColor(COLORREF colour) override;
    void DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) override;
    void EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) override;

    static QRgb ToRgb(COLORREF colour);

private:
    struct State {
        GraphPen pen{};
        QFont font;
        QRawFont raw;  // the font's glyphs, for laying out text without shaping
        int ascent = 0;
        int lineHeight = 0;
    };

    // One line of text as glyphs placed on whole pixels from x = 0.
    struct ShapedLine {
        QGlyphRun run;
        int width = 0;
    };

    static State MakeState(const QFont& font);
    ShapedLine Shape(const QString& text) const;

    QPainter& TextPainter();
    void EndText();
    void SetTarget(QImage& image);

    QImage& m_window;
    QImage m_bitmap;
    QImage* m_target;
    PixelSurface m_surface;               // m_target's pixels, for the lines
    std::unique_ptr<QPainter> m_painter;  // open on m_target while texts are drawn
    State m_state;
    State m_saved;  // the surface's state when the composition began
    QColor m_textColour{Qt::black};
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    std::int64_t m_dashPhase = 0;
};

}  // namespace torvane
