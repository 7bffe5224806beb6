#pragma once
// The pictures of the event notices and the ordering dialogs: the game-over
// window's heading and background, the visitor-milestone scenes, the star
// of the star-rating notice, and the up/down arrow faces of the two ordering
// dialogs' all-titles adjusters.
#include <QDir>

// Writes Graphic/Forms/Form34_*, Form37_Image1_*, Form54_Starg0 and
// Form6_/Form21_Button{U,D}_{1,2}. Returns false when a file could not be
// written or a picture came out at the wrong size.
bool MakeEventAndOrderingPictures(const QDir& out);
