#include "state/PeopleCatalogue.h"

#include "state/SpritePool.h"
#include "state/TableRows.h"

namespace {

struct PersonRow {
    std::string_view name;
    int age;
    std::string_view tasteText;
    int look;
    int preferredCategory;
};

// Rows 0 and 1 are overwritten by the hire dialog with the hired applicant.
// Look 8 is the robber's figure and nobody else's. The taste text and the
// preferred category are independent: a taste does not always match the
// category a customer looks for.
constexpr PersonRow kPersons[] = {
    // name, age, taste, look, preferred category
    {"",            0,  "店铺的店员", 0, 1},  // 0 clerk
    {"",            0,  "店铺的店员", 0, 1},  // 1 clerk
    {"",            0,  "店铺的店员", 8, 1},  // 2 robber
    {"",            0,  "店铺的店员", 0, 1},  // 3 spare clerk
    {"",            0,  "店铺的店员", 0, 1},  // 4 spare clerk
    {"宫下 哲夫",   26, "清扫人员",   2, 1},  // 5 cleaner
    {"Mossvane",    26, "计算机相关", 0, 1},  // 6 regular customers from here on
    {"青山 正吾",   20, "流行相关",   0, 2},  // 7
    {"黑羽 基勤",   16, "麻将",       1, 1},  // 8
    {"音乐 好子",   16, "音乐杂志",   3, 7},  // 9
    {"石川 春子",   26, "写真周刊志", 3, 5},  // 10
    {"中森 惠美",   16, "画册",       5, 4},  // 11
    {"堂本 爱",     20, "参考书",     5, 4},  // 12
    {"岛村 智子",   18, "参考书",     5, 7},  // 13
    {"菊花",        66, "历史书",     5, 4},  // 14
    {"山川 纪子",   23, "漫画",       5, 1},  // 15
    {"山下 菊藏",   66, "历史书",     6, 7},  // 16
    {"关 忍",       60, "麻将相关",   6, 7},  // 17
    {"高仓 健三",   52, "围棋类书",   6, 6},  // 18
    {"宫村 小次郎", 16, "侦探",       1, 1},  // 19
    {"山根 一美",   44, "网球类书",   4, 4},  // 20
    {"山田 辉男",   16, "漫画",       7, 7},  // 21
    {"麻生 敬一",   22, "计算机相关", 4, 0},  // 22
    {"中川 官币",   21, "流行杂志",   4, 1},  // 23
    {"关根 孟",     33, "卡通",       1, 3},  // 24
    {"小岛 伸介",   16, "卡通",       7, 3},  // 25
};

struct ApplicantRow {
    std::string_view name;
    int age;
    int ability;
    int look;
    int salary;  // 円 per month
    std::string_view intro;
};

// Every applicant starts with energy 50.
constexpr int kApplicantEnergy = 50;

constexpr ApplicantRow kApplicants[] = {
    // name, age, ability, look, salary, intro
    {"大阪 大河",     17, 64, 1, 240'000, "很喜欢书，请一定要雇用我。"},          // 0
    {"宇德 真一",     16, 80, 1, 320'000, "喜欢推理类的书。"},                    // 1
    {"海里 慎二",     22, 45, 1, 180'000, "擅长操作收银机。"},                    // 2
    {"常川 丰",       22, 50, 3, 400'000, "1秒内能连续按键16次。"},               // 3
    {"三田村 有美",   24, 50, 3, 180'000, "无可奉告。"},                          // 4
    {"山中 真木",     30, 96, 4, 440'000, "喜欢漫画。"},                          // 5
    {"秋本 春男",     19, 76, 4, 298'000, "因为需要游玩的钱，所以请雇用我!"},     // 6
    {"布川 光夫",     16, 50, 4, 160'000, "准备好了，快雇用吧"},                  // 7
    {"赤座 稔明",     20, 62, 4, 210'000, "最喜欢书了。"},                        // 8
    {"木村 允一",     18, 24, 0, 100'000, "非常喜欢漫画。"},                      // 9
    {"仓又 进",       45, 88, 0, 350'000, "以前曾在出版社工作。"},                // 10
    {"小田 信义",     18, 45, 0, 150'000, "高中生，需要钱，所以请雇用我。"},      // 11
    {"青山 甲斐",     26, 92, 0, 300'000, "最喜欢书，所以请一定要优先雇用我。"},  // 12
    {"端岛 源郎",     17, 62, 0, 170'000, "好像很有趣，雇用我吧!"},               // 13
    {"相田 哲",       35, 90, 0, 540'000, "自主开店。"},                          // 14
    {"奥斯汀 韦伯里", 53, 95, 7, 560'000, "制作了电脑操作系统。"},                // 15
    {"杉野 辉臣",     50, 47, 7, 380'000, "从某知名大学毕业。"},                  // 16
    {"莱斯特 布兰肯", 44, 80, 7, 540'000, "巨型企业的会长。"},                    // 17
    {"草薙 贵文",     18, 60, 4, 340'000, "钱……"},                                // 18
    {"黑柳 哲郎",     18, 92, 4, 400'000, "1秒内能连续按键20次。"},               // 19
    {"毛利 元为",     20, 80, 4, 300'000, "现在为了还债而找工作。"},              // 20
    {"五所川原 五郎", 26, 87, 1, 500'000, "・・・・・"},                          // 21
    {"高桥 惠美",     30, 60, 3, 240'000, "喜欢小说，请雇用我。"},                // 22
    {"灯崎 加奈",     24, 80, 3, 300'000, "擅长收银机工作。"},                    // 23
    {"佐久间 华子",   17, 50, 3, 140'000, "第一次做兼职。"},                      // 24
    {"山田 祥平",     19, 68, 3, 190'000, "喜欢计算机。"},                        // 25
    {"金田一 青子",   26, 78, 5, 260'000, "喜欢计算机。"},                        // 26
    {"山寺 冴子",     28, 88, 5, 340'000, "原来是搜查官。"},                      // 27
    {"冲野 瑶子",     23, 70, 5, 190'000, "请一定要给我这份工作。"},              // 28
    {"高桥 耳子",     28, 65, 5, 230'000, "非常想进入这家店工作。"},              // 29
    {"岩田 景子",     18, 50, 5, 280'000, "期待在这里工作。"},                    // 30
    {"德永 利香",     26, 77, 5, 240'000, "珠算一级。"},                          // 31
    {"宫村 有香",     19, 88, 5, 260'000, "能心算到12位数。"},                    // 32
    {"光原 伸一",     66, 43, 6, 230'000, "上班爱迟到。"},                        // 33
    {"川岛 山笥",     50, 65, 6, 260'000, "请务必让我进入这家店。"},              // 34
    {"仁科 良平",     23, 32, 4, 300'000, "书店的和平……"},                        // 35
    {"松永 秀寿",     28, 63, 7, 200'000, "很久以前就想在书店工作了。"},          // 36
    {"织田 信夫",     32, 80, 7, 240'000, "正在书店工作，希望跳槽提高薪资。"},    // 37
    {"根岸 雅纪",     40, 74, 7, 290'000, "曾在其他书店工作过。"},                // 38
    {"旗本 夏枝",     29, 72, 7, 300'000, "公司倒闭了……"},                        // 39
};

struct RivalRow {
    std::string_view name;
    int param2, param3, facilityScore, effortPoints, salesPoints, dirtPoints, badness;
};

// Bookshop rows 1 to 14. Their scores never change, so they are what the
// player competes against in every award period.
constexpr RivalRow kRivals[] = {
    // name, param2, param3, facility, effort, sales, dirt, badness
    {"黑目书房",     100, 20, 120, 10, 4'500, 210, 10},  // 1
    {"山本书店",     20,  30, 100, 12, 5'500, 200, 20},  // 2
    {"青山书房",     100, 20, 100, 12, 4'215, 200, 2},   // 3
    {"村山书籍中心", 20,  30, 40,  16, 5'100, 180, 20},  // 4
    {"宫本书房",     100, 25, 30,  10, 6'888, 100, 30},  // 5
    {"☆书店",        20,  20, 50,  15, 6'102, 110, 40},  // 6
    {"顽固书本",     20,  25, 52,  12, 5'520, 110, 30},  // 7
    {"山田书屋",     20,  25, 50,  16, 4'519, 120, 36},  // 8
    {"所泽书店",     20,  25, 50,  16, 4'019, 115, 36},  // 9
    {"大臣书房",     20,  25, 30,  16, 3'146, 100, 36},  // 10
    {"村山书屋",     20,  25, 76,  11, 3'600, 100, 16},  // 11
    {"书之宫下",     20,  25, 76,  11, 4'600, 100, 16},  // 12
    {"都筑书店",     20,  25, 76,  11, 3'600, 120, 16},  // 13
    {"数码书店",     20,  25, 96,  16, 2'500, 100, 16},  // 14
};

}  // namespace

void AddPerson(GameState& g, std::string_view name, int age, std::string_view tasteText, int look,
               int preferredCategory) {
    auto& p = g.Person;
    const int r = FreeRow(g.PersonCount, p.Name);
    if (r < 0) return;
    p.Name[r] = name;
    p.Age[r] = age;
    p.TasteText[r] = tasteText;
    p.Look[r] = look;
    p.PreferredCategory[r] = preferredCategory;
    p.Satisfaction[r] = 10;
    // The figure waits just above the top edge of the floor until the person
    // walks in. Keep the slot the spawn actually took: the next free slot is
    // not always LastSpawnedSprite + 1 (the very first spawn, or a pool with
    // a freed hole).
    const int slot = SpawnSprite(g, 0, -32, 0, 0, 16, 32, 1000);
    if (slot >= 0) p.Sprite[r] = slot;
    g.PersonCount = r + 1;
}

void AddApplicant(GameState& g, std::string_view name, int age, int energy, int ability, int look,
                  int salary, std::string_view intro) {
    auto& a = g.Applicant;
    const int r = FreeRow(g.ApplicantCount, a.Name);
    if (r < 0) return;
    a.Name[r] = name;
    a.Age[r] = age;
    a.Energy[r] = energy;
    a.Ability[r] = ability;
    a.Look[r] = look;
    a.Salary[r] = salary;
    a.Intro[r] = intro;
    a.Drawn[r] = 0;
    g.ApplicantCount = r + 1;
}

void AddRivalShop(GameState& g, std::string_view name, int param2, int param3, int facilityScore,
                  int effortPoints, int salesPoints, int dirtPoints, int badness) {
    auto& b = g.Bookshop;
    const int r = FreeRow(g.BookshopCount, b.Name);
    if (r < 0) return;
    b.Name[r] = name;
    b.Param2[r] = param2;
    b.Param3[r] = param3;
    b.FacilityScore[r] = facilityScore;
    b.EffortPoints[r] = effortPoints;
    b.SalesPoints[r] = salesPoints;
    b.DirtPoints[r] = dirtPoints;
    b.Badness[r] = badness;
    g.BookshopCount = r + 1;
}

void AddBuiltInPersons(GameState& g) {
    for (const auto& p : kPersons) AddPerson(g, p.name, p.age, p.tasteText, p.look, p.preferredCategory);
}

void AddBuiltInApplicants(GameState& g) {
    for (const auto& a : kApplicants)
        AddApplicant(g, a.name, a.age, kApplicantEnergy, a.ability, a.look, a.salary, a.intro);
}

void AddBuiltInRivalShops(GameState& g) {
    for (const auto& s : kRivals)
        AddRivalShop(g, s.name, s.param2, s.param3, s.facilityScore, s.effortPoints, s.salesPoints,
                     s.dirtPoints, s.badness);
}
