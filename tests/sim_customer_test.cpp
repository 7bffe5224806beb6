// The customers: arrival, routes, facilities, the register queues and the
// checkout, driven through the person loop of the main tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/Registers.h"
#include "sim/Customer.h"
#include "sim/MainTick.h"
#include "state/PersonSlots.h"
#include "sim/Walking.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

constexpr int kShopper = 6;

// A fresh shop at 10 o'clock, open, with one clerk employed and a clerk
// behind register 1; no facility placed, nothing in stock.
std::unique_ptr<GameState> NewShop(std::uint64_t seed = 5) {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = seed, .name = "顾客书店"});
    g->ShopOpen = 1;
    g->ClerkCount = 1;
    g->RegisterSlot.Kind[1] = 1;
    g->RegisterSlot.ClerkState[0] = 2;
    g->RegisterSlot.Kind[2] = 1;
    g->RegisterSlot.ClerkState[1] = 2;
    return g;
}

void PlaceFacility(GameState& g, int spot, int kind, int facing) {
    g.FacilitySlot.Kind[spot] = kind;
    g.FacilitySlot.Facing[spot] = facing;
    g.OccupiedSlots[0] = spot;
    g.OccupiedSlotCount = 1;
    g.FacilityCount = 1;
}

// Book 5 on the shelves, in the shopper's own category.
constexpr int kBook = 5;
void StockBook(GameState& g, int copies, int popularity) {
    g.Book.Stock[kBook] = copies;
    g.Book.Popularity[kBook] = popularity;
    g.Book.Category[kBook] = g.Person.PreferredCategory[kShopper];
    g.CopiesOnShelves = copies;
}

// Draws the generator forward until its next draws are the ones a test
// needs (the draws in between are as good as made by earlier ticks).
void DrawUntil(GameState& g, const std::function<bool(Random&)>& next) {
    for (int i = 0; i < 200000; ++i) {
        Random peek = g.rng;
        if (next(peek)) return;
        (void)g.Rnd();
    }
    FAIL() << "no such draws ahead";
}
int Draw(Random& r, int n) { return static_cast<int>(r.next() * n); }

// The next arrival attempt will be a shopper who passes the one-in-N chance.
void ScriptShopperArrival(GameState& g, int n) {
    DrawUntil(g, [n](Random& r) { return Draw(r, 3) == 0 && Draw(r, n) == 0; });
}

// A shopper with one copy of `title` in hand, standing on cell (cx, cy) on
// its way to pay (state 16).
void ShopperToPayAt(GameState& g, int slot, int cx, int cy, int title) {
    const int sp = g.Person.Sprite[slot].i();
    g.Sprite.X[sp] = (cx - 20) * 6;
    g.Sprite.Y[sp] = (cy - 20) * 3;
    g.Person.State[slot] = 16;
    g.Person.BookCopies[slot] = 1;
    g.Person.TitleTaken[slot] = title;
}

// The person step of one main tick for the given slots, then the doors.
void Tick(GameState& g, const std::vector<int>& slots) {
    for (int s : slots) TickPersonSlot(g, s);
    CycleDoors(g);
}

// Runs the ticks of one slot from its arrival until the edge rule frees
// it; the states it passed through, each once in order, and the tick each
// was entered.
struct Visit {
    std::vector<int> states;
    std::vector<int> enteredAt;
    int ticks = 0;
};
Visit RunVisit(GameState& g, int slot, const std::function<void(int tick)>& watch = nullptr) {
    Visit v;
    for (int t = 1; t <= 2000; ++t) {
        FreePersonAtEdge(g, slot);
        if (t > 1 && g.Person.State[slot].asInt() == 0) {
            // Gone; the rest of this tick may already bring the next visitor.
            v.states.push_back(0);
            v.enteredAt.push_back(t);
            v.ticks = t;
            return v;
        }
        TickPersonSlot(g, slot);
        CycleDoors(g);
        if (watch) watch(t);
        const int s = g.Person.State[slot].i();
        if (v.states.empty() || v.states.back() != s) {
            v.states.push_back(s);
            v.enteredAt.push_back(t);
        }
    }
    ADD_FAILURE() << "the visit never ended";
    return v;
}

