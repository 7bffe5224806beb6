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
class QWidget;

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
// A fixed caption and a value label of the given row (0 the wide row at
// the top, 1 and 2 the captioned rows below it). A value label of row 0
// spans the whole column and wraps.
QLabel* MakeCaption(QWidget* parent, const QString& text, int row);
QLabel* MakeValue(QWidget* parent, const char* name, int row, bool wraps = false);
// Where the scroll bar and the buttons sit.
QRect ScrollBarRect();
QRect LeftButtonRect(bool withScrollBar);
QRect RightButtonRect(bool withScrollBar);
// The window height with and without a scroll bar.
int WindowHeight(bool withScrollBar);

// The six register pictures, loaded into holders 1..6 (0 stays empty); the
// picture of model m is holder m + 1. A file that cannot be read gives a
// blank picture.
std::array<QPixmap, 7> LoadRegisterPictureHolders();

}  // namespace equipment_window
