#include "business/Charts.h"

#include <algorithm>
#include <cmath>

namespace {

const ChartSpec kSales = {
    ChartKind::Sales,
    96,  // the bottom grid line: 0 copies
    {32, 64, 96, 0},
    {64, 32, 0},
    "0册",
    {{
        {5, 3, {"百册", "2百册", ""}},      // Option5 "百册"
        {6, 30, {"千册", "2千册", ""}},     // Option6 "1千册"
        {0, 0, {"", "", ""}},
    }},
    2,
};

const ChartSpec kProfit = {
    ChartKind::Profit,
    72,  // the middle grid line: 0 円
    {8, 40, 72, 104},
    {40, 8, 104},
    "0円",
    {{
        {4, 3000, {"10万円", "20万円", "-10万円"}},        // Option4 "10万"
        {5, 30000, {"百万円", "2百万円", "-百万円"}},       // Option5 "百万"
        {6, 300000, {"1千万円", "2千万円", "-1千万円"}},    // Option6 "1千万"
    }},
    3,
};

// A point this far off the plot is as good as infinitely far: nothing of a
// segment towards it changes, and every sum stays finite.
constexpr double kFarOff = 1e12;

double Finite(double y, double base) {
    if (std::isnan(y)) return base;
    return std::clamp(y, -kFarOff, kFarOff);
}

// The part of a segment between the plot's top and bottom edges.
std::optional<ChartLine> Clip(const ChartLine& l) {
    const double top = 0, bottom = kPlotHeight;
    if (l.y1 == l.y2) {
        if (l.y1 < top || l.y1 > bottom) return std::nullopt;
        return l;
    }
    const double dy = l.y2 - l.y1;
    const double tTop = (top - l.y1) / dy, tBottom = (bottom - l.y1) / dy;
    const double t0 = std::max(0.0, std::min(tTop, tBottom));
    const double t1 = std::min(1.0, std::max(tTop, tBottom));
    if (t0 > t1) return std::nullopt;
    const double dx = l.x2 - l.x1;
    auto y = [&](double t) { return std::clamp(l.y1 + t * dy, top, bottom); };
    return ChartLine{l.x1 + t0 * dx, y(t0), l.x1 + t1 * dx, y(t1)};
}

}  // namespace

const ChartSpec& ChartSpecOf(ChartKind kind) { return kind == ChartKind::Sales ? kSales : kProfit; }

const ChartScale& ChartScaleOf(ChartKind kind, int option) {
    const ChartSpec& spec = ChartSpecOf(kind);
    for (int k = 0; k < spec.scaleCount; ++k)
        if (spec.scales[k].option == option) return spec.scales[k];
    return spec.scales[0];
}

const Col<13>& ChartHistory(const GameState& g, ChartKind kind, ChartPeriod period) {
    const auto& h = kind == ChartKind::Sales ? g.CopiesSoldHistory : g.ProfitHistory;
    switch (period) {
    case ChartPeriod::Yearly: return h.Yearly;
    case ChartPeriod::Daily: return h.Daily;
    case ChartPeriod::Monthly: break;
    }
    return h.Monthly;
}

double ChartY(const Col<13>& history, int j, double base, double perPixel) {
    return base - history[j].asReal() / perPixel;
}

std::array<ChartSegment, kChartPoints> PlotChart(const Col<13>& history, double base, double perPixel) {
    std::array<double, kChartPoints> y{};
    for (int j = 0; j < kChartPoints; ++j) y[j] = Finite(ChartY(history, j, base, perPixel), base);

    std::array<ChartSegment, kChartPoints> segments;
    for (int k = 0; k < kChartPoints; ++k) {
        const double x1 = kChartLeft + kChartStep * k, x2 = x1 + kChartStep;
        const double from = k == 0 ? y[kChartPoints - 1] : y[kChartPoints - k];
        const double to = y[kChartPoints - 1 - k];
        segments[k].line = {x1, from, x2, to};
        segments[k].visible = Clip(segments[k].line);
    }
    return segments;
}
