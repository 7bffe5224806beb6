// Furnishing the floor: placing shelves and machines, removing them with
// the stock that no longer fits, and arson.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "floor/FloorClick.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/FacilityRemoval.h"
#include "shop/FloorSpots.h"
#include "shop/Placement.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

// Fixture rows.
constexpr int kShelf40 = 0, kShelf60 = 1, kShelf100 = 3, kVending = 6, kClaw = 7, kPhotoBooth = 8;

std::unique_ptr<GameState> NewShop() {
    auto g = NewTestShop();
    g->ShopOpen = 0;
    return g;
}

std::vector<int> Occupied(const GameState& g) {
    std::vector<int> out;
    for (int i = 0; i < g.OccupiedSlotCount.i(); ++i) out.push_back(g.OccupiedSlots[i].i());
    return out;
}

int SpotSprite(const GameState& g, int spot) { return g.FacilitySlot.Sprite[spot].i(); }

class Placement : public ::testing::Test {
protected:
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g = NewShop();
};

}  // namespace

// ---- the offer ----

TEST(PlacementOffer, RowsByStarLevel) {
    const struct {
        Value star;
        std::vector<int> rows;
    } cases[] = {
        {1, {0, 1, 6}},
        {2, {0, 1, 2, 6, 7}},
        {3, {0, 1, 2, 3, 4, 6, 7}},
        {4, {0, 1, 2, 3, 4, 5, 6, 7}},
        {5, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {Value(2.6), {0, 1, 2, 6, 7}},  // the whole part of the level counts
        {0, {}},
        {6, {}},
    };
    for (const auto& c : cases) {
        auto g = NewShop();
        g->StarLevel = c.star;
        BuildFixtureOffer(*g);
        std::vector<int> rows;
        for (int i = 0; i < g->OfferedListCount.i(); ++i) rows.push_back(g->OfferedList[i].i());
        EXPECT_EQ(rows, c.rows) << "star " << c.star.asText();
    }
}

// The placing gate holds what the floor view lets a player reach: at each
// shop size the spots it admits are the spots a click on the floor can
// select there (every scene point tried), an occupied spot is refused as
// the click opens its information instead, and of the rows only those the
// placing dialog offers.
TEST_F(Placement, TheGateAdmitsWhatTheFloorViewOffers) {
    for (int size = 1; size <= 3; ++size) {
        SCOPED_TRACE("shop size " + std::to_string(size));
        auto shop = NewShop();
        GameState& s = *shop;
        s.ShopSize = size;
        s.PersonCount = 0;  // nobody stands in front of a spot
        std::set<int> clicked;
        for (int x = -120; x < 680; ++x)
            for (int y = -80; y < 420; ++y)
                if (const FloorClickResult r = HitFloor(s, FloorClick::LeftButton, x + 0.5, y + 0.5); r.hit == FloorHit::Spot)
                    clicked.insert(r.number);
        std::set<int> admitted;
        for (int spot = 0; spot <= kLastSpot + 1; ++spot)
            if (CheckPlacement(s, spot, kShelf40) == PlaceRefusal::None) admitted.insert(spot);
        EXPECT_EQ(admitted, clicked);
        const std::size_t spotsOfSize[] = {21, 36, 61};
        EXPECT_EQ(admitted.size(), spotsOfSize[size - 1]);
        EXPECT_EQ(CheckPlacement(s, 0, kShelf40), PlaceRefusal::NoSuchSpot);
        EXPECT_EQ(CheckPlacement(s, 62, kShelf40), PlaceRefusal::NoSuchSpot);
    }

    PlaceFacility(*g, 5, kShelf40);
    EXPECT_EQ(CheckPlacement(*g, 5, kShelf40), PlaceRefusal::Furnished);
    for (int row = 0; row < g->FixtureTypeCount.i(); ++row) {
        BuildFixtureOffer(*g);
        bool offered = false;
        for (int k = 0; k < g->OfferedListCount.i(); ++k) offered |= g->OfferedList[k].i() == row;
        EXPECT_EQ(CheckPlacement(*g, 6, row), offered ? PlaceRefusal::None : PlaceRefusal::NotOffered) << "row " << row;
    }
}

// ---- placing ----

TEST_F(Placement, PlaceFirstShelfOnSpotOne) {
    const auto fame = g->Fame.asInt();
    const auto funds = g->Funds.asInt();
    PlaceFacility(*g, 1, kShelf40);

    const int s = SpotSprite(*g, 1);
    EXPECT_TRUE(g->Sprite.InUse[s].is(1));
    EXPECT_EQ(g->Sprite.X[s].asInt(), 245);
    EXPECT_EQ(g->Sprite.Y[s].asInt(), 10);
    EXPECT_EQ(g->Sprite.SrcX[s].asInt(), 0);
    EXPECT_EQ(g->Sprite.Width[s].asInt(), 42);
    EXPECT_EQ(g->Sprite.Height[s].asInt(), 51);
    EXPECT_DOUBLE_EQ(g->Sprite.Depth[s].asReal(), 10 + 10 + s / 1000.0);
    // No copies yet: the forced fill level shows the new shelf empty.
    EXPECT_EQ(g->Sprite.SrcY[s].asInt(), 465);
    EXPECT_EQ(g->ShelfFillLevel.asInt(), 0);

    EXPECT_EQ(g->FacilitySlot.Kind[1].asInt(), 1);
    EXPECT_EQ(g->FacilitySlot.Facing[1].asInt(), 4);
    EXPECT_EQ(g->FacilitySlot.AreaCode[1].asInt(), 1);
    EXPECT_EQ(g->Funds.asInt(), funds - 100000);
    for (int period = 0; period < kLedgerPeriods; ++period)
        EXPECT_EQ(g->Ledger.Expense[Facilities][period].whole(), 100000);
    EXPECT_EQ(g->ShelfCapacity.asInt(), 40);
    EXPECT_EQ(g->FacilityCount.asInt(), 1);
    EXPECT_EQ(Occupied(*g), std::vector<int>{1});
    EXPECT_EQ(g->ShelvesPerArea[0].asInt(), 1);
    EXPECT_EQ(g->ShelvesPerArea[1].asInt(), 0);
    EXPECT_EQ(g->Fame.asInt(), fame + 1);
    EXPECT_DOUBLE_EQ(g->Bookshop.FacilityScore[0].asReal(), 1.0);
    EXPECT_DOUBLE_EQ(g->Bookshop.EffortPoints[0].asReal(), 1.0);
    EXPECT_TRUE(g->ShopInfoDirty.is(1));
    EXPECT_TRUE(g->ShopDetailsDirty.is(1));
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"Gold.wav"});
}

