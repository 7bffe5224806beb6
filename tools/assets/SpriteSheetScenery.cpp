// Scenery of the shop floor: walls, counters and shop fronts, the doors with
// their shutters and headers, the street fence, litter and fire.
//
// Walls and counters that the game cuts into several depth pieces are drawn
// here once per shop size as a whole, in floor coordinates, following the
// floor's walkable outline: a floor cell (gx, gy) stands at pixel
// ((gx - 20) * 6, (gy - 20) * 3) and a person's feet are 8 right and 30 below
// that, so the "ground" lines below are the cells' foot lines.
#include "tools/assets/SpriteSheetArt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace sheetart {
namespace {

// Scene canvases reach a little above and left of the floor picture.
constexpr QPoint kSceneOrigin{-32, -16};
constexpr int kSceneW = 640, kSceneH = 400;

// Colours of the building.
constexpr Rgb kWall = rgb(238, 228, 204);
constexpr Rgb kWallTop = rgb(170, 150, 120);
constexpr Rgb kSkirting = rgb(140, 100, 64);
constexpr Rgb kPillar = rgb(214, 206, 190);
constexpr Rgb kFrame = rgb(150, 158, 172);
constexpr Rgb kFrameDark = rgb(92, 98, 112);
constexpr Rgb kFrameLight = rgb(222, 228, 236);
constexpr Rgb kGlassGleam = rgb(236, 248, 255);
constexpr Rgb kCounterTop = rgb(234, 216, 178);
constexpr Rgb kCounterFront = rgb(158, 100, 58);
constexpr Rgb kCounterBand = rgb(38, 142, 132);

// Drawing in floor coordinates on a scene canvas.
struct Floor {
    QImage& im;
    void put(int x, int y, Rgb c) const { sheetart::put(im, x - kSceneOrigin.x(), y - kSceneOrigin.y(), c); }
    void vrun(int x, int y0, int y1, Rgb c) const {
        sheetart::vrun(im, x - kSceneOrigin.x(), y0 - kSceneOrigin.y(), y1 - kSceneOrigin.y(), c);
    }
    void fill(int x, int y, int w, int h, Rgb c) const {
        sheetart::fill(im, x - kSceneOrigin.x(), y - kSceneOrigin.y(), w, h, c);
    }
    void line(QPoint a, QPoint b, Rgb c) const { sheetart::line(im, a - kSceneOrigin, b - kSceneOrigin, c); }
    void poly(std::vector<QPointF> pts, Rgb c) const {
        for (auto& p : pts) p -= QPointF(kSceneOrigin);
        convex(im, pts, c);
    }
    Box box(Box b) const {
        b.x0 -= kSceneOrigin.x();
        b.y0 -= kSceneOrigin.y();
        return b;
    }
};

// A ground line from (x0, y0) to (x1, y1) sampled per pixel column.
struct Run {
    double x0, y0, x1, y1;
    double at(double x) const { return y0 + (y1 - y0) * (x - x0) / (x1 - x0); }
};

// ---- Walls seen from inside -------------------------------------------------

// A back wall whose foot runs along `run`, `height` pixels high, with its top
// edge thickened towards the outside by `thick` (negative x for the wall
// running up-right, positive for the one running down-right).
void backWall(const Floor& f, const Run& run, int height, double thick, Rgb face) {
    for (int x = int(run.x0); x < int(run.x1); ++x) {
        int g = int(std::floor(run.at(x + 0.5) - 0.5));
        f.vrun(x, g - height + 1, g, face);
        f.vrun(x, g - 1, g, kSkirting);
        f.put(x, g - 12, shade(face, 88));
        f.put(x, g - height + 1, shade(face, 112));
    }
    QPointF p0(run.x0, run.y0 - height), p1(run.x1, run.y1 - height);
    QPointF t(thick, -std::abs(thick) / 2.0);
    f.poly({p0, p1, p1 + t, p0 + t}, kWallTop);
}

// A square pillar standing on ground point (cx, gy), `half` pixels each side.
void pillar(const Floor& f, int cx, int gy, int half, int top) {
    for (int x = cx - half; x < cx + half; ++x) {
        double dx = std::abs(x + 0.5 - cx);
        int g = int(std::floor(gy - (half - dx) / 2.0 + half / 2.0 - 0.5));
        Rgb c = x < cx ? kPillar : shade(kPillar, 82);
        f.vrun(x, top + int(dx / 2), g, c);
        f.put(x, g, kSkirting);
    }
    f.poly({QPointF(cx - half, top + half / 2.0), QPointF(cx, top), QPointF(cx + half, top + half / 2.0), QPointF(cx, top + half)},
           shade(kPillar, 115));
}

// A shop window set into a back wall: glass with a few books on show.
void displayWindow(const Floor& f, const Run& run, int x0, int x1, int t0, int t1, unsigned seed) {
    for (int x = x0; x < x1; ++x) {
        int g = int(std::floor(run.at(x + 0.5) - 0.5));
        f.vrun(x, g - t1, g - t0, rgb(176, 214, 232));
        f.put(x, g - t1 - 1, kFrameDark);
        f.put(x, g - t0 + 1, kFrameDark);
        f.put(x, g - t0 - 4, rgb(150, 110, 70));  // display shelf
        unsigned h = hash(seed, unsigned(x));
        if (x > x0 + 1 && x < x1 - 2 && h % 5 != 0) {
            const Rgb covers[] = {rgb(210, 60, 60), rgb(60, 110, 210), rgb(240, 200, 60), rgb(70, 170, 90), rgb(150, 80, 170)};
            f.vrun(x, g - t0 - 5 - int(h % 3) - 3, g - t0 - 5, covers[(h >> 4) % 5]);
        }
        if ((x - x0) % 9 == 3) f.line(QPoint(x, g - t1 + 3), QPoint(x + 3, g - t1 + 1), kGlassGleam);
    }
    for (int x : {x0 - 1, x1}) {
        int g = int(std::floor(run.at(x + 0.5) - 0.5));
        f.vrun(x, g - t1 - 1, g - t0 + 1, kFrameDark);
    }
}

// ---- Glass shop fronts ------------------------------------------------------

// A glass front along a polyline of foot points: a kick plate, a top rail,
// mullions and glints on the panes. The glass itself is left clear so that
// the people behind it stay visible.
void glassFront(const Floor& f, const std::vector<QPointF>& pts, int height) {
    for (size_t k = 0; k + 1 < pts.size(); ++k) {
        Run run{pts[k].x(), pts[k].y(), pts[k + 1].x(), pts[k + 1].y()};
        for (int x = int(run.x0); x < int(run.x1); ++x) {
            int g = int(std::floor(run.at(x + 0.5) - 0.5));
            f.vrun(x, g - 3, g, kFrameDark);
            f.put(x, g - 4, kFrame);
            f.vrun(x, g - height, g - height + 1, kFrameLight);
            f.put(x, g - height + 2, kFrame);
            int along = x - int(run.x0);
            if (along % 24 < 2) f.vrun(x, g - height, g, along % 24 == 0 ? kFrame : kFrameDark);
            int pane = along % 24;
            if (pane == 5 || pane == 8) {
                int y = g - height + (pane == 5 ? 6 : 5);
                f.line(QPoint(x, y), QPoint(x + 2, y - 4), kGlassGleam);
            }
        }
    }
    for (const QPointF& p : pts) {
        int x = int(p.x()), g = int(std::floor(p.y() - 0.5));
        f.fill(x - 1, g - height - 1, 3, height + 2, kFrame);
        f.vrun(x + 1, g - height - 1, g, kFrameDark);
    }
}

// ---- Counters ---------------------------------------------------------------

void counterArm(const Floor& f, const Box& where) {
    Box bx = f.box(where);
    drawBox(f.im, bx, {kCounterTop, where.dir > 0 ? kCounterFront : shade(kCounterFront, 82),
                       where.dir > 0 ? shade(kCounterFront, 82) : kCounterFront});
    onFront(f.im, bx, 0, 0, bx.len, 2, shade(kCounterFront, 60));
    onFront(f.im, bx, 0, 7, bx.len, 2, kCounterBand);
    onFront(f.im, bx, 0, bx.height - 1, bx.len, 1, shade(kCounterTop, 80));
    onEnd(f.im, bx, 0, 0, bx.depth, 2, shade(kCounterFront, 50));
    onEnd(f.im, bx, 0, 7, bx.depth, 2, shade(kCounterBand, 80));
    for (int s = 5; s < bx.len - 3; s += 12) onFront(f.im, bx, s, 2, 1, 5, shade(kCounterFront, 75));  // panel joints
    edgeLines(f.im, bx, shade(kCounterFront, 55));
}

// The counter of the small shop: one straight run with register 1 on it,
// the clerk on its down-left side and the customers on the other.
void smallCounter(const Floor& f) { counterArm(f, Box{166, 118, 66, +1, 8, 14}); }

// The bigger shops' counter is an L: the first run again, and a second run
// down-left from its far corner for register 2. The outer corner is cut off
// square.
void bigCounter(const Floor& f) {
    counterArm(f, Box{166, 118, 75, +1, 8, 14});
    counterArm(f, Box{162, 195, 87, -1, 8, 14});
    for (int x = 245; x < 252; ++x)
        for (int y = 120; y < 160; ++y) f.put(x, y, 0);
    for (int y = 134; y <= 153; ++y) f.put(244, y, shade(kCounterFront, 55));
}

// ---- Shop shells -----------------------------------------------------------

// The back wall line of the shop, through the top corner: its upper-left
// part runs up-right, its upper-right part down-right.
double upperLeftWall(double x) { return 37 + (260 - x) / 2; }
double upperRightWall(double x) { return 37 + (x - 260) / 2; }

void smallShop(const Floor& f, int layer) {
    if (layer == kCounter) smallCounter(f);
    if (layer == kFront) {
        // The glass front of the small shop, from its left corner down to the
        // bottom corner and up to the right.
        glassFront(f, {{129, 119.5}, {356, 233}, {476, 173}}, 30);
    }
    if (layer != kBackWalls) return;

    // Upper-left wall left of the door, with a pillar where the wall steps.
    Run left{150, upperLeftWall(150), 178, upperLeftWall(178)};
    backWall(f, left, 32, -3, kWall);
    displayWindow(f, left, 153, 175, 8, 24, 7);
    f.vrun(176, int(upperLeftWall(176)) - 31, int(upperLeftWall(176)) - 1, kFrameDark);  // door post
    f.vrun(177, int(upperLeftWall(177)) - 31, int(upperLeftWall(177)) - 1, kFrame);
    pillar(f, 146, 91, 4, 47);

    // Right of the door up to the top corner, then the upper-right wall.
    Run right{210, upperLeftWall(210), 260, upperLeftWall(260)};
    backWall(f, right, 32, -3, kWall);
    Run far{260, upperRightWall(260), 292, upperRightWall(292)};
    backWall(f, far, 32, 3, shade(kWall, 86));
    f.vrun(210, int(upperLeftWall(210)) - 31, int(upperLeftWall(210)) - 1, kFrame);  // door post
    f.vrun(211, int(upperLeftWall(211)) - 31, int(upperLeftWall(211)) - 1, kFrameDark);
    f.vrun(260, 6, 36, shade(kWall, 75));  // the corner
    // A poster and a clock on the wall.
    for (int x = 222; x < 236; ++x) {
        int g = int(upperLeftWall(x + 0.5));
        f.vrun(x, g - 26, g - 15, x < 224 || x > 233 ? rgb(40, 60, 130) : rgb(250, 210, 70));
        if (x > 225 && x < 232) f.vrun(x, g - 23, g - 21, rgb(200, 50, 50));
    }
    ellipse(f.im, 247 - kSceneOrigin.x(), 21 - kSceneOrigin.y(), 3, 3, rgb(250, 250, 250));
    f.put(247, 19, kInk), f.put(247, 20, kInk), f.put(248, 21, kInk);
    // A potted plant in the corner.
    f.fill(265, 40, 8, 7, rgb(190, 96, 56));
    f.fill(264, 39, 10, 2, rgb(214, 118, 70));
    for (int k = 0; k < 7; ++k) {
        unsigned h = hash(unsigned(k), 77);
        double cx = 269 + int(h % 9) - 4.0, cy = 33 - int((h >> 8) % 9);
        ellipse(f.im, cx - kSceneOrigin.x(), cy - kSceneOrigin.y(), 3, 2.2, k % 2 ? rgb(60, 150, 70) : rgb(90, 180, 80));
    }
}

void mediumShop(const Floor& f, int layer) {
    if (layer == kCounter) bigCounter(f);
    if (layer == kFront) {
        // Posts of the glass front at its left and right ends; the glass
        // between them is the small shop's front picture, shown again.
        f.fill(25, 196, 5, 41, kFrame);
        f.vrun(29, 196, 236, kFrameDark);
        f.fill(24, 195, 7, 2, kFrameLight);
        f.fill(470, 156, 3, 22, kFrame);
        f.vrun(472, 156, 177, kFrameDark);
    }
    if (layer != kBackWalls) return;

    // The upper-left wall below the step, as far as the side door.
    Run upper{116, 126, 146, 111};
    backWall(f, upper, 32, -3, kWall);
    displayWindow(f, upper, 121, 140, 8, 24, 11);
    pillar(f, 145, 111, 3, 79);
    // Right of the side door, up to where the wall turns.
    Run beside{84, 189, 116, 173};
    backWall(f, beside, 32, -3, kWall);
    displayWindow(f, beside, 88, 110, 8, 24, 13);
    f.vrun(82, 158, 189, kFrame), f.vrun(83, 158, 188, kFrameDark);  // door post
    pillar(f, 117, 173, 3, 132);
    // Left of the side door, to the shop's left corner.
    Run lower{27, 217.5, 48, 207};
    backWall(f, lower, 32, -3, kWall);
    f.vrun(48, 175, 206, kFrameDark), f.vrun(49, 175, 206, kFrame);  // door post
    pillar(f, 25, 218, 3, 177);
}

void largeShop(const Floor& f, int layer) {
    if (layer != kFront) return;
    // The full-width glass front: left side, bottom and right side.
    glassFront(f, {{28, 248}, {206, 337}, {372, 337}, {538, 254}}, 34);
    // Corner pillar at the far left, where the side wall meets the front.
    f.fill(21, 187, 8, 61, kFrame);
    f.vrun(27, 187, 247, kFrameDark), f.vrun(28, 187, 247, kFrameDark);
    f.fill(21, 186, 8, 2, kFrameLight);
}

// ---- Fire -------------------------------------------------------------------

void tongue(QPainter& p, double bx, double by, double w, double h, double lean, Rgb c) {
    QPainterPath path;
    path.moveTo(bx - w, by);
    path.cubicTo(bx - w, by - h * 0.45, bx + lean - w * 0.35, by - h * 0.7, bx + lean, by - h);
    path.cubicTo(bx + lean + w * 0.45, by - h * 0.62, bx + w, by - h * 0.42, bx + w, by);
    path.closeSubpath();
    p.setBrush(QColor::fromRgb(c));
    p.drawPath(path);
}

}  // namespace

