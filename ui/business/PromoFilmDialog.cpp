#include "ui/business/PromoFilmDialog.h"

PromoFilmDialog::PromoFilmDialog(GameState& g) : CampaignDialog(g, Campaign::Film) {}
