// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/RecordingCanvas.h"
#include "graph/DrawGraph.h"
#include "session/MenuModel.h"
#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

// Composes each draw on a recording surface, and remembers how it was asked for and the
// minimise count at that moment.
class FakePicture : public IGraphPicture {
public:
    explicit FakePicture(const FakeWindowHost& window) : m_window(window) {}
    void PaintErased(const GraphInput& input) override { Record("erased", input); }
    void DrawOver(const GraphInput& input) override { Record("over", input); }

    std::vector<std::string> draws;
    std::vector<int> minimizesAtDraw;
    RecordingCanvas canvas;

    std::size_t Lines(COLORREF colour, PenStyle style) const {
        std::size_t n = 0;
        for (const auto& segment : canvas.SegmentsIn(colour)) {
            n += segment.pen.style == style ? 1 : 0;
        }
        return n;
    }
    bool HasText(const std::string& text, COLORREF colour) const {
        for (const auto& t : canvas.texts) {
            if (t.text == text && t.colour == colour) {
                return true;
            }
        }
        return false;
    }

private:
    void Record(const std::string& how, const GraphInput& input) {
        draws.push_back(how);
        minimizesAtDraw.push_back(m_window.minimizes);
        canvas = RecordingCanvas{};
        DrawGraph(canvas, input);
    }
    const FakeWindowHost& m_window;
};

class MainGraph : public SessionTest {
protected:
    FakePicture picture{window};
};

constexpr COLORREF kGrid = 0x000001;
constexpr COLORREF kDetail = 0x000002;
constexpr COLORREF kScale = 0x000003;
constexpr COLORREF kRef[] = {0x000011, 0x000012, 0x000013};
constexpr COLORREF kSession = 0x000021;
constexpr COLORREF kStatus = 0x000031;

// The colours, scale and switches in the store, the live log and the three slots are what the
// picture shows; each switch stored off takes away its own lines and nothing else.
TEST_F(MainGraph, ThePictureShowsWhatTheStoreAndTheLogsHold) {
    const std::pair<const char*, COLORREF> colours[] = {
        {"ColorGrid1", kGrid},   {"ColorGrid2", kDetail},  {"ColorGrid3", kScale},
        {"ColorRef1", kRef[0]},  {"ColorRef2", kRef[1]},   {"ColorRef3", kRef[2]},
        {"ColorSess", kSession}, {"ColorStatus", kStatus},
    };
    for (const auto& [name, colour] : colours) {
        PutSetting(name, colour);
    }
    PutSetting("ScaleHours", 3);
    files.files[kAutoSave] = LogBytes({{0, 100}, {40, 90}, {80, 75}});
    files.files["\\ref.blf"] = LogBytes({{0, 95}, {60, 80}, {120, 60}});
    Start();
    dlg->OnResumeSession();
    fileDialog.answers = {"\\ref.blf", "\\ref.blf", "\\ref.blf"};
    dlg->OnCommand(cmd::kLoadSlot1);
    dlg->OnCommand(cmd::kLoadSlot2);
    dlg->OnCommand(cmd::kLoadSlot3);

    dlg->OnPaint(picture);
    EXPECT_GT(picture.Lines(kGrid, PenStyle::Solid), 0u);
    const std::size_t detailLines = picture.Lines(kDetail, PenStyle::Dash);
    EXPECT_GT(detailLines, 0u);
    for (COLORREF ref : kRef) {
        EXPECT_GT(picture.Lines(ref, PenStyle::Solid), 0u) << ref;
    }
    EXPECT_GT(picture.Lines(kSession, PenStyle::Solid), 0u);
    const std::size_t estimationLines = picture.Lines(kSession, PenStyle::Dash);
    EXPECT_GT(estimationLines, 0u);
    EXPECT_TRUE(picture.HasText("100%", kScale));
    EXPECT_TRUE(picture.HasText("3h", kScale));
    EXPECT_FALSE(picture.HasText("4h", kScale));
    EXPECT_TRUE(picture.HasText("15", kScale));  // the detailed grid's quarter labels
    EXPECT_TRUE(picture.HasText(dlg->Session().Status(), kStatus));

    struct Switch {
        const char* name;
        COLORREF colour;
        PenStyle style;
    };
    const Switch switches[] = {
        {"ShowDetailedGrid", kDetail, PenStyle::Dash}, {"ShowRef1", kRef[0], PenStyle::Solid},
        {"ShowRef2", kRef[1], PenStyle::Solid},        {"ShowRef3", kRef[2], PenStyle::Solid},
        {"DrawEstimations", kSession, PenStyle::Dash},
    };
    for (const Switch& s : switches) {
        const std::size_t gridLines = picture.Lines(kGrid, PenStyle::Solid);
        const std::size_t sessionLines = picture.Lines(kSession, PenStyle::Solid);
        PutSetting(s.name, 1);  // stored inverted: off
        dlg->OnOptionsClosed();
        dlg->OnPaint(picture);
        EXPECT_EQ(picture.Lines(s.colour, s.style), 0u) << s.name;
        EXPECT_EQ(picture.Lines(kGrid, PenStyle::Solid), gridLines) << s.name;
        EXPECT_EQ(picture.Lines(kSession, PenStyle::Solid), sessionLines) << s.name;
    }
    EXPECT_FALSE(picture.HasText("15", kScale));
}

TEST_F(MainGraph, FirstPaintMinimisesTwiceThenDrawsAndNeverAgain) {
    PutSetting("MinimizeOnStart", 1);
    Start();
    dlg->OnPaint(picture);
    EXPECT_EQ(window.minimizes, 2);
    dlg->OnPaint(picture);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(picture.draws, (std::vector<std::string>{"erased", "erased"}));
    EXPECT_EQ(picture.minimizesAtDraw, (std::vector<int>{2, 2}));

    notifyIcon.tray = true;  // with a notification area: hidden behind the icon instead
    Start();
    dlg->OnPaint(picture);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(window.hides, 1);
}

TEST_F(MainGraph, ImmediateRedrawNeverMinimisesAndDrawsOverTheWindow) {
    PutSetting("MinimizeOnStart", 1);
    Start();
    dlg->RedrawGraphNow(picture);
    EXPECT_EQ(window.minimizes, 0);
    EXPECT_EQ(picture.draws, (std::vector<std::string>{"over"}));
    dlg->OnPaint(picture);  // the minimise is still pending
    EXPECT_EQ(window.minimizes, 2);
}

TEST_F(MainGraph, APendingMinimiseOnceClearedByALoadStaysCleared) {
    Start();  // minimise on start off
    dlg->OnPaint(picture);
    EXPECT_EQ(window.minimizes, 0);

    PutSetting("MinimizeOnStart", 1);
    Start();
    PutSetting("MinimizeOnStart", 0);
    dlg->OnOptionsClosed();
    PutSetting("MinimizeOnStart", 1);
    dlg->OnOptionsClosed();
    dlg->OnPaint(picture);
    EXPECT_EQ(window.minimizes, 0);
}

}  // namespace
}  // namespace torvane::test
