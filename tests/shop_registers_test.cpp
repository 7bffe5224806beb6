// Registers and service machines: what a star level offers, buying and
// removing; and the person popup's texts.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/PersonInfo.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewShop() {
    return NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = 22, .seed = 5});
}

std::vector<int> Offered(const GameState& g) {
    std::vector<int> rows;
    for (int k = 0; k < g.OfferedListCount.i(); ++k) rows.push_back(g.OfferedList[k].i());
    return rows;
}

// A sprite by where it stands, what it shows and its depth offset.
using Piece = std::tuple<int, int, int, int, int, int, int>;
Piece PieceOf(const GameState& g, int slot) {
    const auto& s = g.Sprite;
    const int depthOffset = static_cast<int>(std::lround(s.Depth[slot].asReal() - slot / 1000.0 - s.Y[slot].asReal()));
    return {s.X[slot].i(), s.Y[slot].i(), s.SrcX[slot].i(), s.SrcY[slot].i(), s.Width[slot].i(), s.Height[slot].i(),
            depthOffset};
}

bool InUse(const GameState& g, int slot) { return g.Sprite.InUse[slot].asInt() == 1; }

void FillSpritePool(GameState& g) {
    while (SpawnSprite(g, 0, 0, 0, 0, 1, 1, 0) >= 0) {
    }
}

const std::string kQuestionTitle = std::string(18, ' ') + "Quillmart";

}  // namespace

// ---- what a star level offers ----

TEST(EquipmentOffer, RegistersByStarLevel) {
    const struct {
        Value star;
        std::vector<int> rows;
    } cases[] = {
        {1, {0, 1, 2, 3}},       {2, {0, 1, 2, 3, 4}},    {3, {0, 1, 2, 3, 4}},
        {4, {0, 1, 2, 3, 4, 5}}, {5, {0, 1, 2, 3, 4, 5}}, {3.5, {0, 1, 2, 3, 4}},  // the whole part counts
    };
    auto g = NewShop();
    for (const auto& c : cases) {
        g->StarLevel = c.star;
        g->OfferedListCount = 9;  // the scratch list of the last purchase window
        BuildRegisterOffer(*g);
        EXPECT_EQ(Offered(*g), c.rows) << "star " << c.star.asText();
    }
}

TEST(EquipmentOffer, ServiceMachinesByStarLevel) {
    const struct {
        int star;
        std::vector<int> rows;
    } cases[] = {
        {1, {0, 1}}, {2, {0, 1}}, {3, {0, 1, 3}}, {4, {0, 1, 3}}, {5, {0, 1, 3, 2}},  // the statue comes last
    };
    auto g = NewShop();
    for (const auto& c : cases) {
        g->StarLevel = c.star;
        BuildServiceOffer(*g);
        EXPECT_EQ(Offered(*g), c.rows) << "star " << c.star;
    }
}

// ---- registers ----

