#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/Deliveries.h"
#include "sim/ShopTick.h"
#include "state/Ledger.h"
#include "state/MagazineCatalogue.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

constexpr int kMag = 4;   // the magazine under test
constexpr int kBook = 7;  // the book under test
constexpr int kCost = 400;

// A shop on Friday 10 April 2026 in which only magazine kMag is listed,
// issued on the 10th, and nothing else is on order.
std::unique_ptr<GameState> Shop() {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 10, .hour = 23, .seed = 5});
    for (int m = 0; m < g->MagazineCount.i(); ++m) g->Magazine.Listed[m] = 0;
    g->Magazine.Listed[kMag] = 1;
    g->Magazine.IssueCode[kMag] = 10 + kMag / 1000.0;
    g->Magazine.Cost[kMag] = kCost;
    g->Book.Cost[kBook] = kCost;
    g->ClerkCount = 1;
    g->ShowClerkMessages = 1;
    return g;
}

struct Popups {
    HeadlessPlatform ui;
    ScopedPlatform scope{ui};
    int shown = 0;
    Popups() {
        ui.windowAnswers[Window::ClerkPopup] = [this](GameState&) { ++shown; };
    }
};

std::int64_t Spent(const GameState& g, std::int64_t fundsBefore) { return fundsBefore - g.Funds.asInt(); }

}  // namespace

TEST(DeliveriesMagazines, IssuedWhenListedAndTheDayFits) {
    struct Case {
        double code;
        int listed, day, weekday;
        bool issued;
    };
    const Case cases[] = {
        {10.004, 1, 10, 5, true},  {10.004, 0, 10, 5, false}, {10.004, 1, 11, 6, false},
        {40.004, 1, 1, 3, true},   {40.004, 1, 15, 3, true},  {40.004, 1, 16, 4, false},
        {62.004, 1, 7, 2, true},   {62.004, 1, 8, 3, false},  {31.004, 1, 30, 4, false},
    };
    auto g = Shop();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " on day " << c.day << ", weekday " << c.weekday);
        g->Magazine.IssueCode[kMag] = c.code;
        g->Magazine.Listed[kMag] = c.listed;
        g->Day = c.day;
        g->Weekday = c.weekday;
        EXPECT_EQ(MagazineIssuedToday(*g, kMag), c.issued);
    }
}

