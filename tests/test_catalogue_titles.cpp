#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>

#include "state/BookCatalogue.h"
#include "state/GameState.h"
#include "state/MagazineCatalogue.h"

namespace {

// True when both generators are at the same point of their stream.
bool SameStream(Random a, Random b) {
    for (int i = 0; i < 4; ++i)
        if (a.next() != b.next()) return false;
    return true;
}

Random Advanced(Random r, int draws) {
    for (int i = 0; i < draws; ++i) r.next();
    return r;
}

std::string Text(const Value& v) { return v.asText(); }

}  // namespace

TEST(MagazineCatalogue, BuiltInRows) {
    auto g = std::make_unique<GameState>();
    g->rng.seed(1);
    AddBuiltInMagazines(*g);
    const auto& m = g->Magazine;

    ASSERT_EQ(g->MagazineCount.asInt(), 61);
    EXPECT_EQ(Text(m.Name[0]), "重生月刊");
    EXPECT_EQ(m.Cost[0].asInt(), 200);
    EXPECT_EQ(m.Price[0].asInt(), 370);
    EXPECT_EQ(Text(m.IssueDayText[0]), "毎月 1日");
    EXPECT_EQ(m.Category[0].asInt(), 1);
    EXPECT_EQ(m.Popularity[0].asInt(), 4);
    EXPECT_EQ(Text(m.Description[0]), "月内的少女漫画杂志");

    EXPECT_EQ(Text(m.Name[60]), "政治闪光");
    EXPECT_EQ(Text(m.IssueDayText[60]), "每周星期六");
    EXPECT_EQ(m.Price[60].asInt(), 500);
    EXPECT_EQ(Text(m.Name[45]), "少年JUMP周刊");
    EXPECT_EQ(Text(m.IssueDayText[48]), "毎周星期一");  // the older form of the first character
    EXPECT_EQ(Text(m.IssueDayText[49]), "每周星期二");  // the newer form from here on
    EXPECT_EQ(Text(m.IssueDayText[41]), "毎月 1,15日");
    EXPECT_EQ(Text(m.Description[25]), "谜？？");
    EXPECT_EQ(Text(m.Description[39]), "F1杂志，发行册数非常少");
    EXPECT_EQ(Text(m.Description[53]), "将棋专业诗歌，发行量很少");
    EXPECT_EQ(m.Cost[5].asInt(), 4000);
    EXPECT_EQ(m.Price[5].asInt(), 5480);
    EXPECT_TRUE(m.Name[61].isEmpty());

    std::array<int, 8> perCategory{};
    for (int r = 0; r < 61; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(m.Listed[r].asInt(), 1);
        EXPECT_LT(m.Cost[r].asInt(), m.Price[r].asInt());
        EXPECT_FALSE(Text(m.Description[r]).empty());
        ++perCategory.at(m.Category[r].asInt());
    }
    EXPECT_EQ(perCategory, (std::array<int, 8>{8, 9, 10, 9, 14, 4, 1, 6}));
}

TEST(MagazineCatalogue, IssueCodesAreDistinctAndInIssueOrder) {
    auto g = std::make_unique<GameState>();
    g->rng.seed(2);
    AddBuiltInMagazines(*g);
    const auto& code = g->Magazine.IssueCode;

    EXPECT_TRUE(code[0].isReal());
    EXPECT_EQ(code[0].asReal(), 1.0);
    EXPECT_EQ(code[45].asReal(), 61.045);
    EXPECT_EQ(code[40].asReal(), 28.040);
    EXPECT_EQ(code[41].asReal(), 40.041);
    // Catalogue order is issue order: monthly by day, twice-monthly, weekly.
    for (int r = 1; r < 61; ++r) EXPECT_LT(code[r - 1].asReal(), code[r].asReal()) << r;
}

TEST(MagazineCatalogue, BuiltInCirculationHistories) {
    for (std::uint64_t seed : {3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u}) {
        SCOPED_TRACE(seed);
        auto g = std::make_unique<GameState>();
        g->rng.seed(seed);
        const Random before = g->rng;
        AddBuiltInMagazines(*g);
        EXPECT_TRUE(SameStream(g->rng, Advanced(before, 61 * 23)));

        const auto& c = g->Magazine.Circulation;
        for (int r = 0; r < 61; ++r) EXPECT_EQ(c[r][11], c[r][10]) << r;
        // Base 10000: one step rises to 11000..11333 or falls to 8667..9000.
        const auto first = c[0][0].asInt();
        EXPECT_TRUE((first >= 11000 && first <= 11333) || (first >= 8667 && first <= 9000))
            << first;
        // Base 3000000 lies above the ceiling: the first two steps both fall.
        EXPECT_GE(c[38][0].asInt(), 2600001);
        EXPECT_LE(c[38][0].asInt(), 2700000);
        EXPECT_LT(c[38][1].asInt(), c[38][0].asInt());
    }
}

