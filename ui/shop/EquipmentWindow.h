#pragma once
// The look the register and service-machine windows share: a blue heading
// band with white text, three small blue marks, a framed picture box beside
// the value labels, and the window in the button-face colour.
#include <QPixmap>
#include <QRect>
#include <QString>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;
struct GameState;

namespace equipment_window {

constexpr int kWidth = 280;
constexpr int kPictureWidth = 96;  // the register and machine pictures
constexpr int kPictureHeight = 72;

// The four heading shapes: [0] the band behind the heading, [1] and [2] the
// marks before the first two caption rows, [3] the rule under the values.
std::array<QFrame*, 4> MakeHeadingShapes(QWidget* parent);
// The heading text on the band.
QLabel* MakeHeading(QWidget* parent, const QString& text);
// The picture box on the left.
QLabel* MakePictureBox(QWidget* parent);
// A value label of the given row (0 the wide row at the top, 1 and 2 the
// captioned rows below it). A value label of row 0 spans the whole column
// and wraps.
QLabel* MakeValue(QWidget* parent, const char* name, int row, bool wraps = false);
// A fixed caption of row 1 or 2 followed by its value label (returned).
QLabel* MakeCaptionedValue(QWidget* parent, const QString& caption, const char* name, int row, bool wraps = false);
// The scroll bar that pages through an offer ("HScroll1"), one step at a
// time.
QScrollBar* MakeScrollBar(QWidget* parent);
// Where the buttons sit.
QRect LeftButtonRect(bool withScrollBar);
QRect RightButtonRect(bool withScrollBar);
// The window height with and without a scroll bar.
int WindowHeight(bool withScrollBar);

// The six register pictures, loaded into holders 1..6 (0 stays empty); the
// picture of model m is holder m + 1. A file that cannot be read gives a
// blank picture.
std::array<QPixmap, 7> LoadRegisterPictureHolders();
// Shows the picture of register model m from the holders; no model (-1)
// empties the box.
void ShowRegisterPicture(QLabel* box, const std::array<QPixmap, 7>& holders, int model);
// Shows the picture of the service machine of catalogue row `row`; no
// machine (-1) empties the box.
void ShowServiceMachinePicture(QLabel* box, int row);

// The offer (OfferedList) under the scroll bar: the scroll bar's range
// covers it and stands at its first entry, and the buy button is enabled
// only when something is offered.
void StartOffer(QScrollBar* bar, QPushButton* buy, const GameState& g);
// The offered entry at scroll position `position`, or -1 when none is
// offered there.
int OfferedAt(const GameState& g, int position);

}  // namespace equipment_window
