#pragma once
// A click on the floor view: a person under the pointer is inspected; else
// the floor spot, register place or service place under it is selected and
// the window that buys for it (empty) or shows it (occupied) opens. People
// are hit by their figure's rectangle, places by boxes in isometric
// coordinates (u = x / 2 + y, v = y - x / 2), only the places the current
// shop size has.
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
// selection (SelectedSlot, SelectedRegisterSlot, SelectedServiceSlot,
// ClickedPersonKind, ClickedPersonSlot) and says what was hit and which
// window belongs to it. A right click changes nothing at all.
FloorClickResult HitFloor(GameState& g, int button, double x, double y);

// The floor view's mouse-down: (x, y) in pixels of the view, turned into
// scene coordinates with the scroll offsets; opens the window of what was
// hit (modal; returns when it has closed).
FloorClickResult ClickFloor(GameState& g, int button, int x, int y);
