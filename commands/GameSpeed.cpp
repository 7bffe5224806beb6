#include "commands/GameSpeed.h"

#include "platform/Platform.h"

int SpeedInterval(const Value& gameSpeed) {
    const int speed = gameSpeed.i();
    int interval = 200 - 20 * speed;
    if (speed == 10) interval = 10;  // the formula would give 0, which stops the clock
    if (speed == 0) interval = 0;    // speed 0 stands the clock still
    return interval;
}

void ApplyGameSpeed(GameState& g) { Ui().SetClockInterval(SpeedInterval(g.GameSpeed)); }

void TogglePause(GameState& g) {
    if (g.Paused.asInt() == 0) {
        g.Paused = 1;
        Ui().ShowPauseFace(true);
        Ui().SetClockInterval(0);
    } else {
        g.Paused = 0;
        Ui().ShowPauseFace(false);
        ApplyGameSpeed(g);
    }
}

void StartClockUnpaused(GameState& g) {
    g.Paused = 0;
    Ui().ShowPauseFace(false);
    ApplyGameSpeed(g);
    Ui().SetClockEnabled(true);
}

int SpinnerValueFor(const Value& speed) { return kSpinnerMax - speed.i(); }

void SetGameSpeedFromSpinner(GameState& g, int spinnerValue) { g.GameSpeed = kSpinnerMax - spinnerValue; }

void SpeedDialogClosed(GameState& g) {
    if (g.Paused.asInt() == 0) ApplyGameSpeed(g);
}

int SpeedBarTwips(const Value& speed) { return kSpeedBarTwipsPerStep * speed.i(); }

void SetReportCloseSpeedFromSpinner(GameState& g, int spinnerValue) {
    g.ReportCloseSpeed = kSpinnerMax - spinnerValue;
}

void StoreSettingChecks(GameState& g, bool showClerkMessages, bool reportManualClose) {
    g.ShowClerkMessages = showClerkMessages ? 1 : 0;
    g.ReportManualClose = reportManualClose ? 1 : 0;
}
