// The pictures of the event notices and of the two ordering dialogs.
//
// Game over: the heading is a shop shutter pulled down and locked, light
// enough that the window's black title reads on it, and the window's
// background is a quiet grey lattice in the same steel greys.
//
// Visitor milestones: the shop front on a fine day with a crowd of customers
// outside and a red banner across the sign board carrying the count. The
// customers are the floor's own figures, copied pixel for pixel from the
// sprite sheet's drawings, so the player recognises the people from the shop.
// Each milestone is busier than the one before: more people, then balloons,
// then fireworks.
//
// The star-rating notice's star is the shop information window's small star
// drawn larger; the ordering dialogs' arrows are the salary dialog's arrows.
#include "tools/assets/PictureEvents.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/WindowPictureKit.h"
#include "tools/assets/SpriteSheetArt.h"

namespace {

const QColor kPaper(0xff, 0xff, 0xff);  // the star notice's white panel

// ---------------------------------------------------------------------------
// Sizes

constexpr int kHeadingW = 300, kHeadingH = 48;  // the game-over heading
constexpr int kTile = 32;                       // the game-over background tile
constexpr int kSceneW = 268, kSceneH = 100;     // a visitor-milestone scene
constexpr int kStarSize = 40;                   // the star-rating notice's star

// ---------------------------------------------------------------------------
// The star-rating notice's star: green with a black line, the proportions of
// the shop windows' 15-pixel star. It stands on the notice's white panel.

const QColor kStarGreen(0x00, 0xb0, 0x00);

QImage BigStar() {
    QImage img = pic::Blank(kStarSize, kStarSize, kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The small star's centre sits a little low of the middle and its inner
    // corners are at 2.9 / 7 of its points' reach. The points reach a little
    // less far here, so that the thicker line's sharp tips stay inside.
    constexpr double kScale = kStarSize / 15.0;
    const QPointF c(7.5 * kScale, 8.1 * kScale);
    const double outer = 6.6 * kScale, inner = outer * 2.9 / 7.0;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    // The line keeps about the small star's weight relative to a pixel
    // rather than growing with the star, which would look clumsy.
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kStarGreen);
    p.drawPolygon(star);
    return img;
}

// ---------------------------------------------------------------------------
// Game over

// Steel greys of the shutter, light to dark.
const QColor kSteelLight(0xe6, 0xe8, 0xea), kSteel(0xd8, 0xdb, 0xde), kSteelShade(0xca, 0xcd, 0xd1),
    kSteelGroove(0xa6, 0xaa, 0xb0), kSteelDark(0x5c, 0x60, 0x66), kSteelDeep(0x3c, 0x40, 0x46);
const QColor kBrass(0xb8, 0x92, 0x3a);

constexpr int kHousing = 7;  // the box the shutter rolls into, at the top
constexpr int kRail = 5;     // the guide rails either side
constexpr int kLipTop = 41;  // the shutter's bottom bar
constexpr int kSlat = 5;     // slat pitch

// A small padlock hanging from the bottom bar, its shackle round a staple.
void Padlock(QPainter& p, double cx, double top) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kSteelDeep, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 2.2, top, 4.4, 5), 0, 180 * 16);
    p.drawLine(QPointF(cx - 2.2, top + 2.5), QPointF(cx - 2.2, top + 3.5));
    p.drawLine(QPointF(cx + 2.2, top + 2.5), QPointF(cx + 2.2, top + 3.5));
    QLinearGradient body(cx - 3.5, 0, cx + 3.5, 0);
    body.setColorAt(0, pic::Scale(kBrass, 1.2));
    body.setColorAt(1, pic::Scale(kBrass, 0.75));
    p.setPen(QPen(pic::Scale(kBrass, 0.5), 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(cx - 3.5, top + 3.2, 7, 5.6), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(pic::Scale(kBrass, 0.4));
    p.drawEllipse(QPointF(cx, top + 5.6), 0.8, 0.8);
    p.setRenderHint(QPainter::Antialiasing, false);
}

QImage GameOverHeading() {
    QImage img = pic::Blank(kHeadingW, kHeadingH, kSteel);
    QPainter p(&img);

    // Slats, each a pale rounded face with a groove below it.
    const QColor slatRows[kSlat] = {kSteelLight, kSteel, kSteel, kSteelShade, kSteelGroove};
    for (int y = kHousing; y < kLipTop; ++y)
        p.fillRect(QRect(0, y, kHeadingW, 1), slatRows[(y - kHousing) % kSlat]);
    // Less light towards the rails, so the middle, where the title sits,
    // stays the palest.
    QLinearGradient dim(0, 0, kHeadingW, 0);
    dim.setColorAt(0, QColor(0, 0, 0, 46));
    dim.setColorAt(0.3, QColor(0, 0, 0, 0));
    dim.setColorAt(0.7, QColor(0, 0, 0, 0));
    dim.setColorAt(1, QColor(0, 0, 0, 46));
    p.fillRect(QRect(0, kHousing, kHeadingW, kLipTop - kHousing), dim);

    // The bottom bar, with a lifting grip near each end, and the floor.
    p.fillRect(QRect(0, kLipTop, kHeadingW, 1), QColor(0xb4, 0xb8, 0xbd));
    p.fillRect(QRect(0, kLipTop + 1, kHeadingW, 3), QColor(0x90, 0x94, 0x9a));
    p.fillRect(QRect(0, kLipTop + 4, kHeadingW, 1), QColor(0x70, 0x74, 0x7a));
    p.fillRect(QRect(0, kLipTop + 5, kHeadingW, kHeadingH - kLipTop - 5), kSteelDeep);
    for (int x : {70, kHeadingW - 70 - 14}) {
        p.fillRect(QRect(x, kLipTop + 2, 14, 1), kSteelDeep);
        p.fillRect(QRect(x, kLipTop + 3, 14, 1), QColor(0xb4, 0xb8, 0xbd));
    }

    // The housing the shutter rolls into.
    p.fillRect(QRect(0, 0, kHeadingW, kHousing), kSteelDark);
    p.fillRect(QRect(0, 0, kHeadingW, 1), QColor(0x7c, 0x80, 0x86));
    p.fillRect(QRect(0, kHousing - 1, kHeadingW, 1), kSteelDeep);
    for (int x = 12; x < kHeadingW; x += 46) {  // the housing's screws
        p.fillRect(QRect(x, 3, 2, 2), QColor(0x8c, 0x90, 0x96));
        p.fillRect(QRect(x + 1, 4, 1, 1), kSteelDeep);
    }

    // Guide rails down both sides.
    for (int x0 : {0, kHeadingW - kRail}) {
        p.fillRect(QRect(x0, kHousing, kRail, kLipTop + 5 - kHousing), QColor(0x74, 0x78, 0x7e));
        p.fillRect(QRect(x0 + 1, kHousing, 1, kLipTop + 5 - kHousing), QColor(0x96, 0x9a, 0xa0));
        p.fillRect(QRect(x0 + kRail - 1, kHousing, 1, kLipTop + 5 - kHousing), kSteelDeep);
    }

    // Locked at both ends of the bottom bar.
    Padlock(p, 22, kLipTop + 1);
    Padlock(p, kHeadingW - 22, kLipTop + 1);
    return img;
}

// The window's background: a faint steel-grey lattice with a dot where the
// lines cross. Worked out per pixel from the pixel's place in the tile, so
// the tile meets its neighbours without a seam.
QImage GameOverTile() {
    const QColor ground(0xe6, 0xe7, 0xe9), line(0xdb, 0xdd, 0xe0), dot(0xcf, 0xd2, 0xd6);
    constexpr int kCell = 16;  // the lattice repeats twice across the tile
    QImage img = pic::Blank(kTile, kTile, ground);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int a = (x + y) % kCell, b = (x - y + kTile) % kCell;
            QColor c = ground;
            if (a == 0 || b == 0) c = line;
            if (a == 0 && b == 0) c = dot;
            // A little grain, so the grey does not look flat.
            const double grain = pic::Hash01(x, y, 34) - 0.5;
            img.setPixelColor(x, y, pic::Scale(c, 1.0 + grain * 0.012));
        }
    return img;
}

