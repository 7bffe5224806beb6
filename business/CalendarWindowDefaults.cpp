#include "business/CalendarWindowDefaults.h"

#include "business/DayReport.h"
#include "business/MonthEnd.h"
#include "platform/GameClock.h"
#include "platform/WindowDefaults.h"
#include "shop/ClerkPopup.h"
#include "shop/Complaints.h"
#include "state/TheGame.h"

void RegisterCalendarWindowDefaults() {
    SetWindowDefault(15, [] {
        ClockHold hold;
        MonthReportOpened(Game());
        MonthClose(Game());
    });
    SetWindowDefault(27, [] {
        ClockHold hold;
        DayReportOpened(Game());
        DayClose(Game());
    });
    SetWindowDefault(63, [] {
        ClockHold hold;
        ComplaintOpened(Game());
    });
    // Shown and, at once, gone: its own 25 ticks are not game time.
    SetWindowDefault(46, [] { ClerkPopupOpened(Game()); });
}
