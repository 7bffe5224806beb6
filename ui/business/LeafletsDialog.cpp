#include "ui/business/LeafletsDialog.h"

#include "business/Advertising.h"
#include "state/GameState.h"

namespace {

std::vector<const char*> Captions() {
    std::vector<const char*> captions;
    for (const auto& row : PrintSizes(PrintCampaign::Leaflets)) captions.push_back(row.caption);
    return captions;
}

}  // namespace

LeafletsDialog::LeafletsDialog(GameState& g)
    : CampaignDialog(g, {Window::Leaflets, "宣传册", "== 投放宣传册  ==", "送出数", Captions()},
                     {[](GameState& state, int option) { ChoosePrintSize(state, PrintCampaign::Leaflets, option); },
                      [](GameState& state, int option) { return OrderPrintCampaign(state, PrintCampaign::Leaflets, option); },
                      &GameState::PrintAdCost}) {}
