// The game side of the stock windows, the delivery schedule and the top-10
// windows: which titles have rows, what the rows read, the sizes of the
// windows, and how a book order counts down day by day to its delivery.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/Customer.h"
#include "sim/Deliveries.h"
#include "sim/ShopTick.h"
#include "state/NewGame.h"
#include "stock/BookOrders.h"
#include "stock/DeliverySchedule.h"
#include "stock/MagazineOrders.h"
#include "stock/StockReport.h"
#include "stock/TopTen.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewGameOn(int year, int month, int day, int hour = 8) {
    return NewTestShop({.year = year, .month = month, .day = day, .hour = hour, .seed = 7});
}

std::vector<std::string> Names(const std::vector<MagazineStockRow>& rows) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r.name);
    return out;
}

// A small catalogue of our own: magazines m0.. and books b0.. .
struct Magazine {
    double code;
    int listed, order, stock;
};
struct Book {
    const char* title;
    int order, countdown, stock;
};
std::unique_ptr<GameState> Catalogue(const std::vector<Magazine>& mags, const std::vector<Book>& books) {
    auto g = std::make_unique<GameState>();
    for (std::size_t i = 0; i < mags.size(); ++i) {
        g->Magazine.Name[i] = "m" + std::to_string(i);
        g->Magazine.IssueCode[i] = mags[i].code;
        g->Magazine.Listed[i] = mags[i].listed;
        g->Magazine.StandingOrder[i] = mags[i].order;
        g->Magazine.Stock[i] = mags[i].stock;
        g->Magazine.Cost[i] = 400;
        g->Magazine.Price[i] = 580;
    }
    for (std::size_t i = 0; i < books.size(); ++i) {
        g->Book.Title[i] = books[i].title;
        g->Book.StandingOrder[i] = books[i].order;
        g->Book.DaysToDelivery[i] = books[i].countdown;
        g->Book.Stock[i] = books[i].stock;
        g->Book.Cost[i] = 4000;
        g->Book.Price[i] = 4480;
    }
    g->MagazineCount = static_cast<int>(mags.size());
    g->BookCount = static_cast<int>(books.size());
    return g;
}

void SetDate(GameState& g, int year, int month, int day, int weekday) {
    g.Year = year;
    g.Month = month;
    g.Day = day;
    g.Weekday = weekday;
}

// Runs the shop tick until the next day has begun.
void RunToNextDay(GameState& g) {
    const Value day = g.Day;
    for (int tick = 0; tick < 100000 && g.Day == day; ++tick) ShopTick(g);
    ASSERT_NE(g.Day, day) << "the day never turned";
}

}  // namespace

// ---- magazine stock window ----

