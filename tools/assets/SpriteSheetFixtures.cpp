// Shelves and floor machines, cash registers, and the machines that stand on
// the counter.
//
// A fixture frame shows one fixture on its floor spot. Spots run in rows 26
// pixels across and 13 down per spot, so a fixture's long side runs along
// that diagonal; its frame is 42 or 44 pixels wide and 51 high:
//
//   facing 4 (x +0, 42 wide) and facing 2 (x +42, 44 wide): long side runs
//       down-right, we see its down-left side and its right end;
//   facing 1 (x +86, 44 wide): long side runs up-right, we see its
//       down-right side and its left end.
//
// The shelves are double-sided bookstore gondolas, so the side we see holds
// books whichever way the customers face them.
#include "tools/assets/SpriteSheetArt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sheetart {
namespace {

// ---- Shelves ----------------------------------------------------------------

struct ShelfStyle {
    int tiers, height;
    Rgb frame;
    Rgb endPanel;
    bool castors;
};

// Rows 0..5: the six shelf models, each roomier than the last.
const ShelfStyle kShelves[6] = {
    {2, 17, rgb(150, 162, 180), rgb(120, 132, 150), false},  // 40 copies: low steel shelf
    {3, 21, rgb(226, 212, 182), rgb(200, 184, 150), false},  // 60 copies: cream shelf
    {3, 21, rgb(176, 118, 64), rgb(150, 96, 50), true},      // 80 copies: wooden, on castors
    {4, 25, rgb(238, 238, 234), rgb(40, 150, 150), false},   // 100 copies: white, teal end
    {4, 27, rgb(120, 78, 44), rgb(96, 60, 34), false},       // 120 copies: dark wood
    {5, 28, rgb(48, 62, 108), rgb(212, 170, 60), false},     // 150 copies: tall navy, gold end
};


const Rgb kSpines[] = {
    rgb(206, 52, 52),  rgb(52, 96, 196),   rgb(60, 156, 84),  rgb(232, 192, 50), rgb(234, 124, 40),
    rgb(134, 74, 166), rgb(40, 154, 154),  rgb(242, 232, 204), rgb(154, 94, 52), rgb(232, 124, 156),
    rgb(40, 52, 116),  rgb(246, 246, 240),
};

// How much of each tier is filled at each stage (3 full .. 0 empty).
double fillShare(int stage) {
    switch (stage) {
    case 3: return 0.96;
    case 2: return 0.62;
    case 1: return 0.26;
    default: return 0.0;
    }
}

void drawShelf(QImage& im, int row, int facing, int stage) {
    const ShelfStyle& st = kShelves[row];
    const bool wide = facing != 4;
    Box bx{0, 37, 26, +1, wide ? 18 : 16, st.height};
    if (facing == 1) bx = Box{18, 50, 26, -1, 18, st.height};
    if (st.castors) {
        // Lift the wooden shelf onto its wheels.
        bx.y0 -= 2;
    }
    Rgb frameLit = st.frame, frameShade = shade(st.frame, 78);
    Faces f{shade(st.frame, 118), facing == 1 ? frameShade : frameLit, facing == 1 ? shade(st.endPanel, 112) : st.endPanel};
    drawBox(im, bx, f);

    // Inside of the shelf: dark back, boards, and books on every tier.
    const int kick = 2, topRail = 1;
    const int usable = st.height - kick - topRail;
    const int tierH = usable / st.tiers;
    const Rgb back = shade(st.frame, 40);
    for (int tier = 0; tier < st.tiers; ++tier) {
        int t0 = kick + tier * tierH;  // the board
        int space = tierH - 1;
        onFront(im, bx, 2, t0 + 1, bx.len - 4, space, back);
        onFront(im, bx, 0, t0, bx.len, 1, shade(f.front, 88));
        for (int s = 2; s < bx.len - 2;) {
            unsigned hsh = hash(unsigned(row * 7 + facing), unsigned(tier), unsigned(s));
            int w = (hsh % 3 == 0) ? 2 : 1;
            w = std::min(w, bx.len - 2 - s);
            double v = double((hsh >> 8) % 1000) / 1000.0;
            if (v < fillShare(stage)) {
                Rgb spine = kSpines[(hsh >> 4) % (sizeof kSpines / sizeof kSpines[0])];
                int bh = space - int((hsh >> 20) % 2);
                onFront(im, bx, s, t0 + 1, w, bh, spine);
                if (w == 2) onFront(im, bx, s + 1, t0 + 1, 1, bh, shade(spine, 82));
            }
            s += w;
        }
    }
    onFront(im, bx, 0, st.height - 1, bx.len, 1, shade(f.front, 110));  // top rail
    // The centre board of the gondola along the top, and a sign on its end.
    {
        double h = st.height;
        QPointF m0 = up((bx.a() + bx.d()) / 2, h), m1 = up((bx.b() + bx.c()) / 2, h);
        line(im, m0.toPoint(), m1.toPoint(), shade(f.top, 86));
        onEnd(im, bx, bx.depth / 2 - 3, st.height - 8, 6, 5, shade(st.endPanel, 130));
        onEnd(im, bx, bx.depth / 2 - 2, st.height - 7, 4, 3, kSpines[(row * 5) % 12]);
    }
    if (st.castors) {
        Rgb wheel = rgb(40, 40, 44);
        QPointF a = bx.a(), b = bx.b();
        QPointF e = bx.dir > 0 ? bx.c() : bx.d();
        for (QPointF p : {a, b, e}) fill(im, int(p.x()) - (p.x() > 30 ? 2 : 0), int(p.y()), 2, 2, wheel);
    }
    edgeLines(im, bx, shade(st.frame, 45));
}

// ---- Floor machines ----------------------------------------------------------

// A machine centred on the spot: `len` along the row and `depth` across it
// (a shelf is 26 by 16 or 18).
Box machineBox(int facing, int len, int depth, int height) {
    const int fullDepth = facing == 4 ? 16 : 18;
    const double along = (26 - len) / 2.0, back = (fullDepth - depth) / 2.0;
    if (facing == 1) return Box{18.0 + along - back, 50.0 - along / 2.0 - back / 2.0, len, -1, depth, height};
    return Box{along + back, 37.0 + along / 2.0 - back / 2.0, len, +1, depth, height};
}

void drawVendingMachine(QImage& im, int facing) {
    Box bx = machineBox(facing, 14, 10, 34);
    Rgb body = rgb(212, 40, 48);
    drawBox(im, bx, {rgb(170, 172, 180), facing == 1 ? shade(body, 82) : body, facing == 1 ? body : shade(body, 78)});
    // Display window with rows of cans.
    onFront(im, bx, 2, 13, bx.len - 4, 16, rgb(24, 40, 86));
    const Rgb cans[] = {rgb(250, 220, 60), rgb(60, 190, 90), rgb(250, 250, 250), rgb(60, 140, 240)};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) onFront(im, bx, 3 + 2 * k + (k > 1), 15 + 5 * r, 1, 3, cans[(r + k) % 4]);
    // Buttons, coin slot and the delivery flap.
    onFront(im, bx, 2, 11, bx.len - 4, 1, rgb(250, 250, 250));
    onFront(im, bx, bx.len - 4, 7, 2, 3, rgb(200, 200, 206));
    onFront(im, bx, 2, 3, bx.len - 6, 3, rgb(30, 30, 34));
    // Brand wave on the end.
    onEnd(im, bx, 3, 10, bx.depth - 6, 2, rgb(250, 250, 250));
    onEnd(im, bx, 4, 14, bx.depth - 8, 1, rgb(250, 250, 250));
    edgeLines(im, bx, shade(body, 45));
}

