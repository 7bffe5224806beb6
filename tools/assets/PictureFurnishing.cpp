// The furnishing pictures of the purchase and information windows: the nine
// fixtures (six shelves and three floor machines), 100 x 100, and the six
// cash registers and four service machines, 96 x 72 (the sizes of the
// windows' picture boxes).
//
// They are the things of the shop floor drawn larger, in the same isometric
// view and colours as the floor sprites, so the shelf a player picks in a
// window is the one that then stands on the floor. The fixtures all share
// one scale and stand on the same patch of floor, so that paging through
// them shows which shelf is the taller or the wider; the registers and the
// service machines stand on a piece of the counter and are drawn as large as
// the picture allows.
#include "tools/assets/PictureFurnishing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assets/PictureKit.h"
#include "tools/assets/WindowPictureKit.h"

namespace {

using pic::kInk;

constexpr int kFixtureSide = 100;                // the fixture pictures, square
constexpr int kCounterW = 96, kCounterH = 72;    // the register and service-machine pictures
// The service machines are drawn on a 96 x 96 board and shrunk to fit.
constexpr double kServiceBoard = 96, kServiceScale = 0.75;

QColor Shade(QColor c, double f) { return pic::Scale(c, f); }
QColor Lighter(QColor c, double t) { return pic::Mix(c, Qt::white, t); }

// ---------------------------------------------------------------------------
// Isometric boxes
//
// A box stands on the floor with its long side running down-right, as the
// fixtures stand on the floor's spots. A point of it is named in units by
// s (along the long side), d (back across its depth) and t (up); `u` is the
// size of a unit in pixels. We see the long side (the front, d = 0), the
// right end (s = len) and the top (t = height).
struct IsoBox {
    QPointF a;  // the front's left ground corner, in pixels
    double u;
    double len, depth, height;

    QPointF P(double s, double d, double t) const { return a + QPointF((s + d) * u, ((s - d) / 2.0 - t) * u); }

    QPolygonF Front(double s0, double s1, double t0, double t1) const {
        return {{P(s0, 0, t0), P(s1, 0, t0), P(s1, 0, t1), P(s0, 0, t1)}};
    }
    QPolygonF End(double d0, double d1, double t0, double t1) const {
        return {{P(len, d0, t0), P(len, d1, t0), P(len, d1, t1), P(len, d0, t1)}};
    }
    QPolygonF Top(double s0, double s1, double d0, double d1) const {
        return {{P(s0, d0, height), P(s1, d0, height), P(s1, d1, height), P(s0, d1, height)}};
    }
    QPolygonF Silhouette() const {
        return {{P(0, 0, 0), P(len, 0, 0), P(len, depth, 0), P(len, depth, height), P(0, depth, height), P(0, 0, height)}};
    }
    QPolygonF Footprint(double grow = 0) const {
        return {{P(-grow, -grow, 0), P(len + grow, -grow, 0), P(len + grow, depth + grow, 0), P(-grow, depth + grow, 0)}};
    }
    // A box standing on this one's top (or on its floor, t0 = 0) at (s, d).
    IsoBox On(double s, double d, double t0, double l, double dp, double h) const {
        return {P(s, d, t0), u, l, dp, h};
    }
};

struct Faces {
    QColor top, front, end;
};

void Quad(QPainter& p, const QPolygonF& poly, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
}

void Ink(QPainter& p, const IsoBox& b, double width = 1.0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(b.Silhouette());
}

// The three faces, the edges between them in a darker tone, and the ink
// line round the whole.
void DrawBox(QPainter& p, const IsoBox& b, const Faces& f, bool ink = true) {
    Quad(p, b.Front(0, b.len, 0, b.height), f.front);
    Quad(p, b.End(0, b.depth, 0, b.height), f.end);
    Quad(p, b.Top(0, b.len, 0, b.depth), f.top);
    p.setPen(QPen(Lighter(f.top, 0.35), 0.7));
    p.drawLine(b.P(0, 0, b.height), b.P(b.len, 0, b.height));
    p.drawLine(b.P(b.len, 0, b.height), b.P(b.len, b.depth, b.height));
    p.setPen(QPen(Shade(f.end, 0.7), 0.6));
    p.drawLine(b.P(b.len, 0, 0), b.P(b.len, 0, b.height));
    if (ink) Ink(p, b);
}

// Painting on a face in its own flat coordinates: x runs along the face
// and y down it, one unit per box unit.
QTransform Onto(const QPolygonF& target, double w, double h) {
    QTransform t;
    QTransform::quadToQuad(QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)}), target, t);
    return t;
}
QTransform FrontFlat(const IsoBox& b, double s0, double s1, double t0, double t1) {
    return Onto(QPolygonF({b.P(s0, 0, t1), b.P(s1, 0, t1), b.P(s1, 0, t0), b.P(s0, 0, t0)}), s1 - s0, t1 - t0);
}
QTransform EndFlat(const IsoBox& b, double d0, double d1, double t0, double t1) {
    return Onto(QPolygonF({b.P(b.len, d0, t1), b.P(b.len, d1, t1), b.P(b.len, d1, t0), b.P(b.len, d0, t0)}), d1 - d0,
                t1 - t0);
}
// The top seen as a sheet lying on it: x along the long side, y from the
// back edge towards the viewer.
QTransform TopFlat(const IsoBox& b, double s0, double s1, double d0, double d1) {
    const double h = b.height;
    return Onto(QPolygonF({b.P(s0, d1, h), b.P(s1, d1, h), b.P(s1, d0, h), b.P(s0, d0, h)}), s1 - s0, d1 - d0);
}

// A unit-sized pen for flat drawing: `px` pixels wide.
QPen FlatPen(QColor c, const IsoBox& b, double px = 1.0) { return QPen(c, px / b.u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Text made as large as fits in `box` (in the painter's current units).
void FitText(QPainter& p, const QRectF& box, const QString& text, QColor colour) {
    const QFont f = pic::SansFont(100, true);
    const QRectF tight = QFontMetricsF(f).tightBoundingRect(text);
    const double k = std::min(box.width() / tight.width(), box.height() / tight.height());
    p.save();
    p.translate(box.center());
    p.scale(k, k);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QPointF(-tight.center().x(), -tight.center().y()), text);
    p.restore();
}

// ---------------------------------------------------------------------------
// Backgrounds

const QColor kSkyTop(0xf2, 0xf5, 0xf8), kSkyBottom(0xd2, 0xdb, 0xe6);
const QColor kFrame(0x8a, 0x96, 0xa8);
const QColor kTileA(0xef, 0xe2, 0xc4), kTileB(0xe0, 0xcf, 0xab), kTileLine(0xcd, 0xb9, 0x92);  // the shop's floor
const QColor kCounterTop(0xd8, 0xae, 0x74), kCounterFront(0xa8, 0x70, 0x40), kCounterEnd(0x8e, 0x5c, 0x34);

void Sky(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, kSkyTop);
    g.setColorAt(1, kSkyBottom);
    p.fillRect(QRectF(0, 0, w, h), g);
}

void FrameLine(QPainter& p, int w, int h) {
    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

// A patch of the shop's tiled floor round a spot.
void FloorPatch(QPainter& p, const IsoBox& spot) {
    constexpr double kTile = 8.0, kMargin = 4.0;
    const double s0 = -kMargin, s1 = spot.len + kMargin, d0 = -kMargin, d1 = spot.depth + kMargin;
    int i = 0;
    for (double s = s0; s < s1 - 0.01; s += kTile, ++i) {
        int j = 0;
        for (double d = d0; d < d1 - 0.01; d += kTile, ++j) {
            const double se = std::min(s + kTile, s1), de = std::min(d + kTile, d1);
            Quad(p, QPolygonF({spot.P(s, d, 0), spot.P(se, d, 0), spot.P(se, de, 0), spot.P(s, de, 0)}),
                 (i + j) % 2 ? kTileB : kTileA);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTileLine, 0.6));
    for (double s = s0 + kTile; s < s1 - 0.01; s += kTile) p.drawLine(spot.P(s, d0, 0), spot.P(s, d1, 0));
    for (double d = d0 + kTile; d < d1 - 0.01; d += kTile) p.drawLine(spot.P(s0, d, 0), spot.P(s1, d, 0));
    p.setPen(QPen(Shade(kTileLine, 0.85), 0.8));
    p.drawPolygon(QPolygonF({spot.P(s0, d0, 0), spot.P(s1, d0, 0), spot.P(s1, d1, 0), spot.P(s0, d1, 0)}));
}

void Shadow(QPainter& p, const IsoBox& b, double grow = 0.8) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20, 60));
    p.drawPolygon(b.Footprint(grow));
}

