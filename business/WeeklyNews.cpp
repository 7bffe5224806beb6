#include "business/WeeklyNews.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "state/Counters.h"
#include "state/FormatMoney.h"
#include "state/TableRows.h"

namespace {

// Article templates. "{R}" is the name of the rival shop drawn for the
// article, "{Y}" the player's shop, "{DEMAND}" the robber's demand as money
// text and "{FIRE}" the closing sentence of the fire article; "\r" is the
// line break the news windows show.

constexpr const char* kShopArticles[] = {
    "  大家好，又见面了。这次介绍的书店是{R}。\r"
    "这家{R}的特色是，书的种类非常的多。甚至还有不少珍贵的书籍。\r"
    "这家{R}本期特别强烈推荐。\r"
    "就这样吧，下周再见。",

    "  这次介绍的书店是{R}。\r"
    "这家{R}的收银机速度非常快，即使买了很多书也能马上计算出价格。\r"
    "顾客也给予了很大的好评。\r"
    "就这样吧，下周再见。",

    "  本周介绍的书屋是{R}。\r"
    "{R}真是美丽极了，在如此光亮的店中，心情也变的更好。\r"
    "1星期1次的清扫似乎请了清扫公司。\r"
    "就这样吧，下周再见。",

    "  这次介绍的书店是{R}。\r"
    "{R}的抗震度非常高，很坚固，您可以放心的购书。\r"
    "但是，店员的态度不是很好是它的最大缺陷……。\r"
    "那么，下周再会。",

    "  这次介绍的店铺是{R}。\r"
    " 这家{R}的店员的服务态度很棒很亲切。他们会主动帮助顾客寻找书籍。\r"
    "书的种类也非常齐全。\r"
    "就这样吧，下周再见。",

    "  最近陆续有书被盗的传闻，盗书的小偷正在不断增多。\r"
    "盗窃犯主要是青少年。据说很多经常被小偷光顾的店铺正在研究安装监视器等措施。\r"
    "总之，请务必通过各种手段小心防范。",
};

struct Headline {
    const char* title;
    const char* text;
};

constexpr Headline kHeadlines[] = {
    {"{R}失火",
     "  上周末，{R}发生的火灾原因已经查明。\r"
     "原因据查是店员吸烟引起的，幸亏发现的早，所以损失并不太大。\r"
     "另外，{R}购买了火灾保险，减少了一定的损失。\r"},
    {"{R}遇抢劫",
     "  上周{R}遭遇了抢劫，幸运的是没有人受伤。\r"
     "据说受害总额高达500万円。今后，{R}计划安装保安装置。\r"
     "另外，{R}购买了受害保险，减少了一定的损失。"},
    {"纵火犯逮捕",
     "  最近，在书店连续放火的罪犯终于被逮捕了。\r"
     "据说犯罪的动机是“已厌倦了生活”。根据调查至少制造5起犯罪。\r"
     "正巧，犯人刚要放火的时候，被店员发现了。"},
    {"漏税暴光",
     "  哎呀，{R}漏税的事被查明了。\r"
     "  因为这事，{R}已经替换了新的店长。\r"
     "此事导致在顾客中的信誉收到影响，销售额也将无法避免的下滑。"},
    {"经营恶化？",
     "  {R}的经营状况，据情报显示正在不断恶化。\r"
     "  该店在数月之前，因为销售额的下滑而更换了店长。\r"
     "今后，{R}据说可能会采取替换店长等措施。"},
};

// The player's own news, keyed by NewsEventCode. The grand prize (5) and the
// earthquake insurance payout (8) have no article: the drawn headline stays.
struct EventArticle {
    int code;
    const char* title;
    const char* text;
};

constexpr EventArticle kEventArticles[] = {
    {1, "获得设施奖",
     "前几天举行了全日本书店评选，{Y}获得了设施奖。\r"
     "{Y}获得了奖金150万円。最后，希望继续努力，争取下回有更好的变现。\r"
     "那么，再见"},
    {2, "获得努力奖",
     "前几天举行了全日本书店评选，{Y}获得了努力奖。\r"
     "{Y}获得了奖金180万円。最后，希望继续努力，让书店更加优秀。\r"
     "那么，再见"},
    {3, "销售奖",
     "前几天举行了全日本书店评选，{Y}获得了销售奖。\r"
     "{Y}获得了奖金180万円。最后，希望继续努力，下回销售更多的书刊。\r"
     "那么，再见"},
    {4, "获得清扫奖",
     "前几天举行了全日本书店评选，{Y}获得了清扫奖。\r"
     "{Y}获得了奖金200万円。最后，希望继续努力，下回更加的整洁。\r"
     "那么，再见"},
    {6, "{Y}遇抢劫",
     " 前几天{Y}遭遇了抢劫，幸运的是没有人受伤。\r"
     "受害总额为{DEMAND}円。今后，{Y}计划安装保安装置。\r"
     "另外，{Y}没有购买保险，所以没有获得保险金。"},
    {7, "{Y}遇抢劫",
     " 前几天{Y}遭遇了抢劫，幸运的是没有人受伤。\r"
     "受害总额为{DEMAND}円。今后，{Y}计划安装保安装置。\r"
     "另外，{Y}购买了受害保险，获得了保险金，减少了损失。"},
    {9, "{Y}失火",
     "  上周末，{Y}发生的火灾原因已经查明。\r"
     "发现的时候火已经燃烧起来了，也排除纵火的可能性。\r"
     "{FIRE}\r"},
};

// The fire article's last sentence follows the fire insurance as it stands
// when the issue is written, not as it stood during the fire.
constexpr const char* kFireInsured = "另外，{Y}购买了火灾保险，减少了一定的损失。";
constexpr const char* kFireUninsured = "很遗憾，{Y}没有购买火灾保险，所以没有获得保险金。";

constexpr const char* kColumnArticles[] = {
    "  最近，新开了不少书店，业界形势一片大好。\r"
    "而且，最近出版了不少畅销小说，销售额也有上升趋势。\r"
    "就这样吧，下周再见。",

    "  本周《最近的业界》的作者外出取材，停载一期。",

    "  本周没有特别的事件。\r"
    "调查报告显示，顾客希望能有更多的自动贩卖机。\r"
    "那么下回再见。",

    "  据说有家店铺中顾客因为书太脏了，在店中动怒闹事。\r"
    "幸运的是，这件事通过换书解决了。\r"
    "以后也请大家多小心吧。",

    "  最近，{R}开始提供宅配送服务。\r"
    "顾客的评级相当好，相关书刊的销售量也大幅攀升。\r"
    "你喜欢的话，也可以尝试在自己店铺中提供该服务。",
};

using Field = std::pair<std::string_view, std::string_view>;

// Replaces each "{KEY}" of the template by its field. Only the template is
// scanned, so a shop name that happens to contain braces is copied as it is.
std::string Fill(std::string_view tmpl, std::initializer_list<Field> fields) {
    std::string out;
    out.reserve(tmpl.size() + 64);
    std::size_t pos = 0;
    while (pos < tmpl.size()) {
        std::size_t open = tmpl.find('{', pos);
        if (open == std::string_view::npos) break;
        std::size_t close = tmpl.find('}', open);
        if (close == std::string_view::npos) break;
        std::string_view key = tmpl.substr(open + 1, close - open - 1);
        auto it = std::find_if(fields.begin(), fields.end(),
                               [&](const Field& f) { return f.first == key; });
        out.append(tmpl.substr(pos, open - pos));
        if (it != fields.end()) {
            out.append(it->second);
        } else {
            out.append(tmpl.substr(open, close - open + 1));
        }
        pos = close + 1;
    }
    out.append(tmpl.substr(pos));
    return out;
}

// Ranks one catalogue by a simulated week of trade-wide sales: 201 sales
// land on rows drawn uniformly, each of a size that grows with the title's
// popularity. Writes every row's score and the rows of ranks 1..10.
template <std::size_t Rows>
void RankCatalogue(GameState& g, const Value& rowCount, const Col<Rows>& popularity,
                   Col<Rows>& score, Col<11>& top) {
    // The count never exceeds the columns' room in a real game; the clamp
    // only keeps a damaged save from writing past them.
    const int n = RowsInUse(rowCount, score);

    for (int i = 0; i < n; ++i) score[i] = 0.0;

    for (int sale = 0; sale < 201; ++sale) {
        const int k = g.RndInt(n);  // the row is drawn before the quantity
        const double p = popularity[k].asReal();
        const double q = std::floor(g.Rnd() * (p / 2)) + std::floor(p / 3) + 1;
        if (n > 0) score[k] = score[k].asReal() + q;
    }

    // Equal sales never tie: the row with the higher index ranks first. The
    // score stops at the edge of its range here, however popular the titles.
    for (int i = 0; i < n; ++i) AddToScore(score[i], i / 1000.0);

    for (int i = 0; i < n; ++i) {
        const double own = score[i].asReal();
        int rank = 0;
        for (int j = 0; j < n; ++j) {
            if (score[j].asReal() >= own) ++rank;
        }
        if (rank <= 10) top[rank - 1] = i;
    }
}

// A rival of the award contest, rows 1..BookshopCount - 1; the player's
// shop (row 0) is never written about by the regular articles.
std::string DrawRivalName(GameState& g) {
    constexpr int kRows = static_cast<int>(std::tuple_size_v<decltype(g.Bookshop.Name)>);
    const int rows = std::clamp(g.BookshopCount.i(), 1, kRows);
    const int n = g.RndInt(rows - 1) + 1;
    return g.Bookshop.Name[n].asText();
}

template <std::size_t Size>
void Append(Col<Size>& pool, Value& count, std::string text) {
    const int at = count.i();
    pool[at] = std::move(text);
    count = at + 1;
}

}  // namespace

