// Earthquakes: the hourly draw, the window's strength and shake, the damage
// by the shop's earthquake resistance and the earthquake insurance.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "business/Earthquake.h"
#include "business/Insurance.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/FloorSpots.h"
#include "shop/Placement.h"
#include "sim/HeadlessWindows.h"
#include "state/SpritePool.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

constexpr int kShelf40 = 0, kVending = 6, kClaw = 7, kPhotoBooth = 8;

class Earthquake : public ::testing::Test {
protected:
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g;

    void SetUp() override { Fresh(); }
    void Fresh() {
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 2, .seed = 7});
        g->ShopOpen = 0;
        g->Funds = 50'000'000;
        ui.windowsShown.clear();
    }
    // Two shelves in the first area, one in the second, and one machine of
    // each kind.
    void Furnish() {
        for (auto [spot, row] : {std::pair{1, kShelf40}, {2, kShelf40}, {30, kShelf40}, {3, kVending}, {4, kClaw},
                                 {5, kPhotoBooth}})
            PlaceFacility(*g, spot, row);
        g->Book.Stock[0] = 50;
        g->Book.Stock[1] = 30;
        g->CopiesOnShelves = 80;
    }
};

}  // namespace

TEST_F(Earthquake, DamageByTheShopsResistance) {
    struct Case {
        const char* what;
        int resistance;
        QuakeStrength kind;
        bool furnished;
        std::array<std::string, 4> rows;
    };
    const Case cases[] = {
        {"81: nothing breaks", 81, QuakeStrength::Major, true,
         {"坏的书架0", "坏的自贩机0", "坏的抓娃娃机0", "坏的复印机0"}},
        {"10: everything breaks", 10, QuakeStrength::Ordinary, true,
         {"坏的书架3", "坏的自贩机1", "坏的抓娃娃机1", "坏的复印机1"}},
        {"15, a major quake: everything breaks", 15, QuakeStrength::Major, true,
         {"坏的书架3", "坏的自贩机1", "坏的抓娃娃机1", "坏的复印机1"}},
        {"an empty floor", 10, QuakeStrength::Ordinary, false,
         {"坏的书架0", "坏的自贩机0", "坏的抓娃娃机0", "坏的复印机0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        if (c.furnished) Furnish();
        g->QuakeResistance = c.resistance;
        g->QuakeKind = static_cast<int>(c.kind);
        const int facilities = g->OccupiedSlotCount.i();
        Random expected = g->rng;
        // One draw per facility, and none at all above 80.
        if (c.resistance <= kQuakeProofResistance)
            for (int f = 0; f < facilities; ++f) expected.next();

        const QuakeDamage damage = BreakFacilitiesInQuake(*g);

        EXPECT_EQ(QuakeDamageRows(damage), c.rows);
        EXPECT_EQ(g->rng.next(), expected.next());
        const bool allBroke = c.resistance <= 15;
        EXPECT_EQ(g->QuakeBrokenCount.asInt(), allBroke ? facilities : 0);
        EXPECT_EQ(g->OccupiedSlotCount.asInt(), allBroke ? 0 : facilities);
        if (c.furnished && allBroke) {
            // The lists follow the floor, the area counts too; the copies
            // have nowhere left to stand.
            EXPECT_EQ(g->ShelvesPerArea[0].asInt(), 0);
            EXPECT_EQ(g->ShelvesPerArea[1].asInt(), 0);
            EXPECT_EQ(g->ShelfCapacity.asInt(), 0);
            EXPECT_EQ(g->CopiesOnShelves.asInt(), 0);
            EXPECT_EQ(g->FacilityCount.asInt(), 0);
            EXPECT_NEAR(g->Bookshop.FacilityScore[0].asReal(), 0.0, 1e-9);
        }
    }
}

TEST_F(Earthquake, AFacilityBreaksWithTheChanceOfItsStrength) {
    // At resistance 40 an ordinary quake breaks a facility when the draw is
    // below a quarter, a major one below three eighths.
    struct Case {
        QuakeStrength kind;
        double draw;
        bool breaks;
    };
    const Case cases[] = {
        {QuakeStrength::Ordinary, 0.24, true},  {QuakeStrength::Ordinary, 0.26, false},
        {QuakeStrength::Major, 0.37, true},     {QuakeStrength::Major, 0.38, false},
    };
    for (const Case& c : cases) {
        Fresh();
        PlaceFacility(*g, 7, kShelf40);
        g->QuakeResistance = 40;
        g->QuakeKind = static_cast<int>(c.kind);
        SteerDraws(*g, [&](Random r) {
            const double d = r.next();
            return d > c.draw - 0.005 && d < c.draw + 0.005;
        });
        BreakFacilitiesInQuake(*g);
        EXPECT_EQ(g->QuakeBrokenCount.asInt(), c.breaks ? 1 : 0) << c.draw;
    }
}

TEST_F(Earthquake, TheWholeQuakeThroughItsWindowsWithAndWithoutInsurance) {
    struct Case {
        const char* what;
        bool insured;
        int resistance;
        std::vector<Window> windows;
        int newsEvent;
    };
    const Case cases[] = {
        {"insured, damage", true, 10, {Window::Earthquake, Window::QuakeDamage, Window::InsurancePayout}, 8},
        {"insured, nothing broke", true, 90, {Window::Earthquake, Window::QuakeDamage}, 0},
        {"not insured", false, 10, {Window::Earthquake, Window::QuakeDamage}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        Furnish();
        g->QuakeResistance = c.resistance;
        g->DaysSinceDisaster = 50;
        g->InsuranceJoined[static_cast<int>(InsuranceKind::Earthquake)] = c.insured ? 1 : 0;
        SteerDraws(*g, [](Random r) { return Below(r, 4380); });
        const auto funds = g->Funds.asInt();

        DrawEarthquake(*g);

        EXPECT_EQ(ui.windowsShown, c.windows);
        EXPECT_EQ(g->DaysSinceDisaster.asInt(), 0);
        EXPECT_EQ(g->QuakeShake.asInt(), 0);
        EXPECT_EQ(g->QuakeTicks.asInt(), 0);
        EXPECT_EQ(g->QuakeInProgress.asInt(), 0);
        const bool paid = c.windows.size() == 3;
        EXPECT_EQ(g->Funds.asInt(), funds + (paid ? 6 * 250'000 : 0));
        EXPECT_EQ(g->NewsEventCode.asInt(), c.newsEvent);
    }
}

TEST_F(Earthquake, DrawNeedsAClosedShopFiftyDaysOn) {
    struct Case {
        int shopOpen, days;
        bool drawHits, shakes;
    };
    const Case cases[] = {{0, 50, true, true}, {0, 49, true, false}, {1, 50, true, false}, {0, 50, false, false}};
    for (const Case& c : cases) {
        Fresh();
        g->ShopOpen = c.shopOpen;
        g->DaysSinceDisaster = c.days;
        SteerDraws(*g, [&](Random r) { return Below(r, 4380) == c.drawHits; });
        DrawEarthquake(*g);
        EXPECT_EQ(!ui.windowsShown.empty(), c.shakes) << c.shopOpen << " " << c.days << " " << c.drawHits;
    }
}

TEST_F(Earthquake, StrengthAndShake) {
    for (bool major : {true, false}) {
        Fresh();
        SteerDraws(*g, [&](Random r) { return Below(r, 3) == major; });
        EarthquakeOpened(*g);
        EXPECT_EQ(g->QuakeKind.asInt(), static_cast<int>(major ? QuakeStrength::Major : QuakeStrength::Ordinary));
        EXPECT_EQ(EarthquakeHeadline(*g), major ? "发生直下型大地震" : "发生地震");
        EXPECT_EQ(g->QuakeInProgress.asInt(), 1);

        // The timer waits for "继续 >>", then shakes for 20 of its ticks.
        EXPECT_FALSE(QuakeShakeTick(*g));
        EXPECT_EQ(g->QuakeTicks.asInt(), 0);
        StartQuakeShake(*g);
        EXPECT_EQ(g->QuakeShake.asInt(), major ? 2 : 1);
        for (int t = 1; t < kQuakeShakeTicks; ++t) ASSERT_FALSE(QuakeShakeTick(*g)) << t;
        EXPECT_TRUE(QuakeShakeTick(*g));
        EXPECT_EQ(g->QuakeShake.asInt(), 0);
        EXPECT_EQ(g->QuakeInProgress.asInt(), 0);
    }
}
