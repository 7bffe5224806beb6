// The shop floor behind every sprite of the floor view: one picture per shop
// size, by day and by night. The shop stands on a street corner; two roads
// with pavements run along its two back walls (where passers-by walk), the
// upper door opens onto the left pavement and, once the shop has grown, a
// side door onto a forecourt further down. Ground the shop has not bought yet
// is an empty lot.
//
// Everything is laid out on the walkers' grid: a figure on cell (gx, gy) has
// its sprite's top-left corner at ((gx - 20) * 6, (gy - 20) * 3) and, being
// 16 x 32, its feet at 8 pixels in and 31 down. The walls are drawn where the
// wall cells put a walker's feet, so people stop right at the painted walls,
// and the places the player clicks are drawn as marks on the floor exactly
// where the click boxes lie.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/PictureMakers.h"

namespace {

using pic::Iso;

// ---------------------------------------------------------------------------
// Layout

// Feet of a walker standing on a grid cell.
QPointF CellFeet(int gx, int gy) { return {(gx - 20) * 6.0 + 8.0, (gy - 20) * 3.0 + 31.0}; }

struct FloorFile {
    int shopSize;
    int width, height;  // the scene the floor view scrolls over
    const char* day;
    const char* night;
};
const FloorFile kFloorFiles[] = {
    {1, 505, 245, "Graphic/inside4.dat", "Graphic/inside5.dat"},
    {2, 498, 332, "Graphic/inside6.dat", "Graphic/inside7.dat"},
    {3, 572, 366, "Graphic/inside2.rle", "Graphic/inside3.rle"},
};

// What runs from one outline corner to the next.
enum class Edge { Wall, Door };

// An outline corner, either a wall cell of the walkers' grid or a floor point
// (u, v) where the front of a smaller shop stands (those fronts are scenery
// pieces drawn over the floor, not grid walls).
struct Corner {
    bool cell;
    double a, b;  // (gx, gy) or (u, v)
    Edge next;
    QPointF at() const { return cell ? CellFeet(int(a), int(b)) : Iso(a, b); }
};
constexpr bool C = true;   // a grid cell
constexpr bool P = false;  // a floor point
constexpr Edge W = Edge::Wall;
constexpr Edge D = Edge::Door;

// Where the fronts of the smaller shops stand (their glass fronts are scenery
// pieces drawn over the floor, not grid walls): the small shop's along
// v = 55 and u = 411, the middle shop's along v = 214 and u = 411.
constexpr double kSmallFrontV = 55, kMiddleFrontV = 214, kFrontU = 411;

// Outlines, clockwise from the top corner. The back walls and both doors are
// the same at every size; the large shop fills the whole walled plot.
const std::vector<Corner> kOutline1 = {
    {C, 62, 22, W},
    {C, 97, 57, W},
    {P, kFrontU, kFrontU - 470, W},  // where the front meets the right wall (x = 470)
    {P, kFrontU, kSmallFrontV, W},
    {P, 185, kSmallFrontV, W},       // where the front meets the left wall (u = 185)
    {C, 43, 47, W},
    {C, 43, 41, W},
    {C, 48, 36, D},  // the upper door
    {C, 54, 30, W},
};
const std::vector<Corner> kOutline2 = {
    {C, 62, 22, W},
    {C, 97, 57, W},
    {P, kFrontU, kFrontU - 470, W},
    {P, kFrontU, kMiddleFrontV, W},
    {P, 26 + kMiddleFrontV, kMiddleFrontV, W},  // where the front meets the left wall (x = 26)
    {C, 23, 83, W},
    {C, 27, 79, D},  // the side door
    {C, 33, 73, W},
    {C, 38, 68, W},
    {C, 38, 52, W},
    {C, 43, 47, W},
    {C, 43, 41, W},
    {C, 48, 36, D},  // the upper door
    {C, 54, 30, W},
};
const std::vector<Corner> kOutline3 = {
    {C, 62, 22, W},  {C, 97, 57, W},  {C, 97, 73, W},  {C, 94, 76, W},  {C, 108, 90, W},
    {C, 108, 96, W}, {C, 81, 123, W}, {C, 69, 123, W}, {C, 61, 115, W}, {C, 59, 117, W},
    {C, 57, 119, W}, {C, 49, 119, W}, {C, 48, 118, W}, {C, 23, 93, W},  {C, 23, 83, W},
    {C, 27, 79, D},  {C, 33, 73, W},  {C, 38, 68, W},  {C, 38, 52, W},  {C, 43, 47, W},
    {C, 43, 41, W},  {C, 48, 36, D},  {C, 54, 30, W},
};
const std::vector<Corner>& Outline(int size) {
    return size == 1 ? kOutline1 : size == 2 ? kOutline2 : kOutline3;
}

// The small shop's fence runs on along u = 185 to the left edge; the ground
// behind it is part of the lot until the shop grows.
constexpr double kFenceU = 185;

// Streets: the roads lie beyond these lines, the pavements between them and
// the walls. Passers-by walk at u 119..143 and v -117..-141.
constexpr double kLeftRoadU = 100;     // left road: u below this
constexpr double kRightRoadV = -160;   // right road: v below this
constexpr double kLeftLaneU = 50;      // centre line of the left road
constexpr double kRightLaneV = -210;   // centre line of the right road
constexpr double kCrossingV = -69;     // zebra where shoppers cross to the door
constexpr double kKerb = 3;            // kerb stones along the pavement edge

// Walls, in pixels; height, colours and window style are those of the walls
// in the scenery pieces.
constexpr int kWallHeight = 32;
constexpr double kWallThick = 3;
constexpr double kLedgeHeight = 5;  // the cut-away front of the shop
constexpr int kPillarHalf = 3;
const QColor kWallFace(238, 228, 204), kWallCap(170, 150, 120), kWallSkirting(140, 100, 64);
const QColor kPillar(214, 206, 190), kWallFrame(150, 158, 172), kWallFrameDark(92, 98, 112);
const QColor kDisplayShelf(150, 110, 70);
const QColor kCovers[] = {QColor(210, 60, 60), QColor(60, 110, 210), QColor(240, 200, 60), QColor(70, 170, 90),
                          QColor(150, 80, 170)};
constexpr int kPaneTop = 24, kPaneBottom = 8;  // rows above the foot

// Display windows in the back walls that are the picture's own (the rest of
// the back walls belong to scenery pieces): first and last + 1 pixel column.
struct WallPane {
    int x0, x1;
};
const WallPane kWallPanes[] = {
    {300, 322}, {330, 352}, {360, 382}, {390, 412}, {420, 442},  // the long wall on the right
    {466, 488}, {496, 518},                                      // the large shop's right wall
};

constexpr double kTile = 13;  // floor tiles, in u and v

// The places the player clicks: boxes lo < u < hi, lo < v < hi, one run of
// places each, the next place 26 further along u (or, for the run by the
// right wall, 26 less in v).
struct PlaceRun {
    int first, last, fromSize;
    double u0, u1, v0, v1;
    bool alongV;
};
const PlaceRun kShelfSpots[] = {
    {1, 8, 1, 170, 195, -92, -74, false},  {9, 11, 1, 199, 224, -47, -29, false},
    {12, 13, 1, 308, 333, -47, -29, false}, {14, 16, 1, 199, 224, -28, -10, false},
    {17, 18, 1, 308, 333, -28, -10, false}, {22, 24, 1, 308, 333, 19, 37, false},
    {27, 29, 2, 308, 333, 38, 56, false},   {32, 34, 2, 308, 333, 83, 101, false},
    {37, 39, 2, 308, 333, 102, 120, false}, {42, 44, 2, 308, 333, 147, 165, false},
    {45, 47, 2, 308, 333, 166, 184, false}, {19, 21, 3, 420, 445, -28, -10, false},
    {25, 26, 3, 420, 445, 19, 37, false},   {35, 36, 3, 420, 445, 83, 101, false},
    {30, 31, 3, 420, 445, 38, 56, false},   {40, 41, 3, 420, 445, 102, 120, false},
    {48, 53, 3, 256, 281, 211, 229, false}, {54, 54, 3, 414, 432, 183, 208, false},
    {55, 55, 3, 434, 459, 164, 182, false}, {56, 61, 3, 502, 521, 119, 144, true},
};
const PlaceRun kRegisterPlaces[] = {
    {1, 1, 1, 235, 251, 10, 24, false},
    {2, 2, 2, 251, 266, 65, 80, false},
};
const PlaceRun kServicePlaces[] = {
    {1, 1, 1, 207, 224, 10, 24, false},
    {2, 2, 2, 251, 266, 35, 50, false},
};

// Street furniture, standing on the pavements: (u, v) of the foot.
struct Fixture {
    double u, v;
    int fromSize;  // only drawn from this size on (where the ground is pavement)
};
const Fixture kLamps[] = {
    {106, -20, 1}, {106, 110, 1}, {300, -154, 1}, {470, -154, 1}, {250, 245, 2}, {380, 300, 3},
};
const Fixture kTrees[] = {
    {108, 40, 1}, {108, 170, 1}, {390, -152, 1}, {200, -140, 1}, {300, 290, 2}, {470, 340, 3},
};

// The counter: the ring of wall cells inside the floor that no one walks
// through. Its picture is scenery; the floor only shows its shadow. The small
// shop has only the counter's first run; the bigger ones have the whole L.
const QPoint kSmallCounterCells[] = {{49, 49}, {59, 59}, {59, 63}, {47, 51}};
const QPoint kCounterCells[] = {
    {49, 49}, {59, 59}, {59, 63}, {46, 76}, {45, 75}, {41, 71}, {43, 69}, {46, 72}, {57, 61}, {47, 51},
};
// Ceiling lights over the floor, one light pool each at night.
const QPointF kCeilingLights[] = {
    {200, -60}, {280, -60}, {360, -60}, {230, 10},  {320, 10},  {400, -20},
    {230, 90},  {320, 90},  {400, 60},  {260, 170}, {350, 160}, {470, 60},
    {470, 150}, {320, 220}, {430, 200}, {500, 0},
};

// ---------------------------------------------------------------------------
// Colours

struct Look {
    QColor road, lane, zebra, kerb, pave, paveJoint;
    QColor lot, lotDark, grass;
    QColor tileA, tileB, tileLine, shade;
    QColor spot, spotEdge, reg, regEdge, svc, svcEdge, mat, matEdge;
    QColor glass, glassShine;
    QColor ledge, ledgeCap;
    QColor post, lampHead, leaf, leafDark, planter;
};

const Look kDay = {
    .road = QColor(0x5c, 0x5f, 0x66),
    .lane = QColor(0xf2, 0xec, 0xc8),
    .zebra = QColor(0xee, 0xee, 0xe6),
    .kerb = QColor(0xd8, 0xd4, 0xcb),
    .pave = QColor(0xcc, 0xc4, 0xb2),
    .paveJoint = QColor(0xb4, 0xab, 0x97),
    .lot = QColor(0xa0, 0x8e, 0x64),
    .lotDark = QColor(0x86, 0x74, 0x4f),
    .grass = QColor(0x7a, 0x9c, 0x46),
    .tileA = QColor(0xef, 0xe2, 0xc4),
    .tileB = QColor(0xe0, 0xcf, 0xab),
    .tileLine = QColor(0xcd, 0xb9, 0x92),
    .shade = QColor(0x6b, 0x50, 0x30),
    .spot = QColor(0xd4, 0xc2, 0x9c),
    .spotEdge = QColor(0x9c, 0x80, 0x55),
    .reg = QColor(0xf0, 0xc4, 0x86),
    .regEdge = QColor(0xb5, 0x78, 0x2c),
    .svc = QColor(0xc4, 0xdc, 0xa0),
    .svcEdge = QColor(0x6c, 0x96, 0x42),
    .mat = QColor(0xa8, 0x3c, 0x32),
    .matEdge = QColor(0x6e, 0x24, 0x1e),
    .glass = QColor(176, 214, 232),
    .glassShine = QColor(236, 248, 255),
    .ledge = QColor(0xb0, 0xb2, 0xb6),
    .ledgeCap = QColor(0xd2, 0xd4, 0xd6),
    .post = QColor(0x3c, 0x44, 0x4c),
    .lampHead = QColor(0xfa, 0xf6, 0xe0),
    .leaf = QColor(0x4f, 0x9a, 0x3e),
    .leafDark = QColor(0x2f, 0x6e, 0x2c),
    .planter = QColor(0x9a, 0x6a, 0x48),
};

const Look kNight = {
    .road = QColor(0x22, 0x25, 0x2e),
    .lane = QColor(0x7c, 0x79, 0x66),
    .zebra = QColor(0x6c, 0x6e, 0x74),
    .kerb = QColor(0x5a, 0x5b, 0x62),
    .pave = QColor(0x48, 0x48, 0x52),
    .paveJoint = QColor(0x3c, 0x3c, 0x46),
    .lot = QColor(0x3a, 0x37, 0x2e),
    .lotDark = QColor(0x2e, 0x2b, 0x24),
    .grass = QColor(0x2c, 0x3a, 0x26),
    .tileA = QColor(0xae, 0x9e, 0x80),
    .tileB = QColor(0xa2, 0x90, 0x72),
    .tileLine = QColor(0x8e, 0x7c, 0x60),
    .shade = QColor(0x10, 0x0c, 0x08),
    .spot = QColor(0x9a, 0x86, 0x66),
    .spotEdge = QColor(0x6a, 0x56, 0x3a),
    .reg = QColor(0x9a, 0x76, 0x48),
    .regEdge = QColor(0x6a, 0x48, 0x1c),
    .svc = QColor(0x6c, 0x80, 0x58),
    .svcEdge = QColor(0x3c, 0x56, 0x28),
    .mat = QColor(0x64, 0x24, 0x1e),
    .matEdge = QColor(0x40, 0x16, 0x12),
    .glass = QColor(0x22, 0x30, 0x52),
    .glassShine = QColor(0xff, 0xd8, 0x8a),
    .ledge = QColor(0x60, 0x62, 0x68),
    .ledgeCap = QColor(0x80, 0x82, 0x88),
    .post = QColor(0x24, 0x28, 0x2e),
    .lampHead = QColor(0xff, 0xf4, 0xc0),
    .leaf = QColor(0x24, 0x3e, 0x22),
    .leafDark = QColor(0x16, 0x2a, 0x16),
    .planter = QColor(0x4a, 0x34, 0x26),
};

// ---------------------------------------------------------------------------
// Drawing helpers

QPolygonF OutlinePolygon(int size) {
    QPolygonF poly;
    for (const Corner& c : Outline(size)) poly << c.at();
    return poly;
}

QPainterPath PathOf(const QPolygonF& poly) {
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

// A texture of `base` with scattered lighter and darker grains.
QImage Grain(QColor base, QColor dark, QColor light, int salt, double darkShare, double lightShare) {
    QImage t(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            double r = pic::Hash01(x, y, salt);
            QColor c = r < darkShare ? dark : r > 1.0 - lightShare ? light : base;
            t.setPixelColor(x, y, c);
        }
    return t;
}

QPointF Lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }
QPointF Up(QPointF p, double h) { return {p.x(), p.y() - h}; }

// Screen offset of `t` floor units towards the outside of an outline edge.
QPointF Outward(QPointF from, QPointF to, double t) {
    double du = pic::IsoU(to) - pic::IsoU(from), dv = pic::IsoV(to) - pic::IsoV(from);
    double len = std::hypot(du, dv);
    if (len == 0) return {};
    // The outlines run clockwise on screen, and the projection keeps the
    // sense of turning, so the outside is (dv, -du).
    double nu = dv / len * t, nv = -du / len * t;
    return Iso(nu, nv);
}

// ---------------------------------------------------------------------------
// The picture

class FloorPainter {
public:
    FloorPainter(const FloorFile& file, bool night)
        : f_(file), night_(night), L_(night ? kNight : kDay), img_(pic::Blank(file.width, file.height, L_.pave)),
          p_(&img_) {
        p_.setRenderHint(QPainter::Antialiasing);
        floor_ = OutlinePolygon(f_.shopSize);
        site_ = OutlinePolygon(3);
    }