TEST(StockReport, MagazineGaugeTextAndFill) {
    const struct {
        int stock, order;
        const char* text;
        double fill;
    } cases[] = {
        {12, 20, "12/20", 34.2},
        {0, 20, "0/20", 0},     // just ordered: no green
        {20, 20, "20/20", 57},
        {25, 20, "25/25", 57},  // above the order: full
        {8, 0, "8/8", 57},      // no order: full
        {-3, 20, "-3/20", 0},   // never a negative width
        {-2, 0, "-2/-2", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const StockGauge gauge = MagazineStockGauge(c.stock, c.order);
        EXPECT_EQ(gauge.text, c.text);
        EXPECT_DOUBLE_EQ(gauge.fill, c.fill);
    }
    EXPECT_EQ(MagazineStockGauge(Value(), 20).text, "0/20");  // an empty figure is 0
}

TEST(StockReport, MagazineRowsByIssueDayWithTheirTexts) {
    // Keys as a saved game may hold them: two equal, one unlisted.
    auto g = Catalogue({{61.0, 1, 20, 12},
                        {40.0, 1, 0, 8},
                        {1.0, 1, 0, 0},   // neither order nor stock: no row
                        {40.0, 1, 5, 0},  // equal key: after m1
                        {2.0, 0, 9, 9},   // not listed: no row
                        {1.0, 1, 3, 0}},
                       {});
    g->Magazine.IssueSales[0][1] = 14;
    g->MagazineTally = 9;
    g->MagazineStockDirty = 1;

    EXPECT_EQ(RebuildMagazineStock(*g), 4);
    EXPECT_EQ(g->MagazineStockRowCount, Value(4));
    EXPECT_EQ(g->MagazineStockDirty, Value(0));
    EXPECT_EQ(g->MagazineStockRefill, Value(1));

    const std::vector<MagazineStockRow> rows = RefillMagazineStock(*g);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"m5", "m1", "m3", "m0"}));
    EXPECT_EQ(g->MagazineStockRefill, Value(0));
    EXPECT_EQ(g->MagazineTally, Value(0));
    const MagazineStockRow& m0 = rows[3];
    EXPECT_EQ(m0.profit, "180円");
    EXPECT_EQ(m0.stock.text, "12/20");
    EXPECT_EQ(m0.lastIssue, "14册");
    EXPECT_EQ(rows[0].lastIssue, "0册");  // no issue yet

    // Nothing carried: no rows, and the window is to close.
    auto empty = Catalogue({{1.0, 1, 0, 0}}, {});
    EXPECT_EQ(RebuildMagazineStock(*empty), 0);
    EXPECT_TRUE(RefillMagazineStock(*empty).empty());
}

TEST(StockReport, RebuildFitAndLayoutRule) {
    // With 3 rows the sheet is 121 px high.
    EXPECT_EQ(StockSheetHeight(3), 121);
    EXPECT_EQ(StockRuleBottom(3), 53);
    const struct {
        int sheet, inner, extra;
        int scrollMax, outerHeight;
    } fits[] = {
        {121, 96, kMagazineFitExtra, 0, 1830},  // fits: sheet + 1 px
        {121, 96, kBookFitExtra, 0, 1815},
        {121, 95, kMagazineFitExtra, 0, 0},     // does not fit: height stays
        {1000, 150, kMagazineFitExtra, 824, 0},
    };
    for (const auto& c : fits) {
        SCOPED_TRACE(testing::Message() << c.sheet << " in " << c.inner);
        const StockRebuildFit f = StockFitAfterRebuild(c.sheet, c.inner, c.extra);
        EXPECT_EQ(f.scrollMax, c.scrollMax);
        EXPECT_EQ(f.outerHeight, c.outerHeight);
    }

    const struct {
        const char* what;
        OuterSize outer;
        int inner, sheet;
        OuterSize wanted;
    } outers[] = {
        {"opening width trimmed", {5295, 2500}, 140, 1000, {5294, 2500}},
        {"dragged wide", {6000, 2500}, 140, 1000, {5294, 2500}},
        {"narrower is fine", {3000, 2500}, 140, 1000, {3000, 2500}},
        {"dragged low", {5294, 1000}, 40, 1000, {5294, 1201}},
        {"taller than its sheet snaps back", {5294, 3000}, 170, 121, {5294, 1815}},
        {"sheet just fits", {5294, 2500}, 96, 121, {5294, 1815}},
    };
    for (const auto& c : outers) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(StockWindowOuter(c.outer, c.inner, c.sheet), c.wanted);
    }

    EXPECT_EQ(StockWindowLayout(344, 150, 1000), (StockWindowParts{321, 110, 823, 110}));
    // Every row fits: the bar never moves the sheet.
    EXPECT_EQ(StockWindowLayout(344, 150, 121).scrollMax, 0);
    EXPECT_EQ(StockWindowLayout(344, 20, 121), (StockWindowParts{321, 0, 74, 0}));
}

// ---- book stock window ----

