#include "business/Insurance.h"

#include "business/MonthEnd.h"
#include "platform/Platform.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"

namespace {

// What each payout pays, by PayoutKind: the base amount's multiplier and
// divisor (a robbery pays 1.2 times the demand), the insurance named in the
// text, and the weekly news event it records (0: the event stays).
struct PayoutRow {
    PayoutCause cause;
    std::int64_t times, per;
    const char* insurance;
    int newsEvent;
};
constexpr PayoutRow kPayouts[] = {
    {PayoutCause::Robbery, 6, 5, "受害保险", 7},     // 1.2 x RobberyDemand
    {PayoutCause::Earthquake, 250'000, 1, "地震保险", 8},  // per facility broken
    {PayoutCause::Fire, 200'000, 1, "火灾保险", 0},  // per spot occupied at the outbreak
};

std::int64_t PayoutBase(const GameState& g, PayoutCause cause) {
    switch (cause) {
    case PayoutCause::Robbery: return g.RobberyDemand.asInt();
    case PayoutCause::Earthquake: return g.QuakeBrokenCount.asInt();
    case PayoutCause::Fire: return g.FireFacilityCount.asInt();
    }
    return 0;
}

const PayoutRow* RowOf(const Value& payoutKind) {
    if (!payoutKind.isNumber()) return nullptr;
    for (const PayoutRow& r : kPayouts)
        if (payoutKind.asReal() == static_cast<int>(r.cause)) return &r;
    return nullptr;
}

}  // namespace

bool InsuranceJoinedFor(const GameState& g, InsuranceKind kind) {
    return g.InsuranceJoined[static_cast<int>(kind)].asInt() == 1;
}

InsuranceChoices CurrentInsuranceChoices(const GameState& g) {
    InsuranceChoices c{};
    for (int k = 0; k < kInsuranceKinds; ++k) c[k] = InsuranceJoinedFor(g, static_cast<InsuranceKind>(k));
    return c;
}

std::int64_t MonthlyPremiumOf(const InsuranceChoices& chosen) {
    std::int64_t total = 0;
    for (int k = 0; k < kInsuranceKinds; ++k)
        if (chosen[k]) total += kInsurancePremiums[k];
    return total;
}

std::string InsuranceTotalText(std::int64_t total) { return "  合计保险费用每月" + FormatMoney(total) + "円。"; }

void ConfirmInsurance(GameState& g, const InsuranceChoices& chosen) {
    for (int k = 0; k < kInsuranceKinds; ++k) g.InsuranceJoined[k] = chosen[k] ? 1 : 0;
}

InsurancePayout PayoutFor(const GameState& g) {
    const PayoutRow* r = RowOf(g.PayoutKind);
    if (!r) return {};
    InsurancePayout p;
    p.amount = PayoutBase(g, r->cause) * r->times / r->per;
    p.text = std::string("因为参加了") + r->insurance + "，获得保险金" + FormatMoney(p.amount) + "円。";
    return p;
}

void InsurancePayoutOpened(GameState& g) {
    const PayoutRow* r = RowOf(g.PayoutKind);
    if (!r) return;
    AddMoney(g, PayoutFor(g).amount, OtherCategory, 1);
    if (r->newsEvent != 0) g.NewsEventCode = r->newsEvent;
}

void OpenInsurancePayout(GameState& g, PayoutCause cause) {
    g.PayoutKind = static_cast<int>(cause);
    Ui().ShowWindow(Window::InsurancePayout, g);
}