void drawClawMachine(QImage& im, int facing) {
    Box bx = machineBox(facing, 22, facing == 4 ? 16 : 18, 30);
    Rgb cabinet = rgb(236, 112, 164);
    drawBox(im, bx, {rgb(250, 210, 80), facing == 1 ? shade(cabinet, 82) : cabinet, facing == 1 ? cabinet : shade(cabinet, 78)});
    // Glass case: prizes at the bottom, the claw hanging from the top.
    const int glass0 = 12, glass1 = 26;
    onFront(im, bx, 1, glass0, bx.len - 2, glass1 - glass0, rgb(200, 236, 248));
    onEnd(im, bx, 1, glass0, bx.depth - 2, glass1 - glass0, rgb(170, 212, 228));
    for (int s = 1; s < bx.len - 1; ++s)
        for (int t = glass0; t < glass1; ++t)
            if ((s + t) % 2 == 0) onFront(im, bx, s, t, 1, 1, rgb(232, 248, 252));
    const Rgb toys[] = {rgb(250, 200, 60), rgb(120, 200, 250), rgb(250, 120, 120), rgb(160, 230, 120), rgb(200, 150, 240)};
    for (int k = 0; k < 6; ++k) onFront(im, bx, 2 + 3 * k, glass0, 3, 2 + k % 2 + 1, toys[k % 5]);
    onFront(im, bx, 11, glass1 - 6, 1, 6, rgb(150, 150, 160));   // cable
    onFront(im, bx, 10, glass1 - 8, 3, 2, rgb(110, 110, 120));   // claw
    onFront(im, bx, 9, glass1 - 9, 1, 2, rgb(110, 110, 120));
    onFront(im, bx, 13, glass1 - 9, 1, 2, rgb(110, 110, 120));
    // Marquee lights and the control panel.
    onFront(im, bx, 0, glass1, bx.len, 4, rgb(250, 214, 70));
    for (int s = 1; s < bx.len; s += 3) onFront(im, bx, s, glass1 + 1, 1, 1, rgb(230, 40, 40));
    onFront(im, bx, 1, glass0 - 3, bx.len - 2, 2, rgb(60, 60, 70));
    onFront(im, bx, 6, glass0 - 2, 1, 3, rgb(40, 40, 40));
    onFront(im, bx, 6, glass0 + 1, 1, 1, rgb(240, 40, 40));   // joystick knob
    onFront(im, bx, 14, glass0 - 2, 2, 1, rgb(60, 200, 90));  // button
    onFront(im, bx, 4, 3, 4, 3, rgb(60, 40, 60));            // prize chute
    edgeLines(im, bx, shade(cabinet, 45));
}

