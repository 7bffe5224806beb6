#include "ui/business/TvAdvertDialog.h"

#include "business/Advertising.h"
#include "state/GameState.h"

namespace {

std::vector<const char*> Captions() {
    std::vector<const char*> captions;
    for (const auto& row : Producers(FilmCampaign::Tv)) captions.push_back(row.caption);
    return captions;
}

}  // namespace

TvAdvertDialog::TvAdvertDialog(GameState& g)
    : CampaignDialog(g, {Window::TvAdvert, "电视广告", "== 制作电视广告 ==", "制作人", Captions()},
                     {[](GameState& state, int option) { ChooseProducer(state, FilmCampaign::Tv, option); },
                      [](GameState& state, int option) { return OrderFilmCampaign(state, FilmCampaign::Tv, option); },
                      &GameState::BroadcastAdCost}) {}