int EnteredAt(const Visit& v, int state) {
    auto it = std::find(v.states.begin(), v.states.end(), state);
    return it == v.states.end() ? -1 : v.enteredAt[it - v.states.begin()];
}

}  // namespace

TEST(Arrival, DivisorByAttraction) {
    struct Case {
        double attraction;
        int n;
    };
    const Case cases[] = {
        {1000, 25}, {301, 25}, {300, 30}, {261, 30}, {260, 40}, {221, 40}, {220, 50}, {181, 50},
        {180, 60},  {151, 60}, {150, 70}, {121, 70}, {120, 85}, {101, 85}, {100, 90}, {81, 90},
        {80, 100},  {51, 100}, {50, 105}, {21, 105}, {20, 110}, {11, 110}, {10, 120}, {-40, 120},
    };
    for (const Case& c : cases) EXPECT_EQ(ArrivalDivisor(c.attraction), c.n) << c.attraction;
}

TEST(Arrival, VisitorMilestonesOpenTheNotice) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    struct Case {
        int before;
        bool shown;
    };
    const Case cases[] = {{999, true}, {4999, true}, {9999, true}, {1000, false}, {4998, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        auto g = NewShop();
        PlaceFacility(*g, 5, 7, 4);  // a vending machine: no title to choose
        g->TotalCustomers = c.before;
        ui.windowsShown.clear();
        // Attraction 2 * (15 + 10 + 10) + 2 * 1 = 72: one in 100.
        ScriptShopperArrival(*g, 100);
        StepCustomer(*g, kShopper);
        ASSERT_EQ(g->Person.State[kShopper], Value(1));
        EXPECT_EQ(g->Attraction, Value(72));
        EXPECT_EQ(g->TotalCustomers, Value(c.before + 1));
        EXPECT_EQ(ui.windowsShown, c.shown ? std::vector<Window>{Window::VisitorNotice} : std::vector<Window>{});
    }
}

TEST(Arrival, StartsEmptyHandedAndReservesOnlyFreeCopies) {
    auto g = NewShop();
    // Left over from an earlier visit of this slot.
    g->Person.BookCopies[kShopper] = 4;
    g->Person.MagazineCopies[kShopper] = 3;
    g->Person.TitleTaken[kShopper] = 9;
    PlaceFacility(*g, 20, 8, 4);  // a claw machine
    ScriptShopperArrival(*g, 100);
    StepCustomer(*g, kShopper);
    ASSERT_EQ(g->Person.State[kShopper], Value(1));
    EXPECT_EQ(g->Person.BookCopies[kShopper], Value(0));
    EXPECT_EQ(g->Person.MagazineCopies[kShopper], Value(0));
    EXPECT_TRUE(g->Person.TitleTaken[kShopper].isEmpty());
    EXPECT_EQ(g->CopiesHeld.asInt(), 0);

    // A shelf shopper who wants more than is free takes what is free.
    auto h = NewShop();
    PlaceFacility(*h, 30, 1, 4);
    StockBook(*h, 3, 17);  // wants 6 to 14 copies
    h->Book.HeldCopies[kBook] = 1;
    h->CopiesHeld = 1;
    h->Person.MagazineCopies[kShopper] = 2;  // stale
    ScriptShopperArrival(*h, 100);
    StepCustomer(*h, kShopper);
    ASSERT_EQ(h->Person.State[kShopper], Value(13));  // spot 30: the side door
    EXPECT_EQ(h->Person.BookCopies[kShopper], Value(2));
    EXPECT_EQ(h->Person.MagazineCopies[kShopper], Value(0));
    EXPECT_EQ(h->Person.TitleTaken[kShopper], Value(kBook));
    EXPECT_EQ(h->Book.HeldCopies[kBook], Value(3));
    EXPECT_EQ(h->CopiesHeld, Value(3));
    EXPECT_EQ(h->Person.Satisfaction[kShopper], Value(12));
    EXPECT_EQ(h->CustomersInside, Value(1));

    // Every copy reserved: a shelf shopper does not come.
    h->Person.State[7] = 0;
    ScriptShopperArrival(*h, 100);
    StepCustomer(*h, 7);
    EXPECT_EQ(h->Person.State[7], Value(0));
    EXPECT_EQ(h->CustomersInside, Value(1));
}

