// An absent customer slot tries to bring someone in on every tick: a
// shopper (who reserves the copies it will buy), a service-counter customer,
// or a passer-by in the street.
#include <cmath>

#include "business/VisitorNotice.h"
#include "platform/Platform.h"
#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "state/PersonSlots.h"
#include "sim/Walking.h"
#include "state/EquipmentCatalogue.h"
#include "state/Counters.h"
#include "state/HourLength.h"

using namespace CustomerState;

namespace {

// The arrival divisor: N starts at 25, and each of these tests that holds
// sets it, so the last one that holds decides.
struct DivisorStep {
    double atMost;
    int n;
};
constexpr DivisorStep kArrivalDivisors[] = {
    {300, 30}, {260, 40}, {220, 50}, {180, 60}, {150, 70}, {120, 85},
    {100, 90}, {80, 100}, {50, 105}, {20, 110}, {10, 120},
};
constexpr int kTopDivisor = 25;
// A service-counter customer comes at a third of a shopper's odds.
constexpr int kServiceOddsFactor = 3;
// A service-counter customer only comes while register 1's line is short.
constexpr int kMaxRegister1Tickets = 9;

// Where a visitor appears, just outside its door.
struct EntryPoint {
    int x, y;
};
constexpr EntryPoint kUpperDoorEntry{132, -30};  // cell (42, 10)
constexpr EntryPoint kSideDoorEntry{-24, 150};   // cell (16, 70)
constexpr int kLastUpperDoorSpot = 26;

// Passers-by, by the side of the street drawn: start at (x, y) + k times
// the step, k a draw of kRange (the side-2 draw of 1 moves nothing, but it
// is still made), and walk toward a target beyond another edge.
struct PasserSide {
    int x, y;
    int stepX, stepY;
    int kRange;
    int state;
};
constexpr PasserSide kPasserSides[] = {
    {228, -30, 12, 0, 5, PassTopToLeft},   // cells (58..66, 10)
    {-24, 90, 0, 6, 5, PassLeftToTop},     // cells (16, 50..58)
    {252, -30, 0, 0, 1, PassTopToRight},   // cell (62, 10)
    {564, 120, 0, 6, 2, PassRightToTop},   // cells (114, 60 or 62)
};
constexpr bool EveryWayInIsOnACell() {
    for (const PasserSide& s : kPasserSides)
        if (!OnWholeCell(s.x, s.y) || !OnWholeCell(s.stepX, s.stepY)) return false;
    return OnWholeCell(kUpperDoorEntry.x, kUpperDoorEntry.y) && OnWholeCell(kSideDoorEntry.x, kSideDoorEntry.y);
}
static_assert(EveryWayInIsOnACell(), "visitors and passers-by come in on a whole cell");
// One passer-by in 70 at night (hours 0 to 5), one in 50 otherwise.
constexpr int kLastNightHour = 5;
constexpr int kPasserOddsNight = 70;
constexpr int kPasserOddsDay = 50;
constexpr int kWideFigureOdds = 4;

constexpr int kSatisfactionGain = 2;
constexpr int kMaxSatisfaction = 100;
constexpr int kSpots = 61;

bool ArrivalHoursWithStaff(const GameState& g) { return WithinWorkingHours(g) && g.ClerkCount.asInt() >= 1; }

// The shop's pull from its gauges, its equipment and its range of titles.
void RecomputeAttraction(GameState& g) {
    const double a = 2 * (g.QuakeResistance.asReal() + std::floor(g.Popularity.asReal()) + g.Fame.asReal() -
                          g.Dirtiness.asReal()) +
                     2 * g.FacilityCount.asReal() + g.BookTitlesStocked.asReal() + g.MagazineTitlesStocked.asReal();
    const bool whole = !g.QuakeResistance.isReal() && !g.Fame.isReal() && !g.Dirtiness.isReal() &&
                       !g.FacilityCount.isReal() && !g.BookTitlesStocked.isReal() &&
                       !g.MagazineTitlesStocked.isReal();
    g.Attraction = whole ? Value(static_cast<std::int64_t>(a)) : Value(a);
}

// Whether a shopper may come this hour, and its odds: the same for every
// customer slot of one tick (no customer's step changes the hour, the staff
// or what makes the attraction; the cleaner, who takes dirt away, steps
// before them), so the main tick works them out at its first arrival and
// keeps them for the others. The attraction is recomputed there.
struct ArrivalOutlook {
    bool hours;
    int divisor;
};
[[gnu::noinline]] ArrivalOutlook WorkOutOutlook(GameState& g) {
    auto& memo = g.tickMemo;
    ArrivalOutlook o{ArrivalHoursWithStaff(g), 0};
    if (o.hours) {
        RecomputeAttraction(g);
        o.divisor = ArrivalDivisor(g.Attraction.asReal());
    }
    if (memo.inPersonLoop) {
        memo.arrivalsKnown = true;
        memo.arrivalHours = o.hours;
        memo.arrivalDivisor = o.divisor;
    }
    return o;
}
ArrivalOutlook OutlookOf(GameState& g) {
    const auto& memo = g.tickMemo;
    if (memo.inPersonLoop && memo.arrivalsKnown) return {memo.arrivalHours, memo.arrivalDivisor};
    return WorkOutOutlook(g);
}

bool FreeCopies(const Value& stock, const Value& held) { return stock.asInt() - held.asInt() > 0; }

bool Matches(const Value& category, int picky, const Value& preferred) {
    return picky == 1 || category.asReal() == preferred.asReal();
}

// Lists the magazines a shopper could take: listed, of its category unless
// it is not picky, and with a copy nobody has reserved.
int SearchMagazines(GameState& g, int slot, int picky) {
    auto& M = g.Magazine;
    int found = 0;
    const int n = g.MagazineCount.i();
    for (int m = 0; m < n && m < static_cast<int>(M.HeldCopies.size()); ++m) {
        if (M.Listed[m].asInt() == 1 && Matches(M.Category[m], picky, g.Person.PreferredCategory[slot]) &&
            FreeCopies(M.Stock[m], M.HeldCopies[m]))
            g.MagazineWorkList[found++] = m;
    }
    g.MagazineTally = found;
    return found;
}

// The same for books, which are always on the list.
int SearchBooks(GameState& g, int slot, int picky) {
    auto& B = g.Book;
    int found = 0;
    const int n = g.BookCount.i();
    for (int b = 0; b < n && b < static_cast<int>(B.HeldCopies.size()); ++b) {
        if (Matches(B.Category[b], picky, g.Person.PreferredCategory[slot]) && FreeCopies(B.Stock[b], B.HeldCopies[b]))
            g.BookCandidateList[found++] = b;
    }
    g.BookCandidateCount = found;
    return found;
}

// A visitor comes in with empty hands: nothing reserved, no title.
void StartEmptyHanded(GameState& g, int slot) {
    g.Person.MagazineCopies[slot] = 0;
    g.Person.BookCopies[slot] = 0;
    g.Person.TitleTaken[slot] = Value();
}

// A shopper at a shelf picks a title with free copies and reserves some of
// them. It looks first for its drawn kind of title (in its own category when
// picky), then for the other kind in any category. False when it finds
// nothing: then it does not come.
bool ReserveCopies(GameState& g, int slot) {
    auto& P = g.Person;
    enum { MagazineKind = 0, BookKind = 1 };
    int kind = g.RndInt(2);
    int picky = g.RndInt(2);  // 0: only its own category
    int found = 0;
    for (int search = 1;; ++search) {
        found = kind == MagazineKind ? SearchMagazines(g, slot, picky) : SearchBooks(g, slot, picky);
        if (found > 0) break;
        picky = 1;
        if (search == 2) return false;
        kind = kind == MagazineKind ? BookKind : MagazineKind;
    }
    const std::int64_t satisfaction = P.Satisfaction[slot].asInt() + kSatisfactionGain;
    P.Satisfaction[slot] = satisfaction >= kMaxSatisfaction ? kMaxSatisfaction : satisfaction;

    const int pick = g.RndInt(found);
    const bool magazine = kind == MagazineKind;
    const int title = magazine ? g.MagazineWorkList[pick].i() : g.BookCandidateList[pick].i();
    const double popularity = magazine ? g.Magazine.Popularity[title].asReal() : g.Book.Popularity[title].asReal();
    const std::int64_t wanted =
        static_cast<std::int64_t>(std::floor(std::floor(g.Rnd() * (popularity / 2)) + popularity / 3)) + 1;
    Value& stock = magazine ? g.Magazine.Stock[title] : g.Book.Stock[title];
    Value& held = magazine ? g.Magazine.HeldCopies[title] : g.Book.HeldCopies[title];
    const std::int64_t free = stock.asInt() - held.asInt();
    const std::int64_t taken = free - wanted < 0 ? free : wanted;

    StartEmptyHanded(g, slot);
    (magazine ? P.MagazineCopies[slot] : P.BookCopies[slot]) = taken;
    g.CopiesHeld = g.CopiesHeld.asInt() + taken;
    held = held.asInt() + taken;
    P.TitleTaken[slot] = title;
    return true;
}

// Every shopper and service-counter customer who comes in is counted.
void CountVisitor(GameState& g, int slot, int serviceCustomer) {
    auto& P = g.Person;
    CountUp(P.Visits[slot]);
    g.WaypointCount[slot] = 1;
    P.WaypointsBack[slot] = 0;
    g.CustomersInside = g.CustomersInside.asInt() + 1;
    CountUp(g.TotalCustomers);
    P.ServiceCustomer[slot] = serviceCustomer;
    if (FindVisitorMilestone(g.TotalCustomers)) Ui().ShowWindow(Window::VisitorNotice, g);
}

void Enter(GameState& g, int slot, EntryPoint at, int state) {
    PutPersonAt(g, slot, at.x, at.y);
    g.Person.State[slot] = state;
}

void ArriveShopper(GameState& g, int slot) {
    const ArrivalOutlook outlook = OutlookOf(g);
    if (!outlook.hours) return;
    if (g.RndInt(outlook.divisor) != 0) return;
    const int occupied = g.OccupiedSlotCount.i();
    if (occupied <= 0) return;
    const int pick = g.RndInt(occupied);
    if (pick >= static_cast<int>(g.OccupiedSlots.size())) return;
    const int spot = g.OccupiedSlots[pick].i();
    g.Person.TargetSpot[slot] = spot;

    const int kind = spot >= 1 && spot <= kSpots ? g.FacilitySlot.Kind[spot].i() : 0;
    if (kind <= static_cast<int>(FacilityKind::Shelf150)) {
        if (g.CopiesOnShelves.asInt() - g.CopiesHeld.asInt() <= 0) return;  // every copy is reserved
        if (!ReserveCopies(g, slot)) return;
    } else {
        StartEmptyHanded(g, slot);
    }
    CountVisitor(g, slot, 0);
    if (spot <= kLastUpperDoorSpot)
        Enter(g, slot, kUpperDoorEntry, EnterUpperDoor);
    else
        Enter(g, slot, kSideDoorEntry, EnterSideDoor);
    g.Person.HeadingSet[slot] = 0;
}

void ArriveServiceCustomer(GameState& g, int slot) {
    const ArrivalOutlook outlook = OutlookOf(g);
    if (!outlook.hours) return;
    const int n = kServiceOddsFactor * outlook.divisor;
    const int place = g.RndInt(2) + 1;
    g.Person.TargetSpot[slot] = place;
    const int kind = g.ServiceSlot.Kind[place].i();
    if (kind == static_cast<int>(ServiceFacilityKind::Vacant) ||
        kind == static_cast<int>(ServiceFacilityKind::ManagerStatue))
        return;
    const bool chance = g.RndInt(n) == 0;
    if (!chance || g.Register1Tickets.asInt() > kMaxRegister1Tickets) return;
    StartEmptyHanded(g, slot);
    CountVisitor(g, slot, 1);
    if (place == 1)
        Enter(g, slot, kUpperDoorEntry, ServiceEnterUpperDoor);
    else
        Enter(g, slot, kSideDoorEntry, ServiceEnterSideDoor);
    g.Person.HeadingSet[slot] = 0;
}

void ArrivePasserBy(GameState& g, int slot) {
    const auto h = g.Hour.asInt();
    const int odds = h >= 0 && h <= kLastNightHour ? kPasserOddsNight : kPasserOddsDay;
    if (g.RndInt(odds) != 0) return;
    const PasserSide& side = kPasserSides[g.RndInt(4)];
    const int k = g.RndInt(side.kRange);
    Enter(g, slot, {side.x + k * side.stepX, side.y + k * side.stepY}, side.state);
    if (g.RndInt(kWideFigureOdds) == 0) g.Person.WideFigure[slot] = 1;
    g.Person.HeadingSet[slot] = 0;
}

}  // namespace

int ArrivalDivisor(double attraction) {
    int n = kTopDivisor;
    for (const DivisorStep& s : kArrivalDivisors)
        if (attraction <= s.atMost) n = s.n;
    return n;
}

void ArriveAtSlot(GameState& g, int slot) {
    switch (static_cast<CustomerKind>(g.RndInt(3))) {
    case CustomerKind::Shopper: ArriveShopper(g, slot); break;
    case CustomerKind::ServiceCounterCustomer: ArriveServiceCustomer(g, slot); break;
    case CustomerKind::PasserBy: ArrivePasserBy(g, slot); break;
    }
}
