// The game side of the two ordering dialogs: list order, row and panel
// texts, the edited quantities, what the commits change, and the scale of
// the circulation chart.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "state/NewGame.h"
#include "stock/BookOrders.h"
#include "stock/CirculationChart.h"
#include "stock/MagazineOrders.h"
#include "stock/OrderList.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewGame() {
    return NewTestShop();
}

std::vector<int> BookOrder(const GameState& g) {
    std::vector<int> out;
    for (int p = 0; p < g.BookCount.i(); ++p) out.push_back(g.BookDisplayOrder[p].i());
    return out;
}

}  // namespace

// ---- shared list rules ----

TEST(OrderList, ScrollMaximumKeepsTheLastTitleInTheLastFullSlot) {
    const struct {
        int titles, max;
    } cases[] = {{61, 50}, {94, 83}, {12, 1}, {11, 0}, {10, 0}, {1, 0}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(OrderListScrollMax(c.titles), c.max) << c.titles << " titles";
}

TEST(OrderList, SpinnerRunsOppositeToTheQuantity) {
    const struct {
        Value copies;
        int spinner;
    } cases[] = {{0, 999}, {1, 998}, {300, 699}, {999, 0}, {Value(), 999}};
    for (const auto& c : cases) {
        EXPECT_EQ(OrderSpinnerValue(c.copies), c.spinner);
        EXPECT_EQ(CopiesFromSpinner(c.spinner), c.copies.asInt());
    }
}

TEST(OrderList, TotalsIfEverythingSold) {
    const struct {
        int cost, price, copies;
        const char *retail, *wholesale, *profit;
    } cases[] = {
        {200, 370, 300, "11万1000円", "6万0000円", "5万1000円"},
        {200, 370, 0, "0円", "0円", "0円"},
        {4000, 5480, 999, "547万4520円", "399万6000円", "147万8520円"},
        {500, 400, 10, "4000円", "5000円", "-1000円"},  // a loss shows as one
    };
    for (const auto& c : cases) {
        const OrderTotals t = TotalsIfAllSold(c.cost, c.price, c.copies);
        EXPECT_EQ(t.retail, c.retail);
        EXPECT_EQ(t.wholesale, c.wholesale);
        EXPECT_EQ(t.profit, c.profit);
    }
}

// ---- magazines ----

TEST(MagazineOrders, OpeningListsEveryTitleByIssueDayAndLoadsTheEdits) {
    auto g = NewGame();
    g->Magazine.StandingOrder[5] = 40;
    g->Magazine.EditedOrder[5] = 7;  // left from a cancelled visit
    ASSERT_EQ(OpenMagazineOrders(*g), 61);
    // The built-in catalogue is already in issue order.
    for (int p = 0; p < 61; ++p) EXPECT_EQ(g->MagazineWorkList[p].i(), p);
    EXPECT_EQ(g->Magazine.EditedOrder[5].asInt(), 40);

    const OrderRow row = OrderRowAt(MagazineOrderCatalogue(*g), 5, 61);
    EXPECT_EQ(row.name, "The词典月刊");
    EXPECT_EQ(row.second, "毎月 3日");  // the issue day
    EXPECT_EQ(row.cost, "4000円");  // plain digits in the rows
    EXPECT_EQ(row.price, "5480円");
    EXPECT_EQ(row.copies, "40册");

    g->Magazine.Stock[0] = 12000;
    const MagazineOrderDetail d = MagazineOrderDetailOf(*g, 0);
    EXPECT_EQ(d.issueDay, "毎月 1日发售");
    EXPECT_EQ(d.stock, "1万2000册");  // grouped in the panel
}

TEST(MagazineOrders, ListOrderWithEqualKeysAndUnlistedTitles) {
    auto g = std::make_unique<GameState>();
    // Keys as a saved game might hold them: two equal, one unlisted.
    const struct {
        double key;
        int listed;
    } titles[] = {{61.0, 1}, {40.0, 1}, {1.0, 1}, {40.0, 1}, {2.0, 0}, {1.0, 1}};
    for (int t = 0; t < 6; ++t) {
        g->Magazine.IssueCode[t] = titles[t].key;
        g->Magazine.Listed[t] = titles[t].listed;
        g->Magazine.Name[t] = "m" + std::to_string(t);
    }
    g->MagazineCount = 6;
    ASSERT_EQ(FillMagazineWorkList(*g), 5);
    const int expected[] = {2, 5, 1, 3, 0};  // equal keys keep catalogue order
    for (int p = 0; p < 5; ++p) EXPECT_EQ(g->MagazineWorkList[p].i(), expected[p]) << "position " << p;

    // Past the last title the rows are blank.
    EXPECT_TRUE(OrderRowAt(MagazineOrderCatalogue(*g), 4, 5).filled);
    for (int p : {5, 11, -1}) {
        const OrderRow row = OrderRowAt(MagazineOrderCatalogue(*g), p, 5);
        EXPECT_FALSE(row.filled);
        EXPECT_EQ(row.name, "");
        EXPECT_EQ(row.copies, "");
    }
}

TEST(MagazineOrders, AdjusterMovesEveryListedTitleWithinItsRange) {
    auto g = NewGame();
    OpenMagazineOrders(*g);
    auto& m = g->Magazine;
    m.EditedOrder[0] = 995;
    m.EditedOrder[1] = 0;
    m.EditedOrder[2] = 500;

    g->MagazineAdjustHold = AdjustIdle;
    EXPECT_FALSE(StepAllMagazineOrders(*g));
    EXPECT_EQ(m.EditedOrder[0].asInt(), 995);

    g->MagazineAdjustHold = AdjustRaise;
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(StepAllMagazineOrders(*g));  // one second of holding
    EXPECT_EQ(m.EditedOrder[0].asInt(), 999);
    EXPECT_EQ(m.EditedOrder[1].asInt(), 10);
    EXPECT_EQ(m.EditedOrder[2].asInt(), 510);

    g->MagazineAdjustHold = AdjustLower;
    for (int i = 0; i < 20; ++i) StepAllMagazineOrders(*g);
    EXPECT_EQ(m.EditedOrder[0].asInt(), 979);
    EXPECT_EQ(m.EditedOrder[1].asInt(), 0);
    EXPECT_EQ(m.EditedOrder[2].asInt(), 490);
    EXPECT_EQ(m.StandingOrder[2].asInt(), 0);  // only edits move
}

TEST(MagazineOrders, CommitTurnsEditsIntoStandingOrders) {
    auto g = NewGame();
    OpenMagazineOrders(*g);
    auto& m = g->Magazine;
    m.EditedOrder[3] = 20;
    m.EditedOrder[45] = 300;
    m.Stock[7] = 5;
    m.Stock[8] = 2;
    const auto effort = g->Bookshop.EffortPoints[0].asInt();

    EXPECT_FALSE(CommitMagazineOrders(*g));
    EXPECT_EQ(m.StandingOrder[3].asInt(), 20);
    EXPECT_EQ(m.StandingOrder[45].asInt(), 300);
    EXPECT_EQ(g->MagazineTally.asInt(), 2);
    EXPECT_EQ(g->MagazineTitlesStocked.asInt(), 2);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 1);
    EXPECT_EQ(g->MagazineStockDirty.asInt(), 1);
    EXPECT_EQ(g->ScheduleDirty.asInt(), 1);

    // Everything set to 0: nothing is ordered, the stock window is to close
    // though copies are still on the shelves; every visit counts as effort.
    OpenMagazineOrders(*g);
    m.EditedOrder[3] = 0;
    m.EditedOrder[45] = 0;
    g->MagazineStockDirty = 0;
    EXPECT_TRUE(CommitMagazineOrders(*g));
    EXPECT_EQ(g->MagazineTally.asInt(), 0);
    EXPECT_EQ(g->MagazineTitlesStocked.asInt(), 2);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 2);
    EXPECT_EQ(g->MagazineStockDirty.asInt(), 1);
}

