#include "savegame/GameAgreement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "business/Fire.h"
#include "floor/ShopEnlargement.h"
#include "shop/FloorSpots.h"
#include "sim/Cleaner.h"
#include "sim/CustomerStates.h"
#include "sim/WalkAhead.h"
#include "sim/Walking.h"
#include "state/EquipmentCatalogue.h"
#include "state/FloorWalls.h"
#include "state/HourLength.h"
#include "state/NewGame.h"
#include "state/PersonSlots.h"
#include "state/SpritePool.h"
#include "state/TableRows.h"

namespace {

using std::int64_t;
using std::string;

constexpr int kPersonRows = PersonSlot::LastCustomer + 1;  // the new game's 26 rows, never more or fewer

std::string Num(int64_t n) { return std::to_string(n); }

// Rows of a counted table that exist, whatever the counter says.
template <class Col>
int RowsOf(const Value& count, const Col& col) {
    return RowsInUse(count, col);
}
int People(const GameState& g) { return RowsOf(g.PersonCount, g.Person.State); }

int StateOf(const GameState& g, int slot) { return g.Person.State[slot].i(); }

// "X counts n where the table holds m", or nothing when they agree.
string Tally(const char* what, int64_t counted, int64_t held) {
    if (counted == held) return {};
    return string(what) + " is " + Num(counted) + " where the table holds " + Num(held);
}

int KindOn(const GameState& g, int spot) { return g.FacilitySlot.Kind[spot].i(); }

bool SpriteInUse(const GameState& g, const Value& slot) {
    const int64_t s = slot.asInt();
    return !slot.isEmpty() && s >= 0 && s < kSpriteSlots && g.Sprite.InUse[s].asInt() == 1;
}

// ---- the state codes each role's state machine has a step for ----

bool IsCustomerState(int s) {
    using namespace CustomerState;
    return s >= Absent && s <= ServiceToRegister2 && s != 10 && s != 41 && s != 43 && s != 45;
}
bool IsClerkState(int s) {
    return (s >= ClerkAbsent && s <= ClerkAtPostB) || s == ClerkLeaveCounter || s == ClerkToDoor || s == ClerkExit;
}
bool IsRobberState(int s) {
    using namespace RobberState;
    return s == Absent || s == Enter || s == AtRegister || s == ToDoor || s == LeaveNorth || s == LeaveWest;
}
bool IsCleanerState(int s) { return s >= CleanerState::Absent && s <= CleanerState::Exit; }

bool StateOfRole(int slot, int s) {
    switch (RoleOfSlot(slot)) {
    case PersonSlotRole::Clerk: return IsClerkState(s);
    case PersonSlotRole::Robber: return IsRobberState(s);
    case PersonSlotRole::Cleaner: return IsCleanerState(s);
    case PersonSlotRole::SpareClerk: return s == 0;  // never stepped, never on the floor
    case PersonSlotRole::Customer: return IsCustomerState(s);
    }
    return false;
}

// ---- customers ----

bool IsCustomerSlot(int slot) { return RoleOfSlot(slot) == PersonSlotRole::Customer; }

// Which floor spots a customer in a state of the way in, at a facility or
// on the way from it to its register may be heading for: the zones the
// route of that state serves. Service-counter customers head for service
// place 1 or 2.
struct SpotsOfState {
    int state;
    int first, last;
    int first2, last2;  // a second range (0, 0 for none)
};
constexpr SpotsOfState kSpotsOfStates[] = {
    {CustomerState::EnterUpperDoor, 1, 26, 0, 0},
    {CustomerState::ToZoneA, 1, 13, 0, 0},
    {CustomerState::UseFacilityA, 1, 13, 0, 0},
    {CustomerState::ToRegister1, 1, 13, 0, 0},
    {CustomerState::ApproachRegister1, 1, 13, 0, 0},
    {CustomerState::ToZoneB, 14, 26, 0, 0},
    {CustomerState::UseFacilityB, 14, 26, 0, 0},
    {CustomerState::EnterSideDoor, 27, 61, 0, 0},
    {CustomerState::ToZoneC, 27, 36, 0, 0},
    {CustomerState::UseFacilityC, 27, 36, 0, 0},
    {CustomerState::ToZoneD, 37, 44, 0, 0},
    {CustomerState::UseFacilityD, 37, 44, 0, 0},
    {CustomerState::ToRegister2, 37, 44, 55, 55},  // from zone D, or out of zone F
    {CustomerState::ToZoneE, 45, 54, 0, 0},
    {CustomerState::UseFacilityE, 45, 54, 0, 0},
    {CustomerState::ToRegister2FromE, 45, 54, 0, 0},
    {CustomerState::ToZoneF, 55, 55, 0, 0},
    {CustomerState::ToZoneFInner, 55, 55, 0, 0},
    {CustomerState::UseFacilityF, 55, 55, 0, 0},
    {CustomerState::LeaveZoneF, 55, 55, 0, 0},
    {CustomerState::ToZoneG, 56, 61, 0, 0},
    {CustomerState::ToZoneGInner, 56, 61, 0, 0},
    {CustomerState::UseFacilityG, 56, 61, 0, 0},
    {CustomerState::LeaveZoneG, 56, 61, 0, 0},
    {CustomerState::LeaveZoneGOuter, 56, 61, 0, 0},
    {CustomerState::ServiceEnterUpperDoor, 1, 1, 0, 0},
    {CustomerState::ServiceToRegister1, 1, 1, 0, 0},
    {CustomerState::ServiceEnterSideDoor, 2, 2, 0, 0},
    {CustomerState::ServiceToRegister2, 2, 2, 0, 0},
};

// The states a sidestep returns to: a shelf customer's way on toward its
// register (by zone: 4, 6, 16, 21, 24, 28, 32), or a machine user's walk back.
constexpr int kSidestepReturns[] = {
    CustomerState::ToRegister1, CustomerState::QueueRegister1, CustomerState::QueueRegister2,
    CustomerState::ToRegister2, CustomerState::ToRegister2FromE, CustomerState::LeaveZoneF,
    CustomerState::LeaveZoneG,  CustomerState::WalkBack,
};

// The states in which a customer may still be a service-counter customer:
// on its way to its register and in the queue until it has paid.
bool ServiceCustomerState(int s) {
    using namespace CustomerState;
    return s == ServiceEnterUpperDoor || s == ServiceEnterSideDoor || s == ServiceToRegister1 ||
           s == ServiceToRegister2 || s == QueueRegister1 || s == QueueRegister2;
}

// Route points are recorded at indices 1..10 (WaypointCount is the next).
constexpr int64_t kMostRoutePoints = 11;

// Whether Person.WaypointsBack `back` is what play leaves a customer in
// state `s` whose WaypointCount is `points` (the route points recorded on
// the way in are 1 .. points - 1, the door cell first). It stays 0 until the
// customer leaves its facility for the walk back, which counts 1, straight
// away or through a sidestep, and heads for point points - back, the last
// one recorded; each point reached counts one more, and the door cell
// brings it to `points` as the customer goes out. So a customer at its
// facility has counted nothing and recorded the door cell at least: one
// that had counted more would walk back past the door cell, toward a point
// nobody recorded, and count on for ever.
bool CountedBackAsPlayLeaves(int s, int64_t returnState, int64_t points, int64_t back) {
    using namespace CustomerState;
    if (s == WalkBack) return back >= 1 && back < points;
    if ((s == SidestepDownLeft || s == SidestepUpRight) && returnState == WalkBack) return back == 1 && points >= 2;
    // Going out from the register, or back at the door cell.
    if (s == LeaveUpperDoor || s == LeaveSideDoor) return back == 0 || back == points;
    if (ZoneOfFacilityState(s)) return back == 0 && points >= 2;
    return back == 0;
}

// ---- the rules ----

string PersonRows(const GameState& g) { return Tally("PersonCount", g.PersonCount.asInt(), kPersonRows); }

string PersonStates(const GameState& g) {
    for (int p = 0; p < People(g); ++p)
        if (!StateOfRole(p, StateOf(g, p)))
            return "person " + Num(p) + " is in state " + g.Person.State[p].asText() + ", which its role has no step for";
    return {};
}

string PersonSprites(const GameState& g) {
    for (int p = 0; p < People(g); ++p) {
        if (!SpriteInUse(g, g.Person.Sprite[p])) return "person " + Num(p) + " has no sprite in use";
        if (p > 0 && g.Person.Sprite[p].asInt() <= g.Person.Sprite[p - 1].asInt())
            return "person " + Num(p) + " shows a sprite taken before its row was added";
    }
    return {};
}

// Every sprite the game shows belongs to one thing: a person, a fixture or
// its flame, a register, a service machine, a door's leaf or cover, a piece
// of scenery or litter.
string SpriteOwners(const GameState& g) {
    std::vector<int64_t> owned;
    string d;
    // A fixture, a flame, a register or a machine may show none (the pool
    // was full); a person, a door and every entry of the scenery and litter
    // lists always show one.
    auto own = [&](const Value& v, const string& who, bool always = false) {
        if (!d.empty()) return;
        if (!always && (v.isEmpty() || v.asInt() == -1)) return;
        if (!SpriteInUse(g, v)) d = who + " shows sprite " + v.asText() + ", which is not in use";
        owned.push_back(v.asInt());
    };
    for (int p = 0; p < People(g); ++p) own(g.Person.Sprite[p], "person " + Num(p), true);
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        if (KindOn(g, s) != 0) own(g.FacilitySlot.Sprite[s], "spot " + Num(s));
        if (g.FacilitySlot.FireState[s].asInt() >= SpotFireState::FirstPhase)
            own(g.FacilitySlot.FlameSprite[s], "the flame on spot " + Num(s));
    }
    for (int p = 1; p <= 2; ++p) {
        if (g.RegisterSlot.Kind[p].asInt() != 0) own(g.RegisterSlot.Sprite[p - 1], "register " + Num(p));
        if (g.ServiceSlot.Kind[p].asInt() != 0) own(g.ServiceSlot.Sprite[p - 1], "service machine " + Num(p));
    }
    own(g.Door.LeafSprites[0], "the front door", true);
    own(g.Door.LeafSprites[1], "the front door", true);
    own(g.DoorCoverSprite, "the front door's cover", true);
    if (SideDoorBuilt(g)) {
        own(g.Door.LeafSprites[2], "the side door", true);
        own(g.Door.LeafSprites[3], "the side door", true);
        own(g.DoorCoverSprite2, "the side door's cover", true);
    }
    for (int k = 0; k < RowsOf(g.SceneryCount, g.SceneryList); ++k) own(g.SceneryList[k], "the scenery", true);
    for (int k = 0; k < RowsOf(g.LitterCount, g.LitterList); ++k) own(g.LitterList[k], "the litter", true);
    if (!d.empty()) return d;
    std::sort(owned.begin(), owned.end());
    const auto twice = std::adjacent_find(owned.begin(), owned.end());
    if (twice != owned.end()) return "sprite " + Num(*twice) + " is shown by two things at once";
    return {};
}

