#pragma once
// The floor picture behind the sprites: one day and one night picture per
// shop size, and which of the two is shown at what hour. The pictures live
// in the floor view; the game routines that change them (the hour change of
// the shop tick, the shop enlargement) reach it through the platform.

// The day and night pictures of a shop size, below the program's folder.
struct FloorPictureFiles {
    const char* day;
    const char* night;
};
// Null for a shop size outside 1..3 (no picture is loaded then).
const FloorPictureFiles* FloorPicturesOfSize(int shopSize);

// Day is the hours 6..17; night 18..23 and 0..5.
bool IsDayHour(int hour);

enum class FloorSheet { Unchanged, Day, Night };
// After the pictures of a size were loaded: the one that fits the hour.
FloorSheet SheetAfterLoading(int hour);
// At an hour change: day at 6, night at 18, otherwise what is shown stays.
FloorSheet SheetAtHour(int hour);
