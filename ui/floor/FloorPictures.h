#pragma once
// The floor picture behind the sprites: one day and one night picture per
// shop size, and which of the two is shown at what hour. The pictures live
// in the floor view (Form1); the game routines that change them (the hour
// change of the shop tick, the shop enlargement) call the functions at the
// bottom, which reach the open floor view and do nothing while it is closed.
#include <functional>

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

// What the open floor view does for the routines below.
struct FloorViewHooks {
    std::function<void()> loadShopGraphics;     // load the pictures of ShopSize, show by Hour
    std::function<void()> switchDayNightSheet;  // day at 6, night at 18
    std::function<void()> layOutAgain;          // the resize rule with the current ShopSize
};
// Installed by the floor view while it is open; empty hooks when it closes.
void SetFloorViewHooks(FloorViewHooks hooks);
void ClearFloorViewHooks();

// Loads the day and night floor pictures of the current ShopSize into the
// floor view and shows the one for the current Hour.
void LoadShopGraphics();
// Shows the day picture at hour 6 and the night picture at hour 18.
void SwitchDayNightSheet();
// Lays the floor view out again for the current ShopSize (after an
// enlargement).
void LayOutFloorViewAgain();
