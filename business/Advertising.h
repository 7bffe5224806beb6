#pragma once
// Advertising the shop: the six media of the advertising dialog, the
// newspaper and web bookings made there, and the poster, leaflet, TV and
// film campaigns booked in the four dialogs it opens. Every campaign is an
// expense of the "other" category and raises fame (films and TV also
// popularity), each gauge capped at 100; the funds are never checked. Every
// OK of the advertising dialog counts as management effort for the award
// contest, whatever came of it.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Window.h"
#include "state/GameState.h"

// The media in the order of the dialog's option buttons (Option1..Option6).
enum class AdvertisingMedium : int {
    Posters = 1,    // 张贴海报: opens the poster dialog
    Newspaper = 2,  // 刊登报纸: booked in the advertising dialog
    WebPage = 3,    // 制作网页: booked in the advertising dialog
    Tv = 4,         // 电视广告: opens the TV dialog
    Film = 5,       // 电影前短片: opens the film dialog
    Leaflets = 6,   // 投递宣传册: opens the leaflet dialog
};

struct MediumRow {
    AdvertisingMedium medium;
    const char* caption;
    Window opens;          // the campaign dialog, or Advertising for a medium booked in place
    std::int64_t cost;     // 円, for the media booked in place
    int fame;              // Fame gained, for the media booked in place
    const char* question;  // the Yes/No question, for the media booked in place
};
inline constexpr std::array<MediumRow, 6> kMedia = {{
    {AdvertisingMedium::Posters, "张贴海报", Window::Posters, 0, 0, nullptr},
    {AdvertisingMedium::Newspaper, "刊登报纸", Window::Advertising, 500000, 4, "在报纸上刊登广告，费用为50万0000円。"},
    {AdvertisingMedium::WebPage, "制作网页", Window::Advertising, 1000000, 7, "制作网页做宣传，费用为100万0000円。"},
    {AdvertisingMedium::Tv, "电视广告", Window::TvAdvert, 0, 0, nullptr},
    {AdvertisingMedium::Film, "电影前短片", Window::PromoFilm, 0, 0, nullptr},
    {AdvertisingMedium::Leaflets, "投递宣传册", Window::Leaflets, 0, 0, nullptr},
}};
const MediumRow& MediumOf(AdvertisingMedium medium);

// Effort points of the award contest for each OK of the advertising dialog.
inline constexpr int kAdvertisingEffort = 2;

// The advertising dialog's OK for a medium: a campaign medium opens its
// dialog (which books the campaign or is cancelled); the newspaper and the
// web page ask their question and are booked on Yes. Whatever came of it,
// AdvertisingDialogDone follows; the dialog then closes.
void AdvertiseWith(GameState& g, AdvertisingMedium medium);
// A newspaper advertisement or a web page, once the player said Yes: the
// cost, the fame, and the shop details window told to show it.
void BookMediumInPlace(GameState& g, AdvertisingMedium medium);
// Every OK of the advertising dialog, booked, declined or cancelled: fame
// is capped at 100 and the player's effort points rise by 2.
void AdvertisingDialogDone(GameState& g);

// ---- print campaigns: posters and leaflets ----

enum class PrintCampaign { Posters, Leaflets };
struct PrintSize {
    const char* caption;
    std::int64_t count;  // posters put up, leaflets sent
    std::int64_t price;  // 円
    int fame;
};
inline constexpr int kPrintSizes = 6;
const std::array<PrintSize, kPrintSizes>& PrintSizes(PrintCampaign campaign);

// An option click (1..6; Option1 as the dialog opens): PrintAdCost takes
// the size's price.
void ChoosePrintSize(GameState& g, PrintCampaign campaign, int option);
// "海报1万0000张贴出。" or "宣传册1万0000份送出。"
std::string PrintQuestion(PrintCampaign campaign, int option);
// Yes: PrintAdCost is booked and the size's fame gained.
void BookPrintCampaign(GameState& g, PrintCampaign campaign, int option);
// The campaign dialog's OK: asks PrintQuestion and books on Yes. True when
// booked (the dialog closes), false on No (it stays open, nothing booked).
bool OrderPrintCampaign(GameState& g, PrintCampaign campaign, int option);

// ---- filmed campaigns: a TV advertisement, a promotional film ----

enum class FilmCampaign { Tv, Film };
// The producers, AdProducer 1..3 in the order of the option buttons.
struct Producer {
    const char* caption;
    std::int64_t price;  // 円
    int fame;
    int popularity;
};
inline constexpr int kProducers = 3;
const std::array<Producer, kProducers>& Producers(FilmCampaign campaign);

// An option click (1..3; Option1 as the dialog opens): BroadcastAdCost
// takes the producer's price.
void ChooseProducer(GameState& g, FilmCampaign campaign, int option);
// "播放电视广告。" or "制作宣传影片。"
const char* FilmQuestion(FilmCampaign campaign);
// Yes: BroadcastAdCost is booked, then popularity and fame gained.
void BookFilmCampaign(GameState& g, FilmCampaign campaign, int option);
// The campaign dialog's OK: asks FilmQuestion and books on Yes. True when
// booked, false on No.
bool OrderFilmCampaign(GameState& g, FilmCampaign campaign, int option);

// ---- the three cost rows of the campaign dialogs ----

struct CostRows {
    std::string funds;    // "资金": FormatMoney(Funds) & "円"
    std::string cost;     // "费用"
    std::string balance;  // "余额": the funds less the cost
};
CostRows AdCostRows(const GameState& g, const Value& cost);
