// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtTimers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "fakes/FakeTimers.h"

namespace torvane::test {
namespace {

TEST(QtTimers, PeriodsShrinkByTheTimeScaleDownToOneMillisecond) {
    EXPECT_EQ(QtTimers::ScaledInterval(5000, 1), 5000);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 60), 16);
    EXPECT_EQ(QtTimers::ScaledInterval(5000, 60), 80);  // five of the one-second ticks
    EXPECT_EQ(QtTimers::ScaledInterval(1500, 60), 24);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 5000), 1);
    EXPECT_EQ(QtTimers::ScaledInterval(0, 1), 1);
    EXPECT_EQ(QtTimers::ScaledInterval(1000, 0), 1000);
}

// The fake clock: time moves only when the test moves it.
struct FakeLoop {
    static constexpr std::int64_t kResolutionMs = 0;

    void RunFor(std::int64_t ms) { timers.AdvanceMs(ms); }
    bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
        for (std::int64_t waited = 0; !done(); ++waited) {
            if (waited >= limitMs) {
                return false;
            }
            timers.AdvanceMs(1);
        }
        return true;
    }

    FakeTimers timers;
};

// The real timers on Qt's event loop, ten times faster than the periods say. A loaded machine
// may deliver late, so a wait ends on its condition and gives up only long after it is due.
struct QtLoop {
    static constexpr int kScale = 10;
    static constexpr std::int64_t kResolutionMs = kScale;  // one real millisecond

    void RunFor(std::int64_t ms) {
        QElapsedTimer real;
        real.start();
        RunUntil([&] { return real.elapsed() * kScale >= ms; }, ms);
    }
    bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
        if (done()) {
            return true;
        }
        QEventLoop loop;
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done()) {
                loop.quit();
            }
        });
        poll.start(1);
        QTimer::singleShot(std::max<std::int64_t>(5000, limitMs / kScale * 20), &loop,
                           &QEventLoop::quit);
        loop.exec();
        return done();
    }

    QtTimers timers{kScale};
};

// The window timers and their double, held to the same rules, so the session tests on the
// fake clock see what the program sees.
template <typename Loop>
class WindowTimers : public ::testing::Test {
protected:
    struct Tick {
        unsigned int id;
        std::int64_t at;
    };

    int Count(unsigned int id) const {
        return static_cast<int>(
            std::count_if(ticks.begin(), ticks.end(), [id](const Tick& t) { return t.id == id; }));
    }
    // Notes every tick, then does what the test asks of it.
    void Handle(std::function<void(unsigned int)> then = {}) {
        loop.timers.SetHandler([this, then](unsigned int id) {
            ticks.push_back({id, loop.timers.NowMs()});
            if (then) {
                then(id);
            }
        });
    }
    // The k-th tick of a timer started at `start` comes k periods after it, or later: a late
    // loop drops ticks, it never brings one early or adds one.
    void ExpectNoTickEarly(unsigned int id, std::int64_t start, std::int64_t periodMs) const {
        std::int64_t k = 0;
        for (const Tick& t : ticks) {
            if (t.id == id) {
                ++k;
                EXPECT_GE(t.at, start + k * periodMs - Loop::kResolutionMs)
                    << "tick " << k << " of timer " << id;
            }
        }
    }

    Loop loop;
    std::vector<Tick> ticks;
};

struct LoopName {
    template <typename Loop>
    static std::string GetName(int) {
        return std::is_same_v<Loop, FakeLoop> ? "FakeTimers" : "QtTimers";
    }
};
using Loops = ::testing::Types<FakeLoop, QtLoop>;
TYPED_TEST_SUITE(WindowTimers, Loops, LoopName);

TYPED_TEST(WindowTimers, TicksComeInTheOrderTheyFallDueAndNeverEarly) {
    auto& timers = this->loop.timers;
    this->Handle([&](unsigned int id) {
        if (id == 4 && this->Count(4) == 2) {
            timers.KillTimer(4);
            timers.KillTimer(9);
        }
    });
    const std::int64_t start = timers.NowMs();
    EXPECT_NE(timers.SetTimer(4, 250), 0u);
    EXPECT_NE(timers.SetTimer(9, 110), 0u);
    // One long run, in which several ticks of each fall due; the clock runs with it.
    this->loop.RunFor(600);
    EXPECT_GE(timers.NowMs() - start, 600 - TypeParam::kResolutionMs);
    ASSERT_TRUE(this->loop.RunUntil([&] { return this->Count(4) == 2; }, 2000));

    this->ExpectNoTickEarly(4, start, 250);
    this->ExpectNoTickEarly(9, start, 110);
    // The shorter period ticks first, whatever the identifiers, and again between two ticks
    // of the longer one.
    EXPECT_EQ(this->ticks.front().id, 9u);
    EXPECT_EQ(this->ticks.back().id, 4u);
    const auto second = std::find_if(this->ticks.begin() + 1, this->ticks.end() - 1,
                                     [](const auto& t) { return t.id == 4; });
    EXPECT_NE(std::find_if(second, this->ticks.end(), [](const auto& t) { return t.id == 9; }),
              this->ticks.end());
}

