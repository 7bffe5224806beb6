#pragma once
// The pictures of the staff windows: faces, look icons, portraits, the hire
// dialog's notice and the salary dialog's arrow buttons.
#include <QDir>

// Graphic/Human*.dat and the staff windows' Graphic/Forms/Form<N>_<Control>.png.
// Returns false when a file could not be written.
bool MakeStaffPictures(const QDir& out);
