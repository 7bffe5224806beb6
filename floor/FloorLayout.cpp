#include "floor/FloorLayout.h"

#include <algorithm>

namespace {

// Scene size by shop size (small, medium, large).
constexpr FloorScene kScenes[] = {
    {505, 245},
    {498, 332},
    {572, 366},
};

}  // namespace

FloorScene SceneOfShopSize(int shopSize) {
    if (shopSize < 1 || shopSize > 3) shopSize = 1;
    return kScenes[shopSize - 1];
}

FloorLayout LayOutFloorView(const FloorLayoutInput& in) {
    FloorLayout out;
    const FloorScene scene = SceneOfShopSize(in.shopSize);

    int outerW = std::max(in.outerWidth, kMinOuterSize);
    int outerH = std::max(in.outerHeight, kMinOuterSize);
    const int innerW = outerW - in.frameWidth;
    const int innerH = outerH - in.frameHeight;

    // A window wider or taller than the scene would give a negative range,
    // which a scroll bar cannot hold; it simply has nothing to scroll.
    out.vScrollMax = std::max(0, scene.height - innerH);
    out.hScrollMax = std::max(0, scene.width - innerW);

    if (innerH >= scene.height) {
        out.vScrollShown = false;
        outerH = scene.height + in.frameHeight;
        out.vScrollReserve = 0;
    } else {
        out.vScrollShown = true;
        out.vScrollReserve = kScrollBarThickness;
    }
    if (innerW >= scene.width) {
        out.hScrollShown = false;
        outerW = scene.width + in.frameWidth;
        out.hScrollReserve = 0;
    } else {
        out.hScrollShown = true;
        out.hScrollReserve = kScrollBarThickness;
    }

    out.outerWidth = outerW;
    out.outerHeight = outerH;
    out.innerWidth = outerW - in.frameWidth;
    out.innerHeight = outerH - in.frameHeight;
    return out;
}
