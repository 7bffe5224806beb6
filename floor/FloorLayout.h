#pragma once
// The floor view's size limits by shop size and the layout its resize
// handler and the shop enlargement apply: which scroll bars show, how much
// room they take from the view, and how far each bar scrolls.
//
// Sizes here are window pixels. The outer size is the window with its
// frame and caption; the inner size is the area inside (scroll bars
// included). The window may never be smaller than 2000 twips (133 pixels)
// outside, and never larger than the size whose inner area is exactly the
// scene of the current shop size.

// The floor picture of a shop size covers this whole scene.
struct FloorScene {
    int width;
    int height;
};

// The scene of shop size 1..3; any other size gets the scene of size 1.
FloorScene SceneOfShopSize(int shopSize);

constexpr int kScrollBarThickness = 17;    // both bars, and the corner box
constexpr int kMinOuterSize = 2000 / 15;   // 2000 twips
constexpr int kScrollArrowStep = 10;       // pixels per arrow click
constexpr int kScrollPageStep = 40;        // pixels per click beside the thumb

struct FloorLayoutInput {
    int shopSize = 1;
    int outerWidth = 0, outerHeight = 0;   // the window as it is now
    int frameWidth = 0, frameHeight = 0;   // outer minus inner size
};

struct FloorLayout {
    // The outer size the window must have; when it differs from the input
    // the window is resized, and the resize lays it out again.
    int outerWidth = 0, outerHeight = 0;
    int innerWidth = 0, innerHeight = 0;   // for outerWidth/outerHeight
    bool vScrollShown = true, hScrollShown = true;
    int vScrollReserve = kScrollBarThickness, hScrollReserve = kScrollBarThickness;
    // Computed from the full inner size, bars not deducted; never below 0.
    int vScrollMax = 0, hScrollMax = 0;
};

// The resize rule: raises a size below the minimum, caps a size at the
// scene and hides the bar of a side that shows the whole scene.
FloorLayout LayOutFloorView(const FloorLayoutInput& in);
