#include "ui/business/ProfitChartWindow.h"

ProfitChartWindow::ProfitChartWindow(GameState& g)
    : ChartWindow(Window::ProfitChart, &GameState::ProfitChartDirty, ChartKind::Profit, QStringLiteral("店铺收支图表"), g) {}
