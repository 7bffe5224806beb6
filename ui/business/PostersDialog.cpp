#include "ui/business/PostersDialog.h"

#include "business/Advertising.h"
#include "state/GameState.h"

namespace {

std::vector<const char*> Captions() {
    std::vector<const char*> captions;
    for (const auto& row : PrintSizes(PrintCampaign::Posters)) captions.push_back(row.caption);
    return captions;
}

}  // namespace

PostersDialog::PostersDialog(GameState& g)
    : CampaignDialog(g, {Window::Posters, "张贴海报", "== 张贴海报 ==", "张贴张数", Captions()},
                     {[](GameState& state, int option) { ChoosePrintSize(state, PrintCampaign::Posters, option); },
                      [](GameState& state, int option) { return OrderPrintCampaign(state, PrintCampaign::Posters, option); },
                      &GameState::PrintAdCost}) {}
