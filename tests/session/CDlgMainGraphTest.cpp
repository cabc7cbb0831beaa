#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryRegistry.h"
#include "session/CDlgMain.h"

namespace torvane::test {
namespace {

// Remembers how each draw was asked for and the minimise count at that moment.
class FakePicture : public IGraphPicture {
public:
    explicit FakePicture(const FakeWindowHost& window) : m_window(window) {}
    void PaintErased(const GraphInput& input) override { Record("erased", input); }
    void DrawOver(const GraphInput& input) override { Record("over", input); }

    std::vector<std::string> draws;
    std::vector<int> minimizesAtDraw;
    GraphInput last;

private:
    void Record(const std::string& how, const GraphInput& input) {
        draws.push_back(how);
        minimizesAtDraw.push_back(m_window.minimizes);
        last = input;
    }
    const FakeWindowHost& m_window;
};

class MainGraph : public ::testing::Test {
protected:
    FakePowerStatus power;
    FakeTimers timers;
    MemoryRegistry registry;
    FakeWindowHost window;
    ScriptedMessageBox messages;
    ScriptedFileDialog fileDialog;
    MemoryFileStore files;
    FakeNotifyIcon notifyIcon;
    FakePowerOffKey powerOffKey;
    FakeSuspendInhibitor inhibitor;
    MainServices services{power,      timers, registry,   window,      messages,
                          fileDialog, files,  notifyIcon, powerOffKey, inhibitor};
    FakePicture picture{window};
};

TEST_F(MainGraph, InputIsReadFromTheMembersAtTheMomentOfTheDraw) {
    CDlgMain dlg(services);
    dlg.m_nScaleHours = 12;
    dlg.m_bShowHGrid = 0;
    dlg.m_bShowVGrid = 1;
    dlg.m_bShowDetailedGrid = 0;
    dlg.m_bShowEstimations = 1;
    dlg.m_bShowRef = {1, 0, 1};
    dlg.m_crGrid1 = 1;
    dlg.m_crGrid2 = 2;
    dlg.m_crGrid3 = 3;
    dlg.m_crRef1 = 4;
    dlg.m_crRef2 = 5;
    dlg.m_crRef3 = 6;
    dlg.m_crSess = 7;
    dlg.m_crStatus = 0xFF000000;
    dlg.m_log.count = 2;
    dlg.m_log.minutes[1] = 33;
    dlg.m_ref[2].count = 1;
    dlg.m_ref[2].percent[0] = 44;
    dlg.m_strStatus = "Ready to start a session...";

    const GraphInput in = dlg.MakeGraphInput();
    EXPECT_EQ(in.left, 30);
    EXPECT_EQ(in.top, 37);
    EXPECT_EQ(in.right, 235);
    EXPECT_EQ(in.bottom, 228);
    EXPECT_EQ(in.scaleHours, 12);
    EXPECT_EQ(in.showHGrid, 0);
    EXPECT_EQ(in.showVGrid, 1);
    EXPECT_EQ(in.showDetailedGrid, 0);
    EXPECT_EQ(in.showEstimations, 1);
    EXPECT_EQ(in.showRef, (std::array<BOOL, 3>{1, 0, 1}));
    EXPECT_EQ(in.gridColour, 1u);
    EXPECT_EQ(in.gridDetailColour, 2u);
    EXPECT_EQ(in.gridScaleColour, 3u);
    EXPECT_EQ(in.refColour, (std::array<COLORREF, 3>{4, 5, 6}));
    EXPECT_EQ(in.sessionColour, 7u);
    EXPECT_EQ(in.statusColour, 0xFF000000u);
    EXPECT_EQ(in.log.count, 2);
    EXPECT_EQ(in.log.minutes[1], 33);
    EXPECT_EQ(in.ref[2].percent[0], 44);
    EXPECT_EQ(in.status, "Ready to start a session...");
    EXPECT_EQ(in.minEstimateSamples, 2);

    dlg.m_strStatus = "changed";
    dlg.RedrawGraphNow(picture);
    EXPECT_EQ(picture.last.status, "changed");
}

TEST_F(MainGraph, FirstPaintMinimisesTwiceThenDrawsAndNeverAgain) {
    CDlgMain dlg(services);
    dlg.m_bMinimizeOnStart = 1;
    dlg.m_bMinimizePending = 1;
    dlg.OnPaint(picture);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(dlg.m_bMinimizePending, 0);
    dlg.OnPaint(picture);
    EXPECT_EQ(window.minimizes, 2);
    EXPECT_EQ(picture.draws, (std::vector<std::string>{"erased", "erased"}));
    EXPECT_EQ(picture.minimizesAtDraw, (std::vector<int>{2, 2}));
}

TEST_F(MainGraph, ImmediateRedrawNeverMinimisesAndDrawsOverTheWindow) {
    CDlgMain dlg(services);
    dlg.m_bMinimizeOnStart = 1;
    dlg.m_bMinimizePending = 1;
    dlg.RedrawGraphNow(picture);
    EXPECT_EQ(window.minimizes, 0);
    EXPECT_EQ(dlg.m_bMinimizePending, 1);
    EXPECT_EQ(picture.draws, (std::vector<std::string>{"over"}));

    // Minimise-on-start off: the pending flag alone does nothing.
    CDlgMain off(services);
    off.m_bMinimizeOnStart = 0;
    off.m_bMinimizePending = 1;
    EXPECT_FALSE(off.OnPaintMinimizeCheck());
    EXPECT_EQ(window.minimizes, 0);
}

}  // namespace
}  // namespace torvane::test