    QImage Draw() {
        Ground();
        Roads();
        Lot();
        if (night_) StreetLightPools();
        Floor();
        Places();
        DoorMats();
        StreetFurniture(false);
        Walls();
        StreetFurniture(true);
        p_.end();
        return img_;
    }

private:
    void Ground() {
        // Square paving stones on the pavements.
        p_.save();
        p_.setPen(QPen(L_.paveJoint, 0.8));
        for (double k = -800; k <= 1200; k += 12) {
            p_.drawLine(Iso(k, -1000), Iso(k, 1000));
            p_.drawLine(Iso(-1000, k), Iso(1000, k));
        }
        p_.restore();
    }

    void Roads() {
        QImage asphalt = Grain(L_.road, pic::Scale(L_.road, 0.86), pic::Scale(L_.road, 1.16), 11, 0.12, 0.10);
        QPainterPath road = PathOf(pic::IsoRect(-2000, kLeftRoadU, -2000, 2000));
        road = road.united(PathOf(pic::IsoRect(-2000, 2000, -2000, kRightRoadV)));
        p_.fillPath(road, QBrush(asphalt));
        // Kerb stones along both pavements.
        p_.setPen(Qt::NoPen);
        p_.setBrush(L_.kerb);
        p_.drawPolygon(pic::IsoRect(kLeftRoadU - kKerb, kLeftRoadU, kRightRoadV, 2000));
        p_.drawPolygon(pic::IsoRect(kLeftRoadU, 2000, kRightRoadV - kKerb, kRightRoadV));
        // Dashed centre lines.
        p_.setBrush(L_.lane);
        for (double s = -1000; s < 1000; s += 26) {
            if (std::abs(s + 13 - kCrossingV) > 30)
                p_.drawPolygon(pic::IsoRect(kLeftLaneU - 1, kLeftLaneU + 1, s, s + 13));
            p_.drawPolygon(pic::IsoRect(s, s + 13, kRightLaneV - 1, kRightLaneV + 1));
        }
        // The zebra crossing in front of the upper door.
        p_.setBrush(L_.zebra);
        for (int i = 0; i < 5; ++i) {
            double v0 = kCrossingV - 12 + i * 5;
            p_.drawPolygon(pic::IsoRect(6, kLeftRoadU - kKerb - 4, v0, v0 + 3));
        }
    }