string PeopleOnCells(const GameState& g) {
    for (int p = 0; p < People(g); ++p) {
        if (StateOf(g, p) == 0 || !SpriteInUse(g, g.Person.Sprite[p])) continue;
        const int s = g.Person.Sprite[p].i();
        const double x = g.Sprite.X[s].asReal(), y = g.Sprite.Y[s].asReal();
        if (std::fmod(x, 6) != 0 || std::fmod(y, 3) != 0)
            return "person " + Num(p) + " stands between cells at (" + g.Sprite.X[s].asText() + ", " +
                   g.Sprite.Y[s].asText() + ")";
    }
    return {};
}

// The pixels of the floor's grid, cells 0 .. kGridSize - 1 on each axis by
// the walk's rule (x = (cell - 20) x 6, y = (cell - 20) x 3).
constexpr int64_t PixelOfCell(int64_t cell, int cellPixels) {
    return (cell - walking_detail::kCellOrigin) * cellPixels;
}
constexpr int64_t kLastGridCell = GameState::kGridSize - 1;
constexpr int64_t kGridLeft = PixelOfCell(0, walking_detail::kCellWidth);
constexpr int64_t kGridRight = PixelOfCell(kLastGridCell, walking_detail::kCellWidth);
constexpr int64_t kGridTop = PixelOfCell(0, walking_detail::kCellHeight);
constexpr int64_t kGridBottom = PixelOfCell(kLastGridCell, walking_detail::kCellHeight);

