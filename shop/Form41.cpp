#include "shop/Form41.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shop/ShopInfo.h"
#include "state/TheGame.h"

namespace {

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

QLabel* ValueLabel(const char* name, int minWidth, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(minWidth);
    return l;
}

}  // namespace

Form41::Form41() : ReportWindow(41, &GameState::ShopDetailsDirty) {
    setWindowTitle(QStringLiteral("店铺的详细信息"));
    Starg = StarPictures(41);

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

    auto* date = new QHBoxLayout;
    date->setSpacing(2);
    date->addWidget(YearLabel);
    date->addWidget(Caption("年", this));
    date->addWidget(MonthLabel);
    date->addWidget(Caption("月", this));
    date->addWidget(DayLabel);
    date->addWidget(Caption("日", this));
    date->addSpacing(6);
    date->addWidget(WeekdayLabel);
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
    auto* stars = new QHBoxLayout;
    stars->setSpacing(1);
    for (auto& s : Star) {
        s = new QLabel(this);
        s->setFixedSize(15, 15);
        stars->addWidget(s);
    }
    stars->addStretch();
    info->addLayout(stars, 3, 1);
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
        gauges->addWidget(Caption(row.caption, frame), r, 0);
        gauges->addWidget(*row.bar, r, 1);
        gauges->addWidget(*row.label, r, 2);
        ++r;
    }
    gauges->setColumnStretch(2, 1);
    top->addWidget(frame);
    top->addStretch();
}

void Form41::Redraw() {
    const ShopDetailsTexts t = ShopDetailsView(Game());
    YearLabel->setText(QString::fromStdString(t.year));
    MonthLabel->setText(QString::fromStdString(t.month));
    DayLabel->setText(QString::fromStdString(t.day));
    WeekdayLabel->setText(QString::fromStdString(t.weekday));
    HourLabel->setText(QString::fromStdString(t.hour));
    SizeLabel->setText(QString::fromStdString(t.shopSize));
    FundsLabel->setText(QString::fromStdString(t.funds));
    NameLabel->setText(QString::fromStdString(t.shopName));
    DirtLabel->setText(QString::fromStdString(t.dirtiness.text));
    DirtBar->setValue(t.dirtiness.value);
    QuakeLabel->setText(QString::fromStdString(t.quakeResistance.text));
    QuakeBar->setValue(t.quakeResistance.value);
    PopularityLabel->setText(QString::fromStdString(t.popularity.text));
    PopularityBar->setValue(t.popularity.value);
    FameLabel->setText(QString::fromStdString(t.fame.text));
    FameBar->setValue(t.fame.value);
    ShowStars(Star, Starg, t.litStars);
}