// ---------------------------------------------------------------------------
// Visitor milestones

struct Milestone {
    const char* file;
    const char* count;  // shown on the banner, before "人突破"
    int level;          // 1, 2 or 3: how much is going on
};
const Milestone kMilestones[] = {
    {"Graphic/Forms/Form37_Image1_1.png", "1000", 1},
    {"Graphic/Forms/Form37_Image1_2.png", "5000", 2},
    {"Graphic/Forms/Form37_Image1_3.png", "10000", 3},
};

// The shop front.
constexpr int kShopLeft = 38, kShopRight = 230;
constexpr int kCornice = 10, kFascia = 14, kAwning = 34, kWall = 44, kPavement = 84;
const QRect kBanner(66, 16, 136, 17);

const QColor kSkyTop(0x9c, 0xd2, 0xf0), kSkyLow(0xe4, 0xf4, 0xfc);
const QColor kBrick(0xc8, 0x8a, 0x5a), kWood(0x5a, 0x3a, 0x22), kSignGreen(0x2e, 0x5a, 0x3c);
const QColor kGilt(0xe0, 0xb8, 0x50), kBannerRed(0xc8, 0x20, 0x2a), kBannerGold(0xff, 0xd8, 0x4a);
const QColor kAwningRed(0xc0, 0x2a, 0x2a), kAwningWhite(0xfa, 0xfa, 0xf2);
const QColor kStone(0xd6, 0xcf, 0xc0), kStoneJoint(0xc2, 0xb8, 0xa6);
const QColor kFestive[] = {QColor(0xe0, 0x30, 0x30), QColor(0xff, 0xc8, 0x20), QColor(0x30, 0x70, 0xd8),
                           QColor(0x30, 0xa8, 0x50), QColor(0xf0, 0x70, 0xb0), QColor(0xff, 0xff, 0xff)};
