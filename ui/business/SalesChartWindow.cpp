#include "ui/business/SalesChartWindow.h"

SalesChartWindow::SalesChartWindow(GameState& g)
    : ChartWindow(Window::SalesChart, &GameState::SalesChartDirty, ChartKind::Sales, QStringLiteral("书籍销售量图表"), g) {}