    // Ground the shop may grow onto: inside the walled plot but outside the
    // present floor; for the small shop also everything behind its fence.
    QPainterPath LotPath() const {
        QPainterPath lot = PathOf(site_);
        if (f_.shopSize == 1) {
            QPointF fenceEnd = Iso(kFenceU, kSmallFrontV);
            QPolygonF behindFence({fenceEnd, Iso(kFenceU, kSmallFrontV + 800), QPointF(fenceEnd.x() - 800, 1000),
                                   QPointF(fenceEnd.x(), 1000)});
            lot = lot.united(PathOf(behindFence));
        }
        return lot.subtracted(PathOf(floor_));
    }

    void Lot() {
        QPainterPath lot = LotPath();
        if (lot.isEmpty()) return;
        QImage earth = Grain(L_.lot, L_.lotDark, pic::Scale(L_.lot, 1.12), 23, 0.18, 0.10);
        p_.fillPath(lot, QBrush(earth));
        // Tufts of grass and a few stones.
        p_.save();
        p_.setClipPath(lot);
        for (int i = 0; i < 900; ++i) {
            double x = pic::Hash01(i, 1, 31) * f_.width, y = pic::Hash01(i, 2, 31) * f_.height;
            if (pic::Hash01(i, 3, 31) < 0.8) {
                p_.setPen(QPen(pic::Hash01(i, 4, 31) < 0.5 ? L_.grass : pic::Scale(L_.grass, 0.8), 1.0));
                p_.drawLine(QPointF(x, y), QPointF(x - 1, y - 3));
                p_.drawLine(QPointF(x + 1, y), QPointF(x + 2, y - 3));
            } else {
                p_.setPen(Qt::NoPen);
                p_.setBrush(pic::Scale(L_.lot, 1.3));
                p_.drawEllipse(QPointF(x, y), 1.6, 1.0);
            }
        }
        p_.restore();
    }