Scene shopScene(int shopSize, int layer) {
    Scene s{canvas(kSceneW, kSceneH), kSceneOrigin};
    Floor f{s.image};
    if (shopSize == 1) smallShop(f, layer);
    else if (shopSize == 2) mediumShop(f, layer);
    else largeShop(f, layer);
    return s;
}

// Door leaves: glass panels in a metal frame, 16 across and rising 8 along
// the wall, 29 high. The handles meet in the middle of the door.
QImage doorLeaf(int leaf) {
    QImage im = canvas(16, 37);
    for (int x = 0; x < 16; ++x) {
        int top = int(std::floor(8 - x / 2.0 + 0.5)), bottom = top + 28;
        bool edge = x == 0 || x == 15;
        for (int y = top; y <= bottom; ++y) {
            bool rim = edge || y <= top + 1 || y >= bottom - 2;
            if (rim) put(im, x, y, y >= bottom - 2 ? kFrameDark : kFrame);
            else if ((x + y) % 2 == 0) put(im, x, y, rgb(176, 220, 240));
            else if ((x * 3 + y) % 11 == 0) put(im, x, y, kGlassGleam);
        }
    }
    int hx = leaf == 0 ? 13 : 2;
    int top = int(std::floor(8 - hx / 2.0 + 0.5));
    vrun(im, hx, top + 11, top + 17, rgb(80, 84, 96));
    return im;
}

