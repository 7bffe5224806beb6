#pragma once
// The one way money moves: AddMoney books an amount into the funds, the
// period profit totals and the ledger, and raises the money windows' flags.
#include <cstdint>

#include "state/GameState.h"

enum LedgerCategory {
    BooksMagazines = 0,
    Salaries = 1,
    OtherCategory = 2,
    Facilities = 3,
    Insurance = 4,
    Services = 5,
    Rent = 6,
};
constexpr int kLedgerCategories = 11;
constexpr int kLedgerPeriods = 3;  // 0 day, 1 month, 2 year

// An income of x yen is AddMoney(g, x, category, 1); an expense
// AddMoney(g, -x, category, 0). Any flag other than 1 books an expense.
// Every sum is held within kYenLimit yen either way (Money.h): a booking or
// a total past it stays at the limit instead of overflowing.
void AddMoney(GameState& g, std::int64_t amount, int category, int isIncome);

// Period close of one history table: element k takes element k-1 for
// k = 11..1, element 0 becomes 0, element 12 is left alone.
void ShiftHistory(Col<13>& history);
