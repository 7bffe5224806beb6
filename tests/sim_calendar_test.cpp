#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "business/DayReport.h"
#include "business/MonthEnd.h"
#include "platform/headless/HeadlessPlatform.h"
#include "state/Calendar.h"
#include "sim/ShopTick.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> ShopOn(int year, int month, int day, int hour = 23) {
    return NewTestShop({.year = year, .month = month, .day = day, .hour = hour, .seed = 11});
}

// A window the new day opened, with the date it saw.
struct Opened {
    Window form;
    int year, month, day;
    int dueLoanSlot;
    bool operator==(const Opened&) const = default;
};

void PrintTo(const Opened& o, std::ostream* os) {
    *os << "Form" << WindowNumber(o.form) << " at " << o.year << "-" << o.month << "-" << o.day;
}

// Answers every window the new day can open by recording it, so nothing
// else (a registered default acting on another game) runs.
struct WindowLog {
    HeadlessPlatform ui;
    ScopedPlatform scope{ui};
    std::vector<Opened> opened;

    explicit WindowLog(GameState& g) {
        for (Window w : {Window::LoanRepayment, Window::MonthReport, Window::AwardNotice, Window::DayReport,
                         Window::ClerkPopup, Window::Complaint})
            ui.windowAnswers[w] = [this, &g, w](GameState&) {
                opened.push_back({w, g.Year.i(), g.Month.i(), g.Day.i(), g.DueLoanSlot.i()});
            };
    }
    std::vector<Window> forms() const {
        std::vector<Window> f;
        for (const Opened& o : opened) f.push_back(o.form);
        return f;
    }
};

// The last tick of the day's last hour, with the hour step's own
// messages (advice, the day's profit) out of the way.
void TickIntoNewDay(GameState& g) {
    g.ShopOpen = 0;
    g.DayReportDone = 1;
    g.Hour = 23;
    g.TicksPerHour = 10;
    g.HourTicks = 9;
    ShopTick(g);
}

std::int64_t MonthExpense(const GameState& g, int category) { return g.Ledger.Expense[category][1].whole(); }

}  // namespace

// ---- month lengths ----

