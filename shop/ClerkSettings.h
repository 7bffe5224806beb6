#pragma once
// The clerks' standing cleaning orders: at what dirtiness they call in the
// cleaners (AutoCleanLevel) and which cleaning they order (CleaningMethod).
// The hour step of the shop carries the orders out.
#include "state/GameState.h"

// AutoCleanLevel, in the order the settings dialog offers them.
struct AutoCleanChoice {
    int level;
    const char* caption;
};
inline constexpr AutoCleanChoice kAutoCleanChoices[] = {
    {0, "不清扫"},
    {1, "脏乱度在80以上时进行清扫"},
    {2, "脏乱度在60以上时进行清扫"},
    {3, "脏乱度在40以上时进行清扫"},
    {4, "脏乱度在20以上时进行清扫"},
};

// CleaningMethod, in the order the settings dialog offers them.
struct CleaningMethodChoice {
    int method;
    const char* caption;
};
inline constexpr CleaningMethodChoice kCleaningMethodChoices[] = {
    {1, "简单"},
    {2, "一般"},
    {3, "仔细"},
};
// A new game has chosen no method yet (0); the dialog then offers this one.
inline constexpr int kOfferedCleaningMethod = 2;

// Which threshold choice (index into kAutoCleanChoices) shows the stored
// level; a level outside 0..4 shows "不清扫".
int AutoCleanChoiceFor(const Value& autoCleanLevel);
// Which method choice (index into kCleaningMethodChoices) shows the stored
// method; any value but 1..3 shows "一般".
int CleaningMethodChoiceFor(const Value& cleaningMethod);

// "确定": both choices are stored, the method even while no cleaning is
// ordered (its choices are greyed then).
void StoreClerkSettings(GameState& g, int autoCleanChoice, int cleaningMethodChoice);

// The dialog closes, whichever way: the clerk information window redraws.
void ClerkSettingsClosed(GameState& g);