TYPED_TEST(WindowTimers, KillingInsideAHandlerStopsThatTimerAndOthersAtOnce) {
    auto& timers = this->loop.timers;
    this->Handle([&](unsigned int id) {
        if (id == 1) {
            timers.KillTimer(1);
            timers.KillTimer(2);   // due next: it must not come all the same
            timers.KillTimer(77);  // never started: harmless
        }
    });
    timers.SetTimer(1, 100);
    timers.SetTimer(2, 150);
    timers.SetTimer(3, 400);
    this->loop.RunFor(300);  // timer 2 falls due in the same run
    ASSERT_TRUE(this->loop.RunUntil([&] { return this->Count(3) >= 1; }, 2000));
    EXPECT_EQ(this->Count(1), 1);
    EXPECT_EQ(this->Count(2), 0);
    EXPECT_FALSE(timers.IsRunning(1));
    EXPECT_FALSE(timers.IsRunning(2));
    EXPECT_TRUE(timers.IsRunning(3));
}

TYPED_TEST(WindowTimers, SettingARunningTimerAgainStartsItsNewPeriodFromNow) {
    auto& timers = this->loop.timers;
    std::int64_t restartedAt = -1;
    this->Handle([&](unsigned int id) {
        if (id == 2 && restartedAt < 0) {
            restartedAt = timers.NowMs();
            EXPECT_NE(timers.SetTimer(1, 300), 0u);
        }
    });
    const std::int64_t start = timers.NowMs();
    timers.SetTimer(1, 3000);
    timers.SetTimer(2, 100);
    ASSERT_TRUE(this->loop.RunUntil([&] { return this->Count(1) >= 1; }, 4000));
    const std::int64_t first =
        std::find_if(this->ticks.begin(), this->ticks.end(), [](auto& t) { return t.id == 1; })->at;
    EXPECT_GE(first, restartedAt + 300 - TypeParam::kResolutionMs);
    EXPECT_LT(first, start + 3000);  // the old period is gone
    EXPECT_TRUE(timers.IsRunning(1));
}

TYPED_TEST(WindowTimers, AHandlerInANestedLoopIsNotEnteredAgainWhileOthersTick) {
    auto& timers = this->loop.timers;
    bool inOne = false;
    int reentries = 0;
    int othersInside = 0;
    bool nestedEnded = false;
    std::int64_t openedAt = -1;
    std::int64_t returnedAt = -1;
    this->Handle([&](unsigned int id) {
        if (id == 2 && inOne) {
            ++othersInside;
        }
        if (id != 1) {
            return;
        }
        reentries += inOne ? 1 : 0;
        if (this->Count(1) == 1) {
            // A box opened from the tick: its loop runs while three more periods pass.
            inOne = true;
            openedAt = timers.NowMs();
            const int othersBefore = this->Count(2);
            nestedEnded =
                this->loop.RunUntil([&] { return this->Count(2) >= othersBefore + 5; }, 2000);
            inOne = false;
            returnedAt = timers.NowMs();
        }
    });
    timers.SetTimer(1, 100);
    timers.SetTimer(2, 70);
    ASSERT_TRUE(this->loop.RunUntil([&] { return this->Count(1) >= 3; }, 4000));
    EXPECT_TRUE(nestedEnded);
    EXPECT_EQ(reentries, 0);
    EXPECT_GE(othersInside, 5);
    EXPECT_GE(returnedAt - openedAt, 4 * 70 - TypeParam::kResolutionMs);  // the clock went on
    // The ticks due while the box was open are dropped, not delivered in a burst afterwards.
    const auto soonAfter = std::count_if(this->ticks.begin(), this->ticks.end(), [&](auto& t) {
        return t.id == 1 && t.at >= returnedAt && t.at < returnedAt + 100;
    });
    EXPECT_LE(soonAfter, 2);
}

TYPED_TEST(WindowTimers, PostedCallsRunInOrderOnceTheHandlerHasReturned) {
    auto& timers = this->loop.timers;
    std::vector<std::string> events;
    timers.Post([&] { events.push_back("posted before"); });
    EXPECT_TRUE(events.empty());  // nothing runs before the loop does
    timers.SetHandler([&](unsigned int id) {
        timers.KillTimer(id);
        events.push_back("tick");
        timers.Post([&] { events.push_back("first"); });
        timers.Post([&] { events.push_back("second"); });
        events.push_back("return");
    });
    timers.SetTimer(1, 100);
    ASSERT_TRUE(this->loop.RunUntil([&] { return events.size() >= 5; }, 2000));
    EXPECT_EQ(events,
              (std::vector<std::string>{"posted before", "tick", "return", "first", "second"}));

    // A box the handler opens runs its loop, and what was posted before it runs there.
    events.clear();
    timers.SetHandler([&](unsigned int id) {
        timers.KillTimer(id);
        timers.Post([&] { events.push_back("posted"); });
        this->loop.RunFor(50);
        events.push_back("box closed");
    });
    timers.SetTimer(1, 100);
    ASSERT_TRUE(this->loop.RunUntil([&] { return events.size() >= 2; }, 2000));
    EXPECT_EQ(events, (std::vector<std::string>{"posted", "box closed"}));

    // Calls still waiting when the timers go are dropped.
    bool ran = false;
    auto gone = std::make_unique<TypeParam>();
    gone->timers.Post([&ran] { ran = true; });
    gone.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace torvane::test
