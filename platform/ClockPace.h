#pragma once
// When the game clock's ticks fall due and when the floor view's frames
// start, on the time the platform keeps (Platform::Now). The platform owns
// one ClockPace beside its clock and has it follow every change of the
// clock; the main window wakes when the pace asks, runs the ticks due and
// then lets the floor view draw, and the floor view starts its frames on
// the frame grid below. Nothing here reads a clock of its own, so a test
// sets the time and sees exactly what the game would do.
//
// The frames keep one grid of the platform's time, a start every 64 ms: a
// frame that starts late or takes long never pushes the next one back. The
// clock's ticks fall due one interval apart from the moment it started (or
// took up a new pace), and the clock wakes on the grid too, at the first
// frame start by which a tick is due: the ticks a frame shows run just
// before it, in the same wake, and at the top speed the game wakes once a
// frame instead of once a tick. The long-run rate of the ticks is the
// interval's exactly.
#include <chrono>
#include <functional>
#include <optional>

#include "platform/GameClock.h"

using ClockTime = std::chrono::steady_clock::time_point;

// A frame of the floor view every 64 ms.
inline constexpr std::chrono::milliseconds kFramePeriod{64};
// Timers wake in whole milliseconds: the clock asks to wake this much before
// the frame start it aims at, and what falls due by then and the next
// millisecond counts as due at that wake, so the ticks and the frame of one
// start share a wake, the ticks first.
inline constexpr std::chrono::milliseconds kWakeEarly{1};
// A clock further behind than this (the program stood still) runs no
// backlog: as a timer would, it runs one tick and takes up its pace from
// then on. A shorter delay is made up tick by tick.
inline constexpr std::chrono::milliseconds kClockBacklog{250};

// The frame grid: the start at or before `t`, counting what falls within
// kWakeEarly after it as come already, and the start after the one that
// began at `start` that has not gone by at `now` (the very next one, unless
// frames were missed).
ClockTime FrameStartAt(ClockTime t);
ClockTime NextFrameStart(ClockTime start, ClockTime now);

class ClockPace {
public:
    // The clock changed at `now`. A clock that starts to tick, or ticks at a
    // new interval, has its first tick due one interval later; a clock that
    // stands (off, held, interval 0) has none due. Either ends a run of
    // ticks in progress, whose ticks would be due at the old pace.
    void Follow(const GameClock& c, ClockTime now);
    // Runs, in order, every tick due by `now` (one call of `tick` each) and
    // returns how many ran. The run ends early when a tick changes the clock
    // (a window it opens holds it, the game ends, a new pace): the change
    // has set the pace afresh, and the ticks of the old one are dropped. A
    // run asked for inside a tick of another (a window a tick opened without
    // holding the clock) runs nothing.
    int RunDue(ClockTime now, const std::function<void()>& tick);
    // When the clock wants to wake next: a little before the frame start by
    // which its next tick is due (see kWakeEarly); none while it stands.
    std::optional<ClockTime> NextWake() const;
    // When the next tick is due; none while the clock stands.
    std::optional<ClockTime> NextDue() const { return due_; }

private:
    std::optional<ClockTime> due_;
    std::chrono::milliseconds interval_{0};
    unsigned changes_ = 0;  // counts the clock's changes, so a run sees one made by its own tick
    bool running_ = false;
};