// ---- books ----

TEST(BookOrders, TitlesCompareByUtf16CodeUnits) {
    const struct {
        const char *a, *b;
        bool before;
    } cases[] = {
        {"中学", "中学1年社会", true},    // the beginning of another sorts first
        {"中学1年社会", "中学", false},
        {"NT", "NT", false},
        {"3D CG制作入门", "NT", true},     // digits before letters before CJK
        {"NT", "马", true},
        {"中学1年社会", "中学2年社会", true},
        {"\U0001F4D6", "\uFF01", true},   // a surrogate pair sorts by its first unit, D83D
    };
    for (const auto& c : cases) EXPECT_EQ(TitleSortsBefore(c.a, c.b), c.before) << c.a << " / " << c.b;
}

TEST(BookOrders, TitleOrderKeepsEveryTitleWithTiesByRow) {
    auto g = std::make_unique<GameState>();
    const char* titles[] = {"b", "a", "b", "ab", "a", "B"};
    for (int t = 0; t < 6; ++t) g->Book.Title[t] = titles[t];
    g->BookCount = 6;
    FillBookDisplayOrder(*g);
    EXPECT_EQ(BookOrder(*g), (std::vector<int>{5, 1, 4, 3, 0, 2}));
    EXPECT_EQ(g->BookTally.asInt(), 0);

    // The built-in catalogue: every title listed once, in ascending order.
    auto n = NewGame();
    ASSERT_EQ(OpenBookOrders(*n), 94);
    const std::vector<int> order = BookOrder(*n);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 94u);
    for (int p = 1; p < 94; ++p)
        EXPECT_TRUE(TitleSortsBefore(n->Book.Title[order[p - 1]].asText(), n->Book.Title[order[p]].asText())) << p;
    EXPECT_FALSE(OrderRowAt(BookOrderCatalogue(*n), 94, 94).filled);  // the cut-off slot at the bottom

    // A row reads its own title's columns, the genre second.
    const OrderRow first = OrderRowAt(BookOrderCatalogue(*n), 0, 94);
    EXPECT_EQ(first.title, order[0]);
    EXPECT_EQ(first.name, n->Book.Title[order[0]].asText());
    EXPECT_EQ(first.second, n->Book.GenreText[order[0]].asText());
    EXPECT_EQ(first.description, n->Book.Description[order[0]].asText());
}

