#pragma once
// The pictures of the furnishing and staff windows: faces, look icons,
// portraits and arrow buttons (PictureStaff.cpp), and the shelves, machines,
// registers and service machines shown in the purchase and information
// windows (PictureFurnishing.cpp).
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <functional>

// Everything below: Graphic/Human*.dat, Book*.rle, Rezi*.dat, Service*.dat
// and the staff and furnishing windows' Graphic/Forms/Form<N>_<Control>.png.
// Returns false when a file could not be written.
bool MakeFurnishingAndStaffPictures(const QDir& out);

namespace staffpic {

// Graphic/Book1.rle .. Book9.rle, Rezi1.dat .. Rezi6.dat and Service1.dat ..
// Service4.dat; part of the above.
bool MakeFurnishingPictures(const QDir& out);

// Draws at four times the size and shrinks the result, so that thin lines
// and small curves come out smooth. The painter's units are the final
// picture's pixels.
QImage Supersampled(int w, int h, QColor fill, const std::function<void(QPainter&)>& draw);

// The dark line round figures and objects, the same as on the shop floor.
inline const QColor kInk(34, 28, 26);

// The face of a hold-to-repeat arrow button (the salary dialog's, and the
// ordering dialogs' all-titles adjusters'): a black up or down arrow on the
// windows' background, raised at rest and sunk while held.
inline constexpr int kArrowW = 17, kArrowH = 9;
QImage ArrowButton(bool up, bool pressed);

}  // namespace staffpic
