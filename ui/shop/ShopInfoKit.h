#pragma once
// The pieces the shop information window (ShopInfoWindow) and the shop details window
// (ShopDetailsWindow) build alike: captions, named value labels, the date line, the
// row of stars and the gauge rows.
#include <array>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;
class ShopGaugeBar;
struct GaugeView;

namespace shop_info_window {

// A fixed caption.
QLabel* Caption(const char* text, QWidget* parent);
// A named value label at least `minWidth` wide.
QLabel* ValueLabel(const char* name, int minWidth, QWidget* parent);
// The date line: year "年" month "月" day "日", a gap and the weekday; the
// window adds what follows.
QHBoxLayout* DateLine(QWidget* parent, QLabel* year, QLabel* month, QLabel* day, QLabel* weekday);
// The five star pictures side by side (made into `stars`), then a stretch.
QHBoxLayout* StarRow(QWidget* parent, std::array<QLabel*, 5>& stars);
// A gauge in the grid's row `row` from column `column` on: its caption, the
// bar and the value label.
void AddGaugeRow(QGridLayout* grid, int row, int column, const char* caption, ShopGaugeBar* bar, QLabel* label,
                 QWidget* parent);
// Writes a gauge's text and bar.
void ShowGauge(QLabel* label, ShopGaugeBar* bar, const GaugeView& gauge);

}  // namespace shop_info_window