TEST(StockReport, BookRowsByTitleWithTheirTexts) {
    auto g = Catalogue({}, {{"b", 0, 0, 5},
                            {"a", 20, 3, 0},   // ordered today
                            {"c", 0, 0, 0},    // nothing: no row
                            {"ab", 0, 0, -1},  // a negative stock alone has no row
                            {"a", 0, 0, 2}});  // equal title: after the first "a"
    g->Book.CopiesSold[0] = 12;
    EXPECT_EQ(RebuildBookStock(*g), 3);
    EXPECT_EQ(g->BookStockRowCount, Value(3));
    EXPECT_EQ(g->BookStockRefill, Value(1));

    const std::vector<BookStockRow> rows = RefillBookStock(*g);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].title, 1);
    EXPECT_EQ(rows[1].title, 4);
    EXPECT_EQ(rows[2].title, 0);
    EXPECT_EQ(rows[0].stock, "0册");
    EXPECT_EQ(rows[0].delivery, "3日后20册");
    EXPECT_EQ(rows[2].name, "b");
    EXPECT_EQ(rows[2].profit, "480円");
    EXPECT_EQ(rows[2].stock, "5册");
    EXPECT_EQ(rows[2].sold, "12册");
    EXPECT_EQ(rows[2].delivery, "无");
    EXPECT_EQ(g->BookTally, Value(0));
}

// A book ordered on day D counts down on the next two days and arrives on
// D + 3; the stock window and the schedule follow it.
TEST(StockReport, BookOrderCountsDownDayByDayAndArrives) {
    HeadlessPlatform ui;
    ScopedPlatform scope(ui);
    auto g = NewGameOn(2026, 4, 10);
    g->ShelfCapacity = 1000;
    const int book = 7;
    OpenBookOrders(*g);
    SetBookEditedOrder(*g, book, 20);
    CommitBookOrders(*g);

    auto rowOf = [&] {
        for (const BookStockRow& r : RefillBookStock(*g))
            if (r.title == book) return r;
        return BookStockRow{};
    };
    auto scheduledOn = [&](int day) {
        const DeliverySchedule s = MonthSchedule(*g);
        const ScheduleDay& d = s.days[day - 1];
        return s.rows[d.firstRow].name == g->Book.Title[book].asText();
    };
    EXPECT_EQ(rowOf().delivery, "3日后20册");
    EXPECT_EQ(rowOf().stock, "0册");
    EXPECT_TRUE(scheduledOn(13));

    const char* expected[] = {"2日后20册", "1日后20册"};
    for (const char* text : expected) {
        g->ScheduleDirty = 0;
        g->BookStockRefill = 0;
        RunToNextDay(*g);
        EXPECT_EQ(g->BookStockRefill, Value(1));
        EXPECT_EQ(g->ScheduleDirty, Value(1));
        EXPECT_EQ(rowOf().delivery, text) << "day " << g->Day.asInt();
        EXPECT_TRUE(scheduledOn(13));
    }

    g->BookStockDirty = 0;
    RunToNextDay(*g);
    EXPECT_EQ(g->Day, Value(13));
    EXPECT_EQ(g->Book.Stock[book], Value(20));
    EXPECT_EQ(g->BookStockDirty, Value(1));
    EXPECT_EQ(rowOf().delivery, "无");
    EXPECT_EQ(rowOf().stock, "20册");
    EXPECT_FALSE(scheduledOn(13));
}

// ---- flags raised by the day and the register ----

TEST(StockReport, IssueDayThatEmptiesATitleRaisesTheRebuild) {
    auto g = NewGameOn(2026, 4, 10);
    const int title = 0;  // issued on the 1st
    g->Magazine.Stock[title] = 5;
    g->CopiesOnShelves = 5;
    g->MagazineStockDirty = 0;
    g->Day = 1;
    IssueMagazines(*g);
    EXPECT_EQ(g->Magazine.Stock[title], Value(0));
    EXPECT_FALSE(MagazineCarried(*g, title));
    // Its row has to go, so the window must recount.
    EXPECT_EQ(g->MagazineStockDirty, Value(1));
}

