#include "state/Ledger.h"

namespace {
void AddTo(Value& v, std::int64_t amount) { v = v.isReal() ? Value(v.asReal() + static_cast<double>(amount)) : Value(v.asInt() + amount); }
}  // namespace

void AddMoney(GameState& g, std::int64_t amount, int category, int isIncome) {
    AddTo(g.Funds, amount);
    AddTo(g.ProfitHistory.Monthly[0], amount);
    AddTo(g.ProfitHistory.Daily[0], amount);
    AddTo(g.ProfitHistory.Yearly[0], amount);
    if (category >= 0 && category < kLedgerCategories) {
        Money m = Money::FromWhole(amount);
        for (int p = 0; p < kLedgerPeriods; ++p) {
            if (isIncome == 1)
                g.Ledger.Income[category][p] += m;
            else
                g.Ledger.Expense[category][p] -= m;
        }
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