TEST(Customer, ShelfShopperOfZoneAFromArrivalToExit) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop();
    PlaceFacility(*g, 1, 1, 4);  // a narrow shelf on spot 1
    StockBook(*g, 10, 10);       // wants 4 to 8 copies
    const std::int64_t price = g->Book.Price[kBook].asInt();
    const std::int64_t funds = g->Funds.asInt();

    ScriptShopperArrival(*g, 100);
    int q = 0, counterTick = -1, saleTick = -1;
    const Visit v = RunVisit(*g, kShopper, [&](int t) {
        if (t == 1) {
            q = g->Person.BookCopies[kShopper].i();
            EXPECT_EQ(g->CopiesHeld, Value(q));
            EXPECT_EQ(g->Book.HeldCopies[kBook], Value(q));
            EXPECT_EQ(g->CustomersInside, Value(1));
        }
        if (counterTick < 0 && g->RegisterSlot.Busy[0].asInt() == 1) counterTick = t;
        if (saleTick < 0 && t > 1 && g->CopiesHeld.asInt() == 0) saleTick = t;
    });

    ASSERT_GE(q, 4);
    ASSERT_LE(q, 8);
    ASSERT_GE(v.states.size(), 9u);
    EXPECT_EQ(std::vector<int>(v.states.begin(), v.states.begin() + 8), (std::vector<int>{1, 2, 3, 38, 4, 5, 6, 7}));
    EXPECT_TRUE(v.states[8] == 8 || v.states[8] == 9);
    EXPECT_EQ(v.states.back(), 0);
    // Through the upper door in 25 steps; the shelf is browsed for 9 ticks
    // on its cell; at the counter the sale is on service tick 14 and the
    // customer leaves on tick 20 (register place without a model: 10 extra).
    EXPECT_EQ(EnteredAt(v, 2), 26);
    EXPECT_EQ(saleTick - counterTick, 13);
    EXPECT_EQ(EnteredAt(v, 7) - counterTick, 19);

    EXPECT_EQ(g->Book.Stock[kBook], Value(10 - q));
    EXPECT_EQ(g->CopiesOnShelves, Value(10 - q));
    EXPECT_EQ(g->Book.CopiesSold[kBook], Value(q));
    EXPECT_EQ(g->CopiesSold, Value(q));
    EXPECT_EQ(g->CopiesHeld, Value(0));
    EXPECT_EQ(g->Book.HeldCopies[kBook], Value(0));
    EXPECT_EQ(g->Person.BookCopies[kShopper], Value(0));
    EXPECT_EQ(g->Funds, Value(funds + price * q));
    EXPECT_EQ(g->Ledger.Income[0][0].whole(), price * q);
    EXPECT_EQ(g->Ledger.Income[5][0].whole(), 0);  // no service is offered
    EXPECT_EQ(g->StatusText, Value("书籍售出了" + std::to_string(q) + "册 +" + std::to_string(price * q) + "円"));
    EXPECT_NE(std::find(ui.sounds.begin(), ui.sounds.end(), "Gold.wav"), ui.sounds.end());
    EXPECT_EQ(g->UseCount[1], Value(1));
    EXPECT_EQ(g->CustomersInside, Value(0));
    EXPECT_EQ(g->Register1Tickets, Value(0));
    EXPECT_EQ(g->Register1Served, Value(1));
    EXPECT_EQ(g->ServedCount[0], Value(1));
    EXPECT_EQ(g->WaypointCount[kShopper], Value(3));
    EXPECT_EQ(g->Person.WaypointX[kShopper][1], Value(53));
    EXPECT_EQ(g->Person.WaypointY[kShopper][2], Value(29));
    EXPECT_EQ(g->Sprite.Y[g->Person.Sprite[kShopper].i()], Value(-64));
}

