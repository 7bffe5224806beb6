#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "tests/TestSupport.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"

TEST(FormatMoney, GroupsOfFourWithUnitWords) {
    struct Case {
        long long value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {7, "7"},
        {42, "42"},
        {999, "999"},
        {1000, "1000"},
        {9999, "9999"},
        {10000, "1万0000"},
        {10001, "1万0001"},
        {12345, "1万2345"},
        {210000, "21万0000"},
        {4000000, "400万0000"},
        {99999999, "9999万9999"},
        {100000000, "1亿0000万0000"},
        {100000001, "1亿0000万0001"},
        {123456789, "1亿2345万6789"},
        {999999999999LL, "9999亿9999万9999"},
        {1000000000000LL, "1兆0000亿0000万0000"},
        {999999999999999LL, "999兆9999亿9999万9999"},
        {-1, "-1"},
        {-5, "-5"},
        {-10, "-10"},
        {-9999, "-9999"},
        {-10000, "-1万0000"},
        {-12345, "-1万2345"},
        {-4000000, "-400万0000"},
        {-123456789, "-1亿2345万6789"},
        {-999999999999999LL, "-999兆9999亿9999万9999"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatMoney(c.value), c.text) << c.value;
}

TEST(FormatMoney, EmptyGivesEmptyText) {
    EXPECT_EQ(FormatMoney(Value()), "");
    EXPECT_EQ(FormatMoney(Value(210000)), "21万0000");
}

TEST(Money, TextRoundTrip) {
    for (const char* t : {"0", "150000", "-150000", "12.5", "-0.0001", "922337203685477"}) {
        Money m;
        ASSERT_TRUE(Money::Parse(t, m)) << t;
        EXPECT_EQ(m.toText(), t);
    }
    Money m;
    EXPECT_TRUE(Money::Parse("", m));
    EXPECT_EQ(m.raw(), 0);
    EXPECT_FALSE(Money::Parse("abc", m));
}

class AddMoneyTest : public ::testing::Test {
protected:
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
    void SetUp() override { g->Funds = 4000000; }
};

TEST_F(AddMoneyTest, ExpenseMovesFundsHistoriesAndLedger) {
    AddMoney(*g, -150000, Rent, 0);
    EXPECT_EQ(g->Funds.asInt(), 3850000);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(g->Ledger.Expense[Rent][p].whole(), 150000);
        EXPECT_EQ(g->Ledger.Income[Rent][p].whole(), 0);
    }
    // The first booking finds the histories Empty.
    EXPECT_EQ(g->ProfitHistory.Daily[0], Value(-150000));
    EXPECT_EQ(g->ProfitHistory.Monthly[0], Value(-150000));
    EXPECT_EQ(g->ProfitHistory.Yearly[0], Value(-150000));
    EXPECT_TRUE(g->CopiesSoldHistory.Daily[0].isEmpty());
    for (Value* flag : {&g->CaptionDirty, &g->ShopInfoDirty, &g->LedgerDirty, &g->ProfitChartDirty})
        EXPECT_EQ(*flag, Value(1));
    EXPECT_TRUE(g->GameOverReason.isEmpty());
}

TEST_F(AddMoneyTest, IncomeAndFlagsOtherThanOne) {
    AddMoney(*g, 200, Facilities, 1);
    EXPECT_EQ(g->Ledger.Income[Facilities][2].whole(), 200);
    AddMoney(*g, -300, BooksMagazines, 2);  // deliveries pass 2: an expense
    EXPECT_EQ(g->Ledger.Expense[BooksMagazines][0].whole(), 300);
    AddMoney(*g, 500, OtherCategory, 0);  // a positive "expense" lowers the cell
    EXPECT_EQ(g->Ledger.Expense[OtherCategory][1].whole(), -500);
    EXPECT_EQ(g->Funds.asInt(), 4000400);
}

TEST_F(AddMoneyTest, NegativeFundsEndTheGameForGood) {
    g->Funds = 100;
    AddMoney(*g, -100, OtherCategory, 0);
    EXPECT_TRUE(g->GameOverReason.isEmpty());  // exactly 0 is still alive
    AddMoney(*g, -1, OtherCategory, 0);
    EXPECT_EQ(g->Funds.asInt(), -1);
    EXPECT_EQ(g->GameOverReason, Value(1));
    AddMoney(*g, 1000, OtherCategory, 1);
    EXPECT_EQ(g->GameOverReason, Value(1));
}

// Money at the edge: a booking or a total past the money a game holds
// stays at the limit instead of wrapping round, so arithmetic can neither
// end the game nor hand it a fortune; the ledger's own sums saturate too.
TEST_F(AddMoneyTest, MoneyStopsAtTheLimitInsteadOfWrapping) {
    g->Funds = kYenLimit - 10;
    g->ProfitHistory.Yearly[0] = kYenLimit;
    g->Ledger.Income[BooksMagazines][2] = Money::FromWhole(kYenLimit);
    AddMoney(*g, 1000, BooksMagazines, 1);
    EXPECT_EQ(g->Funds.asInt(), kYenLimit);
    EXPECT_EQ(g->ProfitHistory.Yearly[0].asInt(), kYenLimit);
    EXPECT_EQ(g->Ledger.Income[BooksMagazines][2].whole(), kYenLimit);
    EXPECT_EQ(g->Ledger.Income[BooksMagazines][0].whole(), 1000);
    EXPECT_TRUE(g->GameOverReason.isEmpty());

    AddMoney(*g, INT64_MAX, OtherCategory, 1);  // a booking past any game
    EXPECT_EQ(g->Funds.asInt(), kYenLimit);
    EXPECT_EQ(g->Ledger.Income[OtherCategory][0].whole(), kYenLimit);
    AddMoney(*g, INT64_MIN, OtherCategory, 0);
    EXPECT_EQ(g->Ledger.Expense[OtherCategory][0].whole(), kYenLimit);
    EXPECT_EQ(g->Funds.asInt(), 0);
    EXPECT_TRUE(g->GameOverReason.isEmpty());

    Money sum = Money::FromRaw(INT64_MAX);
    sum += Money::FromWhole(1);
    EXPECT_EQ(sum.raw(), INT64_MAX);
    sum = Money::FromRaw(INT64_MIN);
    sum -= Money::FromWhole(1);
    EXPECT_EQ(sum.raw(), INT64_MIN);
    EXPECT_EQ(Money::FromWhole(INT64_MAX).raw(), INT64_MAX / Money::kScale * Money::kScale);
    EXPECT_EQ(Money::FromReal(1e300).raw(), INT64_MAX);
}

TEST(Ledger, PeriodCloseShiftsHistory) {
    Col<13> h;
    for (int k = 0; k < 13; ++k) h[k] = k + 100;
    for (int n = 0; n < 7; ++n) ShiftHistory(h);
    for (int k = 0; k <= 6; ++k) EXPECT_EQ(h[k], Value(k == 0 ? 0 : 0)) << k;
    for (int k = 7; k <= 11; ++k) EXPECT_EQ(h[k], Value(100 + k - 7)) << k;
    EXPECT_EQ(h[12], Value(112));
}
