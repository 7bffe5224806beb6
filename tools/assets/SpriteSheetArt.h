#pragma once
// Shared pixel-art tools and the drawing entry points of the floor sprite
// sheet. Every picture is drawn on a transparent ARGB canvas: a pixel is
// either fully transparent (the floor shows through) or fully opaque (the
// sprite's colour). SpriteSheets.cpp turns the canvases into the mask and
// colour sheets.
#include <QImage>
#include <QPoint>
#include <QPolygonF>
#include <QRgb>
#include <vector>

namespace sheetart {

using Rgb = QRgb;

inline constexpr Rgb rgb(int r, int g, int b) { return 0xFF000000u | (unsigned(r) << 16) | (unsigned(g) << 8) | unsigned(b); }

// The dark line drawn around figures and small objects so that they read on
// any floor colour.
inline constexpr Rgb kInk = rgb(34, 28, 26);

QImage canvas(int w, int h);
void put(QImage& im, int x, int y, Rgb c);
void fill(QImage& im, int x, int y, int w, int h, Rgb c);
// Vertical run from y0 to y1, both included.
void vrun(QImage& im, int x, int y0, int y1, Rgb c);
bool opaque(const QImage& im, int x, int y);
Rgb at(const QImage& im, int x, int y);
// A colour made lighter (percent > 100) or darker (percent < 100).
Rgb shade(Rgb c, int percent);
// Surrounds every opaque area with a one-pixel line of `c` (4-neighbours).
void outline(QImage& im, Rgb c);
// Left-right mirror: figures are drawn facing right and mirrored for left.
QImage mirrored(const QImage& im);
// Copies the opaque pixels of `src` onto `dst` at (x, y).
void blit(QImage& dst, const QImage& src, int x, int y);
// Filled shapes without anti-aliasing, so every pixel is hard.
void polygon(QImage& im, const QPolygonF& poly, Rgb c);
void ellipse(QImage& im, double cx, double cy, double rx, double ry, Rgb c);
void line(QImage& im, QPoint a, QPoint b, Rgb c);
// A cheap repeatable hash, so "random" book colours are the same every build.
unsigned hash(unsigned a, unsigned b = 0, unsigned c = 0);

// ---- Isometric boxes ----

// A box standing on the floor. Its visible long side starts at ground point
// (x0, y0) and runs `len` pixels across, down-right (dir +1) or up-right
// (dir -1); its depth is `depth` pixels across and its height `height`.
struct Box {
    double x0, y0;
    int len, dir, depth, height;

    // Ground corners: front-start, front-end, back-end, back-start.
    QPointF a() const { return {x0, y0}; }
    QPointF b() const { return {x0 + len, y0 + dir * len / 2.0}; }
    QPointF backStep() const { return dir > 0 ? QPointF(depth, -depth / 2.0) : QPointF(-depth, -depth / 2.0); }
    QPointF c() const { return b() + backStep(); }
    QPointF d() const { return a() + backStep(); }
    // Ground y of the long side at x.
    double ground(double x) const { return y0 + dir * (x - x0) / 2.0; }
};

inline QPointF up(QPointF p, double h) { return {p.x(), p.y() - h}; }

// Fills a convex polygon by sampling pixel centres, so shared edges of
// neighbouring faces meet without gaps or double rows.
void convex(QImage& im, const std::vector<QPointF>& pts, Rgb c);

// The three visible faces of a box.
struct Faces {
    Rgb top, front, end;
};
void drawBox(QImage& im, const Box& bx, const Faces& f);
// Paints on the long side in its own coordinates: s pixels along it from its
// start, t pixels up from the floor. Columns stay vertical and rows follow the
// slope, so shelves and book spines line up with the box.
void onFront(QImage& im, const Box& bx, int s, int t, int w, int h, Rgb c);
// The same on the visible end: s pixels from the corner where it meets the
// long side, going away from it.
void onEnd(QImage& im, const Box& bx, int s, int t, int w, int h, Rgb c);
// Dark lines along the back edges of the top, so the box reads on the floor.
void edgeLines(QImage& im, const Box& bx, Rgb c);

// ---- Pictures. Each returns a canvas of exactly the frame size. ----

// People: one column of 7 frames x 4 headings (112 x 128) per look, and the
// 32-pixel-wide cyclist set (128 x 64) per look.
QImage personColumn(int look);
QImage cyclistColumn(int look);

// Fixtures: one block of three facings (42 + 44 + 44 = 130 wide, 51 high) per
// fixture row; stage 3 is full shelves, 0 empty ones.
QImage fixtureBlock(int row, int stage);

// Counter equipment.
QImage registerPicture(int model, int position, int w, int h);
QImage counterMachine(int row, int position, int w, int h);

// Doors, the street fence, litter and fire.
QImage doorLeaf(int leaf);
QImage doorCover();
QImage doorAwning();
QImage wallPost();
QImage litter();
QImage flame(int frame);

// Scenery that the game cuts into several depth pieces is drawn whole, per
// shop size and layer, in floor coordinates: pixel (x, y) of the floor is at
// (x - origin.x, y - origin.y) of the returned canvas. The layers are kept
// apart because a piece's rectangle may reach over another layer's things,
// and each piece must only carry its own.
enum SceneLayer { kCounter = 0, kBackWalls = 1, kFront = 2 };
struct Scene {
    QImage image;
    QPoint origin;
};
Scene shopScene(int shopSize, int layer);

}  // namespace sheetart
