#include <gtest/gtest.h>

#include <memory>

#include "sim/Clerk.h"
#include "state/HourLength.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

struct Cell {
    int x, y;
};

// A shop at 9 o'clock with both registers bought and `clerks` clerks
// employed (applicant rows 0 and 1), none of them on the floor yet.
std::unique_ptr<GameState> StaffedShop(int clerks) {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 9, .seed = 11});
    g->ShopOpen = 1;
    g->ClerkCount = clerks;
    g->ClerkRowCount = clerks;
    for (int i = 0; i < clerks; ++i) {
        g->Applicant.Employed[i] = 1;
        g->EmployedList[i] = i;
        g->Person.Look[i] = 3 + i;
    }
    g->EmployedListCount = clerks;
    g->RegisterSlot.Kind[1] = 1;
    g->RegisterSlot.Kind[2] = 1;
    return g;
}

int SpriteOf(const GameState& g, int slot) { return g.Person.Sprite[slot].i(); }

// Stands the person on a cell, as the main tick's walking would.
void PutOn(GameState& g, int slot, Cell c) {
    g.Sprite.X[SpriteOf(g, slot)] = (c.x - 20) * 6;
    g.Sprite.Y[SpriteOf(g, slot)] = (c.y - 20) * 3;
}
void ArriveAtTarget(GameState& g, int slot) {
    PutOn(g, slot, {g.Person.TargetX[slot].i(), g.Person.TargetY[slot].i()});
}

Cell TargetOf(const GameState& g, int slot) { return {g.Person.TargetX[slot].i(), g.Person.TargetY[slot].i()}; }
bool operator==(Cell a, Cell b) { return a.x == b.x && a.y == b.y; }
void PrintTo(Cell c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

// Walks a clerk in from the street to the counter and has it choose.
void WalkToChoice(GameState& g, int slot) {
    StepClerk(g, slot);  // enters
    ArriveAtTarget(g, slot);
    StepClerk(g, slot);  // past the door
    ArriveAtTarget(g, slot);
    StepClerk(g, slot);  // at the counter: chooses a register
}

}  // namespace

TEST(Clerk, WalksInAndTakesRegisterOne) {
    auto g = StaffedShop(1);
    const int sprite = SpriteOf(*g, 0);
    const auto visits = g->Person.Visits[0].asInt();

    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkArrive);
    EXPECT_EQ(g->ClerksInside, Value(1));
    EXPECT_EQ(g->Person.Visits[0].asInt(), visits + 1);
    EXPECT_EQ(g->Sprite.X[sprite], Value(192));
    EXPECT_EQ(g->Sprite.Y[sprite], Value(-24));
    EXPECT_EQ(TargetOf(*g, 0), (Cell{55, 37}));

    g->Person.HeadingSet[0] = 1;  // the main tick has picked a heading
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkToCounter);
    EXPECT_EQ(g->Person.HeadingSet[0], Value(0));
    EXPECT_EQ(TargetOf(*g, 0), (Cell{44, 48}));

    // Arriving at the counter, the clerk chooses and sets off in one tick;
    // the register is not marked until the clerk stands at it.
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkAtPostA);
    EXPECT_EQ(TargetOf(*g, 0), (Cell{52, 58}));
    EXPECT_EQ(g->RegisterSlot.ClerkState[0].asInt(), Unattended);

    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->RegisterSlot.ClerkState[0].asInt(), ClerkAtRegister);
    EXPECT_EQ(g->RegisterSlot.ClerkState[1].asInt(), Unattended);
    EXPECT_EQ(g->Sprite.SrcX[sprite], Value(3 * 112));
    EXPECT_EQ(g->Sprite.SrcY[sprite], Value(32));
}