TEST(Registers, BuyingSetsThePlaceAndChargesTheShop) {
    const struct {
        int place, model, popularityBefore, popularityAfter, serviceTime;
        Piece sprite;
    } cases[] = {
        // A workstation near the top of the popularity gauge.
        {2, 5, 97, 100, -1, {173, 152, 166, 201, 26, 21, 2}},
        // The abacus costs popularity, but the gauge stops at 0.
        {1, 0, 0, 0, 5, {218, 127, 116, 183, 14, 8, -4}},
        {1, 3, 50, 53, 2, {214, 115, 192, 187, 22, 21, 8}},
        {2, 1, 50, 50, 4, {180, 162, 128, 176, 12, 7, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("place " + std::to_string(c.place) + " model " + std::to_string(c.model));
        auto g = NewShop();
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        const int i = c.place - 1;
        g->Popularity = c.popularityBefore;
        const auto funds = g->Funds.asInt();
        const auto price = g->RegisterType.Price[c.model].asInt();

        BuyRegister(*g, c.place, c.model);

        EXPECT_EQ(g->Funds.asInt(), funds - price);
        for (int period = 0; period < 3; ++period)
            EXPECT_EQ(g->Ledger.Expense[Facilities][period], Money::FromWhole(price));
        EXPECT_EQ(g->RegisterSlot.Kind[c.place], Value(c.model + 1));
        EXPECT_EQ(g->RegisterSlot.TypeIndex[i], Value(c.model));
        EXPECT_EQ(g->RegisterSlot.ServiceTime[i], Value(c.serviceTime));
        EXPECT_EQ(g->Popularity, Value(c.popularityAfter));
        EXPECT_EQ(g->Bookshop.EffortPoints[0].asReal(), 1.0);
        ASSERT_EQ(g->RegisterSlot.Sprite[i], g->LastSpawnedSprite);
        const int slot = g->RegisterSlot.Sprite[i].i();
        EXPECT_TRUE(InUse(*g, slot));
        EXPECT_EQ(PieceOf(*g, slot), c.sprite);
        EXPECT_EQ(ui.sounds, std::vector<std::string>{"Gold.wav"});
        // The other place is untouched.
        EXPECT_EQ(g->RegisterSlot.Kind[3 - c.place].asInt(), 0);
        EXPECT_EQ(g->RegisterSlot.ServiceTime[1 - i], Value(10));
    }
}

TEST(Registers, RemovingEmptiesThePlaceButKeepsTheRecord) {
    auto g = NewShop();
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    g->SoundOn = 0;
    g->ShopOpen = 1;  // removal is allowed while customers queue
    BuyRegister(*g, 1, 2);
    EXPECT_TRUE(ui.sounds.empty());
    const Value sprite = g->RegisterSlot.Sprite[0];
    g->ServedCount[0] = 17;
    g->ServedCount[1] = 5;
    const auto funds = g->Funds.asInt();
    const Value popularity = g->Popularity;

    // No: nothing changes.
    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(RemoveRegister(*g, 1));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "真的要撤除吗？");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Question);
    EXPECT_EQ(ui.shown[0].title, kQuestionTitle);
    EXPECT_EQ(g->RegisterSlot.Kind[1], Value(3));
    EXPECT_TRUE(InUse(*g, sprite.i()));
    EXPECT_EQ(g->ServedCount[0], Value(17));

    // Yes.
    EXPECT_TRUE(RemoveRegister(*g, 1));
    EXPECT_EQ(g->RegisterSlot.Kind[1], Value(0));
    EXPECT_FALSE(InUse(*g, sprite.i()));
    EXPECT_EQ(g->ServedCount[0], Value(0));
    EXPECT_EQ(g->RegisterSlot.ServiceTime[0], Value(10));
    EXPECT_EQ(g->RegisterSlot.TypeIndex[0], Value(2));
    EXPECT_EQ(g->RegisterSlot.Sprite[0], sprite);
    EXPECT_EQ(g->ServedCount[1], Value(5));
    // Nothing refunded, nothing taken back.
    EXPECT_EQ(g->Funds.asInt(), funds);
    EXPECT_EQ(g->Popularity, popularity);
    EXPECT_EQ(g->Bookshop.EffortPoints[0].asReal(), 1.0);
}

TEST(Registers, FullSpritePoolLeavesThePlaceWithoutASprite) {
    auto g = NewShop();
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    BuyRegister(*g, 2, 0);
    ASSERT_TRUE(RemoveRegister(*g, 2));  // the place remembers the freed slot
    FillSpritePool(*g);
    const int last = g->LastSpawnedSprite.i();

    BuyRegister(*g, 2, 4);
    EXPECT_EQ(g->RegisterSlot.Kind[2], Value(5));
    EXPECT_TRUE(g->RegisterSlot.Sprite[1].isEmpty());

    // Removing it frees nobody else's picture.
    ASSERT_TRUE(RemoveRegister(*g, 2));
    for (int slot = 0; slot < kSpriteSlots; ++slot) ASSERT_TRUE(InUse(*g, slot)) << slot;
    EXPECT_EQ(g->LastSpawnedSprite.i(), last);
}

TEST(Registers, NoRegisterMeansAnEmptyPlace) {
    auto g = NewShop();
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    EXPECT_TRUE(NoRegisterAt(*g, 1));
    EXPECT_TRUE(NoRegisterAt(*g, 2));
    // An abacus is a register, although its model row is 0.
    BuyRegister(*g, 1, 0);
    EXPECT_FALSE(NoRegisterAt(*g, 1));
    EXPECT_TRUE(NoRegisterAt(*g, 2));
    // A removed calculator leaves its model row behind, but no register.
    BuyRegister(*g, 2, 1);
    ASSERT_TRUE(RemoveRegister(*g, 2));
    EXPECT_EQ(g->RegisterSlot.TypeIndex[1], Value(1));
    EXPECT_TRUE(NoRegisterAt(*g, 2));
}

