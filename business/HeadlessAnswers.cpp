#include "business/HeadlessAnswers.h"

#include "business/Bank.h"
#include "business/DayReport.h"
#include "business/Earthquake.h"
#include "business/Fire.h"
#include "business/GameOver.h"
#include "business/GrandPrize.h"
#include "business/Insurance.h"
#include "business/MonthEnd.h"
#include "business/Robbery.h"
#include "business/StarNotice.h"
#include "platform/Platform.h"

namespace {

void MonthReport(GameState& g) {
    ClockHold hold;
    MonthReportOpened(g);
    MonthClose(g);
}

void DayReport(GameState& g) {
    ClockHold hold;
    DayReportOpened(g);
    DayClose(g);
}

void GameOver(GameState& g) {
    {
        ClockHold hold;
        GameOverClosed(g);
    }
    // The title state the window returns to leaves the clock off.
    Ui().SetClockEnabled(false);
}

void VisitorNotice(GameState&) { ClockHold hold; }

void StarPromotion(GameState& g) {
    ClockHold hold;
    StarNoticeClosed(g);
}

void GrandPrize(GameState& g) {
    ClockHold hold;
    GrandPrizeCertificateClosed(g);
}

// The bank and the insurance dialog answered by "返回" / "取消": nothing
// changes. The borrowing dialog opens and is cancelled.
void Bank(GameState&) { ClockHold hold; }

void Borrow(GameState& g) {
    ClockHold hold;
    BorrowDialogOpened(g);
}

// The repayment notice has one answer: "关闭" repays.
void LoanRepayment(GameState& g) {
    ClockHold hold;
    RepayDueLoan(g);
}

void InsuranceDialog(GameState&) { ClockHold hold; }

void InsurancePayout(GameState& g) {
    ClockHold hold;
    InsurancePayoutOpened(g);
}

// The first answer, "付钱": the robber is paid.
void Robbery(GameState& g) {
    ClockHold hold;
    RobberyOpened(g);
    PayRobber(g);
}

// "继续 >>", the shake to its end, then the damage report.
void Earthquake(GameState& g) {
    {
        ClockHold hold;
        EarthquakeOpened(g);
        StartQuakeShake(g);
        while (!QuakeShakeTick(g)) {
        }
        EarthquakeClosed(g);
    }
    Ui().ShowWindow(Window::QuakeDamage, g);
}

void QuakeDamage(GameState& g) {
    ClockHold hold;
    BreakFacilitiesInQuake(g);
    QuakeDamageClosed(g);
}

void FireDiscovered(GameState&) { ClockHold hold; }

// Both windows end the fire as they close.
void FireEnded(GameState& g) {
    ClockHold hold;
    EndFire(g);
}

constexpr WindowDefault kAnswers[] = {
    {Window::MonthReport, MonthReport},
    {Window::DayReport, DayReport},
    {Window::GameOver, GameOver},
    {Window::VisitorNotice, VisitorNotice},
    {Window::StarPromotion, StarPromotion},
    {Window::GrandPrize, GrandPrize},
    {Window::Bank, Bank},
    {Window::Borrow, Borrow},
    {Window::LoanRepayment, LoanRepayment},
    {Window::Insurance, InsuranceDialog},
    {Window::InsurancePayout, InsurancePayout},
    {Window::Robbery, Robbery},
    {Window::Earthquake, Earthquake},
    {Window::QuakeDamage, QuakeDamage},
    {Window::FireDiscovered, FireDiscovered},
    {Window::FireOut, FireEnded},
    {Window::FireBrigade, FireEnded},
};

}  // namespace

WindowDefaults BusinessWindowDefaults() { return kAnswers; }