// A piece of the shop counter, its top at the object's floor level.
void Counter(QPainter& p, const IsoBox& on) {
    const double margin = 40.0 / on.u;  // well past the picture's edges
    const double thick = 10.0 / on.u;
    const double before = 8.0 / on.u;  // how far the top reaches in front of the object
    IsoBox top = on.On(-margin, -before, -thick, on.len + 2 * margin, on.depth + 2 * before, thick);
    DrawBox(p, top, {kCounterTop, kCounterFront, kCounterEnd}, false);
    // The grain of the wood and the lip along the front.
    p.setPen(QPen(Shade(kCounterTop, 0.9), 0.6));
    for (double d = 2.5 / on.u; d < top.depth; d += 5.0 / on.u)
        p.drawLine(top.P(0, d, top.height), top.P(top.len, d, top.height));
    p.setPen(QPen(Lighter(kCounterTop, 0.4), 1.0));
    p.drawLine(top.P(0, 0, top.height), top.P(top.len, 0, top.height));
    p.setPen(QPen(Shade(kCounterFront, 0.75), 0.8));
    p.drawLine(top.P(0, 0, top.height - 3.0 / on.u), top.P(top.len, 0, top.height - 3.0 / on.u));
}

// ---------------------------------------------------------------------------
// Fixtures

// The fixtures share one scale and one spot: 26 units along and 18 across,
// as on the floor.
constexpr double kFixtureUnit = 1.65;
constexpr double kSpotLen = 26, kSpotDepth = 18;

IsoBox Spot() {
    const double w = (kSpotLen + kSpotDepth) * kFixtureUnit;
    const double groundFront = 93.0;  // the spot's lowest corner
    return {QPointF((kFixtureSide - w) / 2.0, groundFront - kSpotLen / 2.0 * kFixtureUnit), kFixtureUnit, kSpotLen, kSpotDepth,
            0};
}

struct ShelfStyle {
    const char* what;
    int tiers;
    double height;
    QColor frame, endPanel;
    bool castors;
};

// The six shelf models, roomier one after another; the same frames and end
// panels as on the floor.
const ShelfStyle kShelves[6] = {
    {"low steel shelf, 40 copies", 2, 17, QColor(150, 162, 180), QColor(120, 132, 150), false},
    {"cream shelf, 60 copies", 3, 21, QColor(226, 212, 182), QColor(200, 184, 150), false},
    {"wooden shelf on castors, 80 copies", 3, 21, QColor(176, 118, 64), QColor(150, 96, 50), true},
    {"white shelf with a teal end, 100 copies", 4, 25, QColor(238, 238, 234), QColor(40, 150, 150), false},
    {"dark wooden shelf, 120 copies", 4, 27, QColor(120, 78, 44), QColor(96, 60, 34), false},
    {"tall navy shelf with a gold end, 150 copies", 5, 28, QColor(48, 62, 108), QColor(212, 170, 60), false},
};

const QColor kSpines[] = {
    QColor(206, 52, 52),  QColor(52, 96, 196),  QColor(60, 156, 84),   QColor(232, 192, 50),
    QColor(234, 124, 40), QColor(134, 74, 166), QColor(40, 154, 154),  QColor(242, 232, 204),
    QColor(154, 94, 52),  QColor(232, 124, 156), QColor(40, 52, 116), QColor(246, 246, 240),
};
constexpr int kSpineCount = sizeof kSpines / sizeof kSpines[0];

void DrawShelf(QPainter& p, int row) {
    const ShelfStyle& st = kShelves[row];
    const IsoBox spot = Spot();
    FloorPatch(p, spot);
    const double lift = st.castors ? 2.0 : 0.0;
    const IsoBox bx = spot.On(0, 0, lift, kSpotLen, kSpotDepth, st.height);
    Shadow(p, spot.On(0, 0, 0, kSpotLen, kSpotDepth, 0), 0.6);
    if (st.castors) {
        for (QPointF c : {spot.P(1.6, 1.4, 1.0), spot.P(kSpotLen - 1.6, 1.4, 1.0), spot.P(kSpotLen - 1.4, kSpotDepth - 1.6, 1.0)}) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(QColor(44, 44, 48));
            p.drawEllipse(c, 1.7, 1.9);
            p.setBrush(QColor(150, 150, 156));
            p.drawEllipse(c, 0.6, 0.6);
        }
    }
    const Faces f{Lighter(st.frame, 0.18), st.frame, st.endPanel};
    DrawBox(p, bx, f, false);

    // The tiers: a dark back, a board under each, and a row of books.
    const double kick = 2.0, rail = 1.4, post = 1.3;
    const double tierH = (st.height - kick - rail) / st.tiers;
    const QColor back = Shade(st.frame, 0.38);
    for (int tier = 0; tier < st.tiers; ++tier) {
        const double t0 = kick + tier * tierH, t1 = t0 + tierH;
        const double board = 0.7;
        Quad(p, bx.Front(post, bx.len - post, t0 + board, t1), back);
        Quad(p, bx.Front(post, bx.len - post, t1 - 0.55, t1), Shade(back, 0.7));
        double s = post + 0.35;
        int k = 0;
        while (s < bx.len - post - 0.6) {
            const double r = pic::Hash01(row * 31 + tier, k, 7);
            const double w = std::min(0.85 + 0.25 * std::floor(r * 4), bx.len - post - 0.3 - s);
            const double room = tierH - board - 0.75;
            const double bh = room * (0.72 + 0.28 * pic::Hash01(row, tier * 50 + k, 8));
            const QColor spine = kSpines[int(pic::Hash01(row + 3, tier * 40 + k, 9) * kSpineCount)];
            if (pic::Hash01(row, tier * 60 + k, 10) > 0.05) {
                Quad(p, bx.Front(s, s + w - 0.12, t0 + board, t0 + board + bh), spine);
                Quad(p, bx.Front(s + w - 0.4, s + w - 0.12, t0 + board, t0 + board + bh), Shade(spine, 0.72));
                if (pic::Hash01(row, tier * 70 + k, 11) > 0.55)
                    Quad(p, bx.Front(s + 0.05, s + w - 0.45, t0 + board + bh * 0.62, t0 + board + bh * 0.74),
                         Lighter(spine, 0.55));
            }
            s += w;
            ++k;
        }
        Quad(p, bx.Front(0, bx.len, t0, t0 + board), Shade(st.frame, 0.86));
        p.setPen(QPen(Lighter(st.frame, 0.3), 0.5));
        p.drawLine(bx.P(post, 0, t0 + board), bx.P(bx.len - post, 0, t0 + board));
    }
    // The edges of the uprights.
    p.setPen(QPen(Shade(st.frame, 0.7), 0.6));
    p.drawLine(bx.P(post, 0, kick), bx.P(post, 0, st.height - rail));
    p.drawLine(bx.P(bx.len - post, 0, kick), bx.P(bx.len - post, 0, st.height - rail));
    // The centre board along the top, and the sign on the end.
    p.setPen(QPen(Shade(f.top, 0.82), 0.9));
    p.drawLine(bx.P(0.5, kSpotDepth / 2, st.height), bx.P(bx.len - 0.5, kSpotDepth / 2, st.height));
    Quad(p, bx.End(kSpotDepth / 2 - 3.5, kSpotDepth / 2 + 3.5, st.height - 8.5, st.height - 2.5), Lighter(st.endPanel, 0.45));
    Quad(p, bx.End(kSpotDepth / 2 - 2.5, kSpotDepth / 2 + 2.5, st.height - 7.5, st.height - 3.5), kSpines[(row * 5) % kSpineCount]);
    p.save();
    p.setWorldTransform(EndFlat(bx, kSpotDepth / 2 - 2.5, kSpotDepth / 2 + 2.5, st.height - 7.5, st.height - 3.5), true);
    p.setPen(FlatPen(Qt::white, bx, 0.9));
    p.drawLine(QPointF(1.0, 1.3), QPointF(4.0, 1.3));  // a book drawn on the sign
    p.drawLine(QPointF(1.0, 2.7), QPointF(3.2, 2.7));
    p.restore();
    // The end panel's kick plate.
    Quad(p, bx.End(0, kSpotDepth, 0, kick), Shade(st.endPanel, 0.8));
    Ink(p, bx);
}