TEST(MagazineCatalogue, AddMagazineStoresRowAtCountAndStepsElevenTimes) {
    auto g = std::make_unique<GameState>();
    auto replay = std::make_unique<GameState>();
    g->rng.seed(11);
    replay->rng.seed(11);
    g->MagazineCount = 7;

    AddMagazine(*g, "测试月刊", 120, 300, "毎月 3日", 3, 5, 9, "测试用", 50000, 0);

    EXPECT_EQ(g->MagazineCount.asInt(), 8);
    const auto& m = g->Magazine;
    EXPECT_EQ(Text(m.Name[7]), "测试月刊");
    EXPECT_EQ(m.Cost[7].asInt(), 120);
    EXPECT_EQ(m.Price[7].asInt(), 300);
    EXPECT_EQ(Text(m.IssueDayText[7]), "毎月 3日");
    EXPECT_EQ(Text(m.Description[7]), "测试用");
    EXPECT_EQ(m.Category[7].asInt(), 5);
    EXPECT_EQ(m.Popularity[7].asInt(), 9);
    EXPECT_EQ(m.Listed[7].asInt(), 0);
    EXPECT_EQ(m.IssueCode[7].asReal(), 3.007);
    EXPECT_TRUE(m.Name[6].isEmpty());

    // One discarded draw, then each issue is one step from the one before.
    replay->Rnd();
    std::int64_t v = 50000;
    for (int k = 0; k < 11; ++k) {
        v = CirculationStep(*replay, v);
        EXPECT_TRUE(m.Circulation[7][k].isInt()) << k;
        EXPECT_EQ(m.Circulation[7][k].asInt(), v) << k;
    }
    EXPECT_EQ(m.Circulation[7][11].asInt(), v);
    EXPECT_TRUE(SameStream(g->rng, replay->rng));
}

TEST(MagazineCatalogue, CirculationStepRanges) {
    struct Case {
        std::int64_t figure;
        std::int64_t fallLo, fallHi;  // empty when lo > hi
        std::int64_t riseLo, riseHi;
    };
    const Case cases[] = {
        {10000, 8667, 9000, 11000, 11333},
        {3000000, 2600001, 2700000, 1, 0},       // above the ceiling: always falls
        {2250000, 1950001, 2025000, 2475000, 2499999},  // a rise never reaches the ceiling
        {2000000, 1733334, 1800000, 2200000, 2266666},
        {112, 100, 100, 123, 126},               // a fall never goes below the floor
        {111, 1, 0, 122, 125},                   // one step down would cross the floor
        {100, 1, 0, 110, 113},
        {99, 1, 0, 108, 111},                    // below the floor: always rises
        {10, 1, 0, 11, 11},
        {9, 1, 0, 9, 9},                         // too small to move at all
        {1, 1, 0, 1, 1},
        {0, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.figure);
        auto g = std::make_unique<GameState>();
        g->rng.seed(static_cast<std::uint64_t>(c.figure) + 17);
        bool fell = false, rose = false;
        for (int i = 0; i < 4000; ++i) {
            const Random before = g->rng;
            const std::int64_t v = CirculationStep(*g, c.figure);
            ASSERT_TRUE(SameStream(g->rng, Advanced(before, 2))) << "draws two numbers";
            const bool inFall = v >= c.fallLo && v <= c.fallHi;
            const bool inRise = v >= c.riseLo && v <= c.riseHi;
            ASSERT_TRUE(inFall || inRise) << v;
            fell = fell || inFall;
            rose = rose || inRise;
        }
        EXPECT_EQ(fell, c.fallLo <= c.fallHi);
        EXPECT_EQ(rose, c.riseLo <= c.riseHi);
    }
}

TEST(MagazineCatalogue, IssueDayTest) {
    struct Case {
        Value code;
        int day, weekday;
        bool issued;
    };
    const Case cases[] = {
        {1.0, 1, 3, true},
        {1.003, 2, 3, false},
        {1.999, 2, 4, false},       // only the whole part counts, never rounded up
        {28.039, 28, 5, true},      // also in February
        {28.04, 29, 6, false},
        {31.0, 30, 1, false},       // a month without a 31st has no issue
        {31.0, 31, 1, true},
        {40.041, 1, 0, true},
        {40.042, 15, 2, true},
        {40.043, 16, 3, false},
        {40.044, 8, 3, false},
        {62.049, 9, 2, true},       // every Tuesday
        {62.050, 16, 2, true},
        {62.051, 2, 3, false},
        {61.045, 1, 0, false},
        {61.045, 7, 1, true},
        {66.06, 6, 5, false},
        {66.06, 4, 6, true},
        {60.0, 20, 0, true},
        {Value(), 1, 0, false},     // an empty row is never issued
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsIssueDay(c.code, c.day, c.weekday), c.issued)
            << c.code.asReal() << " day " << c.day << " weekday " << c.weekday;
}

