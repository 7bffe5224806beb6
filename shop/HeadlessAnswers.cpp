#include "shop/HeadlessAnswers.h"

#include "platform/Platform.h"
#include "shop/ClerkPopup.h"
#include "shop/Complaints.h"

namespace {

void Complaint(GameState& g) {
    ClockHold hold;
    ComplaintOpened(g);
}

void ClerkPopup(GameState& g) { ClerkPopupOpened(g); }

constexpr WindowDefault kAnswers[] = {
    {Window::Complaint, Complaint},
    {Window::ClerkPopup, ClerkPopup},
};

}  // namespace

WindowDefaults ShopWindowDefaults() { return kAnswers; }
