// Walking over the floor grid, the walk animation, the doors and the edge
// of the map.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/WalkTurns.h"
#include "sim/Walking.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "floor/ShopEnlargement.h"
#include "tests/TestShop.h"

namespace {

constexpr int kSlot = 6;

// A person of slot 6 standing on a cell, with a fresh walk toward a target.
void PlacePerson(GameState& g, GridCell at, GridCell target, int sprite = 30) {
    g.Person.Sprite[kSlot] = sprite;
    g.Sprite.X[sprite] = (at.x - 20) * 6;
    g.Sprite.Y[sprite] = (at.y - 20) * 3;
    g.Person.State[kSlot] = 1;
    g.Person.TargetX[kSlot] = target.x;
    g.Person.TargetY[kSlot] = target.y;
    g.Person.HeadingSet[kSlot] = 0;
    g.Person.Heading[kSlot] = 0;
    g.Person.WalkFrame[kSlot] = 0;
}

GridCell CellOf(const GameState& g) {
    return {static_cast<int>(PersonCellX(g, kSlot)), static_cast<int>(PersonCellY(g, kSlot))};
}

std::unique_ptr<GameState> NewShop() {
    return NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 11, .name = "走路书店"});
}

}  // namespace

TEST(Walk, RoutesTurnsAndWalls) {
    // Each leg: the heading walked and the cell where it ends.
    using Leg = std::pair<int, GridCell>;
    struct Case {
        const char* name;
        GridCell from, to;
        std::vector<GridCell> walls;
        std::vector<Leg> legs;
        int ticks;
    };
    const Case cases[] = {
        {"to the upper door", {42, 10}, {53, 35}, {}, {{3, {53, 21}}, {4, {46, 28}}, {3, {53, 35}}}, 25},
        {"to the side door", {16, 70}, {32, 78}, {}, {{3, {24, 78}}, {2, {28, 74}}, {3, {32, 78}}}, 16},
        {"rule B turns a column early", {30, 10}, {20, 24}, {}, {{4, {21, 19}}, {3, {23, 21}}, {4, {20, 24}}}, 14},
        {"a wall ahead turns it", {10, 10}, {20, 24}, {{12, 12}}, {{4, {8, 12}}, {3, {20, 24}}}, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = std::make_unique<GameState>();
        for (GridCell w : c.walls) g->FloorGrid[w.x][w.y] = 200;
        PlacePerson(*g, c.from, c.to);
        std::vector<Leg> legs;
        int ticks = 0;
        while (!StandsOnTarget(*g, kSlot) && ticks < 100) {
            WalkPerson(*g, kSlot);
            ++ticks;
            const int h = g->Person.Heading[kSlot].i();
            if (legs.empty() || legs.back().first != h)
                legs.push_back({h, CellOf(*g)});
            else
                legs.back().second = CellOf(*g);
        }
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(legs, c.legs);
        WalkPerson(*g, kSlot);  // arrived: it stands
        EXPECT_EQ(g->Person.Heading[kSlot], Value(0));
        EXPECT_EQ(CellOf(*g), c.to);
    }

    // On the target's line the wall test is skipped: facing the wall, the
    // person stays put, showing the first frame of its walk row.
    auto g = std::make_unique<GameState>();
    g->FloorGrid[11][11] = 500;
    PlacePerson(*g, {10, 10}, {20, 20});
    for (int i = 0; i < 5; ++i) WalkPerson(*g, kSlot);
    EXPECT_EQ(CellOf(*g), (GridCell{10, 10}));
    EXPECT_EQ(g->Person.Heading[kSlot], Value(3));
    EXPECT_EQ(g->Person.WalkFrame[kSlot], Value(1));
    EXPECT_EQ(g->Sprite.SrcX[30], Value(0));
    EXPECT_EQ(g->Sprite.SrcY[30], Value(64));
}

TEST(Walk, TurnTableAgreesWithTheRules) {
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -12; dy <= 12; ++dy) {
            SCOPED_TRACE(testing::Message() << "target " << dx << ", " << dy << " cells away");
            EXPECT_TRUE(walk_turns::TableKnows(dx, dy));
            for (const bool fresh : {false, true})
                for (const bool wall : {false, true})
                    EXPECT_EQ(walk_turns::TurnByTable(dx, dy, fresh, wall), walk_turns::TurnByRules(dx, dy, fresh, wall))
                        << (fresh ? "fresh" : "walking") << (wall ? ", wall ahead" : "");
        }
}