void drawPhotoBooth(QImage& im, int facing) {
    Box bx = machineBox(facing, 26, facing == 4 ? 16 : 18, 28);
    Rgb body = rgb(60, 112, 206);
    drawBox(im, bx, {rgb(230, 234, 244), facing == 1 ? shade(body, 82) : body, facing == 1 ? body : shade(body, 78)});
    // The curtained doorway.
    onFront(im, bx, 2, 0, 13, 21, rgb(204, 40, 60));
    for (int s = 3; s < 15; s += 3) onFront(im, bx, s, 0, 1, 21, rgb(150, 24, 40));
    onFront(im, bx, 2, 21, 13, 1, rgb(220, 220, 220));  // curtain rail
    // Sample photos beside it.
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 2; ++k) {
            onFront(im, bx, 17 + 4 * k, 8 + 6 * r, 3, 4, rgb(250, 250, 250));
            onFront(im, bx, 18 + 4 * k, 9 + 6 * r, 1, 2, rgb(236, 188, 150));
        }
    // Sign with a camera on it.
    onFront(im, bx, 0, 23, bx.len, 5, rgb(252, 220, 70));
    onFront(im, bx, 10, 24, 6, 3, rgb(40, 40, 46));
    onFront(im, bx, 12, 25, 2, 1, rgb(250, 250, 250));
    onFront(im, bx, 14, 27, 1, 1, rgb(40, 40, 46));
    // A star on the end.
    onEnd(im, bx, bx.depth / 2 - 1, 12, 3, 1, rgb(252, 220, 70));
    onEnd(im, bx, bx.depth / 2, 11, 1, 3, rgb(252, 220, 70));
    edgeLines(im, bx, shade(body, 45));
}

// ---- Registers --------------------------------------------------------------

