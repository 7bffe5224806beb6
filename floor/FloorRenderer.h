#pragma once
// The floor view's per-frame bookkeeping that needs no window: which
// sprites overlap the view and in which order they are drawn, the frame of
// the animated window icon, and how an earthquake shakes the presented
// frame. The window (FloorViewWindow) does the drawing.
#include "state/GameState.h"

// What the view shows of the scene on this frame.
struct FloorViewport {
    int scrollX = 0, scrollY = 0;           // scene pixel at the view's top-left
    int innerWidth = 0, innerHeight = 0;    // the window's inner area, bars included
    int vScrollReserve = 0, hScrollReserve = 0;
    // The view proper: the inner area less the room of the shown bars.
    int viewWidth() const { return innerWidth - vScrollReserve; }
    int viewHeight() const { return innerHeight - hScrollReserve; }
    bool operator==(const FloorViewport&) const = default;
};

// The viewport the game state describes (scroll offsets and reserves) for
// an inner area of the given size.
FloorViewport ViewportOf(const GameState& g, int innerWidth, int innerHeight);

// Fills VisibleSprites / VisibleDepths / VisibleSpriteCount with the
// draw-list sprites that overlap the inner area (every edge inclusive), in
// draw-list order. Returns the count.
int CullFloorSprites(GameState& g, const FloorViewport& vp);

// Sorts the visible list by depth key, ascending; equal keys keep their
// order (insertion by neighbour exchanges, which suits a list that is
// nearly sorted from one frame to the next).
void SortFloorSprites(GameState& g);

// One frame's worth of both.
int CullAndSortFloorSprites(GameState& g, const FloorViewport& vp);

constexpr int kFloorIconFrames = 24;

// Advances the window icon by one firing (FloorIconTicks and
// FloorIconPhase) and returns the icon frame 0..23 to show, or -1 when the
// icon stays as it is. One cycle takes 75 firings: frames 0..23 up, a rest,
// 23..0 down, a rest, then four quick frames.
int AdvanceFloorIcon(GameState& g);
// How many firings from now the icon first shows a frame other than `shown`
// (1 when the next firing does), leaving the game as it is.
int FloorIconFiringsToChange(const GameState& g, int shown);

// How the composed frame reaches the window on this firing.
enum class FloorPresent {
    Normal,       // the view as composed
    ShiftRight,   // 10 pixels right, the right-most 10 columns dropped
    ShiftDown,    // 10 pixels down, the bottom 10 rows dropped
};
constexpr int kQuakeShift = 10;

// Reads QuakeShake and steps ShakePhase: while the floor shakes, shifted
// and normal frames alternate. ShakePhase is left as it is when the shake
// ends, so a new shake may begin on a normal frame.
FloorPresent NextFloorPresent(GameState& g);