TEST(Clerk, SecondClerkFollowsTheFirstAndTakesRegisterTwo) {
    auto g = StaffedShop(2);
    StepClerk(*g, 0);
    StepClerk(*g, 1);
    EXPECT_EQ(g->Person.State[1].asInt(), ClerkAbsent);  // waits for clerk 0 to get ahead

    PutOn(*g, 0, {54, 14});  // two steps into its walk
    StepClerk(*g, 1);
    EXPECT_EQ(g->Person.State[1].asInt(), ClerkArrive);
    EXPECT_EQ(g->ClerksInside, Value(2));

    // Clerk 0 reaches register 1 first; clerk 1 then chooses register 2.
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    ASSERT_EQ(g->RegisterSlot.ClerkState[0].asInt(), ClerkAtRegister);

    ArriveAtTarget(*g, 1);
    StepClerk(*g, 1);
    ArriveAtTarget(*g, 1);
    StepClerk(*g, 1);
    EXPECT_EQ(g->Person.State[1].asInt(), ClerkAtPostB);
    EXPECT_EQ(TargetOf(*g, 1), (Cell{50, 66}));
    ArriveAtTarget(*g, 1);
    StepClerk(*g, 1);
    EXPECT_EQ(g->RegisterSlot.ClerkState[1].asInt(), ClerkAtRegister);
    EXPECT_EQ(g->Sprite.SrcX[SpriteOf(*g, 1)], Value(4 * 112));
    EXPECT_EQ(g->Sprite.SrcY[SpriteOf(*g, 1)], Value(64));
}

