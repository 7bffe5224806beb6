#pragma once
// What a click on the floor view hits: a person under the pointer; else the
// floor spot, register place or service place under it, which is selected,
// with the window that buys for it (empty) or shows it (occupied). People
// are hit by their figure's rectangle, places by boxes in isometric
// coordinates (u = x / 2 + y, v = y - x / 2), only the places the current
// shop size has. The caller opens the window (commands/FloorViewClick.h).
#include <optional>

#include "platform/Window.h"
#include "state/GameState.h"

namespace FloorClick {
// Mouse buttons as the floor view reports them.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
}  // namespace FloorClick

enum class FloorHit { Nothing, Person, Spot, Register, Service };
struct FloorClickResult {
    FloorHit hit = FloorHit::Nothing;
    int number = 0;  // person slot, spot 1..61 or place 1..2
    std::optional<Window> window;  // the window to open, if any
};

// The click at scene point (x, y) with mouse button `button`: stores the
// place selection (SelectedSlot, SelectedRegisterSlot, SelectedServiceSlot;
// all 0 when a person was hit) and says what was hit and which window
// belongs to it (the person pop-up for a person). A right click changes
// nothing at all.
FloorClickResult HitFloor(GameState& g, int button, double x, double y);
