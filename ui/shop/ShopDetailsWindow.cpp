#include "ui/shop/ShopDetailsWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shop/ShopInfo.h"

using shop_info_window::Caption;
using shop_info_window::ValueLabel;

ShopDetailsWindow::ShopDetailsWindow(GameState& g) : ReportWindow(Window::ShopDetails, &GameState::ShopDetailsDirty, g) {
    setWindowTitle(QStringLiteral("店铺的详细信息"));
    Starg = StarPictures(Window::ShopDetails);

    YearLabel = ValueLabel("YearLabel", 0, this);
    MonthLabel = ValueLabel("MonthLabel", 0, this);
    DayLabel = ValueLabel("DayLabel", 0, this);
    WeekdayLabel = ValueLabel("WeekdayLabel", 0, this);
    HourLabel = ValueLabel("HourLabel", 0, this);
    SizeLabel = ValueLabel("SizeLabel", 30, this);
    FundsLabel = ValueLabel("FundsLabel", 130, this);
    NameLabel = ValueLabel("NameLabel", 130, this);

    auto* top = new QVBoxLayout(this);
    top->setSpacing(4);

    QHBoxLayout* date = shop_info_window::DateLine(this, YearLabel, MonthLabel, DayLabel, WeekdayLabel);
    date->addSpacing(6);
    date->addWidget(HourLabel);
    date->addWidget(Caption("时", this));
    date->addStretch();
    top->addLayout(date);

    auto* info = new QGridLayout;
    info->setHorizontalSpacing(8);
    info->setVerticalSpacing(4);
    info->addWidget(Caption("书店名称", this), 0, 0);
    info->addWidget(NameLabel, 0, 1);
    info->addWidget(Caption("资金", this), 1, 0);
    info->addWidget(FundsLabel, 1, 1);
    info->addWidget(Caption("店铺规模", this), 2, 0);
    info->addWidget(SizeLabel, 2, 1);
    info->addWidget(Caption("星级", this), 3, 0);
    info->addLayout(shop_info_window::StarRow(this, Star), 3, 1);
    info->setColumnStretch(1, 1);
    top->addLayout(info);

    // The four gauges, from top to bottom: fame, popularity, dirtiness,
    // quake resistance.
    auto* frame = new QGroupBox(QStringLiteral("参数"), this);
    auto* gauges = new QGridLayout(frame);
    gauges->setHorizontalSpacing(8);
    gauges->setVerticalSpacing(4);
    struct Row {
        const char* caption;
        const char* name;
        QLabel** label;
        ShopGaugeBar** bar;
    };
    const Row rows[] = {
        {"知名度", "FameLabel", &FameLabel, &FameBar},
        {"人气", "PopularityLabel", &PopularityLabel, &PopularityBar},
        {"脏乱度", "DirtLabel", &DirtLabel, &DirtBar},
        {"抗震度", "QuakeLabel", &QuakeLabel, &QuakeBar},
    };
    int r = 0;
    for (const Row& row : rows) {
        *row.label = ValueLabel(row.name, 50, frame);
        *row.bar = new ShopGaugeBar(frame);
        shop_info_window::AddGaugeRow(gauges, r, 0, row.caption, *row.bar, *row.label, frame);
        ++r;
    }
    gauges->setColumnStretch(2, 1);
    top->addWidget(frame);
    top->addStretch();
}

void ShopDetailsWindow::Redraw() {
    const ShopDetailsTexts t = ShopDetailsView(game());
    shop_info_window::ShowValue(YearLabel, t.year);
    shop_info_window::ShowValue(MonthLabel, t.month);
    shop_info_window::ShowValue(DayLabel, t.day);
    shop_info_window::ShowValue(WeekdayLabel, t.weekday);
    shop_info_window::ShowValue(HourLabel, t.hour);
    shop_info_window::ShowValue(SizeLabel, t.shopSize);
    shop_info_window::ShowValue(FundsLabel, t.funds);
    shop_info_window::ShowValue(NameLabel, t.shopName);
    shop_info_window::ShowGauge(DirtLabel, DirtBar, t.dirtiness);
    shop_info_window::ShowGauge(QuakeLabel, QuakeBar, t.quakeResistance);
    shop_info_window::ShowGauge(PopularityLabel, PopularityBar, t.popularity);
    shop_info_window::ShowGauge(FameLabel, FameBar, t.fame);
    ShowStars(Star, Starg, t.litStars);
}
