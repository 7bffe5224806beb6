// The game clock's pace on the platform's time, which the test holds: each
// speed's ticks per second, a held clock, a stall and its backlog, a window
// opened by a tick, the game ending inside a tick, and the frame grid the
// clock and the floor view share.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "business/GrandPrize.h"
#include "commands/GameSpeed.h"
#include "platform/ClockPace.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "tests/TestShop.h"

namespace {

using namespace std::chrono_literals;

// A running test shop on a headless platform whose time moves only when
// the test moves it. The clock is woken exactly when its pace asks, as the
// main window's timer wakes it.
class ClockPaceTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    // A fresh shop whose clock has just started at the top speed, off the
    // frame grid.
    void Start() {
        ui.ResetClock();
        ui.windowAnswers.clear();
        ui.now = ClockTime{} + 1000s + 5ms;
        g = NewTestShop();
        g->GameSpeed = 10;
        StartClockUnpaused(*g);
        ticks = 0;
        realTicks = false;
        wakes.clear();
    }
    // One wake of the clock at the time set now: the ticks due run.
    int Wake() {
        wakes.push_back(ui.now);
        const int before = ticks;
        ui.RunDueTicks([this] {
            ++ticks;
            if (realTicks) MainTick(*g);
        });
        return ticks - before;
    }
    // The clock's next wake, when it asks for it.
    int WakeWhenAsked() {
        ui.now = std::max(ui.now, *ui.NextClockWake());
        return Wake();
    }
    // Wakes the clock whenever it asks until `until`; the ticks that ran.
    int PlayUntil(ClockTime until) {
        const int before = ticks;
        for (auto wake = ui.NextClockWake(); wake && *wake <= until; wake = ui.NextClockWake()) WakeWhenAsked();
        ui.now = until;
        return ticks - before;
    }
    int PlayFor(ClockTime::duration d) { return PlayUntil(ui.now + d); }

    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g;
    int ticks = 0;
    bool realTicks = false;  // the game's own tick, or a count alone
    std::vector<ClockTime> wakes;
};

TEST_F(ClockPaceTest, EachSpeedTicksAtItsIntervalAndWakesOnTheFrameStarts) {
    for (int speed = 0; speed <= 10; ++speed) {
        SCOPED_TRACE(speed);
        g->GameSpeed = speed;
        ApplyGameSpeed(*g);
        ticks = 0;
        wakes.clear();
        const int ran = PlayFor(60s);
        const int interval = SpeedInterval(Value(speed));
        if (interval == 0) {
            EXPECT_EQ(ran, 0);
            continue;
        }
        // A minute holds 60000 / interval ticks; those of the last frame
        // start run with the next one.
        EXPECT_NEAR(ran, 60000 / interval, 64 / interval + 1);
        // The clock wakes at the frames' starts (a millisecond early), at
        // most once a frame and never for nothing.
        for (ClockTime w : wakes) EXPECT_EQ((w + kWakeEarly).time_since_epoch() % kFramePeriod, 0ms);
        EXPECT_LE(wakes.size(), std::min<std::size_t>(ran, 60000 / 64 + 1));
    }
}

TEST_F(ClockPaceTest, WhatStopsOrDelaysTheClock) {
    struct Case {
        const char* what;
        std::function<void()> act;
        int ticks;         // run by what the case does
        bool clockRunsOn;  // ticking afterwards
    };
    const Case cases[] = {
        {"held by a window for a second: nothing runs, and no backlog after",
         [this] {
             ui.HoldClock();
             PlayFor(1s);
             ui.ReleaseClock();
         },
         0, true},
        {"paused for a second",
         [this] {
             TogglePause(*g);
             PlayFor(1s);
             TogglePause(*g);
         },
         0, true},
        {"a stall of 300 ms: one tick, then the pace from then on",
         [this] {
             ui.now += 300ms;
             Wake();
         },
         1, true},
        {"a stall of 200 ms: its backlog is made up",
         [this] {
             ui.now += 200ms;
             Wake();
         },
         20, true},
        {"a window opened by a tick and up for two seconds ends the run",
         [this] {
             realTicks = true;
             g->GrandPrizePending = 1;  // the certificate comes at the tick's end
             ui.windowAnswers[Window::GrandPrize] = [this](GameState& game) {
                 ClockHold hold(ui);
                 ui.now += 2s;
                 GrandPrizeCertificateClosed(game);
             };
             ui.now += 40ms;  // four ticks due
             Wake();
         },
         1, true},
        {"the game ends inside a tick",
         [this] {
             realTicks = true;
             g->GameOverReason = 1;
             ui.now += 40ms;
             Wake();
             PlayFor(1s);
         },
         1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        // A second of play, and then the wake that has run every tick due.
        PlayFor(1s);
        WakeWhenAsked();
        const int before = ticks;
        c.act();
        EXPECT_EQ(ticks - before, c.ticks);
        EXPECT_EQ(ui.Clock().ticking(), c.clockRunsOn);
        if (!c.clockRunsOn) {
            EXPECT_FALSE(ui.NextClockWake().has_value());
            EXPECT_EQ(g->GameRunning, Value(0));
            continue;
        }
        // No backlog of what stood still: the next wake runs at most a
        // frame's ticks, and the top speed's pace goes on.
        realTicks = false;
        EXPECT_LE(WakeWhenAsked(), 7);
        EXPECT_NEAR(PlayFor(1s), 100, 7);
    }
}

TEST(FrameGrid, FramesStartEveryPeriodFromThePreviousStart) {
    const ClockTime zero{};
    struct Case {
        const char* what;
        ClockTime::duration start, now, next;
    };
    const Case cases[] = {
        {"a quick frame", 640ms, 645ms, 704ms},
        {"a frame that took 40 ms", 640ms, 680ms, 704ms},
        {"a frame that began 30 ms late and took 20", 640ms, 690ms, 704ms},
        {"a frame that ran past the next start: that one is due now", 640ms, 710ms, 704ms},
        {"three starts missed: the latest is due, the others are dropped", 640ms, 900ms, 896ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NextFrameStart(zero + c.start, zero + c.now), zero + c.next);
    }
    // What falls within a millisecond of a start belongs to it already.
    EXPECT_EQ(FrameStartAt(zero + 702ms + 900us), zero + 640ms);
    EXPECT_EQ(FrameStartAt(zero + 703ms), zero + 704ms);
    EXPECT_EQ(FrameStartAt(zero + 766ms), zero + 704ms);
}

}  // namespace
