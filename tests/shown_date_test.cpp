// The date the windows show while the new day waits in one of its windows:
// the information windows, the delivery schedule and the main caption show
// the day that has begun with its own weekday; the month report and the
// caption it refreshes show the closing month's last day with that day's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "business/DayReport.h"
#include "business/MonthEnd.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/ShopInfo.h"
#include "sim/NewDay.h"
#include "state/Calendar.h"
#include "state/MainCaption.h"
#include "state/ShownDate.h"
#include "stock/DeliverySchedule.h"
#include "tests/TestShop.h"

namespace {

// What one window of the new day saw, as "2026年12月31日 星期四".
struct Seen {
    Window form;
    std::string info, details, caption, report;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
    *os << "Form" << WindowNumber(s.form) << " info " << s.info << ", details " << s.details << ", caption "
        << s.caption << ", report " << s.report;
}

std::string Text(const std::string& y, const std::string& m, const std::string& d, const std::string& wd) {
    return y + "年" + m + "月" + d + "日 " + wd;
}
std::string Text(const ShownDate& d) {
    return Text(std::to_string(d.year), std::to_string(d.month), std::to_string(d.day), WeekdayName(d.weekday));
}

// The caption's date, "… 2026年 12月 31日 星期四上午 0时", as "2026年12月31日 星期四".
std::string CaptionDate(const std::string& caption) {
    const auto from = caption.find("円 ") + std::string("円 ").size();
    std::string date = caption.substr(from, caption.find("上午") - from);
    for (const char* unit : {"年 ", "月 "}) date.erase(date.find(unit) + std::string(unit).size() - 1, 1);
    return date;
}

// The schedule's heading and today's label: "2026年12月" + " 31日 星期四".
std::string ScheduleToday(const GameState& g) {
    const DeliverySchedule s = MonthSchedule(g);
    for (const ScheduleDay& d : s.days)
        if (d.today) return s.heading + d.label;
    return s.heading + " (no today)";
}

Seen Look(Window w, GameState& g) {
    const ShopInfoTexts info = ShopInfoView(g);
    const ShopDetailsTexts details = ShopDetailsView(g);
    Seen s{w, Text(info.year, info.month, info.day, info.weekday),
           Text(details.year, details.month, details.day, details.weekday), CaptionDate(MainCaption(g)), ""};
    if (w == Window::MonthReport) {
        s.caption = CaptionDate(BuildMonthReport(g).mainCaption);
        s.report = BuildMonthReport(g).header;
    }
    if (w == Window::DayReport) s.report = BuildDayReport(g).caption + " " + BuildDayReport(g).weekday;
    // The delivery schedule marks the same day as today.
    EXPECT_EQ(ScheduleToday(g), s.info) << "Form" << WindowNumber(w);
    return s;
}

}  // namespace

TEST(ShownDate, WindowsOfTheNewDayAcrossAMonthEndAndAYearEnd) {
    struct Case {
        const char* what;
        int year, month, day;  // the day that ends
        GameDate next;         // the day that begins
        std::vector<Seen> seen;
    };
    const char* kMay1 = "2026年5月1日 星期五";
    const char* kJan1 = "2027年1月1日 星期五";
    const char* kMar1 = "2028年3月1日 星期三";
    const Case cases[] = {
        {"an ordinary day (a Monday)",
         2026, 6, 15, {2026, 6, 16},
         {{Window::LoanRepayment, "2026年6月16日 星期二", "2026年6月16日 星期二", "2026年6月16日 星期二", ""},
          {Window::DayReport, "2026年6月16日 星期二", "2026年6月16日 星期二", "2026年6月16日 星期二",
           "今日是2026年6月16日 星期二"}}},
        {"the end of April (a Thursday)",
         2026, 4, 30, {2026, 5, 1},
         {{Window::LoanRepayment, kMay1, kMay1, kMay1, ""},
          {Window::MonthReport, kMay1, kMay1, "2026年4月30日 星期四", "== 2026年4月底 =="},
          {Window::DayReport, kMay1, kMay1, kMay1, "今日是2026年5月1日 星期五"}}},
        {"the end of a leap February (a Tuesday)",
         2028, 2, 29, {2028, 3, 1},
         {{Window::LoanRepayment, kMar1, kMar1, kMar1, ""},
          {Window::MonthReport, kMar1, kMar1, "2028年2月29日 星期二", "== 2028年2月底 =="},
          {Window::DayReport, kMar1, kMar1, kMar1, "今日是2028年3月1日 星期三"}}},
        {"the end of the year (a Thursday)",
         2026, 12, 31, {2027, 1, 1},
         {{Window::LoanRepayment, kJan1, kJan1, kJan1, ""},
          {Window::AwardNotice, kJan1, kJan1, kJan1, ""},
          {Window::MonthReport, kJan1, kJan1, "2026年12月31日 星期四", "== 2026年12月底 =="},
          {Window::DayReport, kJan1, kJan1, kJan1, "今日是2027年1月1日 星期五"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = NewTestShop({.year = c.year, .month = c.month, .day = c.day, .hour = 23, .seed = 3});
        ASSERT_TRUE(g);
        // A loan falls due on the new day, so its notice comes up first.
        g->Loan.Amount[0] = 100000;
        g->Loan.DueYear[0] = c.next.year;
        g->Loan.DueMonth[0] = c.next.month;
        g->Loan.DueDay[0] = c.next.day;

        HeadlessPlatform ui;
        ScopedPlatform scoped{ui};
        std::vector<Seen> seen;
        for (Window w : {Window::LoanRepayment, Window::AwardNotice, Window::MonthReport, Window::DayReport})
            ui.windowAnswers[w] = [&seen, w](GameState& at) {
                seen.push_back(Look(w, at));
                if (w == Window::LoanRepayment) at.Loan.Amount[at.DueLoanSlot.i()] = 0;
            };
        StartNewDay(*g);
        EXPECT_EQ(seen, c.seen);
        // Once the new day is over, the calendar names it again.
        EXPECT_EQ(Text(TodayShown(*g)), c.seen.back().info);
        EXPECT_EQ(g->newDayStep, NewDayStep::Settled);
    }
}
