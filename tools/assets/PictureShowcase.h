#pragma once
// The pictures of the windows through which the shop is judged and seen:
// the award ceremony (the host's face in two frames, the stage, the
// audience), the news index's masthead and pointer, the three article
// windows' pictures and the six advertising media.
#include <QDir>

// Writes Graphic/Forms/Form22_Image1_1, _2, Form22_Image2, Form22_Image3,
// Form48_Picture1, Form48_MouseIcon, Form51/52/53_Picture1 and
// Form39_Image1_1 .. _6. Returns false when a file could not be written or
// a picture came out at the wrong size.
bool MakeShowcasePictures(const QDir& out);
