#pragma once
// The pictures of the furnishing windows: the shelves, machines, registers
// and service machines shown in the purchase and information windows.
#include <QDir>

// Graphic/Book1.rle .. Book9.rle, Rezi1.dat .. Rezi6.dat and Service1.dat ..
// Service4.dat. Returns false when a file could not be written.
bool MakeFurnishingPictures(const QDir& out);
