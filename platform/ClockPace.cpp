#include "platform/ClockPace.h"

#include <algorithm>

namespace {

// The grid counts from the zero of the platform's time.
ClockTime GridPoint(long long frames) { return ClockTime{} + frames * kFramePeriod; }

long long FramesBefore(ClockTime t) {
    const auto since = t.time_since_epoch();
    const long long n = since / kFramePeriod;
    return since - n * kFramePeriod < ClockTime::duration::zero() ? n - 1 : n;
}

// The first frame start at or after `t`.
ClockTime FrameStartFrom(ClockTime t) {
    const ClockTime at = GridPoint(FramesBefore(t));
    return at == t ? at : at + kFramePeriod;
}

}  // namespace

ClockTime FrameStartAt(ClockTime t) { return GridPoint(FramesBefore(t + kWakeEarly)); }

ClockTime NextFrameStart(ClockTime start, ClockTime now) { return std::max(start + kFramePeriod, FrameStartAt(now)); }

void ClockPace::Follow(const GameClock& c, ClockTime now) {
    if (!c.ticking()) {
        if (due_) ++changes_;
        due_.reset();
        interval_ = std::chrono::milliseconds{0};
        return;
    }
    const std::chrono::milliseconds interval{c.interval()};
    if (due_ && interval == interval_) return;  // ticking at this pace already
    interval_ = interval;
    due_ = now + interval;
    ++changes_;
}

int ClockPace::RunDue(ClockTime now, const std::function<void()>& tick) {
    if (running_ || !due_) return 0;
    const ClockTime by = now + kWakeEarly;
    if (by - *due_ > kClockBacklog) due_ = now;
    // Cleared however the run ends, a tick that throws included.
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(running_);
    const unsigned at = changes_;
    int ran = 0;
    while (changes_ == at && due_ && *due_ <= by) {
        *due_ += interval_;
        ++ran;
        tick();
    }
    return ran;
}

std::optional<ClockTime> ClockPace::NextWake() const {
    if (!due_) return std::nullopt;
    return FrameStartFrom(*due_) - kWakeEarly;
}
