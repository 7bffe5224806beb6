#pragma once
// The small circulation chart of the magazine stocking dialog: a title's
// last twelve issues, oldest on the left, in a box 100 pixels wide whose
// base line (circulation 0) lies at y 88. The vertical scale is chosen from
// the values shown, in steps of ten, and two grid lines are labelled to
// match it.
#include <array>
#include <cstdint>
#include <string>

#include "state/GameState.h"

// One scale of the chart: it serves every value below `below`; the grid
// lines at y 56 and y 24 are labelled `middle` and `upper`.
struct CirculationBand {
    std::int64_t below;
    int copiesPerPixel;
    const char* middle;
    const char* upper;
};

// The scales, smallest first. The first three cover what the circulation
// walk can reach (it turns down at 2,500,000); the rest serve titles that
// start above that ceiling (the catalogue has one at 3,000,000) and every
// figure up to the 32-bit limit. A figure beyond the last band is drawn on
// the last band and cut off by the box.
inline constexpr CirculationBand kCirculationBands[] = {
    {25'000, 300, "1万", "2万"},
    {250'000, 3'000, "10万", "20万"},
    {2'500'000, 30'000, "100万", "200万"},
    {25'000'000, 300'000, "1000万", "2000万"},
    {250'000'000, 3'000'000, "1亿", "2亿"},
    {2'500'000'000, 30'000'000, "10亿", "20亿"},
};

inline constexpr int kChartBaseY = 88;
inline constexpr int kChartIssueStep = 8;  // pixels between two issues

struct ChartPoint {
    double x, y;
};

struct CirculationChart {
    int copiesPerPixel = 300;
    std::string middleLabel, upperLabel;  // beside the grid lines at y 56 and y 24
    // The red line: a level lead-in from x 0 to the oldest issue at x 8,
    // then one point per issue up to the latest at x 96.
    std::array<ChartPoint, 13> line{};
};

// The scale of the largest of the values: the smallest band that holds it.
const CirculationBand& BandFor(double largest);

// The chart of title `title` from its Magazine.Circulation history.
CirculationChart ChartOf(const GameState& g, int title);

// A redraw of the chart: the chart of the title, after the saved
// MagazineChartScale has been set from the title's oldest issue (31200
// above 250,000 copies, else 3120).
CirculationChart RedrawCirculationChart(GameState& g, int title);
