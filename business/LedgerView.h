#pragma once
// The ledger window's statement: the seven used ledger categories of one
// period column (the day, the month or the year so far) with income,
// expense and net, and their totals, as the window shows them. The month
// report shows the same table for the closing month.
#include <array>
#include <string>

#include "state/GameState.h"

// The category table of the month report and the ledger window: the seven
// ledger categories in screen order, top to bottom, with their row labels.
struct LedgerTableRow {
    int category;
    const char* label;
};
inline constexpr std::array<LedgerTableRow, 7> kLedgerTable = {{
    {0, "杂志和书籍"},
    {3, "店铺设施"},
    {4, "保险相关"},
    {1, "店员薪资"},
    {5, "服务相关"},
    {6, "租金"},
    {2, "其他"},
}};
inline constexpr const char* kLedgerTotalLabel = "合计";

// One row of amounts as the ledger and the month report show them:
// FormatMoney & "円".
struct LedgerCells {
    std::string income, expense, net;
};

// The ledger's period columns, as its option buttons choose them.
enum class LedgerColumn : int { Day = 0, Month = 1, Year = 2 };

struct LedgerTable {
    // Indexed by ledger category 0..6 (ILabel / OLabel / GLabel element k).
    std::array<LedgerCells, 7> rows;
    LedgerCells total;  // GoLabel 0..2
    Money net;          // the column's income minus its expense
};
LedgerTable BuildLedgerTable(const GameState& g, LedgerColumn column);

// The window's caption for a column: "店铺的每日收支表", "店铺的每月收支表"
// (its caption as it opens) or "店铺的每年收支表".
std::string LedgerCaption(LedgerColumn column);
