#pragma once
// The size bounds the stock windows and the delivery schedule share. A
// window's outer size is kept in twips, 15 to the pixel; what lies inside
// it is placed in pixels.

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kReportOpeningWidth = 5295;  // set on opening...
inline constexpr int kReportMaxWidth = 5294;      // ...and trimmed to this by the layout
inline constexpr int kReportMinHeight = 1201;

struct OuterSize {
    int width = 0, height = 0;  // twips
    bool operator==(const OuterSize&) const = default;
};

// A window never wider than 5294 twips (5295 or more becomes 5294) and
// never lower than 1201 (1200 or less becomes 1201). `innerHeight` (pixels)
// follows a change of the outer height.
OuterSize BoundReportOuter(OuterSize outer, int& innerHeight);

// A window's outer size in whole pixels: a width rounded down and a height
// rounded up, so the bounds above hold in pixels as well.
int OuterWidthPixels(int twips);
int OuterHeightPixels(int twips);
