#include "ui/shop/ShopInfoKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/shop/ShopInfoWindow.h"
#include "shop/ShopInfo.h"

namespace shop_info_window {

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

QLabel* ValueLabel(const char* name, int minWidth, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(minWidth);
    return l;
}

QHBoxLayout* DateLine(QWidget* parent, QLabel* year, QLabel* month, QLabel* day, QLabel* weekday) {
    auto* date = new QHBoxLayout;
    date->setSpacing(2);
    date->addWidget(year);
    date->addWidget(Caption("年", parent));
    date->addWidget(month);
    date->addWidget(Caption("月", parent));
    date->addWidget(day);
    date->addWidget(Caption("日", parent));
    date->addSpacing(6);
    date->addWidget(weekday);
    return date;
}

QHBoxLayout* StarRow(QWidget* parent, std::array<QLabel*, 5>& stars) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    for (auto& s : stars) {
        s = new QLabel(parent);
        s->setFixedSize(15, 15);
        row->addWidget(s);
    }
    row->addStretch();
    return row;
}

void AddGaugeRow(QGridLayout* grid, int row, int column, const char* caption, ShopGaugeBar* bar, QLabel* label,
                 QWidget* parent) {
    grid->addWidget(Caption(caption, parent), row, column);
    grid->addWidget(bar, row, column + 1);
    grid->addWidget(label, row, column + 2);
}

void ShowGauge(QLabel* label, ShopGaugeBar* bar, const GaugeView& gauge) {
    label->setText(QString::fromStdString(gauge.text));
    bar->setValue(gauge.value);
}

}  // namespace shop_info_window
