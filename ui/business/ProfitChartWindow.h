#pragma once
// "店铺收支图表": the net of every amount booked over the last twelve days,
// months or years, above and below the zero line, by 10万, 百万 or 1千万.
#include "ui/business/ChartWindow.h"

class ProfitChartWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit ProfitChartWindow(GameState& g);
};
