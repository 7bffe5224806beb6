// The shop's policies and what its people say: the services and the
// standing-reading policy, the clerk information rows, and the customer
// opinions (the sentences a state supports, the overrides, the typing).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/ClerkInfo.h"
#include "shop/Complaints.h"
#include "shop/CustomerOpinions.h"
#include "shop/ReadingPolicy.h"
#include "shop/ShopServices.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

std::unique_ptr<GameState> Shop() { return NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 10, .seed = 7}); }

bool Has(const std::vector<std::string>& said, const std::string& s) {
    return std::count(said.begin(), said.end(), s);
}

}  // namespace

// ---- services ----

TEST(ShopServices, SwitchingMovesPopularityOnlyOnAChange) {
    auto g = Shop();
    g->Popularity = 98;
    ApplyShopServices(*g, {true, false, false, false});
    EXPECT_EQ(g->Popularity, Value(102)) << "not clamped until the week's turn";
    EXPECT_EQ(g->ShopServiceOn[0], Value(1));

    // Confirmed again unchanged: nothing moves, the details window redraws.
    g->ShopDetailsDirty = 0;
    ApplyShopServices(*g, OfferedServices(*g));
    EXPECT_EQ(g->Popularity, Value(102));
    EXPECT_EQ(g->ShopDetailsDirty, Value(1));

    // All on, then all off: the steps 4, 4, 3, 2 go on and come off again.
    ApplyShopServices(*g, {true, true, true, true});
    EXPECT_EQ(g->Popularity, Value(102 + 4 + 3 + 2));
    ApplyShopServices(*g, {false, false, false, false});
    EXPECT_EQ(g->Popularity, Value(98)) << "back where it started";
    for (int k = 0; k < kShopServiceCount; ++k) EXPECT_EQ(g->ShopServiceOn[k], Value(0));
}

TEST(ShopServices, BookTokensOnlyFromStarLevelThree) {
    auto g = Shop();
    struct Case {
        Value star;
        int height, scrollMax;
        bool tokens;
    };
    for (const Case& c : {Case{1, 177, 0, false}, Case{2, 177, 0, false}, Case{3, 233, 56, true}, Case{5, 233, 56, true}}) {
        g->StarLevel = c.star;
        const ServiceListLayout l = ServiceListFor(*g);
        EXPECT_EQ(l.listHeight, c.height) << c.star.asText();
        EXPECT_EQ(l.scrollMax, c.scrollMax);
        EXPECT_EQ(l.bookTokensShown, c.tokens);
    }
}

// ---- standing reading ----

TEST(ReadingPolicy, ChosenOnConfirmMovingPopularityOnlyWeekly) {
    auto g = Shop();
    g->Popularity = 50;
    SetReadingPolicy(*g, 2);
    EXPECT_EQ(g->StandingReadingPolicy, Value(2));
    EXPECT_EQ(g->Popularity, Value(50));
    EXPECT_EQ(ReadingRuleChoiceFor(g->StandingReadingPolicy), 2);
    SetReadingPolicy(*g, -1);  // no option chosen
    EXPECT_EQ(g->StandingReadingPolicy, Value(2));

    const int weekly[] = {0, 1, -1};
    for (int p : {0, 1, 2}) EXPECT_EQ(WeeklyPopularityChange(Value(p)), weekly[p]);
    EXPECT_EQ(WeeklyPopularityChange(Value(9)), 0);
    EXPECT_EQ(ReadingRuleChoiceFor(Value(9)), -1);
}

// ---- clerk information ----

TEST(ClerkInfo, RowsFollowTheApplicantTable) {
    auto g = Shop();
    g->ClerkInfoDirty = 1;
    EXPECT_TRUE(RebuildClerkInfo(*g).empty());
    EXPECT_EQ(g->ClerkRowCount, Value(0));
    EXPECT_EQ(g->ClerkInfoDirty, Value(0));

    // Hired 20 first, then 3: the rows still read 3, 20.
    g->Applicant.Employed[20] = 1;
    g->Applicant.Employed[3] = 1;
    g->Applicant.Salary[20] = 1'000'000;
    std::vector<StaffCard> rows = RebuildClerkInfo(*g);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, g->Applicant.Name[3].asText());
    EXPECT_EQ(rows[1].salary, "100万0000円");
    EXPECT_EQ(g->ClerkRowCount, Value(2));

    g->Applicant.Employed[3] = 0;  // the first one dismissed
    rows = RebuildClerkInfo(*g);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, g->Applicant.Name[20].asText());
}

// ---- customer opinions ----

