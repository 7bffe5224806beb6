#include "sim/Deliveries.h"

#include <algorithm>

#include "sim/ClerkMessages.h"
#include "state/Ledger.h"
#include "state/MagazineCatalogue.h"
#include "state/TableRows.h"

namespace {

// Deliveries are booked as an expense of books and magazines.
constexpr int kDeliveryExpense = 2;

void SetStatus(GameState& g, const char* text) {
    g.StatusText = text;
    g.StatusTicks = 0;
}

// An order that fills the shelves: the status bar says so, and a clerk, if
// there is one, says it too.
void ReportShelvesFull(GameState& g) {
    SetStatus(g, kShelvesFullText);
    g.ClerkMessageCount = 0;
    if (g.ClerkCount.asInt() != 0) QueueClerkMessage(g, kShelvesFullText);
    ShowQueuedClerkMessages(g);
}

void DeliverBook(GameState& g, int b) {
    const std::int64_t q = g.Book.StandingOrder[b].asInt();
    const std::int64_t cost = g.Book.Cost[b].asInt();
    if (g.ShelfCapacity.asInt() <= g.CopiesOnShelves.asInt() + q) {
        // Only what fits arrives; the order stays, now as the new stock
        // level, which is what a later re-order brings.
        const std::int64_t room = ShelfRoom(g);
        g.Book.Stock[b] = g.Book.Stock[b].asInt() + room;
        g.Book.StandingOrder[b] = g.Book.Stock[b];
        AddMoney(g, -(cost * room), BooksMagazines, kDeliveryExpense);
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() + room;
        ReportShelvesFull(g);
    } else {
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() + q;
        AddMoney(g, -(cost * q), BooksMagazines, kDeliveryExpense);
        g.Book.Stock[b] = g.Book.Stock[b].asInt() + q;
        SetStatus(g, kBooksDeliveredText);
        if (g.Book.KeepReordering[b].asInt() == 0) g.Book.StandingOrder[b] = 0;
    }
    g.BookStockDirty = 1;
}

void ShiftIssueSales(GameState& g, int m) {
    g.Magazine.IssueSales[m][1] = g.Magazine.IssueSales[m][0];
    g.Magazine.IssueSales[m][0] = 0;
}

void IssueMagazine(GameState& g, int m) {
    // The old issue's unsold copies go back, written off at wholesale.
    const std::int64_t unsold = g.Magazine.Stock[m].asInt();
    const std::int64_t cost = g.Magazine.Cost[m].asInt();
    g.CopiesOnShelves = g.CopiesOnShelves.asInt() - unsold;
    AddMoney(g, -(unsold * cost), BooksMagazines, kDeliveryExpense);
    g.Magazine.Stock[m] = 0;
    g.ShopInfoDirty = 1;
    // A title kept only for its leftover copies is no longer carried: its
    // row leaves the stock window.
    if (unsold != 0 && g.Magazine.StandingOrder[m].asInt() == 0) g.MagazineStockDirty = 1;

    // The circulation history moves on; the new figure stands in both of
    // the two latest places.
    auto& circulation = g.Magazine.Circulation[m];
    for (int k = static_cast<int>(circulation.size()) - 1; k >= 1; --k) circulation[k] = circulation[k - 1];
    const std::int64_t figure = CirculationStep(g, circulation[0].asInt());
    circulation[0] = figure;
    circulation[1] = figure;

    const std::int64_t q = g.Magazine.StandingOrder[m].asInt();
    if (q == 0) return;
    if (g.ShelfCapacity.asInt() <= g.CopiesOnShelves.asInt() + q) {
        const std::int64_t room = ShelfRoom(g);
        g.Magazine.Stock[m] = g.Magazine.Stock[m].asInt() + room;
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() + room;
        AddMoney(g, -(cost * room), BooksMagazines, kDeliveryExpense);
        ShiftIssueSales(g, m);
        ReportShelvesFull(g);
    } else {
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() + q;
        g.Magazine.Stock[m] = g.Magazine.Stock[m].asInt() + q;
        AddMoney(g, -(q * cost), BooksMagazines, kDeliveryExpense);
        SetStatus(g, kMagazinesDeliveredText);
        ShiftIssueSales(g, m);
    }
    g.MagazineStockRefill = 1;
    g.ShopInfoDirty = 1;
}

}  // namespace

std::int64_t ShelfRoom(const GameState& g) {
    return std::max<std::int64_t>(0, g.ShelfCapacity.asInt() - g.CopiesOnShelves.asInt());
}

bool MagazineIssuedToday(const GameState& g, int m) {
    return g.Magazine.Listed[m].asInt() == 1 && IsIssueDay(g.Magazine.IssueCode[m], g.Day.i(), g.Weekday.i());
}

void DeliverBooks(GameState& g) {
    const int n = RowsInUse(g.BookCount, g.Book.Title);
    for (int b = 0; b < n; ++b) {
        if (g.Book.DaysToDelivery[b].asInt() == 0) continue;
        g.Book.DaysToDelivery[b] = g.Book.DaysToDelivery[b].asInt() - 1;
        g.BookStockRefill = 1;
        if (g.Book.DaysToDelivery[b].asInt() == 0) DeliverBook(g, b);
    }
}

void IssueMagazines(GameState& g) {
    const int n = RowsInUse(g.MagazineCount, g.Magazine.Name);
    for (int m = 0; m < n; ++m)
        if (MagazineIssuedToday(g, m)) IssueMagazine(g, m);
}