TEST(Registers, WindowTexts) {
    auto g = NewShop();
    const RegisterModelTexts offer = RegisterModelView(*g, 2);
    EXPECT_EQ(offer.price, "12万0000円");
    EXPECT_EQ(offer.speed, "有点儿慢");
    EXPECT_EQ(offer.name, "旧收银机");

    EXPECT_EQ(RegisterInfoView(*g, 1).model, -1);  // an empty place shows nothing
    g->RegisterSlot.Kind[2] = 6;
    g->ServedCount[1] = 1234;
    const RegisterInfoTexts info = RegisterInfoView(*g, 2);
    EXPECT_EQ(info.model, 5);
    EXPECT_EQ(info.speed, "超高速");
    EXPECT_EQ(info.served, "1234回");
    EXPECT_EQ(info.name, "小型工作站");
}

// ---- service machines ----

TEST(ServiceMachines, PopularityAndPictureByPlace) {
    const struct {
        int place, row, popularityBefore, popularityAfter;
        Piece sprite;
    } cases[] = {
        {1, 0, 50, 52, {185, 101, 254, 187, 18, 21, 6}},    // gum
        {2, 0, 50, 51, {205, 133, 236, 187, 18, 21, 20}},
        {1, 1, 99, 100, {187, 96, 214, 187, 22, 26, 10}},   // buns
        {2, 1, 50, 52, {207, 130, 214, 187, 22, 26, 14}},
        {1, 2, 0, 0, {187, 89, 294, 187, 22, 33, 18}},      // the statue
        {2, 2, 50, 49, {205, 124, 272, 187, 22, 33, 19}},
        {1, 3, 50, 49, {187, 104, 252, 208, 16, 18, 2}},    // CD and video
        {2, 3, 50, 49, {205, 136, 236, 208, 16, 18, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("place " + std::to_string(c.place) + " row " + std::to_string(c.row));
        auto g = NewShop();
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        g->Popularity = c.popularityBefore;
        const auto funds = g->Funds.asInt();
        const auto price = g->ServiceFacilityType.Price[c.row].asInt();

        BuyServiceMachine(*g, c.place, c.row);

        EXPECT_EQ(g->Popularity, Value(c.popularityAfter));
        EXPECT_EQ(g->ServiceSlot.Kind[c.place], Value(c.row + 1));
        EXPECT_EQ(g->Funds.asInt(), funds - price);
        EXPECT_EQ(g->Ledger.Expense[Services][1], Money::FromWhole(price));
        EXPECT_EQ(g->Bookshop.EffortPoints[0].asReal(), 1.0);
        ASSERT_EQ(g->ServiceSlot.Sprite[c.place - 1], g->LastSpawnedSprite);
        EXPECT_EQ(PieceOf(*g, g->ServiceSlot.Sprite[c.place - 1].i()), c.sprite);
        EXPECT_EQ(ui.sounds, std::vector<std::string>{"Gold.wav"});
    }
}

TEST(ServiceMachines, RemovalOnlyAfterClosing) {
    auto g = NewShop();
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    BuyRegister(*g, 1, 3);
    BuyServiceMachine(*g, 1, 0);
    const int registerSprite = g->RegisterSlot.Sprite[0].i();
    const int machineSprite = g->ServiceSlot.Sprite[0].i();
    g->ServedCount[0] = 40;
    const auto funds = g->Funds.asInt();
    const Value popularity = g->Popularity;

    // Open: refused with a message, nothing asked.
    g->ShopOpen = 1;
    EXPECT_FALSE(RemoveServiceMachine(*g, 1));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在正在营业中，请在打烊后撤去服务设备。");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
    EXPECT_EQ(ui.shown[0].title, "Quillmart");
    EXPECT_EQ(g->ServiceSlot.Kind[1], Value(1));

    // Closed, answered No.
    g->ShopOpen = 0;
    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(RemoveServiceMachine(*g, 1));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "真的要撤除吗？");
    EXPECT_EQ(ui.shown[1].title, kQuestionTitle);
    EXPECT_EQ(g->ServiceSlot.Kind[1], Value(1));
    EXPECT_EQ(g->ServedCount[0], Value(40));

    // Closed, answered Yes: the register of the same number stays, its
    // use count restarts.
    EXPECT_TRUE(RemoveServiceMachine(*g, 1));
    EXPECT_EQ(g->ServiceSlot.Kind[1], Value(0));
    EXPECT_FALSE(InUse(*g, machineSprite));
    EXPECT_EQ(g->ServedCount[0], Value(0));
    EXPECT_EQ(g->RegisterSlot.Kind[1], Value(4));
    EXPECT_TRUE(InUse(*g, registerSprite));
    EXPECT_EQ(g->Funds.asInt(), funds);
    EXPECT_EQ(g->Popularity, popularity);
}

TEST(ServiceMachines, WindowTexts) {
    auto g = NewShop();
    const ServiceMachineTexts gum = ServiceMachineView(*g, 0);
    EXPECT_EQ(gum.name, "卖口香糖");
    EXPECT_EQ(gum.price, "10万0000円");
    EXPECT_EQ(gum.description, "销售口香糖和糖果等");
    EXPECT_EQ(ServiceMachinePictureFile(0), "Graphic/Service1.dat");
    EXPECT_EQ(InstalledServiceMachine(*g, 2), -1);
    g->ServiceSlot.Kind[2] = 4;
    EXPECT_EQ(InstalledServiceMachine(*g, 2), 3);
}

// ---- the person popup ----

TEST(PersonPopup, Customer) {
    auto g = NewShop();
    g->ClickedPersonKind = 0;
    g->ClickedPersonSlot = 10;
    g->Person.Satisfaction[10] = 100;
    g->Person.Visits[10] = 3;

    const PersonPopupView v = PersonPopup(*g);
    ASSERT_TRUE(v.shown);
    EXPECT_EQ(v.mode, PersonPopupMode::Customer);
    EXPECT_EQ(v.caption, "顾客");
    EXPECT_EQ(v.name, "石川 春子");
    EXPECT_EQ(v.age, "26岁");
    EXPECT_EQ(v.taste, "写真周刊志");
    EXPECT_EQ(v.satisfaction, "100/100");
    EXPECT_EQ(v.satisfactionValue, Value(100));
    EXPECT_EQ(v.visits, "3回");
    EXPECT_EQ(v.face, 3);
    EXPECT_EQ(FacePictureFile(v.face), "Graphic/Human4.dat");
}

TEST(PersonPopup, ClerkIsTheEmployedApplicantOfTheSlot) {
    auto g = NewShop();
    g->Applicant.Employed[7] = 1;
    g->Applicant.Employed[3] = 1;
    g->Applicant.Salary[7] = 1000000;
    g->Person.Look[1] = 4;
    g->ClickedPersonKind = 2;
    g->ClickedPersonSlot = 1;

    // Slot 1 shows the second employed applicant in row order.
    const PersonPopupView v = PersonPopup(*g);
    ASSERT_TRUE(v.shown);
    EXPECT_EQ(v.mode, PersonPopupMode::Clerk);
    EXPECT_EQ(v.caption, "店员的信息");
    EXPECT_EQ(g->EmployedListCount, Value(2));
    EXPECT_EQ(g->EmployedList[0], Value(3));
    EXPECT_EQ(g->EmployedList[1], Value(7));
    EXPECT_EQ(v.name, g->Applicant.Name[7].asText());
    EXPECT_EQ(v.age, g->Applicant.Age[7].asText() + "岁");
    EXPECT_EQ(v.salary, "1000000円");  // plain digits
    EXPECT_EQ(v.energy, "50/100");
    EXPECT_EQ(v.ability, g->Applicant.Ability[7].asText() + "/100");
    EXPECT_EQ(v.abilityValue, g->Applicant.Ability[7]);
    EXPECT_EQ(v.face, 4);  // the figure's look

    // Once that clerk is dismissed, slot 1 has nobody to show.
    g->Applicant.Employed[7] = 0;
    EXPECT_FALSE(PersonPopup(*g).shown);
    EXPECT_EQ(g->EmployedListCount, Value(1));
}

TEST(PersonPopup, CaptionsAndFixedTextsByKind) {
    const struct {
        int kind, slot;
        bool shown;
        std::string caption, name, age, note;
    } cases[] = {
        {1, 5, true, "清扫业者", "宫下 哲夫", "26岁", "是清扫业者"},
        {3, 2, true, "强盗", "迷", "??岁", "遇到强盗!!"},
        {4, 6, false, "", "", "", ""},    // no such kind
        {0, 257, false, "", "", "", ""},  // past the person table
    };
    auto g = NewShop();
    for (const auto& c : cases) {
        g->ClickedPersonKind = c.kind;
        g->ClickedPersonSlot = c.slot;
        const PersonPopupView v = PersonPopup(*g);
        EXPECT_EQ(v.shown, c.shown) << c.kind;
        EXPECT_EQ(v.caption, c.caption);
        EXPECT_EQ(v.name, c.name);
        EXPECT_EQ(v.age, c.age);
        EXPECT_EQ(v.note, c.note);
        EXPECT_EQ(v.face, -1);  // a fixed portrait, no face file
    }
}
