#pragma once
// The shop information window: funds, sales, shelf room, the calendar, the
// customers, two gauges and the star rating, redrawn whenever something
// raises ShopInfoDirty.
#include <QLabel>
#include <QPixmap>
#include <array>

#include "ui/kit/ReportWindow.h"
#include "ui/shop/ShopInfoKit.h"

struct GameState;

class ShopInfoWindow : public ReportWindow {
public:
    explicit ShopInfoWindow(GameState& g);

    QLabel* NameLabel;
    QLabel* FundsLabel;
    QLabel* YearLabel;
    QLabel* MonthLabel;
    QLabel* DayLabel;
    QLabel* WeekdayLabel;
    QLabel* HourLabel;
    QLabel* SoldLabel;
    QLabel* CapacityLabel;
    QLabel* OnShelvesLabel;
    QLabel* CustomersLabel;
    QLabel* DirtLabel;
    QLabel* QuakeLabel;
    ShopGaugeBar* DirtBar;
    ShopGaugeBar* QuakeBar;
    std::array<QLabel*, 5> Star{};
    std::array<QPixmap, 2> Starg;

protected:
    void Redraw() override;
    void showEvent(QShowEvent* e) override;

private:
    void Form_Load();
    bool loaded_ = false;
};