// A machine stands in the middle of its spot.
IsoBox MachineBox(double len, double depth, double height) {
    return Spot().On((kSpotLen - len) / 2, (kSpotDepth - depth) / 2, 0, len, depth, height);
}

void DrawVendingMachine(QPainter& p) {
    FloorPatch(p, Spot());
    const IsoBox bx = MachineBox(14, 10, 34);
    Shadow(p, bx);
    const QColor body(212, 40, 48);
    DrawBox(p, bx, {QColor(176, 178, 186), body, Shade(body, 0.78)}, false);
    // The lit sign along the top.
    Quad(p, bx.Front(1, 13, 30.5, 33), QColor(250, 250, 246));
    p.save();
    p.setWorldTransform(FrontFlat(bx, 1, 13, 30.5, 33), true);
    p.setPen(FlatPen(body, bx, 1.3));
    QPainterPath wave;
    wave.moveTo(1, 1.6);
    wave.cubicTo(4, 0.2, 7, 2.6, 11, 0.9);
    p.drawPath(wave);
    p.restore();
    // The window of cans: three rows of four, each with its button.
    Quad(p, bx.Front(1.5, 12.5, 13, 29.5), QColor(24, 40, 86));
    const QColor cans[] = {QColor(250, 220, 60), QColor(60, 190, 90), QColor(250, 250, 250), QColor(60, 140, 240)};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) {
            const double s = 2.6 + 2.55 * k, t = 15.2 + 5.0 * r;
            const QColor can = cans[(r + k) % 4];
            Quad(p, bx.Front(s, s + 1.7, t, t + 3.3), can);
            Quad(p, bx.Front(s + 1.15, s + 1.7, t, t + 3.3), Shade(can, 0.75));
            Quad(p, bx.Front(s, s + 1.7, t + 2.9, t + 3.3), QColor(210, 210, 214));
            Quad(p, bx.Front(s + 0.3, s + 1.4, t - 1.4, t - 0.7), QColor(240, 240, 240));
        }
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawLine(bx.P(3, 0, 28.5), bx.P(10, 0, 14));  // the glass's glint
    // Coin slot and change return, and the flap below.
    Quad(p, bx.Front(9.6, 12.5, 5.5, 11.5), QColor(200, 200, 206));
    Quad(p, bx.Front(10.5, 11.6, 9.2, 10.6), QColor(40, 40, 44));
    Quad(p, bx.Front(10.2, 11.9, 6.3, 7.4), QColor(90, 90, 96));
    Quad(p, bx.Front(1.5, 8.8, 2.2, 6.2), QColor(30, 30, 34));
    Quad(p, bx.Front(1.5, 8.8, 5.6, 6.2), QColor(70, 70, 76));
    // The brand's white waves down the side.
    p.save();
    p.setWorldTransform(EndFlat(bx, 0, 10, 0, 34), true);
    p.setPen(FlatPen(QColor(250, 250, 250), bx, 1.6));
    for (double y : {12.0, 17.0}) {
        QPainterPath w;
        w.moveTo(1.5, y);
        w.cubicTo(4, y - 2.2, 6, y + 2.2, 8.5, y);
        p.drawPath(w);
    }
    p.restore();
    Ink(p, bx);
}

