#pragma once
// The headless answer of every game window built so far, for a platform
// without a screen (tests, the headless tool, the benchmarks):
//   HeadlessPlatform ui{GameWindowDefaults()};
#include "platform/WindowDefaults.h"

WindowDefaults GameWindowDefaults();