const QColor kSpines[] = {QColor(0xd0, 0x40, 0x30), QColor(0x30, 0x70, 0xc0), QColor(0xe0, 0xb0, 0x30),
                          QColor(0x40, 0x9a, 0x50), QColor(0x90, 0x50, 0xb0), QColor(0xf0, 0xf0, 0xe0)};

void SkyAndStreet(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kPavement);
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyLow);
    p.fillRect(QRect(0, 0, kSceneW, kPavement), sky);
    // The neighbours' plain walls either side, each with an upper window.
    p.fillRect(QRect(0, 26, kShopLeft, kPavement - 26), QColor(0xd8, 0xd2, 0xc4));
    p.fillRect(QRect(kShopRight, 22, kSceneW - kShopRight, kPavement - 22), QColor(0xcc, 0xd4, 0xd6));
    p.fillRect(QRect(0, 26, kShopLeft, 2), QColor(0xb0, 0xa8, 0x98));
    p.fillRect(QRect(kShopRight, 22, kSceneW - kShopRight, 2), QColor(0xa4, 0xae, 0xb2));
    // The pavement, laid in slabs, and the kerb at the picture's foot.
    p.fillRect(QRect(0, kPavement, kSceneW, kSceneH - kPavement), kStone);
    p.fillRect(QRect(0, kPavement, kSceneW, 1), pic::Scale(kStone, 0.85));
    for (int y : {90, 96}) p.fillRect(QRect(0, y, kSceneW, 1), kStoneJoint);
    for (int row = 0; row < 3; ++row)
        for (int x = (row % 2) * 10 + 4; x < kSceneW; x += 20)
            p.fillRect(QRect(x, kPavement + 1 + row * 6, 1, row == 2 ? 3 : 5), kStoneJoint);
}

