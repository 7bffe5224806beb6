#include "tools/assets/Assets.h"
#include "tools/assets/PictureMakers.h"

bool MakePictures(const QDir& out) {
    return MakeFloorPictures(out) && MakeBackdrops(out) && MakeToolbarFaces(out) && MakeWindowIcons(out) &&
           MakeFormPictures(out) && MakePolicyAndVoicePictures(out);
}
