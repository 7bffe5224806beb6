#include <gtest/gtest.h>

#include <memory>

#include "tests/TestSupport.h"
#include "state/FloorWalls.h"
#include "state/SpritePool.h"

class SpritePoolTest : public ::testing::Test {
protected:
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
};

TEST_F(SpritePoolTest, TakesLowestFreeSlotAndKeepsDrawListInOrder) {
    EXPECT_EQ(SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0), 1);
    EXPECT_EQ(SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0), 2);
    EXPECT_EQ(g->LastSpawnedSprite, Value(2));
    EXPECT_EQ(g->DrawListCount, Value(3));

    RemoveSprite(*g, 1);
    RemoveSprite(*g, 1);  // freeing twice changes nothing more
    EXPECT_EQ(g->DrawListCount, Value(2));
    EXPECT_EQ(g->DrawList[0], Value(0));
    EXPECT_EQ(g->DrawList[1], Value(2));
    EXPECT_EQ(SpawnSprite(*g, 5, 6, 7, 8, 9, 10, 0), 1);
    EXPECT_EQ(g->DrawListCount, Value(3));
    EXPECT_EQ(g->DrawList[1], Value(1));
}

TEST_F(SpritePoolTest, DepthKeyOrdersBySlotAtEqualHeight) {
    for (int i = 0; i < 7; ++i) SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0);
    ASSERT_EQ(SpawnSprite(*g, 3, 150, 0, 0, 16, 32, 1000), 7);
    for (int i = 8; i < 12; ++i) SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0);
    ASSERT_EQ(SpawnSprite(*g, 3, 150, 0, 0, 16, 32, 1000), 12);
    EXPECT_DOUBLE_EQ(g->Sprite.Depth[7].asReal(), 1150.007);
    EXPECT_DOUBLE_EQ(g->Sprite.Depth[12].asReal(), 1150.012);
    EXPECT_LT(g->Sprite.Depth[7].asReal(), g->Sprite.Depth[12].asReal());
}

TEST_F(SpritePoolTest, FullPoolTakesNothing) {
    for (int i = 0; i < kSpriteSlots; ++i) ASSERT_EQ(SpawnSprite(*g, i, 0, 0, 0, 1, 1, 0), i);
    const WholeCell before = g->Sprite.X[0];
    EXPECT_EQ(SpawnSprite(*g, 999, 999, 0, 0, 1, 1, 0), -1);
    EXPECT_EQ(g->LastSpawnedSprite, Value(500));
    EXPECT_EQ(g->DrawListCount, Value(501));
    EXPECT_EQ(g->Sprite.X[0], before);
}

TEST(FloorWalls, StartupAndNewGameSets) {
    auto g = std::make_unique<GameState>();
    LayStartupWalls(*g);
    int walls = 0, barriers = 0;
    for (auto& col : g->FloorGrid)
        for (int c : col) walls += c == Wall, barriers += c == Barrier;
    struct Cell {
        int x, y, startup, newGame;
    };
    const Cell cells[] = {
        {53, 31, 0, 0},      {54, 30, 200, 200}, {48, 36, 200, 200}, {43, 43, 200, 200},
        {43, 44, 0, 0},      {43, 45, 200, 200}, {43, 46, 0, 0},     {43, 47, 200, 200},
        {62, 22, 200, 200},  {62, 26, 500, 500}, {65, 29, 500, 500}, {23, 83, 200, 200},
        {97, 65, 200, 0},    {97, 57, 200, 0},   {108, 90, 200, 0},  {108, 92, 200, 200},
        {0, 0, 0, 0},        {512, 512, 0, 0},
    };
    for (const Cell& c : cells) EXPECT_EQ(g->FloorGrid[c.x][c.y], c.startup) << c.x << "," << c.y;

    g->FloorGrid = {};
    LayNewGameWalls(*g);
    int newWalls = 0, newBarriers = 0;
    for (auto& col : g->FloorGrid)
        for (int c : col) newWalls += c == Wall, newBarriers += c == Barrier;
    EXPECT_EQ(newWalls, 190);
    EXPECT_EQ(newBarriers, 4);
    EXPECT_EQ(barriers, 4);
    EXPECT_GT(walls, newWalls);
    for (const Cell& c : cells) EXPECT_EQ(g->FloorGrid[c.x][c.y], c.newGame) << c.x << "," << c.y;
    EXPECT_TRUE(IsBlocked(Barrier));
    EXPECT_TRUE(IsBlocked(Wall));
    EXPECT_FALSE(IsBlocked(Open));
}