// Each register is drawn for the first register place, where the counter
// runs down-right and the clerk stands on its down-left side; the second
// place's counter runs the other way, so its picture is the mirror image.
QImage registerRight(int model, int w, int h) {
    QImage im = canvas(w, h);
    const double base = h - 1;
    switch (model) {
    case 0: {  // abacus lying on the counter
        Box bx{0, base - 3, 8, +1, 6, 1};
        drawBox(im, bx, {rgb(150, 92, 46), rgb(110, 64, 30), rgb(96, 56, 26)});
        QPointF t = up(bx.a(), 1);
        for (int rod = 0; rod < 3; ++rod)
            for (int k = 0; k < 4; ++k) {
                int x = int(t.x()) + 2 + 2 * k + rod * 2;
                int y = int(t.y() + (2 + 2 * k) / 2.0 - rod - 1) ;
                put(im, x, y, (k + rod) % 2 ? rgb(200, 60, 40) : rgb(60, 30, 20));
            }
        break;
    }
    case 1: {  // solar calculator
        Box bx{0, base - 3, 8, +1, 4, 1};
        drawBox(im, bx, {rgb(70, 72, 80), rgb(40, 40, 46), rgb(34, 34, 38)});
        QPointF t = up(bx.d(), 1);
        line(im, (t + QPointF(1, 1)).toPoint(), (t + QPointF(4, 2.5)).toPoint(), rgb(150, 190, 150));
        for (int k = 0; k < 3; ++k) put(im, int(t.x()) + k * 2, int(t.y()) + 3 + k, rgb(220, 220, 220));
        put(im, int(t.x()) + 5, int(t.y()) + 4, rgb(230, 120, 40));
        break;
    }
    case 2: {  // old brass register with pop-up price flags
        int bh = h >= 21 ? 7 : 6;
        Box bx{0, base - 6, 12, +1, 10, bh};
        Rgb brass = rgb(206, 164, 62);
        drawBox(im, bx, {shade(brass, 120), brass, shade(brass, 75)});
        onFront(im, bx, 1, 1, 10, 2, shade(brass, 60));  // drawer
        onFront(im, bx, 5, 2, 2, 1, rgb(250, 230, 150));
        QPointF t = up(bx.a(), bh);
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < 2; ++r) put(im, int(t.x()) + 3 + 2 * k + 2 * r, int(t.y()) + 1 + k - r, rgb(250, 246, 230));
        Box flags{bx.d().x() + 1, bx.d().y() - bh + 1, 10, +1, 2, h >= 21 ? 6 : 4};
        drawBox(im, flags, {rgb(250, 250, 240), rgb(250, 250, 240), rgb(200, 200, 190)});
        for (int s = 1; s < 10; s += 3) onFront(im, flags, s, 1, 2, flags.height - 2, rgb(40, 40, 40));
        vrun(im, int(bx.c().x()) - 1, int(bx.c().y()) - bh - 2, int(bx.c().y()) - bh + 1, rgb(120, 90, 40));  // crank
        edgeLines(im, bx, shade(brass, 45));
        break;
    }
    case 3: {  // ordinary electronic register
        int bh = h >= 21 ? 6 : 5;
        Box bx{0, base - 6, 12, +1, 10, bh};
        Rgb shell = rgb(214, 208, 190);
        drawBox(im, bx, {shade(shell, 110), shell, shade(shell, 78)});
        onFront(im, bx, 1, 1, 10, 2, rgb(150, 146, 132));
        QPointF t = up(bx.a(), bh);
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < 3; ++r) put(im, int(t.x()) + 3 + 2 * k + r * 2, int(t.y()) + 1 + k - r, (k == 3 && r == 0) ? rgb(220, 60, 50) : rgb(80, 80, 90));
        // Customer display on a post at the back.
        QPointF post = up(bx.c(), bh) + QPointF(-4, -1);
        int screenTop = 0, postTop = screenTop + 4;
        vrun(im, int(post.x()), postTop, int(post.y()), rgb(90, 90, 96));
        fill(im, int(post.x()) - 3, screenTop, 6, 4, rgb(50, 50, 56));
        fill(im, int(post.x()) - 2, screenTop + 1, 4, 2, rgb(120, 240, 140));
        edgeLines(im, bx, shade(shell, 45));
        break;
    }
    case 4: {  // sleek register with a tilted LCD
        Box bx{0, base - 6, 12, +1, 10, 5};
        Rgb shell = rgb(52, 54, 62);
        drawBox(im, bx, {shade(shell, 130), shell, shade(shell, 80)});
        QPointF t = up(bx.a(), 5);
        for (int k = 0; k < 3; ++k)
            for (int r = 0; r < 2; ++r) put(im, int(t.x()) + 3 + 2 * k + 2 * r, int(t.y()) + 1 + k - r, rgb(200, 200, 210));
        // The screen on a short arm at the back, turned to the clerk.
        QPointF foot = up(bx.c(), 5) + QPointF(-6, 0);
        int sx = int(foot.x()) - 5;
        vrun(im, int(foot.x()), 6, int(foot.y()), rgb(30, 30, 34));
        fill(im, sx, 0, 10, 7, rgb(30, 30, 34));
        fill(im, sx + 1, 1, 8, 5, rgb(80, 220, 230));
        fill(im, sx + 2, 2, 4, 1, rgb(20, 90, 110));
        fill(im, sx + 2, 4, 5, 1, rgb(20, 90, 110));
        edgeLines(im, bx, rgb(20, 20, 24));
        break;
    }
    default: {  // workstation: a screen, keyboard and cash drawer
        int bh = 5;
        Box bx{0, base - 7, 14, +1, w - 14, bh};
        Rgb shell = rgb(220, 220, 214);
        drawBox(im, bx, {shade(shell, 108), shell, shade(shell, 80)});
        onFront(im, bx, 1, 1, 12, 2, rgb(150, 150, 146));
        Box keys{bx.x0 + 2, bx.y0 + 1 - bh, 10, +1, 4, 1};
        drawBox(im, keys, {rgb(60, 60, 66), rgb(40, 40, 44), rgb(40, 40, 44)});
        int sh = h - bh - 11;
        Box screen{bx.d().x() + 2, bx.d().y() - bh + 1, 11, +1, 2, sh};
        drawBox(im, screen, {rgb(200, 200, 196), rgb(206, 206, 200), rgb(150, 150, 146)});
        onFront(im, screen, 1, 1, 9, sh - 2, rgb(40, 90, 200));
        for (int r = 2; r < sh - 2; r += 2) onFront(im, screen, 2, r, 4 + r % 3, 1, rgb(220, 240, 250));
        put(im, int(bx.c().x()) - 3, int(bx.c().y()) - bh - 1, rgb(230, 40, 40));  // scanner light
        edgeLines(im, bx, shade(shell, 45));
        break;
    }
    }
    return im;
}

