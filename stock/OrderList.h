#pragma once
// What the two ordering dialogs share: the list of twelve row slots over a
// viewport that shows eleven in full, its rows, the upside-down quantity
// spinner, and the money a whole order would bring if every copy sold.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "state/Value.h"

inline constexpr int kOrderRowSlots = 12;   // slot 11 lies under the viewport's lower edge
inline constexpr int kOrderRowsShown = 11;  // slots shown in full
inline constexpr int kMaxOrderCopies = 999;

// The highest top position of a list of `titles` entries: the last title
// stands in slot 10, the last slot shown in full. Never below 0, so a short
// list does not scroll.
int OrderListScrollMax(int titles);

// The spinner's value runs opposite to the quantity: 0 is 999 copies and
// 999 none, so its upper arrow adds a copy.
int OrderSpinnerValue(const Value& copies);
int CopiesFromSpinner(int spinnerValue);
// MagazineAdjustHold and BookAdjustHold: which arrow of the all-titles
// adjuster is held.
enum OrderAdjust { AdjustIdle = 0, AdjustRaise = 1, AdjustLower = 2 };

// A quantity kept within 0..999.
int ClampOrderCopies(std::int64_t copies);

// One step of the all-titles adjuster by `hold` (which arrow is held): each
// quantity in `edited` whose title `stepped` accepts (every one without it)
// moves one copy up (below 999) or down (above 0). False when no arrow is
// held and nothing moved.
bool StepAllOrders(int hold, std::span<Value> edited, const std::function<bool(int)>& stepped = nullptr);

// A count of copies as the rows show it: plain digits and "册" ("300册").
std::string CopiesText(const Value& copies);
// A price as the rows show it: plain digits and "円" ("370円").
std::string PlainYenText(const Value& yen);

// The three amounts of an order if every copy sold, each grouped by
// FormatMoney and followed by "円".
struct OrderTotals {
    std::string retail;     // copies x price (零售价)
    std::string wholesale;  // copies x cost (进货价)
    std::string profit;     // the difference (利润)
};
OrderTotals TotalsIfAllSold(const Value& cost, const Value& price, const Value& copies);

// One catalogue as its ordering list reads and edits it: the magazines and
// the books keep the same kinds of columns under names of their own.
// Built from the game for each use (MagazineOrderCatalogue,
// BookOrderCatalogue).
struct OrderCatalogue {
    std::span<const Value> list;         // list position -> title row, in the order listed
    std::span<const Value> name;
    std::span<const Value> second;       // the list's second column: issue day or genre
    std::span<const Value> cost, price;  // 円 a copy
    std::span<const Value> description;
    std::span<Value> edited;             // the quantity the dialog edits, EditedOrder
    int titles = 0;                      // the catalogue's rows in use
};

// One row of the list: the title at list position `position` of the
// `listed` titles. A position outside them, or a list entry that names no
// title of the catalogue, gives a blank row.
struct OrderRow {
    bool filled = false;
    int title = -1;
    std::string name, second, cost, price, copies, description;
};
OrderRow OrderRowAt(const OrderCatalogue& c, int position, int listed);

// The spinner sets one title's edited quantity, kept within 0..999.
void SetEditedOrder(const OrderCatalogue& c, int title, int copies);

// TotalsIfAllSold of one title's edited quantity.
OrderTotals TotalsOf(const OrderCatalogue& c, int title);
