#include "stock/DeliverySchedule.h"

#include <algorithm>
#include <cstdint>

#include "state/Calendar.h"
#include "state/ShownDate.h"
#include "state/FormatMoney.h"
#include "state/MagazineCatalogue.h"
#include "state/TableRows.h"

namespace {

constexpr int kDaysPerWeek = 7;

int Magazines(const GameState& g) { return RowsInUse(g.MagazineCount, g.Magazine.Name); }
int Books(const GameState& g) { return RowsInUse(g.BookCount, g.Book.Title); }

// The whole standing order, also when the shelves will take fewer copies
// on the day.
ScheduleLine Arrival(const Value& name, const Value& copies, const Value& cost) {
    return {name.asText(), FormatMoney(copies.asInt()) + "册", FormatMoney(copies.asInt() * cost.asInt()) + "円"};
}

}  // namespace

DeliverySchedule MonthSchedule(const GameState& g) {
    DeliverySchedule s;
    // During the new day the schedule is already the new day's month.
    const ShownDate shown = TodayShown(g);
    s.heading = std::to_string(shown.year) + "年" + std::to_string(shown.month) + "月";
    const int today = shown.day;
    const int days = DaysInMonth(shown.year, shown.month);
    // The weekday of the day before the 1st: today's, stepped back Day days.
    int w = ((shown.weekday - today) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;

    const auto& B = g.Book;
    const auto& M = g.Magazine;
    for (int d = 1; d <= days; ++d) {
        ScheduleDay day;
        day.day = d;
        day.firstRow = static_cast<int>(s.rows.size());
        for (int b = 0; b < Books(g); ++b) {
            const std::int64_t countdown = B.DaysToDelivery[b].asInt();
            if (countdown != 0 && today + countdown == d) s.rows.push_back(Arrival(B.Title[b], B.StandingOrder[b], B.Cost[b]));
        }
        w = (w + 1) % kDaysPerWeek;
        for (int m = 0; m < Magazines(g); ++m) {
            if (M.Listed[m].asInt() == 1 && M.StandingOrder[m].asInt() != 0 && IsIssueDay(M.IssueCode[m], d, w))
                s.rows.push_back(Arrival(M.Name[m], M.StandingOrder[m], M.Cost[m]));
        }
        if (static_cast<int>(s.rows.size()) == day.firstRow) s.rows.push_back({kNothingArrivesText, "", ""});
        day.label = std::to_string(d) + "日 " + WeekdayName(w);
        day.today = d == today;
        s.days.push_back(std::move(day));
    }
    return s;
}

DeliverySchedule RebuildDeliverySchedule(GameState& g) {
    g.ScheduleDirty = 0;
    DeliverySchedule s = MonthSchedule(g);
    g.ScheduleRow = static_cast<int>(s.rows.size());
    return s;
}

OuterSize ScheduleWindowOuter(OuterSize outer, int clientHeight, int listHeight) {
    outer = BoundReportOuter(outer, clientHeight);
    // A window taller than its list shrinks to it.
    if (listHeight + 4 <= clientHeight) outer.height = (listHeight + 28) * kTwipsPerPixel;
    return outer;
}

ScheduleWindowParts ScheduleWindowLayout(int clientWidth, int clientHeight, int listHeight) {
    ScheduleWindowParts p;
    p.scrollLeft = clientWidth - 17;
    p.scrollHeight = std::max(0, clientHeight - 29);
    p.scrollMax = std::max(0, listHeight + 4 - clientHeight);
    p.viewportHeight = std::max(0, clientHeight - 30);
    return p;
}
