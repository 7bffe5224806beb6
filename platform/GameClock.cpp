#include "platform/GameClock.h"

#include "state/TheGame.h"

void GameClock::setEnabled(bool on) {
    enabled_ = on;
    notify();
}

void GameClock::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    notify();
}

void GameClock::hold() {
    ++holds_;
    enabled_ = false;
    notify();
}

void GameClock::release(bool gameRunning) {
    if (holds_ > 0) --holds_;
    if (holds_ == 0 && gameRunning) enabled_ = true;
    notify();
}

void GameClock::reset() {
    enabled_ = false;
    interval_ = 100;
    holds_ = 0;
    notify();
}

GameClock& Clock() {
    static GameClock clock;
    return clock;
}

ClockHold::~ClockHold() { Clock().release(Game().GameRunning.asInt() == 1); }
