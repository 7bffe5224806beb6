#include "stock/ReportWindowSize.h"

OuterSize BoundReportOuter(OuterSize outer, int& innerHeight) {
    if (outer.width >= kReportMaxWidth + 1) outer.width = kReportMaxWidth;
    if (outer.height <= kReportMinHeight - 1) {
        innerHeight += (kReportMinHeight - outer.height) / kTwipsPerPixel;
        outer.height = kReportMinHeight;
    }
    return outer;
}

int OuterWidthPixels(int twips) { return twips / kTwipsPerPixel; }

int OuterHeightPixels(int twips) { return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel; }