void DrawClawMachine(QPainter& p) {
    FloorPatch(p, Spot());
    const IsoBox bx = MachineBox(22, 18, 30);
    Shadow(p, bx);
    const QColor cabinet(236, 112, 164);
    DrawBox(p, bx, {QColor(250, 210, 80), cabinet, Shade(cabinet, 0.78)}, false);
    const double glass0 = 12, glass1 = 26;
    // The glass case: the far panes first, then the prizes, the claw and the
    // glint on the near panes.
    Quad(p, bx.Front(1, 21, glass0, glass1), QColor(200, 236, 248));
    Quad(p, bx.End(1, 17, glass0, glass1), QColor(172, 212, 230));
    const QColor toys[] = {QColor(250, 200, 60), QColor(120, 200, 250), QColor(250, 120, 120), QColor(160, 230, 120),
                           QColor(200, 150, 240), QColor(250, 170, 90)};
    for (int layer = 0; layer < 2; ++layer)
        for (int k = 0; k < 6; ++k) {
            const double s = 2.8 + 3.3 * k + layer * 1.5, t = glass0 + 1.4 + layer * 2.0 + ((k + layer) % 2) * 0.6;
            if (s > 20) continue;
            const QPointF c = bx.P(s, 0, t);
            const QColor toy = toys[(k + 2 * layer) % 6];
            p.setPen(QPen(Shade(toy, 0.6), 0.6));
            p.setBrush(toy);
            p.drawEllipse(c, 2.6, 2.3);
            p.drawEllipse(c + QPointF(-1.8, -2.0), 0.9, 0.9);  // ears
            p.drawEllipse(c + QPointF(1.8, -2.0), 0.9, 0.9);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 30, 30));
            p.drawEllipse(c + QPointF(-0.8, -0.3), 0.35, 0.35);
            p.drawEllipse(c + QPointF(0.8, -0.3), 0.35, 0.35);
        }
    // The claw on its cable.
    const QPointF hang = bx.P(11, 0, glass1), clawTop = bx.P(11, 0, glass1 - 7);
    p.setPen(QPen(QColor(120, 120, 130), 0.8));
    p.drawLine(hang, clawTop);
    p.setPen(QPen(QColor(90, 90, 100), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(clawTop.x() - 1.8, clawTop.y(), 3.6, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath prongs;
    prongs.moveTo(clawTop + QPointF(-1.6, 2.2));
    prongs.quadTo(clawTop + QPointF(-4.2, 4.5), clawTop + QPointF(-2.2, 6.5));
    prongs.moveTo(clawTop + QPointF(1.6, 2.2));
    prongs.quadTo(clawTop + QPointF(4.2, 4.5), clawTop + QPointF(2.2, 6.5));
    p.drawPath(prongs);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.1));
    p.drawLine(bx.P(3, 0, glass1 - 1.5), bx.P(7, 0, glass0 + 5));
    p.drawLine(bx.P(bx.len, 3, glass1 - 2), bx.P(bx.len, 7, glass0 + 4));
    p.setPen(QPen(Shade(cabinet, 0.7), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(bx.Front(1, 21, glass0, glass1));
    p.drawPolygon(bx.End(1, 17, glass0, glass1));
    // The marquee with its lights, all round the top.
    Quad(p, bx.Front(0, bx.len, glass1, bx.height), QColor(250, 214, 70));
    Quad(p, bx.End(0, bx.depth, glass1, bx.height), QColor(226, 188, 56));
    for (double s = 1.2; s < bx.len; s += 2.4) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(bx.P(s, 0, glass1 + 2), 0.9, 0.9);
    }
    for (double d = 1.2; d < bx.depth; d += 2.4) p.drawEllipse(bx.P(bx.len, d, glass1 + 2), 0.8, 0.8);
    // The control panel: joystick and button; the prize chute below.
    Quad(p, bx.Front(1, 21, 8.5, 11.2), QColor(60, 60, 70));
    const QPointF stick = bx.P(6, 0, 10);
    p.setPen(QPen(QColor(30, 30, 30), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(stick, stick + QPointF(0, -3.4));
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(QColor(240, 40, 40));
    p.drawEllipse(stick + QPointF(0, -3.8), 1.4, 1.4);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(bx.P(15, 0, 9.8), 1.5, 1.1);
    Quad(p, bx.Front(3.5, 8.5, 2.5, 6.5), QColor(70, 44, 70));
    Quad(p, bx.Front(3.5, 8.5, 5.8, 6.5), QColor(120, 90, 120));
    Ink(p, bx);
}

void DrawPhotoBooth(QPainter& p) {
    FloorPatch(p, Spot());
    const IsoBox bx = MachineBox(26, 18, 28);
    Shadow(p, bx);
    const QColor body(60, 112, 206);
    DrawBox(p, bx, {QColor(230, 234, 244), body, Shade(body, 0.78)}, false);
    // The curtained doorway.
    const QColor curtain(204, 40, 60);
    Quad(p, bx.Front(1.8, 15, 0, 21), Shade(curtain, 0.45));
    Quad(p, bx.Front(2, 15, 1.5, 21), curtain);
    for (double s = 3.2; s < 15; s += 2.6) {
        Quad(p, bx.Front(s, s + 0.7, 1.5, 21), Shade(curtain, 0.72));
        Quad(p, bx.Front(s + 1.2, s + 1.6, 1.5, 21), Lighter(curtain, 0.25));
    }
    Quad(p, bx.Front(1.6, 15.4, 20.6, 21.8), QColor(214, 214, 220));
    // Someone's feet under the curtain.
    Quad(p, bx.Front(6.5, 8.2, 0, 1.3), QColor(60, 40, 30));
    Quad(p, bx.Front(9.2, 10.9, 0, 1.3), QColor(60, 40, 30));
    // Sample photos beside it.
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 2; ++k) {
            const double s = 16.8 + 4.2 * k, t = 7.5 + 6.2 * r;
            Quad(p, bx.Front(s, s + 3.4, t, t + 4.6), QColor(250, 250, 250));
            p.save();
            p.setWorldTransform(FrontFlat(bx, s, s + 3.4, t, t + 4.6), true);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(180, 210, 240));
            p.drawRect(QRectF(0.4, 0.4, 2.6, 3.4));
            p.setBrush(QColor(236, 188, 150));
            p.drawEllipse(QPointF(1.7, 1.9), 0.8, 0.9);
            p.drawRect(QRectF(0.8, 2.8, 1.8, 1.0));
            p.setBrush((r + k) % 2 ? QColor(60, 40, 30) : QColor(150, 80, 40));
            p.drawRect(QRectF(0.9, 0.8, 1.6, 0.6));
            p.restore();
        }
    // The sign along the top with a camera on it.
    Quad(p, bx.Front(0, bx.len, 23, 28), QColor(252, 220, 70));
    Quad(p, bx.End(0, bx.depth, 23, 28), QColor(226, 194, 56));
    p.save();
    p.setWorldTransform(FrontFlat(bx, 0, 26, 23, 28), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 46));
    p.drawRoundedRect(QRectF(9.5, 1.2, 7, 3.2), 0.6, 0.6);
    p.drawRect(QRectF(11, 0.6, 2, 0.8));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(13, 2.8), 1.2, 1.2);
    p.setBrush(QColor(40, 40, 46));
    p.drawEllipse(QPointF(13, 2.8), 0.6, 0.6);
    p.restore();
    // A gold star on the end.
    p.save();
    p.setWorldTransform(EndFlat(bx, 0, bx.depth, 0, bx.height), true);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double rr = i % 2 ? 1.3 : 3.0, ang = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(9 + rr * std::cos(ang), 13 + rr * std::sin(ang));
    }
    p.setPen(FlatPen(Shade(QColor(252, 220, 70), 0.6), bx, 0.6));
    p.setBrush(QColor(252, 220, 70));
    p.drawPolygon(star);
    p.restore();
    Ink(p, bx);
}

// ---------------------------------------------------------------------------
// Cash registers, on the counter

// Places a register box of `len` by `depth` units (u pixels each) so that
// it sits in the middle of the picture with its front corner `low` pixels
// from the top.
IsoBox Centred(double u, double len, double depth, double height, double low) {
    const double w = (len + depth) * u;
    return {QPointF((kCounterW - w) / 2.0, low - len / 2.0 * u), u, len, depth, height};
}

void Keys(QPainter& p, const IsoBox& b, double s0, double d0, int cols, int rows, double pitchS, double pitchD,
          double size, QColor key, QColor special, int specialCol, int specialRow, bool round) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const QColor k = (c == specialCol && r == specialRow) ? special : key;
            const double s = s0 + c * pitchS, d = d0 + r * pitchD;
            if (round) {
                const QPointF q = b.P(s + size / 2, d + size / 2, b.height);
                p.setPen(QPen(Shade(k, 0.55), 0.5));
                p.setBrush(k);
                p.drawEllipse(q, size * b.u * 0.55, size * b.u * 0.36);
            } else {
                Quad(p, QPolygonF({b.P(s, d, b.height), b.P(s + size, d, b.height), b.P(s + size, d + size, b.height),
                                   b.P(s, d + size, b.height)}),
                     k);
                p.setPen(QPen(Shade(k, 0.6), 0.45));
                p.drawLine(b.P(s, d, b.height), b.P(s + size, d, b.height));
            }
        }
}

// A soroban standing on its long edge: one bead above the beam and four
// below on each rod. The last four rods are set to the abacus's own price.
void Abacus(QPainter& p) {
    const double len = 22, thick = 2.2, high = 12, rim = 1.2;
    const IsoBox bx = Centred(2.5, len, thick, high, 66);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    const QColor wood(150, 92, 46);
    const Faces frame{Lighter(wood, 0.25), wood, Shade(wood, 0.7)};
    DrawBox(p, bx.On(0, 0, high - rim, len, thick, rim), frame);  // top rail
    DrawBox(p, bx.On(0, 0, 0, len, thick, rim), frame);            // bottom rail
    DrawBox(p, bx.On(0, 0, 0, rim, thick, high), frame);           // left post

    // Rods and beads lie in the frame's middle plane.
    const IsoBox mid = bx.On(0, thick / 2, 0, len, 0, high);
    const double beamTop = 3.4, beamBottom = 4.2;  // down from the top, in units
    const int kRods = 10;
    const int price[kRods] = {0, 0, 0, 0, 0, 0, 2, 9, 8, 0};
    p.save();
    p.setWorldTransform(FrontFlat(mid, 0, len, 0, high), true);
    p.setPen(FlatPen(QColor(214, 200, 170), bx, 1.0));
    for (int rod = 0; rod < kRods; ++rod) {
        const double x = 2.0 + rod * 2.0;
        p.drawLine(QPointF(x, rim), QPointF(x, high - rim));
    }
    auto bead = [&](double x, double y, QColor c) {
        const QPolygonF shape({QPointF(x - 1.0, y + 0.5), QPointF(x - 0.45, y), QPointF(x + 0.45, y), QPointF(x + 1.0, y + 0.5),
                               QPointF(x + 0.45, y + 1.0), QPointF(x - 0.45, y + 1.0)});
        p.setPen(FlatPen(Shade(c, 0.5), bx, 0.7));
        p.setBrush(c);
        p.drawPolygon(shape);
        p.setPen(FlatPen(Lighter(c, 0.45), bx, 0.8));
        p.drawLine(QPointF(x - 0.5, y + 0.3), QPointF(x + 0.3, y + 0.3));
    };
    for (int rod = 0; rod < kRods; ++rod) {
        const double x = 2.0 + rod * 2.0;
        const QColor c = rod % 2 ? QColor(200, 60, 40) : QColor(84, 44, 26);
        const int digit = price[rod];
        bead(x, digit >= 5 ? beamTop - 1.0 : rim, c);  // a five counts when moved to the beam
        const int ones = digit % 5;
        for (int k = 0; k < 4; ++k) {
            const double y = k < ones ? beamBottom + k : high - rim - (4 - k);
            bead(x, y, c);
        }
    }
    p.restore();
    // The beam with its dots, and the right-hand post in front of it all.
    const IsoBox beam = bx.On(rim, 0.3, high - beamBottom, len - 2 * rim, thick - 0.6, beamBottom - beamTop);
    DrawBox(p, beam, frame);
    for (int k = 0; k < 3; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 240, 220));
        p.drawEllipse(beam.P(2.8 + k * 8.0, 0, beam.height / 2), 0.7, 0.7);
    }
    DrawBox(p, bx.On(len - rim, 0, 0, rim, thick, high), frame);
}