string PeoplesPlaces(const GameState& g) {
    for (int p = 0; p < People(g); ++p) {
        if (!SpriteInUse(g, g.Person.Sprite[p])) continue;
        const int s = g.Person.Sprite[p].i();
        const int64_t x = g.Sprite.X[s].asInt(), y = g.Sprite.Y[s].asInt();
        if (x < kGridLeft || x > kGridRight || (y != kParkedPersonY && (y < kGridTop || y > kGridBottom)))
            return "person " + Num(p) + " stands at (" + g.Sprite.X[s].asText() + ", " + g.Sprite.Y[s].asText() +
                   "), off the floor's grid";
    }
    return {};
}

string WalkFrames(const GameState& g) {
    for (int p = 0; p < People(g); ++p)
        if (g.Person.WalkFrame[p].asInt() > 3) return "person " + Num(p) + " has walk frame " + g.Person.WalkFrame[p].asText();
    return {};
}

string PeopleInside(const GameState& g) {
    int64_t customers = 0, clerks = 0, cleaner = 0, robber = 0;
    for (int p = 0; p < People(g); ++p) {
        if (!CountedInside(p, StateOf(g, p))) continue;
        switch (RoleOfSlot(p)) {
        case PersonSlotRole::Customer: ++customers; break;
        case PersonSlotRole::Clerk: ++clerks; break;
        case PersonSlotRole::Cleaner: ++cleaner; break;
        case PersonSlotRole::Robber: ++robber; break;
        case PersonSlotRole::SpareClerk: break;
        }
    }
    string d = Tally("CustomersInside", g.CustomersInside.asInt(), customers);
    if (d.empty()) d = Tally("ClerksInside", g.ClerksInside.asInt(), clerks);
    if (d.empty()) d = Tally("CleanerInside", g.CleanerInside.asInt(), cleaner);
    if (d.empty()) d = Tally("RobberInside", g.RobberInside.asInt(), robber);
    return d;
}

string RegistersAttended(const GameState& g) {
    for (int k = 0; k < 2; ++k) {
        if (g.RegisterSlot.ClerkState[k].asInt() == Unattended) continue;
        bool clerk = false;
        for (int p = PersonSlot::Clerk1; p <= PersonSlot::Clerk2 && p < People(g); ++p)
            clerk = clerk || StateOf(g, p) == ClerkAtPostA + k;
        if (!clerk) return "register " + Num(k + 1) + " is marked attended with no clerk at its post";
    }
    return {};
}

string Staff(const GameState& g) {
    std::vector<int64_t> employed;
    for (int a = 0; a < RowsOf(g.ApplicantCount, g.Applicant.Employed); ++a)
        if (g.Applicant.Employed[a].asInt() == 1) employed.push_back(a);
    const auto n = static_cast<int64_t>(employed.size());
    string d = Tally("ClerkCount", g.ClerkCount.asInt(), n);
    if (d.empty()) d = Tally("ClerkRowCount", g.ClerkRowCount.asInt(), n);
    if (d.empty()) d = Tally("EmployedListCount", g.EmployedListCount.asInt(), n);
    if (!d.empty()) return d;
    for (int64_t k = 0; k < n; ++k)
        if (g.EmployedList[k].asInt() != employed[k]) return "EmployedList does not list the employed applicants";
    // A clerk row past the clerks employed is never stepped: its person
    // would stand wherever it was for good.
    for (int p = static_cast<int>(std::max<int64_t>(n, 0)); p <= PersonSlot::Clerk2 && p < People(g); ++p)
        if (StateOf(g, p) != 0) return "clerk row " + Num(p) + " is on the floor with no clerk employed for it";
    return {};
}