// ---- Machines on the counter -----------------------------------------------

QImage gumball(int w, int h) {
    QImage im = canvas(w, h);
    double cx = w / 2.0;
    // Stand and coin box.
    fill(im, int(cx) - 4, h - 3, 8, 3, rgb(200, 36, 40));
    fill(im, int(cx) - 3, h - 8, 6, 5, rgb(220, 44, 48));
    fill(im, int(cx) - 1, h - 7, 2, 2, rgb(220, 220, 226));
    put(im, int(cx), h - 4, rgb(40, 40, 40));
    // Glass globe full of gumballs.
    double gy = (h - 8) / 2.0 + 0.5, r = std::min(w / 2.0 - 1.5, (h - 8) / 2.0);
    ellipse(im, cx, gy, r, r, rgb(214, 238, 250));
    const Rgb balls[] = {rgb(240, 60, 60), rgb(250, 210, 50), rgb(60, 170, 240), rgb(90, 200, 90), rgb(250, 250, 250), rgb(240, 120, 190)};
    for (int k = 0; k < 22; ++k) {
        unsigned hs = hash(unsigned(k), 31);
        int x = int(cx - r + 1 + hs % unsigned(2 * r - 1));
        int y = int(gy - r * 0.2 + (hs >> 8) % unsigned(r * 1.1 + 1));
        double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - gy) / r;
        if (dx * dx + dy * dy < 0.8) put(im, x, y, balls[(hs >> 16) % 6]);
    }
    put(im, int(cx) - 3, int(gy) - 3, rgb(255, 255, 255));
    fill(im, int(cx) - 2, 0, 4, 2, rgb(200, 36, 40));  // cap
    outline(im, kInk);
    return im;
}

QImage bunSteamer(int w, int h) {
    QImage im = canvas(w, h);
    // A stack of round bamboo steamer baskets; the top one is open and full
    // of white buns, and steam rises from it.
    const Rgb bamboo = rgb(214, 172, 104), rim = rgb(150, 104, 50), inside = rgb(120, 84, 44);
    const double cx = w / 2.0, rx = w / 2.0 - 1.5, ry = 3.2;
    const int tierH = 5;
    int yb = h - 4;
    for (int tier = 0; tier < 3; ++tier, yb -= tierH) {
        ellipse(im, cx, yb, rx, ry, rim);
        fill(im, int(cx - rx), yb - tierH, int(2 * rx) + 1, tierH, bamboo);
        ellipse(im, cx, yb - 1, rx, ry, bamboo);
        for (int x = int(cx - rx); x <= int(cx + rx); ++x) put(im, x, yb - tierH + 1, rim);
        for (int x = int(cx - rx) + 2; x < int(cx + rx); x += 4) vrun(im, x, yb - tierH + 2, yb - 1, shade(bamboo, 88));
    }
    ellipse(im, cx, yb, rx, ry, rim);
    ellipse(im, cx, yb, rx - 1, ry - 1, inside);
    const double buns[3][2] = {{cx - 4.5, yb - 0.5}, {cx + 4.0, yb - 0.5}, {cx, yb + 0.8}};
    for (auto& b : buns) {
        ellipse(im, b[0], b[1], 3.0, 2.2, rgb(252, 248, 236));
        put(im, int(b[0]), int(b[1]) - 2, rgb(226, 212, 190));
    }
    outline(im, kInk);
    // Steam, drawn after the outline so that it stays soft.
    const QPoint puffs[] = {{6, 4}, {8, 2}, {13, 4}, {15, 1}, {11, 0}};
    for (QPoint p : puffs) fill(im, p.x(), p.y(), 2, 1, rgb(240, 242, 248));
    return im;
}

