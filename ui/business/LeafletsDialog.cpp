#include "ui/business/LeafletsDialog.h"

LeafletsDialog::LeafletsDialog(GameState& g) : CampaignDialog(g, Campaign::Leaflets) {}
