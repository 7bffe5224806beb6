// What the fields of a saved game must agree on. A file whose tallies
// disagree with their tables, or whose person or spot holds a combination
// play never reaches, is refused; any other file plays on and its own save
// loads again. Every rule refuses the smallest change that breaks it, play
// that once broke a rule keeps them all, and the game never writes a file
// its loader would refuse.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "business/Fire.h"
#include "commands/CommandGates.h"
#include "commands/SaveAndLoad.h"
#include "platform/headless/HeadlessPlatform.h"
#include "savegame/GameAgreement.h"
#include "savegame/LoadSave.h"
#include "savegame/SaveGame.h"
#include "shop/FacilityRemoval.h"
#include "shop/FloorSpots.h"
#include "shop/Registers.h"
#include "shop/Upkeep.h"
#include "sim/CustomerStates.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "sim/Walking.h"
#include "state/Counters.h"
#include "state/EquipmentCatalogue.h"
#include "state/HourLength.h"
#include "state/NewGame.h"
#include "state/PersonSlots.h"
#include "tests/WalledWalker.h"

namespace fs = std::filesystem;

namespace {

// A customer slot whose person holds a ticket of register `r`, or -1.
int TicketHolder(const GameState& g, int r, bool atCounter) {
    for (int p = 6; p < 26; ++p)
        if (g.Person.HasTicket[p].asInt() == 1 && g.Person.QueueRegister[p].asInt() == r &&
            g.Person.AtCounter[p].asInt() == (atCounter ? 1 : 0))
            return p;
    return -1;
}

// The busy shop in its first trading hours, at the first tick where one
// customer pays at the first register while another waits at the second.
std::unique_ptr<GameState> BusyShopAtNoon() {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    if (!LoadGameFile(*g, QM_BUSY_SHOP)) return nullptr;
    for (int t = 0; t < 2000; ++t) {
        MainTick(*g);
        if (t >= 200 && TicketHolder(*g, 1, true) >= 0 && TicketHolder(*g, 2, false) >= 0) break;
    }
    return g;
}

// The first furnished spot whose neighbour holds another kind.
int SpotBesideAnotherKind(const GameState& g) {
    for (int s = 1; s < 61; ++s)
        if (g.FacilitySlot.Kind[s].asInt() != 0 && g.FacilitySlot.Kind[s + 1].asInt() != 0 &&
            !(g.FacilitySlot.Kind[s] == g.FacilitySlot.Kind[s + 1]))
            return s;
    return -1;
}

// The game played on from `from` until `want` holds (within 20,000 ticks),
// or null.
std::unique_ptr<GameState> PlayUntil(const GameState& from, const std::function<bool(const GameState&)>& want) {
    auto g = std::make_unique<GameState>(from);
    for (int t = 0; t < 20'000; ++t) {
        if (want(*g)) return g;
        MainTick(*g);
    }
    return nullptr;
}

// The first customer slot whose person `want` accepts, or -1.
int CustomerWhere(const GameState& g, const std::function<bool(const GameState&, int slot)>& want) {
    for (int p = PersonSlot::FirstCustomer; p <= PersonSlot::LastCustomer; ++p)
        if (want(g, p)) return p;
    return -1;
}

// A customer at a machine, already using it: leaving it starts the walk back.
bool AtAMachine(const GameState& g, int p) {
    const int spot = g.Person.TargetSpot[p].i();
    return ZoneOfFacilityState(g.Person.State[p].i()) && spot >= 1 && spot <= 61 &&
           g.FacilitySlot.Kind[spot].asInt() >= static_cast<int>(FacilityKind::VendingMachine) &&
           g.Person.StateTicks[p].asInt() >= 1;
}
bool SteppingAside(const GameState& g, int p) {
    const int s = g.Person.State[p].i();
    return s == CustomerState::SidestepDownLeft || s == CustomerState::SidestepUpRight;
}

// The cleaner a few cells into its first stretch of mopping.
bool Mopping(const GameState& g) {
    return g.Person.State[PersonSlot::Cleaner].asInt() == CleanerState::CleanArea1 &&
           g.Person.StateTicks[PersonSlot::Cleaner].asInt() >= 5;
}

// A cell's pixels (the walk's rule: x = (cell - 20) x 6, y = (cell - 20) x 3).
constexpr int PixelX(int cellX) { return (cellX - 20) * 6; }
constexpr int PixelY(int cellY) { return (cellY - 20) * 3; }

// Moments played on from the busy shop at noon: a customer at a machine,
// one stepping aside, the cleaner mopping (a cleaning ordered at noon), and
// a customer walking beside a wall.
struct PlayedMoments {
    std::unique_ptr<GameState> machine, aside, mopping;
    WalledWalker walled;
};
PlayedMoments PlayOnFrom(const GameState& noon) {
    PlayedMoments m;
    m.walled = FindWalledWalker(noon);
    m.machine = PlayUntil(noon, [](const GameState& g) { return CustomerWhere(g, AtAMachine) >= 0; });
    m.aside = PlayUntil(noon, [](const GameState& g) { return CustomerWhere(g, SteppingAside) >= 0; });
    auto cleaning = std::make_unique<GameState>(noon);
    OrderCleaning(*cleaning, 1);
    m.mopping = PlayUntil(*cleaning, Mopping);
    return m;
}

template <class Col>
void SwapRows(Col& col, int a, int b) {
    std::swap(col[a], col[b]);
}

enum class Expect { Refused, PlaysOn, Either };

struct Damage {
    const char* what;
    Expect expect;
    std::function<void(GameState&)> apply;
};

// A month of play from a loaded game, then its save, taken back.
void PlayAMonthAndSaveBack(GameState& g, const char* what) {
    PrepareLoadedGame(g);
    for (int day = 0; day < 31 && g.GameRunning.asInt() == 1; ++day) {
        const Value today = g.Day;
        long long ticks = 0;
        while (g.GameRunning.asInt() == 1 && g.Day == today) {
            MainTick(g);
            ASSERT_LT(++ticks, 50'000) << what << ": the clock froze on day " << day;
        }
    }
    std::string bytes, why;
    ASSERT_TRUE(SerializeGame(g, bytes, &why)) << what << ": " << why;
    EXPECT_TRUE(CheckSavedBytes(bytes, &why)) << what << ": its own save is refused: " << why;
}

class GameAgreement : public ::testing::Test {
protected:
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
};

// One damaged file of each kind the play-after-load campaign met: a tally
// above its table, counters or lines swapped, a counter at the top of its
// range, and a change of a shelf, a fixture row or a title's stock that
// play would drive below zero.
TEST_F(GameAgreement, DamagedFilesAreRefusedOrPlayOnAndSaveAFileThatLoads) {
    const auto noon = BusyShopAtNoon();
    ASSERT_TRUE(noon);
    ASSERT_TRUE(CheckAgreement(*noon));
    ASSERT_GE(TicketHolder(*noon, 1, true), 0);
    ASSERT_GE(TicketHolder(*noon, 2, false), 0);
    ASSERT_GE(SpotBesideAnotherKind(*noon), 1);

    const Damage damages[] = {
        // Tallies above their tables: the shop would never count as empty.
        {"a clerk too many inside", Expect::Refused, [](GameState& g) { g.ClerksInside = g.ClerksInside.asInt() + 1; }},
        {"a customer too many inside", Expect::Refused,
         [](GameState& g) { g.CustomersInside = g.CustomersInside.asInt() + 1; }},
        {"a queue ticket nobody holds", Expect::Refused,
         [](GameState& g) { g.Register2Tickets = g.Register2Tickets.asInt() + 1; }},
        {"a second customer marked at the counter", Expect::Refused,
         [](GameState& g) { g.Person.AtCounter[TicketHolder(g, 2, false)] = 1; }},
        {"copies held that nobody carries", Expect::Refused, [](GameState& g) { g.CopiesHeld = g.CopiesHeld.asInt() + 1; }},
        // Counters and lines swapped.
        {"a spot's occupied entry and use count swapped", Expect::Refused,
         [](GameState& g) { std::swap(g.OccupiedSlots[3], g.UseCount[3]); }},
        {"two spots' first lines swapped", Expect::Refused,
         [](GameState& g) {
             const int s = SpotBesideAnotherKind(g);
             for (auto* col : {&g.FacilitySlot.Kind, &g.FacilitySlot.AreaCode}) SwapRows(*col, s, s + 1);
             SwapRows(g.OccupiedSlots, s, s + 1);
             SwapRows(g.UseCount, s, s + 1);
         }},
        {"a walk frame past the fourth", Expect::Refused, [](GameState& g) { g.Person.WalkFrame[7] = 4; }},
        {"two queued customers' ticket lines swapped", Expect::Either,
         [](GameState& g) {
             const int a = TicketHolder(g, 1, true), b = TicketHolder(g, 2, false);
             for (auto* col : {&g.Person.HasTicket, &g.Person.QueueTicket, &g.Person.AtCounter}) SwapRows(*col, a, b);
         }},
        {"two customers' walking lines swapped", Expect::Either,
         [](GameState& g) {
             SwapRows(g.Person.Heading, 8, 9);
             SwapRows(g.Person.WalkFrame, 8, 9);
             for (auto* col : {&g.Person.TicksAlive, &g.Person.QueueRegister, &g.Person.ServiceCustomer})
                 SwapRows(*col, 8, 9);
         }},
        // Counters at the top of their range stop there.
        {"visits at the top of their range", Expect::PlaysOn,
         [](GameState& g) {
             for (Value& v : g.Person.Visits) v = kCountLimit;
         }},
        {"the contest's points at the top of their range", Expect::PlaysOn,
         [](GameState& g) {
             g.Bookshop.SalesPoints[0] = g.Bookshop.FacilityScore[0] = g.Bookshop.EffortPoints[0] = kCountLimit;
             g.Bookshop.DirtPoints[0] = -kCountLimit;
         }},
        {"customers served at the top of their count, with both queues", Expect::PlaysOn,
         [](GameState& g) {
             for (int r = 1; r <= 2; ++r) {
                 Value& served = r == 1 ? g.Register1Served : g.Register2Served;
                 const std::int64_t shift = kCountLimit - served.asInt();
                 served = kCountLimit;
                 for (int p = 6; p < 26; ++p)
                     if (g.Person.HasTicket[p].asInt() == 1 && g.Person.QueueRegister[p].asInt() == r)
                         g.Person.QueueTicket[p] = g.Person.QueueTicket[p].asInt() + shift;
             }
             g.ServedCount[0] = g.ServedCount[1] = g.TotalCustomers = g.CopiesSold = kCountLimit;
         }},
        // Shelves, fixture rows and titles that would drive a count below 0.
        {"a shelf's kind changed", Expect::Refused,
         [](GameState& g) { g.FacilitySlot.Kind[1] = 6; }},
        {"the capacity of a fixture row in use changed", Expect::Refused,
         [](GameState& g) { g.FixtureType.Capacity[0] = 400; }},
        {"a title's copies raised", Expect::Refused, [](GameState& g) { g.Book.Stock[0] = g.Book.Stock[0].asInt() + 5; }},
        {"the capacity of a fixture row nobody placed changed", Expect::Refused,
         [](GameState& g) { g.FixtureType.Capacity[5] = 1; }},
        {"a title's price changed", Expect::PlaysOn, [](GameState& g) { g.Book.Price[0] = 1; }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        auto g = std::make_unique<GameState>(*noon);
        d.apply(*g);
        std::string bytes, why;
        ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
        auto loaded = std::make_unique<GameState>(*noon);
        const bool taken = DeserializeGame(bytes, *loaded, &why);
        if (d.expect != Expect::Either) {
            EXPECT_EQ(taken, d.expect == Expect::PlaysOn) << why;
        }
        if (taken) PlayAMonthAndSaveBack(*loaded, d.what);
    }
}

// The first person of a role slot range in a state that `want` accepts, or
// -1.
int PersonWhere(const GameState& g, int first, int last, const std::function<bool(int state)>& want) {
    for (int p = first; p <= last; ++p)
        if (want(g.Person.State[p].i())) return p;
    return -1;
}

void MoveSprite(GameState& g, int person, int dx, int dy) {
    const int s = g.Person.Sprite[person].i();
    g.Sprite.X[s] = g.Sprite.X[s].asInt() + dx;
    g.Sprite.Y[s] = g.Sprite.Y[s].asInt() + dy;
}

// Where the clerks, the cleaner and the robber come in (pixels).
constexpr struct {
    int x, y;
} kStaffDoor{192, -24};

// A tally moved off what it counts, staying within its field's range.
void Miscount(Value& tally) { tally = tally.asInt() == 0 ? 1 : tally.asInt() - 1; }

// For every rule, the smallest change of a sound game (the busy shop at
// noon) that breaks it: the loader refuses the file, and the reason is that
// rule's, so no rule before it already covers the change. A rule without a
// row here, or a row no rule refuses, fails.
TEST_F(GameAgreement, EveryRuleRefusesTheSmallestChangeThatBreaksIt) {
    const auto noon = BusyShopAtNoon();
    ASSERT_TRUE(noon);
    std::string why;
    ASSERT_TRUE(CheckAgreement(*noon, &why)) << why;
    const int payer = TicketHolder(*noon, 1, true), waiter = TicketHolder(*noon, 2, false);
    ASSERT_GE(payer, 0);
    ASSERT_GE(waiter, 0);
    const int walker = PersonWhere(*noon, PersonSlot::FirstCustomer, PersonSlot::LastCustomer, [](int s) {
        return CountedInside(PersonSlot::FirstCustomer, s) && s != CustomerState::QueueRegister1 &&
               s != CustomerState::QueueRegister2;
    });
    const int absent = PersonWhere(*noon, PersonSlot::FirstCustomer, PersonSlot::LastCustomer, [](int s) { return s == 0; });
    const int atPostB = PersonWhere(*noon, PersonSlot::Clerk1, PersonSlot::Clerk2, [](int s) { return s == ClerkAtPostB; });
    ASSERT_GE(walker, 0);
    ASSERT_GE(absent, 0);
    ASSERT_GE(atPostB, 0);
    ASSERT_EQ(noon->Person.State[PersonSlot::Robber], Value(0));
    ASSERT_EQ(noon->Person.State[PersonSlot::Cleaner], Value(0));
    ASSERT_EQ(noon->CleaningOrdered, Value(0));
    const PlayedMoments played = PlayOnFrom(*noon);
    ASSERT_TRUE(played.machine && played.aside && played.mopping && played.walled.game);
    for (const GameState* moment :
         {played.machine.get(), played.aside.get(), played.mopping.get(), played.walled.game.get()})
        ASSERT_TRUE(CheckAgreement(*moment, &why)) << why;

    struct Breach {
        const char* rule;
        std::function<void(GameState&)> apply;
        const GameState* from = nullptr;  // the busy shop at noon when null
    };
    const Breach breaches[] = {
        {"the person rows", [](GameState& g) { g.PersonCount = PersonSlot::LastCustomer; }},
        {"the persons' states", [&](GameState& g) { g.Person.State[absent] = 10; }},  // a code no state has
        {"the persons' sprites", [](GameState& g) { g.Person.Sprite[7] = g.Person.Sprite[6]; }},
        {"the sprites' owners", [](GameState& g) { g.DoorCoverSprite = g.Person.Sprite[6]; }},
        {"people stand on cells", [&](GameState& g) { MoveSprite(g, walker, 1, 0); }},
        {"the people's places", [&](GameState& g) { g.Sprite.Y[g.Person.Sprite[walker].i()] = PixelY(513); }},
        {"the walk frames", [&](GameState& g) { g.Person.WalkFrame[walker] = 4; }},
        {"the people inside", [](GameState& g) { Miscount(g.ClerksInside); }},
        {"the registers attended", [&](GameState& g) { g.Person.State[atPostB] = ClerkChooseRegister; }},
        {"the clerks employed", [](GameState& g) { Miscount(g.ClerkCount); }},
        {"the register queues", [](GameState& g) { g.Register2Tickets = g.Register2Tickets.asInt() + 1; }},
        // Up on the top row of the sprites' pixels, above the shop (a file
        // whose queue froze the clock), and one row off the line's diagonals.
        {"the queued customers' places", [&](GameState& g) { g.Sprite.Y[g.Person.Sprite[waiter].i()] = 0; }},
        {"the queued customers' places", [&](GameState& g) { MoveSprite(g, payer, 0, 3); }},
        {"the copies held", [](GameState& g) { g.CopiesHeld = g.CopiesHeld.asInt() + 1; }},
        {"the copies on the shelves", [](GameState& g) { g.CopiesOnShelves = g.CopiesOnShelves.asInt() + 1; }},
        {"the floor spots",
         [](GameState& g) { g.FacilitySlot.Facing[1] = g.FacilitySlot.Facing[1].asInt() == FacingTwo ? FacingOne : FacingTwo; }},
        {"the floor's tallies", [](GameState& g) { g.FacilityCount = g.FacilityCount.asInt() - 1; }},
        {"the fire", [](GameState& g) { g.FireBurning = 1; }},
        {"the opening hours", [](GameState& g) { g.OpeningHour = kOpeningHour + 1; }},
        {"the hour's length", [](GameState& g) { g.TicksPerHour = kHourTicksOpen + 1; }},
        {"the draw list", [](GameState& g) { Miscount(g.DrawListCount); }},
        {"the robber",
         [](GameState& g) {
             g.Person.State[PersonSlot::Robber] = RobberState::Enter;
             PutPersonAt(g, PersonSlot::Robber, kStaffDoor.x, kStaffDoor.y);
             g.RobberInside = 1;
         }},
        {"the cleaner",
         [](GameState& g) {
             g.Person.State[PersonSlot::Cleaner] = CleanerState::Enter;
             PutPersonAt(g, PersonSlot::Cleaner, kStaffDoor.x, kStaffDoor.y);
             g.CleanerInside = 1;
         }},
        {"the cleaner", [](GameState& g) { MoveSprite(g, PersonSlot::Cleaner, 6, 0); }, played.mopping.get()},
        {"the cleaner", [](GameState& g) { g.Person.Heading[PersonSlot::Cleaner] = 3; }, played.mopping.get()},
        {"the customers' ways", [&](GameState& g) { g.WaypointCount[walker] = 0; }},
        {"the customers' ways",
         [](GameState& g) {
             const int p = CustomerWhere(g, AtAMachine);
             g.Person.WaypointsBack[p] = g.WaypointCount[p];
         },
         played.machine.get()},
        {"the customers' ways",
         [](GameState& g) {
             const int p = CustomerWhere(g, SteppingAside);
             g.Person.SavedTargetX[p] = g.Person.SavedTargetX[p].asInt() + 1;
         },
         played.aside.get()},
        // Heading into the wall beside it, with no turn to take it off.
        {"the walks", [&](GameState& g) { played.walled.Damage(g); }, played.walled.game.get()},
        {"the equipment on offer", [](GameState& g) { g.FixtureType.Price[0] = g.FixtureType.Price[0].asInt() + 1; }},
        {"the registers and machines", [](GameState& g) { g.RegisterSlot.Kind[3] = 1; }},
    };

    for (const AgreementRule& r : AgreementRules()) {
        const bool covered = std::any_of(std::begin(breaches), std::end(breaches),
                                         [&](const Breach& b) { return std::string(b.rule) == r.what; });
        EXPECT_TRUE(covered) << "no change that breaks the rule \"" << r.what << "\"";
    }
    for (const Breach& b : breaches) {
        SCOPED_TRACE(b.rule);
        auto g = std::make_unique<GameState>(b.from ? *b.from : *noon);
        b.apply(*g);
        std::string bytes, refusal;
        ASSERT_TRUE(SerializeGame(*g, bytes, &refusal)) << refusal;
        auto loaded = std::make_unique<GameState>(*noon);
        EXPECT_FALSE(DeserializeGame(bytes, *loaded, &refusal));
        EXPECT_EQ(refusal.rfind(std::string(b.rule) + ": ", 0), 0u) << refusal;
    }
}

// One tick of play, after which the game still agrees with itself: a save
// at any tick loads.
::testing::AssertionResult TickAgreeing(GameState& g) {
    MainTick(g);
    std::string why;
    if (CheckAgreement(g, &why)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << g.Hour.asInt() << ":" << g.HourTicks.asInt() << ", " << why;
}

// A day of play from a loaded game with every tick agreeing, then a month
// more, and its save taken back.
void PlayADayAgreeingThenAMonth(GameState& g, const char* what) {
    PrepareLoadedGame(g);
    const Value today = g.Day;
    for (int t = 0; t < 50'000 && g.Day == today; ++t) ASSERT_TRUE(TickAgreeing(g)) << what;
    PlayAMonthAndSaveBack(g, what);
}

// Files changed from the busy shop where play has a customer at a machine,
// one stepping aside, or the cleaner mopping: a route counted back past its
// points, a sidestep from a cell off the floor's grid, a figure at the edge
// of the pixels a file may hold that a step or the mop carries past it, and
// a clerk walking away below the floor. Each is refused, or plays a day
// with every tick agreeing (a save at any moment loads) and then a month,
// and saves a file that loads.
TEST_F(GameAgreement, DamagedWaysAndPlacesAreRefusedOrPlayOnAndSaveAFileThatLoads) {
    const auto noon = BusyShopAtNoon();
    ASSERT_TRUE(noon);
    const PlayedMoments played = PlayOnFrom(*noon);
    ASSERT_TRUE(played.machine && played.aside && played.mopping);
    const GameState &machine = *played.machine, &aside = *played.aside, &mopping = *played.mopping;
    const int atPostB = PersonWhere(*noon, PersonSlot::Clerk1, PersonSlot::Clerk2, [](int s) { return s == ClerkAtPostB; });
    ASSERT_GE(atPostB, 0);
    // The clerk walks on down-right, away from its post up-left of it: no
    // turn of the walk is taken that far from the post.
    const auto walkAway = [atPostB](GameState& g, int pixelY) {
        const int s = g.Person.Sprite[atPostB].i();
        g.Sprite.X[s] = PixelX(100);
        g.Sprite.Y[s] = pixelY;
        g.Person.HeadingSet[atPostB] = 1;
        g.Person.Heading[atPostB] = 3;
    };

    struct Case {
        const char* what;
        const GameState& from;
        Expect expect;
        std::function<void(GameState&)> apply;
    };
    const Case cases[] = {
        {"a machine user with its way back counted off before it leaves", machine, Expect::Refused,
         [](GameState& g) {
             const int p = CustomerWhere(g, AtAMachine);
             g.Person.WaypointsBack[p] = g.WaypointCount[p];
         }},
        // Down-left from x 0, up-right from x 512: one cell off the grid.
        {"a sidestep from the grid's edge", aside, Expect::Refused,
         [](GameState& g) {
             const int p = CustomerWhere(g, SteppingAside);
             g.Person.SavedTargetX[p] = g.Person.State[p].asInt() == CustomerState::SidestepDownLeft ? 0 : 512;
         }},
        {"a clerk walking away at the bottom of the pixels", *noon, Expect::Refused,
         [&](GameState& g) { walkAway(g, 99'999); }},
        {"the cleaner mopping at the bottom of the pixels", mopping, Expect::Refused,
         [](GameState& g) { g.Sprite.Y[g.Person.Sprite[PersonSlot::Cleaner].i()] = 99'999; }},
        {"a clerk walking away below the floor", *noon, Expect::PlaysOn,
         [&](GameState& g) { walkAway(g, PixelY(505)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = std::make_unique<GameState>(c.from);
        c.apply(*g);
        std::string bytes, why;
        ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
        auto loaded = std::make_unique<GameState>(c.from);
        const bool taken = DeserializeGame(bytes, *loaded, &why);
        EXPECT_EQ(taken, c.expect == Expect::PlaysOn) << why;
        if (taken) PlayADayAgreeingThenAMonth(*loaded, c.what);
    }
}

// The customer `ticks` service ticks into its turn at the counter of
// register `r`, still owing: a service-counter customer its purchase, a
// shopper its copies. -1 when there is none.
int OwingAtCounter(const GameState& g, int r, int ticks, bool serviceCustomer) {
    const auto& P = g.Person;
    for (int p = PersonSlot::FirstCustomer; p <= PersonSlot::LastCustomer; ++p) {
        const bool owes = serviceCustomer ? P.ServiceCustomer[p].asInt() == 1
                                          : P.BookCopies[p].asInt() + P.MagazineCopies[p].asInt() > 0;
        if (P.QueueRegister[p].asInt() == r && P.AtCounter[p].asInt() == 1 && P.StateTicks[p].asInt() == ticks && owes)
            return p;
    }
    return -1;
}

// A register bought while a customer is served at its place: with the
// empty place's 10 extra ticks the sale falls on service tick 14; at tick 12
// a register of 2 moves it to 6, and the customer pays on its next tick
// (and, being past its last tick too, leaves in the same one).
void BuyARegisterMidService(GameState& g, bool serviceCustomer) {
    ASSERT_TRUE(RemoveRegister(g, 1));
    int p = -1;
    for (int t = 0; t < 50'000 && p < 0; ++t) {
        ASSERT_TRUE(TickAgreeing(g));
        p = OwingAtCounter(g, 1, 12, serviceCustomer);
    }
    ASSERT_GE(p, 0) << "nobody served at the empty place";
    const std::int64_t served = g.ServedCount[0].asInt(), sold = g.CopiesSold.asInt();
    const std::int64_t copies = g.Person.BookCopies[p].asInt() + g.Person.MagazineCopies[p].asInt();
    BuyRegister(g, 1, 3);
    ASSERT_EQ(g.RegisterSlot.ServiceTime[0], Value(2));
    ASSERT_TRUE(TickAgreeing(g));
    EXPECT_EQ(g.ServedCount[0].asInt(), served + 1);
    EXPECT_EQ(g.CopiesSold.asInt(), sold + copies);
    EXPECT_EQ(g.Person.State[p], Value(CustomerState::LeaveUpperDoor));
    EXPECT_EQ(g.Person.ServiceCustomer[p], Value(0));
}

// A facility removed while a fire burns elsewhere leaves the fire's
// candidates at once; the fire spreads on over the others, and the brigade
// puts it out.
void RemoveAFacilityDuringAFire(GameState& g) {
    for (int t = 0; t < 50'000 && g.ShopOpen.asInt() == 1; ++t) ASSERT_TRUE(TickAgreeing(g));
    ASSERT_EQ(ArsonCommand(g, kFirstSpot), ArsonOutcome::Started);
    for (int t = 0; t < 3; ++t) ASSERT_TRUE(TickAgreeing(g));
    ASSERT_EQ(g.FacilitySlot.FireState[kLastSpot].asInt(), SpotFireState::None);
    ASSERT_EQ(g.FireCandidates[g.FireCandidateCount.asInt() - 1].asInt(), kLastSpot);
    ASSERT_EQ(RemoveFacilityCommand(g, kLastSpot), RemovalOutcome::Removed);
    std::string why;
    EXPECT_TRUE(CheckAgreement(g, &why)) << why;
    for (int k = 0; k < g.FireCandidateCount.asInt(); ++k) EXPECT_NE(g.FireCandidates[k].asInt(), kLastSpot);
    for (int t = 0; t < 30; ++t) ASSERT_TRUE(TickAgreeing(g));  // past the next spread steps
    EXPECT_GT(g.BurningSlotCount.asInt(), 1);
    CallFireBrigade(g);
    ASSERT_EQ(g.FireBurning.asInt(), 0);
}

// The moments play broke a rule at, each played through the game's own
// routines from the busy shop with the agreement checked after every tick;
// then a day more, and the game's own save loads.
struct Mend {
    const char* what;
    void (*play)(GameState&);
};
void PrintTo(const Mend& m, std::ostream* os) { *os << m.what; }
const Mend kMends[] = {
    {"RegisterBoughtWhileAServiceCounterCustomerIsServed", [](GameState& g) { BuyARegisterMidService(g, true); }},
    {"RegisterBoughtWhileAShopperIsServed", [](GameState& g) { BuyARegisterMidService(g, false); }},
    {"FacilityRemovedDuringAFire", RemoveAFacilityDuringAFire},
};

class PlayKeepsEveryRule : public GameAgreement, public ::testing::WithParamInterface<Mend> {};

TEST_P(PlayKeepsEveryRule, AndItsSaveLoads) {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    GetParam().play(*g);
    if (HasFatalFailure()) return;
    const Value today = g->Day;
    for (int t = 0; t < 50'000 && g->Day == today; ++t) ASSERT_TRUE(TickAgreeing(*g));
    std::string bytes, why;
    ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
    auto loaded = std::make_unique<GameState>();
    InitProgramState(*loaded);
    EXPECT_TRUE(DeserializeGame(bytes, *loaded, &why)) << why;
}
INSTANTIATE_TEST_SUITE_P(Mends, PlayKeepsEveryRule, ::testing::ValuesIn(kMends),
                         [](const ::testing::TestParamInfo<Mend>& i) { return std::string(i.param.what); });

// A shopper whose shelf turned into a machine on its way walks back out
// without paying: the door gives its reserved copies back, so that the
// tallies still agree.
TEST_F(GameAgreement, ACustomerGoingOutGivesBackTheCopiesItStillHolds) {
    auto g = BusyShopAtNoon();
    ASSERT_TRUE(g);
    int p = 6;
    while (p < 26 && g->Person.State[p].asInt() != 0) ++p;
    ASSERT_LT(p, 26);
    const std::int64_t held = g->CopiesHeld.asInt(), titleHeld = g->Magazine.HeldCopies[0].asInt();
    g->Person.State[p] = 7;  // going out by the upper door, one step from it
    const int sprite = g->Person.Sprite[p].i();
    g->Sprite.X[sprite] = 6 * (45 - 20);
    g->Sprite.Y[sprite] = 3 * (29 - 20);
    g->Person.MagazineCopies[p] = 2;
    g->Person.TitleTaken[p] = 0;
    g->WaypointCount[p] = 1;
    g->CopiesHeld = held + 2;
    g->Magazine.HeldCopies[0] = titleHeld + 2;
    g->CustomersInside = g->CustomersInside.asInt() + 1;
    std::string why;
    ASSERT_TRUE(CheckAgreement(*g, &why)) << why;

    for (int t = 0; t < 3 && g->Person.State[p].asInt() == 7; ++t) MainTick(*g);
    ASSERT_NE(g->Person.State[p].asInt(), 7);
    EXPECT_EQ(g->Person.MagazineCopies[p].asInt(), 0);
    EXPECT_TRUE(CheckAgreement(*g, &why)) << why;
}

// A shopper of the side room takes its ticket at its shelf, far down
// register 2's line, and stands at the wall between until its place has
// moved up far enough for the walk to turn it (a moment random play
// reached, kept as a file): the file loads, every tick agrees, and the
// customer takes its turn at the counter.
TEST_F(GameAgreement, ACustomerFarDownTheLineWaitsAtTheWallAndTakesItsTurn) {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    std::string why;
    ASSERT_TRUE(LoadGameFile(*g, QM_SOURCE_DIR "/tests/fixtures/queue-at-the-wall.qmt", &why)) << why;
    const int p = CustomerWhere(*g, [](const GameState& s, int c) {
        return s.Person.HasTicket[c].asInt() == 1 && StandsOn(s, c, GridCell{41, 73});
    });
    ASSERT_GE(p, 0);
    const std::int64_t ticket = g->Person.QueueTicket[p].asInt();
    ASSERT_GT(ticket - g->Register2Served.asInt(), 5);  // six places from the counter, and more
    PrepareLoadedGame(*g);
    const PersonPlace start = PlaceOf(*g, p);
    ASSERT_TRUE(TickAgreeing(*g));
    EXPECT_TRUE(StillAt(*g, start)) << "the customer stands at the wall";
    for (int t = 0; t < 50'000 && g->Register2Served.asInt() < ticket; ++t) ASSERT_TRUE(TickAgreeing(*g));
    EXPECT_EQ(g->Register2Served.asInt(), ticket);
}

// The last guard of a save: a state the loader would refuse is not written,
// the player sees the write error, and the file saved before stays as it was.
TEST_F(GameAgreement, ASaveTheLoaderWouldRefuseKeepsThePreviousFile) {
    const fs::path dir = fs::temp_directory_path() / ("qm-agree-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "game.qmt";
    auto g = BusyShopAtNoon();
    ASSERT_TRUE(g);
    ASSERT_EQ(SaveGameTo(*g, file.string()), SaveResult::Saved);
    std::ifstream in(file, std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    g->CustomersInside = g->CustomersInside.asInt() + 1;  // within its field, not the people inside
    ui.shown.clear();
    EXPECT_EQ(SaveGameTo(*g, file.string()), SaveResult::Failed);
    ASSERT_EQ(ui.shown.size(), 2u);  // the overwrite question, then the error
    EXPECT_EQ(ui.shown[1].text, kWriteErrorText);
    std::ifstream again(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>()), before);
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
    fs::remove_all(dir);
}

}  // namespace