TEST(CustomerOpinions, TheStateDecidesWhatCanBeSaid) {
    struct Case {
        const char* what;
        void (*set)(GameState&);
        std::vector<std::string> said, unsaid;
    };
    const Case cases[] = {
        {"dirt 85", [](GameState& g) { g.Dirtiness = 85; }, {"这家店太脏了!!我不想去这种店……", "这家店有点脏。"}, {"这家店很干净。"}},
        {"dirt 79", [](GameState& g) { g.Dirtiness = 79; }, {"这家店有点脏。"}, {"这家店太脏了!!我不想去这种店……"}},
        {"dirt 10", [](GameState& g) { g.Dirtiness = 10; }, {}, {"这家店很干净。", "这家店有点脏。"}},
        {"dirt 9", [](GameState& g) { g.Dirtiness = 9; }, {"这家店很干净。"}, {}},
        {"quake 20", [](GameState& g) { g.QuakeResistance = 20; }, {}, {"店铺好像快倒塌了……希望尽快提高抗震度。"}},
        {"quake 19", [](GameState& g) { g.QuakeResistance = 19; }, {"店铺好像快倒塌了……希望尽快提高抗震度。"}, {}},
        {"both places empty", [](GameState&) {}, {"收银机很慢!"}, {"收银机速度很快，效率很高"}},
        {"the fastest register",
         [](GameState& g) { g.RegisterSlot.ServiceTime[1] = -1; },
         {"收银机速度很快，效率很高", "收银机很慢!"},
         {}},
        {"policy 1", [](GameState& g) { g.StandingReadingPolicy = 1; }, {"可以随便站读，书也很干净，真开心。"},
         {"可以自由地站读，真高兴!", "书很凌乱。"}},
        {"something sold", [](GameState& g) { g.CopiesSold = 1; }, {"在您的店中发现了一本超棒的书，谢谢。"}, {}},
        // A register place without a register is one whose kind is 0, what
        // the floor and the checkout go by, whatever model was bought there
        // before.
        {"shelves in area 0, its register removed",
         [](GameState& g) {
             g.ShelvesPerArea[0] = 2;
             g.RegisterSlot.TypeIndex[0] = 4;
         },
         {"没有收银机!"},
         {}},
        {"shelves in area 0 with an abacus there",
         [](GameState& g) {
             g.ShelvesPerArea[0] = 2;
             g.RegisterSlot.Kind[1] = 1;
             g.RegisterSlot.TypeIndex[0] = 0;
         },
         {},
         {"没有收银机!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = Shop();
        g->QuakeResistance = 50;
        c.set(*g);
        const std::vector<std::string> said = GatherOpinions(*g);
        EXPECT_TRUE(Has(said, "想要漫画书。") && Has(said, "希望多放入一些小说。"));
        for (const std::string& s : c.said) EXPECT_TRUE(Has(said, s)) << s;
        for (const std::string& s : c.unsaid) EXPECT_FALSE(Has(said, s)) << s;
    }
    // Shelves in both areas, neither place with a register: said twice.
    auto g = Shop();
    g->ShelvesPerArea[0] = 1;
    g->ShelvesPerArea[1] = 1;
    const std::vector<std::string> said = GatherOpinions(*g);
    EXPECT_EQ(std::count(said.begin(), said.end(), "没有收银机!"), 2);
}

TEST(CustomerOpinions, NoShelfNoBookNoClerkOverrideThePick) {
    struct Case {
        int occupied, copies, clerks;
        const char* said;  // null: one of the candidates
    };
    const Case cases[] = {
        {0, 0, 1, "没有书架!"},
        {5, 0, 1, "没有书!"},
        {5, 30, 0, "没有店员。"},
        {0, 0, 0, "没有店员。"},  // the last that holds wins
        {5, 30, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.occupied << " spots, " << c.copies << " copies, " << c.clerks << " clerks");
        auto g = Shop();
        g->OccupiedSlotCount = c.occupied;
        g->CopiesOnShelves = c.copies;
        for (int k = 0; k < c.clerks; ++k) g->Applicant.Employed[7 + k] = 1;
        g->TypePos = 9;
        OpenCustomerOpinions(*g);
        EXPECT_EQ(g->ApplicantTally, Value(c.clerks));
        EXPECT_EQ(g->TypePos, Value(0));
        const std::vector<int> faces(kOpinionFaces.begin(), kOpinionFaces.end());
        EXPECT_TRUE(std::count(faces.begin(), faces.end(), g->OpinionFace.i()));
        if (c.said)
            EXPECT_EQ(g->TypeText.asText(), c.said);
        else
            EXPECT_TRUE(Has(GatherOpinions(*g), g->TypeText.asText())) << g->TypeText.asText();
    }
}

TEST(CustomerOpinions, TypedOneCharacterPerTickWithTheMouthMoving) {
    auto g = Shop();
    g->TypeText = "想要漫画书。";  // six characters
    g->TypePos = 0;
    g->BlinkTicks = 0;
    const struct {
        const char* shown;
        Mouth mouth;
    } ticks[] = {
        {"想", Mouth::Closed},         {"想要", Mouth::Open},         {"想要漫", Mouth::Closed},
        {"想要漫画", Mouth::Open},     {"想要漫画书", Mouth::Closed}, {"想要漫画书。", Mouth::Closed},
        {"想要漫画书。", Mouth::Closed},
    };
    for (const auto& t : ticks) {
        const TypedFrame f = TypeOpinion(*g);
        EXPECT_EQ(f.shown, t.shown);
        EXPECT_EQ(f.mouth, t.mouth) << t.shown;
    }
    EXPECT_EQ(g->TypePos, Value(7)) << "one past the end, and it stays";
    TypeOpinion(*g);
    EXPECT_EQ(g->TypePos, Value(7));

    g->OpinionFace = 4;
    EXPECT_EQ(OpinionFacePicture(*g, false), "Graphic/Human5.dat");
    EXPECT_EQ(OpinionFacePicture(*g, true), "Graphic/Human5.1.dat");
}

TEST(CustomerOpinions, EveryClosingIsAnEffortPoint) {
    auto g = Shop();
    g->Bookshop.EffortPoints[0] = 3;
    CustomerOpinionsClosed(*g);
    CustomerOpinionsClosed(*g);
    EXPECT_EQ(g->Bookshop.EffortPoints[0], Value(5));
}