TEST(StockReport, ReorderAtTheRegisterRaisesTheSchedule) {
    HeadlessPlatform ui;
    ScopedPlatform scope(ui);
    auto g = NewGameOn(2026, 4, 10);
    const int shopper = 6, book = 5;
    g->CopiesOnShelves = 10;
    g->Book.Stock[book] = 2;
    g->Book.HeldCopies[book] = 2;
    g->CopiesHeld = 2;
    g->Book.StandingOrder[book] = 5;
    g->Book.KeepReordering[book] = 1;
    g->Person.BookCopies[shopper] = 2;
    g->Person.TitleTaken[shopper] = book;
    g->ScheduleDirty = 0;
    CheckoutCustomer(*g, shopper);
    ASSERT_EQ(g->Book.DaysToDelivery[book], Value(3));
    // The new delivery belongs on the schedule at once.
    EXPECT_EQ(g->ScheduleDirty, Value(1));
}

// ---- delivery schedule ----

TEST(Schedule, AMonthWithNothingOrdered) {
    auto g = Catalogue({{1.0, 1, 0, 0}}, {{"a", 0, 0, 0}});
    // The 10th is a Wednesday: the 1st was a Monday.
    SetDate(*g, 2026, 6, 10, 3);
    g->ScheduleDirty = 1;
    const DeliverySchedule s = RebuildDeliverySchedule(*g);
    EXPECT_EQ(g->ScheduleDirty, Value(0));
    EXPECT_EQ(g->ScheduleRow, Value(30));
    EXPECT_EQ(s.heading, "2026年6月");
    ASSERT_EQ(s.days.size(), 30u);
    ASSERT_EQ(s.rows.size(), 30u);
    const char* labels[] = {"1日 星期一", "2日 星期二", "7日 星期日", "10日 星期三", "30日 星期二"};
    const int days[] = {1, 2, 7, 10, 30};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.days[days[i] - 1].label, labels[i]);
    for (const ScheduleDay& d : s.days) {
        EXPECT_EQ(d.today, d.day == 10) << d.day;  // only today in red
        EXPECT_EQ(d.firstRow, d.day - 1);
        EXPECT_EQ(s.rows[d.firstRow].name, "无");
        EXPECT_EQ(s.rows[d.firstRow].copies, "");
        EXPECT_EQ(s.rows[d.firstRow].cost, "");
    }
}

TEST(Schedule, MonthLengths) {
    const struct {
        int year, month, days;
    } cases[] = {{2024, 2, 29}, {2026, 2, 28}, {2026, 4, 30}, {2026, 12, 31}};
    for (const auto& c : cases) {
        auto g = Catalogue({}, {});
        SetDate(*g, c.year, c.month, 1, 0);
        EXPECT_EQ(MonthSchedule(*g).days.size(), static_cast<std::size_t>(c.days)) << c.year << "-" << c.month;
    }
}

