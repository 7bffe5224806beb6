#include "state/MagazineCatalogue.h"

#include <cmath>
#include <cstdint>
#include <iterator>

#include "state/TableRows.h"

namespace {

constexpr int kHistoryLength = 12;

struct MagazineRow {
    const char* name;
    int cost;
    int price;
    const char* issueDayText;
    int issueCode;
    int category;
    int popularity;
    int baseCirculation;
    const char* description;
};

// The built-in titles in catalogue order. Columns: name, cost, price,
// issue-day text, issue code, category, popularity, base circulation,
// description. Every title is listed. The issue-day texts keep the two forms
// of their first character exactly as the titles carry them.
constexpr MagazineRow kBuiltInMagazines[] = {
    /*  0 */ {"重生月刊", 200, 370, "毎月 1日", 1, 1, 4, 10000, "月内的少女漫画杂志"},
    /*  1 */ {"计算机杂志", 450, 880, "毎月 1日", 1, 0, 5, 1565, "面向计算机爱好者的老牌月刊"},
    /*  2 */ {"HASCII 月刊", 780, 890, "毎月 1日", 1, 0, 8, 86000, "内容扎实的计算机综合月刊"},
    /*  3 */ {"帕索帕索", 300, 500, "毎月 1日", 1, 0, 6, 124000, "轻松易懂的个人电脑杂志"},
    /*  4 */ {"世界经济", 710, 1340, "毎月 2日", 2, 7, 5, 98000, "解读全球经济动向的月刊"},
    /*  5 */ {"The词典月刊", 4000, 5480, "毎月 3日", 3, 4, 1, 20000, "600页的月刊杂志"},
    /*  6 */ {"摩托杂志", 600, 1300, "毎月 3日", 3, 4, 6, 60000, "摩托车爱好者必读的月刊"},
    /*  7 */ {"空手柔道月刊", 720, 1150, "毎月 3日", 3, 4, 3, 40000, "空手道和柔道的专门月刊"},
    /*  8 */ {"第一卡拉OK", 890, 1500, "毎月 4日", 4, 2, 7, 280000, "收录最新流行歌曲的卡拉OK杂志"},
    /*  9 */ {"通贩目录", 400, 1000, "毎月 5日", 5, 5, 6, 120000, "足不出户就能购物的邮购目录"},
    /* 10 */ {"股市特刊", 800, 1500, "毎月 6日", 6, 7, 5, 210000, "股民关注的投资情报月刊"},
    /* 11 */ {"科技之窗", 600, 980, "毎月 8日", 8, 0, 12, 215000, "发行量30万册以上的计算机杂志"},
    /* 12 */ {"登录", 300, 550, "毎月 8日", 8, 0, 7, 280000, "介绍电脑游戏和软件的月刊"},
    /* 13 */ {"动画大师", 500, 880, "毎月 8日", 8, 3, 8, 140000, "动画迷喜爱的动画情报杂志"},
    /* 14 */ {"计算机实验室", 600, 1000, "毎月 10日", 10, 0, 3, 30000, "面向程序员的技术月刊"},
    /* 15 */ {"今日料理", 700, 1500, "毎月 10日", 10, 2, 5, 75800, "每月介绍家常菜做法的料理杂志"},
    /* 16 */ {"温泉", 570, 1180, "毎月 11日", 11, 2, 7, 175800, "介绍各地温泉旅馆的旅游杂志"},
    /* 17 */ {"电影info", 300, 680, "毎月 12日", 12, 4, 4, 40000, "最新上映电影的情报杂志"},
    /* 18 */ {"钓鱼!", 300, 680, "毎月 12日", 12, 4, 3, 30000, "钓鱼爱好者的专门杂志"},
    /* 19 */ {"商业", 400, 980, "毎月 12日", 12, 0, 9, 350000, "商务人士爱读的计算机杂志"},
    /* 20 */ {"模型志", 520, 1280, "毎月 14日", 14, 3, 4, 85000, "模型制作的专门月刊"},
    /* 21 */ {"理科探照灯", 400, 980, "毎月 15日", 15, 4, 5, 111111, "通俗易懂的科学杂志"},
    /* 22 */ {"高尔夫大师", 290, 680, "毎月 16日", 16, 4, 4, 110000, "帮你提高球技的高尔夫月刊"},
    /* 23 */ {"桑塔周刊", 220, 500, "毎月 18日", 18, 3, 12, 200000, "游戏玩家爱读的游戏情报杂志"},
    /* 24 */ {"音乐MMM", 240, 650, "毎月 18日", 18, 3, 8, 150000, "介绍流行音乐的音乐杂志"},
    /* 25 */ {"谜之月刊", 480, 1200, "毎月 18日", 18, 3, 2, 35000, "谜？？"},
    /* 26 */ {"汽车小子 R", 240, 480, "毎月 20日", 20, 4, 3, 130000, "汽车改装爱好者的杂志"},
    /* 27 */ {"时尚", 240, 680, "毎月 20日", 20, 2, 7, 200000, "年轻女性的时尚杂志"},
    /* 28 */ {"滑稽", 120, 320, "毎月 20日", 20, 1, 11, 1158000, "发行量很大的搞笑漫画杂志"},
    /* 29 */ {"滑雪板", 550, 1280, "毎月 21日", 21, 2, 4, 80000, "滑雪板爱好者的冬季杂志"},
    /* 30 */ {"程式设计goo", 700, 1580, "毎月 21日", 21, 0, 6, 150000, "面向程序员的编程月刊"},
    /* 31 */ {"铁路特别版", 420, 980, "毎月 22日", 22, 7, 4, 65000, "铁路迷收藏的特别版杂志"},
    /* 32 */ {"佳句文集", 280, 600, "毎月 22日", 22, 6, 3, 150000, "收录读者投稿佳句的文艺杂志"},
    /* 33 */ {"嗜好王国", 640, 1400, "毎月 24日", 24, 3, 4, 200000, "各种兴趣爱好的综合杂志"},
    /* 34 */ {"试听", 390, 1000, "毎月 24日", 24, 2, 6, 200000, "介绍新歌和新唱片的娱乐杂志"},
    /* 35 */ {"建筑叭叭", 200, 480, "毎月 25日", 25, 4, 2, 32000, "介绍住宅和建筑的杂志"},
    /* 36 */ {"极好电影", 620, 1200, "毎月 25日", 25, 4, 5, 80000, "深入评论电影的杂志"},
    /* 37 */ {"地球月刊", 170, 360, "毎月 26日", 26, 1, 6, 250000, "面向少年的漫画月刊"},
    /* 38 */ {"果子果子漫画", 190, 420, "毎月 26日", 26, 1, 16, 3000000, "孩子中超受欢迎的漫画杂志"},
    /* 39 */ {"F1小子", 260, 660, "毎月 28日", 28, 2, 3, 36000, "F1杂志，发行册数非常少"},
    /* 40 */ {"宇宙的奥秘", 1200, 1800, "毎月 28日", 28, 7, 4, 890000, "介绍天文和宇宙科学的杂志"},
    /* 41 */ {"世界的艺术品", 500, 980, "毎月 1,15日", 40, 7, 3, 45000, "介绍世界名画和艺术品的杂志"},
    /* 42 */ {"车友杂志", 320, 680, "毎月 1,15日", 40, 4, 6, 250000, "汽车爱好者的综合杂志"},
    /* 43 */ {"超棒赛马", 460, 980, "毎月 1,15日", 40, 7, 9, 380000, "赛马迷必读的赛马情报"},
    /* 44 */ {"美味料理", 420, 1050, "毎月 1,15日", 40, 2, 5, 280000, "介绍美食和菜谱的杂志"},
    /* 45 */ {"少年JUMP周刊", 100, 210, "毎周星期一", 61, 1, 16, 1500000, "超人气的漫画杂志"},
    /* 46 */ {"个人信息超市", 110, 290, "毎周星期一", 61, 2, 10, 160000, "刊登各种生活信息的周刊"},
    /* 47 */ {"PHS电波信息", 60, 150, "毎周星期一", 61, 1, 1, 13000, "手机和PHS的信息周刊"},
    /* 48 */ {"写真自身周刊", 100, 320, "毎周星期一", 61, 5, 16, 500000, "以明星写真为主的周刊"},
    /* 49 */ {"音控", 110, 300, "每周星期二", 62, 3, 12, 600000, "介绍流行音乐和歌手的周刊"},
    /* 50 */ {"TV小子", 120, 320, "每周星期二", 62, 3, 10, 500000, "电视节目表和娱乐新闻周刊"},
    /* 51 */ {"FAMI通信", 210, 400, "每周星期二", 62, 3, 11, 10000, "游戏迷必读的游戏周刊"},
    /* 52 */ {"艺人世界", 220, 400, "每周星期三", 63, 2, 4, 110000, "报道艺人消息的娱乐周刊"},
    /* 53 */ {"啊!将棋", 240, 500, "每周星期三", 63, 4, 2, 20100, "将棋专业诗歌，发行量很少"},
    /* 54 */ {"啊!职业摔跤", 240, 500, "每周星期三", 63, 4, 6, 100000, "职业摔跤迷的专门周刊"},
    /* 55 */ {"四日周刊", 110, 220, "每周星期三", 63, 1, 17, 10000, "人气连载众多的漫画周刊"},
    /* 56 */ {"魔幻周刊", 100, 210, "每周星期三", 63, 1, 12, 290000, "奇幻题材的漫画周刊"},
    /* 57 */ {"浜大津", 180, 400, "每周星期三", 63, 5, 8, 10000, "报道社会新闻的写真周刊"},
    /* 58 */ {"冠军周刊", 100, 200, "每周星期五", 65, 1, 8, 10000, "热血少年漫画周刊"},
    /* 59 */ {"赛马杂志", 240, 500, "每周星期五", 65, 5, 7, 230000, "每周的赛马预测和情报"},
    /* 60 */ {"政治闪光", 210, 500, "每周星期六", 66, 4, 1, 10000, "评论政治时事的周刊"},
};
static_assert(std::size(kBuiltInMagazines) == 61);

}  // namespace

