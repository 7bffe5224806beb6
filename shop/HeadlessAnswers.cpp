#include "shop/HeadlessAnswers.h"

#include "platform/Platform.h"
#include "shop/ClerkInfo.h"
#include "shop/ClerkPopup.h"
#include "shop/Complaints.h"
#include "shop/CustomerOpinions.h"
#include "shop/ReadingPolicy.h"
#include "shop/ShopServices.h"
#include "shop/Upkeep.h"

namespace {

void Complaint(GameState& g) {
    ClockHold hold;
    ComplaintOpened(g);
}

void ClerkPopup(GameState& g) { ClerkPopupOpened(g); }

// The default button of the mode: "进行施工", or "进行清扫" with the method
// the dialog offers first.
void Upkeep(GameState& g) {
    ClockHold hold;
    if (g.UpkeepDialogMode.is(UpkeepCleaning))
        ConfirmCleaningOrder(g, kPreselectedCleaningGrade);
    else
        ConfirmQuakeProofing(g);
}

// "确定" with every service as it stands.
void ShopServices(GameState& g) {
    ClockHold hold;
    ApplyShopServices(g, OfferedServices(g));
}

// "确定" with the policy as it stands.
void ReadingPolicy(GameState& g) {
    ClockHold hold;
    SetReadingPolicy(g, ReadingRuleChoiceFor(g.StandingReadingPolicy));
}

// A customer speaks, and the window is closed at once.
void CustomerOpinions(GameState& g) {
    ClockHold hold;
    OpenCustomerOpinions(g);
    CustomerOpinionsClosed(g);
}

// A report window: opened, drawn once and closed again.
void ClerkInfo(GameState& g) { RebuildClerkInfo(g); }

constexpr WindowDefault kAnswers[] = {
    {Window::Complaint, Complaint},
    {Window::ClerkPopup, ClerkPopup},
    {Window::Upkeep, Upkeep},
    {Window::ShopServices, ShopServices},
    {Window::ReadingPolicy, ReadingPolicy},
    {Window::CustomerOpinions, CustomerOpinions},
    {Window::ClerkInfo, ClerkInfo},
};

}  // namespace

WindowDefaults ShopWindowDefaults() { return kAnswers; }
