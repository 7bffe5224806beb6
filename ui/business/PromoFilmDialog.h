#pragma once
// "制作宣传影片": a promotional film shown before cinema screenings, by one of three producers; dearer than TV and better for popularity.
#include "ui/business/CampaignDialog.h"

class PromoFilmDialog : public CampaignDialog {
    Q_OBJECT
public:
    explicit PromoFilmDialog(GameState& g);
};
