#include "stock/CirculationChart.h"

#include <algorithm>

const CirculationBand& BandFor(double largest) {
    for (const CirculationBand& b : kCirculationBands)
        if (largest < static_cast<double>(b.below)) return b;
    return std::end(kCirculationBands)[-1];
}

CirculationChart ChartOf(const GameState& g, int title) {
    const auto& history = g.Magazine.Circulation[title];  // element 0 the latest issue, 11 the oldest
    double largest = 0;
    for (const Value& v : history) largest = std::max(largest, v.asReal());
    const CirculationBand& band = BandFor(largest);

    CirculationChart c;
    c.copiesPerPixel = band.copiesPerPixel;
    c.middleLabel = band.middle;
    c.upperLabel = band.upper;
    auto y = [&](const Value& v) { return kChartBaseY - v.asReal() / band.copiesPerPixel; };
    c.line[0] = ChartPoint{0, y(history[11])};
    for (int k = 0; k < 12; ++k)
        c.line[k + 1] = ChartPoint{static_cast<double>(kChartIssueStep * (k + 1)), y(history[11 - k])};
    return c;
}

CirculationChart RedrawCirculationChart(GameState& g, int title) {
    g.MagazineChartScale = g.Magazine.Circulation[title][11].asReal() > 250'000 ? 31200 : 3120;
    return ChartOf(g, title);
}