void SolarCalculator(QPainter& p) {
    const IsoBox bx = Centred(3.3, 11, 15, 1.4, 62);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    DrawBox(p, bx, {QColor(70, 72, 80), QColor(44, 44, 50), QColor(36, 36, 40)}, false);
    p.save();
    p.setWorldTransform(TopFlat(bx, 0, bx.len, 0, bx.depth), true);
    // The solar cells and the display at the far end.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(86, 52, 60));
    p.drawRect(QRectF(1.0, 0.8, 5.5, 1.6));
    p.setPen(FlatPen(QColor(140, 100, 110), bx, 0.6));
    for (double x = 2.1; x < 6.5; x += 1.1) p.drawLine(QPointF(x, 0.8), QPointF(x, 2.4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 196, 156));
    p.drawRect(QRectF(1.0, 3.0, 9.0, 2.8));
    FitText(p, QRectF(3.6, 3.6, 5.8, 1.6), QStringLiteral("3980"), QColor(30, 40, 30));
    // The keys: four across, five down, the one at the corner orange.
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool special = (r == 4 && c == 3);
            const bool clear = (r == 0 && c == 0);
            p.setPen(Qt::NoPen);
            p.setBrush(special ? QColor(232, 120, 40) : clear ? QColor(200, 60, 60) : QColor(222, 222, 226));
            p.drawRoundedRect(QRectF(1.1 + c * 2.3, 6.6 + r * 1.6, 1.8, 1.15), 0.3, 0.3);
        }
    p.restore();
    Ink(p, bx);
}

void OldRegister(QPainter& p) {
    const IsoBox bx = Centred(2.4, 13, 10, 8, 68);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    const QColor brass(206, 164, 62);
    DrawBox(p, bx, {Lighter(brass, 0.25), brass, Shade(brass, 0.72)}, false);
    // Scrollwork on the front and the drawer with its knob.
    p.save();
    p.setWorldTransform(FrontFlat(bx, 0, bx.len, 0, bx.height), true);
    p.setPen(FlatPen(Shade(brass, 0.62), bx, 0.9));
    p.setBrush(Qt::NoBrush);
    for (double x = 1.5; x < 12; x += 2.5) p.drawArc(QRectF(x, 1.0, 2.2, 2.2), 0, 300 * 16);
    p.drawRect(QRectF(0.6, 4.0, bx.len - 1.2, 3.4));
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(brass, 0.72));
    p.drawRect(QRectF(0.6, 4.0, bx.len - 1.2, 3.4));
    p.setBrush(QColor(250, 234, 170));
    p.drawEllipse(QPointF(bx.len / 2, 5.7), 0.7, 0.7);
    p.restore();
    // The rows of round keys.
    Keys(p, bx, 0.9, 0.8, 5, 3, 2.3, 2.0, 1.4, QColor(250, 246, 230), QColor(220, 60, 50), 4, 0, true);
    Ink(p, bx);
    // The tall back with the price flags popped up.
    const IsoBox flags = bx.On(1.0, bx.depth - 3.2, bx.height, 11, 2.6, 6.5);
    DrawBox(p, flags, {Lighter(brass, 0.25), brass, Shade(brass, 0.72)});
    Quad(p, flags.Front(1, 10, 1.2, 5.2), QColor(250, 250, 240));
    p.save();
    p.setWorldTransform(FrontFlat(flags, 1, 10, 1.2, 5.2), true);
    FitText(p, QRectF(1.2, 0.8, 6.6, 2.4), QStringLiteral("¥25"), QColor(30, 30, 30));
    p.restore();
    for (int k = 0; k < 3; ++k) {
        const IsoBox flag = flags.On(2.0 + k * 3.0, 1.0, flags.height, 2.2, 0.3, 3.0);
        DrawBox(p, flag, {QColor(240, 240, 230), QColor(250, 250, 244), QColor(210, 210, 200)});
        Quad(p, flag.Front(0.5, 1.7, 1.0, 2.2), QColor(40, 40, 40));
    }
    // The crank on the right end.
    const QPointF hub = bx.P(bx.len, bx.depth / 2, bx.height / 2 + 1);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hub, hub + QPointF(5, -2));
    p.setPen(QPen(QColor(150, 110, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hub, hub + QPointF(5, -2));
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(QColor(120, 60, 30));
    p.drawEllipse(hub + QPointF(5.5, -2.2), 1.4, 1.6);
    p.setBrush(brass);
    p.drawEllipse(hub, 1.2, 1.2);
}

void StandardRegister(QPainter& p) {
    const IsoBox bx = Centred(2.8, 13, 11, 6, 65);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    const QColor shell(214, 208, 190);
    // The customer display on its post at the back, behind the body.
    const QPointF foot = bx.P(bx.len - 3, bx.depth - 2, bx.height);
    const QPointF head = foot + QPointF(0, -20);
    p.setPen(QPen(kInk, 2.6));
    p.drawLine(foot, head);
    p.setPen(QPen(QColor(100, 100, 106), 1.4));
    p.drawLine(foot, head);
    QPainterPath disp;
    disp.addRoundedRect(QRectF(head.x() - 8, head.y() - 6, 16, 8), 1.5, 1.5);
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(56, 56, 62));
    p.drawPath(disp);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 40));
    p.drawRect(QRectF(head.x() - 6.5, head.y() - 4.6, 13, 5));
    FitText(p, QRectF(head.x() - 5.5, head.y() - 3.6, 11, 2.8), QStringLiteral("1280"), QColor(120, 250, 150));

    DrawBox(p, bx, {Lighter(shell, 0.1), shell, Shade(shell, 0.78)}, false);
    Quad(p, bx.Front(0.8, bx.len - 0.8, 0.6, 2.8), QColor(160, 156, 142));
    Quad(p, bx.Front(bx.len / 2 - 1.4, bx.len / 2 + 1.4, 1.5, 2.0), QColor(90, 90, 90));
    // A keyboard of square keys with one red key, and the receipt slot.
    Keys(p, bx, 1.0, 0.9, 5, 4, 1.9, 1.7, 1.25, QColor(84, 84, 94), QColor(220, 60, 50), 4, 0, false);
    Quad(p, bx.Top(1.0, 7.0, bx.depth - 2.2, bx.depth - 1.4), QColor(60, 60, 60));
    const IsoBox paper = bx.On(2.0, bx.depth - 2.0, bx.height, 4.0, 0.3, 1.6);
    DrawBox(p, paper, {QColor(252, 252, 248), QColor(252, 252, 248), QColor(220, 220, 216)}, false);
    Ink(p, bx);
}

