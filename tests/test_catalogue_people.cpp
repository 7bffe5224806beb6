#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "state/EquipmentCatalogue.h"
#include "state/GameState.h"
#include "state/PeopleCatalogue.h"
#include "state/SpritePool.h"

namespace {

std::string T(const Value& v) { return v.asText(); }

// The state as the new game leaves it before the people are added: the reset
// emptied everything and the twenty scenery pieces took slots 0 to 19.
std::unique_ptr<GameState> StateAfterScenery() {
    auto g = std::make_unique<GameState>();
    for (int k = 0; k < 20; ++k) SpawnSprite(*g, 100 + k, 50, 426, 128, 16, 30, 20);
    g->PersonCount = 0;
    g->ApplicantCount = 0;
    g->BookshopCount = 1;
    return g;
}

}  // namespace

TEST(CataloguePeople, PersonsOwnSlots20To45ParkedAboveTheFloor) {
    auto g = StateAfterScenery();
    AddBuiltInPersons(*g);
    ASSERT_EQ(g->PersonCount, Value(26));
    for (int r = 0; r < 26; ++r) {
        SCOPED_TRACE(r);
        const int slot = 20 + r;
        EXPECT_EQ(g->Person.Sprite[r], Value(slot));
        EXPECT_EQ(g->Person.Satisfaction[r], Value(10));
        EXPECT_EQ(g->Sprite.InUse[slot].asInt(), 1);
        EXPECT_EQ(g->Sprite.X[slot].asInt(), 0);
        EXPECT_EQ(g->Sprite.Y[slot].asInt(), -32);
        EXPECT_EQ(g->Sprite.SrcX[slot].asInt(), 0);
        EXPECT_EQ(g->Sprite.SrcY[slot].asInt(), 0);
        EXPECT_EQ(g->Sprite.Width[slot].asInt(), 16);
        EXPECT_EQ(g->Sprite.Height[slot].asInt(), 32);
        EXPECT_DOUBLE_EQ(g->Sprite.Depth[slot].asReal(), 968 + slot / 1000.0);
    }
    EXPECT_EQ(g->LastSpawnedSprite, Value(45));
    EXPECT_EQ(g->Sprite.InUse[46].asInt(), 0);
    EXPECT_EQ(g->Person.Name[26], Value());  // nothing beyond the built-in rows
}