TEST(BookOrders, CommitRulesForTheDeliveryCountdown) {
    const struct {
        const char* what;
        int committed, countdown, edited;
        int countdownAfter;
    } cases[] = {
        {"new order", 0, 0, 5, 3},
        {"raised, nothing under way", 10, 0, 20, 3},
        {"raised while under way", 10, 2, 20, 2},
        {"lowered", 10, 0, 5, 0},
        {"lowered while under way", 10, 2, 5, 2},
        {"set to 0", 10, 2, 0, 0},
        {"unchanged after a delivery", 10, 0, 10, 0},
        {"unchanged while under way", 10, 1, 10, 1},
        {"left at 0", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        auto g = NewGame();
        auto& b = g->Book;
        b.StandingOrder[7] = c.committed;
        b.DaysToDelivery[7] = c.countdown;
        OpenBookOrders(*g);
        b.EditedOrder[7] = c.edited;
        CommitBookOrders(*g);
        EXPECT_EQ(b.DaysToDelivery[7].asInt(), c.countdownAfter) << c.what;
        EXPECT_EQ(b.StandingOrder[7].asInt(), c.edited) << c.what;
        EXPECT_EQ(g->BookTitlesStocked.asInt(), c.countdownAfter > 0 ? 1 : 0) << c.what;
    }
}

TEST(BookOrders, CommitCopiesModesAndCountsEffortEveryTime) {
    auto g = NewGame();
    auto& b = g->Book;
    b.Stock[3] = 4;
    OpenBookOrders(*g);
    SetBookEditedReorder(*g, 2, false);
    SetBookEditedOrder(*g, 2, 1500);  // kept within the spinner's range
    const auto effort = g->Bookshop.EffortPoints[0].asInt();
    CommitBookOrders(*g);
    EXPECT_EQ(b.KeepReordering[2].asInt(), 0);
    EXPECT_EQ(b.KeepReordering[5].asInt(), 1);
    EXPECT_EQ(b.StandingOrder[2].asInt(), 999);
    EXPECT_EQ(g->BookTitlesStocked.asInt(), 2);  // one in stock, one on its way

    // Nothing changed: still effort and both windows rebuilt.
    g->BookStockDirty = 0;
    g->ScheduleDirty = 0;
    OpenBookOrders(*g);
    CommitBookOrders(*g);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asInt(), effort + 2);
    EXPECT_EQ(g->BookStockDirty.asInt(), 1);
    EXPECT_EQ(g->ScheduleDirty.asInt(), 1);
    EXPECT_EQ(b.DaysToDelivery[2].asInt(), 3);
}

TEST(BookOrders, AnOrderedBookShowsItsDelivery) {
    auto g = NewGame();
    OpenBookOrders(*g);
    EXPECT_EQ(DeliveryText(*g, 12), "无");
    SetBookEditedOrder(*g, 12, 20);
    CommitBookOrders(*g);
    EXPECT_EQ(DeliveryText(*g, 12), "3日后20册");
    g->Book.DaysToDelivery[12] = 1;
    EXPECT_EQ(DeliveryText(*g, 12), "1日后20册");
}