TEST(CalendarMonths, LengthsAndLeapYears) {
    struct Case {
        int year, month, days;
    };
    const Case cases[] = {
        {2026, 1, 31}, {2026, 2, 28}, {2026, 3, 31}, {2026, 4, 30}, {2026, 5, 31}, {2026, 6, 30},
        {2026, 7, 31}, {2026, 8, 31}, {2026, 9, 30}, {2026, 10, 31}, {2026, 11, 30}, {2026, 12, 31},
        {2024, 2, 29},  // divisible by 4
        {2100, 2, 29},  // no century rule
        {2000, 2, 29},
        {2025, 2, 28},
        {2026, 0, 0},
        {2026, 13, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
}

// ---- the day roll-over ----

TEST(CalendarNewDay, LastHourRollsOverToHourZeroOfTheNextDay) {
    struct Case {
        const char* what;
        int y, m, d;  // the day that ends
        int ny, nm, nd, weekday;
    };
    const Case cases[] = {
        {"an ordinary Wednesday", 2026, 4, 1, 2026, 4, 2, 4},
        {"Saturday into Sunday", 2026, 4, 4, 2026, 4, 5, 0},
        {"end of a 30-day month", 2026, 4, 30, 2026, 5, 1, 5},
        {"end of February, common year", 2026, 2, 28, 2026, 3, 1, 0},
        {"February 28th, leap year", 2024, 2, 28, 2024, 2, 29, 4},
        {"end of February, leap year", 2024, 2, 29, 2024, 3, 1, 5},
        {"February 28th, 2100", 2100, 2, 28, 2100, 2, 29, 1},
        {"end of the year", 2026, 12, 31, 2027, 1, 1, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = ShopOn(c.y, c.m, c.d);
        WindowLog log(*g);
        TickIntoNewDay(*g);
        EXPECT_EQ(g->Hour, Value(0));
        EXPECT_EQ(g->HourTicks, Value(0));
        EXPECT_EQ(g->Year.asInt(), c.ny);
        EXPECT_EQ(g->Month.asInt(), c.nm);
        EXPECT_EQ(g->Day.asInt(), c.nd);
        EXPECT_EQ(g->Weekday.asInt(), c.weekday);
        EXPECT_EQ(g->ScheduleDirty, Value(1));
        // The next hour change is hour 1 of the new day.
        g->HourTicks = g->TicksPerHour.asInt() - 1;
        ShopTick(*g);
        EXPECT_EQ(g->Hour, Value(1));
        EXPECT_EQ(g->Day.asInt(), c.nd);
    }
}

TEST(CalendarNewDay, DirtAndTheWeeksPopularity) {
    struct Case {
        const char* what;
        int d;  // April 2026: the 4th is a Saturday
        int dirt, policy, popularity;
        int dirtAfter, litter, popularityAfter;
    };
    const Case cases[] = {
        {"a day's dirt", 1, 50, 1, 50, 53, 2, 50},
        {"dirt crosses a litter threshold", 1, 78, 0, 50, 81, 4, 50},
        {"dirt capped after the litter", 1, 98, 0, 50, 100, 4, 50},
        {"free reading keeps popularity", 4, 0, 0, 50, 3, 0, 50},
        {"one browsing copy wins some", 4, 0, 1, 50, 3, 0, 51},
        {"forbidden reading loses some", 4, 0, 2, 50, 3, 0, 49},
        {"no rise above 100", 4, 0, 1, 100, 3, 0, 100},
        {"no fall below 0", 4, 0, 2, 0, 3, 0, 0},
        {"out of range comes back", 4, 0, 0, 130, 3, 0, 100},
        {"not on a weekday", 1, 0, 2, 50, 3, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = ShopOn(2026, 4, c.d);
        WindowLog log(*g);
        g->Dirtiness = c.dirt;
        g->StandingReadingPolicy = c.policy;
        g->Popularity = c.popularity;
        TickIntoNewDay(*g);
        EXPECT_EQ(g->Dirtiness.asInt(), c.dirtAfter);
        EXPECT_EQ(g->LitterCount.asInt(), c.litter);
        EXPECT_EQ(g->Popularity.asInt(), c.popularityAfter);
    }
}

// ---- month and year ends ----

TEST(CalendarMonthEnd, ReportsInOrderWithTheDatesTheySee) {
    struct Case {
        const char* what;
        int y, m, d;
        std::vector<Opened> expected;
    };
    const Case cases[] = {
        {"an ordinary day", 2026, 4, 1, {{Window::DayReport, 2026, 4, 2, 0}}},
        {"end of January", 2026, 1, 31, {{Window::MonthReport, 2026, 1, 31, 0}, {Window::DayReport, 2026, 2, 1, 0}}},
        {"end of February", 2026, 2, 28, {{Window::MonthReport, 2026, 2, 28, 0}, {Window::DayReport, 2026, 3, 1, 0}}},
        {"end of March", 2026, 3, 31, {{Window::AwardNotice, 2026, 3, 31, 0}, {Window::MonthReport, 2026, 3, 31, 0}, {Window::DayReport, 2026, 4, 1, 0}}},
        {"end of April", 2026, 4, 30, {{Window::MonthReport, 2026, 4, 30, 0}, {Window::DayReport, 2026, 5, 1, 0}}},
        {"end of June", 2026, 6, 30, {{Window::AwardNotice, 2026, 6, 30, 0}, {Window::MonthReport, 2026, 6, 30, 0}, {Window::DayReport, 2026, 7, 1, 0}}},
        {"end of September", 2026, 9, 30, {{Window::AwardNotice, 2026, 9, 30, 0}, {Window::MonthReport, 2026, 9, 30, 0}, {Window::DayReport, 2026, 10, 1, 0}}},
        // The day report sees month 13: January of the next year.
        {"end of December", 2026, 12, 31, {{Window::AwardNotice, 2026, 12, 31, 0}, {Window::MonthReport, 2026, 12, 31, 0}, {Window::DayReport, 2026, 13, 1, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = ShopOn(c.y, c.m, c.d);
        WindowLog log(*g);
        TickIntoNewDay(*g);
        EXPECT_EQ(log.opened, c.expected);
    }
}

TEST(CalendarMonthEnd, NewMonthsPaymentsStayInTheNewMonth) {
    auto g = ShopOn(2026, 4, 30);
    WindowLog log(*g);
    // Last month's figures, and this year's so far.
    AddMoney(*g, 700, BooksMagazines, 1);
    AddMoney(*g, -300, OtherCategory, 0);
    g->CopiesSoldHistory.Yearly[0] = 40;
    // The two reports close as they do in the game.
    std::vector<std::int64_t> monthlyAtReport;
    log.ui.windowAnswers[Window::MonthReport] = [&](GameState&) {
        monthlyAtReport.push_back(g->Ledger.Income[BooksMagazines][1].whole());
        MonthClose(*g);
    };
    log.ui.windowAnswers[Window::DayReport] = [&](GameState&) { DayClose(*g); };

    TickIntoNewDay(*g);

    // The report still saw the old month; then the column was cleared and
    // the new month's rent booked into it, and the day close kept it.
    EXPECT_EQ(monthlyAtReport, std::vector<std::int64_t>{700});
    EXPECT_EQ(g->Ledger.Income[BooksMagazines][1].whole(), 0);
    EXPECT_EQ(MonthExpense(*g, OtherCategory), 0);
    EXPECT_EQ(MonthExpense(*g, Rent), 150000);
    EXPECT_EQ(g->ProfitHistory.Monthly[0].asInt(), -150000);
    EXPECT_EQ(g->ProfitHistory.Monthly[1].asInt(), 400);
    // A month end leaves the year alone.
    EXPECT_EQ(g->Ledger.Income[BooksMagazines][2].whole(), 700);
    EXPECT_EQ(g->ProfitHistory.Yearly[0].asInt(), 400 - 150000);
    EXPECT_EQ(g->CopiesSoldHistory.Yearly[0].asInt(), 40);
}

TEST(CalendarMonthEnd, YearEndTurnsTheYearOverBeforeTheNewYearsPayments) {
    auto g = ShopOn(2026, 12, 31);
    WindowLog log(*g);
    AddMoney(*g, 5000, BooksMagazines, 1);
    g->CopiesSoldHistory.Yearly[0] = 40;
    g->CopiesSoldHistory.Yearly[1] = 30;
    g->ProfitHistory.Yearly[1] = 900;
    log.ui.windowAnswers[Window::MonthReport] = [&](GameState&) { MonthClose(*g); };
    log.ui.windowAnswers[Window::DayReport] = [&](GameState&) { DayClose(*g); };

    TickIntoNewDay(*g);

    EXPECT_EQ(g->Year, Value(2027));
    EXPECT_EQ(g->Month, Value(1));
    EXPECT_EQ(g->Day, Value(1));
    // The old year moved one place on; the new year holds only its rent.
    EXPECT_EQ(g->CopiesSoldHistory.Yearly[0].asInt(), 0);
    EXPECT_EQ(g->CopiesSoldHistory.Yearly[1].asInt(), 40);
    EXPECT_EQ(g->CopiesSoldHistory.Yearly[2].asInt(), 30);
    EXPECT_EQ(g->ProfitHistory.Yearly[0].asInt(), -150000);
    EXPECT_EQ(g->ProfitHistory.Yearly[1].asInt(), 5000);
    EXPECT_EQ(g->ProfitHistory.Yearly[2].asInt(), 900);
    EXPECT_EQ(g->Ledger.Income[BooksMagazines][2].whole(), 0);
    EXPECT_EQ(g->Ledger.Expense[Rent][2].whole(), 150000);
    EXPECT_EQ(MonthExpense(*g, Rent), 150000);
}

// ---- loans ----

TEST(CalendarLoans, FallDueOnTheFirstNewDayOnOrAfterTheDueDate) {
    struct Case {
        const char* what;
        int y, m, d;            // the day that ends
        int dueY, dueM, dueD;   // loan slot 1
        bool due;
    };
    const Case cases[] = {
        {"due on the new day", 2026, 5, 9, 2026, 5, 10, true},
        {"due the day after", 2026, 5, 9, 2026, 5, 11, false},
        {"due on the 1st of the new month", 2026, 4, 30, 2026, 5, 1, true},
        {"a 29 February that does not exist", 2026, 2, 28, 2026, 2, 29, true},
        {"a 29 February that does", 2028, 2, 28, 2028, 2, 29, true},
        {"29 February comes tomorrow", 2028, 2, 27, 2028, 2, 29, false},
        {"due on New Year's Day", 2026, 12, 31, 2027, 1, 1, true},
        {"due next year", 2026, 12, 31, 2027, 12, 31, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = ShopOn(c.y, c.m, c.d);
        WindowLog log(*g);
        g->Loan.Amount[1] = 1000000;
        g->Loan.DueYear[1] = c.dueY;
        g->Loan.DueMonth[1] = c.dueM;
        g->Loan.DueDay[1] = c.dueD;
        g->DueLoanSlot = 0;
        TickIntoNewDay(*g);
        // The notice comes before any report, with the slot set.
        const std::vector<Window> forms = log.forms();
        const bool shown = !forms.empty() && forms.front() == Window::LoanRepayment;
        EXPECT_EQ(shown, c.due);
        if (shown) {
            EXPECT_EQ(log.opened.front().dueLoanSlot, 1);
        }
    }
}

TEST(CalendarLoans, EveryDueSlotGetsItsOwnNotice) {
    auto g = ShopOn(2026, 5, 9);
    WindowLog log(*g);
    for (int k : {0, 2}) {
        g->Loan.Amount[k] = 500000;
        g->Loan.DueYear[k] = 2026;
        g->Loan.DueMonth[k] = 5;
        g->Loan.DueDay[k] = 10;
    }
    // Slot 1 is free: its date is due but nothing is owed.
    g->Loan.DueYear[1] = 2026;
    g->Loan.DueMonth[1] = 5;
    g->Loan.DueDay[1] = 1;
    log.ui.windowAnswers[Window::LoanRepayment] = [&](GameState&) {
        log.opened.push_back({Window::LoanRepayment, 0, 0, 0, g->DueLoanSlot.i()});
        g->Loan.Amount[g->DueLoanSlot.i()] = 0;  // the notice's closing repays it
    };
    TickIntoNewDay(*g);
    std::vector<int> slots;
    for (const Opened& o : log.opened)
        if (o.form == Window::LoanRepayment) slots.push_back(o.dueLoanSlot);
    EXPECT_EQ(slots, (std::vector<int>{0, 2}));

    // Repaid loans do not come back.
    log.opened.clear();
    TickIntoNewDay(*g);
    EXPECT_EQ(log.forms(), std::vector<Window>{Window::DayReport});
}

// ---- the news day ----

TEST(CalendarNews, WeeklyNewsEveryTuesday) {
    struct Case {
        const char* what;
        int y, m, d;  // the day that ends
        int clerks;
        const char* title;  // nullptr: not a news day
        std::vector<Window> forms;
    };
    const Case cases[] = {
        {"Monday into Tuesday", 2026, 4, 6, 1, "4月7日号", {Window::DayReport, Window::ClerkPopup}},
        {"no clerk: news but no notice", 2026, 4, 6, 0, "4月7日号", {Window::DayReport}},
        {"Tuesday into Wednesday", 2026, 4, 7, 1, nullptr, {Window::DayReport}},
        {"a Tuesday that is New Year's Day", 2029, 12, 31, 1, "1月1日号",
         {Window::AwardNotice, Window::MonthReport, Window::DayReport, Window::ClerkPopup}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = ShopOn(c.y, c.m, c.d);
        WindowLog log(*g);
        g->ClerkCount = c.clerks;
        g->ShowClerkMessages = 1;
        g->NewsIssueTitle = "旧号";
        g->NewsEventCode = 9;  // the news reports and clears it
        TickIntoNewDay(*g);
        if (c.title) {
            EXPECT_EQ(g->NewsIssueTitle, Value(c.title));
            EXPECT_EQ(g->NewsEventCode.asInt(), 0);
        } else {
            EXPECT_EQ(g->NewsIssueTitle, Value("旧号"));
            EXPECT_EQ(g->NewsEventCode.asInt(), 9);
        }
        EXPECT_EQ(log.forms(), c.forms);
        if (c.title && c.clerks) {
            EXPECT_EQ(g->ClerkMessageCount, Value(1));
            EXPECT_EQ(g->ClerkMessages[0], Value("今天是业界新闻的发售日。"));
        }
    }
}