TEST(MagazineCatalogue, FullTableTakesNoFurtherRow) {
    auto g = std::make_unique<GameState>();
    g->MagazineCount = 513;
    const Random before = g->rng;
    AddMagazine(*g, "多余", 1, 2, "毎月 1日", 1, 0, 1, "", 1000, 1);
    EXPECT_EQ(g->MagazineCount.asInt(), 513);
    EXPECT_TRUE(SameStream(g->rng, before));
}

TEST(BookCatalogue, BuiltInRows) {
    auto g = std::make_unique<GameState>();
    AddBuiltInBooks(*g);
    const auto& b = g->Book;

    ASSERT_EQ(g->BookCount.asInt(), 94);
    EXPECT_EQ(Text(b.Title[0]), "原子建国");
    EXPECT_EQ(b.Cost[0].asInt(), 780);
    EXPECT_EQ(b.Price[0].asInt(), 1500);
    EXPECT_EQ(Text(b.Description[0]), "原子能的解说书");
    EXPECT_EQ(Text(b.GenreText[0]), "解说书");
    EXPECT_EQ(b.Category[0].asInt(), 4);
    EXPECT_EQ(b.Popularity[0].asInt(), 6);

    EXPECT_EQ(Text(b.Title[93]), "制作酱油");
    EXPECT_EQ(Text(b.GenreText[93]), "画册");
    EXPECT_EQ(Text(b.Title[1]), "新·原子建国");
    EXPECT_EQ(Text(b.Description[2]), "科学书，学校的老师等较常购买");
    EXPECT_EQ(b.Price[2].asInt(), 9800);
    EXPECT_EQ(Text(b.Description[12]), "迷");
    EXPECT_EQ(Text(b.Description[27]), "H君物语");
    EXPECT_EQ(Text(b.Description[43]), "一点也不畅销的漫画……");
    EXPECT_EQ(Text(b.Title[48]), "侦探搜查官 3卷");
    EXPECT_EQ(Text(b.Title[50]), "外区 3巻");  // the other form of the volume character
    EXPECT_EQ(b.Price[60].asInt(), 23800);
    for (int r = 61; r <= 64; ++r) {
        EXPECT_EQ(Text(b.Description[r]), "K君物语") << r;
        EXPECT_EQ(Text(b.GenreText[r]), "一般") << r;
    }
    EXPECT_EQ(Text(b.Title[63]), "英日词典");
    EXPECT_EQ(Text(b.Title[64]), "日英词典");
    EXPECT_EQ(Text(b.Title[79]), "VQ-英日词典");
    EXPECT_EQ(Text(b.Title[80]), "VQ-日英词典");
    EXPECT_EQ(Text(b.Title[81]), "VQ-日佛词典");
    EXPECT_EQ(Text(b.GenreText[82]), "词典");
    EXPECT_EQ(Text(b.Description[82]), "不畅销的科幻小说");
    EXPECT_EQ(Text(b.Description[92]), "大量被学校等采购");
    EXPECT_TRUE(b.Title[94].isEmpty());

    std::set<std::string> titles;
    std::array<int, 8> perCategory{};
    for (int r = 0; r < 94; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(b.Flag[r].asInt(), 1);
        EXPECT_LT(b.Cost[r].asInt(), b.Price[r].asInt());
        EXPECT_FALSE(Text(b.Description[r]).empty());
        titles.insert(Text(b.Title[r]));
        ++perCategory.at(b.Category[r].asInt());
    }
    EXPECT_EQ(titles.size(), 94u);
    EXPECT_EQ(perCategory, (std::array<int, 8>{9, 17, 3, 7, 36, 2, 13, 7}));
}

TEST(BookCatalogue, LeavesGeneratorAndRunTimeColumnsAlone) {
    auto g = std::make_unique<GameState>();
    g->rng.seed(12);
    for (auto& keep : g->Book.KeepReordering) keep = 1;
    const Random before = g->rng;

    AddBuiltInBooks(*g);

    EXPECT_TRUE(SameStream(g->rng, before));
    EXPECT_EQ(g->Book.KeepReordering[0].asInt(), 1);
    EXPECT_EQ(g->Book.KeepReordering[93].asInt(), 1);
    EXPECT_TRUE(g->Book.Stock[0].isEmpty());

    g->BookCount = 513;
    AddBook(*g, "多余", 1, 2, "", "一般", 1, 4, 1);
    EXPECT_EQ(g->BookCount.asInt(), 513);
}
