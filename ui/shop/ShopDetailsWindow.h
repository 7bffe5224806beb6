#pragma once
// The shop details window: the calendar, the shop's size, funds and name,
// the star rating and the four gauges (fame, popularity, dirtiness, quake
// resistance), redrawn whenever something raises ShopDetailsDirty.
#include <QLabel>
#include <QPixmap>
#include <array>

#include "ui/kit/ReportWindow.h"
#include "ui/shop/ShopInfoKit.h"

struct GameState;

class ShopDetailsWindow : public ReportWindow {
public:
    explicit ShopDetailsWindow(GameState& g);

    QLabel* YearLabel;
    QLabel* MonthLabel;
    QLabel* DayLabel;
    QLabel* WeekdayLabel;
    QLabel* HourLabel;
    QLabel* SizeLabel;
    QLabel* FundsLabel;
    QLabel* NameLabel;
    QLabel* FameLabel;
    QLabel* PopularityLabel;
    QLabel* DirtLabel;
    QLabel* QuakeLabel;
    ShopGaugeBar* FameBar;
    ShopGaugeBar* PopularityBar;
    ShopGaugeBar* DirtBar;
    ShopGaugeBar* QuakeBar;
    std::array<QLabel*, 5> Star{};
    std::array<QPixmap, 2> Starg;

protected:
    void Redraw() override;
};