TEST_F(Placement, PicturePositionFrameAndRecordBySpot) {
    const struct {
        int spot, row;
        int x, y, srcX, width, srcY;
        int facing, area;
    } cases[] = {
        {61, kShelf40, 489, 220, 86, 44, 465, 1, 1},         // the climbing run
        {56, kShelf40, 359, 285, 86, 44, 465, 1, 1},
        {9, kVending, 227, 50, 822, 44, 232, 2, 1},          // machines keep the full row
        {27, kShelf60, 253, 144, 130, 42, 465, 4, 2},
        {37, kPhotoBooth, 189, 176, 1040, 42, 232, 4, 1},
        {53, kShelf100, 157, 273, 432, 44, 465, 2, 1},
        {54, kClaw, 207, 273, 996, 44, 232, 1, 1},
    };
    for (const auto& c : cases) {
        auto g = NewShop();
        PlaceFacility(*g, c.spot, c.row);
        const int s = SpotSprite(*g, c.spot);
        EXPECT_EQ(g->Sprite.X[s].asInt(), c.x) << "spot " << c.spot;
        EXPECT_EQ(g->Sprite.Y[s].asInt(), c.y) << "spot " << c.spot;
        EXPECT_EQ(g->Sprite.SrcX[s].asInt(), c.srcX) << "spot " << c.spot;
        EXPECT_EQ(g->Sprite.Width[s].asInt(), c.width) << "spot " << c.spot;
        EXPECT_EQ(g->Sprite.SrcY[s].asInt(), c.srcY) << "spot " << c.spot;
        EXPECT_EQ(g->FacilitySlot.Kind[c.spot].asInt(), c.row + 1) << "spot " << c.spot;
        EXPECT_EQ(g->FacilitySlot.Facing[c.spot].asInt(), c.facing) << "spot " << c.spot;
        EXPECT_EQ(g->FacilitySlot.AreaCode[c.spot].asInt(), c.area) << "spot " << c.spot;
    }
}