const Value& Tickets(const GameState& g, int r) { return r == 1 ? g.Register1Tickets : g.Register2Tickets; }
const Value& Served(const GameState& g, int r) { return r == 1 ? g.Register1Served : g.Register2Served; }
int QueueState(int r) { return r == 1 ? CustomerState::QueueRegister1 : CustomerState::QueueRegister2; }

string Queues(const GameState& g) {
    const auto& P = g.Person;
    for (int p = 0; p < People(g); ++p) {
        if (P.HasTicket[p].asInt() != 0) {
            const int64_t r = P.QueueRegister[p].asInt();
            if (!IsCustomerSlot(p) || (r != 1 && r != 2) || StateOf(g, p) != QueueState(static_cast<int>(r)))
                return "person " + Num(p) + " holds a ticket outside a register's queue";
        } else if (P.QueueTicket[p].asInt() != 0 || P.AtCounter[p].asInt() != 0 || P.QueueRegister[p].asInt() != 0) {
            return "person " + Num(p) + " has a queue place without a ticket";
        }
    }
    for (int r = 1; r <= 2; ++r) {
        std::vector<int64_t> tickets;
        int atCounter = 0;
        for (int p = 0; p < People(g); ++p) {
            if (P.HasTicket[p].asInt() == 0 || P.QueueRegister[p].asInt() != r) continue;
            tickets.push_back(P.QueueTicket[p].asInt());
            if (P.AtCounter[p].asInt() != 0) {
                ++atCounter;
                if (PlaceInLine(g, p) != 1)
                    return "person " + Num(p) + " stands at the counter of register " + Num(r) + " out of turn";
            }
        }
        const string what = "Register" + Num(r) + "Tickets";
        string d = Tally(what.c_str(), Tickets(g, r).asInt(), static_cast<int64_t>(tickets.size()));
        if (!d.empty()) return d;
        // Tickets are handed out one after another and taken back from the
        // counter in their order: those held follow the customers served.
        std::sort(tickets.begin(), tickets.end());
        for (std::size_t k = 0; k < tickets.size(); ++k)
            if (tickets[k] != Served(g, r).asInt() + 1 + static_cast<int64_t>(k))
                return "the tickets held at register " + Num(r) + " do not follow the customers served there";
        if (g.RegisterSlot.Busy[r - 1].asInt() != 0 && atCounter == 0)
            return "register " + Num(r) + " is busy with nobody at its counter";
    }
    return {};
}

// A customer takes its ticket where it comes into the queue and walks from
// there to the waiting cell of its place, one diagonal step at a time: it
// stands on the diagonal lattice of its line's cells (x + y of their
// parity), and on the shop's floor. From anywhere else its walk never
// reaches its place, and its queue, its clerk and the after-hours clock
// wait for it for ever.
string QueuedPlaces(const GameState& g) {
    const FloorDiagonals floor = FloorOutlineDiagonals();
    const auto& P = g.Person;
    for (int p = 0; p < People(g); ++p) {
        if (P.HasTicket[p].asInt() == 0) continue;
        const int r = P.QueueRegister[p].i();
        const GridCell place = QueueWaitingCell(r, PlaceInLine(g, p));
        const auto x = static_cast<int64_t>(PersonCellX(g, p)), y = static_cast<int64_t>(PersonCellY(g, p));
        const string where =
            "customer " + Num(p) + " of register " + Num(r) + " stands at (" + Num(x) + ", " + Num(y) + ")";
        if ((x + y - place.x - place.y) % 2 != 0) return where + ", off the diagonals its line's cells lie on";
        if (x - y < floor.differenceLo || x - y > floor.differenceHi || x + y < floor.sumLo || x + y > floor.sumHi)
            return where + ", off the shop's floor";
    }
    return {};
}

string CopiesHeld(const GameState& g) {
    const auto& P = g.Person;
    const int magazines = RowsOf(g.MagazineCount, g.Magazine.HeldCopies);
    const int books = RowsOf(g.BookCount, g.Book.HeldCopies);
    std::vector<int64_t> heldMagazines(static_cast<std::size_t>(magazines)), heldBooks(static_cast<std::size_t>(books));
    int64_t held = 0;
    for (int p = 0; p < People(g); ++p) {
        const int64_t m = P.MagazineCopies[p].asInt(), b = P.BookCopies[p].asInt();
        if (m == 0 && b == 0) continue;
        const int64_t t = P.TitleTaken[p].asInt();
        if (!IsCustomerSlot(p) || !CountedInside(p, StateOf(g, p)) || P.ServiceCustomer[p].asInt() != 0)
            return "person " + Num(p) + " holds copies without being a shopper inside";
        if (m != 0 && b != 0) return "person " + Num(p) + " holds both magazines and books";
        if (t < 0 || t >= (m != 0 ? magazines : books) || P.TitleTaken[p].isEmpty())
            return "person " + Num(p) + " holds copies of a title the catalogue lacks";
        (m != 0 ? heldMagazines : heldBooks)[static_cast<std::size_t>(t)] += m + b;
        held += m + b;
    }
    string d = Tally("CopiesHeld", g.CopiesHeld.asInt(), held);
    if (!d.empty()) return d;
    for (int t = 0; t < magazines; ++t)
        if (g.Magazine.HeldCopies[t].asInt() != heldMagazines[t])
            return Tally(("Magazine.HeldCopies(" + Num(t) + ")").c_str(), g.Magazine.HeldCopies[t].asInt(), heldMagazines[t]);
    for (int t = 0; t < books; ++t)
        if (g.Book.HeldCopies[t].asInt() != heldBooks[t])
            return Tally(("Book.HeldCopies(" + Num(t) + ")").c_str(), g.Book.HeldCopies[t].asInt(), heldBooks[t]);
    return {};
}

