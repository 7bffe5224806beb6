// The busy shop run on for a while: customers buy, money and stock stay
// consistent, and the game it leaves saves and loads back exactly.
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/MainTick.h"
#include "sim/HeadlessWindows.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "tests/TestSupport.h"

namespace {

class BusyShop : public ::testing::Test {
protected:
    void SetUp() override {
        InitProgramState(*g);
        ASSERT_TRUE(LoadGameFile(*g, QM_BUSY_SHOP));
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks && g->GameRunning.asInt() == 1; ++i) MainTick(*g);
    }
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
};

TEST_F(BusyShop, IsFurnishedStaffedAndStocked) {
    EXPECT_EQ(g->ShopSize, Value(3));
    EXPECT_EQ(g->OccupiedSlotCount, Value(61));
    EXPECT_EQ(g->ClerkCount, Value(2));
    EXPECT_NE(g->RegisterSlot.Kind[1].asInt(), 0);
    EXPECT_NE(g->RegisterSlot.Kind[2].asInt(), 0);
    EXPECT_GT(g->CopiesOnShelves.asInt(), 0);
}

TEST_F(BusyShop, ADayOfTradeKeepsTheBooksStraight) {
    const long long soldBefore = g->CopiesSold.asInt();
    Run(2000);  // about three and a half game days
    EXPECT_EQ(g->GameRunning, Value(1));
    EXPECT_GT(g->CopiesSold.asInt(), soldBefore) << "nobody bought anything";
    EXPECT_GT(g->TotalCustomers.asInt(), 0);

    // Stock never below 0, and the reservations add up.
    long long shelves = 0, held = 0, titlesHeld = 0;
    for (int m = 0; m < g->MagazineCount.i(); ++m) {
        ASSERT_GE(g->Magazine.Stock[m].asInt(), 0) << "magazine " << m;
        ASSERT_GE(g->Magazine.HeldCopies[m].asInt(), 0) << "magazine " << m;
        ASSERT_LE(g->Magazine.HeldCopies[m].asInt(), g->Magazine.Stock[m].asInt()) << "magazine " << m;
        shelves += g->Magazine.Stock[m].asInt();
        titlesHeld += g->Magazine.HeldCopies[m].asInt();
    }
    for (int b = 0; b < g->BookCount.i(); ++b) {
        ASSERT_GE(g->Book.Stock[b].asInt(), 0) << "book " << b;
        ASSERT_GE(g->Book.HeldCopies[b].asInt(), 0) << "book " << b;
        shelves += g->Book.Stock[b].asInt();
        titlesHeld += g->Book.HeldCopies[b].asInt();
    }
    for (int s = 6; s < g->PersonCount.i(); ++s)
        held += g->Person.MagazineCopies[s].asInt() + g->Person.BookCopies[s].asInt();
    EXPECT_EQ(g->CopiesHeld.asInt(), titlesHeld);
    EXPECT_EQ(g->CopiesHeld.asInt(), held);
    EXPECT_EQ(g->CopiesOnShelves.asInt(), shelves);
    EXPECT_LE(g->CopiesOnShelves.asInt(), g->ShelfCapacity.asInt());
}

TEST_F(BusyShop, SavesAndLoadsBackMidDay) {
    Run(700);
    std::string bytes, why;
    ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
    auto back = std::make_unique<GameState>();
    ASSERT_TRUE(DeserializeGame(bytes, *back, &why)) << why;
    std::string again;
    ASSERT_TRUE(SerializeGame(*back, again, &why)) << why;
    EXPECT_TRUE(bytes == again);
}

}  // namespace