TEST(Walk, FramesWidthAndDepth) {
    auto g = std::make_unique<GameState>();
    // Walking up-right: columns 0, 16, 0, 32 of row 32 plus the figure's
    // column, and the counter back at 0 after the fourth.
    PlacePerson(*g, {40, 40}, {50, 30});
    g->Person.Look[kSlot] = 1;
    const int columns[] = {112, 128, 112, 144};
    for (int c : columns) {
        WalkPerson(*g, kSlot);
        EXPECT_EQ(g->Sprite.SrcX[30], Value(c));
        EXPECT_EQ(g->Sprite.SrcY[30], Value(32));
        EXPECT_EQ(g->Sprite.Width[30], Value(16));
    }
    EXPECT_EQ(g->Person.WalkFrame[kSlot], Value(0));

    // The wide figure set: column by heading and look, rows 315, 315, 283, 283.
    PlacePerson(*g, {40, 40}, {50, 50});
    g->Person.WideFigure[kSlot] = 1;
    const int rows[] = {315, 315, 283, 283};
    for (int r : rows) {
        WalkPerson(*g, kSlot);
        EXPECT_EQ(g->Sprite.SrcX[30], Value(192));
        EXPECT_EQ(g->Sprite.SrcY[30], Value(r));
        EXPECT_EQ(g->Sprite.Width[30], Value(32));
    }

    // A person on its target keeps its frame; only the depth is re-keyed.
    PlacePerson(*g, {45, 70}, {45, 70}, 25);
    g->Sprite.SrcX[25] = 77;
    WalkPerson(*g, kSlot);
    EXPECT_EQ(g->Sprite.Y[25], Value(150));
    EXPECT_DOUBLE_EQ(g->Sprite.Depth[25].asReal(), 150.025);
    EXPECT_EQ(g->Sprite.SrcX[25], Value(77));
}

TEST(Door, OneCycleAndHeldOpen) {
    auto g = NewShop();
    g->ShopOpen = 1;
    const int leaf0 = g->Door.LeafSprites[0].i(), leaf1 = g->Door.LeafSprites[1].i();
    auto leaves = [&] {
        return std::vector<int>{g->Sprite.X[leaf0].i(), g->Sprite.Y[leaf0].i(), g->Sprite.X[leaf1].i(),
                                g->Sprite.Y[leaf1].i()};
    };
    const std::vector<int> closed{178, 41, 194, 33}, half{170, 45, 202, 29}, open{162, 49, 210, 25};

    PlacePerson(*g, {49, 31}, {49, 31});
    CheckDoorCells(*g, kSlot);
    CycleDoors(*g);
    EXPECT_EQ(leaves(), half);
    g->Sprite.Y[30] = -64;  // the person has gone on
    const std::vector<std::vector<int>> after{open, open, open, open, half, closed};
    for (const auto& expected : after) {
        CycleDoors(*g);
        EXPECT_EQ(leaves(), expected);
    }
    EXPECT_EQ(g->Door.Cycling[0], Value(0));
    EXPECT_EQ(g->Door.Step[0], Value(0));

    // Somebody on the inner cell while the door stands open holds it open.
    g->Door.Cycling[0] = 1;
    g->Door.Step[0] = 4;
    PlacePerson(*g, {53, 35}, {53, 35});
    CheckDoorCells(*g, kSlot);
    CycleDoors(*g);
    EXPECT_EQ(g->Door.Step[0], Value(2));
    EXPECT_EQ(leaves(), open);

    // Closed shop: marked, but the leaves stay.
    g->ShopOpen = 0;
    g->Door.Cycling[0] = 0;
    g->Door.Step[0] = 0;
    CheckDoorCells(*g, kSlot);
    CycleDoors(*g);
    EXPECT_EQ(g->Door.Cycling[0], Value(1));
    EXPECT_EQ(g->Door.Step[0], Value(0));
}