// The shutter drawn over the closed door: grey slats under a housing box.
QImage doorCover() {
    QImage im = canvas(32, 45);
    for (int x = 0; x < 32; ++x) {
        int top = int(std::floor(16 - x / 2.0 + 0.5)), bottom = top + 28;
        for (int y = top; y <= bottom; ++y) {
            int t = y - top;
            Rgb c = rgb(176, 180, 186);
            if (t < 4) c = rgb(120, 124, 132);
            else if (t % 3 == 0) c = rgb(138, 142, 150);
            if (t >= 26) c = rgb(96, 98, 106);
            if (x == 0 || x == 31) c = rgb(100, 104, 112);
            put(im, x, y, c);
        }
    }
    return im;
}

// Over the door: the lintel, a striped awning and its scalloped edge.
QImage doorAwning() {
    QImage im = canvas(42, 21);
    // In this picture the door's top edge runs from (7, 20) to (39, 4).
    for (int x = 5; x < 42; ++x) {
        double doorTop = 20 - (x - 7) / 2.0;
        int y1 = int(std::floor(doorTop - 0.5));
        int y0 = y1 - 4;
        for (int y = y0; y <= y1; ++y) {
            bool stripe = ((x - 5) / 4) % 2 == 0;
            Rgb c = stripe ? rgb(214, 46, 52) : rgb(248, 244, 236);
            if (y == y0) c = shade(c, 85);
            put(im, x, y, c);
        }
        if ((x - 5) % 4 == 1 || (x - 5) % 4 == 2) put(im, x, y1 + 1, ((x - 5) / 4) % 2 == 0 ? rgb(180, 30, 40) : rgb(220, 214, 204));
        put(im, x, y0 - 1, rgb(120, 30, 36));
    }
    return im;
}

