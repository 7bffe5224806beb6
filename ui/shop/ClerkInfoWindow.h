#pragma once
// The clerk information window "店员信息": one row per employed clerk (name,
// age, energy and ability with their bars, monthly salary), rebuilt from its
// timer whenever ClerkInfoDirty is 1. A row without a clerk is empty, its
// bars hidden.
#include <array>

#include "shop/ClerkInfo.h"
#include "ui/kit/ReportWindow.h"

class QFrame;
class QLabel;

class ClerkInfoWindow : public ReportWindow {
public:
    explicit ClerkInfoWindow(GameState& g);

    std::array<QLabel*, kClerkInfoRows> NLabel{}, ALabel{}, KLabel{}, TLabel{}, MLabel{};
    std::array<QFrame*, kClerkInfoRows> EnergyBar{}, EnergyFrame{}, AbilityBar{}, AbilityFrame{};

protected:
    void Redraw() override;
};
