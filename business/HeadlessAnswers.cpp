#include "business/HeadlessAnswers.h"

#include "business/DayReport.h"
#include "business/GameOver.h"
#include "business/GrandPrize.h"
#include "business/MonthEnd.h"
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

constexpr WindowDefault kAnswers[] = {
    {Window::MonthReport, MonthReport},
    {Window::DayReport, DayReport},
    {Window::GameOver, GameOver},
    {Window::VisitorNotice, VisitorNotice},
    {Window::StarPromotion, StarPromotion},
    {Window::GrandPrize, GrandPrize},
};

}  // namespace

WindowDefaults BusinessWindowDefaults() { return kAnswers; }
