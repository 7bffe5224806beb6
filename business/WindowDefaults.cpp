#include "business/WindowDefaults.h"

#include "business/GameOver.h"
#include "business/GrandPrize.h"
#include "business/StarNotice.h"
#include "platform/GameClock.h"
#include "platform/WindowDefaults.h"
#include "state/TheGame.h"

void RegisterBusinessWindowDefaults() {
    SetWindowDefault(34, [] {
        {
            ClockHold hold;
            GameOverClosed(Game());
        }
        // The title state the window returns to leaves the clock off.
        Clock().setEnabled(false);
    });
    SetWindowDefault(37, [] { ClockHold hold; });
    SetWindowDefault(54, [] {
        ClockHold hold;
        StarNoticeClosed(Game());
    });
    SetWindowDefault(58, [] {
        ClockHold hold;
        GrandPrizeCertificateClosed(Game());
    });
}
