#include "business/HeadlessAnswers.h"

#include "business/Advertising.h"
#include "business/Awards.h"
#include "business/Bank.h"
#include "business/CeremonyScript.h"
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

// The award notice's only way on is "继续 >>", which opens the ceremony
// from inside the notice, so the clock never runs between the two.
void AwardNotice(GameState& g) {
    ClockHold hold;
    Ui().ShowWindow(Window::AwardCeremony, g);
}

// The ceremony as a patient player sees it through: a click whenever a line
// is typed out and no roulette spins, then "结束".
void AwardCeremony(GameState& g) {
    ClockHold hold;
    CeremonyStarts(g);
    CeremonyShow show;
    ClickThroughCeremony(g, show);
    CeremonyClosed(g);
}

// A report window opens, draws what its flag asked for (clearing the flag)
// and is closed again.
void Ledger(GameState& g) { g.LedgerDirty = 0; }
void SalesChart(GameState& g) { g.SalesChartDirty = 0; }
void ProfitChart(GameState& g) { g.ProfitChartDirty = 0; }

// The news windows only read the issue; the index holds the game while up.
void NewsWindow(GameState&) { ClockHold hold; }

// The advertising dialog's OK on its first medium, the posters.
void Advertising(GameState& g) {
    ClockHold hold;
    AdvertiseWith(g, AdvertisingMedium::Posters);
}

// A campaign dialog's OK on its first size or producer; after a No its
// "取消".
template <PrintCampaign C>
void PrintCampaignDialog(GameState& g) {
    ClockHold hold;
    ChoosePrintSize(g, C, 1);
    OrderPrintCampaign(g, C, 1);
}
template <FilmCampaign C>
void FilmCampaignDialog(GameState& g) {
    ClockHold hold;
    ChooseProducer(g, C, 1);
    OrderFilmCampaign(g, C, 1);
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
    {Window::AwardNotice, AwardNotice},
    {Window::AwardCeremony, AwardCeremony},
    {Window::Ledger, Ledger},
    {Window::SalesChart, SalesChart},
    {Window::ProfitChart, ProfitChart},
    {Window::NewsIndex, NewsWindow},
    {Window::HeadlineNews, NewsWindow},
    {Window::ShopOfMonthNews, NewsWindow},
    {Window::IndustryNews, NewsWindow},
    {Window::Advertising, Advertising},
    {Window::Posters, PrintCampaignDialog<PrintCampaign::Posters>},
    {Window::Leaflets, PrintCampaignDialog<PrintCampaign::Leaflets>},
    {Window::TvAdvert, FilmCampaignDialog<FilmCampaign::Tv>},
    {Window::PromoFilm, FilmCampaignDialog<FilmCampaign::Film>},
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
