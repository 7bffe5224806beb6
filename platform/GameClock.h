#pragma once
// The game timer's two switches and the holds on it. Whether the clock is
// switched on belongs to the start and end of a game; its interval belongs
// to the speed and the pause. Every modal window and message box holds the
// clock while it is up; holds are counted, so a dialog opened over another
// never restarts the clock under its opener, and the clock runs again only
// when the last hold is gone and a game is on. The platform owns the one
// clock of the program and lets the window side follow every change.
class GameClock {
public:
    // The timer as a window sees it: switched on and not held.
    bool enabled() const { return on_ && holds_ == 0; }
    int interval() const { return interval_; }
    int holds() const { return holds_; }
    // True when the timer fires: enabled and an interval above 0 (an
    // interval of 0 never fires).
    bool ticking() const { return enabled() && interval_ > 0; }

    // A game starts or is loaded (true), or ends (false).
    void setEnabled(bool on) { on_ = on; }
    void setInterval(int ms) { interval_ = ms < 0 ? 0 : ms; }
    void hold() { ++holds_; }
    void release() {
        if (holds_ > 0) --holds_;
    }
    // Back to program start: off, interval 100, no holds.
    void reset() { *this = GameClock{}; }

private:
    bool on_ = false;
    int interval_ = 100;
    int holds_ = 0;
};
