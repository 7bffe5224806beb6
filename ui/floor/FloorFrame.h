#pragma once
// Drawing one frame of the floor view off screen: the floor picture at the
// scroll position, every visible sprite as a masked copy out of the two
// sprite sheets, and the presentation of the finished frame (shifted while
// an earthquake shakes the floor). Kept apart from the window so that tests
// and the benchmark can draw frames without one.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

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
// The drawing half of it: the floor picture and the first `count` sprites of
// the visible list as CullAndSortFloorSprites left it.
void DrawFloorFrame(const GameState& g, int count, const FloorViewport& vp, const QImage& bitmap,
                    const FloorSpriteSheets& sheets, QImage& graphic);
// The same for the part `area` of the view alone: every pixel in it comes
// out as DrawFloorFrame would draw it, the pixels around it stay as they were.
void DrawFloorArea(const GameState& g, int count, const FloorViewport& vp, const QImage& bitmap,
                   const FloorSpriteSheets& sheets, QImage& graphic, const QRect& area);

// Everything a presented frame is made of: the viewport, the pictures, the
// sprites drawn in their order (position and source rectangle, in the whole
// pixels they are drawn at) and how the frame is presented. Two equal
// inputs present the same pixels, so the view draws a frame only when its
// inputs differ from those of the frame on the screen.
struct FloorFrameInputs {
    struct SpriteDraw {
        int x, y, srcX, srcY, width, height;
        bool operator==(const SpriteDraw&) const = default;
    };
    FloorViewport vp;
    std::int64_t bitmap = 0, mask = 0, colour = 0;  // QImage::cacheKey of each picture
    FloorPresent how = FloorPresent::Normal;
    std::vector<SpriteDraw> sprites;
    bool operator==(const FloorFrameInputs&) const = default;
};
FloorFrameInputs FloorFrameInputsOf(const GameState& g, int count, const FloorViewport& vp, const QImage& bitmap,
                                    const FloorSpriteSheets& sheets, FloorPresent how);

// Everything the next frame would be made of, read without drawing or
// culling anything: the viewport, the pictures, the shake, and every sprite of
// the draw list with its place, picture and depth. While two keys are equal,
// the view's frame stays what it is.
std::vector<std::int64_t> FloorInputsKey(const GameState& g, const FloorViewport& vp, const QImage& bitmap,
                                         const FloorSpriteSheets& sheets);

// Where the frame made of `next` differs from the one made of `shown`, both
// presented as composed: the places of the sprites that came, went or
// changed, and of those drawn in another order among the rest. The whole
// view when the viewport or a picture changed or either frame is shaken;
// nothing when the two are equal. The rectangles lie in the view.
std::vector<QRect> ChangedFloorArea(const FloorFrameInputs& shown, const FloorFrameInputs& next);

// The region of places that neither overlap nor touch, as ChangedFloorArea
// gives them, built in one go: a region is kept in bands of rows, and the
// places added to it one by one would each be merged with all the bands
// before.
QRegion RegionOfPlaces(const std::vector<QRect>& places);

// Copies the view (viewWidth x viewHeight from the top-left of `graphic`)
// onto `screen`, shifted as `how` says. Pixels a shifted copy leaves
// uncovered keep what `screen` held.
void PresentFloorFrame(FloorPresent how, const QImage& graphic, int viewWidth, int viewHeight, QImage& screen);

// Copies a w x h rectangle between two Format_RGB32 images, clipped to both.
void CopyRect(const QImage& from, QPoint fromAt, QImage& to, QPoint toAt, QSize size);
