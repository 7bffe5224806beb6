#include "business/Advertising.h"

#include <algorithm>

#include "platform/Platform.h"
#include "state/Counters.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"

namespace {

constexpr int kGaugeMax = 100;

// A poster campaign of n costs 100,000 + 100 n, a leaflet campaign
// 200,000 + 200 n; the fame gains follow no rule.
constexpr std::array<PrintSize, kPrintSizes> kPosterSizes = {{
    {"100张", 100, 110000, 1},
    {"1,000张", 1000, 200000, 2},
    {"10,000张", 10000, 1100000, 4},
    {"50,000张", 50000, 5100000, 8},
    {"100,000张", 100000, 10100000, 10},
    {"500,000张", 500000, 50100000, 16},
}};
constexpr std::array<PrintSize, kPrintSizes> kLeafletSizes = {{
    {"100封", 100, 220000, 5},
    {"1,000封", 1000, 400000, 6},
    {"10,000封", 10000, 2200000, 7},
    {"50,000封", 50000, 10200000, 11},
    {"100,000封", 100000, 20200000, 15},
    {"500,000封", 500000, 100200000, 18},
}};

// Self-made, an advertising agency, a famous film director.
constexpr std::array<Producer, kProducers> kTvProducers = {{
    {"自主制作", 300000, 4, 0},
    {"委托广告制作公司", 800000, 6, 2},
    {"委托知名电影导演", 2400000, 8, 4},
}};
constexpr std::array<Producer, kProducers> kFilmProducers = {{
    {"自主制作", 1300000, 6, 3},
    {"委托广告制作公司", 1800000, 8, 6},
    {"委托知名电影导演", 3400000, 10, 8},
}};

// Adds to a gauge or a total; a whole number stays whole.
void Add(Value& v, int by) { v = v.isReal() ? Value(v.asReal() + by) : Value(v.asInt() + by); }

// A gauge raised by a campaign: 100 at most, nothing said about the bottom.
void Raise(Value& gauge, int by) {
    Add(gauge, by);
    if (gauge.asReal() >= kGaugeMax) gauge = kGaugeMax;
}

template <std::size_t N, class Row>
const Row& Pick(const std::array<Row, N>& rows, int option) {
    return rows[static_cast<std::size_t>(std::clamp(option, 1, static_cast<int>(N)) - 1)];
}

bool PlayerSaysYes(const GameState& g, const std::string& question) {
    return Ui().MessageBox(question, MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) == MsgAnswer::Yes;
}

}  // namespace

const MediumRow& MediumOf(AdvertisingMedium medium) {
    for (const MediumRow& m : kMedia)
        if (m.medium == medium) return m;
    return kMedia[0];
}

void AdvertiseWith(GameState& g, AdvertisingMedium medium) {
    const MediumRow& m = MediumOf(medium);
    if (m.opens != Window::Advertising)
        Ui().ShowWindow(m.opens, g);
    else if (PlayerSaysYes(g, m.question))
        BookMediumInPlace(g, medium);
    AdvertisingDialogDone(g);
}

void BookMediumInPlace(GameState& g, AdvertisingMedium medium) {
    const MediumRow& m = MediumOf(medium);
    AddMoney(g, -m.cost, OtherCategory, 0);
    Add(g.Fame, m.fame);
    // The shop details window shows fame: tell it, as the campaign dialogs do.
    g.ShopDetailsDirty = 1;
}

void AdvertisingDialogDone(GameState& g) {
    if (g.Fame.asReal() >= kGaugeMax) g.Fame = kGaugeMax;
    AddToScore(g.Bookshop.EffortPoints[0], kAdvertisingEffort);
}

const std::array<PrintSize, kPrintSizes>& PrintSizes(PrintCampaign campaign) {
    return campaign == PrintCampaign::Posters ? kPosterSizes : kLeafletSizes;
}

void ChoosePrintSize(GameState& g, PrintCampaign campaign, int option) {
    g.PrintAdCost = Pick(PrintSizes(campaign), option).price;
}

std::string PrintQuestion(PrintCampaign campaign, int option) {
    const std::string n = FormatMoney(Pick(PrintSizes(campaign), option).count);
    return campaign == PrintCampaign::Posters ? "海报" + n + "张贴出。" : "宣传册" + n + "份送出。";
}

void BookPrintCampaign(GameState& g, PrintCampaign campaign, int option) {
    AddMoney(g, -g.PrintAdCost.asInt(), OtherCategory, 0);
    Raise(g.Fame, Pick(PrintSizes(campaign), option).fame);
    g.ShopDetailsDirty = 1;
}

bool OrderPrintCampaign(GameState& g, PrintCampaign campaign, int option) {
    if (!PlayerSaysYes(g, PrintQuestion(campaign, option))) return false;
    BookPrintCampaign(g, campaign, option);
    return true;
}

const std::array<Producer, kProducers>& Producers(FilmCampaign campaign) {
    return campaign == FilmCampaign::Tv ? kTvProducers : kFilmProducers;
}

void ChooseProducer(GameState& g, FilmCampaign campaign, int option) {
    g.BroadcastAdCost = Pick(Producers(campaign), option).price;
}

const char* FilmQuestion(FilmCampaign campaign) {
    return campaign == FilmCampaign::Tv ? "播放电视广告。" : "制作宣传影片。";
}

void BookFilmCampaign(GameState& g, FilmCampaign campaign, int option) {
    const Producer& p = Pick(Producers(campaign), option);
    AddMoney(g, -g.BroadcastAdCost.asInt(), OtherCategory, 0);
    Raise(g.Popularity, p.popularity);
    Raise(g.Fame, p.fame);
    g.ShopDetailsDirty = 1;
}

bool OrderFilmCampaign(GameState& g, FilmCampaign campaign, int option) {
    if (!PlayerSaysYes(g, FilmQuestion(campaign))) return false;
    BookFilmCampaign(g, campaign, option);
    return true;
}

CostRows AdCostRows(const GameState& g, const Value& cost) {
    const std::int64_t funds = g.Funds.asInt(), price = cost.asInt();
    return {FormatMoney(funds) + "円", FormatMoney(price) + "円", FormatMoney(funds - price) + "円"};
}
