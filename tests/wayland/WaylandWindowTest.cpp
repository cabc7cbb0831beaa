// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTest>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/CMonitorApp.h"
#include "app/ClientAreaView.h"
#include "app/MainWindow.h"
#include "e2e/ChildProcess.h"
#include "fakes/FakeBackgroundServices.h"
#include "fakes/MissingComponent.h"
#include "fakes/TempDir.h"
#include "session/CDlgMain.h"

// libdbus and Qt's Wayland client keep allocations until the end that are no leak of ours;
// only the sanitizer build reads this, and the program started here reads the same.
constexpr char kLeaksNotOurs[] = "leak:libdbus-1.so\nleak:libwayland-client.so\n";
extern "C" const char* __lsan_default_suppressions() {
    return kLeaksNotOurs;
}

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

constexpr char kSocket[] = "torvane-test";

bool OnWayland() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

// Debian's weston with its headless backend, a real Wayland compositor that needs no screen,
// on a runtime folder of its own; up once its socket is there.
struct Weston {
    Weston()
        : process("/bin/sh",
                  {"-c", std::string("exec weston --backend=headless-backend.so --socket=") +
                             kSocket + " --width=800 --height=600 --idle-time=0"},
                  EnvironmentWith({{"XDG_RUNTIME_DIR", runtime.Path().string()}}),
                  runtime / "weston.log") {
        up = WaitUntil([this] { return !process.Running() || Exists(); }, 10s) && Exists();
    }
    ~Weston() { process.Stop(SIGTERM, 5s); }
    bool Exists() { return std::filesystem::exists(runtime.Path() / kSocket); }

    TempDir runtime;  // private to the user, as a runtime folder must be
    ChildProcess process;
    bool up = false;
};

// The real window with its owner on doubles of the machine, shown on the compositor.
class WaylandWindow : public ::testing::Test, protected FakeBackgroundServices {
protected:
    void SetUp() override {
        if (!OnWayland()) {
            TORVANE_SKIP_WITHOUT("weston with Qt's Wayland platform (weston, qt6-wayland)");
        }
        registry.PutDword(kSettingsKey, "InitData", 3);
        registry.PutDword(kSettingsKey, "AutoStartSessions", 1);  // manual mode
        app.Create();
        app.Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Window()));
    }

    // Lets the compositor answer what the window sent; a protocol error ends the program here.
    void LetTheCompositorAnswer() {
        app.Window().ClientArea()->repaint();
        QTest::qWait(200);
    }

    // The level falls by one and a session minute passes: one more sample.
    void RecordASample() {
        --power.percent;
        timers.AdvanceMs(60000);
    }

    CMonitorApp app{Services()};
};

TEST_F(WaylandWindow, ASessionRunsOnThroughMaximiseAndRestore) {
    MainWindow& window = app.Window();
    const QSize design = window.size();
    power.onAc = false;
    app.Dialog().OnGoStop();
    timers.AdvanceMs(1000);
    ASSERT_TRUE(app.Dialog().Session().SessionRunning());
    RecordASample();
    const auto samples = [this] { return app.Dialog().Session().Log().count; };
    const int before = samples();

    // The compositor gives the whole output; the design stays as it is, at the top left.
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() > design.width(); }, 5000));
    LetTheCompositorAnswer();
    RecordASample();
    EXPECT_EQ(samples(), before + 1);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.ClientArea()->geometry(), QRect(0, 0, 240, 320));

    window.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == design; }, 5000));
    LetTheCompositorAnswer();
    RecordASample();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(app.Dialog().Session().SessionRunning());
    EXPECT_EQ(samples(), before + 2);
}

// Nothing but a new surface brings a minimised window back on Wayland; a maximised one comes
// back maximised, and its restore button still gives the design's size.
TEST_F(WaylandWindow, AMaximisedWindowBroughtBackCanBeRestored) {
    MainWindow& window = app.Window();
    const QSize design = window.size();
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() > design.width(); }, 5000));
    window.Minimize();
    LetTheCompositorAnswer();

    EXPECT_FALSE(window.ShowAndActivate(""));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.isMaximized() && window.width() > design.width(); }, 5000));
    LetTheCompositorAnswer();
    window.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == design; }, 5000))
        << window.width() << " x " << window.height();
}

// A later start of the program, with a launcher's token, while the first runs on the
// compositor. weston 10 offers no xdg-activation, so the window cannot be brought forward
// with the token: the later start says the program runs and still ends well.
TEST(WaylandSecondStart, IsToldWhenTheWindowCouldNotBeBroughtForward) {
    if (!OnWayland()) {
        TORVANE_SKIP_WITHOUT("weston with Qt's Wayland platform (weston, qt6-wayland)");
    }
    TempDir dir;
    TempDir::Write(dir / "power/AC/type", "Mains\n");
    TempDir::Write(dir / "power/AC/online", "1\n");  // nothing records
    TempDir::Write(dir / "leaks.txt", kLeaksNotOurs);
    const auto environment = [&](const std::string& token) {
        return EnvironmentWith({{"QT_QPA_PLATFORM", "wayland"},
                                {"TORVANE_REGISTRY", dir / "registry.reg"},
                                {"TORVANE_DEVICE_ROOT", dir / "device"},
                                {"TORVANE_POWER_SUPPLY", dir / "power"},
                                {"XDG_CONFIG_HOME", dir / "config"},
                                {"XDG_DATA_HOME", dir / "data"},
                                {"XDG_STATE_HOME", dir / "state"},
                                {"XDG_ACTIVATION_TOKEN", token},
                                {"LSAN_OPTIONS", "suppressions=" + (dir / "leaks.txt")}});
    };
    ChildProcess first(TORVANE_PROGRAM, {}, environment(""), dir / "first.txt");
    const std::string sockets = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/torvane";
    // The lock taken: a later start now waits for the first to listen.
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::error_code ec;
            return !std::filesystem::is_empty(sockets, ec) && !ec;
        },
        20s))
        << TempDir::Read(dir / "first.txt");

    ChildProcess second(TORVANE_PROGRAM, {}, environment("launcher-token-1"), dir / "second.txt");
    EXPECT_EQ(second.Wait(20s), 0);
    EXPECT_EQ(TempDir::Read(dir / "second.txt"), "Torvane is already running.\n");
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(first.Stop(SIGTERM, 10s), 0) << TempDir::Read(dir / "first.txt");
}

}  // namespace
}  // namespace torvane::test

// Every test runs in one widget application on the compositor, started first; without weston
// or Qt's Wayland platform, on the offscreen platform, where the tests skip (or fail where every
// component is required). Listing the tests starts nothing.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<torvane::test::Weston> weston;
    if (!GTEST_FLAG_GET(list_tests)) {
        weston = std::make_unique<torvane::test::Weston>();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (weston && weston->up) {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(weston->runtime.Path().string()));
        qputenv("WAYLAND_DISPLAY", torvane::test::kSocket);
        qputenv("QT_QPA_PLATFORM", "wayland;offscreen");  // without qt6-wayland: offscreen
        // Shared memory, as the program's raster windows need: the EGL driver that Qt would
        // load and unload keeps allocations that the sanitizer build cannot tell apart.
        qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
        qunsetenv("DISPLAY");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