    void Floor() {
        QPainterPath floor = PathOf(floor_);
        p_.save();
        p_.setClipPath(floor);
        p_.setPen(Qt::NoPen);
        for (int i = 8; i < 48; ++i)
            for (int j = -12; j < 24; ++j) {
                p_.setBrush(((i + j) & 1) ? L_.tileA : L_.tileB);
                p_.drawPolygon(pic::IsoRect(i * kTile, (i + 1) * kTile, j * kTile, (j + 1) * kTile));
            }
        p_.setPen(QPen(L_.tileLine, 0.6));
        for (int i = 8; i < 48; ++i) p_.drawLine(Iso(i * kTile, -200), Iso(i * kTile, 400));
        for (int j = -12; j < 24; ++j) p_.drawLine(Iso(80, j * kTile), Iso(700, j * kTile));

        if (night_) {
            // The shop's own lights.
            p_.setCompositionMode(QPainter::CompositionMode_Plus);
            p_.setPen(Qt::NoPen);
            for (QPointF uv : kCeilingLights) Pool(Iso(uv.x(), uv.y()), 58, QColor(78, 64, 38));
            p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        // The counter's shadow.
        QPolygonF counter;
        if (f_.shopSize == 1)
            for (QPoint c : kSmallCounterCells) counter << CellFeet(c.x(), c.y());
        else
            for (QPoint c : kCounterCells) counter << CellFeet(c.x(), c.y());
        QColor cs = L_.shade;
        cs.setAlpha(night_ ? 110 : 70);
        p_.setPen(Qt::NoPen);
        p_.setBrush(cs);
        p_.drawPolygon(counter);
        // A soft shadow along the foot of the back walls.
        const auto& outline = Outline(f_.shopSize);
        for (size_t i = 0; i < outline.size(); ++i) {
            QPointF a = outline[i].at(), b = outline[(i + 1) % outline.size()].at();
            if (outline[i].next != Edge::Wall || !IsBackWall(a, b)) continue;
            QPointF in = -Outward(a, b, 9);
            QLinearGradient g(Lerp(a, b, 0.5), Lerp(a, b, 0.5) + in);
            QColor s = L_.shade;
            s.setAlpha(night_ ? 90 : 55);
            g.setColorAt(0, s);
            s.setAlpha(0);
            g.setColorAt(1, s);
            p_.setBrush(g);
            p_.drawPolygon(QPolygonF({a, b, b + in, a + in}));
        }
        p_.restore();
    }

    // A light pool on the ground, flattened like the floor.
    void Pool(QPointF at, double radius, QColor c) {
        p_.save();
        p_.translate(at);
        p_.scale(1.0, 0.5);
        QRadialGradient g(QPointF(0, 0), radius);
        g.setColorAt(0, c);
        g.setColorAt(0.55, pic::Scale(c, 0.45));
        g.setColorAt(1, QColor(0, 0, 0));
        p_.setBrush(g);
        p_.setPen(Qt::NoPen);
        p_.drawEllipse(QPointF(0, 0), radius, radius);
        p_.restore();
    }

    void PlaceMarks(const PlaceRun* runs, size_t n, QColor fill, QColor edge, double inset) {
        for (size_t r = 0; r < n; ++r) {
            const PlaceRun& run = runs[r];
            if (run.fromSize > f_.shopSize) continue;
            for (int s = run.first; s <= run.last; ++s) {
                const int k = s - run.first;
                double du = run.alongV ? 0 : 26.0 * k, dv = run.alongV ? -26.0 * k : 0;
                QPolygonF box = pic::IsoRect(run.u0 + du + inset, run.u1 + du - inset, run.v0 + dv + inset,
                                             run.v1 + dv - inset);
                p_.setPen(QPen(edge, 1.0));
                p_.setBrush(fill);
                p_.drawPolygon(box);
            }
        }
    }

    void Places() {
        PlaceMarks(kShelfSpots, std::size(kShelfSpots), L_.spot, L_.spotEdge, 1.5);
        PlaceMarks(kRegisterPlaces, std::size(kRegisterPlaces), L_.reg, L_.regEdge, 1.0);
        PlaceMarks(kServicePlaces, std::size(kServicePlaces), L_.svc, L_.svcEdge, 1.0);
    }

    void DoorMats() {
        const auto& outline = Outline(f_.shopSize);
        for (size_t i = 0; i < outline.size(); ++i) {
            if (outline[i].next != Edge::Door) continue;
            QPointF a = outline[i].at(), b = outline[(i + 1) % outline.size()].at();
            QPointF in = -Outward(a, b, 12);
            QPointF a1 = Lerp(a, b, 0.1), b1 = Lerp(a, b, 0.9);
            p_.setPen(QPen(L_.matEdge, 1.0));
            p_.setBrush(L_.mat);
            p_.drawPolygon(QPolygonF({a1 + in * 0.15, b1 + in * 0.15, b1 + in, a1 + in}));
        }
    }

    void StreetLightPools() {
        p_.save();
        p_.setCompositionMode(QPainter::CompositionMode_Plus);
        for (const Fixture& l : kLamps)
            if (l.fromSize <= f_.shopSize) Pool(Iso(l.u, l.v), 64, QColor(92, 80, 44));
        // Shop light falling out of the windows onto the pavement.
        const auto& outline = Outline(f_.shopSize);
        for (size_t i = 0; i < outline.size(); ++i) {
            QPointF a = outline[i].at(), b = outline[(i + 1) % outline.size()].at();
            if (outline[i].next == Edge::Wall && IsBackWall(a, b) && !IsUpright(a, b))
                for (const WallPane& w : PanesOn(a, b)) {
                    const double x = (w.x0 + w.x1) / 2.0;
                    const QPointF foot(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
                    Pool(foot + Outward(a, b, 40), 24, QColor(84, 66, 28));
                }
        }
        p_.restore();
    }

    // Lamps and trees; the ones behind the shop first, the rest after the walls.
    void StreetFurniture(bool inFront) {
        auto isInFront = [](double u, double v) { return u + v > 300; };
        for (const Fixture& t : kTrees) {
            if (t.fromSize > f_.shopSize || isInFront(t.u, t.v) != inFront) continue;
            QPointF at = Iso(t.u, t.v);
            p_.setPen(QPen(pic::Scale(L_.planter, 0.7), 1));
            p_.setBrush(L_.planter);
            // A square planter seen corner on, then the trunk and the crown.
            p_.drawPolygon(QPolygonF({at + QPointF(-6, -3), at + QPointF(-6, -6), at + QPointF(0, -9),
                                      at + QPointF(6, -6), at + QPointF(6, -3), at}));
            p_.setPen(QPen(pic::Scale(L_.planter, 0.6), 2));
            p_.drawLine(at + QPointF(0, -6), at + QPointF(0, -14));
            p_.setPen(Qt::NoPen);
            p_.setBrush(L_.leafDark);
            p_.drawEllipse(at + QPointF(0, -22), 10, 9);
            p_.setBrush(L_.leaf);
            p_.drawEllipse(at + QPointF(-2, -24), 7, 6);
        }
        for (const Fixture& l : kLamps) {
            if (l.fromSize > f_.shopSize || isInFront(l.u, l.v) != inFront) continue;
            QPointF at = Iso(l.u, l.v);
            p_.setPen(QPen(L_.post, 2));
            p_.drawLine(at, at + QPointF(0, -38));
            p_.drawLine(at + QPointF(0, -38), at + QPointF(5, -41));
            p_.setPen(Qt::NoPen);
            p_.setBrush(L_.post);
            p_.drawEllipse(at + QPointF(0, 0), 3, 1.5);
            QPointF head = at + QPointF(6, -40);
            if (night_) {
                p_.save();
                p_.setCompositionMode(QPainter::CompositionMode_Plus);
                QRadialGradient g(head, 12);
                g.setColorAt(0, QColor(140, 120, 60));
                g.setColorAt(1, QColor(0, 0, 0));
                p_.setBrush(g);
                p_.drawEllipse(head, 12, 12);
                p_.restore();
            }
            p_.setBrush(L_.lampHead);
            p_.setPen(QPen(L_.post, 1));
            p_.drawEllipse(head, 3, 2);
        }
    }

    // ---- walls ----
    //
    // Walls are set pixel column by pixel column, the way the walls of the
    // scenery pieces are, on the same foot lines and with the same colours:
    // where a piece's wall ends the picture's wall carries on without a seam.
    // Being lit from inside, they look the same by night.

    static bool IsBackWall(QPointF a, QPointF b) { return Outward(a, b, 1).y() < -0.01; }
    static bool IsUpright(QPointF a, QPointF b) { return std::abs(a.x() - b.x()) < 0.01; }
    // Walls running down to the right get less light.
    static bool Shaded(QPointF a, QPointF b) { return (b.y() - a.y()) * (b.x() - a.x()) > 0; }

    // The wall's foot row at pixel column x.
    static int FootAt(QPointF a, QPointF b, int x) {
        double y = a.y() + (b.y() - a.y()) * (x + 0.5 - a.x()) / (b.x() - a.x());
        return static_cast<int>(std::floor(y - 0.5));
    }

    void Column(int x, int top, int bottom, QColor c) {
        for (int y = std::max(top, 0); y <= bottom && y < img_.height(); ++y)
            if (x >= 0 && x < img_.width()) img_.setPixelColor(x, y, c);
    }

    // Panes on the walls' inside: (first, last + 1) pixel column, and the
    // rows above the foot they span.
    static std::vector<WallPane> PanesOn(QPointF a, QPointF b) {
        std::vector<WallPane> out;
        const double x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x());
        for (const WallPane& p : kWallPanes)
            if (p.x0 >= x0 && p.x1 <= x1) out.push_back(p);
        return out;
    }

    // A shop window with books on show, as in the scenery's walls.
    void DisplayWindow(QPointF a, QPointF b, const WallPane& pane) {
        for (int x = pane.x0; x < pane.x1; ++x) {
            const int g = FootAt(a, b, x);
            Column(x, g - kPaneTop, g - kPaneBottom, L_.glass);
            Column(x, g - kPaneTop - 1, g - kPaneTop - 1, kWallFrameDark);
            Column(x, g - kPaneBottom + 1, g - kPaneBottom + 1, kWallFrameDark);
            Column(x, g - kPaneBottom - 4, g - kPaneBottom - 4, kDisplayShelf);
            const int h = static_cast<int>(pic::Hash01(pane.x0, x, 5) * 1000);
            if (x > pane.x0 + 1 && x < pane.x1 - 2 && h % 5 != 0)
                Column(x, g - kPaneBottom - 5 - h % 3 - 3, g - kPaneBottom - 5, kCovers[(h / 7) % std::size(kCovers)]);
            if ((x - pane.x0) % 9 == 3) {
                for (int k = 0; k < 3; ++k) Column(x + k, g - kPaneTop + 3 - k, g - kPaneTop + 3 - k, L_.glassShine);
            }
        }
        for (int x : {pane.x0 - 1, pane.x1}) {
            const int g = FootAt(a, b, x);
            Column(x, g - kPaneTop - 1, g - kPaneBottom + 1, kWallFrameDark);
        }
    }

    void BackWall(QPointF a, QPointF b) {
        if (a.x() > b.x()) std::swap(a, b);
        const QColor face = Shaded(a, b) ? pic::Scale(kWallFace, 0.86) : kWallFace;
        const QColor dado = pic::Scale(face, 0.88), top = pic::Mix(face, Qt::white, 0.12);
        for (int x = static_cast<int>(std::ceil(a.x())); x < static_cast<int>(std::floor(b.x())); ++x) {
            const int g = FootAt(a, b, x);
            Column(x, g - kWallHeight + 1, g, face);
            Column(x, g - 1, g, kWallSkirting);
            Column(x, g - 12, g - 12, dado);
            Column(x, g - kWallHeight + 1, g - kWallHeight + 1, top);
        }
        for (const WallPane& pane : PanesOn(a, b)) DisplayWindow(a, b, pane);
        // The top of the wall, thickened towards the outside.
        const QPointF t = Outward(a, b, kWallThick);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kWallCap);
        p_.drawPolygon(QPolygonF({Up(a, kWallHeight), Up(b, kWallHeight), Up(b, kWallHeight) + t,
                                  Up(a, kWallHeight) + t}));
        p_.setRenderHint(QPainter::Antialiasing, true);
    }

