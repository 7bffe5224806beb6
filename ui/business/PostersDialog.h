#pragma once
// "张贴海报": posters in six sizes from 100 to 500,000, each with its price and its gain in fame.
#include "ui/business/CampaignDialog.h"

class PostersDialog : public CampaignDialog {
    Q_OBJECT
public:
    explicit PostersDialog(GameState& g);
};