TEST_F(Placement, ShelvesCountByAreaMachinesOnlyAsFacilities) {
    // The shelf counters split at spot 26, not by the area codes (spot 37
    // has area code 1 but counts in the second counter).
    PlaceFacility(*g, 26, kShelf40);
    PlaceFacility(*g, 37, kShelf60);
    PlaceFacility(*g, 27, kShelf40);
    PlaceFacility(*g, 2, kVending);
    EXPECT_EQ(Occupied(*g), (std::vector<int>{2, 26, 27, 37}));
    EXPECT_EQ(g->ShelvesPerArea[0].asInt(), 1);
    EXPECT_EQ(g->ShelvesPerArea[1].asInt(), 2);
    EXPECT_EQ(g->FacilityCount.asInt(), 4);
    EXPECT_EQ(g->ShelfCapacity.asInt(), 140);
}

TEST_F(Placement, FameAndPopularityByRow) {
    const struct {
        int row;
        int fame, popularity;  // before
        int fameAfter, popularityAfter;
        double score;
    } cases[] = {
        {kShelf60, 10, 10, 11, 10, 1.2},
        {kShelf100, 10, 10, 12, 10, 1.6},
        {kShelf100, 99, 10, 100, 10, 1.6},       // fame stops at 100
        {kClaw, 10, 50, 12, 53, 2.4},
        {kPhotoBooth, 10, 98, 12, 102, 2.6},     // popularity waits for the weekly clamp
    };
    for (const auto& c : cases) {
        auto g = NewShop();
        g->Fame = c.fame;
        g->Popularity = c.popularity;
        PlaceFacility(*g, 3, c.row);
        EXPECT_EQ(g->Fame.asInt(), c.fameAfter) << "row " << c.row;
        EXPECT_EQ(g->Popularity.asInt(), c.popularityAfter) << "row " << c.row;
        EXPECT_DOUBLE_EQ(g->Bookshop.FacilityScore[0].asReal(), c.score) << "row " << c.row;
    }
}

TEST_F(Placement, PaidWhateverTheFundsAndSilentWithoutSound) {
    g->Funds = 50000;
    g->SoundOn = 0;
    PlaceFacility(*g, 1, kShelf40);
    EXPECT_EQ(g->FacilitySlot.Kind[1].asInt(), 1);
    EXPECT_EQ(g->Funds.asInt(), -50000);
    EXPECT_EQ(g->GameOverReason.asInt(), 1);
    EXPECT_TRUE(ui.sounds.empty());
}

TEST_F(Placement, FullSpritePoolLeavesTheSpotWithoutAPicture) {
    PlaceFacility(*g, 1, kShelf40);
    while (SpawnSprite(*g, 0, 0, 0, 0, 1, 1, 0) >= 0) {
    }
    const int last = g->LastSpawnedSprite.i();
    g->Sprite.SrcY[last] = 7;
    g->Sprite.SrcY[0] = 7;

    PlaceFacility(*g, 2, kShelf40);
    EXPECT_EQ(g->FacilitySlot.Kind[2].asInt(), 1);
    EXPECT_EQ(g->FacilitySlot.Sprite[2].asInt(), kNoSprite);
    EXPECT_EQ(Occupied(*g), (std::vector<int>{1, 2}));
    // The fill level repaints shelves, but nobody else's picture.
    EXPECT_EQ(g->Sprite.SrcY[last].asInt(), 7);
    EXPECT_EQ(g->Sprite.SrcY[0].asInt(), 7);

    // Removing it frees nothing that belongs to someone else.
    RemoveFacility(*g, 2);
    EXPECT_TRUE(g->Sprite.InUse[last].is(1));
    EXPECT_TRUE(g->Sprite.InUse[0].is(1));
    EXPECT_TRUE(g->Sprite.InUse[SpotSprite(*g, 1)].is(1));
}

