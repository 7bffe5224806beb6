// The busy shop run on for a while: customers buy, money and stock stay
// consistent, and the game it leaves saves and loads back exactly.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/Staff.h"
#include "sim/MainTick.h"
#include "sim/HeadlessWindows.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "state/HourLength.h"
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
    // Ticks until the clock shows `hour` (at most `limit`).
    int RunUntilHour(int hour, int limit) {
        int ticks = 0;
        while (g->Hour.asInt() != hour && ticks < limit && g->GameRunning.asInt() == 1) {
            MainTick(*g);
            ++ticks;
        }
        return ticks;
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

// An evening with a clerk employed and none inside: shoppers who queue at a
// register nobody staffs go home after hours, and the night runs at its
// usual length, where an hour after closing would last a million ticks
// while anybody is inside. Each night is counted to 08:00, the last hour
// before the opening; the game saves at every tenth tick of it, and the
// morning's file loads back.
TEST_F(BusyShop, AnEveningWithoutAClerkInsideEndsAtItsUsualLength) {
    // An ordinary night here takes about 330 ticks.
    constexpr int kUsualNight = 1000;
    const struct {
        const char* what;
        // From 00:00 to the moment the night is counted from.
        std::function<void(GameState&)> evening;
        bool customersLeftUnserved;
    } cases[] = {
        {"the clerks at work", [this](GameState&) { RunUntilHour(20, 1000); }, false},
        {"the clerks dismissed at night, one hired at 20:00",
         [this](GameState& s) {
             ASSERT_TRUE(DismissClerk(s, 0));
             ASSERT_TRUE(DismissClerk(s, 0));
             RunUntilHour(20, 1000);
             ASSERT_GE(DrawTodayApplicants(s), 1);
             ASSERT_TRUE(HireApplicant(s, 0));
         },
         true},
        {"the clerks dismissed while customers queue after hours",
         [this](GameState& s) {
             RunUntilHour(20, 1000);
             for (int t = 0; t < 1000 && s.Register1Tickets.asInt() + s.Register2Tickets.asInt() < 2; ++t) Run(1);
             ASSERT_GE(s.Register1Tickets.asInt() + s.Register2Tickets.asInt(), 2);
             // The night of a game saved while it stood still: closed, and
             // customers still in the queues.
             s.Hour = s.ClosingHour.asInt() + 1;
             s.ShopOpen = 0;
             s.TicksPerHour = kHourTicksOvertime;
             ASSERT_TRUE(DismissClerk(s, 0));
             ASSERT_TRUE(DismissClerk(s, 0));
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ASSERT_EQ(g->Hour.asInt(), 0);
        c.evening(*g);
        if (HasFatalFailure()) return;
        const auto soldBefore = g->CopiesSold.asInt();
        const auto customersBefore = g->TotalCustomers.asInt();
        const bool inside = g->CustomersInside.asInt() > 0;

        int night = 0;
        const int morning = g->OpeningHour.asInt() - 1;
        for (; night < 100'000 && g->Hour.asInt() != morning; ++night) {
            MainTick(*g);
            if (night % 10 == 0) {
                std::string bytes, why;
                ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << "tick " << night << ": " << why;
                ASSERT_TRUE(CheckSavedBytes(bytes, &why)) << "tick " << night << ": " << why;
            }
        }
        EXPECT_LT(night, kUsualNight);
        EXPECT_EQ(g->CustomersInside.asInt(), 0);
        EXPECT_EQ(g->CopiesHeld.asInt(), 0) << "what the customers reserved is back on the shelves";
        if (c.customersLeftUnserved) {
            EXPECT_TRUE(inside || g->TotalCustomers.asInt() > customersBefore) << "nobody came to be left unserved";
            EXPECT_EQ(g->CopiesSold.asInt(), soldBefore) << "nobody was served";
        }

        const std::string path = ::testing::TempDir() + "qm_evening.qmt";
        std::string why;
        ASSERT_TRUE(WriteGameFile(*g, path, &why)) << why;
        auto loaded = std::make_unique<GameState>();
        InitProgramState(*loaded);
        ASSERT_TRUE(LoadGameFile(*loaded, path, &why)) << why;
        std::remove(path.c_str());
        EXPECT_EQ(loaded->Hour.asInt(), morning);
    }
}
