#include "floor/FloorPictures.h"

namespace {

// Day and night picture by shop size 1..3.
constexpr FloorPictureFiles kFloorPictures[] = {
    {"Graphic/inside4.dat", "Graphic/inside5.dat"},
    {"Graphic/inside6.dat", "Graphic/inside7.dat"},
    {"Graphic/inside2.rle", "Graphic/inside3.rle"},
};

}  // namespace

const FloorPictureFiles* FloorPicturesOfSize(int shopSize) {
    if (shopSize < 1 || shopSize > 3) return nullptr;
    return &kFloorPictures[shopSize - 1];
}

bool IsDayHour(int hour) { return hour >= 6 && hour < 18; }

FloorSheet SheetAfterLoading(int hour) { return IsDayHour(hour) ? FloorSheet::Day : FloorSheet::Night; }

FloorSheet SheetAtHour(int hour) {
    if (hour == 6) return FloorSheet::Day;
    if (hour == 18) return FloorSheet::Night;
    return FloorSheet::Unchanged;
}