// One bay of the street fence: a post and a low brick wall with a rail,
// rising 8 pixels over its 16; bays repeat along the street.
QImage wallPost() {
    QImage im = canvas(16, 30);
    for (int x = 0; x < 16; ++x) {
        int g = int(std::floor(29.5 - x / 2.0));
        if (x >= 3) {
            for (int y = g - 9; y <= g; ++y) {
                int t = g - y;
                bool mortar = t % 3 == 0 || ((x + (t / 3) * 3) % 6 == 0);
                put(im, x, y, mortar ? rgb(214, 196, 176) : rgb(180, 90, 66));
            }
            put(im, x, g - 10, rgb(220, 220, 214));
            put(im, x, g - 11, rgb(170, 170, 166));
            put(im, x, g - 20, rgb(110, 114, 124));
        }
    }
    int g0 = 29;
    fill(im, 0, 2, 3, g0 - 1, rgb(126, 130, 140));
    vrun(im, 2, 2, g0, rgb(92, 96, 106));
    fill(im, 0, 0, 3, 2, rgb(200, 204, 212));
    return im;
}

// Litter: crumpled paper, loose pages, a sweet wrapper and an empty can,
// strewn over a patch of floor. The left column stays clear.
QImage litter() {
    QImage im = canvas(45, 30);
    const Rgb paper = rgb(246, 246, 238), crease = rgb(186, 186, 182), print = rgb(150, 150, 160);
    // Two loose pages lying flat, one with a coloured picture.
    convex(im, {QPointF(14, 12), QPointF(25, 6), QPointF(35, 11), QPointF(24, 17)}, paper);
    for (int k = 0; k < 4; ++k) line(im, QPoint(19 + 2 * k, 11 + k), QPoint(24 + 2 * k, 9 + k), print);
    convex(im, {QPointF(3, 21), QPointF(11, 17), QPointF(18, 21), QPointF(10, 25)}, rgb(240, 236, 214));
    fill(im, 8, 20, 4, 2, rgb(220, 90, 80));
    fill(im, 11, 21, 2, 1, rgb(90, 150, 220));
    // Crumpled paper balls.
    ellipse(im, 24, 23, 3.6, 3.0, paper);
    put(im, 23, 22, crease), put(im, 25, 24, crease), put(im, 24, 21, crease);
    ellipse(im, 39, 6, 3.0, 2.5, paper);
    put(im, 38, 5, crease), put(im, 40, 7, crease);
    ellipse(im, 6, 7, 2.6, 2.2, rgb(236, 232, 220));
    put(im, 6, 6, crease);
    // A sweet wrapper and an empty can.
    fill(im, 31, 25, 4, 2, rgb(250, 200, 50));
    put(im, 30, 24, rgb(250, 200, 50)), put(im, 35, 27, rgb(250, 200, 50));
    fill(im, 35, 16, 6, 3, rgb(40, 120, 210));
    vrun(im, 41, 16, 18, rgb(200, 200, 206));
    put(im, 37, 17, rgb(250, 250, 250));
    outline(im, rgb(96, 86, 76));
    for (int y = 0; y < 30; ++y) im.setPixel(0, y, 0);
    return im;
}