TEST(Clerk, EntryRules) {
    struct Case {
        const char* what;
        int hour, shopOpen, clerkCount, rowCount, slot, markedRegister;  // markedRegister -1: none
        bool enters;
    };
    const Case cases[] = {
        {"first open hour", 9, 1, 1, 1, 0, -1, true},
        {"two hours before closing", 19, 1, 1, 1, 0, -1, true},
        {"hour before closing", 20, 1, 1, 1, 0, -1, false},
        {"shop closed", 10, 0, 1, 1, 0, -1, false},
        {"no clerk row", 10, 1, 0, 0, 0, -1, false},
        {"slot 1 with one clerk row", 10, 1, 1, 1, 1, 0, false},
        {"slot 1 while clerk 0 is elsewhere", 10, 1, 2, 2, 1, -1, false},
        {"slot 1 to a staffed register 1", 10, 1, 2, 2, 1, 0, true},
        {"slot 1 to a clerk walking to register 2", 10, 1, 2, 2, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = StaffedShop(2);
        g->Hour = c.hour;
        g->ShopOpen = c.shopOpen;
        g->ClerkCount = c.clerkCount;
        g->ClerkRowCount = c.rowCount;
        if (c.markedRegister >= 0) g->RegisterSlot.ClerkState[c.markedRegister] = c.markedRegister == 0 ? 2 : 1;
        StepClerk(*g, c.slot);
        EXPECT_EQ(g->Person.State[c.slot].asInt(), c.enters ? ClerkArrive : ClerkAbsent);
        EXPECT_EQ(g->ClerksInside.asInt(), c.enters ? 1 : 0);
    }
}

TEST(Clerk, LoneClerkWalksOverToTheBusyRegister) {
    struct Case {
        const char* what;
        int register_;                 // 0 or 1: where the clerk attends
        int busy0, busy1, otherMark;   // counters and the other register's mark
        bool switches;
    };
    const Case cases[] = {
        {"register 1 to 2", 0, 0, 1, Unattended, true},
        {"register 2 to 1", 1, 1, 0, Unattended, true},
        {"own counter busy too", 0, 1, 1, Unattended, false},
        {"nobody waiting", 1, 0, 0, Unattended, false},
        {"other register attended", 0, 0, 1, ClerkAtRegister, false},
    };
    const Cell posts[2] = {{52, 58}, {50, 66}};
    const int postStates[2] = {ClerkAtPostA, ClerkAtPostB};
    const int srcYs[2] = {32, 64};
    const int headingTo[2] = {2, 3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = StaffedShop(1);
        const int k = c.register_, other = 1 - c.register_;
        g->Person.State[0] = postStates[k];
        g->Person.HeadingSet[0] = 1;
        g->Person.StateTicks[0] = 6;
        g->Person.Heading[0] = 0;
        g->ClerksInside = 1;
        PutOn(*g, 0, posts[k]);
        g->RegisterSlot.Busy[0] = c.busy0;
        g->RegisterSlot.Busy[1] = c.busy1;
        g->RegisterSlot.ClerkState[other] = c.otherMark;

        StepClerk(*g, 0);
        if (!c.switches) {
            EXPECT_EQ(g->Person.State[0].asInt(), postStates[k]);
            EXPECT_EQ(g->RegisterSlot.ClerkState[k].asInt(), ClerkAtRegister);
            EXPECT_EQ(g->RegisterSlot.ClerkState[other].asInt(), c.otherMark);
            continue;
        }
        // Neither register serves while the clerk walks over.
        EXPECT_EQ(g->Person.State[0].asInt(), postStates[other]);
        EXPECT_EQ(g->RegisterSlot.ClerkState[k].asInt(), Unattended);
        EXPECT_EQ(g->RegisterSlot.ClerkState[other].asInt(), ClerkComing);
        EXPECT_EQ(TargetOf(*g, 0), posts[other]);
        EXPECT_EQ(g->Person.Heading[0].asInt(), headingTo[other]);
        EXPECT_EQ(g->Person.HeadingSet[0], Value(1));
        EXPECT_EQ(g->Person.StateTicks[0], Value(6));

        ArriveAtTarget(*g, 0);
        StepClerk(*g, 0);
        EXPECT_EQ(g->RegisterSlot.ClerkState[other].asInt(), ClerkAtRegister);
        EXPECT_EQ(g->RegisterSlot.ClerkState[k].asInt(), Unattended);
        EXPECT_EQ(g->Sprite.SrcY[SpriteOf(*g, 0)], Value(srcYs[other]));
    }
}

TEST(Clerk, GoesHomeAfterHoursOnceTheShopIsEmpty) {
    auto g = StaffedShop(1);
    WalkToChoice(*g, 0);
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    ASSERT_EQ(g->RegisterSlot.ClerkState[0].asInt(), ClerkAtRegister);

    // The hour before closing keeps the clerk in; after hours a customer,
    // the cleaner or the robber still inside keeps it too.
    g->Hour = 20;
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkAtPostA);
    g->Hour = 21;
    g->TicksPerHour = kHourTicksOvertime;
    for (int who = 0; who < 3; ++who) {
        g->CustomersInside = who == 0;
        g->CleanerInside = who == 1;
        g->RobberInside = who == 2;
        StepClerk(*g, 0);
        EXPECT_EQ(g->Person.State[0].asInt(), ClerkAtPostA) << who;
    }

    g->RobberInside = 0;
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkLeaveCounter);
    EXPECT_EQ(TargetOf(*g, 0), (Cell{44, 50}));
    EXPECT_EQ(g->RegisterSlot.ClerkState[0].asInt(), Unattended);
    EXPECT_EQ(g->RegisterSlot.ClerkState[1].asInt(), Unattended);

    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkToDoor);
    EXPECT_EQ(TargetOf(*g, 0), (Cell{48, 30}));

    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->ClerksInside, Value(0));
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksLastLeft);  // the last one out
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkExit);
    EXPECT_EQ(TargetOf(*g, 0), (Cell{56, 10}));

    // Once outside the clerk is absent, parked above the scene.
    ArriveAtTarget(*g, 0);
    StepClerk(*g, 0);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkAbsent);
    EXPECT_EQ(g->Sprite.Y[SpriteOf(*g, 0)], Value(-64));
}

TEST(Clerk, FirstOfTwoOutLeavesTheHourLong) {
    auto g = StaffedShop(2);
    g->Hour = 22;
    g->ShopOpen = 0;
    g->TicksPerHour = kHourTicksOvertime;
    g->ClerksInside = 2;
    g->Person.State[0] = ClerkToDoor;
    g->Person.TargetX[0] = 48;
    g->Person.TargetY[0] = 30;
    PutOn(*g, 0, {48, 30});
    StepClerk(*g, 0);
    EXPECT_EQ(g->ClerksInside, Value(1));
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksOvertime);
}