    // A wall seen edge on shows as a square pillar, as in the scenery.
    void UprightWall(QPointF a, QPointF b) {
        const int cx = static_cast<int>(std::lround(a.x()));
        const int top = static_cast<int>(std::min(a.y(), b.y())) - kWallHeight;
        const int bottom = static_cast<int>(std::max(a.y(), b.y()));
        for (int x = cx - kPillarHalf; x < cx + kPillarHalf; ++x)
            Column(x, top + std::abs(x - cx) / 2, bottom, x < cx ? kPillar : pic::Scale(kPillar, 0.82));
        for (int x = cx - kPillarHalf; x < cx + kPillarHalf; ++x) Column(x, bottom, bottom, kWallSkirting);
        for (int x = cx - kPillarHalf + 1; x < cx + kPillarHalf - 1; ++x)
            Column(x, top + 1 - std::abs(x - cx) / 2, top + 1, pic::Mix(kPillar, Qt::white, 0.15));
    }

    // The cut-away front: a low kerb of concrete where the front stands.
    void Ledge(QPointF a, QPointF b) {
        QPointF out = Outward(a, b, kWallThick);
        Quad(a + out, b + out, Up(b + out, kLedgeHeight), Up(a + out, kLedgeHeight), L_.ledge);
        Quad(Up(a, kLedgeHeight), Up(b, kLedgeHeight), Up(b + out, kLedgeHeight), Up(a + out, kLedgeHeight),
             L_.ledgeCap);
    }