TEST(Schedule, WhatComesOnWhichDay) {
    auto g = Catalogue({{40.0, 1, 10, 0},   // m0: the 1st and the 15th
                        {62.0, 1, 3, 0},    // m1: every Tuesday
                        {31.0, 1, 5, 0},    // m2: no 31st in June
                        {15.0, 1, 0, 0},    // m3: no standing order
                        {15.0, 0, 4, 0},    // m4: not listed
                        {15.002, 1, 2, 0}},  // m5: the 15th, whatever the fraction
                       {{"b0", 20, 3, 0},    // arrives on the 13th
                        {"b1", 7, 25, 0},    // past the month's end
                        {"b2", 2, 5, 0}});   // the 15th, before the magazines
    SetDate(*g, 2026, 6, 10, 3);
    const DeliverySchedule s = MonthSchedule(*g);
    auto namesOn = [&](int day) {
        const int first = s.days[day - 1].firstRow;
        const int end = day < static_cast<int>(s.days.size()) ? s.days[day].firstRow : static_cast<int>(s.rows.size());
        std::vector<std::string> names;
        for (int r = first; r < end; ++r) names.push_back(s.rows[r].name);
        return names;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(namesOn(1), V{"m0"});
    EXPECT_EQ(namesOn(2), V{"m1"});  // a Tuesday
    EXPECT_EQ(namesOn(9), V{"m1"});  // days before today still list their issues
    EXPECT_EQ(namesOn(13), V{"b0"});
    EXPECT_EQ(namesOn(15), (V{"b2", "m0", "m5"}));
    EXPECT_EQ(namesOn(14), V{"无"});
    EXPECT_EQ(namesOn(30), V{"m1"});
    for (int d = 1; d <= 30; ++d)
        for (const std::string& n : namesOn(d)) EXPECT_TRUE(n != "m2" && n != "m3" && n != "m4" && n != "b1") << n;

    // The whole standing order with its cost.
    const ScheduleLine& b0 = s.rows[s.days[12].firstRow];
    EXPECT_EQ(b0.copies, "20册");
    EXPECT_EQ(b0.cost, "8万0000円");
    const ScheduleLine& m0 = s.rows[s.days[0].firstRow];
    EXPECT_EQ(m0.copies, "10册");
    EXPECT_EQ(m0.cost, "4000円");
}

TEST(Schedule, WindowSizeRules) {
    EXPECT_EQ(ScheduleListHeight(30), 488);
    EXPECT_EQ(ScheduleRuleBottom(30), 458);
    const struct {
        const char* what;
        OuterSize outer;
        int client, list;
        OuterSize wanted;
    } cases[] = {
        {"never wider than 5294", {6000, 4500}, 270, 488, {5294, 4500}},
        {"never lower than 1201", {5294, 900}, 30, 488, {5294, 1201}},
        {"taller than the list shrinks to it", {5294, 9000}, 570, 488, {5294, 7740}},
        {"list just fits", {5294, 7740}, 492, 488, {5294, 7740}},
        {"list taller than the window", {5294, 4500}, 270, 488, {5294, 4500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ScheduleWindowOuter(c.outer, c.client, c.list), c.wanted);
    }
    EXPECT_EQ(ScheduleWindowLayout(344, 270, 488), (ScheduleWindowParts{327, 241, 222, 240}));
    EXPECT_EQ(ScheduleWindowLayout(344, 600, 488).scrollMax, 0);
}

// ---- top-10 ----

TEST(TopTen, NewGameShowsTenTitlesWithTheirPrices) {
    auto g = NewGameOn(2026, 4, 10);
    const TopTenList books = TopTenBooks(*g);
    const TopTenList mags = TopTenMagazines(*g);
    for (int i = 0; i < kTopTenRows; ++i) {
        EXPECT_EQ(books[i].rank, std::to_string(i + 1));
        const int b = g->TopBooks[i].i(), m = g->TopMagazines[i].i();
        EXPECT_EQ(books[i].title, g->Book.Title[b].asText());
        EXPECT_EQ(mags[i].title, g->Magazine.Name[m].asText());
        EXPECT_FALSE(books[i].title.empty());
        EXPECT_FALSE(mags[i].title.empty());
    }

    // Prices: plain below 10,000, grouped above.
    g->TopBooks[0] = 3;
    g->Book.Price[3] = 980;
    g->TopBooks[9] = 4;
    g->Book.Price[4] = 12000;
    // An element naming no title leaves its row blank.
    g->TopBooks[5] = Value();
    g->TopBooks[6] = 94;
    const TopTenList shown = TopTenBooks(*g);
    EXPECT_EQ(shown[0].price, "980円");
    EXPECT_EQ(shown[9].price, "1万2000円");
    EXPECT_EQ(shown[9].title, g->Book.Title[4].asText());
    for (int i : {5, 6}) {
        EXPECT_EQ(shown[i].rank, std::to_string(i + 1));
        EXPECT_EQ(shown[i].title, "");
        EXPECT_EQ(shown[i].price, "");
    }
}
