// The bank and the insurances: the opening hours, the borrowing limit and
// its press-and-hold spinner, taking a loan and repaying it on its date, the
// insurance total and the three payouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "business/Bank.h"
#include "business/Insurance.h"
#include "commands/CommandGates.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/FloorSpots.h"
#include "sim/HeadlessWindows.h"
#include "sim/ShopTick.h"
#include "state/Ledger.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

class Bank : public ::testing::Test {
protected:
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g = NewTestShop({.year = 2026, .month = 4, .day = 10, .hour = 11, .seed = 7});

    // Takes a loan of `amount` through the borrowing dialog's question.
    void Borrow(long long amount) {
        BorrowDialogOpened(*g);
        g->BorrowAmount = amount;
        ui.answers = {MsgAnswer::Yes};
        ASSERT_TRUE(BorrowCommand(*g));
    }
    // Ends the day's last hour: the new day begins.
    void EndDay(int year, int month, int day) {
        g->Year = year;
        g->Month = month;
        g->Day = day;
        g->Hour = 23;
        g->ShopOpen = 0;
        g->DayReportDone = 1;
        RunHourStep(*g);
    }
};

}  // namespace

TEST_F(Bank, OpenOnWeekdaysFromNineToFive) {
    struct Case {
        int weekday, hour;
        const char* refusal;  // null: the bank window opens
    };
    const Case cases[] = {
        {0, 12, kBankHolidayText}, {6, 12, kBankHolidayText}, {1, 8, kBankHoursText}, {1, 18, kBankHoursText},
        {1, 9, nullptr},           {5, 17, nullptr},
    };
    for (const Case& c : cases) {
        ui.shown.clear();
        ui.windowsShown.clear();
        g->Weekday = c.weekday;
        g->Hour = c.hour;
        OpenBankWindow(*g);
        if (c.refusal) {
            ASSERT_EQ(ui.shown.size(), 1u) << c.weekday << " " << c.hour;
            EXPECT_EQ(ui.shown[0].text, c.refusal);
            EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
            EXPECT_TRUE(ui.windowsShown.empty());
        } else {
            EXPECT_TRUE(ui.shown.empty());
            EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::Bank});
        }
    }
}

TEST_F(Bank, LimitGrowsWithTheOccupiedSpots) {
    struct Case {
        int spots;
        long long limit;
    };
    const Case cases[] = {{0, 100'000}, {1, 150'000}, {61, 100'000 + 61 * 50'000}};
    for (const Case& c : cases) {
        for (int s = kFirstSpot; s <= kLastSpot; ++s) g->FacilitySlot.Kind[s] = s <= c.spots ? 1 : 0;
        g->BorrowAmount = 5000;
        BorrowDialogOpened(*g);
        EXPECT_EQ(g->BorrowLimit.asInt(), c.limit) << c.spots;
        EXPECT_EQ(g->BorrowAmount.asInt(), 0);
    }
}

