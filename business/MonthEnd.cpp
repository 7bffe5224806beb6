#include "business/MonthEnd.h"

#include <cstdint>

#include "business/LedgerView.h"
#include "shop/Staff.h"
#include "state/MainCaption.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"
#include "state/Counters.h"

namespace {

constexpr int kMonthPeriod = 1;
constexpr int kYearPeriod = 2;
constexpr int kMonthsPerYear = 12;
constexpr int kReportSpeedSteps = 10;
constexpr int kShopServices = 4;

void ClearColumn(GameState& g, int period) {
    for (int c = 0; c < kLedgerCategories; ++c) {
        g.Ledger.Income[c][period] = Money();
        g.Ledger.Expense[c][period] = Money();
    }
}

void Charge(GameState& g, std::int64_t amount, int category) { AddMoney(g, -amount, category, 0); }

}  // namespace

void MonthEndPayments(GameState& g) {
    // The new month starts its column here, and only here: the day close
    // that follows on the same roll-over leaves it alone.
    ClearColumn(g, kMonthPeriod);
    if (g.Month.asInt() > kMonthsPerYear) ClearColumn(g, kYearPeriod);

    RebuildEmployedList(g);
    for (int k = 0; k < g.EmployedListCount.i(); ++k)
        Charge(g, g.Applicant.Salary[g.EmployedList[k].i()].asInt(), Salaries);

    Charge(g, kMonthlyRent, Rent);
    for (std::size_t k = 0; k < kInsurancePremiums.size(); ++k)
        if (g.InsuranceJoined[k].asInt() == 1) Charge(g, kInsurancePremiums[k], Insurance);

    g.LedgerDirty = 1;
}

MonthReport BuildMonthReport(const GameState& g) {
    MonthReport r;
    r.header = "== " + g.Year.asText() + "年" + g.Month.asText() + "月底 ==";
    r.mainCaption = MainCaptionOn(g, MonthReportShown(g));
    const LedgerTable t = BuildLedgerTable(g, LedgerColumn::Month);
    r.rows = t.rows;
    r.total = t.total;
    r.net = t.total.net;
    r.deficit = t.net.raw() < 0;
    r.verdict = r.deficit ? "赤字" : "黑字";
    r.copies = FormatMoney(g.CopiesSoldHistory.Monthly[0].asInt()) + "册";
    return r;
}

void MonthReportOpened(GameState& g) { g.ReportTicks = 0; }

bool ReportTimerTick(GameState& g, int ticksPerStep) {
    CountUp(g.ReportTicks);
    const std::int64_t wait = static_cast<std::int64_t>(ticksPerStep) * (kReportSpeedSteps - g.ReportCloseSpeed.asInt());
    return g.ReportTicks.asInt() >= wait && g.ReportManualClose.asInt() == 0;
}

bool MonthReportTimerTick(GameState& g) { return ReportTimerTick(g, kMonthReportTicksPerStep); }

void MonthClose(GameState& g) {
    AddToScore(g.Bookshop.SalesPoints[0], g.CopiesSoldHistory.Monthly[0]);
    ShiftHistory(g.CopiesSoldHistory.Monthly);
    ShiftHistory(g.ProfitHistory.Monthly);

    // The fees land in the closing month's ledger column, after the report
    // has shown it, and in the new month's profit.
    for (int k = 0; k < kShopServices; ++k)
        if (g.ShopServiceOn[k].asInt() == 1) Charge(g, kServiceFee, Services);

    AddToScore(g.Bookshop.DirtPoints[0], g.Dirtiness);
    g.ShopInfoDirty = 1;
    g.ReportTicks = 0;
}
