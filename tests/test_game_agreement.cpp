// What the fields of a saved game must agree on. A file whose tallies
// disagree with their tables, or whose person or spot holds a combination
// play never reaches, is refused; any other file plays on and its own save
// loads again. And the game never writes a file its loader would refuse.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "commands/SaveAndLoad.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Counters.h"
#include "savegame/GameAgreement.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"

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