TEST(Customer, MachineUserOfZoneAWalksBackOut) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop();
    PlaceFacility(*g, 9, 7, 2);  // a vending machine on the second run
    ScriptShopperArrival(*g, 100);
    std::vector<GridCell> targetsIn39;
    const Visit v = RunVisit(*g, kShopper, [&](int) {
        if (g->Person.State[kShopper].asInt() != 39) return;
        GridCell t{g->Person.TargetX[kShopper].i(), g->Person.TargetY[kShopper].i()};
        if (targetsIn39.empty() || !(targetsIn39.back() == t)) targetsIn39.push_back(t);
    });
    ASSERT_GE(v.states.size(), 8u);
    EXPECT_EQ(std::vector<int>(v.states.begin(), v.states.begin() + 6), (std::vector<int>{1, 2, 3, 40, 39, 7}));
    EXPECT_EQ(targetsIn39, (std::vector<GridCell>{{59, 29}, {53, 35}}));
    EXPECT_GT(g->Ledger.Income[3][0].whole(), 0);  // the drinks
    EXPECT_EQ(g->Ledger.Income[0][0].whole(), 0);
    EXPECT_NE(std::find(ui.sounds.begin(), ui.sounds.end(), "Machine.wav"), ui.sounds.end());
    EXPECT_EQ(g->Register1Served.asInt(), 0);
    EXPECT_EQ(g->UseCount[9], Value(1));
    EXPECT_EQ(g->Person.WaypointsBack[kShopper], Value(3));  // the exit, (59, 29), (53, 35)
    EXPECT_EQ(g->CustomersInside, Value(0));
}

// Every zone's routes lead in and out again over the new-game floor: shelf
// users through the register of their zone, machine users back the way they
// came.
TEST(Customer, EverySpotIsReachedAndLeft) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop();
    g->Book.Stock[kBook] = 100000;
    g->Book.Popularity[kBook] = 2;
    g->CopiesOnShelves = 100000;
    g->Book.Category[kBook] = g->Person.PreferredCategory[kShopper];
    const int kinds[] = {1, 6, 7, 8, 9};
    for (int spot = 1; spot <= 61; ++spot) {
        for (int kind : kinds) {
            SCOPED_TRACE("spot " + std::to_string(spot) + " kind " + std::to_string(kind));
            PlaceFacility(*g, spot, kind, 4);
            const std::int64_t served = g->Register1Served.asInt() + g->Register2Served.asInt();
            ScriptShopperArrival(*g, ArrivalDivisor(2 * (15 + 10 + 10) + 2));
            const Visit v = RunVisit(*g, kShopper);
            ASSERT_GE(v.states.size(), 5u);
            ASSERT_EQ(v.states.back(), 0);
            const int exit = v.states[v.states.size() - 2];
            EXPECT_TRUE(exit == 8 || exit == 9 || exit == 18) << exit;
            EXPECT_EQ(g->CustomersInside, Value(0));
            EXPECT_EQ(g->CopiesHeld, Value(0));
            const bool shelf = kind <= 6;
            EXPECT_EQ(g->Register1Served.asInt() + g->Register2Served.asInt(), served + (shelf ? 1 : 0));
        }
    }
}

