#pragma once
// "宣传册": leaflets sent in six sizes from 100 to 500,000, each with its price and its gain in fame.
#include "ui/business/CampaignDialog.h"

class LeafletsDialog : public CampaignDialog {
    Q_OBJECT
public:
    explicit LeafletsDialog(GameState& g);
};