TEST_F(Placement, UnknownSpotOrRowChangesNothing) {
    const auto funds = g->Funds.asInt();
    const std::pair<int, int> wrong[] = {{0, 0}, {62, 0}, {1, -1}, {1, 9}};  // spot, row
    for (auto [spot, row] : wrong) PlaceFacility(*g, spot, row);
    EXPECT_EQ(g->Funds.asInt(), funds);
    EXPECT_EQ(g->OccupiedSlotCount.asInt(), 0);
}

// ---- removal ----

namespace {

// One 40-copy shelf on spot 1 and one 60-copy shelf on spot 2; magazines 0
// and 1 hold 30 and 40 copies, book 0 25.
class FacilityRemoval : public Placement {
protected:
    void SetUp() override {
        PlaceFacility(*g, 1, kShelf40);
        PlaceFacility(*g, 2, kShelf60);
        g->Magazine.Stock[0] = 30;
        g->Magazine.Stock[1] = 40;
        g->Book.Stock[0] = 25;
        g->CopiesOnShelves = 95;
        g->MagazineStockDirty = 0;
        g->BookStockDirty = 0;
        ui.sounds.clear();
    }
    // A customer inside holding copies of a title.
    void Holds(int slot, bool magazine, int title, int copies) {
        (magazine ? g->Person.MagazineCopies : g->Person.BookCopies)[slot] = copies;
        g->Person.TitleTaken[slot] = title;
        auto& held = (magazine ? g->Magazine.HeldCopies : g->Book.HeldCopies)[title];
        held = held.asInt() + copies;
        g->CopiesHeld = g->CopiesHeld.asInt() + copies;
    }
};

}  // namespace

TEST_F(FacilityRemoval, LargerShelfGoesStockTrimmedInCatalogueOrder) {
    const double score = g->Bookshop.FacilityScore[0].asReal();
    const int sprite = SpotSprite(*g, 2);
    EXPECT_EQ(RemoveFacilityCommand(*g, 2), RemovalOutcome::Removed);

    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "撤除这个书架后，书架上放置的书将一并撤去。\r  有书将被处理。真的要撤除吗？");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
    EXPECT_EQ(ui.shown[0].title, std::string(18, ' ') + g->GameTitle.asText());

    EXPECT_EQ(g->ShelfCapacity.asInt(), 40);
    EXPECT_EQ(g->Magazine.Stock[0].asInt(), 30);
    EXPECT_EQ(g->Magazine.Stock[1].asInt(), 10);
    EXPECT_EQ(g->Book.Stock[0].asInt(), 0);
    EXPECT_EQ(g->CopiesOnShelves.asInt(), 40);
    EXPECT_TRUE(g->MagazineStockDirty.is(1));
    EXPECT_TRUE(g->BookStockDirty.is(1));
    EXPECT_NEAR(g->Bookshop.FacilityScore[0].asReal(), score - 1.2, 1e-9);

    EXPECT_EQ(g->FacilitySlot.Kind[2].asInt(), 0);
    EXPECT_EQ(g->FacilityCount.asInt(), 1);
    EXPECT_EQ(Occupied(*g), std::vector<int>{1});
    EXPECT_FALSE(g->Sprite.InUse[sprite].is(1));
    EXPECT_TRUE(g->ShopInfoDirty.is(1));
    // The record keeps its old picture slot until the next placement.
    EXPECT_EQ(SpotSprite(*g, 2), sprite);
    EXPECT_TRUE(ui.sounds.empty());  // nothing bought, nothing refunded
}

TEST_F(FacilityRemoval, ShelfCountersFollowEveryRemoval) {
    PlaceFacility(*g, 30, kShelf40);
    ASSERT_EQ(g->ShelvesPerArea[1].asInt(), 1);
    RemoveFacility(*g, 30);
    RemoveFacility(*g, 1);
    EXPECT_EQ(g->ShelvesPerArea[0].asInt(), 1);
    EXPECT_EQ(g->ShelvesPerArea[1].asInt(), 0);
    EXPECT_EQ(Occupied(*g), std::vector<int>{2});
}

