#pragma once
// Pictures below the program's folder, the game's own icon, and the masked
// sprite blit.
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

// Loads a picture by its content (any format Qt reads, or a plain picture,
// PlainPicture.h, which is mapped rather than decoded). A picture that cannot
// be read gives a blank (white) picture of `fallback` size, and the game goes
// on.
QImage LoadPicture(const QString& relativePath, QSize fallback = QSize(1, 1));

// The game's own icon, which every window but the floor view carries (the
// floor view animates its own), from "Graphic/Icon/Game16.png", "Game32.png"
// and "Game48.png". Without those pictures the icon is empty and the
// windows keep the system's.
QIcon GameIcon();

// Draws one sprite onto `frame` at `to`: the mask rectangle is ANDed onto
// the frame, then the colour rectangle XORed, so black mask pixels take the
// sprite's colours and white ones leave the frame as it was. The frame and
// the colour picture are Format_RGB32; the mask is Format_RGB32 or, as
// CompactMask makes it, Format_Grayscale8.
void BlitMasked(QImage& frame, QPoint to, const QImage& mask, const QImage& colour, QRect src);

// A mask picture (Format_RGB32) whose every pixel is a grey (black and
// white masks are) kept in a quarter of the memory as Format_Grayscale8;
// BlitMasked draws with it exactly as with the original. Any other picture
// comes back as it is.
QImage CompactMask(const QImage& mask);
