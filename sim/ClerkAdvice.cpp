#include "sim/ClerkAdvice.h"

#include <cstdint>

#include "platform/Platform.h"
#include "sim/ClerkMessages.h"

namespace {

constexpr int kAdviceOdds = 7;         // one hour change in seven
constexpr int kComplaintOdds = 300;    // one open hour change in 300
constexpr int kAdvicePopupsPerDay = 2;  // the pop-up opens at most twice a day

constexpr std::int64_t kLowSalary = 100000;
constexpr std::int64_t kLowFunds = 1000000;
constexpr std::int64_t kProfitForServices = 50000;
constexpr int kStarsForBookTokens = 3;
constexpr int kQuakeResistanceVeryLow = 15;
constexpr int kQuakeResistanceLow = 30;
constexpr int kTooDirty = 81;
constexpr int kFreeReading = 0;

// The shop services a doing-well shop is told to offer, by ShopServiceOn
// element: photo developing, home delivery, poster printing, book tokens.
constexpr int kPhotoDeveloping = 0, kHomeDelivery = 1, kPosterPrinting = 2, kBookTokens = 3;

// The pay of the clerk who speaks: the only one, or one of two drawn now.
bool ClerkUnderpaid(GameState& g) {
    const int pick = g.ClerkCount.asInt() == 2 ? g.RndInt(2) : 0;
    const int clerk = g.EmployedList[pick].i();
    if (clerk < 0 || clerk >= static_cast<int>(g.Applicant.Salary.size())) return false;
    return g.Applicant.Salary[clerk].asInt() < kLowSalary;
}

// A shop area (floor spots 1..26, then 27..61) with shelves but no register
// at the place that serves it.
template <int area>
bool NoRegister(GameState& g) {
    return g.RegisterSlot.Kind[area + 1].asInt() == 0 && g.ShelvesPerArea[area].asInt() != 0;
}

bool FundsLow(GameState& g) { return g.Funds.asInt() <= kLowFunds; }

bool NothingToSell(GameState& g) { return g.CopiesOnShelves.asInt() == 0 && g.OccupiedSlotCount.asInt() != 0; }

bool DoingWell(const GameState& g) { return g.ProfitHistory.Monthly[0].asInt() >= kProfitForServices; }

template <int service>
bool ServiceMissing(GameState& g) {
    return DoingWell(g) && g.ShopServiceOn[service].asInt() == 0;
}

bool BookTokensMissing(GameState& g) {
    return ServiceMissing<kBookTokens>(g) && g.StarLevel.asReal() >= kStarsForBookTokens;
}

bool QuakeResistanceVeryLow(GameState& g) { return g.QuakeResistance.asInt() <= kQuakeResistanceVeryLow; }

bool QuakeResistanceLow(GameState& g) {
    const std::int64_t q = g.QuakeResistance.asInt();
    return q > kQuakeResistanceVeryLow && q <= kQuakeResistanceLow;
}

bool TooDirty(GameState& g) { return g.Dirtiness.asInt() >= kTooDirty; }

struct Advice {
    bool (*holds)(GameState&);
    const char* text;
};

// What a clerk finds wrong, in the order the texts are queued.
constexpr Advice kAdvice[] = {
    {ClerkUnderpaid, "薪资太少，希望能提高些。"},
    {NoRegister<0>, "没有收银机……"},
    {NoRegister<1>, "没有收银机……"},
    {FundsLow, "店长，资金不够快要破产了。快贷款吧!"},
    {NothingToSell, "店长，没有书可卖了。"},
    {ServiceMissing<kPhotoDeveloping>, "店长，为什么不提供照片冲印服务呢？"},
    {ServiceMissing<kHomeDelivery>, "店长，为什么不受理宅配送服务呢？"},
    {ServiceMissing<kPosterPrinting>, "店长，在店铺中提供处理海报服务吧。"},
    {BookTokensMissing, "店长，在这家店中提供图书卷的话，会很方便喔!"},
    {QuakeResistanceVeryLow, "店长，抗震度太低了。快提升吧!"},
    {QuakeResistanceLow, "店长，抗震度很低。快提升吧!"},
    {TooDirty, "店长，店内太脏了。"},
};

}  // namespace

void GiveClerkAdvice(GameState& g) {
    const bool speaks = g.RndInt(kAdviceOdds) == 0;
    if (g.ClerkCount.asInt() == 0 || g.ShopOpen.asInt() != 1 || !speaks) return;

    g.ClerkMessageCount = 0;
    for (const Advice& a : kAdvice)
        if (a.holds(g)) QueueClerkMessage(g, a.text);
    if (g.ClerkAdviceToday.asInt() < kAdvicePopupsPerDay) ShowQueuedClerkMessages(g);
}

void DrawCustomerComplaint(GameState& g) {
    const bool complains = g.RndInt(kComplaintOdds) == 0;
    if (complains && g.CopiesSold.asInt() >= 1 && g.StandingReadingPolicy.asInt() == kFreeReading)
        Ui().ShowWindow(Window::Complaint, g);
}
