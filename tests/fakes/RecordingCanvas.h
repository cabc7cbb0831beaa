// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graph/GraphCanvas.h"

namespace torvane::test {

// A drawing surface that keeps every operation in order, and the lines and texts they add up
// to, for checking the composition without a window system.
class RecordingCanvas : public GraphCanvas {
public:
    enum class Kind { Begin, Pen, Move, Line, Font, TextColour, Text, End };

    struct Op {
        Kind kind = Kind::Begin;
        GraphPen pen{};
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::string text;
        GraphRect rect{};
        std::uint32_t format = 0;
        COLORREF colour = 0;
    };

    struct Segment {
        std::int32_t x0, y0, x1, y1;
        GraphPen pen;
        bool operator==(const Segment&) const = default;
    };

    struct Text {
        std::string text;
        GraphRect rect;
        std::uint32_t format;
        COLORREF colour;
    };

    void BeginComposition(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                          std::int32_t copyWidth, std::int32_t copyHeight) override {
        Op& op = Push(Kind::Begin);
        op.rect = {bitmapWidth, bitmapHeight, copyWidth, copyHeight};
    }
    void SelectPen(const GraphPen& pen) override {
        Op& op = Push(Kind::Pen);
        op.pen = pen;
        m_pen = pen;
    }
    void MoveTo(std::int32_t x, std::int32_t y) override {
        Op& op = Push(Kind::Move);
        op.x = x;
        op.y = y;
        m_x = x;
        m_y = y;
    }
    void LineTo(std::int32_t x, std::int32_t y) override {
        Op& op = Push(Kind::Line);
        op.x = x;
        op.y = y;
        segments.push_back({m_x, m_y, x, y, m_pen});
        m_x = x;
        m_y = y;
    }
    void SelectFont(std::int32_t height, std::int32_t weight) override {
        Op& op = Push(Kind::Font);
        op.x = height;
        op.y = weight;
    }
    void SetTextColor(COLORREF colour) override {
        Op& op = Push(Kind::TextColour);
        op.colour = colour;
        m_textColour = colour;
    }
    void DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) override {
        Op& op = Push(Kind::Text);
        op.text = text;
        op.rect = rect;
        op.format = format;
        op.colour = m_textColour;
        texts.push_back({text, rect, format, m_textColour});
    }
    void EndComposition(std::int32_t copyWidth, std::int32_t copyHeight) override {
        Op& op = Push(Kind::End);
        op.rect = {0, 0, copyWidth, copyHeight};
    }

    // The lines drawn with pens of the given colour, in order.
    std::vector<Segment> SegmentsIn(COLORREF colour) const {
        std::vector<Segment> out;
        for (const auto& s : segments) {
            if (s.pen.colour == colour) {
                out.push_back(s);
            }
        }
        return out;
    }

    std::vector<Op> ops;
    std::vector<Segment> segments;
    std::vector<Text> texts;

private:
    Op& Push(Kind kind) {
        ops.emplace_back();
        ops.back().kind = kind;
        return ops.back();
    }

    GraphPen m_pen{};
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    COLORREF m_textColour = 0;
};

}  // namespace torvane::test