void WriteWeeklyNews(GameState& g) {
    RankCatalogue(g, g.BookCount, g.Book.Popularity, g.Book.RankScore, g.TopBooks);
    RankCatalogue(g, g.MagazineCount, g.Magazine.Popularity, g.Magazine.RankScore,
                  g.TopMagazines);
    g.NewsRankTally = 0;

    // Shop of the month.
    {
        const std::string rival = DrawRivalName(g);
        g.ShopArticleCount = 0;
        for (const char* tmpl : kShopArticles) {
            Append(g.ShopArticles, g.ShopArticleCount, Fill(tmpl, {{"R", rival}}));
        }
        g.ShopOfMonthText = g.ShopArticles[g.RndInt(g.ShopArticleCount.i())];
    }

    // Headline: a rival's news, unless the player's shop has news of its own.
    {
        const std::string rival = DrawRivalName(g);
        g.HeadlineCount = 0;
        for (const Headline& h : kHeadlines) {
            const int at = g.HeadlineCount.i();
            g.HeadlineTitles[at] = Fill(h.title, {{"R", rival}});
            g.HeadlineBodies[at] = Fill(h.text, {{"R", rival}});
            g.HeadlineCount = at + 1;
        }
        const int pick = g.RndInt(g.HeadlineCount.i());
        g.HeadlineTitle = g.HeadlineTitles[pick];
        g.HeadlineText = g.HeadlineBodies[pick];

        for (const EventArticle& a : kEventArticles) {
            if (!g.NewsEventCode.is(a.code)) continue;
            const std::string own = g.Bookshop.Name[0].asText();
            const std::string demand = FormatMoney(g.RobberyDemand);
            const std::string fire =
                Fill(g.InsuranceJoined[0].is(1) ? kFireInsured : kFireUninsured, {{"Y", own}});
            const std::initializer_list<Field> fields = {
                {"Y", own}, {"DEMAND", demand}, {"FIRE", fire}};
            g.HeadlineTitle = Fill(a.title, fields);
            g.HeadlineText = Fill(a.text, fields);
            break;
        }
        g.NewsEventCode = 0;
    }

    // Industry column.
    {
        const std::string rival = DrawRivalName(g);
        g.ColumnArticleCount = 0;
        for (const char* tmpl : kColumnArticles) {
            Append(g.ColumnArticles, g.ColumnArticleCount, Fill(tmpl, {{"R", rival}}));
        }
        g.IndustryNewsText = g.ColumnArticles[g.RndInt(g.ColumnArticleCount.i())];
    }
}

void WriteFirstWeeklyNews(GameState& g) {
    g.NewsIssueTitle = "创刊号";
    WriteWeeklyNews(g);
}
