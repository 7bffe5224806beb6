#pragma once
// The pieces the notices and reports build alike: the heading band
// "Shape1_0" with its white centred text, the white sheet "Picture1", thin
// grey rules on it, and the default "关闭" button "Command1".
#include <QFrame>
#include <QRect>
#include <QString>

class QColor;
class QLabel;
class QPushButton;
class QWidget;

namespace notice_window {

// The heading band; it takes its colour as the window loads
// (PaintHeadingBand).
QFrame* MakeHeadingBand(QWidget* parent, QRect at);
// Fills the band with the heading blue, RGB(0, 128, 255).
void PaintHeadingBand(QFrame* band);
// White text centred on the band.
QLabel* MakeHeadingText(QWidget* parent, const QFrame* band, const char* name, const QString& text);
// A white sheet with black text in the given frame.
QFrame* MakeSheet(QWidget* parent, QRect at, QFrame::Shape shape, QFrame::Shadow shadow);
// A rule "Line1_<element>": a thin line filled with `colour`.
QFrame* MakeRule(QWidget* parent, int element, QRect at, const QColor& colour);
// The "关闭" button, the default one.
QPushButton* MakeCloseButton(QWidget* parent, QRect at);

}  // namespace notice_window
