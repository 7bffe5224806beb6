#pragma once
// The look the placing dialog (PlaceFacilityDialog) shares with the facility window
// (FacilityInfoDialog): cells filled with the heading blue with white centred text on
// them, the fixture picture in a blue frame, and named value labels.
#include <QPixmap>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// The fixture pictures are shown in a box of this many pixels a side.
inline constexpr int kFixturePictureSide = 100;

// A fixture picture ("Graphic/Book<kind>.rle"), blank at the box's size when
// the file cannot be read.
QPixmap LoadFixturePicture(int kind);

// A cell filled with the heading blue (made into `cell`) and the white
// centred text on it (returned).
QLabel* FacilityHeading(QWidget* parent, QFrame*& cell, QRect at, const QString& text);
// The fixture picture box (returned) in its blue frame (made into `frame`).
QLabel* FacilityPicture(QWidget* parent, QFrame*& frame);
// A named value label.
QLabel* FacilityValueLabel(const char* name, QWidget* parent, QRect at);
