#pragma once
// The game side of the magazine and book stock windows: which titles have a
// row, what the rows read, the stock gauge, and the sizes of the sheet and
// of the window.
//
// Both windows redraw in two stages. The rebuild (on MagazineStockDirty or
// BookStockDirty) recounts the rows and sizes the window; the refill (on
// MagazineStockRefill or BookStockRefill, and after every rebuild) writes
// the rows in display order.
#include <string>
#include <vector>

#include "state/GameState.h"
#include "stock/ReportWindowSize.h"

// ---- rows ----

// A magazine has a row while it is listed and has a standing order or
// copies; a book while it has copies or a delivery under way.
bool MagazineCarried(const GameState& g, int title);
bool BookCarried(const GameState& g, int title);

// The gauge of a magazine row: a green fill over a blue bar 57 px wide.
inline constexpr int kStockGaugeWidth = 57;
struct StockGauge {
    std::string text;  // "12/20"; "15/15" without an order or above it
    double fill = 0;   // width of the green part, 0..57
};
// Stock against the standing order. A negative stock shows no green.
StockGauge MagazineStockGauge(const Value& stock, const Value& standingOrder);

struct MagazineStockRow {
    int title = -1;
    std::string name;
    std::string profit;     // price - cost per copy: "170円"
    StockGauge stock;
    std::string lastIssue;  // copies sold of the previous issue: "8册"
};

struct BookStockRow {
    int title = -1;
    std::string name;
    std::string profit;    // "480円"
    std::string stock;     // "5册"
    std::string sold;      // "12册"
    std::string delivery;  // "3日后20册", or "无"
};

// The rebuild: clears the rebuild flag, raises the refill flag and counts
// the rows into MagazineStockRowCount / BookStockRowCount. Returns the
// count; with 0 the window closes itself, silently.
int RebuildMagazineStock(GameState& g);
int RebuildBookStock(GameState& g);

// The refill: clears the refill flag, puts the titles in the ordering
// dialogs' order (MagazineWorkList by issue day, BookDisplayOrder by title;
// MagazineTally and BookTally left at 0) and returns the rows of the titles
// carried, top to bottom. The window blanks every row slot below them.
std::vector<MagazineStockRow> RefillMagazineStock(GameState& g);
std::vector<BookStockRow> RefillBookStock(GameState& g);

// ---- the sheet ----

// Row r's top on the sheet.
inline constexpr int kStockRowPitch = 15;
inline constexpr int kStockRowTop = 8;
inline constexpr int StockRowTop(int row) { return kStockRowPitch * row + kStockRowTop; }
// The gauge sits one pixel below its row's top, but row 0's at y 8.
inline constexpr int StockGaugeTop(int row) { return row == 0 ? 8 : StockRowTop(row) + 1; }
// The sheet is 76 px taller than its rows, so the last row can always be
// scrolled fully into view.
inline constexpr int StockSheetHeight(int rows) { return kStockRowPitch * rows + 76; }
// The column separators run from y 4 to here.
inline constexpr int StockRuleBottom(int rows) { return kStockRowPitch * rows + 8; }

// ---- the window's size ----
// Outer sizes are in twips, inner sizes in pixels (stock/ReportWindowSize.h).

inline constexpr int kStockOpeningHeight = 2500;

// After a rebuild: the scroll maximum, and the outer height when the sheet
// fits (the magazine window adds 15 twips, the book window none).
struct StockRebuildFit {
    int scrollMax = 0;
    int outerHeight = 0;  // twips; 0 leaves the height as it is
};
inline constexpr int kMagazineFitExtra = kTwipsPerPixel;
inline constexpr int kBookFitExtra = 0;
StockRebuildFit StockFitAfterRebuild(int sheetHeight, int innerHeight, int fitExtraTwips);

// The layout rule on every resize (not while minimised): the outer size
// kept within its bounds and snapped to the sheet when the sheet fits.
// The inner height moves with the outer one.
OuterSize StockWindowOuter(OuterSize outer, int innerHeight, int sheetHeight);

// Where the scroll bar and the list frame go in a window of this inner
// size. The scroll maximum is never below 0.
struct StockWindowParts {
    int scrollLeft = 0, scrollHeight = 0, scrollMax = 0, frameHeight = 0;
    bool operator==(const StockWindowParts&) const = default;
};
StockWindowParts StockWindowLayout(int innerWidth, int innerHeight, int sheetHeight);
