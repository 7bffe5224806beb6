#pragma once
// The month end: the report of the closing month, the month close that runs
// as the report closes, and the new month's charges.
//
// The calendar runs a month change in this order: the report opens on the
// closing month's last day (MonthReportOpened, then the window shows
// BuildMonthReport), closing it runs MonthClose, the calendar moves to the
// 1st of the next month (at the turn of the year it also moves the yearly
// histories on), and MonthEndPayments books the new month's charges. The day
// report follows; its day close clears only the day column, so the charges
// stay in the new month's (and at January, the new year's) column.
#include <array>
#include <string>

#include "business/LedgerView.h"
#include "state/GameState.h"

// The monthly charges.
inline constexpr int kMonthlyRent = 150000;
inline constexpr int kServiceFee = 20000;  // per shop service offered, at the month close
// Premium by InsuranceJoined element: fire, earthquake, damage.
inline constexpr std::array<int, 3> kInsurancePremiums = {30000, 30000, 50000};

// The new month's charges, once per month change, with Day already 1 and
// Month already advanced (13 at the change to January). Clears the month
// column (and at Month 13 the year column) of the ledger, then books each
// employed clerk's salary while rebuilding the employed list, the rent and
// the premiums of the insurances joined. Nothing is refused: the charges are
// booked whatever the funds.
void MonthEndPayments(GameState& g);

// What the month report shows, from the month column.
struct MonthReport {
    std::string header;  // "== 2026年3月底 =="
    // The main window's caption while the report is up: the closing
    // month's last day with that day's weekday.
    std::string mainCaption;
    std::string copies;  // the month's copies sold, "1234册"
    std::string net;     // the month's net result, "-5万0000円"
    bool deficit = false;
    std::string verdict;  // "赤字" for a net below 0, else "黑字"
    // Indexed by ledger category 0..6 (ILabel / OLabel / GLabel element k).
    std::array<LedgerCells, 7> rows;
    LedgerCells total;  // GoLabel 0..2
};
MonthReport BuildMonthReport(const GameState& g);

// The month report opens: its tick count starts again.
void MonthReportOpened(GameState& g);

// One 100 ms tick of a report window's timer: counts ReportTicks up and
// tells whether the window closes itself now, which it does once the count
// reaches ticksPerStep x (10 - ReportCloseSpeed), unless the player closes
// the reports by hand (ReportManualClose 1).
bool ReportTimerTick(GameState& g, int ticksPerStep);
// The month report waits 75 ticks per step of the setting (15 s at 8).
inline constexpr int kMonthReportTicksPerStep = 75;
bool MonthReportTimerTick(GameState& g);

// Closing the month report, however it closes: the monthly histories move on,
// the month's copies sold and the shop's dirt go into the award points, and
// each service offered is charged its monthly fee.
void MonthClose(GameState& g);