TEST(Queue, ThreeCustomersAtRegister2) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop();
    StockBook(*g, 10, 2);
    g->RegisterSlot.ClerkState[1] = 0;       // the clerk is not there yet
    g->RegisterSlot.ServiceTime[1] = -1;     // a small workstation
    const std::vector<int> slots{6, 7, 8};
    for (int s : slots) ShopperToPayAt(*g, s, 58, 72, kBook);
    g->Book.HeldCopies[kBook] = 3;
    g->CopiesHeld = 3;

    Tick(*g, slots);
    EXPECT_EQ(g->Register2Tickets, Value(3));
    const GridCell places[] = {{54, 70}, {55, 71}, {56, 70}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g->Person.QueueTicket[slots[i]], Value(i + 1));
        EXPECT_EQ(g->Person.QueueRegister[slots[i]], Value(2));
        EXPECT_EQ(g->Person.AtCounter[slots[i]].asInt(), i == 0 ? 1 : 0);
        EXPECT_EQ(g->Person.TargetX[slots[i]], Value(places[i].x));
        EXPECT_EQ(g->Person.TargetY[slots[i]], Value(places[i].y));
    }

    // Without the clerk the first stands at the counter and waits.
    for (int i = 0; i < 30; ++i) Tick(*g, slots);
    EXPECT_TRUE(StandsOn(*g, 6, {54, 70}));
    EXPECT_EQ(g->RegisterSlot.Busy[1], Value(1));
    EXPECT_EQ(g->Person.StateTicks[6], Value(0));

    // With the clerk: sale on service tick 3, gone on tick 9; the next moves
    // up in the same tick, because it is stepped after the one who left.
    g->RegisterSlot.ClerkState[1] = 2;
    int t = 0;
    while (g->Person.State[6].asInt() == 16 && t < 20) {
        Tick(*g, slots);
        ++t;
        if (t == 2) {
            EXPECT_EQ(g->CopiesHeld, Value(3));
        }
        if (t == 3) {
            EXPECT_EQ(g->CopiesHeld, Value(2));
        }
    }
    EXPECT_EQ(t, 9);
    EXPECT_EQ(g->Person.State[6], Value(17));
    EXPECT_EQ(g->Person.HasTicket[6], Value(0));
    EXPECT_EQ(g->Person.QueueTicket[6], Value(0));
    EXPECT_EQ(g->Person.QueueRegister[6], Value(0));
    EXPECT_EQ(g->Register2Tickets, Value(2));
    EXPECT_EQ(g->Register2Served, Value(1));
    EXPECT_EQ(g->RegisterSlot.Busy[1], Value(0));
    EXPECT_EQ(g->Person.AtCounter[7], Value(1));
    EXPECT_EQ(g->Person.TargetX[7], Value(54));
    EXPECT_EQ(g->Person.TargetX[8], Value(55));
    EXPECT_EQ(g->Person.TargetY[8], Value(71));

    for (int i = 0; i < 200 && g->Register2Served.asInt() < 3; ++i) Tick(*g, slots);
    EXPECT_EQ(g->Register2Served, Value(3));
    EXPECT_EQ(g->Register2Tickets, Value(0));
    EXPECT_EQ(g->ServedCount[1], Value(3));
    EXPECT_EQ(g->CopiesHeld, Value(0));
    EXPECT_EQ(g->Book.Stock[kBook], Value(7));
    EXPECT_EQ(g->Ledger.Income[0][0].whole(), 3 * g->Book.Price[kBook].asInt());
}

// A register bought while the customer at its counter is served moves the
// sale tick. A sale still ahead falls on the new tick; one moved below the
// ticks already counted is taken on the next tick, and only once. The small
// workstation's -1 puts the sale on service tick 3 and the leaving on 9.
TEST(Queue, ARegisterBoughtMidServiceSellsOnce) {
    struct Case {
        int boughtAt;  // the service tick the purchase follows, at an empty place (10 extra ticks)
        int model;     // 3: 2 extra ticks; 5: the small workstation, -1
        int paysAt, leavesAt;
    };
    const Case cases[] = {
        {2, 5, 3, 9},     // before the new sale tick: the sale falls on it
        {5, 5, 6, 9},     // past it: paid on the next tick
        {12, 3, 13, 13},  // past its sale and its last tick: paid and gone on the next
        {15, 3, 14, 16},  // paid on the empty place's tick 14, and not again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boughtAt);
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        auto g = NewShop();
        StockBook(*g, 10, 2);
        g->RegisterSlot.Kind[2] = 0;  // registers are sold for an empty place only
        ShopperToPayAt(*g, kShopper, 54, 70, kBook);  // on register 2's counter cell
        g->Book.HeldCopies[kBook] = 1;
        g->CopiesHeld = 1;

        // The clerk is there from the first tick, so tick t is service tick t.
        int paidAt = -1, leftAt = -1;
        for (int t = 1; t <= 30 && leftAt < 0; ++t) {
            Tick(*g, {kShopper});
            if (paidAt < 0 && g->Person.BookCopies[kShopper].asInt() == 0) paidAt = t;
            if (g->Person.State[kShopper].asInt() != 16) leftAt = t;
            if (t == c.boughtAt) BuyRegister(*g, 2, c.model);
        }
        EXPECT_EQ(paidAt, c.paysAt);
        EXPECT_EQ(leftAt, c.leavesAt);
        EXPECT_EQ(g->ServedCount[1], Value(1));
        EXPECT_EQ(g->Book.Stock[kBook], Value(9));
    }
}

