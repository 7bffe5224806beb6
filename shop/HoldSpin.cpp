#include "shop/HoldSpin.h"

#include <iterator>

int SpinStep(const Value& spinHoldTicks) {
    const auto ticks = spinHoldTicks.asInt();
    for (const SpinStepRow& r : kSpinSteps)
        if (ticks < r.ticksBelow) return r.step;
    return kSpinSteps[std::size(kSpinSteps) - 1].step;
}
