#include "ui/shop/ShopInfoWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiSubWindow>

#include "shop/ShopInfo.h"
#include "ui/platform/WindowRegistry.h"

// ---- the window ----

using shop_info_window::Caption;
using shop_info_window::ShowValue;
using shop_info_window::ValueLabel;

ShopInfoWindow::ShopInfoWindow(GameState& g) : ReportWindow(Window::ShopInfo, &GameState::ShopInfoDirty, g) {
    setWindowTitle(QStringLiteral("书店信息"));
    Starg = StarPictures(Window::ShopInfo);

    NameLabel = ValueLabel("NameLabel", 130, this);
    FundsLabel = ValueLabel("FundsLabel", 130, this);
    YearLabel = ValueLabel("YearLabel", 0, this);
    MonthLabel = ValueLabel("MonthLabel", 0, this);
    DayLabel = ValueLabel("DayLabel", 0, this);
    WeekdayLabel = ValueLabel("WeekdayLabel", 0, this);
    HourLabel = ValueLabel("HourLabel", 0, this);
    SoldLabel = ValueLabel("SoldLabel", 100, this);
    CapacityLabel = ValueLabel("CapacityLabel", 100, this);
    OnShelvesLabel = ValueLabel("OnShelvesLabel", 100, this);
    CustomersLabel = ValueLabel("CustomersLabel", 100, this);
    DirtLabel = ValueLabel("DirtLabel", 50, this);
    QuakeLabel = ValueLabel("QuakeLabel", 50, this);
    DirtBar = new ShopGaugeBar(this);
    QuakeBar = new ShopGaugeBar(this);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    // Left: who and when.
    grid->addWidget(Caption("书店名称", this), 0, 0);
    grid->addWidget(NameLabel, 0, 1);
    grid->addWidget(Caption("资金", this), 1, 0);
    grid->addWidget(FundsLabel, 1, 1);
    QHBoxLayout* date = shop_info_window::DateLine(this, YearLabel, MonthLabel, DayLabel, WeekdayLabel);
    date->addStretch();
    grid->addLayout(date, 2, 0, 1, 2);
    auto* hour = new QHBoxLayout;
    hour->setSpacing(2);
    hour->addWidget(HourLabel);
    hour->addWidget(Caption("时", this));
    hour->addStretch();
    grid->addLayout(hour, 3, 0, 1, 2);

    // Middle: the trade.
    grid->addWidget(Caption("售出数", this), 0, 2);
    grid->addWidget(SoldLabel, 0, 3);
    grid->addWidget(Caption("最大书籍数", this), 1, 2);
    grid->addWidget(CapacityLabel, 1, 3);
    grid->addWidget(Caption("现在书籍数", this), 2, 2);
    grid->addWidget(OnShelvesLabel, 2, 3);
    grid->addWidget(Caption("顾客数", this), 3, 2);
    grid->addWidget(CustomersLabel, 3, 3);

    // Right: the rating and the gauges.
    grid->addWidget(Caption("星级", this), 0, 4);
    grid->addLayout(shop_info_window::StarRow(this, Star), 0, 5, 1, 2);
    shop_info_window::AddGaugeRow(grid, 1, 4, "脏乱度", DirtBar, DirtLabel, this);
    shop_info_window::AddGaugeRow(grid, 2, 4, "抗震度", QuakeBar, QuakeLabel, this);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(7, 1);
}

void ShopInfoWindow::showEvent(QShowEvent* e) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    ReportWindow::showEvent(e);
}

// Sits directly below the floor view at the left edge of the main window.
void ShopInfoWindow::Form_Load() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : this;
    int top = 0;
    if (QWidget* floor = OpenForm(Window::FloorView)) {
        auto* floorSub = qobject_cast<QMdiSubWindow*>(floor->parentWidget());
        top = (floorSub ? static_cast<QWidget*>(floorSub) : floor)->height();
    }
    frame->move(0, top);
}

void ShopInfoWindow::Redraw() {
    GameState& g = game();
    // The details window shows part of the same data; it follows this one.
    g.ShopDetailsDirty = 1;
    const ShopInfoTexts t = ShopInfoView(g);
    setWindowTitle(QString::fromStdString(t.caption));
    ShowValue(FundsLabel, t.funds);
    ShowValue(SoldLabel, t.copiesSold);
    ShowValue(CapacityLabel, t.shelfCapacity);
    ShowValue(OnShelvesLabel, t.copiesOnShelves);
    ShowValue(YearLabel, t.year);
    ShowValue(MonthLabel, t.month);
    ShowValue(DayLabel, t.day);
    ShowValue(WeekdayLabel, t.weekday);
    ShowValue(HourLabel, t.hour);
    ShowValue(CustomersLabel, t.customers);
    ShowValue(NameLabel, t.shopName);
    shop_info_window::ShowGauge(DirtLabel, DirtBar, t.dirtiness);
    shop_info_window::ShowGauge(QuakeLabel, QuakeBar, t.quakeResistance);
    ShowStars(Star, Starg, t.litStars);
}