string CopiesOnShelves(const GameState& g) {
    int64_t stock = 0;
    for (int m = 0; m < RowsOf(g.MagazineCount, g.Magazine.Stock); ++m) stock += g.Magazine.Stock[m].asInt();
    for (int b = 0; b < RowsOf(g.BookCount, g.Book.Stock); ++b) stock += g.Book.Stock[b].asInt();
    string d = Tally("CopiesOnShelves", g.CopiesOnShelves.asInt(), stock);
    if (d.empty() && g.CopiesOnShelves.asInt() > g.ShelfCapacity.asInt())
        d = "CopiesOnShelves " + g.CopiesOnShelves.asText() + " is more than the shelves hold (" +
            g.ShelfCapacity.asText() + ")";
    return d;
}

string Spots(const GameState& g) {
    const auto& F = g.FacilitySlot;
    if (F.Kind[0].asInt() != 0 || g.UseCount[0].asInt() != 0 || F.FireState[0].asInt() != 0)
        return "place 0, which is no floor spot, holds a facility";
    const int64_t types = g.FixtureTypeCount.asInt();
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        const int kind = KindOn(g, s);
        if (kind == 0) {
            if (g.UseCount[s].asInt() != 0 || F.FireState[s].asInt() != 0)
                return "empty spot " + Num(s) + " has uses or a fire";
            continue;
        }
        const SpotRun* run = FindSpotRun(s);
        if (kind > types) return "spot " + Num(s) + " holds a fixture the catalogue lacks";
        if (run->fromSize > g.ShopSize.asInt()) return "spot " + Num(s) + " is furnished but lies beyond the shop's size";
        if (F.Facing[s].asInt() != run->facing || F.AreaCode[s].asInt() != run->areaCode)
            return "spot " + Num(s) + " does not face or count where its place does";
    }
    return {};
}

string FloorTallies(const GameState& g) {
    int64_t occupied = 0, capacity = 0, shelves[2] = {0, 0};
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        const int kind = KindOn(g, s);
        if (kind == 0) continue;
        if (g.OccupiedSlots[occupied].asInt() != s && occupied < g.OccupiedSlotCount.asInt())
            return "OccupiedSlots does not list the furnished spots in order";
        ++occupied;
        if (kind >= 1 && kind <= static_cast<int>(g.FixtureType.Capacity.size()))
            capacity += g.FixtureType.Capacity[kind - 1].asInt();
        if (IsShelfKind(g.FacilitySlot.Kind[s])) ++shelves[s <= 26 ? 0 : 1];
    }
    string d = Tally("OccupiedSlotCount", g.OccupiedSlotCount.asInt(), occupied);
    if (d.empty()) d = Tally("FacilityCount", g.FacilityCount.asInt(), occupied);
    if (d.empty()) d = Tally("ShelfCapacity", g.ShelfCapacity.asInt(), capacity);
    if (d.empty()) d = Tally("ShelvesPerArea(0)", g.ShelvesPerArea[0].asInt(), shelves[0]);
    if (d.empty()) d = Tally("ShelvesPerArea(1)", g.ShelvesPerArea[1].asInt(), shelves[1]);
    return d;
}

string Fire(const GameState& g) {
    const auto& F = g.FacilitySlot;
    int64_t burning = 0, alight = 0;
    for (int s = kFirstSpot; s <= kLastSpot; ++s) {
        const int64_t state = F.FireState[s].asInt();
        if (state == SpotFireState::None) continue;
        ++alight;
        if (state >= SpotFireState::FirstPhase) ++burning;
    }
    if (g.FireBurning.asInt() == 0) {
        if (alight != 0) return "a spot burns while no fire does";
        if (g.TicksPerHour.asInt() == kHourTicksFire) return "the clock stands still for a fire that does not burn";
        return {};
    }
    if (alight == 0) return "a fire burns on no spot";
    string d = Tally("BurningSlotCount", g.BurningSlotCount.asInt(), burning);
    if (!d.empty()) return d;
    // The spots the fire may spread to: furnished ones, listed in order.
    const int64_t candidates = g.FireCandidateCount.asInt();
    for (int64_t k = 0; k < candidates; ++k) {
        const int64_t s = g.FireCandidates[k].asInt();
        if (s < kFirstSpot || s > kLastSpot || KindOn(g, static_cast<int>(s)) == 0 ||
            (k > 0 && s <= g.FireCandidates[k - 1].asInt()))
            return "the fire's candidates are not furnished spots in order";
    }
    return {};
}

string OpeningHours(const GameState& g) {
    if (g.OpeningHour.asInt() != kOpeningHour || g.ClosingHour.asInt() != kClosingHour)
        return "the shop keeps the hours " + g.OpeningHour.asText() + " to " + g.ClosingHour.asText();
    return {};
}

string HourLength(const GameState& g) {
    const int64_t t = g.TicksPerHour.asInt();
    if (t == 0) return {};  // a new game's: its first tick ends the hour and sets a length
    for (int64_t len : {kHourTicksOpen, kHourTicksClosedEmpty, kHourTicksOvertime, kHourTicksLastLeft, kHourTicksFire})
        if (t == len) {
            if (t == kHourTicksOvertime && NobodyInside(g)) return "the hour waits for people when nobody is inside";
            return {};
        }
    return "TicksPerHour " + g.TicksPerHour.asText() + " is no length the clock sets";
}

