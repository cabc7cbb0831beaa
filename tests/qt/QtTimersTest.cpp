#include "qt/QtTimers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

namespace torvane::test {
namespace {

TEST(QtTimers, PeriodsShrinkByTheTimeScaleDownToOneMillisecond) {
    EXPECT_EQ(QtTimers::ScaledInterval(5000, 1), 5000);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 60), 16);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 5000), 1);
    EXPECT_EQ(QtTimers::ScaledInterval(0, 1), 1);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 0), 1000);
}

// Runs the event loop for `ms` milliseconds.
void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(QtTimers, TicksReachTheHandlerByIdentifierUntilKilled) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QtTimers timers(100);  // a 1000 ms timer ticks every 10 ms
    std::vector<unsigned int> ticks;
    timers.SetHandler([&](unsigned int id) {
        ticks.push_back(id);
        if (id == 2) {
            timers.KillTimer(2);  // a timer may stop itself from its own tick
        }
    });
    EXPECT_EQ(timers.SetTimer(1, 1000), 1u);
    timers.SetTimer(2, 1000);
    QElapsedTimer clock;
    clock.start();
    Wait(300);
    timers.KillTimer(1);
    const auto elapsed = clock.elapsed();
    const auto ones = std::count(ticks.begin(), ticks.end(), 1u);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 2u), 1);
    EXPECT_GE(ones, 10);
    EXPECT_LE(ones, elapsed / 10 + 1);
    EXPECT_FALSE(timers.IsRunning(1));
    EXPECT_FALSE(timers.IsRunning(2));

    ticks.clear();
    Wait(50);
    EXPECT_TRUE(ticks.empty());

    // Setting a timer again restarts it with the new period.
    timers.SetTimer(1, 100000);
    EXPECT_TRUE(timers.IsRunning(1));
    Wait(50);
    EXPECT_TRUE(ticks.empty());
}

}  // namespace
}  // namespace torvane::test
