#pragma once
// The pictures of the bank, insurance, earthquake and fire windows, and the
// borrowing dialog's arrow faces.
#include <QDir>

// Writes Graphic/Forms/Form24_Image1, Form18_Image1, Form32_Image1,
// Form64_Image1, Form65_Image1, Form66_Image1 and Form25_Button{U,D}_{1,2}.
// Returns false when a file could not be written or a picture came out at
// the wrong size.
bool MakeDisasterAndBankPictures(const QDir& out);
