#include "business/LedgerView.h"

#include "state/FormatMoney.h"

namespace {

constexpr const char* kCaptions[] = {"店铺的每日收支表", "店铺的每月收支表", "店铺的每年收支表"};

std::string Yen(Money m) { return FormatMoney(m.whole()) + "円"; }

}  // namespace

LedgerTable BuildLedgerTable(const GameState& g, LedgerColumn column) {
    const int p = static_cast<int>(column);
    LedgerTable t;
    Money income, expense;
    for (int k = 0; k < static_cast<int>(t.rows.size()); ++k) {
        const Money in = g.Ledger.Income[k][p];
        const Money out = g.Ledger.Expense[k][p];
        Money diff = in;
        diff -= out;
        t.rows[k] = {Yen(in), Yen(out), Yen(diff)};
        income += in;
        expense += out;
        t.net += diff;
    }
    t.total = {Yen(income), Yen(expense), Yen(t.net)};
    return t;
}

std::string LedgerCaption(LedgerColumn column) { return kCaptions[static_cast<int>(column)]; }
