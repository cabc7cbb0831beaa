// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>

#include <algorithm>
#include <climits>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/LogOf.h"
#include "graph/DrawGraph.h"
#include "qt/GraphPicture.h"
#include "qt/QtGraphCanvas.h"

namespace torvane::test {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QRgb Rgb(COLORREF c) {
    return QtGraphCanvas::ToRgb(c);
}

// The first-run picture: first-run colours, every switch on, 7 hours.
GraphInput FirstRun() {
    GraphInput in;
    in.log = LogOf({{0, 100}, {60, 90}, {120, 80}});
    in.status = "Running, Battery: 80%, Run time: 2:00h";
    return in;
}

// A white window picture, `scale` pixels each way for each of the window's.
QImage Blank(int scale = 1) {
    QImage image(240 * scale, 320 * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kWhite);
    return image;
}

// Columns of the image that hold a pixel of the given colour inside a rectangle.
int InkWidth(const QImage& image, QRgb colour, const QRect& area) {
    int left = INT_MAX;
    int right = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < left ? 0 : right - left + 1;
}

TEST(QtGraphPicture, FrameShadowGridAndCurvePixels) {
    GraphPicture picture;
    picture.PaintErased(FirstRun());
    const QImage& img = picture.Image();
    ASSERT_EQ(img.size(), QSize(240, 320));

    for (auto [x, y] : {std::pair{30, 37}, {235, 37}, {235, 228}, {30, 228}, {130, 37}}) {
        EXPECT_EQ(img.pixel(x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(img.pixel(236, 38), Rgb(0x7F7F7F));
    EXPECT_EQ(img.pixel(236, 229), Rgb(0x7F7F7F));
    EXPECT_EQ(img.pixel(32, 229), Rgb(0x7F7F7F));
    EXPECT_EQ(img.pixel(31, 229), kWhite);
    EXPECT_EQ(img.pixel(237, 100), kWhite);

    // A solid grid row and a dashed detail row in the first-run grid colour (blue 127).
    EXPECT_EQ(img.pixel(200, 95), Rgb(0x7F0000));
    std::set<QRgb> detail;
    for (int x = 31; x < 235; ++x) {
        detail.insert(img.pixel(x, 218));
    }
    EXPECT_EQ(detail, (std::set<QRgb>{Rgb(0x7F0000), kWhite}));

    // The session curve over the grid, two pixels thick, at its second sample (60, 57).
    EXPECT_EQ(img.pixel(60, 57), Rgb(0x0000FF));
    EXPECT_EQ(img.pixel(61, 58), Rgb(0x0000FF));
    // Its dashed estimation line runs from (89, 76) on to (237, 172), two pixels right of the
    // frame; the end point itself stays unpainted.
    EXPECT_GT(InkWidth(img, Rgb(0x0000FF), QRect(200, 145, 40, 30)), 25);
    EXPECT_EQ(img.pixel(237, 172), kWhite);
}

TEST(QtGraphPicture, NoSmoothingAnywhere) {
    GraphPicture picture;
    picture.PaintErased(FirstRun());
    const std::set<QRgb> allowed{kWhite,        kBlack,        Rgb(0x7F7F7F),
                                 Rgb(0x7F0000), Rgb(0x0000FF), Rgb(0x00009C)};
    const QImage& img = picture.Image();
    std::set<QRgb> seen;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            seen.insert(img.pixel(x, y));
        }
    }
    EXPECT_EQ(seen, allowed);
}

TEST(QtGraphPicture, AutomaticColourDrawsWithItsLowBytes) {
    auto in = FirstRun();
    in.sessionColour = 0xFF000000;
    in.gridColour = 0xFF00FF00;  // green with the top byte set
    GraphPicture picture;
    picture.PaintErased(in);
    EXPECT_EQ(picture.Image().pixel(60, 57), kBlack);
    EXPECT_EQ(picture.Image().pixel(200, 95), qRgb(0, 255, 0));
}

TEST(QtGraphPicture, PaintErasesButTheImmediateDrawKeepsTheWindow) {
    GraphPicture picture;
    auto in = FirstRun();
    picture.PaintErased(in);
    ASSERT_EQ(picture.Image().pixel(61, 58), Rgb(0x0000FF));

    // Without the session, the immediate draw leaves the old curve where no grid covers it...
    in.log = BatteryLog{};
    picture.DrawOver(in);
    EXPECT_EQ(picture.Image().pixel(61, 58), Rgb(0x0000FF));
    EXPECT_EQ(picture.Image().pixel(60, 57), Rgb(0x7F0000));  // the grid row is drawn over it
    // ...and the paint path starts from an erased window.
    picture.PaintErased(in);
    EXPECT_EQ(picture.Image().pixel(61, 58), kWhite);

    // The status text's rectangle is cleared before the immediate draw: a longer old text,
    // wrapped onto a second line, leaves no piece behind, on a screen at 100 % and at 200 %.
    // Only the status text changed, and only it is told as changed.
    for (int scale : {1, 2}) {
        GraphPicture before(scale);
        in.status =
            "Running, Battery: 80%, Run time: 2:00h, Estimated battery life: 10:00h, 8:00h left";
        before.PaintErased(in);
        in.status = "Running, Battery: 80%, Run time: 2:01h";
        before.DrawOver(in);
        GraphPicture fresh(scale);
        fresh.PaintErased(in);
        EXPECT_TRUE(before.Image() == fresh.Image()) << "at scale " << scale;
        EXPECT_TRUE(QRect(2, 241, 193, 33).contains(before.LastChange())) << "at scale " << scale;
        before.DrawOver(in);
        EXPECT_TRUE(before.LastChange().isEmpty()) << "at scale " << scale;
    }
}

// The pixels of a colour inside an area of the picture, in the image's own pixels.
std::set<std::pair<int, int>> PixelsOf(const QImage& image, QRgb colour, const QRect& area) {
    std::set<std::pair<int, int>> out;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

TEST(QtGraphPicture, AtTwoHundredPercentTheSameGeometryDrawnSharp) {
    GraphPicture one;
    GraphPicture two(2);
    auto in = FirstRun();
    in.log = BatteryLog{};
    one.PaintErased(in);
    two.PaintErased(in);
    ASSERT_EQ(two.Image().size(), QSize(480, 640));
    // Frame, shadow and every grid line, solid or dashed, cover the same places, each window
    // pixel now 2 x 2 pixels.
    for (int y = 37; y <= 229; ++y) {
        for (int x = 30; x <= 236; ++x) {
            const QRgb want = one.Image().pixel(x, y);
            for (int d = 0; d < 4; ++d) {
                ASSERT_EQ(two.Image().pixel(2 * x + d % 2, 2 * y + d / 2), want) << x << "," << y;
            }
        }
    }
    // The labels' text is twice as high.
    auto inkRows = [](const QImage& image, const QRect& area) {
        int rows = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            rows += InkWidth(image, Rgb(0x7F0000), QRect(area.left(), y, area.width(), 1)) > 0;
        }
        return rows;
    };
    const int labelRows = inkRows(one.Image(), QRect(1, 32, 25, 10));  // "100%"
    EXPECT_GT(labelRows, 5);
    EXPECT_EQ(inkRows(two.Image(), QRect(2, 64, 50, 20)), 2 * labelRows);

    // The curve is drawn at the finer resolution, not enlarged: it runs within a pixel of the
    // enlarged one without being the same.
    in = FirstRun();
    one.PaintErased(in);
    two.PaintErased(in);
    const QRgb session = Rgb(0x0000FF);
    const auto fine = PixelsOf(two.Image(), session, two.Image().rect());
    std::set<std::pair<int, int>> enlarged;
    for (const auto& [x, y] : PixelsOf(one.Image(), session, one.Image().rect())) {
        for (int d = 0; d < 4; ++d) {
            enlarged.insert({2 * x + d % 2, 2 * y + d / 2});
        }
    }
    EXPECT_NE(fine, enlarged);
    for (const auto& [x, y] : fine) {
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy) {
            for (int dx = -1; dx <= 1 && !near; ++dx) {
                near = enlarged.count({x + dx, y + dy}) > 0;
            }
        }
        ASSERT_TRUE(near) << x << "," << y;
    }
}

// Records the labels the graph draws while measuring them in the graph's font; draws nothing.
class LabelRecorder : public QtGraphCanvas {
public:
    using QtGraphCanvas::QtGraphCanvas;
    void BeginComposition(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void EndComposition(std::int32_t, std::int32_t) override {}
    void LineTo(std::int32_t, std::int32_t) override {}
    void DrawText(const std::string& text, const GraphRect& rect, std::uint32_t format) override {
        if (format != 0x10) {
            labels.push_back({text, rect, format});
        }
    }
    struct Label {
        std::string text;
        GraphRect rect;
        std::uint32_t format;
    };
    std::vector<Label> labels;
};

// Ink pixels of a text drawn alone in a rectangle on a blank picture at `scale`, counted in
// the window's columns from `fromX` to `toX`.
int InkOf(GraphFont& font, const std::string& text, const GraphRect& rect, std::uint32_t format,
          int scale, int fromX = 0, int toX = 240) {
    QImage image = Blank(scale);
    QtGraphCanvas canvas(image, font);
    canvas.SelectFont(-10, 100);
    canvas.SetTextColor(0x000000);
    canvas.DrawText(text, rect, format);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        ink += static_cast<int>(std::count(row + fromX * scale, row + toX * scale, kBlack));
    }
    return ink;
}

// At the View menu's scales and at 50 hours every hour is labelled in the 10 pixels around
// its line: a one-digit label fits whole, a two-digit one is cut at its rectangle's right
// edge and shows nothing outside it, on a screen at 100 % and at 200 %.
TEST(QtGraphLabels, EveryHourLabelIsDrawnClippedToItsTenPixels) {
    GraphFont font;
    EXPECT_EQ(font.AtPixelSize(10).Family(), "PT Sans Narrow");  // the built-in font
    struct Row {
        int hours;
        int hourStep;  // pixels between hour lines
    };
    for (const Row row : {Row{10, 20}, Row{15, 12}, Row{20, 8}, Row{50, 4}}) {
        GraphInput in;
        in.scaleHours = row.hours;
        QImage image = Blank();
        LabelRecorder canvas(image, font);
        DrawGraph(canvas, in);
        std::vector<LabelRecorder::Label> hourLabels;
        std::copy_if(canvas.labels.begin(), canvas.labels.end(), std::back_inserter(hourLabels),
                     [](const auto& label) { return label.text.back() == 'h'; });
        ASSERT_EQ(hourLabels.size(), static_cast<std::size_t>(row.hours + 1)) << row.hours;
        for (int h = 0; h <= row.hours; ++h) {
            const auto& label = hourLabels[static_cast<std::size_t>(h)];
            const int x = 31 + h * row.hourStep;
            ASSERT_EQ(label.text, std::to_string(h) + "h");
            ASSERT_EQ(label.rect, (GraphRect{x - 5, 230, x + 5, 240})) << label.text;
            const GraphRect wide{x - 5, 230, x + 95, 240};
            for (int scale : {1, 2}) {
                const int drawn = InkOf(font, label.text, label.rect, 0x24, scale);
                const int whole = InkOf(font, label.text, wide, 0x24, scale);
                // What shows is the whole label's ink within the rectangle, and only that.
                EXPECT_EQ(drawn, InkOf(font, label.text, wide, 0x24, scale, x - 5, x + 5))
                    << label.text << " at " << row.hours << "h, scale " << scale;
                if (h < 10) {
                    EXPECT_EQ(drawn, whole) << label.text << " at scale " << scale;
                } else {
                    EXPECT_GT(drawn, 0) << label.text << " at scale " << scale;
                    EXPECT_LT(drawn, whole) << label.text << " at scale " << scale;
                }
            }
        }
    }
    // The percent and quarter-hour labels have the room they need.
    for (int hours : {2, 3}) {
        GraphInput in;
        in.scaleHours = hours;
        QImage image = Blank();
        LabelRecorder canvas(image, font);
        DrawGraph(canvas, in);
        for (const auto& label : canvas.labels) {
            if (label.text.back() == 'h') {
                continue;
            }
            for (int scale : {1, 2}) {
                EXPECT_EQ(InkOf(font, label.text, label.rect, label.format, scale),
                          InkOf(font, label.text, {40, 100, 200, 140}, label.format, scale))
                    << label.text << " at scale " << scale;
            }
        }
    }
}

// A blank window picture with the graph's label font selected.
class QtGraphCanvasText : public ::testing::Test {
protected:
    QtGraphCanvasText() { canvas.SelectFont(-10, 100); }

