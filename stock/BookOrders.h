#pragma once
// The book ordering dialog's game side: the list of titles in title order,
// the columns its rows read (the rows themselves are OrderList's), the
// texts of its detail panel, the edited quantities and re-order modes, and
// what 进货 commits. Also the delivery text the book
// stock window shows.
#include <string>
#include <string_view>

#include "state/GameState.h"
#include "stock/OrderList.h"

// True when title `a` sorts before title `b`: compared by their UTF-16 code
// units, first to last, as numbers (no locale collation); where one is the
// beginning of the other, the shorter sorts first.
bool TitleSortsBefore(std::string_view a, std::string_view b);

// BookDisplayOrder: every title in title order. A title's place is the
// number of titles that sort before it, plus the number of equal titles in
// earlier rows, so equal titles keep catalogue order and none is lost.
// BookTally is left at 0. The book stock window keeps the same order in the
// same list.
void FillBookDisplayOrder(GameState& g);

// Opening the dialog: every title's edited quantity and re-order mode start
// from the committed ones, and the list is built. Returns the number of
// titles listed (BookCount).
int OpenBookOrders(GameState& g);

// The catalogue as the list reads it: the titles in BookDisplayOrder, the
// genre in the second column.
OrderCatalogue BookOrderCatalogue(GameState& g);

// The detail panel of the selected title (its quantity and what the order
// would bring come from the catalogue, as on every change).
struct BookOrderDetail {
    std::string name;
    std::string stock;   // plain digits: "12册"
    std::string description;
    bool keepReordering = false;  // "售完后继续进货" rather than "售完为止"
};
BookOrderDetail BookOrderDetailOf(const GameState& g, int title);

void SetBookEditedOrder(GameState& g, int title, int copies);
void SetBookEditedReorder(GameState& g, int title, bool keepReordering);

// One step of the all-titles adjuster, by BookAdjustHold (1 raise, 2 lower):
// every title moves one copy, within 0..999. False when no button is held.
bool StepAllBookOrders(GameState& g);

// 进货: a title ordered above its committed order with no delivery under
// way starts a three-day countdown, a title set to 0 loses its pending
// delivery, any other change leaves the countdown alone; then the edits
// become the committed order and mode, BookTitlesStocked is recounted, the
// player's effort points grow by 1 and the stock window and the schedule
// are marked for rebuilding.
void CommitBookOrders(GameState& g);

// The days a new or raised order takes to arrive.
inline constexpr int kBookDeliveryDays = 3;

// When the next delivery of a title comes and what it brings, "3日后20册";
// "无" when none is under way.
std::string DeliveryText(const GameState& g, int title);
