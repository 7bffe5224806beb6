// The ledger window's statement for each period column, and the charts'
// points and segments, with points far beyond the plot clipped in real
// numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "business/Charts.h"
#include "business/LedgerView.h"
#include "state/Ledger.h"

namespace {

// ---- the ledger ----

TEST(LedgerView, EachColumnShowsItsOwnPeriodByCategoryWithTotals) {
    auto g = std::make_unique<GameState>();
    // Day, month and year columns of three categories, and one in 7..10
    // that no row shows.
    const std::int64_t day[] = {1200, 0, 300};
    for (int p = 0; p < 3; ++p) {
        g->Ledger.Income[BooksMagazines][p] = Money::FromWhole(day[0] * (p + 1) * 10);
        g->Ledger.Expense[Rent][p] = Money::FromWhole(150000 * (p == 0 ? 0 : p));
        g->Ledger.Expense[OtherCategory][p] = Money::FromWhole(day[2] * (p + 1));
        g->Ledger.Income[9][p] = Money::FromWhole(999999);
    }
    struct Case {
        LedgerColumn column;
        const char* caption;
        const char* books;    // income of category 0
        const char* rent;     // expense of category 6
        const char* other;    // net of category 2
        const char* total;    // the net of the column
    };
    const Case cases[] = {
        {LedgerColumn::Day, "店铺的每日收支表", "1万2000円", "0円", "-300円", "1万1700円"},
        {LedgerColumn::Month, "店铺的每月收支表", "2万4000円", "15万0000円", "-600円", "-12万6600円"},
        {LedgerColumn::Year, "店铺的每年收支表", "3万6000円", "30万0000円", "-900円", "-26万4900円"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const LedgerTable t = BuildLedgerTable(*g, c.column);
        EXPECT_EQ(LedgerCaption(c.column), c.caption);
        EXPECT_EQ(t.rows[BooksMagazines].income, c.books);
        EXPECT_EQ(t.rows[BooksMagazines].expense, "0円");
        EXPECT_EQ(t.rows[Rent].expense, c.rent);
        EXPECT_EQ(t.rows[OtherCategory].net, c.other);
        EXPECT_EQ(t.total.net, c.total);
        EXPECT_EQ(t.rows[Salaries].income, "0円");
    }
}

TEST(LedgerView, ABookingShowsInAllThreeColumnsAndRaisesTheFlag) {
    auto g = std::make_unique<GameState>();
    g->LedgerDirty = 0;
    AddMoney(*g, -30000, Insurance, 0);
    EXPECT_EQ(g->LedgerDirty, Value(1));
    for (LedgerColumn c : {LedgerColumn::Day, LedgerColumn::Month, LedgerColumn::Year}) {
        const LedgerTable t = BuildLedgerTable(*g, c);
        EXPECT_EQ(t.rows[Insurance].expense, "3万0000円");
        EXPECT_EQ(t.total.expense, "3万0000円");
        EXPECT_EQ(t.total.net, "-3万0000円");
    }
}

// ---- the charts ----

Col<13> History(std::initializer_list<std::pair<int, double>> points) {
    Col<13> h;
    for (Value& v : h) v = 0;
    for (auto [j, v] : points) h[j] = v;
    return h;
}

TEST(Charts, PointsByScaleAndBaseLine) {
    struct Case {
        const char* what;
        ChartKind kind;
        int option;
        double value;  // the current period's value (point 0)
        double y;
    };
    const Case cases[] = {
        {"nothing sold lies on the base line", ChartKind::Sales, 5, 0, 96},
        {"400 copies on 百册: far above the top", ChartKind::Sales, 5, 400, 96 - 400.0 / 3},
        {"400 copies on 1千册", ChartKind::Sales, 6, 400, 96 - 400.0 / 30},
        {"a loss of 60,000 on 10万: 20 below zero", ChartKind::Profit, 4, -60000, 92},
        {"960,000 on 百万: the top grid line", ChartKind::Profit, 5, 960000, 40},
        {"a profit of 3,000,000 on 1千万", ChartKind::Profit, 6, 3000000, 62},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartSpec& spec = ChartSpecOf(c.kind);
        const ChartScale& s = ChartScaleOf(c.kind, c.option);
        EXPECT_DOUBLE_EQ(ChartY(History({{0, c.value}}), 0, spec.base, s.perPixel), c.y);
        const auto segments = PlotChart(History({{0, c.value}}), spec.base, s.perPixel);
        EXPECT_DOUBLE_EQ(segments[11].line.y2, c.y) << "the current period is the right end";
        EXPECT_DOUBLE_EQ(segments[11].line.x2, 128);
    }
    EXPECT_STREQ(ChartScaleOf(ChartKind::Profit, 6).labels[2], "-1千万円");
    EXPECT_STREQ(ChartScaleOf(ChartKind::Sales, 6).labels[1], "2千册");
}

TEST(Charts, SegmentsRunFromTheOldestPointAndTheFirstIsLevel) {
    Col<13> h = History({});
    for (int j = 0; j < 12; ++j) h[j] = 3 * j;  // older is higher
    h[12] = 300;                                 // never drawn
    const auto s = PlotChart(h, 96, 3);
    EXPECT_DOUBLE_EQ(s[0].line.x1, 32);
    EXPECT_DOUBLE_EQ(s[0].line.y1, 96 - 11);
    EXPECT_DOUBLE_EQ(s[0].line.y2, 96 - 11);
    for (int k = 1; k < 12; ++k) {
        EXPECT_DOUBLE_EQ(s[k].line.x1, 32 + 8 * k);
        EXPECT_DOUBLE_EQ(s[k].line.y1, s[k - 1].line.y2);
        EXPECT_DOUBLE_EQ(s[k].line.y2, 96 - (11 - k));
        ASSERT_TRUE(s[k].visible);
    }
}

TEST(Charts, PointsBeyondThePlotAreClippedAtItsEdgeInRealNumbers) {
    // 400 copies on 百册 at point 0: the last segment climbs from y 96 to
    // y -37.3 and is cut where it leaves the top of the plot.
    auto s = PlotChart(History({{0, 400}}), 96, 3);
    ASSERT_TRUE(s[11].visible);
    EXPECT_DOUBLE_EQ(s[11].visible->y1, 96);
    EXPECT_DOUBLE_EQ(s[11].visible->y2, 0);
    EXPECT_NEAR(s[11].visible->x2, 120 + 8 * 96 / (400.0 / 3), 1e-9);  // 125.76

    // A history far past any coordinate: a level segment out of the plot
    // is not drawn at all; one that comes back is cut at the bottom edge.
    const double huge = 9e18;
    s = PlotChart(History({{11, -huge}, {10, -huge}, {0, 0}}), 72, 3000);
    EXPECT_FALSE(s[0].visible);
    EXPECT_FALSE(s[1].visible);
    ASSERT_TRUE(s[2].visible);
    EXPECT_DOUBLE_EQ(s[2].visible->y1, 113);
    EXPECT_DOUBLE_EQ(s[2].visible->y2, 72);
    EXPECT_NEAR(s[2].visible->x1, 56, 1e-6);

    // Nothing infinite or undefined reaches the drawing.
    s = PlotChart(History({{5, std::numeric_limits<double>::infinity()}, {4, std::nan("")}}), 96, 3);
    for (const ChartSegment& seg : s) {
        if (!seg.visible) continue;
        for (double v : {seg.visible->x1, seg.visible->y1, seg.visible->x2, seg.visible->y2})
            EXPECT_TRUE(std::isfinite(v) && v >= 0 && v <= 145);
    }
}

}  // namespace