TEST(Facility, MachinesBookTheirTakingsAndFinish) {
    struct Case {
        const char* name;
        int kind;
        int doneTick;
        int useCountTick;  // 0: the use is not counted
        std::int64_t minTakings, maxTakings;
    };
    const Case cases[] = {
        {"shelf", 1, 9, 3, 0, 0},
        {"claw machine", 8, 11, 10, 1600, 1600},
        {"photo booth", 9, 14, 0, 300, 1200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = NewShop();
        g->FacilitySlot.Kind[20] = c.kind;
        g->FacilitySlot.Facing[20] = 4;
        g->Person.TargetSpot[kShopper] = 20;
        const int sp = g->Person.Sprite[kShopper].i();
        g->Sprite.X[sp] = (93 - 20) * 6;  // on spot 20's use cell
        g->Sprite.Y[sp] = (85 - 20) * 3;
        g->Person.TargetX[kShopper] = 93;
        g->Person.TargetY[kShopper] = 85;
        g->Person.StateTicks[kShopper] = 0;
        int done = 0, counted = 0;
        for (int t = 1; t <= 20 && !done; ++t) {
            ActAtFacility(*g, kShopper);
            if (!counted && g->UseCount[20].asInt() == 1) counted = t;
            if (g->FacilityDone.asInt() == 1) done = t;
        }
        EXPECT_EQ(done, c.doneTick);
        EXPECT_EQ(counted, c.useCountTick);
        const std::int64_t takings = g->Ledger.Income[3][0].whole();
        EXPECT_GE(takings, c.minTakings);
        EXPECT_LE(takings, c.maxTakings);
    }

    // One cell short of its use cell nothing happens but the draw.
    auto g = NewShop();
    g->FacilitySlot.Kind[20] = 8;
    g->Person.TargetSpot[kShopper] = 20;
    const int sp = g->Person.Sprite[kShopper].i();
    g->Sprite.X[sp] = (92 - 20) * 6;
    g->Sprite.Y[sp] = (84 - 20) * 3;
    g->Person.TargetX[kShopper] = 93;
    g->Person.TargetY[kShopper] = 85;
    Random before = g->rng;
    ActAtFacility(*g, kShopper);
    (void)before.next();
    EXPECT_EQ(g->rng.next(), before.next());
    EXPECT_EQ(g->Person.StateTicks[kShopper].asInt(), 0);
    EXPECT_EQ(g->Ledger.Income[3][0].whole(), 0);
}

TEST(Checkout, ReservationAlwaysEndsAndStockNeverGoesNegative) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);

    // Nothing on the shelves: nothing sold, but the reservation is released.
    auto g = NewShop();
    g->CopiesOnShelves = 0;
    g->Person.BookCopies[kShopper] = 3;
    g->Person.TitleTaken[kShopper] = kBook;
    g->Book.HeldCopies[kBook] = 3;
    g->CopiesHeld = 3;
    const std::int64_t funds = g->Funds.asInt();
    CheckoutCustomer(*g, kShopper);
    EXPECT_EQ(g->CopiesHeld, Value(0));
    EXPECT_EQ(g->Book.HeldCopies[kBook], Value(0));
    EXPECT_EQ(g->Person.BookCopies[kShopper], Value(0));
    EXPECT_EQ(g->Funds, Value(funds));
    EXPECT_TRUE(ui.sounds.empty());

    // The issue day wrote off the title's copies but one: only that one sells.
    auto h = NewShop();
    const int mag = 4;
    h->Magazine.Stock[mag] = 1;
    h->Magazine.HeldCopies[mag] = 3;
    h->CopiesOnShelves = 5;
    h->CopiesHeld = 3;
    h->Person.MagazineCopies[kShopper] = 3;
    h->Person.TitleTaken[kShopper] = mag;
    CheckoutCustomer(*h, kShopper);
    const std::int64_t price = h->Magazine.Price[mag].asInt();
    EXPECT_EQ(h->Magazine.Stock[mag], Value(0));
    EXPECT_EQ(h->CopiesOnShelves, Value(4));
    EXPECT_EQ(h->Magazine.HeldCopies[mag], Value(0));
    EXPECT_EQ(h->CopiesHeld, Value(0));
    EXPECT_EQ(h->Magazine.IssueSales[mag][0], Value(1));
    EXPECT_EQ(h->Ledger.Income[0][0].whole(), price);
    EXPECT_EQ(h->StatusText, Value("杂志售出了1册 +" + std::to_string(price) + "円"));
    EXPECT_EQ(h->MagazineStockDirty, Value(1));
}

