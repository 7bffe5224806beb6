#include "shop/ClerkSettings.h"

#include <iterator>

namespace {
constexpr int kAutoCleanCount = static_cast<int>(std::size(kAutoCleanChoices));
constexpr int kMethodCount = static_cast<int>(std::size(kCleaningMethodChoices));
}  // namespace

int AutoCleanChoiceFor(const Value& autoCleanLevel) {
    for (int k = 0; k < kAutoCleanCount; ++k)
        if (autoCleanLevel.is(kAutoCleanChoices[k].level)) return k;
    return 0;
}

int CleaningMethodChoiceFor(const Value& cleaningMethod) {
    for (int k = 0; k < kMethodCount; ++k)
        if (cleaningMethod.is(kCleaningMethodChoices[k].method)) return k;
    for (int k = 0; k < kMethodCount; ++k)
        if (kCleaningMethodChoices[k].method == kOfferedCleaningMethod) return k;
    return 0;
}

void StoreClerkSettings(GameState& g, int autoCleanChoice, int cleaningMethodChoice) {
    if (autoCleanChoice >= 0 && autoCleanChoice < kAutoCleanCount)
        g.AutoCleanLevel = kAutoCleanChoices[autoCleanChoice].level;
    if (cleaningMethodChoice >= 0 && cleaningMethodChoice < kMethodCount)
        g.CleaningMethod = kCleaningMethodChoices[cleaningMethodChoice].method;
}

void ClerkSettingsClosed(GameState& g) { g.ClerkInfoDirty = 1; }
