#pragma once
// The shop information window: funds, sales, shelf room, the calendar, the
// customers, two gauges and the star rating, redrawn whenever something
// raises ShopInfoDirty. Also the gauge and star pictures that the shop
// details window (ShopDetailsWindow) shares with it.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "platform/Window.h"
#include "ui/kit/ReportWindow.h"
#include "state/Value.h"

struct GameState;

// A gauge bar: a fixed black frame with a filled bar whose width follows
// the gauge value (kept inside the frame whatever the value).
class ShopGaugeBar : public QWidget {
public:
    static constexpr int kFrameWidth = 100;
    static constexpr int kFrameHeight = 10;
    explicit ShopGaugeBar(QWidget* parent = nullptr);
    void setValue(const Value& gauge);
    int barWidth() const { return bar_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int bar_ = 0;
};

// The hidden picture pair of a shop window: element 0 the lit star (green
// with a black outline), element 1 the unlit one (the outline alone on the
// window colour), both 15 x 15. A window picture file is used when present.
std::array<QPixmap, 2> StarPictures(Window window);

// Shows `lit` lit stars followed by unlit ones in the five star pictures.
void ShowStars(std::array<QLabel*, 5>& stars, const std::array<QPixmap, 2>& starg, int lit);

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