// Fire: two frames of flame tongues, red outside to pale yellow inside.
QImage flame(int frame) {
    QImage im = canvas(62, 70);
    {
        QPainter p(&im);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        struct T { double x, w, h, lean; };
        const T outer0[] = {{20, 11, 44, -4}, {32, 14, 64, 3}, {44, 11, 48, 6}, {26, 9, 30, -8}, {50, 8, 34, 9}};
        const T outer1[] = {{19, 11, 50, 3}, {31, 14, 58, -4}, {44, 12, 56, -2}, {27, 8, 36, 6}, {51, 8, 28, -5}};
        const T* outer = frame == 0 ? outer0 : outer1;
        const double base = 68;
        for (int layer = 0; layer < 4; ++layer) {
            const Rgb colours[4] = {rgb(206, 34, 20), rgb(244, 112, 26), rgb(252, 200, 50), rgb(255, 246, 170)};
            const double scale[4] = {1.0, 0.74, 0.5, 0.28};
            for (int k = 0; k < 5; ++k) {
                const T& t = outer[k];
                if (layer == 3 && k > 2) continue;
                tongue(p, t.x, base, t.w * scale[layer], t.h * scale[layer] * (layer ? 0.95 : 1.0), t.lean * scale[layer],
                       colours[layer]);
            }
        }
    }
    // Embers at the foot and sparks above.
    for (int x = 12; x < 54; ++x)
        if (opaque(im, x, 68)) put(im, x, 69, x % 3 ? rgb(140, 20, 14) : rgb(250, 180, 40));
    const QPoint sparks0[] = {{12, 20}, {48, 10}, {30, 2}, {54, 26}};
    const QPoint sparks1[] = {{16, 12}, {44, 4}, {8, 30}, {36, 6}};
    const QPoint* sparks = frame == 0 ? sparks0 : sparks1;
    for (int k = 0; k < 4; ++k) fill(im, sparks[k].x(), sparks[k].y(), 2, 2, rgb(252, 220, 90));
    return im;
}

}  // namespace sheetart
