#include "ui/business/PostersDialog.h"

PostersDialog::PostersDialog(GameState& g) : CampaignDialog(g, Campaign::Posters) {}
