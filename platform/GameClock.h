#pragma once
// The game timer's two switches (enabled, interval) and the holds on it.
// Every modal window and message box holds the clock while it is up; holds
// are counted, so a dialog opened over another never restarts the clock
// under its opener. The Qt main window mirrors this onto its QTimer.
#include <functional>

class GameClock {
public:
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    int holds() const { return holds_; }
    // True when the timer fires: enabled, not held, and an interval above 0
    // (an interval of 0 never fires).
    bool ticking() const { return enabled_ && holds_ == 0 && interval_ > 0; }

    void setEnabled(bool on);
    void setInterval(int ms);
    // A modal window or box opens: the clock stops.
    void hold();
    // It closes: when it was the last hold and a game runs, the clock runs.
    void release(bool gameRunning);
    // Back to program start: disabled, interval 100, no holds.
    void reset();

    // Called after every change, so the window side can follow.
    std::function<void()> changed;

private:
    void notify() {
        if (changed) changed();
    }
    bool enabled_ = false;
    int interval_ = 100;
    int holds_ = 0;
};

// The one game clock.
GameClock& Clock();

// Holds the clock for a scope (a box, a save).
class ClockHold {
public:
    ClockHold() { Clock().hold(); }
    ~ClockHold();
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;
};