void ShopWindow(QPainter& p, QRect r) {
    p.fillRect(r, QColor(0x3c, 0x2a, 0x1c));
    // Two shelves of books behind the glass.
    const int shelfH = (r.height() - 2) / 2;
    for (int shelf = 0; shelf < 2; ++shelf) {
        const int base = r.top() + 1 + (shelf + 1) * shelfH;
        for (int x = r.left() + 2, n = 0; x < r.right() - 2; ++n) {
            const int w = 2 + static_cast<int>(pic::Hash01(n, shelf, r.left()) * 2);
            const int h = shelfH - 3 - static_cast<int>(pic::Hash01(n, shelf, r.left() + 1) * 3);
            const QColor c = kSpines[static_cast<int>(pic::Hash01(n, shelf, r.left() + 2) * std::size(kSpines))];
            p.fillRect(QRect(x, base - h, std::min(w, r.right() - 1 - x), h), c);
            x += w + 1;
        }
        p.fillRect(QRect(r.left(), base, r.width(), 1), QColor(0x8a, 0x60, 0x3a));
    }
    // Glare on the glass and the window's frame.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 46));
    p.drawPolygon(QPolygonF({QPointF(r.left() + 6, r.top()), QPointF(r.left() + 16, r.top()),
                             QPointF(r.left() + 2, r.bottom() + 1), QPointF(r.left() - 8, r.bottom() + 1)})
                      .intersected(QPolygonF(QRectF(r))));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kWood, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(0, 0, 0, 0));
    p.fillRect(QRect(r.left() - 2, r.bottom() + 1, r.width() + 4, 2), QColor(0xe8, 0xd8, 0xb8));  // sill
}

void ShopFront(QPainter& p) {
    const int w = kShopRight - kShopLeft;
    // Wall and plinth.
    p.fillRect(QRect(kShopLeft, kWall, w, kPavement - kWall), kBrick);
    for (int y = kWall + 4; y < kPavement - 3; y += 5)
        p.fillRect(QRect(kShopLeft, y, w, 1), pic::Scale(kBrick, 0.94));
    p.fillRect(QRect(kShopLeft, kPavement - 3, w, 3), QColor(0x7a, 0x4a, 0x2a));

    ShopWindow(p, QRect(kShopLeft + 8, kWall + 6, 58, 26));
    ShopWindow(p, QRect(kShopRight - 8 - 58, kWall + 6, 58, 26));

    // The doorway, open, with the lit shop inside.
    const QRect door(116, kWall + 5, 36, kPavement - 3 - kWall - 5);
    QLinearGradient inside(0, door.top(), 0, door.bottom());
    inside.setColorAt(0, QColor(0xff, 0xf0, 0xc8));
    inside.setColorAt(1, QColor(0xf0, 0xc8, 0x80));
    p.fillRect(door, inside);
    for (int k = 0; k < 3; ++k) {  // shelves at the back of the shop
        const QRect shelf(door.left() + 3 + k * 11, door.top() + 4, 8, 18);
        p.fillRect(shelf, QColor(0x9a, 0x6a, 0x3a));
        for (int b = 0; b < 3; ++b)
            p.fillRect(QRect(shelf.left() + 1, shelf.top() + 1 + b * 6, 6, 4),
                       pic::Mix(kSpines[(k + b) % std::size(kSpines)], QColor(0xf0, 0xd0, 0x90), 0.35));
    }
    p.setPen(QPen(kWood, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(door));

    // The striped awning with its scalloped edge.
    const int stripes = 16;
    const double sw = double(w + 4) / stripes;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < stripes; ++i) {
        const double x = kShopLeft - 2 + i * sw;
        p.setBrush(i % 2 ? kAwningWhite : kAwningRed);
        p.drawRect(QRectF(x, kAwning, sw, kWall - kAwning - 2));
        p.drawEllipse(QPointF(x + sw / 2, kWall - 2), sw / 2, 2.4);
    }
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(kShopLeft - 2, kAwning, w + 4, 1.5));
    p.setRenderHint(QPainter::Antialiasing, false);

    // Cornice and sign board.
    p.fillRect(QRect(kShopLeft - 3, kCornice, w + 6, kFascia - kCornice), kWood);
    p.fillRect(QRect(kShopLeft - 3, kCornice, w + 6, 1), QColor(0x8a, 0x5e, 0x38));
    p.fillRect(QRect(kShopLeft, kFascia, w, kAwning - kFascia), kSignGreen);
    p.fillRect(QRect(kShopLeft + 2, kFascia + 1, w - 4, 1), kGilt);
    p.fillRect(QRect(kShopLeft + 2, kAwning - 2, w - 4, 1), kGilt);
}