TEST_F(Bank, SpinnerStepsGrowWhileHeldAndStopAtTheLimitAndAtZero) {
    struct Case {
        const char* what;
        long long limit, start;
        SpinDirection direction;
        int ticks;
        long long amount;
    };
    const Case cases[] = {
        {"25 ticks up", 1'000'000, 0, SpinUp, 25, 10 * 1'000 + 10 * 5'000 + 5 * 10'000},
        {"up to the limit and no further", 100'000, 0, SpinUp, 40, 100'000},
        {"down to 0", 1'000'000, 12'000, SpinDown, 15, 0},
        {"nothing held", 1'000'000, 12'000, SpinNone, 5, 12'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g->BorrowLimit = c.limit;
        g->BorrowAmount = c.start;
        PressBorrowArrow(*g, c.direction);
        for (int t = 0; t < c.ticks; ++t) BorrowSpinTick(*g);
        EXPECT_EQ(g->BorrowAmount.asInt(), c.amount);
        ReleaseBorrowArrow(*g);
        EXPECT_EQ(g->SpinHoldTicks.asInt(), 0);
    }
    // Pressing again starts over at the smallest step.
    g->BorrowAmount = 0;
    PressBorrowArrow(*g, SpinUp);
    BorrowSpinTick(*g);
    EXPECT_EQ(g->BorrowAmount.asInt(), 1'000);
    EXPECT_EQ(BorrowRepaymentText(*g), "1200円");
}

TEST_F(Bank, BorrowingAsksAndTakesTheFirstFreeSlot) {
    g->Loan.Amount[0] = 30'000;
    g->Loan.DueYear[0] = 2026;
    const auto funds = g->Funds.asInt();
    BorrowDialogOpened(*g);
    g->BorrowAmount = 110'000;
    EXPECT_EQ(BorrowDueDateText(*g), "2027年4月10日");

    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(BorrowCommand(*g));
    EXPECT_EQ(g->Loan.Amount[1].asInt(), 0);
    EXPECT_EQ(g->Funds.asInt(), funds);

    ui.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(BorrowCommand(*g));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "从银行11万0000円借了");
    EXPECT_EQ(ui.shown[1].style, MsgStyle::Question);
    EXPECT_EQ(g->Loan.Amount[1].asInt(), 110'000);
    EXPECT_EQ(g->Loan.DueYear[1].asInt(), 2027);
    EXPECT_EQ(g->Loan.DueMonth[1].asInt(), 4);
    EXPECT_EQ(g->Loan.DueDay[1].asInt(), 10);
    EXPECT_EQ(g->Funds.asInt(), funds + 110'000);
    EXPECT_EQ(g->Ledger.Income[OtherCategory][0].toText(), "110000");
    EXPECT_EQ(LoansInUse(*g), 2);
    EXPECT_EQ(LoanRowOf(*g, 1).amount, "11万0000円");
    EXPECT_FALSE(LoanRowOf(*g, 2).inUse);
}

TEST_F(Bank, AFourthLoanIsRefused) {
    for (int k = 0; k < kLoanSlots; ++k) g->Loan.Amount[k] = 1000;
    EXPECT_FALSE(OpenBorrowDialog(*g));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "可以再次贷款，最多可以3次。");
    EXPECT_TRUE(ui.windowsShown.empty());
    g->Loan.Amount[1] = 0;
    EXPECT_TRUE(OpenBorrowDialog(*g));
    EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::Borrow});
}

TEST_F(Bank, RepaidWithInterestOnItsDateAndOnFirstMarchForTwentyNinthFebruary) {
    struct Case {
        const char* what;
        int y, m, d;       // the day the loan is taken
        int ey, em, ed;    // the day that ends before it is due
        long long amount;
    };
    const Case cases[] = {
        {"a year on", 2026, 4, 10, 2027, 4, 9, 110'000},
        {"the smallest loan", 2026, 4, 10, 2027, 4, 9, 1'000},
        {"the largest loan", 2026, 4, 10, 2027, 4, 9, 3'150'000},
        {"29 February: due 1 March", 2028, 2, 29, 2029, 2, 28, 500'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g = NewTestShop({.year = c.y, .month = c.m, .day = c.d, .hour = 11, .seed = 7});
        Borrow(c.amount);

        // The day before it is due: nothing.
        EndDay(c.ey, c.em, c.ed - 1);
        EXPECT_EQ(g->Loan.Amount[0].asInt(), c.amount);

        // The year's "other" expenses: the month end that 1 March brings
        // books rent and salaries beside it.
        ui.windowsShown.clear();
        const auto other = g->Ledger.Expense[OtherCategory][2].whole();
        EndDay(c.ey, c.em, c.ed);
        ASSERT_FALSE(ui.windowsShown.empty());
        EXPECT_EQ(ui.windowsShown.front(), Window::LoanRepayment);
        EXPECT_EQ(g->Loan.Amount[0].asInt(), 0);
        EXPECT_EQ(g->Ledger.Expense[OtherCategory][2].whole(), other + c.amount * 6 / 5);

        // Repaid once only.
        ui.windowsShown.clear();
        EndDay(g->Year.i(), g->Month.i(), g->Day.i());
        EXPECT_EQ(std::count(ui.windowsShown.begin(), ui.windowsShown.end(), Window::LoanRepayment), 0);
    }
}

TEST_F(Bank, RepaymentNoticeTextsAndTheFundsMayGoBelowZero) {
    g->Loan.Amount[2] = 1'000'000;
    g->Loan.DueYear[2] = 2027;
    g->Loan.DueMonth[2] = 3;
    g->Loan.DueDay[2] = 1;
    g->DueLoanSlot = 2;
    g->Funds = 100'000;
    EXPECT_EQ(RepaymentDateText(*g), "2026年3月1日 贷款");
    EXPECT_EQ(RepaymentAmountText(*g), "120万0000円");
    RepayDueLoan(*g);
    EXPECT_EQ(g->Funds.asInt(), 100'000 - 1'200'000);
    EXPECT_EQ(g->GameOverReason.asInt(), 1);
    EXPECT_EQ(g->Loan.Amount[2].asInt(), 0);
    EXPECT_EQ(g->Loan.DueYear[2].asInt(), 2027) << "the date stays";
    RepayDueLoan(*g);
    EXPECT_EQ(g->Funds.asInt(), 100'000 - 1'200'000) << "never twice";
}

// ---- insurance ----

TEST(InsuranceTotal, ByTheInsurancesChosen) {
    struct Case {
        InsuranceChoices chosen;
        const char* text;
    };
    const Case cases[] = {
        {{false, false, false}, "  合计保险费用每月0円。"},
        {{true, false, false}, "  合计保险费用每月3万0000円。"},
        {{false, false, true}, "  合计保险费用每月5万0000円。"},
        {{true, true, false}, "  合计保险费用每月6万0000円。"},
        {{true, false, true}, "  合计保险费用每月8万0000円。"},
        {{true, true, true}, "  合计保险费用每月11万0000円。"},
    };
    for (const Case& c : cases) EXPECT_EQ(InsuranceTotalText(MonthlyPremiumOf(c.chosen)), c.text);
}

TEST(InsuranceTotal, ConfirmStoresEveryChoice) {
    auto g = NewTestShop();
    EXPECT_EQ(CurrentInsuranceChoices(*g), (InsuranceChoices{false, false, false}));
    ConfirmInsurance(*g, {true, false, true});
    EXPECT_EQ(CurrentInsuranceChoices(*g), (InsuranceChoices{true, false, true}));
    EXPECT_EQ(g->InsuranceJoined[1].asInt(), 0);
    ConfirmInsurance(*g, {false, true, false});
    EXPECT_EQ(CurrentInsuranceChoices(*g), (InsuranceChoices{false, true, false}));
}

TEST(InsurancePayouts, EveryKindBooksItsAmountAndNews) {
    struct Case {
        PayoutCause cause;
        long long amount;
        const char* text;
        int newsAfter;
    };
    const Case cases[] = {
        {PayoutCause::Robbery, 12'000'000, "因为参加了受害保险，获得保险金1200万0000円。", 7},
        {PayoutCause::Earthquake, 750'000, "因为参加了地震保险，获得保险金75万0000円。", 8},
        {PayoutCause::Fire, 4'000'000, "因为参加了火灾保险，获得保险金400万0000円。", 9},
    };
    for (const Case& c : cases) {
        HeadlessPlatform ui{GameWindowDefaults()};
        ScopedPlatform scoped{ui};
        auto g = NewTestShop();
        g->RobberyDemand = 10'000'000;
        g->QuakeBrokenCount = 3;
        g->FireFacilityCount = 20;
        g->NewsEventCode = 9;  // the end of a fire has just recorded itself
        const auto funds = g->Funds.asInt();
        g->PayoutKind = static_cast<int>(c.cause);
        EXPECT_EQ(PayoutFor(*g).text, c.text);

        OpenInsurancePayout(*g, c.cause);

        EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::InsurancePayout});
        EXPECT_EQ(g->Funds.asInt(), funds + c.amount);
        EXPECT_EQ(g->Ledger.Income[OtherCategory][2].toText(), std::to_string(c.amount));
        EXPECT_EQ(g->NewsEventCode.asInt(), c.newsAfter);
    }
}
