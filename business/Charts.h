#pragma once
// The sales and profit charts: the last twelve points of a history (copies
// sold, or the net of every amount booked) as a red line of twelve segments
// on a 145 x 113 plot, oldest on the left, the current period at x = 128.
// The chart windows pick the history and the scale from their option
// buttons, ask PlotChart for the segments and draw them; everything here is
// in real numbers, so a point far outside the plot is clipped at the plot's
// edge before anything becomes a pixel.
#include <array>
#include <optional>
#include <string>

#include "state/GameState.h"

enum class ChartKind { Sales, Profit };
// The period buttons, the same in both charts: Option1 yearly, Option2
// monthly (chosen as a chart opens), Option3 daily.
enum class ChartPeriod { Yearly = 1, Monthly = 2, Daily = 3 };

// The plot box, in pixels from its top-left corner.
inline constexpr int kPlotWidth = 145;
inline constexpr int kPlotHeight = 113;
inline constexpr int kChartPoints = 12;
// Segment k runs from x = 32 + 8k to 40 + 8k.
inline constexpr int kChartLeft = 32;
inline constexpr int kChartStep = 8;

// One scale button: its option element, the amount per pixel and the
// labels beside the grid lines (element 1, 2 and, on the profit chart, 3).
struct ChartScale {
    int option;
    double perPixel;
    std::array<const char*, 3> labels;
};

// What each chart draws with: its base line (0 copies, 0 円), its grid
// lines, its "0" label and its scale buttons (the first chosen as it opens).
struct ChartSpec {
    ChartKind kind;
    double base;
    std::array<int, 4> gridLines;  // y of each grey line; 0 ends the list
    std::array<int, 3> labelLines;  // y beside which Label1(1), (2), (3) stand; 0 for none
    const char* zeroLabel;          // Label1(0), beside the base line
    std::array<ChartScale, 3> scales;
    int scaleCount;
};
const ChartSpec& ChartSpecOf(ChartKind kind);
// The scale of a scale button; an element that is not a button of the chart
// gives the chart's first scale.
const ChartScale& ChartScaleOf(ChartKind kind, int option);

// The history a chart shows for a period.
const Col<13>& ChartHistory(const GameState& g, ChartKind kind, ChartPeriod period);

// A segment in plot coordinates.
struct ChartLine {
    double x1, y1, x2, y2;
};
struct ChartSegment {
    ChartLine line;                    // as the history gives it, unclipped
    std::optional<ChartLine> visible;  // the part inside the plot, if any
};

// y(j) = base - H(j) / perPixel for the points j = 0..11 (point 0 the
// current period).
double ChartY(const Col<13>& history, int j, double base, double perPixel);

// The twelve segments: segment 0 is level at the oldest point y(11);
// segment k = 1..11 runs from y(12 - k) to y(11 - k).
std::array<ChartSegment, kChartPoints> PlotChart(const Col<13>& history, double base, double perPixel);