TEST(DeliveriesMagazines, OldIssueLeavesAndTheOrderArrivesUpToTheRoom) {
    struct Case {
        const char* what;
        int capacity, onShelves, oldStock, order;
        int stock, onAfter, spent;
        const char* status;
        bool rolled;   // issue sales and the stock window's refill
        bool rebuild;  // the title's row leaves the stock window
    };
    const Case cases[] = {
        {"fits with room to spare", 100, 30, 5, 10, 10, 35, 15 * kCost, "进货了杂志。", true, false},
        {"fits exactly", 100, 95, 5, 10, 10, 100, 15 * kCost, "书架装满了。", true, false},
        {"only part fits", 100, 98, 5, 10, 7, 100, 12 * kCost, "书架装满了。", true, false},
        {"no room", 100, 105, 5, 10, 0, 100, 5 * kCost, "书架装满了。", true, false},
        {"shelves over their room", 100, 120, 5, 10, 0, 115, 5 * kCost, "书架装满了。", true, false},
        {"no standing order", 100, 30, 5, 0, 0, 25, 5 * kCost, "", false, true},
        {"nothing ordered, nothing left", 100, 30, 0, 0, 0, 30, 0, "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = Shop();
        Popups popups;
        g->ShelfCapacity = c.capacity;
        g->CopiesOnShelves = c.onShelves;
        g->Magazine.Stock[kMag] = c.oldStock;
        g->Magazine.StandingOrder[kMag] = c.order;
        g->Magazine.IssueSales[kMag][0] = 7;
        g->Magazine.IssueSales[kMag][1] = 3;
        g->StatusText = "";
        g->MagazineStockRefill = 0;
        g->MagazineStockDirty = 0;
        const std::int64_t funds = g->Funds.asInt();

        IssueMagazines(*g);

        EXPECT_EQ(g->Magazine.Stock[kMag].asInt(), c.stock);
        EXPECT_EQ(g->CopiesOnShelves.asInt(), c.onAfter);
        EXPECT_EQ(Spent(*g, funds), c.spent);
        EXPECT_EQ(g->Ledger.Expense[BooksMagazines][0].whole(), c.spent);
        EXPECT_EQ(g->StatusText, Value(c.status));
        EXPECT_EQ(g->Magazine.IssueSales[kMag][0].asInt(), c.rolled ? 0 : 7);
        EXPECT_EQ(g->Magazine.IssueSales[kMag][1].asInt(), c.rolled ? 7 : 3);
        EXPECT_EQ(g->MagazineStockRefill.asInt(), c.rolled ? 1 : 0);
        EXPECT_EQ(g->MagazineStockDirty.asInt(), c.rebuild ? 1 : 0);
        EXPECT_EQ(g->ShopInfoDirty, Value(1));
    }
}

TEST(DeliveriesMagazines, CirculationStepsOnInRowOrder) {
    auto g = Shop();
    Popups popups;
    constexpr int kOther = 9;  // same issue day, later row
    g->Magazine.Listed[kOther] = 1;
    g->Magazine.IssueCode[kOther] = 10 + kOther / 1000.0;
    for (int k = 0; k < 12; ++k) {
        g->Magazine.Circulation[kMag][k] = 50000 + k;
        g->Magazine.Circulation[kOther][k] = 900000 + k;
    }
    const Random before = g->rng;

    IssueMagazines(*g);

    g->rng = before;
    const std::int64_t first = CirculationStep(*g, 50000);
    const std::int64_t second = CirculationStep(*g, 900000);
    ASSERT_NE(first, 50000);
    EXPECT_EQ(g->Magazine.Circulation[kMag][0].asInt(), first);
    EXPECT_EQ(g->Magazine.Circulation[kMag][1].asInt(), first);
    EXPECT_EQ(g->Magazine.Circulation[kOther][0].asInt(), second);
    for (int k = 2; k < 12; ++k) {
        EXPECT_EQ(g->Magazine.Circulation[kMag][k].asInt(), 50000 + k - 1);
        EXPECT_EQ(g->Magazine.Circulation[kOther][k].asInt(), 900000 + k - 1);
    }
}

TEST(DeliveriesMagazines, FullShelvesTellTheClerkToSayIt) {
    struct Case {
        const char* what;
        int clerks, showMessages;
        int queued, popups;
    };
    const Case cases[] = {
        {"a clerk says it", 1, 1, 1, 1},
        {"no clerk", 0, 1, 0, 0},
        {"messages turned off", 1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = Shop();
        Popups popups;
        g->ClerkCount = c.clerks;
        g->ShowClerkMessages = c.showMessages;
        g->ClerkMessageCount = 3;
        g->ShelfCapacity = 10;
        g->Magazine.StandingOrder[kMag] = 20;
        IssueMagazines(*g);
        EXPECT_EQ(g->StatusText, Value("书架装满了。"));
        EXPECT_EQ(g->ClerkMessageCount.asInt(), c.queued);
        if (c.queued) {
            EXPECT_EQ(g->ClerkMessages[0], Value("书架装满了。"));
        }
        EXPECT_EQ(popups.shown, c.popups);
    }
}

TEST(DeliveriesBooks, OrderArrivesThreeNewDaysAfterOrdering) {
    auto g = Shop();
    Popups popups;
    g->Magazine.Listed[kMag] = 0;
    g->ShelfCapacity = 100;
    g->Book.StandingOrder[kBook] = 5;
    g->Book.DaysToDelivery[kBook] = 3;
    const std::int64_t funds = g->Funds.asInt();
    const int expectedStock[] = {0, 0, 5};
    for (int day = 0; day < 3; ++day) {
        SCOPED_TRACE(testing::Message() << "new day " << day + 1);
        g->Hour = 23;
        g->HourTicks = 9;
        g->TicksPerHour = 10;
        ShopTick(*g);
        ASSERT_EQ(g->Hour, Value(0));
        EXPECT_EQ(g->Book.DaysToDelivery[kBook].asInt(), 2 - day);
        EXPECT_EQ(g->Book.Stock[kBook].asInt(), expectedStock[day]);
        EXPECT_EQ(g->BookStockRefill, Value(1));
    }
    EXPECT_EQ(g->CopiesOnShelves.asInt(), 5);
    EXPECT_EQ(g->Ledger.Expense[BooksMagazines][2].whole(), 5 * kCost);
    EXPECT_EQ(g->Funds.asInt(), funds - 5 * kCost);
    EXPECT_EQ(g->StatusText, Value("进货了书籍。"));
    EXPECT_EQ(g->BookStockDirty, Value(1));
}

TEST(DeliveriesBooks, ArrivingOrderFillsOnlyTheRoomLeft) {
    struct Case {
        const char* what;
        int onShelves, stock, order, keep;
        int stockAfter, onAfter, orderAfter, spent;
        const char* status;
    };
    const Case cases[] = {
        {"fits, order cleared", 10, 2, 5, 0, 7, 15, 0, 5 * kCost, "进货了书籍。"},
        {"fits, kept for re-ordering", 10, 2, 5, 1, 7, 15, 5, 5 * kCost, "进货了书籍。"},
        // A filling order stays, as the new stock level.
        {"fits exactly", 95, 2, 5, 0, 7, 100, 7, 5 * kCost, "书架装满了。"},
        {"only part fits", 98, 2, 5, 0, 4, 100, 4, 2 * kCost, "书架装满了。"},
        {"no room", 100, 2, 5, 1, 2, 100, 2, 0, "书架装满了。"},
        {"shelves over their room", 120, 8, 5, 0, 8, 120, 8, 0, "书架装满了。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = Shop();
        Popups popups;
        g->ShelfCapacity = 100;
        g->CopiesOnShelves = c.onShelves;
        g->Book.Stock[kBook] = c.stock;
        g->Book.StandingOrder[kBook] = c.order;
        g->Book.KeepReordering[kBook] = c.keep;
        g->Book.DaysToDelivery[kBook] = 1;
        const std::int64_t funds = g->Funds.asInt();

        DeliverBooks(*g);

        EXPECT_EQ(g->Book.DaysToDelivery[kBook].asInt(), 0);
        EXPECT_EQ(g->Book.Stock[kBook].asInt(), c.stockAfter);
        EXPECT_EQ(g->CopiesOnShelves.asInt(), c.onAfter);
        EXPECT_EQ(g->Book.StandingOrder[kBook].asInt(), c.orderAfter);
        EXPECT_EQ(Spent(*g, funds), c.spent);
        EXPECT_EQ(g->StatusText, Value(c.status));
        EXPECT_EQ(g->BookStockDirty, Value(1));
        EXPECT_EQ(popups.shown, std::string(c.status) == "书架装满了。" ? 1 : 0);
    }
}
