// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/MainWindow.h"
#include "e2e/ChildProcess.h"
#include "fakes/FakeBackgroundServices.h"
#include "fakes/MissingComponent.h"
#include "fakes/TempDir.h"
#include "settings/CSettingsStore.h"

// libdbus and libxcb keep allocations until the end that are no leak of ours; only the
// sanitizer build reads this.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\nleak:libxcb.so\n";
}

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// A display number that no X server on this machine holds.
std::string FreeDisplay() {
    int number = 100 + ::getpid() % 800;
    while (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
        ++number;
    }
    return ":" + std::to_string(number);
}

// Debian's Xvfb, an X server that needs no screen, on a display number of its own; up once its
// socket is there.
struct Xvfb {
    Xvfb()
        : display(FreeDisplay()),
          process("/bin/sh", {"-c", "exec Xvfb " + display + " -nolisten tcp -screen 0 800x600x24"},
                  EnvironmentWith({}), dir / "xvfb.log") {
        up = WaitUntil([this] { return !process.Running() || Exists(); }, 10s) && Exists();
    }
    ~Xvfb() { process.Stop(SIGTERM, 5s); }
    bool Exists() const { return std::filesystem::exists("/tmp/.X11-unix/X" + display.substr(1)); }

    std::string display;
    TempDir dir;
    ChildProcess process;
    bool up = false;
};

// The window's initial state in its WM_HINTS, as a window manager reads it when the window is
// mapped: 1 shown, 3 minimised; 0 when it gives none.
std::uint32_t InitialState(QWindow& window) {
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9),
        nullptr);
    std::uint32_t state = 0;
    if (reply != nullptr && xcb_get_property_value_length(reply) >= 12) {
        const auto* hints = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        state = (hints[0] & 2U) != 0 ? hints[2] : 0;
    }
    std::free(reply);
    return state;
}

// What a window manager does when the user restores a minimised window (a task bar, a
// switcher): it maps the window and sets its WM_STATE to normal.
void RestoreAsTheWindowManagerDoes(QWindow& window) {
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const char name[] = "WM_STATE";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    ASSERT_NE(atom, nullptr);
    const std::uint32_t normal[] = {1, XCB_WINDOW_NONE};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom->atom, atom->atom, 32, 2,
                        normal);
    std::free(atom);
    xcb_flush(connection);
}

class X11Window : public ::testing::Test, protected FakeBackgroundServices {
protected:
    void SetUp() override {
        if (!OnX11()) {
            TORVANE_SKIP_WITHOUT("Xvfb with Qt's X11 platform (xvfb)");
        }
        registry.PutDword(kSettingsKey, "InitData", 3);
        app.Create();
        app.Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Window()));
    }

    CMonitorApp app{Services()};
};

// Minimised by the program, restored by the window manager, hidden to the notification icon:
// brought back from there, the window is shown, not minimised.
TEST_F(X11Window, ComesBackShownFromTheIconAfterTheWindowManagerRestoredIt) {
    MainWindow& window = app.Window();
    window.Minimize();
    QTest::qWait(100);
    RestoreAsTheWindowManagerDoes(*window.windowHandle());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 5000));
    window.HideToNotifyIcon();

    window.ShowAndActivate("");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(InitialState(*window.windowHandle()), 1U);
}

}  // namespace
}  // namespace torvane::test

// Every test runs in one widget application on the X server, started first; without Xvfb, on
// the offscreen platform, where the tests skip (or fail where every component is required).
// Listing the tests starts nothing.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<torvane::test::Xvfb> xvfb;
    if (!GTEST_FLAG_GET(list_tests)) {
        xvfb = std::make_unique<torvane::test::Xvfb>();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (xvfb && xvfb->up) {
        qputenv("DISPLAY", QByteArray::fromStdString(xvfb->display));
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