    QImage image = Blank();
    GraphFont font;
    QtGraphCanvas canvas{image, font};
};

TEST_F(QtGraphCanvasText, LabelGlyphsHaveRealWidths) {
    canvas.SetTextColor(0x000000);
    canvas.DrawText("iiii", {10, 10, 200, 30}, 0x24);
    canvas.DrawText("WWWW", {10, 40, 200, 60}, 0x24);
    const int narrow = InkWidth(image, kBlack, QRect(0, 10, 240, 20));
    const int wide = InkWidth(image, kBlack, QRect(0, 40, 240, 20));
    EXPECT_GT(narrow, 3);  // four separate strokes, not an empty box
    EXPECT_GT(wide, 2 * narrow);
    EXPECT_LT(wide, 100);  // 10-pixel text
}

// At 200 % a line is the font's own text at twice the size, placed as at 100 %: no gap
// between glyphs grows with the rounding of their advances.
TEST_F(QtGraphCanvasText, AtTwoHundredPercentTheLargerFontsOwnLayout) {
    const std::string text = "Run time: 1:20h, 78 % left";
    for (const std::uint32_t format : {kTextLeftCentred & ~kTextFlagVCentre, kTextRightTop}) {
        QImage twice = Blank(2);
        QtGraphCanvas scaled(twice, font);
        scaled.SelectFont(-10, 100);
        scaled.SetTextColor(0x000000);
        scaled.DrawText(text, {10, 100, 200, 115}, format);
        QImage large(480, 640, QImage::Format_RGB32);
        large.fill(kWhite);
        QtGraphCanvas plain(large, font);
        plain.SelectFont(-20, 100);
        plain.SetTextColor(0x000000);
        plain.DrawText(text, {20, 200, 400, 230}, format);
        EXPECT_EQ(PixelsOf(twice, kBlack, twice.rect()), PixelsOf(large, kBlack, large.rect()))
            << "format " << format;
    }
}

TEST_F(QtGraphCanvasText, ClippedToItsRectangleOverOpaqueWhite) {
    image.fill(qRgb(0, 200, 0));
    canvas.SetTextColor(0x0000FF);
    // An hour label at x = 51: only 10 pixels wide, so "10h" loses its right part.
    canvas.DrawText("10h", {46, 230, 56, 240}, 0x24);
    for (int y = 225; y < 245; ++y) {
        for (int x = 40; x < 70; ++x) {
            const bool inside = x >= 46 && x < 56 && y >= 230 && y < 240;
            if (!inside) {
                ASSERT_EQ(image.pixel(x, y), qRgb(0, 200, 0)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(InkWidth(image, qRgb(255, 0, 0), QRect(46, 230, 10, 10)), 4);
    EXPECT_EQ(image.pixel(55, 230), kWhite);  // background of the clipped text

    // Right-aligned percent label: its ink ends at the rectangle's right edge.
    canvas.DrawText("100%", {1, 32, 26, 42}, 0x22);
    EXPECT_GT(InkWidth(image, qRgb(255, 0, 0), QRect(1, 32, 25, 10)), 15);
    EXPECT_EQ(image.pixel(0, 36), qRgb(0, 200, 0));
}

TEST_F(QtGraphCanvasText, HugeAndOffSurfaceRectanglesAreSafe) {
    canvas.SelectFont(INT_MIN, INT_MAX);
    canvas.SetTextColor(0x000000);
    canvas.DrawText("gone", {INT_MAX - 10, 5, INT_MAX, 20}, 0x24);
    canvas.DrawText("gone", {-100, -50, -10, -20}, 0x22);
    EXPECT_EQ(InkWidth(image, kBlack, image.rect()), 0);
    canvas.DrawText("everywhere", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0x10);
    image.fill(kWhite);
    canvas.SelectFont(-10, 100);
    canvas.DrawText("right", {INT_MIN, 100, 120, 130}, 0x22);
    EXPECT_GT(InkWidth(image, kBlack, QRect(0, 100, 121, 30)), 10);
    EXPECT_EQ(InkWidth(image, kBlack, QRect(120, 100, 120, 30)), 0);
}

TEST_F(QtGraphCanvasText, StatusTextWrapsAndIsCutAtTheBottom) {
    canvas.SetTextColor(0x00009C);
    const std::string longText(400, 'x');
    canvas.DrawText(
        "Running, Battery: 97%, Run time: 0:20h, Estimated battery life: "
        "16:40h, 16:10h left " +
            longText,
        {2, 240, 195, 273}, 0x10);
    int rowsWithInk = 0;
    for (int y = 240; y < 273; ++y) {
        rowsWithInk += InkWidth(image, Rgb(0x00009C), QRect(0, y, 240, 1)) > 0;
    }
    EXPECT_GT(rowsWithInk, 14);  // at least two lines of text
    EXPECT_EQ(InkWidth(image, Rgb(0x00009C), QRect(0, 273, 240, 47)), 0);
    EXPECT_EQ(InkWidth(image, Rgb(0x00009C), QRect(195, 0, 45, 320)), 0);
}

}  // namespace
}  // namespace torvane::test
