#include "ui/business/TvAdvertDialog.h"

TvAdvertDialog::TvAdvertDialog(GameState& g) : CampaignDialog(g, Campaign::Tv) {}