QImage statue(int w, int h) {
    QImage im = canvas(w, h);
    // Stone pedestal with a brass name plate.
    Box ped{2, double(h - 1) - 4, 9, +1, 9, 8};
    drawBox(im, ped, {rgb(200, 196, 190), rgb(160, 156, 150), rgb(124, 120, 116)});
    onFront(im, ped, 2, 3, 5, 2, rgb(212, 170, 60));
    // The manager in bronze, holding a book up high.
    const Rgb bronze = rgb(176, 118, 52), lit = rgb(224, 172, 88), dark = rgb(118, 74, 32);
    const int cx = 11, top = 3;
    ellipse(im, cx, top + 3, 2.6, 2.8, bronze);
    put(im, cx - 1, top + 2, lit);
    fill(im, cx - 3, top + 6, 7, 8, bronze);       // coat
    fill(im, cx - 3, top + 6, 2, 8, lit);
    fill(im, cx - 2, top + 14, 2, 5, dark);        // legs
    fill(im, cx + 1, top + 14, 2, 5, bronze);
    vrun(im, cx - 4, top + 7, top + 12, lit);      // arm down
    vrun(im, cx + 4, top + 1, top + 7, bronze);    // arm raised
    fill(im, cx + 3, top - 2, 4, 3, lit);          // the book held up
    put(im, cx + 5, top - 2, dark);
    outline(im, kInk);
    return im;
}

QImage cdRack(int w, int h) {
    QImage im = canvas(w, h);
    Box bx{0, double(h - 1) - 4, 8, +1, w - 8, h - 8};
    drawBox(im, bx, {rgb(250, 214, 70), rgb(70, 70, 80), rgb(54, 54, 62)});
    const Rgb cases[] = {rgb(230, 60, 60), rgb(60, 160, 230), rgb(250, 210, 60), rgb(140, 90, 200), rgb(80, 200, 120), rgb(250, 250, 250)};
    for (int r = 0; r < 3; ++r)
        for (int s = 1; s < 7; ++s) onFront(im, bx, s, 1 + r * 3, 1, 2, cases[(s * 2 + r) % 6]);
    onEnd(im, bx, 2, bx.height - 4, 3, 2, rgb(250, 250, 250));  // a disc on show
    edgeLines(im, bx, rgb(30, 30, 34));
    return im;
}

}  // namespace

QImage fixtureBlock(int row, int stage) {
    QImage block = canvas(130, 51);
    const int facings[3] = {4, 2, 1};
    const int offsets[3] = {0, 42, 86};
    const int widths[3] = {42, 44, 44};
    for (int k = 0; k < 3; ++k) {
        QImage frame = canvas(widths[k], 51);
        if (row <= 5) drawShelf(frame, row, facings[k], stage);
        else if (row == 6) drawVendingMachine(frame, facings[k]);
        else if (row == 7) drawClawMachine(frame, facings[k]);
        else drawPhotoBooth(frame, facings[k]);
        blit(block, frame, offsets[k], 0);
    }
    return block;
}

QImage registerPicture(int model, int position, int w, int h) {
    if (position == 1) return registerRight(model, w, h);
    return mirrored(registerRight(model, w, h));
}

QImage counterMachine(int row, int position, int w, int h) {
    QImage im;
    switch (row) {
    case 0: im = gumball(w, h); break;
    case 1: return bunSteamer(w, h);  // one picture serves both places
    case 2: im = statue(w, h); break;
    default: im = cdRack(w, h); break;
    }
    return position == 1 ? im : mirrored(im);
}

}  // namespace sheetart