string DrawList(const GameState& g) {
    int64_t n = 0;
    for (int s = 0; s < kSpriteSlots; ++s) {
        if (g.Sprite.InUse[s].asInt() != 1) continue;
        if (n < g.DrawListCount.asInt() && g.DrawList[n].asInt() != s) return "DrawList does not list the sprites in use";
        ++n;
    }
    return Tally("DrawListCount", g.DrawListCount.asInt(), n);
}

string Robber(const GameState& g) {
    if (People(g) <= PersonSlot::Robber || g.RobberActive.asInt() != 0) return {};
    const int s = StateOf(g, PersonSlot::Robber);
    if (s != RobberState::Absent && s != RobberState::LeaveNorth && s != RobberState::LeaveWest)
        return "the robber is inside with no robbery going on";
    return {};
}

string Cleaner(const GameState& g) {
    if (People(g) <= PersonSlot::Cleaner) return {};
    const int s = StateOf(g, PersonSlot::Cleaner);
    if (s != CleanerState::Absent && g.CleaningOrdered.asInt() != 1)
        return "the cleaner is on the floor with no cleaning ordered";
    const int64_t ticks = g.Person.StateTicks[PersonSlot::Cleaner].asInt();
    if ((s == CleanerState::CleanArea1 && ticks >= 13) || (s == CleanerState::CleanArea2 && ticks >= 17))
        return "the cleaner has mopped past the end of its stretch";
    // Mopping, it slides down its stretch by itself, through walls and past
    // the edges: only from where the stretch starts does it stay on the
    // floor.
    if (const std::optional<GridCell> cell = MoppingCell(s, ticks)) {
        if (g.Person.Heading[PersonSlot::Cleaner].asInt() != 0)
            return "the cleaner walks (heading " + g.Person.Heading[PersonSlot::Cleaner].asText() + ") while it mops";
        if (!PlaceOf(g, PersonSlot::Cleaner).on(*cell))
            return "the cleaner mops off cell (" + Num(cell->x) + ", " + Num(cell->y) + "), where " + Num(ticks) +
                   " ticks of its stretch bring it";
    }
    return {};
}

string CustomerRoutes(const GameState& g) {
    const auto& P = g.Person;
    for (int p = PersonSlot::FirstCustomer; p < People(g); ++p) {
        const int s = StateOf(g, p);
        const int64_t spot = P.TargetSpot[p].asInt();
        for (const SpotsOfState& r : kSpotsOfStates)
            if (r.state == s && !(spot >= r.first && spot <= r.last) && !(spot >= r.first2 && spot <= r.last2 && r.first2))
                return "customer " + Num(p) + " in state " + Num(s) + " heads for spot " + P.TargetSpot[p].asText() +
                       ", which its way does not lead to";
        if (P.ServiceCustomer[p].asInt() != 0 && !ServiceCustomerState(s))
            return "customer " + Num(p) + " is a service-counter customer in state " + Num(s);
        if (s == CustomerState::SidestepDownLeft || s == CustomerState::SidestepUpRight) {
            const int64_t back = P.ReturnState[p].asInt();
            const bool known = std::find(std::begin(kSidestepReturns), std::end(kSidestepReturns), back) !=
                               std::end(kSidestepReturns);
            if (!known || (s == CustomerState::SidestepUpRight && back != CustomerState::WalkBack))
                return "customer " + Num(p) + " steps aside to return to state " + P.ReturnState[p].asText();
            // The step aside heads for a cell beside the one it set off from,
            // the cell its facility was used from; from any other, it may
            // head off the floor's grid, or where no walk gets.
            if (!IsUseCellOf(static_cast<int>(spot), {P.SavedTargetX[p].i(), P.SavedTargetY[p].i()}))
                return "customer " + Num(p) + " steps aside from (" + P.SavedTargetX[p].asText() + ", " +
                       P.SavedTargetY[p].asText() + "), no cell spot " + P.TargetSpot[p].asText() + " is used from";
        }
        if (CountedInside(p, s)) {
            const int64_t points = g.WaypointCount[p].asInt(), back = P.WaypointsBack[p].asInt();
            if (points < 1 || points > kMostRoutePoints)
                return "customer " + Num(p) + " has walked back over route points it never recorded";
            if (!CountedBackAsPlayLeaves(s, P.ReturnState[p].asInt(), points, back))
                return "customer " + Num(p) + " in state " + Num(s) + " has WaypointsBack " + Num(back) +
                       " with WaypointCount " + Num(points) + ", which its way never leaves";
            for (int k = 1; k < points; ++k)
                if (!IsRecordedRoutePoint({P.WaypointX[p][k].i(), P.WaypointY[p][k].i()}) ||
                    !P.WaypointX[p][k].isNumber() || !P.WaypointY[p][k].isNumber())
                    return "customer " + Num(p) + " recorded a route point no way in passes";
        }
    }
    return {};
}

// How far a saved walk is followed. A walk that makes headway reaches its
// target, or the edge of the map, within the grid's width on each axis;
// twice that leaves room for every way around the shelves.
constexpr int kWalkAheadSteps = 2 * GameState::kGridSize;

