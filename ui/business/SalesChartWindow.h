#pragma once
// "书籍销售量图表": the copies sold at the registers over the last twelve
// days, months or years, in hundreds (百册) or thousands (1千册).
#include "ui/business/ChartWindow.h"

class SalesChartWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit SalesChartWindow(GameState& g);
};