TEST_F(FacilityRemoval, QuestionAndWhatIsKept) {
    const struct {
        const char* name;
        int copies;            // on the shelves: magazine 0, then magazine 1, then book 0
        int extraSpot, extraRow;
        int removeSpot;
        bool disposal;
        std::vector<int> kept;  // magazine 0, magazine 1, book 0
    } cases[] = {
        {"smaller shelf, 60 left of 95", 95, 0, 0, 1, true, {30, 30, 0}},
        {"copies equal the room left", 60, 0, 0, 1, true, {30, 30, 0}},
        {"copies fit easily", 20, 0, 0, 2, false, {20, 0, 0}},
        {"vending machine, shelves not full", 95, 3, kVending, 3, false, {30, 40, 25}},
        {"vending machine, shelves full to the copy", 100, 3, kVending, 3, true, {30, 40, 30}},
    };
    for (const auto& c : cases) {
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        auto g = NewShop();
        PlaceFacility(*g, 1, kShelf40);
        PlaceFacility(*g, 2, kShelf60);
        if (c.extraSpot) PlaceFacility(*g, c.extraSpot, c.extraRow);
        int left = c.copies;
        const int split[] = {30, 40, 1000};
        for (int i = 0; i < 3; ++i) {
            const int n = std::min(left, split[i]);
            (i < 2 ? g->Magazine.Stock[i] : g->Book.Stock[0]) = n;
            left -= n;
        }
        g->CopiesOnShelves = c.copies;

        EXPECT_EQ(RemoveFacilityCommand(*g, c.removeSpot), RemovalOutcome::Removed) << c.name;
        ASSERT_EQ(ui.shown.size(), 1u) << c.name;
        EXPECT_EQ(ui.shown[0].text.rfind("撤除这个书架后", 0) == 0, c.disposal) << c.name;
        if (!c.disposal) {
            EXPECT_EQ(ui.shown[0].text, "真的要撤除吗？") << c.name;
        }
        const std::vector<int> kept = {g->Magazine.Stock[0].i(), g->Magazine.Stock[1].i(), g->Book.Stock[0].i()};
        EXPECT_EQ(kept, c.kept) << c.name;
        EXPECT_EQ(g->CopiesOnShelves.asInt(), c.kept[0] + c.kept[1] + c.kept[2]) << c.name;
    }
}

TEST_F(FacilityRemoval, RefusedOrDeclinedChangesNothing) {
    const struct {
        const char* name;
        int shopOpen, fireState;
        MsgAnswer answer;
        RemovalOutcome outcome;
        const char* text;
    } cases[] = {
        {"open hours", 1, 0, MsgAnswer::Ok, RemovalOutcome::ShopOpen, "现在正在营业中，撤除设施请在打烊后进行。"},
        {"burning", 0, 3, MsgAnswer::Ok, RemovalOutcome::Burning, "这个设施正在燃烧……"},
        {"burning at an open hour", 1, 1, MsgAnswer::Ok, RemovalOutcome::Burning, "这个设施正在燃烧……"},
        {"No", 0, 0, MsgAnswer::No, RemovalOutcome::Declined, "撤除这个书架后，书架上放置的书将一并撤去。\r  有书将被处理。真的要撤除吗？"},
    };
    for (const auto& c : cases) {
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        ui.answers = {c.answer};
        g->ShopOpen = c.shopOpen;
        g->FacilitySlot.FireState[2] = c.fireState;
        EXPECT_EQ(RemoveFacilityCommand(*g, 2), c.outcome) << c.name;
        ASSERT_EQ(ui.shown.size(), 1u) << c.name;
        EXPECT_EQ(ui.shown[0].text, c.text) << c.name;
        EXPECT_EQ(g->FacilitySlot.Kind[2].asInt(), 2) << c.name;
        EXPECT_EQ(g->ShelfCapacity.asInt(), 100) << c.name;
        EXPECT_EQ(g->CopiesOnShelves.asInt(), 95) << c.name;
        EXPECT_EQ(g->FacilityCount.asInt(), 2) << c.name;
    }
}

