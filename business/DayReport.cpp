#include "business/DayReport.h"

#include <cstddef>

#include "business/MonthEnd.h"
#include "state/Ledger.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

constexpr int kDayPeriod = 0;

constexpr const char* kMagazineHeading = "●今日发售的杂志";
constexpr const char* kBookHeading = "●今日进货的书籍";
constexpr const char* kNone = "无";
constexpr const char* kStockedMark = "→  ";  // the arrow marks what the shop takes in
constexpr const char* kNotStockedMark = "    ";

// Magazine issue codes: 1..31 monthly on that day, 40 on the 1st and the
// 15th, 60 + w weekly on weekday w.
constexpr int kTwiceMonthly = 40;
constexpr int kWeeklyBase = 60;
constexpr int kFirstHalfIssueDay = 1, kSecondHalfIssueDay = 15;

bool IssuedToday(const Value& issueCode, int day, int weekday) {
    // The code carries the row number / 1000 behind the point.
    const int code = static_cast<int>(issueCode.asReal());
    return code == day || code == kWeeklyBase + weekday ||
           (code == kTwiceMonthly && (day == kFirstHalfIssueDay || day == kSecondHalfIssueDay));
}

}  // namespace

DayReport BuildDayReport(const GameState& g) {
    DayReport r;
    r.date = TodayShown(g);
    r.caption = "今日是" + std::to_string(r.date.year) + "年" + std::to_string(r.date.month) + "月" +
                std::to_string(r.date.day) + "日";
    r.weekday = WeekdayName(r.date.weekday);

    const int day = g.Day.i();
    const int weekday = g.Weekday.i();
    r.lines.push_back(kMagazineHeading);
    std::size_t before = r.lines.size();
    for (int k = 0; k < RowsInUse(g.MagazineCount, g.Magazine.Name); ++k) {
        if (g.Magazine.Listed[k].asInt() != 1 || !IssuedToday(g.Magazine.IssueCode[k], day, weekday)) continue;
        const bool stocked = g.Magazine.StandingOrder[k].asReal() != 0;
        r.lines.push_back((stocked ? kStockedMark : kNotStockedMark) + g.Magazine.Name[k].asText());
    }
    if (r.lines.size() == before) r.lines.push_back(kNone);

    r.lines.push_back(kBookHeading);
    before = r.lines.size();
    for (int b = 0; b < RowsInUse(g.BookCount, g.Book.Title); ++b)
        if (g.Book.DaysToDelivery[b].asInt() == 1) r.lines.push_back(kStockedMark + g.Book.Title[b].asText());
    if (r.lines.size() == before) r.lines.push_back(kNone);
    return r;
}

void DayReportOpened(GameState& g) { g.ReportTicks = 0; }

bool DayReportTimerTick(GameState& g) { return ReportTimerTick(g, kDayReportTicksPerStep); }

void DayClose(GameState& g) {
    ShiftHistory(g.CopiesSoldHistory.Daily);
    for (int c = 0; c < kLedgerCategories; ++c) {
        g.Ledger.Income[c][kDayPeriod] = Money();
        g.Ledger.Expense[c][kDayPeriod] = Money();
    }
    ShiftHistory(g.ProfitHistory.Daily);
    g.ClerkAdviceToday = 0;
    CountUp(g.DaysSinceRobbery);
    CountUp(g.DaysSinceDisaster);
    g.ReportTicks = 0;
    g.LedgerDirty = 1;
}