TEST(BookOrders, AdjusterMovesEveryTitleWithinItsRange) {
    auto g = NewGame();
    OpenBookOrders(*g);
    auto& b = g->Book;
    b.EditedOrder[0] = 999;
    b.EditedOrder[93] = 1;
    g->BookAdjustHold = AdjustRaise;
    StepAllBookOrders(*g);
    EXPECT_EQ(b.EditedOrder[0].asInt(), 999);
    EXPECT_EQ(b.EditedOrder[93].asInt(), 2);
    EXPECT_EQ(b.EditedOrder[50].asInt(), 1);
    g->BookAdjustHold = AdjustLower;
    for (int i = 0; i < 3; ++i) StepAllBookOrders(*g);
    EXPECT_EQ(b.EditedOrder[0].asInt(), 996);
    EXPECT_EQ(b.EditedOrder[93].asInt(), 0);
    g->BookAdjustHold = AdjustIdle;
    EXPECT_FALSE(StepAllBookOrders(*g));
}

// ---- the circulation chart ----

namespace {

void SetHistory(GameState& g, int t, std::initializer_list<std::int64_t> oldestFirst) {
    int i = 11;
    for (auto v : oldestFirst) g.Magazine.Circulation[t][i--] = v;
}

}  // namespace

TEST(CirculationChart, ScaleFollowsTheLargestValue) {
    const struct {
        std::int64_t oldest, others, peak;
        int scale;
        const char *middle, *upper;
    } cases[] = {
        {10'000, 10'000, 24'999, 300, "1万", "2万"},
        {10'000, 10'000, 30'000, 3'000, "10万", "20万"},
        {300'000, 300'000, 2'000'000, 30'000, "100万", "200万"},
        // Above the walk's ceiling: a title that starts at 3,000,000.
        {2'400'000, 2'300'000, 3'000'000, 300'000, "1000万", "2000万"},
        {100'000'000, 100'000'000, 2'147'483'647, 30'000'000, "10亿", "20亿"},
    };
    for (const auto& c : cases) {
        auto g = std::make_unique<GameState>();
        SetHistory(*g, 0, {c.oldest, c.others, c.others, c.peak, c.others, c.others, c.others, c.others,
                           c.others, c.others, c.others, c.others});
        const CirculationChart chart = ChartOf(*g, 0);
        EXPECT_EQ(chart.copiesPerPixel, c.scale) << c.peak;
        EXPECT_EQ(chart.middleLabel, c.middle) << c.peak;
        EXPECT_EQ(chart.upperLabel, c.upper) << c.peak;
        EXPECT_NEAR(chart.line[4].y, 88.0 - static_cast<double>(c.peak) / c.scale, 1e-9);
        for (const ChartPoint& p : chart.line) {
            EXPECT_GE(p.y, 0.0) << c.peak;  // every value inside the box
            EXPECT_LE(p.y, 88.0) << c.peak;
        }
    }
}

TEST(CirculationChart, LineRunsFromALevelLeadInToTheLatestIssue) {
    auto g = std::make_unique<GameState>();
    SetHistory(*g, 0, {3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 10000});
    const CirculationChart c = ChartOf(*g, 0);
    EXPECT_DOUBLE_EQ(c.line[0].x, 0);
    EXPECT_DOUBLE_EQ(c.line[0].y, 78);  // level with the oldest issue
    EXPECT_DOUBLE_EQ(c.line[1].x, 8);
    EXPECT_DOUBLE_EQ(c.line[11].y, 78);
    EXPECT_DOUBLE_EQ(c.line[12].x, 96);
    EXPECT_NEAR(c.line[12].y, 88 - 10000.0 / 300, 1e-9);  // the latest, about 54.7
}

TEST(CirculationChart, RedrawSetsTheSavedScaleFromTheOldestIssue) {
    auto g = NewGame();
    // Row 38 starts at 3,000,000: its latest figure still lies above the
    // walk's ceiling, and the chart must hold it with labels that match.
    const CirculationChart c = RedrawCirculationChart(*g, 38);
    EXPECT_GE(g->Magazine.Circulation[38][0].asInt(), 2'500'000);
    EXPECT_EQ(c.copiesPerPixel, 300'000);
    EXPECT_EQ(c.middleLabel, "1000万");
    EXPECT_GT(c.line[12].y, 0.0);
    EXPECT_EQ(g->MagazineChartScale.asInt(), 31200);

    g->Magazine.Circulation[38][11] = 250'000;
    RedrawCirculationChart(*g, 38);
    EXPECT_EQ(g->MagazineChartScale.asInt(), 3120);
}