// Every person the tick walks (on the floor, not mopping) is followed from
// where it stands, with its saved heading, toward its saved target, one
// tick's turn and step at a time, until it stands on the target or beyond
// the edge of the map (where the tick takes it off the floor). The walk
// depends on nothing else, so a tick that neither moves nor turns it is
// repeated for ever: a step refused by a wall with no turn to follow, or a
// stand with no heading.
// The state step before each walk sets the target of the person's way, and
// a new way also starts a fresh walk (Person.HeadingSet 0) that takes its
// first heading from where its target lies: what a file can break is the
// walk toward the saved target. One target changes while the walk goes on:
// a queued customer's place moves up its line as those ahead are served.
// Play leaves a customer who takes its ticket far down the line standing at
// a wall until its place has moved up far enough to turn it, so a queued
// customer stopped short of a place above the first is followed on toward
// the next place; at the counter's place it has to arrive.
string Walks(const GameState& g) {
    const auto& P = g.Person;
    for (int p = 0; p < People(g); ++p) {
        const int s = StateOf(g, p);
        if (s == 0 || (p == PersonSlot::Cleaner && CleanerMops(s))) continue;
        WalkAhead w{PlaceOf(g, p), P.Heading[p].i(), P.HeadingSet[p].asInt() != 0,
                    GridCell{P.TargetX[p].get(), P.TargetY[p].get()}};
        if (!w.at.whole) continue;  // never walked; people stand on cells says so
        const bool queued = P.HasTicket[p].asInt() != 0;
        const int r = P.QueueRegister[p].i();
        int64_t place = queued ? PlaceInLine(g, p) : 1;
        for (int step = 0;; ++step) {
            if (w.at.on(w.target) || BeyondTheEdge(w.at)) break;
            const auto who = [&] {
                return "person " + Num(p) + " walking to (" + Num(w.target.x) + ", " + Num(w.target.y) + ")";
            };
            if (step == kWalkAheadSteps)
                return who() + " is still on its way " + Num(step) + " steps on, at (" + Num(w.at.cx) + ", " +
                       Num(w.at.cy) + ")";
            const WalkAhead before = w;
            if (WalkAheadOneTick(g, p, w) || w.heading != before.heading || w.started != before.started) continue;
            if (queued && QueueWaitingCell(r, place) != w.target) {
                w.target = QueueWaitingCell(r, place);  // the place the next step sets
                continue;
            }
            if (queued && place > 1) {
                w.target = QueueWaitingCell(r, --place);
                continue;
            }
            return who() + " stops for good at (" + Num(w.at.cx) + ", " + Num(w.at.cy) + "), heading " +
                   Num(w.heading) + (step == 0 ? "" : " after " + Num(step) + " steps");
        }
    }
    return {};
}

// A catalogue cell holds a built-in number as a number of that value (of
// either kind) and a built-in text as that text.
bool Holds(const Value& cell, std::int64_t number) { return cell.isNumber() && cell.asReal() == static_cast<double>(number); }
bool Holds(const Value& cell, std::string_view text) { return cell.isText() && cell.text() == text; }

// The catalogue's counter counts the built-in rows, and every row `r` holds
// what the row `same(r, table[r])` asks of it.
template <class Row, std::size_t N, class Same>
bool AsBuiltIn(const Value& count, const Row (&table)[N], Same same) {
    if (count.asInt() != static_cast<int64_t>(N)) return false;
    for (std::size_t r = 0; r < N; ++r)
        if (!same(static_cast<int>(r), table[r])) return false;
    return true;
}

string Equipment(const GameState& g) {
    const auto& F = g.FixtureType;
    const auto& R = g.RegisterType;
    const auto& S = g.ServiceFacilityType;
    // The catalogues hold the built-in rows, each with its own number as its
    // index.
    if (!AsBuiltIn(g.FixtureTypeCount, kBuiltInFixtures, [&](int r, const FixtureRow& t) {
            return Holds(F.Price[r], t.price) && Holds(F.Capacity[r], t.capacity) &&
                   Holds(F.Description[r], t.description) && Holds(F.Param3[r], t.param3) && Holds(F.Index[r], r);
        }))
        return "the shelves and machines on offer are not the game's";
    if (!AsBuiltIn(g.RegisterTypeCount, kBuiltInRegisters, [&](int r, const RegisterRow& t) {
            return Holds(R.Price[r], t.price) && Holds(R.SpeedText[r], t.speedText) && Holds(R.Name[r], t.name) &&
                   Holds(R.Index[r], r);
        }))
        return "the registers on offer are not the game's";
    if (!AsBuiltIn(g.ServiceTypeCount, kBuiltInServices, [&](int r, const ServiceRow& t) {
            return Holds(S.Price[r], t.price) && Holds(S.Description[r], t.description) && Holds(S.Name[r], t.name) &&
                   Holds(S.Param5[r], t.param5) && Holds(S.Index[r], r);
        }))
        return "the service machines on offer are not the game's";
    return {};
}

string Counters(const GameState& g) {
    const auto& R = g.RegisterSlot;
    if (R.Kind[0].asInt() != 0) return "register place 0, which is no place, holds a register";
    for (std::size_t k = 3; k < R.Kind.size(); ++k)
        if (R.Kind[k].asInt() != 0) return "register place " + Num(static_cast<int64_t>(k)) + ", which is no place, holds a register";
    for (int p = 1; p <= 2; ++p)
        if (R.Kind[p].asInt() > g.RegisterTypeCount.asInt()) return "register place " + Num(p) + " holds a model the catalogue lacks";
    if (g.ServiceSlot.Kind[0].asInt() != 0) return "service place 0, which is no place, holds a machine";
    for (int p = 1; p <= 2; ++p)
        if (g.ServiceSlot.Kind[p].asInt() > g.ServiceTypeCount.asInt())
            return "service place " + Num(p) + " holds a machine the catalogue lacks";
    return {};
}

