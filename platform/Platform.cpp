#include "platform/Platform.h"

#include <chrono>
#include <stdexcept>

namespace {
Platform* g_current = nullptr;
}  // namespace

Platform& Ui() {
    if (!g_current)
        throw std::logic_error(
            "the game reached the screen with no platform installed (SetPlatform: the Qt one in the program, "
            "a headless one in the tool and the tests)");
    return *g_current;
}

ClockTime Platform::Now() const { return std::chrono::steady_clock::now(); }

void SetPlatform(Platform* p) { g_current = p; }

Platform* InstalledPlatform() { return g_current; }
