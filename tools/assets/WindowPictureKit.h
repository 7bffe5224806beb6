#pragma once
// Drawing helpers shared by the makers of the pictures kept in windows
// (faces, furnishing, events, disasters, showcase, upkeep): smooth painting
// at four times the size, the ink of outlines, the windows' background and
// the face of a hold-to-repeat arrow button.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace pic {

// Draws at four times the size and shrinks the result, so that thin lines
// and small curves come out smooth. The painter's units are the final
// picture's pixels.
QImage Supersampled(int w, int h, QColor fill, const std::function<void(QPainter&)>& draw);

// The dark line round figures and objects, the same as on the shop floor.
inline const QColor kInk(34, 28, 26);

// The windows' background.
inline const QColor kButtonFace(0xef, 0xef, 0xef);

// The face of a hold-to-repeat arrow button (the salary dialog's, and the
// ordering dialogs' all-titles adjusters'): a black up or down arrow on the
// windows' background, raised at rest and sunk while held.
inline constexpr int kArrowW = 17, kArrowH = 9;
QImage ArrowButton(bool up, bool pressed);

}  // namespace pic