const AgreementRule kRules[] = {
    {"the person rows", "a new game adds the 26 person rows and play never adds or removes one", PersonRows},
    {"the persons' states", "a state its role has no step for never ends: a person counted inside in one keeps the "
                            "shop from closing",
     PersonStates},
    {"the persons' sprites", "the new game adds the person rows one after another, each taking the next free "
                             "sprite for the whole game; a person without one never arrives anywhere, and one with "
                             "another row's stands where that person stood (in the street, say)",
     PersonSprites},
    {"the sprites' owners", "a sprite is spawned for one thing and freed with it; a sprite shown by two things "
                            "moves one with the other (a door leaf dragging a person off its cell)",
     SpriteOwners},
    {"people stand on cells", "the walk moves a person a whole cell at a time from a cell; one between cells never "
                              "stands on its target",
     PeopleOnCells},
    {"the people's places", "a person comes in at the edge of the street or by the staff entrance, walks from "
                            "cell to cell toward cells of the floor and is taken off it at the edge of the map "
                            "(the grid's last row is one), or waits parked above the scene; a step or the mop of "
                            "one far off the floor's grid would carry it past the pixels a file holds",
     PeoplesPlaces},
    {"the walk frames", "the walk shows frames 1 to 4 and starts again at 0 after the fourth; a person saved past "
                        "3 would count frames for ever",
     WalkFrames},
    {"the people inside", "CustomersInside, ClerksInside, CleanerInside and RobberInside rise at a door on the way "
                          "in and fall at a door on the way out; a tally above the people inside keeps the shop "
                          "from ever counting as empty",
     PeopleInside},
    {"the registers attended", "a register is marked attended by the clerk at its post or on the way to it, and "
                               "free again when the clerk leaves; a register marked for nobody is never chosen",
     RegistersAttended},
    {"the clerks employed", "hiring and firing count the clerks and rebuild their rows and the employed list from "
                            "the applicants employed",
     Staff},
    {"the register queues", "a register hands out tickets one after another and takes them back at its counter in "
                            "their order; a ticket no customer holds would never be served",
     Queues},
    {"the queued customers' places", "a customer walks from where it takes its ticket to its place in line one "
                                     "diagonal step at a time, inside the shop; one that stands elsewhere never "
                                     "gets there, and nobody behind it is served",
     QueuedPlaces},
    {"the copies held", "a shopper reserves its copies on arrival and gives them back at the register; CopiesHeld "
                        "and each title's held copies are those reservations",
     CopiesHeld},
    {"the copies on the shelves", "every delivery, sale, issue day and write-off moves a title's stock and "
                                  "CopiesOnShelves together, and no delivery fills the shelves past their capacity",
     CopiesOnShelves},
    {"the floor spots", "a fixture stands on a spot of the shop's size, from the catalogue, facing as its place "
                        "does; an empty spot has no uses and no fire",
     Spots},
    {"the floor's tallies", "placing and removing a fixture recount the occupied spots and the shelves per area "
                            "and move FacilityCount and ShelfCapacity by the fixture's own",
     FloorTallies},
    {"the fire", "a fire burns on furnished spots from its outbreak until it is put out, one flame counted for each "
                 "spot alight",
     Fire},
    {"the opening hours", "every new game opens the shop at 9 and closes it after 21, and nothing changes that; "
                          "other hours can leave customers waiting at registers no clerk comes to",
     OpeningHours},
    {"the hour's length", "the clock sets one of its five hour lengths (none before a new game's first hour), and waits for people only while someone is "
                          "inside",
     HourLength},
    {"the draw list", "every spawn and removal of a sprite rebuilds the list of the sprites in use", DrawList},
    {"the robber", "the robber comes in only during a robbery and leaves the shop before it ends", Robber},
    {"the cleaner", "the cleaner comes only for a cleaning ordered, and each stretch of mopping runs down its "
                    "line from where the walk to it ends, facing nowhere, and ends on its last tick",
     Cleaner},
    {"the customers' ways", "each state of a customer's way leads to the zone of its spot, a sidestep sets off "
                            "from the cell its facility is used from and returns to the way on or the walk back, "
                            "and the walk back counts off the points recorded on the way in, from the last to the "
                            "door cell",
     CustomerRoutes},
    {"the walks", "the walk chooses each heading from where the target lies, so a saved walk reaches its target",
     Walks},
    {"the equipment on offer", "the new game fills the catalogues of shelves, registers and machines, and nothing "
                               "changes them; a fixture row of another capacity would move ShelfCapacity by other "
                               "amounts than the shelves hold (below 0 at a removal)",
     Equipment},
    {"the registers and machines", "a register or service machine stands only on its two places, and is a row of "
                                   "its catalogue",
     Counters},
};

}  // namespace

std::span<const AgreementRule> AgreementRules() { return kRules; }

bool CheckAgreement(const GameState& g, std::string* why) {
    for (const AgreementRule& r : kRules) {
        string d = r.breach(g);
        if (d.empty()) continue;
        if (why) *why = string(r.what) + ": " + d;
        return false;
    }
    return true;
}
