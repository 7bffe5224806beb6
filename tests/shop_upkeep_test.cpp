// Keeping the shop clean and standing: the clerks' automatic cleaning at the
// hour change, cleaning orders and earthquake proofing, and the star a shop
// earns at the opening hour.
#include <gtest/gtest.h>

#include <memory>

#include "business/StarPromotion.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/Upkeep.h"
#include "sim/HeadlessWindows.h"
#include "sim/ShopTick.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

class UpkeepTest : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }
    void Fresh() {
        g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 7});
        g->ClerkCount = 1;
        g->CleaningMethod = 1;
        ui.shown.clear();
        ui.windowsShown.clear();
    }
    // The hour change into `hour`.
    void HourChangeInto(int hour) {
        g->Hour = hour - 1;
        RunHourStep(*g);
    }
    long long Funds() const { return g->Funds.asInt(); }

    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g;
};

}  // namespace

// ---- automatic cleaning ----

TEST_F(UpkeepTest, AutomaticCleaningOrdersAtTheLevelsThreshold) {
    struct Case {
        int level, dirt;
        bool ordered;
    };
    const Case cases[] = {
        {1, 80, true}, {1, 79, false}, {2, 60, true}, {2, 59, false}, {3, 40, true},
        {3, 39, false}, {4, 20, true}, {4, 19, false}, {0, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << ", dirt " << c.dirt);
        Fresh();
        g->AutoCleanLevel = c.level;
        g->Dirtiness = c.dirt;
        const long long before = Funds();
        HourChangeInto(11);
        EXPECT_EQ(g->CleaningOrdered, Value(c.ordered ? 1 : 0));
        EXPECT_EQ(Funds(), before - (c.ordered ? 50'000 : 0));
        if (c.ordered) {
            EXPECT_EQ(g->CleaningStrength, Value(30));
        }
    }
}

TEST_F(UpkeepTest, EachMethodOrdersItsStrengthAtItsPrice) {
    struct Case {
        Value method;
        Value strength;
        long long price;
    };
    const Case cases[] = {{1, 30, 50'000}, {2, 60, 100'000}, {3, 100, 200'000}, {Value(), Value(), 0}, {7, Value(), 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method.asText());
        Fresh();
        g->AutoCleanLevel = 2;
        g->Dirtiness = 60;
        g->CleaningMethod = c.method;
        const long long before = Funds();
        HourChangeInto(11);
        // An unknown method still calls the cleaner, who then takes nothing off.
        EXPECT_EQ(g->CleaningOrdered, Value(1));
        EXPECT_EQ(g->CleaningStrength, c.strength);
        EXPECT_EQ(Funds(), before - c.price);
    }
}

TEST_F(UpkeepTest, NoAutomaticCleaningWhileClosedOrWithoutAClerk) {
    g->AutoCleanLevel = 4;
    g->Dirtiness = 100;
    g->ClerkCount = 0;
    HourChangeInto(11);
    EXPECT_EQ(g->CleaningOrdered, Value(0));

    Fresh();
    g->AutoCleanLevel = 4;
    g->Dirtiness = 100;
    HourChangeInto(23);  // after closing
    EXPECT_EQ(g->ShopOpen, Value(0));
    EXPECT_EQ(g->CleaningOrdered, Value(0));
}

TEST_F(UpkeepTest, ACleaningOnItsWayIsNeitherOrderedNorPaidForAgain) {
    g->AutoCleanLevel = 2;
    g->Dirtiness = 70;
    const long long before = Funds();
    for (int hour : {11, 12, 13}) HourChangeInto(hour);
    EXPECT_EQ(Funds(), before - 50'000) << "three open hours before the cleaner came: one charge";
    EXPECT_EQ(g->CleaningStrength, Value(30));

    // Once the cleaner has been and gone, a shop still that dirty orders again.
    g->CleaningOrdered = 0;
    HourChangeInto(14);
    EXPECT_EQ(Funds(), before - 100'000);
}

// ---- the upkeep dialog's orders ----

TEST_F(UpkeepTest, ProofingRaisesTheGaugeAndChargesInFull) {
    struct Case {
        Value before;
        long long charged;
    };
    for (const Case& c : {Case{99, 100'000}, Case{100, 0}, Case{15, 100'000}}) {
        SCOPED_TRACE(c.before.asText());
        Fresh();
        g->QuakeResistance = c.before;
        const long long funds = Funds();
        Random draws = g->rng;
        ConfirmQuakeProofing(*g);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "要进行抗震施工吗？");
        EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
        EXPECT_EQ(Funds(), funds - c.charged);
        if (c.before.asInt() == 15) {
            const long long q = g->QuakeResistance.asInt();
            EXPECT_TRUE(q == 17 || q == 19 || q == 21) << q;
        } else {
            EXPECT_EQ(g->QuakeResistance, Value(100)) << "capped at 100";
        }
        if (c.charged == 0) {
            EXPECT_EQ(g->rng.next(), draws.next()) << "nothing drawn at full resistance";
        }
    }
}

TEST_F(UpkeepTest, ProofingDeclinedChangesNothing) {
    ui.answers = {MsgAnswer::No};
    const long long funds = Funds();
    ConfirmQuakeProofing(*g);
    EXPECT_EQ(g->QuakeResistance, Value(15));
    EXPECT_EQ(Funds(), funds);
}

TEST_F(UpkeepTest, CleaningOrderFromTheDialog) {
    // Confirmed with the careful method: ordered, charged, closed.
    long long funds = Funds();
    EXPECT_TRUE(ConfirmCleaningOrder(*g, 3));
    EXPECT_EQ(ui.shown.back().text, "要进行清扫吗？");
    EXPECT_EQ(g->CleaningOrdered, Value(1));
    EXPECT_EQ(g->CleaningStrength, Value(100));
    EXPECT_EQ(Funds(), funds - 200'000);

    // Declined: nothing ordered, the dialog closes.
    Fresh();
    ui.answers = {MsgAnswer::No};
    funds = Funds();
    EXPECT_TRUE(ConfirmCleaningOrder(*g, 2));
    EXPECT_EQ(g->CleaningOrdered, Value(0));
    EXPECT_EQ(Funds(), funds);

    // In the closing hour: refused without a question, the dialog stays.
    Fresh();
    g->Hour = g->ClosingHour;
    EXPECT_FALSE(ConfirmCleaningOrder(*g, 2));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在打烊的时间快临近了，所以请明天再做清扫吧。");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
    EXPECT_EQ(g->CleaningOrdered, Value(0));
    EXPECT_EQ(Funds(), funds);
}

TEST_F(UpkeepTest, UpkeepCostRows) {
    g->Funds = 4'000'000;
    const UpkeepCosts c = UpkeepCostRows(*g, 100'000);
    EXPECT_EQ(c.funds, "400万0000円");
    EXPECT_EQ(c.price, "10万0000円");
    EXPECT_EQ(c.balance, "390万0000円");
    g->QuakeResistance = 36;
    EXPECT_EQ(QuakeResistanceText(*g), "36/100");
}

// ---- star promotion ----

namespace {

// A shop at `level` that meets exactly that level's requirements.
void MeetLevel(GameState& g, const StarRequirement& r) {
    auto at = [](long long v) { return v == kAnyAmount ? 0 : v; };
    g.StarLevel = r.fromLevel;
    g.TotalCustomers = at(r.totalCustomers);
    g.OccupiedSlotCount = at(r.occupiedSlots);
    g.QuakeResistance = at(r.quakeResistance);
    g.Fame = at(r.fame);
    g.ShopSize = r.shopSize == kAnyAmount ? 1 : r.shopSize;
    g.Popularity = at(r.popularity);
    g.CopiesOnShelves = 1;
}

}  // namespace

TEST_F(UpkeepTest, StarRequirementsAtTheirBoundaries) {
    for (const StarRequirement& r : kStarRequirements) {
        SCOPED_TRACE(testing::Message() << "from level " << r.fromLevel);
        MeetLevel(*g, r);
        EXPECT_TRUE(StarPromotionEarned(*g));
        // One short in any required column, or nothing on the shelves: no star.
        struct Short {
            Value GameState::*field;
            long long needed;
        };
        const Short shorts[] = {
            {&GameState::TotalCustomers, r.totalCustomers}, {&GameState::OccupiedSlotCount, r.occupiedSlots},
            {&GameState::QuakeResistance, r.quakeResistance}, {&GameState::Fame, r.fame},
            {&GameState::ShopSize, r.shopSize}, {&GameState::Popularity, r.popularity},
        };
        for (const Short& s : shorts) {
            if (s.needed == kAnyAmount) continue;
            MeetLevel(*g, r);
            (*g).*s.field = s.needed - 1;
            EXPECT_FALSE(StarPromotionEarned(*g));
        }
        MeetLevel(*g, r);
        g->CopiesOnShelves = 0;
        EXPECT_FALSE(StarPromotionEarned(*g)) << "no copy on the shelves";
    }
    // Level 3 that meets every number but the shop's size.
    MeetLevel(*g, kStarRequirements[2]);
    g->ShopSize = 1;
    EXPECT_FALSE(StarPromotionEarned(*g));
    // A five-star shop is never promoted; a level read as a real counts by
    // its whole part; a popularity below 0 before the week's clamp is fine
    // where the level asks none.
    g->StarLevel = 5;
    g->TotalCustomers = 100'000;
    EXPECT_FALSE(StarPromotionEarned(*g));
    MeetLevel(*g, kStarRequirements[0]);
    g->StarLevel = 1.5;
    g->Popularity = -4;
    EXPECT_TRUE(StarPromotionEarned(*g));
}

TEST_F(UpkeepTest, TheStarIsTestedAtTheOpeningHourOnly) {
    MeetLevel(*g, kStarRequirements[0]);
    g->ShowClerkMessages = 0;  // whatever a clerk may say in these hours
    HourChangeInto(10);
    EXPECT_EQ(g->StarLevel, Value(1));
    EXPECT_TRUE(ui.windowsShown.empty());

    HourChangeInto(9);  // the opening hour: the notice shows, and its closing raises the star
    EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::StarPromotion});
    EXPECT_EQ(g->StarLevel, Value(2));
    HourChangeInto(9);  // the next morning tests level 2, which is not met
    EXPECT_EQ(g->StarLevel, Value(2));
}
