#pragma once
// Pictures below the program's folder, and the masked sprite blit.
#include <QImage>
#include <QRect>
#include <QString>

// Loads a picture by its content. A picture that cannot be read gives a
// blank (white) picture of `fallback` size, and the game goes on.
QImage LoadPicture(const QString& relativePath, QSize fallback = QSize(1, 1));

// Draws one sprite onto `frame` at `to`: the mask rectangle is ANDed onto
// the frame, then the colour rectangle XORed, so black mask pixels take the
// sprite's colours and white ones leave the frame as it was. All three
// images must be Format_RGB32.
void BlitMasked(QImage& frame, QPoint to, const QImage& mask, const QImage& colour, QRect src);
