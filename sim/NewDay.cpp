#include "sim/NewDay.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>

#include "business/MonthEnd.h"
#include "business/WeeklyNews.h"
#include "platform/Platform.h"
#include "sim/Deliveries.h"
#include "shop/ShelfFill.h"
#include "sim/ClerkMessages.h"
#include "shop/ReadingPolicy.h"
#include "state/Calendar.h"
#include "state/Ledger.h"
#include "shop/Litter.h"

namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;
constexpr int kNewsWeekday = 2;  // Tuesday

// The dirt a day leaves behind.
constexpr int kDailyDirt = 3;
constexpr int kGaugeMax = 100;

// The award ceremony is held at the end of every quarter, before the
// month's report.
bool EndsQuarter(int month) { return month % 3 == 0; }

constexpr const char* kNewsDayNotice = "今天是业界新闻的发售日。";

void AddDailyDirt(GameState& g) {
    g.Dirtiness = g.Dirtiness.asInt() + kDailyDirt;
    // The litter is laid from the value before the cap.
    UpdateLitterSprites(g);
    if (g.Dirtiness.asInt() >= kGaugeMax) g.Dirtiness = kGaugeMax;
}

// A loan is repaid on the first new day on or after its due date, so a due
// date that never comes (29 February of a common year) is still met.
void RepayDueLoans(GameState& g) {
    const GameDate today = NewDayDate(g);
    const auto now = std::make_tuple(today.year, today.month, today.day);
    for (int k = 0; k < static_cast<int>(g.Loan.Amount.size()); ++k) {
        if (g.Loan.Amount[k].asReal() == 0) continue;
        const auto due = std::make_tuple(g.Loan.DueYear[k].i(), g.Loan.DueMonth[k].i(), g.Loan.DueDay[k].i());
        if (due > now) continue;
        g.DueLoanSlot = k;
        Ui().ShowWindow(Window::LoanRepayment, g);
    }
}

void NextWeekday(GameState& g) {
    g.Weekday = g.Weekday.asInt() + 1;
    if (g.Weekday.asInt() < kDaysPerWeek) return;
    g.Weekday = 0;
    const int step = WeeklyPopularityChange(g.StandingReadingPolicy);
    g.Popularity = std::clamp<std::int64_t>(g.Popularity.asInt() + step, 0, kGaugeMax);
}

void PublishWeeklyNews(GameState& g) {
    const GameDate today = NewDayDate(g);
    g.NewsIssueTitle = std::to_string(today.month) + "月" + std::to_string(today.day) + "日号";
    WriteWeeklyNews(g);
}

// Every month end is alike: the award notice first at a quarter's end, then
// the month's report (which closes the month's histories), then the new
// month's salaries, rent and premiums. The reports show the old month's
// last day. At the turn of the year the year's histories move on before the
// new year's first payments are booked, so those stay in the new year.
void EndMonth(GameState& g) {
    const int ending = g.Month.i();
    g.Day = g.Day.asInt() - 1;
    g.newDayStep = NewDayStep::MonthClosing;
    if (EndsQuarter(ending)) Ui().ShowWindow(Window::AwardNotice, g);
    Ui().ShowWindow(Window::MonthReport, g);
    g.Day = 1;
    g.Month = ending + 1;
    g.newDayStep = NewDayStep::Settled;
    if (g.Month.asInt() > kMonthsPerYear) {
        ShiftHistory(g.CopiesSoldHistory.Yearly);
        ShiftHistory(g.ProfitHistory.Yearly);
    }
    MonthEndPayments(g);
}

void GiveNewsDayNotice(GameState& g) {
    g.ClerkMessageCount = 0;
    QueueClerkMessage(g, kNewsDayNotice);
    ShowQueuedClerkMessages(g);
}

// Month 13 stands for January of the next year until here; the year's
// histories already moved on at the month end.
void EndYear(GameState& g) {
    g.Month = 1;
    g.Year = std::min<std::int64_t>(g.Year.asInt() + 1, kLastGameYear);
}

}  // namespace

void StartNewDay(GameState& g) {
    g.Hour = 0;
    g.Day = g.Day.asInt() + 1;
    g.ScheduleDirty = 1;
    // Day names the new day before the week moves on; a loan notice may
    // come up in between.
    g.newDayStep = NewDayStep::DayMovedOn;

    AddDailyDirt(g);
    RepayDueLoans(g);
    NextWeekday(g);
    g.newDayStep = NewDayStep::Settled;
    const bool newsDay = g.Weekday.asInt() == kNewsWeekday;
    if (newsDay) PublishWeeklyNews(g);

    if (g.Day.asInt() == DaysInMonth(g.Year.i(), g.Month.i()) + 1) EndMonth(g);

    Ui().ShowWindow(Window::DayReport, g);

    if (newsDay && g.ClerkCount.asInt() != 0) GiveNewsDayNotice(g);

    if (g.Month.asInt() > kMonthsPerYear) EndYear(g);

    DeliverBooks(g);
    IssueMagazines(g);
    UpdateShelfFillLevel(g);
}