TEST(CataloguePeople, PersonRowsHoldTheirIdentities) {
    auto g = StateAfterScenery();
    AddBuiltInPersons(*g);
    struct Case { int row; const char* name; int age; const char* taste; int look; int category; };
    const Case cases[] = {
        {0, "", 0, "店铺的店员", 0, 1},
        {2, "", 0, "店铺的店员", 8, 1},
        {5, "宫下 哲夫", 26, "清扫人员", 2, 1},
        {6, "Mossvane", 26, "计算机相关", 0, 1},
        {19, "宫村 小次郎", 16, "侦探", 1, 1},
        {21, "山田 辉男", 16, "漫画", 7, 7},
        {22, "麻生 敬一", 22, "计算机相关", 4, 0},
        {25, "小岛 伸介", 16, "卡通", 7, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(g->Person.Name[c.row], Value(c.name));  // an empty name is the empty text
        EXPECT_EQ(g->Person.Age[c.row], Value(c.age));
        EXPECT_EQ(g->Person.TasteText[c.row], Value(c.taste));
        EXPECT_EQ(g->Person.Look[c.row], Value(c.look));
        EXPECT_EQ(g->Person.PreferredCategory[c.row], Value(c.category));
    }
    // Only the robber wears figure 8.
    for (int r = 0; r < 26; ++r) EXPECT_EQ(g->Person.Look[r].asInt() == 8, r == 2) << r;
}

TEST(CataloguePeople, PersonSpriteIsTheSlotTheFigureTook) {
    // On a fresh state the first spawn takes slot 0 although
    // LastSpawnedSprite is still empty.
    auto fresh = std::make_unique<GameState>();
    AddPerson(*fresh, "a", 1, "b", 0, 0);
    EXPECT_EQ(fresh->Person.Sprite[0], Value(0));

    // A freed slot below the last spawn is taken first.
    auto holed = StateAfterScenery();
    RemoveSprite(*holed, 7);
    AddPerson(*holed, "a", 1, "b", 0, 0);
    EXPECT_EQ(holed->Person.Sprite[0], Value(7));
    AddPerson(*holed, "c", 1, "d", 0, 0);
    EXPECT_EQ(holed->Person.Sprite[1], Value(20));

    // A full pool: the row is still added, its sprite column stays untouched.
    auto full = std::make_unique<GameState>();
    for (int k = 0; k < kSpriteSlots; ++k) SpawnSprite(*full, 0, 0, 0, 0, 1, 1, 0);
    full->PersonCount = 0;
    AddPerson(*full, "a", 1, "b", 0, 0);
    EXPECT_EQ(full->PersonCount, Value(1));
    EXPECT_EQ(full->Person.Name[0], Value("a"));
    EXPECT_TRUE(full->Person.Sprite[0].isEmpty());
}

TEST(CataloguePeople, Applicants) {
    auto g = StateAfterScenery();
    AddBuiltInApplicants(*g);
    ASSERT_EQ(g->ApplicantCount, Value(40));
    int cheapest = 0, dearest = 0;
    for (int r = 0; r < 40; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(g->Applicant.Energy[r], Value(50));
        EXPECT_EQ(g->Applicant.Drawn[r], Value(0));
        EXPECT_EQ(g->Applicant.Employed[r].asInt(), 0);
        if (g->Applicant.Salary[r].asInt() < g->Applicant.Salary[cheapest].asInt()) cheapest = r;
        if (g->Applicant.Salary[r].asInt() > g->Applicant.Salary[dearest].asInt()) dearest = r;
    }
    EXPECT_EQ(cheapest, 9);
    EXPECT_EQ(g->Applicant.Salary[9], Value(100000));
    EXPECT_EQ(g->Applicant.Ability[9], Value(24));
    EXPECT_EQ(dearest, 15);
    EXPECT_EQ(g->Applicant.Salary[15], Value(560000));
    EXPECT_EQ(T(g->Applicant.Intro[25]), "喜欢计算机。");
    EXPECT_EQ(T(g->Applicant.Intro[26]), "喜欢计算机。");

    struct Case { int row; const char* name; int age; int ability; int look; int salary; const char* intro; };
    const Case cases[] = {
        {0, "大阪 大河", 17, 64, 1, 240000, "很喜欢书，请一定要雇用我。"},
        {6, "秋本 春男", 19, 76, 4, 298000, "因为需要游玩的钱，所以请雇用我!"},
        {15, "奥斯汀 韦伯里", 53, 95, 7, 560000, "制作了电脑操作系统。"},
        {21, "五所川原 五郎", 26, 87, 1, 500000, "・・・・・"},
        {39, "旗本 夏枝", 29, 72, 7, 300000, "公司倒闭了……"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(g->Applicant.Name[c.row], Value(c.name));
        EXPECT_EQ(g->Applicant.Age[c.row], Value(c.age));
        EXPECT_EQ(g->Applicant.Ability[c.row], Value(c.ability));
        EXPECT_EQ(g->Applicant.Look[c.row], Value(c.look));
        EXPECT_EQ(g->Applicant.Salary[c.row], Value(c.salary));
        EXPECT_EQ(g->Applicant.Intro[c.row], Value(c.intro));
    }
}

TEST(CataloguePeople, RivalShopsFillRows1To14AndLeaveThePlayersRow) {
    auto g = StateAfterScenery();
    AddBuiltInRivalShops(*g);
    ASSERT_EQ(g->BookshopCount, Value(15));
    EXPECT_TRUE(g->Bookshop.Name[0].isEmpty());
    EXPECT_TRUE(g->Bookshop.FacilityScore[0].isEmpty());
    EXPECT_TRUE(g->Bookshop.Badness[0].isEmpty());
    EXPECT_TRUE(g->Bookshop.Name[15].isEmpty());

    struct Case { int row; const char* name; int p2, p3, facility, effort, sales, dirt, badness; };
    const Case cases[] = {
        {1, "黑目书房", 100, 20, 120, 10, 4500, 210, 10},
        {3, "青山书房", 100, 20, 100, 12, 4215, 200, 2},
        {6, "☆书店", 20, 20, 50, 15, 6102, 110, 40},
        {9, "所泽书店", 20, 25, 50, 16, 4019, 115, 36},
        {14, "数码书店", 20, 25, 96, 16, 2500, 100, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const auto& b = g->Bookshop;
        EXPECT_EQ(b.Name[c.row], Value(c.name));
        EXPECT_EQ(b.Param2[c.row], Value(c.p2));
        EXPECT_EQ(b.Param3[c.row], Value(c.p3));
        EXPECT_EQ(b.FacilityScore[c.row], Value(c.facility));
        EXPECT_EQ(b.EffortPoints[c.row], Value(c.effort));
        EXPECT_EQ(b.SalesPoints[c.row], Value(c.sales));
        EXPECT_EQ(b.DirtPoints[c.row], Value(c.dirt));
        EXPECT_EQ(b.Badness[c.row], Value(c.badness));
    }
}

TEST(CatalogueEquipment, BuiltInRows) {
    auto g = std::make_unique<GameState>();
    g->FixtureTypeCount = 0;
    g->RegisterTypeCount = 0;
    AddBuiltInEquipment(*g);
    ASSERT_EQ(g->FixtureTypeCount, Value(9));
    ASSERT_EQ(g->RegisterTypeCount, Value(6));
    ASSERT_EQ(g->ServiceTypeCount, Value(4));

    const auto& f = g->FixtureType;
    for (int r = 0; r < 9; ++r) EXPECT_EQ(f.Index[r], Value(r)) << r;
    for (int r = 0; r < 6; ++r) EXPECT_EQ(g->RegisterType.Index[r], Value(r)) << r;
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g->ServiceFacilityType.Index[r], Value(r)) << r;
        EXPECT_EQ(g->ServiceFacilityType.Param5[r], Value(0)) << r;
    }

    struct Fixture { int row, price, capacity, param3; const char* description; };
    const Fixture fixtures[] = {
        {0, 100000, 40, 0, "普通的书架"},
        {2, 250000, 80, 3, "木制的书架，可以活动"},
        {4, 600000, 120, 2, "可放大量书的书架"},
        {6, 200000, 0, 3, "自动贩卖机"},
        {8, 800000, 0, 3, "现场拍照立等可取"},
    };
    for (const auto& c : fixtures) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(f.Price[c.row], Value(c.price));
        EXPECT_EQ(f.Capacity[c.row], Value(c.capacity));
        EXPECT_EQ(f.Param3[c.row], Value(c.param3));
        EXPECT_EQ(f.Description[c.row], Value(c.description));
    }

    struct Register { int row, price; const char* speed; const char* name; };
    const Register registers[] = {
        {0, 2980, "相当慢", "算盘"},
        {1, 3980, "很慢", "计算器，使用太阳能。"},
        {4, 320000, "相当高速", "液晶显示，性能相当高。"},
        {5, 1280000, "超高速", "小型工作站"},
    };
    for (const auto& c : registers) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(g->RegisterType.Price[c.row], Value(c.price));
        EXPECT_EQ(g->RegisterType.SpeedText[c.row], Value(c.speed));
        EXPECT_EQ(g->RegisterType.Name[c.row], Value(c.name));
    }

    struct Service { int row, price; const char* name; const char* description; };
    const Service services[] = {
        {0, 100000, "卖口香糖", "销售口香糖和糖果等"},
        {2, 1500000, "店长的铜像", "著名艺术家制作的艺术作品"},
        {3, 300000, "CD和录像", "热门音乐家的Live影像等"},
    };
    for (const auto& c : services) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(g->ServiceFacilityType.Price[c.row], Value(c.price));
        EXPECT_EQ(g->ServiceFacilityType.Name[c.row], Value(c.name));
        EXPECT_EQ(g->ServiceFacilityType.Description[c.row], Value(c.description));
    }

    // The spare rows stay empty.
    for (int r : {9, 10}) EXPECT_TRUE(f.Price[r].isEmpty() && f.Description[r].isEmpty()) << r;
    EXPECT_TRUE(g->RegisterType.Price[6].isEmpty() && g->RegisterType.Name[6].isEmpty());
    for (int r = 4; r <= 10; ++r)
        EXPECT_TRUE(g->ServiceFacilityType.Price[r].isEmpty() && g->ServiceFacilityType.Name[r].isEmpty())
            << r;
}

TEST(CatalogueTables, AddToAFullTableChangesNothing) {
    auto g = std::make_unique<GameState>();
    g->FixtureTypeCount = 11;
    g->RegisterTypeCount = 7;
    g->ServiceTypeCount = 11;
    g->PersonCount = 257;
    AddFixtureType(*g, 1, 2, 3, 4, "x");
    AddRegisterType(*g, 1, "x", "y", 2);
    AddServiceFacilityType(*g, 1, "x", "y", 2, 0);
    AddPerson(*g, "a", 1, "b", 0, 0);
    EXPECT_EQ(g->FixtureTypeCount, Value(11));
    EXPECT_EQ(g->RegisterTypeCount, Value(7));
    EXPECT_EQ(g->ServiceTypeCount, Value(11));
    EXPECT_EQ(g->PersonCount, Value(257));
    EXPECT_EQ(g->DrawListCount.asInt(), 0);  // no figure spawned
}