TEST(Door, SideDoorStaysStillUntilBuilt) {
    HeadlessPlatform ui;
    ScopedPlatform use(ui);
    auto g = NewShop();
    g->ShopOpen = 1;
    ASSERT_FALSE(SideDoorBuilt(*g));
    // The unset leaf entries read as sprite 0, a piece of the scenery.
    const WholeCell x0 = g->Sprite.X[0], y0 = g->Sprite.Y[0];
    PlacePerson(*g, {32, 78}, {32, 78});
    for (int i = 0; i < 3; ++i) {
        CheckDoorCells(*g, kSlot);
        CycleDoors(*g);
    }
    EXPECT_EQ(g->Door.Cycling[1], Value());
    // A cycle and leaf entries left in the state, as an old saved game
    // might hold them: still nothing moves.
    g->Door.Cycling[1] = 1;
    g->Door.LeafSprites[2] = 0;
    g->Door.LeafSprites[3] = 0;
    CycleDoors(*g);
    EXPECT_EQ(g->Sprite.X[0], x0);
    EXPECT_EQ(g->Sprite.Y[0], y0);

    g->Door.Cycling[1] = 0;
    g->Door.Step[1] = 0;
    ASSERT_TRUE(EnlargeShop(*g));
    ASSERT_TRUE(SideDoorBuilt(*g));
    CheckDoorCells(*g, kSlot);
    CycleDoors(*g);
    const int leaf2 = g->Door.LeafSprites[2].i(), leaf3 = g->Door.LeafSprites[3].i();
    EXPECT_EQ(g->Sprite.X[leaf2], Value(42));
    EXPECT_EQ(g->Sprite.Y[leaf2], Value(173));
    EXPECT_EQ(g->Sprite.X[leaf3], Value(74));
    EXPECT_EQ(g->Sprite.Y[leaf3], Value(157));
}

TEST(EdgeRule, FreesPeopleBeyondTheEdgeAndCountsThemOut) {
    struct Case {
        const char* name;
        int slot, state;
        GridCell cell;
        bool freed;
        int customersAfter, clerksAfter;
    };
    // One customer and one clerk counted inside before each case.
    const Case cases[] = {
        {"shopper still on the side door's entry cell", 6, 13, {16, 70}, true, 0, 1},
        {"shopper leaving by the top", 7, 8, {64, 6}, true, 1, 1},
        {"passer-by off the right edge", 8, 36, {118, 60}, true, 1, 1},
        {"clerk on its way in", 0, 1, {60, 6}, true, 1, 0},
        {"shopper just inside the left line", 6, 13, {17, 71}, false, 1, 1},
        {"passer-by just below the top line", 8, 34, {60, 7}, false, 1, 1},
        // No way leads below the floor; a walk read from a file may.
        {"clerk on the grid's last row", 1, 2, {60, 512}, true, 1, 0},
        {"shopper just above the grid's last row", 6, 13, {60, 511}, false, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = std::make_unique<GameState>();
        const int sp = 40;
        g->Person.Sprite[c.slot] = sp;
        g->Sprite.X[sp] = (c.cell.x - 20) * 6;
        g->Sprite.Y[sp] = (c.cell.y - 20) * 3;
        g->Person.State[c.slot] = c.state;
        g->Person.WideFigure[c.slot] = 1;
        g->CustomersInside = 1;
        g->ClerksInside = 1;
        g->TicksPerHour = 1000000;
        // The shopper carries a reservation of two copies of book 3.
        g->Person.BookCopies[c.slot] = 2;
        g->Person.TitleTaken[c.slot] = 3;
        g->Book.HeldCopies[3] = 2;
        g->CopiesHeld = 2;

        FreePersonAtEdge(*g, c.slot);
        FreePersonAtEdge(*g, c.slot);  // a parked person is not counted out twice
        EXPECT_EQ(g->Person.State[c.slot], Value(c.freed ? 0 : c.state));
        EXPECT_EQ(g->Person.WideFigure[c.slot], Value(c.freed ? 0 : 1));
        EXPECT_EQ(g->Sprite.Y[sp], Value(c.freed ? -64 : (c.cell.y - 20) * 3));
        EXPECT_EQ(g->Sprite.X[sp], Value((c.cell.x - 20) * 6));
        EXPECT_EQ(g->CustomersInside, Value(c.customersAfter));
        EXPECT_EQ(g->ClerksInside, Value(c.clerksAfter));
        const bool customerCountedOut = c.customersAfter == 0;
        EXPECT_EQ(g->CopiesHeld, Value(customerCountedOut ? 0 : 2));
        EXPECT_EQ(g->Book.HeldCopies[3], Value(customerCountedOut ? 0 : 2));
        EXPECT_EQ(g->TicksPerHour, Value(1000000));  // someone is still inside in each case
    }

    // The last one inside: the hour ends soon, as for a person leaving by a door.
    auto g = std::make_unique<GameState>();
    g->Person.Sprite[6] = 40;
    g->Sprite.X[40] = -24;
    g->Sprite.Y[40] = 150;
    g->Person.State[6] = 13;
    g->CustomersInside = 1;
    g->TicksPerHour = 1000000;
    FreePersonAtEdge(*g, 6);
    EXPECT_EQ(g->CustomersInside, Value(0));
    EXPECT_EQ(g->TicksPerHour, Value(20));
}
