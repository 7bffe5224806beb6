#include "state/Ledger.h"

#include <algorithm>
#include <limits>

namespace {

// Money never leaves the range the game holds: a booking beyond it is
// booked at the limit, and a total at the limit stays there. No sum of the
// game's money can wrap round and end the game by arithmetic.
constexpr std::int64_t Held(std::int64_t yen) { return std::clamp(yen, -kYenLimit, kYenLimit); }

std::int64_t HeldSum(std::int64_t total, std::int64_t amount) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(total, amount, &sum))
        sum = amount > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return Held(sum);
}

void AddTo(Value& v, std::int64_t amount) {
    if (v.isReal())
        v = std::clamp(v.asReal() + static_cast<double>(amount), static_cast<double>(-kYenLimit),
                       static_cast<double>(kYenLimit));
    else
        v = HeldSum(v.asInt(), amount);
}

void AddToCell(Money& cell, Money amount) {
    constexpr std::int64_t limit = kYenLimit * Money::kScale;
    cell += amount;  // saturates
    cell = Money::FromRaw(std::clamp(cell.raw(), -limit, limit));
}

}  // namespace

void AddMoney(GameState& g, std::int64_t amount, int category, int isIncome) {
    amount = Held(amount);
    AddTo(g.Funds, amount);
    AddTo(g.ProfitHistory.Monthly[0], amount);
    AddTo(g.ProfitHistory.Daily[0], amount);
    AddTo(g.ProfitHistory.Yearly[0], amount);
    if (category >= 0 && category < kLedgerCategories) {
        const Money m = Money::FromWhole(isIncome == 1 ? amount : -amount);
        for (int p = 0; p < kLedgerPeriods; ++p)
            AddToCell(isIncome == 1 ? g.Ledger.Income[category][p] : g.Ledger.Expense[category][p], m);
    }
    g.CaptionDirty = 1;
    g.ShopInfoDirty = 1;
    g.LedgerDirty = 1;
    g.ProfitChartDirty = 1;
    if (g.Funds.asReal() < 0) g.GameOverReason = 1;
}

void ShiftHistory(Col<13>& history) {
    for (int k = 11; k >= 1; --k) history[k] = history[k - 1];
    history[0] = 0;
}