TEST(Checkout, ReorderOnlyWhenTheLastFreeCopySells) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    struct Case {
        const char* name;
        int copies;  // carried by the customer
        int stock, held;
        int keepReordering;
        int daysAfter;
    };
    const Case cases[] = {
        {"last free copy sold", 2, 2, 2, 1, 3},
        {"not re-ordered", 2, 2, 2, 0, 1},
        {"copies left over", 2, 5, 2, 1, 1},
        // A machine user sent to the register carries nothing; the title
        // of an earlier visit must not start a delivery.
        {"nothing sold", 0, 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = NewShop();
        g->CopiesOnShelves = 10;
        g->Book.Stock[kBook] = c.stock;
        g->Book.HeldCopies[kBook] = c.held;
        g->CopiesHeld = c.held;
        g->Book.StandingOrder[kBook] = 5;
        g->Book.KeepReordering[kBook] = c.keepReordering;
        g->Book.DaysToDelivery[kBook] = 1;
        g->Person.BookCopies[kShopper] = c.copies;
        g->Person.TitleTaken[kShopper] = kBook;
        CheckoutCustomer(*g, kShopper);
        EXPECT_EQ(g->Book.DaysToDelivery[kBook], Value(c.daysAfter));
        EXPECT_EQ(g->Book.Stock[kBook], Value(c.stock - c.copies));
        EXPECT_EQ(g->CopiesHeld, Value(c.held - c.copies));
        const std::int64_t amount = g->Book.Price[kBook].asInt() * c.copies;
        EXPECT_EQ(g->StatusText,
                  Value("书籍售出了" + std::to_string(c.copies) + "册 +" + std::to_string(amount) + "円"));
    }
}

TEST(Checkout, ServiceSalesDrawTheSameWhetherOfferedOrNot) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    // s = 4: all four services, 0 to 2 units each, booked in category 5.
    auto offered = NewShop();
    auto none = NewShop();
    for (auto* g : {offered.get(), none.get()}) {
        g->CopiesOnShelves = 10;
        DrawUntil(*g, [](Random& r) { return (void)r.next(), Draw(r, 10) == 4; });
    }
    for (int i = 0; i < 4; ++i) offered->ShopServiceOn[i] = 1;
    CheckoutCustomer(*offered, kShopper);
    CheckoutCustomer(*none, kShopper);
    EXPECT_EQ(offered->rng.next(), none->rng.next());
    EXPECT_EQ(none->Ledger.Income[5][0].whole(), 0);
    const std::int64_t services = offered->Ledger.Income[5][0].whole();
    EXPECT_LE(services, 2 * (800 + 1000 + 1000 + 500));
    EXPECT_EQ(services % 100, 0);
}