void LcdRegister(QPainter& p) {
    const IsoBox bx = Centred(2.5, 13, 11, 4.5, 68);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    const QColor shell(52, 54, 62);
    DrawBox(p, bx, {Lighter(shell, 0.25), shell, Shade(shell, 0.8)}, false);
    Quad(p, bx.Front(0.8, bx.len - 0.8, 0.6, 2.4), Shade(shell, 0.7));
    Keys(p, bx, 1.2, 1.0, 4, 3, 2.2, 1.8, 1.4, QColor(204, 204, 214), QColor(80, 200, 230), 3, 0, false);
    Ink(p, bx);
    // The screen on a short arm at the back, tilted towards the clerk.
    const QPointF foot = bx.P(bx.len - 4.5, bx.depth - 2.5, bx.height);
    const QPointF arm(0, -3.0 * bx.u);
    p.setPen(QPen(kInk, 3.0));
    p.drawLine(foot, foot + arm);
    p.setPen(QPen(QColor(40, 40, 46), 1.8));
    p.drawLine(foot, foot + arm);
    const IsoBox screen = bx.On(bx.len - 11, bx.depth - 3.6, bx.height + 3.5, 10.5, 1.0, 8.0);
    DrawBox(p, screen, {QColor(60, 62, 70), QColor(30, 30, 34), QColor(44, 44, 50)});
    Quad(p, screen.Front(0.7, screen.len - 0.7, 0.8, screen.height - 0.8), QColor(80, 220, 230));
    p.save();
    p.setWorldTransform(FrontFlat(screen, 0.7, screen.len - 0.7, 0.8, screen.height - 0.8), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 90, 110));
    p.drawRect(QRectF(0.6, 0.7, 5.5, 0.9));
    p.drawRect(QRectF(0.6, 2.4, 7.5, 0.7));
    p.drawRect(QRectF(0.6, 3.8, 4.5, 0.7));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(5.6, 4.9, 3.2, 1.2));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.9));
    p.drawLine(screen.P(1.5, 0, screen.height - 1.5), screen.P(4, 0, 2));
}

void Workstation(QPainter& p) {
    const IsoBox bx = Centred(2.3, 15, 13, 5, 70);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    const QColor shell(220, 220, 214);
    // The monitor behind the base and keyboard.
    const IsoBox stand = bx.On(bx.len / 2 - 1.5, bx.depth - 4.5, bx.height, 3, 2, 2.5);
    const IsoBox monitor = bx.On(2.0, bx.depth - 4.0, bx.height + 2.5, 12, 2.2, 9);
    DrawBox(p, bx, {Lighter(shell, 0.1), shell, Shade(shell, 0.8)}, false);
    // The cash drawer and its key.
    Quad(p, bx.Front(0.8, bx.len - 0.8, 0.6, 3.0), QColor(160, 160, 156));
    Quad(p, bx.Front(bx.len / 2 - 1.5, bx.len / 2 + 1.5, 1.6, 2.1), QColor(80, 80, 80));
    Ink(p, bx);
    DrawBox(p, stand, {QColor(190, 190, 186), QColor(170, 170, 166), QColor(150, 150, 146)});
    DrawBox(p, monitor, {QColor(210, 210, 206), QColor(206, 206, 200), QColor(160, 160, 156)});
    Quad(p, monitor.Front(0.8, monitor.len - 0.8, 1.2, monitor.height - 0.8), QColor(40, 90, 200));
    p.save();
    p.setWorldTransform(FrontFlat(monitor, 0.8, monitor.len - 0.8, 1.2, monitor.height - 0.8), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(0.5, 0.5, 9.4, 1.1));
    p.setBrush(QColor(210, 234, 250));
    for (int r = 0; r < 4; ++r) p.drawRect(QRectF(0.8, 2.4 + r * 1.5, 4.0 + (r % 3) * 1.3, 0.8));
    p.setBrush(QColor(250, 210, 60));
    p.drawRect(QRectF(6.8, 2.4, 2.6, 2.6));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.9));
    p.drawLine(monitor.P(2, 0, monitor.height - 2), monitor.P(4.5, 0, 2.5));
    // The keyboard on the front of the base, the scanner's light on the right.
    const IsoBox keys = bx.On(1.2, 1.2, bx.height, 11, 4.4, 0.8);
    DrawBox(p, keys, {QColor(64, 64, 70), QColor(40, 40, 44), QColor(34, 34, 38)});
    Keys(p, keys, 0.5, 0.5, 9, 3, 1.15, 1.25, 0.8, QColor(150, 150, 160), QColor(230, 90, 60), 8, 0, false);
    const IsoBox scanner = bx.On(bx.len - 2.6, 1.4, bx.height, 2.0, 3.6, 1.2);
    DrawBox(p, scanner, {QColor(60, 60, 66), QColor(44, 44, 50), QColor(36, 36, 40)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 40, 40));
    p.drawEllipse(scanner.P(1.0, 1.8, scanner.height), 1.2, 0.8);
}

// ---------------------------------------------------------------------------
// Service machines, on the counter

void Gumball(QPainter& p) {
    const IsoBox base = Centred(3.0, 10, 10, 0, 84);
    Counter(p, base);
    Shadow(p, base, -1.0);
    const double cx = 48;
    const QColor red(214, 38, 44);
    // The stand: a square foot and the coin box with its handle.
    const IsoBox foot = base.On(1, 1, 0, 8, 8, 1.4);
    DrawBox(p, foot, {Lighter(red, 0.15), red, Shade(red, 0.75)});
    QPainterPath box;
    box.moveTo(cx - 9, 76);
    box.lineTo(cx - 7, 58);
    box.lineTo(cx + 7, 58);
    box.lineTo(cx + 9, 76);
    box.closeSubpath();
    QLinearGradient redLight(cx - 9, 0, cx + 9, 0);
    redLight.setColorAt(0, Lighter(red, 0.2));
    redLight.setColorAt(1, Shade(red, 0.75));
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(redLight);
    p.drawPath(box);
    p.setBrush(QColor(214, 214, 222));
    p.drawEllipse(QPointF(cx, 65), 4.2, 4.2);
    p.setPen(QPen(QColor(120, 120, 130), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 2.6, 65), QPointF(cx + 2.6, 65));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(60, 60, 66));
    p.drawRoundedRect(QRectF(cx - 3, 71, 6, 3.5), 1, 1);
    // The glass globe full of gumballs.
    const QPointF g(cx, 38);
    const double r = 21;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 238, 248));
    p.drawEllipse(g, r, r);
    const QColor balls[] = {QColor(240, 60, 60), QColor(250, 210, 50), QColor(60, 170, 240),
                            QColor(90, 200, 90), QColor(250, 250, 250), QColor(240, 120, 190)};
    p.save();
    QPainterPath inside;
    inside.addEllipse(g, r - 1.0, r - 1.0);
    p.setClipPath(inside);
    int n = 0;
    for (double y = g.y() + r - 3.5; y > g.y() - r * 0.45; y -= 5.0)
        for (double x = g.x() - r + 3.5 + (int((y - g.y()) / 5.0) % 2 ? 2.6 : 0); x < g.x() + r; x += 5.2, ++n) {
            const QColor b = balls[int(pic::Hash01(n, 3, 21) * 6)];
            p.setPen(QPen(Shade(b, 0.6), 0.6));
            p.setBrush(b);
            p.drawEllipse(QPointF(x, y), 2.5, 2.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 150));
            p.drawEllipse(QPointF(x - 0.8, y - 0.9), 0.8, 0.8);
        }
    p.restore();
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(g.x() - 9, g.y() - 10), 4.0, 2.4);
    // The collar under the globe and the cap on top.
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(cx - 8, 56, 16, 3.5), 1.2, 1.2);
    p.drawRoundedRect(QRectF(cx - 6, 14.5, 12, 4.5), 1.5, 1.5);
    p.drawEllipse(QPointF(cx, 13.5), 2.2, 1.8);
}

