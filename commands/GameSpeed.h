#pragma once
// How fast the game clock runs, the pause switch, and the player's report
// settings. The game timer has two independent switches: whether it is
// enabled belongs to the dialogs and to the start and end of a game; its
// interval belongs to the speed and the pause, and lives here. A pause
// therefore survives every dialog.
#include "state/GameState.h"

// ---- speed and pause ----

// Milliseconds between ticks at a speed (0..10): 200 - 20 x speed, but 10 at
// the top speed and 0 (never fires) at speed 0.
int SpeedInterval(const Value& gameSpeed);

// Sets the game clock's interval from GameSpeed; leaves its enabled switch
// alone.
void ApplyGameSpeed(GameState& g);

// The pause button was pressed (left button only: the caller filters).
// Running -> Paused 1, pressed face, interval 0. Paused -> Paused 0,
// released face, interval from the speed.
void TogglePause(GameState& g);

// A game was started or loaded: it runs unpaused at its stored speed with
// the pause button released, and the clock is enabled. (A game saved while
// paused comes back running.)
void StartClockUnpaused(GameState& g);

// The speed spinner's value runs opposite to the speed (the upper arrow
// raises the speed): speed = 10 - value.
constexpr int kSpinnerMax = 10;
int SpinnerValueFor(const Value& speed);

// The speed dialog's spinner moved: the new speed is stored at once.
void SetGameSpeedFromSpinner(GameState& g, int spinnerValue);

// The speed dialog closes: unless paused, the new speed takes effect now;
// while paused the interval stays 0 and the speed waits for the resume.
void SpeedDialogClosed(GameState& g);

// Width of the speed bars of the speed and settings dialogs, in twips
// (15 to a pixel): 123 per step.
constexpr int kSpeedBarTwipsPerStep = 123;
int SpeedBarTwips(const Value& speed);

// ---- report settings ----

// The settings dialog's spinner moved: ReportCloseSpeed is stored at once,
// so a later Cancel keeps it.
void SetReportCloseSpeedFromSpinner(GameState& g, int spinnerValue);

// OK of the settings dialog: the two check boxes are stored (Cancel stores
// neither).
void StoreSettingChecks(GameState& g, bool showClerkMessages, bool reportManualClose);
