#pragma once
// Drawing one frame of the floor view off screen: the floor picture at the
// scroll position, every visible sprite as a masked copy out of the two
// sprite sheets, and the presentation of the finished frame (shifted while
// an earthquake shakes the floor). Kept apart from the window so that tests
// and the benchmark can draw frames without one.
#include <QImage>

#include "state/GameState.h"
#include "floor/FloorRenderer.h"

// The two sprite sheets share one layout: where the mask is black the
// colour sheet's colours replace the floor, where it is white and the colour
// sheet black the floor stays.
struct FloorSpriteSheets {
    QImage mask;    // GraphicM
    QImage colour;  // GraphicC
};

// The size a sprite sheet must have for every source rectangle the game uses.
inline constexpr QSize kSpriteSheetSize{1024, 512};

// Loads both sheets. A sheet that cannot be read becomes a blank sheet of
// the needed size that draws nothing (a white mask, a black colour sheet),
// and the game goes on.
FloorSpriteSheets LoadFloorSpriteSheets();

// Loads a floor picture; one that cannot be read becomes a blank picture of
// the scene's size.
QImage LoadFloorPicture(const char* file, QSize sceneSize);

// Culls and sorts the sprites for `vp`, copies the view's part of `bitmap`
// to the top-left of `graphic` and draws the visible sprites back to front.
// `graphic` is the composition surface (Format_RGB32, inner size).
void ComposeFloorFrame(GameState& g, const FloorViewport& vp, const QImage& bitmap,
                       const FloorSpriteSheets& sheets, QImage& graphic);

// Copies the view (viewWidth x viewHeight from the top-left of `graphic`)
// onto `screen`, shifted as `how` says. Pixels a shifted copy leaves
// uncovered keep what `screen` held.
void PresentFloorFrame(FloorPresent how, const QImage& graphic, int viewWidth, int viewHeight, QImage& screen);

// Copies a w x h rectangle between two Format_RGB32 images, clipped to both.
void CopyRect(const QImage& from, QPoint fromAt, QImage& to, QPoint toAt, QSize size);
