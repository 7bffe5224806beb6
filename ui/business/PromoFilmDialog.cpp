#include "ui/business/PromoFilmDialog.h"

#include "business/Advertising.h"
#include "state/GameState.h"

namespace {

std::vector<const char*> Captions() {
    std::vector<const char*> captions;
    for (const auto& row : Producers(FilmCampaign::Film)) captions.push_back(row.caption);
    return captions;
}

}  // namespace

PromoFilmDialog::PromoFilmDialog(GameState& g)
    : CampaignDialog(g, {Window::PromoFilm, "制作宣传影片", "== 制作宣传影片 ==", "制作人", Captions()},
                     {[](GameState& state, int option) { ChooseProducer(state, FilmCampaign::Film, option); },
                      [](GameState& state, int option) { return OrderFilmCampaign(state, FilmCampaign::Film, option); },
                      &GameState::BroadcastAdCost}) {}