std::int64_t CirculationStep(GameState& g, std::int64_t figure) {
    const int direction = g.RndInt(2);
    const double u = g.Rnd();
    const double v = static_cast<double>(figure);
    // A tenth, unrounded, plus a whole random part below a thirtieth.
    const double d = v / 10.0 + std::floor(u * (v / 30.0));
    bool rise;
    if (direction == 0)
        rise = v + d < kCirculationCeiling;
    else
        rise = v - d < kCirculationFloor;
    // A figure far past the ceiling only falls; still, the result is cut to
    // what a whole number holds before it becomes one.
    const double next = std::floor(rise ? v + d : v - d);
    return next >= 9.2e18 ? INT64_MAX : next <= -9.2e18 ? INT64_MIN : static_cast<std::int64_t>(next);
}

void AddMagazine(GameState& g, std::string_view name, std::int64_t cost, std::int64_t price,
                 std::string_view issueDayText, int issueCode, int category, int popularity,
                 std::string_view description, std::int64_t baseCirculation, int listed) {
    auto& m = g.Magazine;
    // The table never fills in play; refuse rather than write past its end.
    const int row = FreeRow(g.MagazineCount, m.Name);
    if (row < 0) return;

    m.Name[row] = name;
    m.Cost[row] = cost;
    m.Price[row] = price;
    m.IssueDayText[row] = issueDayText;
    m.Description[row] = description;
    m.Category[row] = category;
    m.Popularity[row] = popularity;

    // Eleven steps from the base fill the twelve issues; the base itself is
    // not kept, and the oldest issue repeats the one after it.
    auto& history = m.Circulation[row];
    history[0] = baseCirculation;
    g.Rnd();
    for (int k = 0; k + 1 < kHistoryLength; ++k) {
        history[k] = CirculationStep(g, history[k].asInt());
        history[k + 1] = history[k];
    }

    m.IssueCode[row] = static_cast<double>(issueCode) + static_cast<double>(row) / 1000.0;
    m.Listed[row] = listed;
    g.MagazineCount = row + 1;
}

bool IsIssueDay(const Value& issueCode, int day, int weekday) {
    // Compared as reals: a code of any size is never turned into a number
    // that cannot hold it.
    const double code = std::floor(issueCode.asReal());
    if (code == day) return true;
    if (code == MagazineIssueCode::TwiceMonthly && (day == 1 || day == 15)) return true;
    return code == MagazineIssueCode::WeeklyBase + weekday;
}

void AddBuiltInMagazines(GameState& g) {
    for (const MagazineRow& t : kBuiltInMagazines)
        AddMagazine(g, t.name, t.cost, t.price, t.issueDayText, t.issueCode, t.category,
                    t.popularity, t.description, t.baseCirculation, 1);
}