TEST_F(FacilityRemoval, CustomersInsideHoldNoMoreThanIsLeft) {
    // Two customers hold copies of magazine 1, which is cut to 10; a third
    // holds books that are all thrown away; a fourth holds magazine 0,
    // which keeps its copies.
    Holds(6, true, 1, 7);
    Holds(7, true, 1, 6);
    Holds(8, false, 0, 4);
    Holds(9, true, 0, 5);
    RemoveFacility(*g, 2);

    EXPECT_EQ(g->Magazine.Stock[1].asInt(), 10);
    EXPECT_EQ(g->Magazine.HeldCopies[1].asInt(), 10);
    EXPECT_EQ(g->Person.MagazineCopies[6].asInt() + g->Person.MagazineCopies[7].asInt(), 10);
    EXPECT_EQ(g->Book.HeldCopies[0].asInt(), 0);
    EXPECT_EQ(g->Person.BookCopies[8].asInt(), 0);
    EXPECT_EQ(g->Magazine.HeldCopies[0].asInt(), 5);
    EXPECT_EQ(g->Person.MagazineCopies[9].asInt(), 5);
    EXPECT_EQ(g->CopiesHeld.asInt(), 15);
    // Nobody can be served more than the shelves still hold.
    EXPECT_LE(g->CopiesHeld.asInt(), g->CopiesOnShelves.asInt());
}

// ---- arson ----

namespace {

class Arson : public Placement {};

}  // namespace

TEST_F(Arson, SetsTheFireAndCountsEveryOccupiedSpot) {
    const int spots[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22};
    for (int s : spots) PlaceFacility(*g, s, s == 22 ? kVending : kShelf40);
    g->ShopInfoDirty = 0;
    g->ShopDetailsDirty = 0;

    EXPECT_EQ(ArsonCommand(*g, 5), ArsonOutcome::Started);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "真的要烧掉吗？");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);

    EXPECT_TRUE(g->FireBurning.is(1));
    EXPECT_TRUE(g->FireUndiscovered.is(1));
    EXPECT_EQ(g->FireFacilityCount.asInt(), 12);
    EXPECT_EQ(g->FireCandidateCount.asInt(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(g->FireCandidates[i].asInt(), spots[i]);
    for (int s = 1; s <= 61; ++s) EXPECT_EQ(g->FacilitySlot.FireState[s].asInt(), s == 5 ? 1 : 0) << "spot " << s;
    EXPECT_EQ(g->Dirtiness.asInt(), 100);
    EXPECT_GT(g->LitterCount.asInt(), 0);
    EXPECT_TRUE(g->ShopInfoDirty.is(1));
    EXPECT_TRUE(g->ShopDetailsDirty.is(1));
    EXPECT_EQ(g->Funds.asInt(), 4000000 - 11 * 100000 - 200000);  // arson books nothing
}

TEST_F(Arson, RefusedOrDeclinedChangesNothing) {
    PlaceFacility(*g, 1, kShelf40);
    const struct {
        const char* name;
        int shopOpen, fireBurning;
        MsgAnswer answer;
        ArsonOutcome outcome;
        const char* text;
        MsgStyle style;
    } cases[] = {
        {"open hours", 1, 0, MsgAnswer::Ok, ArsonOutcome::ShopOpen, "现在正在营业中，放火请在打烊以后进行……",
         MsgStyle::Information},
        {"a fire already burns", 0, 1, MsgAnswer::Ok, ArsonOutcome::FireBurning, "现在正在发生火灾……",
         MsgStyle::Information},
        {"No", 0, 0, MsgAnswer::No, ArsonOutcome::Declined, "真的要烧掉吗？", MsgStyle::Question},
    };
    for (const auto& c : cases) {
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        ui.answers = {c.answer};
        g->ShopOpen = c.shopOpen;
        g->FireBurning = c.fireBurning;
        g->Dirtiness = 0;
        EXPECT_EQ(ArsonCommand(*g, 1), c.outcome) << c.name;
        ASSERT_EQ(ui.shown.size(), 1u) << c.name;
        EXPECT_EQ(ui.shown[0].text, c.text) << c.name;
        EXPECT_EQ(ui.shown[0].style, c.style) << c.name;
        EXPECT_EQ(g->FacilitySlot.FireState[1].asInt(), 0) << c.name;
        EXPECT_EQ(g->Dirtiness.asInt(), 0) << c.name;
        EXPECT_TRUE(g->FireBurning.is(c.fireBurning)) << c.name;
    }
}