void BunSteamer(QPainter& p) {
    const IsoBox base = Centred(3.0, 10, 10, 0, 86);
    Counter(p, base);
    const double cx = 48, rx = 27, ry = 8.5, tierH = 11.5;
    const QColor bamboo(214, 172, 104), rim(150, 104, 50), inside(120, 84, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20, 60));
    p.drawEllipse(QPointF(cx, 80), rx + 1, ry + 1);
    // Three baskets stacked, from the bottom up.
    double yb = 78;
    for (int tier = 0; tier < 3; ++tier, yb -= tierH) {
        QPainterPath side;
        side.moveTo(cx - rx, yb - tierH);
        side.lineTo(cx - rx, yb);
        side.arcTo(QRectF(cx - rx, yb - ry, 2 * rx, 2 * ry), 180, 180);
        side.lineTo(cx + rx, yb - tierH);
        side.arcTo(QRectF(cx - rx, yb - tierH - ry, 2 * rx, 2 * ry), 0, -180);
        side.closeSubpath();
        QLinearGradient light(cx - rx, 0, cx + rx, 0);
        light.setColorAt(0, Lighter(bamboo, 0.15));
        light.setColorAt(0.6, bamboo);
        light.setColorAt(1, Shade(bamboo, 0.72));
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(light);
        p.drawPath(side);
        p.save();
        p.setClipPath(side);
        p.setPen(QPen(Shade(bamboo, 0.8), 0.7));
        for (double a = 10; a < 180; a += 14) {
            const double x = cx - rx * std::cos(a * std::numbers::pi / 180);
            const double dy = ry * std::sin(a * std::numbers::pi / 180);
            p.drawLine(QPointF(x, yb - tierH + dy), QPointF(x, yb + dy));
        }
        // The woven bands at the rims.
        p.setPen(QPen(rim, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - rx, yb - ry - 1.2, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
        p.drawArc(QRectF(cx - rx, yb - tierH - ry + 1.6, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
        p.restore();
    }
    // The open top: the rim, the dark inside and the buns.
    const double top = yb;
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(rim);
    p.drawEllipse(QPointF(cx, top), rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawEllipse(QPointF(cx, top + 0.4), rx - 2.6, ry - 2.0);
    const QPointF buns[] = {{cx - 12, top - 0.5}, {cx + 1, top - 2.2}, {cx + 13, top - 0.3}, {cx - 5, top + 3.0},
                            {cx + 8, top + 3.2}};
    for (QPointF b : buns) {
        QRadialGradient soft(b + QPointF(-2, -2), 8);
        soft.setColorAt(0, QColor(255, 255, 252));
        soft.setColorAt(1, QColor(232, 222, 200));
        p.setPen(QPen(QColor(150, 130, 100), 0.7));
        p.setBrush(soft);
        p.drawEllipse(b, 6.2, 4.2);
        p.setPen(QPen(QColor(200, 182, 150), 0.7));
        p.drawArc(QRectF(b.x() - 2, b.y() - 3.4, 4, 3), 200 * 16, 140 * 16);  // the pleated top
    }
    // Steam rising.
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const double x = cx - 12 + k * 12;
        QPainterPath s;
        s.moveTo(x, top - 7);
        s.cubicTo(x - 4, top - 12, x + 4, top - 16, x, top - 22);
        p.drawPath(s);
    }
}

void BronzeStatue(QPainter& p) {
    const IsoBox ped = Centred(2.8, 11, 11, 4.5, 90);
    Counter(p, ped);
    Shadow(p, ped, 0.3);
    DrawBox(p, ped, {QColor(206, 202, 196), QColor(164, 160, 154), QColor(128, 124, 120)});
    Quad(p, ped.Front(2.5, 8.5, 0.9, 3.6), QColor(212, 170, 60));
    p.save();
    p.setWorldTransform(FrontFlat(ped, 2.5, 8.5, 0.9, 3.6), true);
    p.setPen(FlatPen(QColor(120, 90, 30), ped, 0.7));
    p.drawLine(QPointF(1, 0.9), QPointF(5, 0.9));
    p.drawLine(QPointF(1.6, 1.9), QPointF(4.4, 1.9));
    p.restore();
    // The manager in bronze on top of it, holding a book up high.
    const QPointF stand = ped.P(ped.len / 2, ped.depth / 2, ped.height);
    const double cx = stand.x(), base = stand.y();
    const QColor bronze(176, 118, 52), lit(226, 176, 96), dark(112, 70, 30);
    constexpr double kFigure = 0.95;  // the figure's scale, so that the raised book fits
    p.save();
    p.translate(cx, base);
    p.scale(kFigure, kFigure);
    p.translate(-cx, -base);
    auto part = [&](const QPainterPath& path) {
        QLinearGradient g(cx - 10, 0, cx + 10, 0);
        g.setColorAt(0, lit);
        g.setColorAt(0.45, bronze);
        g.setColorAt(1, dark);
        p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(path);
    };
    QPainterPath plinth;
    plinth.addEllipse(QPointF(cx, base - 1), 9, 3);
    part(plinth);
    QPainterPath legs;
    legs.addRoundedRect(QRectF(cx - 5.5, base - 17, 4.6, 16), 1.5, 1.5);
    legs.addRoundedRect(QRectF(cx + 0.9, base - 17, 4.6, 16), 1.5, 1.5);
    part(legs);
    QPainterPath coat;
    coat.moveTo(cx - 8, base - 14);
    coat.lineTo(cx - 7, base - 34);
    coat.quadTo(cx, base - 37, cx + 7, base - 34);
    coat.lineTo(cx + 8, base - 14);
    coat.closeSubpath();
    part(coat);
    QPainterPath armDown;
    armDown.moveTo(cx - 7, base - 33);
    armDown.lineTo(cx - 10.5, base - 19);
    armDown.lineTo(cx - 7.5, base - 18.5);
    armDown.lineTo(cx - 5.2, base - 29);
    part(armDown);
    QPainterPath armUp;
    armUp.moveTo(cx + 5, base - 34);
    armUp.lineTo(cx + 11, base - 50);
    armUp.lineTo(cx + 14, base - 48.5);
    armUp.lineTo(cx + 8, base - 31);
    part(armUp);
    QPainterPath head;
    head.addEllipse(QPointF(cx, base - 41.5), 5.2, 5.8);
    part(head);
    // The open book held aloft: two pages either side of the spine.
    const QPointF spineTop(cx + 13, base - 57), spineFoot(cx + 12.5, base - 49.5);
    QPainterPath leftPage;
    leftPage.moveTo(spineFoot);
    leftPage.lineTo(spineTop);
    leftPage.quadTo(cx + 9, base - 59.5, cx + 5, base - 57.5);
    leftPage.lineTo(cx + 5.5, base - 50.5);
    leftPage.quadTo(cx + 9, base - 52, spineFoot.x(), spineFoot.y());
    QPainterPath rightPage;
    rightPage.moveTo(spineFoot);
    rightPage.lineTo(spineTop);
    rightPage.quadTo(cx + 17, base - 59.5, cx + 21, base - 57.5);
    rightPage.lineTo(cx + 20.5, base - 50.5);
    rightPage.quadTo(cx + 17, base - 52, spineFoot.x(), spineFoot.y());
    part(leftPage);
    part(rightPage);
    p.setPen(QPen(dark, 0.6));
    for (int k = 0; k < 2; ++k) {
        p.drawLine(QPointF(cx + 7, base - 55.5 + 2 * k), QPointF(cx + 11, base - 56 + 2 * k));
        p.drawLine(QPointF(cx + 15, base - 56 + 2 * k), QPointF(cx + 19, base - 55.5 + 2 * k));
    }
    // The coat's lapels and a gleam on the head.
    p.drawLine(QPointF(cx - 3, base - 35), QPointF(cx, base - 27));
    p.drawLine(QPointF(cx + 3, base - 35), QPointF(cx, base - 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 170));
    p.drawEllipse(QPointF(cx - 2, base - 43.5), 1.6, 1.1);
    p.restore();
}

void CdRack(QPainter& p) {
    const IsoBox bx = Centred(3.1, 13, 9, 17, 88);
    Counter(p, bx);
    Shadow(p, bx, 0.3);
    DrawBox(p, bx, {QColor(250, 214, 70), QColor(70, 70, 80), QColor(54, 54, 62)}, false);
    // The header with the shop's "CD" sign.
    Quad(p, bx.Front(0, bx.len, bx.height - 3.2, bx.height), QColor(250, 214, 70));
    Quad(p, bx.End(0, bx.depth, bx.height - 3.2, bx.height), QColor(224, 186, 52));
    p.save();
    p.setWorldTransform(FrontFlat(bx, 0, bx.len, bx.height - 3.2, bx.height), true);
    FitText(p, QRectF(1.2, 0.7, bx.len - 2.4, 1.8), QStringLiteral("CD · VIDEO"), QColor(180, 30, 40));
    p.restore();
    // Two shelves of discs in their cases and one of video tapes.
    const QColor cases[] = {QColor(230, 60, 60), QColor(60, 160, 230), QColor(250, 210, 60),
                            QColor(140, 90, 200), QColor(80, 200, 120), QColor(250, 250, 250)};
    for (int shelf = 0; shelf < 3; ++shelf) {
        const double t0 = 0.8 + shelf * 4.3;
        Quad(p, bx.Front(0.6, bx.len - 0.6, t0, t0 + 3.8), QColor(34, 34, 40));
        if (shelf == 0) {
            for (int k = 0; k < 5; ++k) {
                const double s = 0.9 + k * 2.4;
                Quad(p, bx.Front(s, s + 2.1, t0, t0 + 3.4), QColor(30, 30, 30));
                Quad(p, bx.Front(s + 0.3, s + 1.8, t0 + 1.0, t0 + 2.4), cases[(k + 2) % 6]);
            }
        } else {
            for (int k = 0; k < 15; ++k) {
                const double s = 0.9 + k * 0.76;
                const QColor c = cases[(k * 2 + shelf) % 6];
                Quad(p, bx.Front(s, s + 0.62, t0, t0 + 3.3), c);
                Quad(p, bx.Front(s + 0.44, s + 0.62, t0, t0 + 3.3), Shade(c, 0.7));
            }
        }
        Quad(p, bx.Front(0, bx.len, t0 - 0.3, t0), QColor(110, 110, 120));
    }
    // A disc on show on the end.
    const QPointF disc = bx.P(bx.len, bx.depth / 2, 9);
    const QPointF discFlat(bx.depth / 2, bx.height - 9);
    QConicalGradient sheen(discFlat, 30);
    sheen.setColorAt(0, QColor(230, 230, 240));
    sheen.setColorAt(0.2, QColor(250, 200, 220));
    sheen.setColorAt(0.4, QColor(200, 240, 250));
    sheen.setColorAt(0.6, QColor(240, 250, 200));
    sheen.setColorAt(0.8, QColor(210, 210, 230));
    sheen.setColorAt(1, QColor(230, 230, 240));
    p.save();
    p.setWorldTransform(EndFlat(bx, 0, bx.depth, 0, bx.height), true);
    p.setPen(FlatPen(kInk, bx, 0.8));
    p.setBrush(sheen);
    p.drawEllipse(discFlat, 3.6, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(54, 54, 62));
    p.drawEllipse(discFlat, 0.7, 0.7);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 100));
    p.drawEllipse(disc + QPointF(-1.5, -3), 2.0, 1.0);
    Ink(p, bx);
}

// ---------------------------------------------------------------------------
// Files

using Draw = void (*)(QPainter&);

// How a picture is laid out: on the floor at the fixtures' common scale, on
// the counter as drawn, or on the counter from a 96 x 96 board shrunk to fit.
enum class Board { Floor, Counter, CounterShrunk };

struct Picture {
    const char* file;
    int w, h;
    Board board;
    const char* what;
    Draw draw;
};

void Shelf0(QPainter& p) { DrawShelf(p, 0); }
void Shelf1(QPainter& p) { DrawShelf(p, 1); }
void Shelf2(QPainter& p) { DrawShelf(p, 2); }
void Shelf3(QPainter& p) { DrawShelf(p, 3); }
void Shelf4(QPainter& p) { DrawShelf(p, 4); }
void Shelf5(QPainter& p) { DrawShelf(p, 5); }

constexpr int kF = kFixtureSide, kW = kCounterW, kH = kCounterH;

const Picture kPictures[] = {
    // The fixtures by catalogue row: Book<row + 1>.
    {"Graphic/Book1.rle", kF, kF, Board::Floor, "shelf, 40 copies", Shelf0},
    {"Graphic/Book2.rle", kF, kF, Board::Floor, "shelf, 60 copies", Shelf1},
    {"Graphic/Book3.rle", kF, kF, Board::Floor, "wooden shelf on castors, 80 copies", Shelf2},
    {"Graphic/Book4.rle", kF, kF, Board::Floor, "shelf, 100 copies", Shelf3},
    {"Graphic/Book5.rle", kF, kF, Board::Floor, "shelf, 120 copies", Shelf4},
    {"Graphic/Book6.rle", kF, kF, Board::Floor, "shelf, 150 copies", Shelf5},
    {"Graphic/Book7.rle", kF, kF, Board::Floor, "vending machine", DrawVendingMachine},
    {"Graphic/Book8.rle", kF, kF, Board::Floor, "claw machine", DrawClawMachine},
    {"Graphic/Book9.rle", kF, kF, Board::Floor, "photo booth", DrawPhotoBooth},
    // The registers. The windows show model 0 from Rezi2 and model 1 from
    // Rezi1, the others from Rezi<model + 1>.
    {"Graphic/Rezi1.dat", kW, kH, Board::Counter, "model 1: solar calculator", SolarCalculator},
    {"Graphic/Rezi2.dat", kW, kH, Board::Counter, "model 0: abacus", Abacus},
    {"Graphic/Rezi3.dat", kW, kH, Board::Counter, "model 2: old register", OldRegister},
    {"Graphic/Rezi4.dat", kW, kH, Board::Counter, "model 3: standard register", StandardRegister},
    {"Graphic/Rezi5.dat", kW, kH, Board::Counter, "model 4: LCD register", LcdRegister},
    {"Graphic/Rezi6.dat", kW, kH, Board::Counter, "model 5: small workstation", Workstation},
    // The service machines by catalogue row: Service<row + 1>.
    {"Graphic/Service1.dat", kW, kH, Board::CounterShrunk, "gum and sweets", Gumball},
    {"Graphic/Service2.dat", kW, kH, Board::CounterShrunk, "steamed buns", BunSteamer},
    {"Graphic/Service3.dat", kW, kH, Board::CounterShrunk, "the manager's bronze statue", BronzeStatue},
    {"Graphic/Service4.dat", kW, kH, Board::CounterShrunk, "CDs and videos", CdRack},
};

QImage Render(const Picture& item) {
    return pic::Supersampled(item.w, item.h, kSkyBottom, [&item](QPainter& p) {
        Sky(p, item.w, item.h);
        p.save();
        if (item.board == Board::CounterShrunk) {
            // The board's foot stays at the picture's foot, its middle in
            // the middle.
            p.translate(item.w / 2.0, item.h);
            p.scale(kServiceScale, kServiceScale);
            p.translate(-kServiceBoard / 2.0, -kServiceBoard);
        }
        item.draw(p);
        p.restore();
        FrameLine(p, item.w, item.h);
    });
}

}  // namespace

bool MakeFurnishingPictures(const QDir& out) {
    bool ok = true;
    for (const Picture& item : kPictures) ok = ok && pic::Save(Render(item), out, QString::fromLatin1(item.file));
    return ok;
}