    void Quad(QPointF a, QPointF b, QPointF c, QPointF d, QColor fill) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(fill);
        p_.drawPolygon(QPolygonF({a, b, c, d}));
    }

    // Door posts on both sides of an opening; the header above the door is
    // scenery.
    void DoorPosts(QPointF a, QPointF b) {
        if (a.x() > b.x()) std::swap(a, b);
        const int left = static_cast<int>(std::lround(a.x())), right = static_cast<int>(std::lround(b.x())) - 2;
        for (int x : {left, right}) {
            const int g = static_cast<int>(std::floor((x == left ? a.y() : b.y()) - 0.5));
            Column(x, g - kWallHeight + 1, g - 1, x == left ? kWallFrameDark : kWallFrame);
            Column(x + 1, g - kWallHeight + 1, g - 1, x == left ? kWallFrame : kWallFrameDark);
        }
    }

    void Walls() {
        const auto& outline = Outline(f_.shopSize);
        const size_t n = outline.size();
        // Far walls first, then the fronts, the doors and the pillars.
        for (int pass = 0; pass < 4; ++pass)
            for (size_t i = 0; i < n; ++i) {
                QPointF a = outline[i].at(), b = outline[(i + 1) % n].at();
                const bool door = outline[i].next == Edge::Door;
                if (pass == 0 && !door && IsBackWall(a, b) && !IsUpright(a, b)) BackWall(a, b);
                if (pass == 1 && !door && !IsBackWall(a, b) && !IsUpright(a, b)) Ledge(a, b);
                if (pass == 2 && door) DoorPosts(a, b);
                if (pass == 3 && !door && IsUpright(a, b)) UprightWall(a, b);
            }
        // The corner where the two back walls meet.
        const QPointF top = outline[0].at();
        Column(static_cast<int>(top.x()), static_cast<int>(top.y()) - kWallHeight + 1, static_cast<int>(top.y()) - 1,
               pic::Scale(kWallFace, 0.75));
    }

    const FloorFile& f_;
    bool night_;
    const Look& L_;
    QImage img_;
    QPainter p_;
    QPolygonF floor_, site_;
};

}  // namespace

bool MakeFloorPictures(const QDir& out) {
    // Plain pictures: the floor view maps them rather than holding decoded
    // copies of the day and the night.
    for (const FloorFile& f : kFloorFiles) {
        if (!pic::SavePlain(FloorPainter(f, false).Draw(), out, QString::fromLatin1(f.day))) return false;
        if (!pic::SavePlain(FloorPainter(f, true).Draw(), out, QString::fromLatin1(f.night))) return false;
    }
    return true;
}
