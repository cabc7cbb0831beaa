// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtGraphCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// Copies the top-left w x h pixels of one image into another, as far as both reach, and
// returns the part of the target that changed.
QRect CopyChanges(const QImage& from, QImage& to, std::int32_t w, std::int32_t h) {
    const int width = std::clamp(w, 0, std::min(from.width(), to.width()));
    const int height = std::clamp(h, 0, std::min(from.height(), to.height()));
    const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    QRect changed;
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(to.scanLine(y));
        if (std::memcmp(source, target, bytes) == 0) {
            continue;
        }
        int first = 0;
        while (source[first] == target[first]) {
            ++first;
        }
        int last = width - 1;
        while (source[last] == target[last]) {
            --last;
        }
        changed |= QRect(first, y, last - first + 1, 1);
        std::memcpy(target, source, bytes);
    }
    return changed;
}

// Fills the part of a rectangle that lies inside `clip`.
void Fill(const PixelSurface& surface, const QRect& rect, const QRect& clip, std::uint32_t pixel) {
    const QRect area =
        rect.intersected(clip).intersected(QRect(0, 0, surface.width, surface.height));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::uint32_t* row = surface.pixels + static_cast<std::ptrdiff_t>(y) * surface.stride;
        std::fill(row + area.left(), row + area.right() + 1, pixel);
    }
}

}  // namespace

std::int32_t QtGraphCanvas::Scaled(std::int32_t v) const {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{v} * m_scale, 0, 1 << 16));
}

QtGraphCanvas::QtGraphCanvas(QImage& window, GraphFont& font, QImage* bitmap)
    : m_window(window),
      m_scale(std::clamp(qRound(window.devicePixelRatio()), 1, 4)),
      m_font(font),
      m_bitmap(bitmap != nullptr ? *bitmap : m_ownBitmap),
      m_target(&window) {
    SetTarget(window);
}

void QtGraphCanvas::SetTarget(QImage& image) {
    // Taking the pixels detaches the image once, here; every later write goes to them.
    m_target = &image;
    m_surface = {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 static_cast<std::int32_t>(image.bytesPerLine() / 4)};
}

QRgb QtGraphCanvas::ToRgb(COLORREF colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

void QtGraphCanvas::BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                     std::int32_t copyWidth, std::int32_t copyHeight) {
    const QSize size(std::clamp(bitmapWidth, 0, 4096 / m_scale) * m_scale,
                     std::clamp(bitmapHeight, 0, 4096 / m_scale) * m_scale);
    if (m_bitmap.size() != size) {
        m_bitmap = QImage(size, QImage::Format_RGB32);
        m_bitmap.fill(Qt::white);
    }
    CopyBlock(m_window, m_bitmap, Scaled(copyWidth), Scaled(copyHeight));
    m_saved = m_state;
    SetTarget(m_bitmap);
    if (!m_erase.isEmpty()) {
        const int n = m_scale;
        const QRect area(n * m_erase.left(), n * m_erase.top(), n * m_erase.width(),
                         n * m_erase.height());
        Fill(m_surface, area, m_window.rect(), 0xFFFFFFFF);
        m_erase = QRect();
    }
}

void QtGraphCanvas::EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) {
    m_state = m_saved;
    m_changed = QRect();
    if (m_target == &m_bitmap) {
        m_changed = CopyChanges(m_bitmap, m_window, Scaled(copyWidth), Scaled(copyHeight));
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
    DrawPixelLine(m_surface, m_x, m_y, x, y, m_state.pen, ToRgb(m_state.pen.colour), m_dashPhase,
                  m_scale);
    m_x = x;
    m_y = y;
}

void QtGraphCanvas::SelectFont(std::int32_t height, std::int32_t) {
    // A negative height is the character height, as a pixel size is; a positive one is the
    // whole cell, taken the same way.
    const std::int64_t size = height < 0 ? -std::int64_t{height} : height;
    m_state.fontPixels = static_cast<int>(std::clamp<std::int64_t>(size, 1, kMaxFontPixels));
}

void QtGraphCanvas::SetTextColor(COLORREF colour) {
    m_textColour = ToRgb(colour);
}

void QtGraphCanvas::DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) {
    // In 64 bits: a rectangle may span the whole 32-bit range. Nothing outside the surface
    // can show, so a rectangle that misses it draws nothing, and positions far off it are
    // held just outside.
    const std::int64_t left = rect.left;
    const std::int64_t top = rect.top;
    const std::int64_t right = rect.right;
    const std::int64_t bottom = rect.bottom;
    auto near = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -(1 << 16), 1 << 16));
    };
    const int n = m_scale;
    const QRect clip = QRect(QPoint(n * near(left), n * near(top)),
                             QPoint(n * near(right) - 1, n * near(bottom) - 1))
                           .intersected(QRect(0, 0, m_surface.width, m_surface.height));
    if (right <= left || bottom <= top || clip.isEmpty()) {
        return;
    }

    // Laid out in the picture's pixels at the font's own size, drawn at the image's.
    GraphGlyphs& layout = m_font.AtPixelSize(m_state.fontPixels);
    GraphGlyphs& glyphs = n == 1 ? layout : m_font.AtPixelSize(n * m_state.fontPixels);
    const int lineHeight = layout.LineHeight();
    std::vector<std::string> lines;
    if (!(format & kTextFlagSingleLine) && (format & kTextFlagWordBreak)) {
        const auto width = static_cast<std::int32_t>(std::min<std::int64_t>(right - left, 1 << 16));
        lines = WrapWords(text, width, [&layout](const std::string& piece) {
            return layout.Width(QString::fromStdString(piece));
        });
    } else {
        lines.push_back(text);
    }

    std::int64_t y = top;
    if ((format & kTextFlagSingleLine) && (format & kTextFlagVCentre)) {
        y = top + (bottom - top - lineHeight) / 2;
    }
    for (const auto& lineText : lines) {
        if (y >= bottom || n * near(y) > clip.bottom()) {
            break;
        }
        const QString line = QString::fromStdString(lineText);
        const GraphGlyphs::Run run = layout.Lay(line);
        const int x = near((format & kTextFlagRight) ? right - run.width : left);
        // At a larger scale the glyphs stand where the larger font's own advances put them, not
        // at the line's advances made larger, whose rounding would show as uneven gaps. The
        // line keeps its place: a right-aligned one still ends at its rectangle's right edge.
        const GraphGlyphs::Run drawn = n == 1 ? run : glyphs.Lay(line);
        const bool alignRight = (format & kTextFlagRight) != 0;
        const int cellWidth = std::max(n * run.width, drawn.width);
        const int cellLeft = alignRight ? n * (x + run.width) - cellWidth : n * x;
        const int pen = alignRight ? n * (x + run.width) - drawn.width : n * x;
        // The surface's background mode is opaque and white: each line's cell is filled.
        Fill(m_surface, QRect(cellLeft, n * near(y), cellWidth, n * lineHeight), clip, 0xFFFFFFFF);
        const int baseline = n * (near(y) + layout.Ascent());
        for (qsizetype i = 0; i < drawn.glyphs.size(); ++i) {
            glyphs.Paint(m_surface, drawn.glyphs[i], pen + drawn.x[static_cast<std::size_t>(i)],
                         baseline, clip, m_textColour);
        }
        y += lineHeight;
    }
}

}  // namespace torvane