// The red banner across the sign board with the count in gold.
void Banner(QPainter& p, const Milestone& m) {
    const QRectF r(kBanner);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cloth(0, r.top(), 0, r.bottom());
    cloth.setColorAt(0, pic::Scale(kBannerRed, 1.15));
    cloth.setColorAt(0.5, kBannerRed);
    cloth.setColorAt(1, pic::Scale(kBannerRed, 0.72));
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawRect(r);
    p.setPen(QPen(kBannerGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));

    // The count large, "人突破" smaller, sharing a baseline.
    const QFont big = pic::SansFont(16, true), small = pic::SansFont(12, true);
    const QString count = QString::fromLatin1(m.count), tail = QStringLiteral("人突破");
    const QFontMetricsF fb(big), fs(small);
    const double total = fb.horizontalAdvance(count) + 1 + fs.horizontalAdvance(tail);
    const double x0 = r.center().x() - total / 2;
    const double baseline = r.center().y() + fb.capHeight() / 2;
    QPainterPath text;
    text.addText(QPointF(x0, baseline), big, count);
    text.addText(QPointF(x0 + fb.horizontalAdvance(count) + 1, baseline), small, tail);
    // A dark shadow to lift the gold off the cloth; an outline would fill
    // the small characters' strokes in.
    p.setPen(Qt::NoPen);
    p.setBrush(pic::Scale(kBannerRed, 0.4));
    p.drawPath(text.translated(1, 1));
    p.setBrush(kBannerGold);
    p.drawPath(text);

    // A red silk rosette at each end of the banner, its ribbons hanging.
    for (double cx : {r.left(), r.right()}) {
        const QPointF c(cx, r.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(pic::Scale(kBannerRed, 0.8));
        p.drawPolygon(QPolygonF({c + QPointF(-1.5, 2), c + QPointF(-4, 12), c + QPointF(-1.5, 10.5), c + QPointF(0, 12),
                                 c + QPointF(1.5, 10.5), c + QPointF(4, 12), c + QPointF(1.5, 2)}));
        QRadialGradient ball(c + QPointF(-1.5, -1.5), 7);
        ball.setColorAt(0, QColor(0xff, 0x6a, 0x60));
        ball.setColorAt(1, pic::Scale(kBannerRed, 0.85));
        p.setPen(QPen(pic::Scale(kBannerRed, 0.5), 0.7));
        p.setBrush(ball);
        for (int k = 0; k < 6; ++k) {  // petals of folded silk
            const double a = k * std::numbers::pi / 3;
            p.drawEllipse(c + QPointF(3 * std::cos(a), 3 * std::sin(a)), 3.2, 3.2);
        }
        p.setBrush(kBannerGold);
        p.drawEllipse(c, 2.2, 2.2);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A string of little pennants across the sky above the roof.
void Bunting(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    auto sag = [](double x) {
        const double t = (x - kSceneW / 2.0) / (kSceneW / 2.0);
        return 1.5 + 5.0 * (1 - t * t);
    };
    QPainterPath string;
    string.moveTo(0, sag(0));
    for (int x = 2; x <= kSceneW; x += 2) string.lineTo(x, sag(x));
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x4a), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.5));
    int k = 0;
    for (double x = 3; x + 7 < kSceneW; x += 11, ++k) {
        p.setBrush(kFestive[k % std::size(kFestive)]);
        const double mid = x + 3.5;
        p.drawPolygon(QPolygonF({QPointF(x, sag(x)), QPointF(x + 7, sag(x + 7)), QPointF(mid, sag(mid) + 6.5)}));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A congratulatory flower stand: a ring of flowers with a paper centre and
// long ribbons, on a bamboo tripod.
void FlowerStand(QPainter& p, QPointF c, int salt) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bamboo(0xa0, 0x78, 0x40);
    p.setPen(QPen(bamboo, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3, 8), c + QPointF(-9, kPavement + 1 - c.y()));
    p.drawLine(c + QPointF(3, 8), c + QPointF(9, kPavement + 1 - c.y()));
    p.drawLine(c + QPointF(0, 8), c + QPointF(0, kPavement + 3 - c.y()));
    // Ribbons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xe8));
    p.drawPolygon(QPolygonF({c + QPointF(-2.5, 4), c + QPointF(-0.5, 4), c + QPointF(-4, 24), c + QPointF(-6.5, 23)}));
    p.setBrush(kBannerRed);
    p.drawPolygon(QPolygonF({c + QPointF(0.5, 4), c + QPointF(2.5, 4), c + QPointF(6.5, 23), c + QPointF(4, 24)}));
    // Leaves, then the ring of flowers.
    p.setBrush(QColor(0x3a, 0x8a, 0x40));
    p.drawEllipse(c, 12.5, 12.5);
    const QColor flowers[] = {QColor(0xf0, 0x50, 0x70), QColor(0xff, 0xf4, 0xf0), QColor(0xff, 0xc8, 0x30),
                              QColor(0xe8, 0x30, 0x40), QColor(0xf8, 0x98, 0xb8)};
    constexpr int kFlowers = 14;
    for (int k = 0; k < kFlowers; ++k) {
        const double a = 2 * std::numbers::pi * k / kFlowers + salt;
        const QPointF f = c + QPointF(9 * std::cos(a), 9 * std::sin(a));
        const QColor col = flowers[(k + salt) % std::size(flowers)];
        p.setPen(QPen(pic::Scale(col, 0.7), 0.6));
        p.setBrush(col);
        p.drawEllipse(f, 2.9, 2.9);
        p.setPen(Qt::NoPen);
        p.setBrush(pic::Scale(col, 0.8));
        p.drawEllipse(f, 0.9, 0.9);
    }
    // The paper centre with a red ring.
    p.setPen(QPen(kBannerRed, 1.2));
    p.setBrush(QColor(0xfc, 0xfa, 0xf4));
    p.drawEllipse(c, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kBannerRed);
    p.drawEllipse(c, 1.6, 1.6);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A bunch of balloons tied to the awning's corner.
void Balloons(QPainter& p, QPointF tie, const std::vector<QPointF>& offsets, int salt) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.5));
    for (const QPointF& o : offsets) p.drawLine(tie, tie + o + QPointF(0, 5.5));
    int k = salt;
    for (const QPointF& o : offsets) {
        const QColor col = kFestive[k++ % 5];
        const QPointF c = tie + o;
        QRadialGradient g(c + QPointF(-1.5, -2), 6.5);
        g.setColorAt(0, pic::Mix(col, Qt::white, 0.55));
        g.setColorAt(0.5, col);
        g.setColorAt(1, pic::Scale(col, 0.75));
        p.setPen(QPen(pic::Scale(col, 0.55), 0.6));
        p.setBrush(g);
        p.drawEllipse(c, 4.3, 5.3);
        p.setPen(Qt::NoPen);
        p.setBrush(pic::Scale(col, 0.7));
        p.drawPolygon(QPolygonF({c + QPointF(-1, 5.6), c + QPointF(1, 5.6), c + QPointF(0, 4.6)}));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A firework burst: rays of sparks from a centre, with a bright heart.
void Firework(QPainter& p, QPointF c, double r, QColor col, QColor tip) {
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int kRays = 12;
    for (int k = 0; k < kRays; ++k) {
        const double a = 2 * std::numbers::pi * k / kRays + 0.13;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(QPen(col, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + dir * (r * 0.3), c + dir * (r * 0.8));
        p.setPen(Qt::NoPen);
        p.setBrush(tip);
        p.drawEllipse(c + dir * r, 1.1, 1.1);
    }
    p.setBrush(pic::Mix(col, Qt::white, 0.6));
    p.drawEllipse(c, 1.6, 1.6);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// Scraps of coloured paper in the air, kept off the banner so its count
// stays clear.
void Confetti(QImage& img, int pieces, int salt) {
    int placed = 0;
    for (int n = 0; placed < pieces && n < pieces * 8; ++n) {
        const int x = static_cast<int>(pic::Hash01(n, salt, 1) * (kSceneW - 2));
        const int y = static_cast<int>(pic::Hash01(n, salt, 2) * 66);
        if (kBanner.adjusted(-6, -2, 6, 2).contains(x, y)) continue;
        const QColor c = kFestive[static_cast<int>(pic::Hash01(n, salt, 3) * 5)];
        const bool wide = pic::Hash01(n, salt, 4) < 0.5;
        img.setPixelColor(x, y, c);
        img.setPixelColor(x + (wide ? 1 : 0), y + (wide ? 0 : 1), pic::Scale(c, 0.8));
        ++placed;
    }
}

// The customers. Only shoppers' looks come to celebrate: not the cleaning
// contractor (look 2) and certainly not the robber (look 8).
constexpr int kShopperLooks[] = {0, 1, 3, 4, 5, 6, 7};
constexpr int kFrameW = 16, kFrameH = 32;
// Columns of a look's sheet: standing, mid-step, reading a book; rows of the
// two headings that face the viewer.
constexpr int kStandColumn = 0, kStepColumn = 16, kReadColumn = 48;
constexpr int kFacingRight = 64, kFacingLeft = 96;

struct CrowdRow {
    int feet;   // the row of the scene the feet stand on
    int count;  // people in the row
};

// The lowest painted row of a frame: where its feet are.
int FeetRow(const QImage& frame) {
    for (int y = frame.height() - 1; y >= 0; --y)
        for (int x = 0; x < frame.width(); ++x)
            if (qAlpha(frame.pixel(x, y)) >= 128) return y;
    return frame.height() - 1;
}

void Crowd(QImage& img, const std::vector<CrowdRow>& rows, int salt) {
    std::vector<QImage> sheets;
    for (int look : kShopperLooks) sheets.push_back(sheetart::personColumn(look));
    QPainter p(&img);
    int previous = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
        const CrowdRow& row = rows[r];
        const double spacing = double(kSceneW - 8) / row.count;
        // Alternate rows stand in the gaps of the row behind.
        const double start = 4 + spacing * (r % 2 ? 0.25 : 0.6);
        for (int i = 0; i < row.count; ++i) {
            const double h1 = pic::Hash01(i, static_cast<int>(r), salt), h2 = pic::Hash01(i, static_cast<int>(r), salt + 1),
                         h3 = pic::Hash01(i, static_cast<int>(r), salt + 2);
            // Never the same look twice running.
            int which = static_cast<int>(h1 * std::size(kShopperLooks));
            if (which == previous) which = (which + 1) % static_cast<int>(std::size(kShopperLooks));
            previous = which;
            const int centre = static_cast<int>(start + i * spacing + (h2 - 0.5) * spacing * 0.3);
            // People look in towards the middle of the shop front, most of
            // them; a few face the other way, chatting.
            bool toRight = centre < kSceneW / 2;
            if (h3 < 0.15) toRight = !toRight;
            const int column = h3 > 0.78 ? kReadColumn : (h3 > 0.66 ? kStepColumn : kStandColumn);
            const QImage frame =
                sheets[which].copy(column, toRight ? kFacingRight : kFacingLeft, kFrameW, kFrameH);
            p.drawImage(centre - kFrameW / 2, row.feet - FeetRow(frame), frame);
        }
    }
}

QImage MilestoneScene(const Milestone& m) {
    QImage img = pic::Blank(kSceneW, kSceneH, kSkyLow);
    {
        QPainter p(&img);
        SkyAndStreet(p);
        if (m.level >= 3) {
            Firework(p, QPointF(14, 12), 9, QColor(0xff, 0xc8, 0x20), QColor(0xff, 0x60, 0x40));
            Firework(p, QPointF(kSceneW - 14, 11), 9, QColor(0xf0, 0x70, 0xb0), QColor(0x60, 0xa0, 0xff));
        }
        ShopFront(p);
        Banner(p, m);
        Bunting(p);
        FlowerStand(p, QPointF(19, 50), 0);
        FlowerStand(p, QPointF(kSceneW - 19, 50), 2);
        if (m.level >= 2) {
            const std::vector<QPointF> few = {{-6, -18}, {2, -26}, {7, -15}};
            const std::vector<QPointF> many = {{-6, -18}, {2, -26}, {7, -15}, {-3, -34}, {10, -33}};
            const std::vector<QPointF>& bunch = m.level >= 3 ? many : few;
            std::vector<QPointF> mirrored;
            for (const QPointF& o : bunch) mirrored.push_back({-o.x(), o.y()});
            Balloons(p, QPointF(kShopLeft + 3, kAwning + 4), bunch, 0);
            Balloons(p, QPointF(kShopRight - 3, kAwning + 4), mirrored, 2);
        }
    }
    Confetti(img, m.level == 1 ? 18 : (m.level == 2 ? 40 : 75), m.level);
    switch (m.level) {
    case 1:
        Crowd(img, {{97, 7}}, 11);
        break;
    case 2:
        Crowd(img, {{91, 8}, {98, 9}}, 23);
        break;
    default:
        Crowd(img, {{88, 10}, {93, 11}, {99, 12}}, 37);
        break;
    }
    return img;
}

// ---------------------------------------------------------------------------
// Files

using pic::Output;

std::vector<Output> Outputs() {
    std::vector<Output> list;
    list.push_back({QStringLiteral("Graphic/Forms/Form34_Picture1.png"), kHeadingW, kHeadingH,
                    "game over: the shutter behind the heading", GameOverHeading});
    list.push_back({QStringLiteral("Graphic/Forms/Form34_Form.png"), kTile, kTile, "game over: background tile",
                    GameOverTile});
    for (const Milestone& m : kMilestones)
        list.push_back({QString::fromLatin1(m.file), kSceneW, kSceneH, "visitor milestone",
                        [&m] { return MilestoneScene(m); }});
    list.push_back({QStringLiteral("Graphic/Forms/Form54_Starg0.png"), kStarSize, kStarSize, "star rating: the star",
                    BigStar});
    // The ordering dialogs' all-titles adjusters: _1 at rest, _2 held. The
    // dialogs show one of these in their own first element, so no _0.
    for (int form : {6, 21})
        for (bool up : {true, false})
            for (int k = 1; k <= 2; ++k)
                list.push_back({QStringLiteral("Graphic/Forms/Form%1_Button%2_%3.png").arg(form).arg(up ? 'U' : 'D').arg(k),
                                pic::kArrowW, pic::kArrowH, up ? "up arrow" : "down arrow",
                                [up, k] { return pic::ArrowButton(up, k == 2); }});
    return list;
}

}  // namespace

bool MakeEventAndOrderingPictures(const QDir& out) { return pic::SaveAll(Outputs(), out); }
