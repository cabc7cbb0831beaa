#include "platform/qt/QtGraphCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graph/PixelLine.h"
#include "graph/WordWrap.h"

namespace torvane {

namespace {

// Copies the top-left w x h pixels of one image into another, as far as both reach.
void CopyBlock(const QImage& from, QImage& to, std::int32_t w, std::int32_t h) {
    const int width = std::clamp(w, 0, std::min(from.width(), to.width()));
    const int height = std::clamp(h, 0, std::min(from.height(), to.height()));
    for (int y = 0; y < height; ++y) {
        std::memcpy(to.scanLine(y), from.constScanLine(y),
                    static_cast<std::size_t>(width) * sizeof(QRgb));
    }
}

QFont DefaultFont() {
    QFont font = QGuiApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

QtGraphCanvas::QtGraphCanvas(QImage& window)
    : m_window(window), m_target(&window), m_state(MakeState(DefaultFont())) {
    SetTarget(window);
}

void QtGraphCanvas::SetTarget(QImage& image) {
    // Taking the pixels detaches the image once, here; the text painter later opened on it
    // works on the same pixels, so lines and text can be drawn in any order.
    m_target = &image;
    m_surface = {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 static_cast<std::int32_t>(image.bytesPerLine() / 4)};
}

QtGraphCanvas::State QtGraphCanvas::MakeState(const QFont& font) {
    State state;
    state.font = font;
    state.raw = QRawFont::fromFont(font);
    const QFontMetrics metrics(font);
    state.ascent = metrics.ascent();
    state.lineHeight = metrics.height();
    return state;
}

QtGraphCanvas::ShapedLine QtGraphCanvas::Shape(const QString& text) const {
    // Labels and the status line are plain text: one glyph per character, placed on whole
    // pixels, is what an aliased 10-pixel font needs, and avoids a full text layout per label.
    ShapedLine line;
    const QList<quint32> glyphs = m_state.raw.glyphIndexesForString(text);
    const QList<QPointF> advances = m_state.raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    int x = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(x, 0));
        x += qRound(advance.x());
    }
    line.run.setRawFont(m_state.raw);
    line.run.setGlyphIndexes(glyphs);
    line.run.setPositions(positions);
    line.width = x;
    return line;
}

QtGraphCanvas::~QtGraphCanvas() {
    EndText();
}

QRgb QtGraphCanvas::ToRgb(COLORREF colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

void QtGraphCanvas::BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                     std::int32_t copyWidth, std::int32_t copyHeight) {
    EndText();
    const QSize size(std::clamp(bitmapWidth, 0, 4096), std::clamp(bitmapHeight, 0, 4096));
    if (m_bitmap.size() != size) {
        m_bitmap = QImage(size, QImage::Format_RGB32);
        m_bitmap.fill(Qt::white);
    }
    CopyBlock(m_window, m_bitmap, copyWidth, copyHeight);
    m_saved = m_state;
    SetTarget(m_bitmap);
}

void QtGraphCanvas::EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) {
    EndText();
    m_state = m_saved;
    if (m_target == &m_bitmap) {
        CopyBlock(m_bitmap, m_window, copyWidth, copyHeight);
    }
    SetTarget(m_window);
}

void QtGraphCanvas::SelectPen(const GraphPen& pen) {
    m_state.pen = pen;
    m_dashPhase = 0;
}

void QtGraphCanvas::MoveTo(std::int32_t x, std::int32_t y) {
    m_x = x;
    m_y = y;
    m_dashPhase = 0;
}

void QtGraphCanvas::LineTo(std::int32_t x, std::int32_t y) {
    // The painter, when open, only keeps a pointer to the same pixels: writing them directly
    // is safe and far cheaper than a painter's wide-line path.
    QImage& image = *m_target;
    const PixelSurface surface{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(),
                               image.height(), static_cast<std::int32_t>(image.bytesPerLine() / 4)};
    DrawPixelLine(surface, m_x, m_y, x, y, m_state.pen, ToRgb(m_state.pen.colour), m_dashPhase);
    m_x = x;
    m_y = y;
}

void QtGraphCanvas::SelectFont(std::int32_t height, std::int32_t weight) {
    EndText();
    QFont font = DefaultFont();
    // A negative height is the character height, as a pixel size is; a positive one is the
    // whole cell, taken the same way.
    const std::int64_t size = height < 0 ? -std::int64_t{height} : height;
    font.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(size, 1, 1000)));
    // Light faces (thin, extra-light) lose whole strokes when drawn 10 pixels high without
    // smoothing ("1" turns into "]", "t" into "l"), so a weight lighter than regular is drawn
    // in the regular face. Heavier weights are honoured.
    if (weight > QFont::Normal) {
        font.setWeight(static_cast<QFont::Weight>(std::min(weight, 900)));
    }
    font.setHintingPreference(QFont::PreferFullHinting);
    m_state = MakeState(font);
}

void QtGraphCanvas::SetTextColor(COLORREF colour) {
    m_textColour = QColor(ToRgb(colour));
}

QPainter& QtGraphCanvas::TextPainter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_target);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *m_painter;
}

void QtGraphCanvas::EndText() {
    m_painter.reset();
}

void QtGraphCanvas::DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) {
    // In 64 bits: a rectangle may span the whole 32-bit range. Nothing outside the surface
    // can show, so a rectangle that misses it draws nothing, and positions far off it are
    // held just outside.
    const std::int64_t left = rect.left;
    const std::int64_t top = rect.top;
    const std::int64_t right = rect.right;
    const std::int64_t bottom = rect.bottom;
    const QRect clip = QRect(QPoint(static_cast<int>(std::max<std::int64_t>(left, -1)),
                                    static_cast<int>(std::max<std::int64_t>(top, -1))),
                             QPoint(static_cast<int>(std::min<std::int64_t>(right, 1 << 16) - 1),
                                    static_cast<int>(std::min<std::int64_t>(bottom, 1 << 16) - 1)))
                           .intersected(m_target->rect());
    if (right <= left || bottom <= top || clip.isEmpty()) {
        return;
    }
    auto near = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -(1 << 16), 1 << 16));
    };

    QPainter& painter = TextPainter();
    const int lineHeight = m_state.lineHeight;
    std::vector<std::string> lines;
    if (!(format & kTextFlagSingleLine) && (format & kTextFlagWordBreak)) {
        const auto width = static_cast<std::int32_t>(std::min<std::int64_t>(right - left, 1 << 16));
        lines = WrapWords(text, width, [this](const std::string& piece) {
            return Shape(QString::fromStdString(piece)).width;
        });
    } else {
        lines.push_back(text);
    }

    std::int64_t y = top;
    if ((format & kTextFlagSingleLine) && (format & kTextFlagVCentre)) {
        y = top + (bottom - top - lineHeight) / 2;
    }
    painter.setClipRect(clip);
    painter.setPen(m_textColour);
    for (const auto& lineText : lines) {
        if (y >= bottom || y > clip.bottom()) {
            break;
        }
        const ShapedLine line = Shape(QString::fromStdString(lineText));
        const int x = near((format & kTextFlagRight) ? right - line.width : left);
        // The surface's background mode is opaque and white: each line's cell is filled.
        painter.fillRect(QRect(x, near(y), line.width, lineHeight), Qt::white);
        painter.drawGlyphRun(QPointF(x, near(y) + m_state.ascent), line.run);
        y += lineHeight;
    }
    painter.setClipping(false);
}

}  // namespace torvane
