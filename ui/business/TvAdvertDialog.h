#pragma once
// "电视广告": a TV advertisement by one of three producers, who set its price and its gains in fame and popularity.
#include "ui/business/CampaignDialog.h"

class TvAdvertDialog : public CampaignDialog {
    Q_OBJECT
public:
    explicit TvAdvertDialog(GameState& g);
};
