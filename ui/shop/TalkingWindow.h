#pragma once
// The pieces the clerk pop-up (ClerkPopupWindow) and the customer complaint (ComplaintDialog)
// share: a speech balloon with its text inside and a face beside it. Their
// places are given in twips, 15 to the pixel.
#include <QPoint>
#include <QString>
#include <string>

#include "platform/Window.h"

class QLabel;
class QWidget;

namespace talking_window {

constexpr int kBalloonWidth = 129;
constexpr int kBalloonHeight = 73;

// Twips to pixels, rounded.
int Pixels(int twips);

// The speech balloon "Picture1" (129 x 73, its tail pointing right) with its
// top left corner at `at`: "Graphic/Forms/Form<N>_Picture1.png", or a drawn
// one when that picture is missing.
QLabel* MakeBalloon(QWidget* parent, Window window, QPoint at);
// The text "Label1" inside the balloon.
QLabel* MakeBalloonText(QLabel* balloon, const QString& text);
// The face box "Image1_0", 65 x 65, its picture stretched to fit.
QLabel* MakeFace(QWidget* parent, QPoint at);
// Shows a face picture; a face that cannot be found leaves the box as it is.
void ShowFace(QLabel* box, const std::string& picture);

}  // namespace talking_window
