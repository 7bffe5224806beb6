// The pictures of the bank, insurance, earthquake and fire windows.
//
// Each is a small scene in the same hand: soft colours, a dark ink line,
// drawn at four times the size and shrunk. The bank is a stone hall with
// columns and a gold coin in its pediment; the insurance is a red umbrella
// sheltering a little shop (the payout window shows it too); the earthquake
// is that shop tilting over a cracked street with shake lines; the fire
// windows show the shop at night with flames in its windows (discovered),
// a blackened ruin under smoke (burnt out) and a red fire engine spraying
// water (put out by the brigade). The borrowing dialog's arrows are the
// salary dialog's arrows.
#include "tools/assets/PictureDisasters.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/WindowPictureKit.h"

namespace {

using pic::kInk;

constexpr int kBadge = 64;                   // bank and insurance pictures
constexpr int kSceneW = 96, kSceneH = 72;    // earthquake and fire pictures

const QColor kDaySky(0xcf, 0xe6, 0xf6), kDaySkyLow(0xf4, 0xf8, 0xfb);
const QColor kNightSky(0x1c, 0x20, 0x36), kNightSkyLow(0x3a, 0x2c, 0x3a);
const QColor kStreet(0xb8, 0xb0, 0xa4), kStreetNight(0x4a, 0x46, 0x4e);
const QColor kWall(0xf2, 0xe6, 0xcc), kRoof(0x3c, 0x6e, 0xb4), kAwning(0xd8, 0x48, 0x3c);
const QColor kStone(0xe4, 0xe0, 0xd6), kStoneShade(0xbc, 0xb6, 0xaa), kGold(0xf0, 0xc0, 0x30);
const QColor kFlameOuter(0xf0, 0x50, 0x18), kFlameInner(0xff, 0xd0, 0x40);

QPen Ink(double w = 1.0) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Sky(QPainter& p, int w, int h, QColor top, QColor low) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.fillRect(QRectF(0, 0, w, h), g);
}

// A little shop front, its bottom centre at `base`, `w` wide: wall, blue
// roof, striped awning over a door and a window. `lit` lights the window
// (at night) and `tilt` leans the whole shop by that many degrees.
void LittleShop(QPainter& p, QPointF base, double w, bool lit, double tilt = 0) {
    p.save();
    p.translate(base);
    p.rotate(tilt);
    const double h = w * 0.72;
    p.setPen(Ink(0.8));
    p.setBrush(kWall);
    p.drawRect(QRectF(-w / 2, -h, w, h));
    QPolygonF roof;
    roof << QPointF(-w / 2 - 3, -h) << QPointF(0, -h - w * 0.3) << QPointF(w / 2 + 3, -h);
    p.setBrush(kRoof);
    p.drawPolygon(roof);
    // The awning's stripes.
    const double aw = w * 0.9, ay = -h + w * 0.12, ah = w * 0.12;
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 == 0 ? kAwning : QColor(Qt::white));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(-aw / 2 + i * aw / 6, ay, aw / 6, ah));
    }
    p.setPen(Ink(0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-aw / 2, ay, aw, ah));
    // Door and window.
    p.setBrush(QColor(0x8a, 0x5a, 0x36));
    p.drawRect(QRectF(-w * 0.32, -h * 0.5, w * 0.2, h * 0.5));
    p.setBrush(lit ? QColor(0xff, 0xe0, 0x80) : QColor(0xa8, 0xd4, 0xf0));
    p.drawRect(QRectF(0, -h * 0.52, w * 0.3, h * 0.28));
    p.restore();
}

// A flame with its tip at `tip` over a base `w` wide at `baseY`.
void Flame(QPainter& p, QPointF tip, double w, double baseY) {
    const double h = baseY - tip.y();
    QPainterPath outer;
    outer.moveTo(tip);
    outer.cubicTo(tip + QPointF(w * 0.55, h * 0.35), tip + QPointF(w * 0.6, h * 0.8), QPointF(tip.x(), baseY));
    outer.cubicTo(tip + QPointF(-w * 0.6, h * 0.8), tip + QPointF(-w * 0.55, h * 0.35), tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kFlameOuter);
    p.drawPath(outer);
    QPainterPath inner;
    const QPointF t2 = tip + QPointF(0, h * 0.35);
    inner.moveTo(t2);
    inner.cubicTo(t2 + QPointF(w * 0.3, h * 0.25), t2 + QPointF(w * 0.3, h * 0.55), QPointF(tip.x(), baseY));
    inner.cubicTo(t2 + QPointF(-w * 0.3, h * 0.55), t2 + QPointF(-w * 0.3, h * 0.25), t2);
    p.setBrush(kFlameInner);
    p.drawPath(inner);
}

void Smoke(QPainter& p, const std::vector<QPointF>& puffs, double r, int alpha) {
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < puffs.size(); ++i) {
        p.setBrush(QColor(0x60, 0x5c, 0x60, alpha - static_cast<int>(i) * 12));
        p.drawEllipse(puffs[i], r + i * 0.8, r * 0.8 + i * 0.6);
    }
}

// ---------------------------------------------------------------------------
// The bank: a stone hall with four columns under a pediment with a gold coin.

QImage BankHall() {
    return pic::Supersampled(kBadge, kBadge, kDaySkyLow, [](QPainter& p) {
        Sky(p, kBadge, kBadge, kDaySky, kDaySkyLow);
        p.setPen(Ink(0.9));
        // Steps.
        p.setBrush(kStoneShade);
        p.drawRect(QRectF(6, 54, 52, 4));
        p.setBrush(kStone);
        p.drawRect(QRectF(9, 50, 46, 4));
        // Columns.
        for (int i = 0; i < 4; ++i) {
            const double x = 13 + i * 11.3;
            p.setBrush(kStone);
            p.drawRect(QRectF(x, 27, 5.5, 23));
            p.setPen(QPen(kStoneShade, 0.7));
            p.drawLine(QPointF(x + 2.7, 29), QPointF(x + 2.7, 48));
            p.setPen(Ink(0.9));
        }
        // Beam and pediment.
        p.setBrush(kStone);
        p.drawRect(QRectF(8, 23, 48, 4));
        QPolygonF pediment;
        pediment << QPointF(6, 23) << QPointF(32, 8) << QPointF(58, 23);
        p.drawPolygon(pediment);
        // The coin.
        p.setBrush(kGold);
        p.drawEllipse(QPointF(32, 17), 4.6, 4.6);
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 0.9));
        p.setFont(pic::SansFont(6, true));
        p.drawText(QRectF(27, 12, 10, 10), Qt::AlignCenter, QStringLiteral("円"));
    });
}

// ---------------------------------------------------------------------------
// Insurance: a red umbrella over a little shop, rain falling beside it.

QImage InsuranceUmbrella() {
    return pic::Supersampled(kBadge, kBadge, kDaySkyLow, [](QPainter& p) {
        Sky(p, kBadge, kBadge, QColor(0xb8, 0xc8, 0xd8), kDaySkyLow);
        // Rain outside the umbrella.
        p.setPen(QPen(QColor(0x70, 0x90, 0xc0), 0.8, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 9; ++i) {
            const double x = 3 + i * 7.3, y = 4 + (i * 11) % 20;
            if (x > 8 && x < 56 && y > 10) continue;
            p.drawLine(QPointF(x, y), QPointF(x - 1.5, y + 5));
        }
        p.fillRect(QRectF(0, 56, kBadge, 8), kStreet);
        LittleShop(p, QPointF(32, 57), 24, false);
        // The umbrella: canopy, ribs, handle.
        QPainterPath canopy;
        canopy.moveTo(6, 26);
        canopy.cubicTo(10, 6, 54, 6, 58, 26);
        for (int i = 3; i >= 0; --i) canopy.quadTo(QPointF(6 + i * 13 + 6.5, 22), QPointF(6 + i * 13, 26));
        p.setPen(Ink(0.9));
        p.setBrush(kAwning);
        p.drawPath(canopy);
        p.setPen(QPen(pic::Scale(kAwning, 0.7), 0.7));
        for (int i = 1; i < 4; ++i) p.drawLine(QPointF(32, 9), QPointF(6 + i * 13, 26));
        p.setPen(Ink(1.2));
        p.drawLine(QPointF(32, 7), QPointF(32, 9));
        p.setPen(QPen(QColor(0x5a, 0x40, 0x30), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 26), QPointF(32, 30));
    });
}

// ---------------------------------------------------------------------------
// The earthquake: the shop leaning over a cracked street, shake lines.

QImage QuakeScene() {
    return pic::Supersampled(kSceneW, kSceneH, kDaySkyLow, [](QPainter& p) {
        Sky(p, kSceneW, kSceneH, QColor(0xe8, 0xd8, 0xb8), kDaySkyLow);
        p.fillRect(QRectF(0, 56, kSceneW, 16), kStreet);
        LittleShop(p, QPointF(48, 57), 38, false, -7);
        // The crack across the street.
        QPolygonF crack;
        crack << QPointF(8, 60) << QPointF(24, 63) << QPointF(30, 59) << QPointF(46, 66) << QPointF(54, 61)
              << QPointF(70, 68) << QPointF(78, 63) << QPointF(90, 67);
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(crack);
        // Shake lines either side.
        p.setPen(QPen(QColor(0x80, 0x40, 0x20), 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double y = 22 + i * 10;
            p.drawLine(QPointF(8, y), QPointF(16, y - 3));
            p.drawLine(QPointF(80, y - 3), QPointF(88, y));
        }
        // Falling books.
        p.setPen(Ink(0.6));
        const QColor covers[] = {QColor(0x3c, 0x8a, 0x50), QColor(0xc0, 0x50, 0x40), QColor(0x40, 0x60, 0xb0)};
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(22 + i * 26, 18 + (i % 2) * 8);
            p.rotate(-30 + i * 35);
            p.setBrush(covers[i]);
            p.drawRect(QRectF(-3, -4, 6, 8));
            p.restore();
        }
    });
}

// ---------------------------------------------------------------------------
// Fire: discovered (flames from the shop at night), burnt out (a ruin under
// smoke), put out (a fire engine spraying water on the smoking shop).

QImage FireDiscoveredScene() {
    return pic::Supersampled(kSceneW, kSceneH, kNightSky, [](QPainter& p) {
        Sky(p, kSceneW, kSceneH, kNightSky, kNightSkyLow);
        QRadialGradient glow(QPointF(48, 40), 40);
        glow.setColorAt(0, QColor(0xff, 0x80, 0x30, 150));
        glow.setColorAt(1, QColor(0xff, 0x80, 0x30, 0));
        p.fillRect(QRectF(0, 0, kSceneW, kSceneH), glow);
        p.fillRect(QRectF(0, 58, kSceneW, 14), kStreetNight);
        LittleShop(p, QPointF(48, 59), 40, true);
        Smoke(p, {{40, 12}, {50, 7}, {60, 4}}, 6, 160);
        Flame(p, QPointF(38, 14), 14, 34);
        Flame(p, QPointF(56, 10), 16, 32);
        Flame(p, QPointF(47, 20), 10, 34);
        // Two neighbours pointing from the street.
        p.setPen(Ink(0.8));
        for (double x : {10.0, 84.0}) {
            p.setBrush(QColor(0xe8, 0xc0, 0x98));
            p.drawEllipse(QPointF(x, 52), 2.6, 2.6);
            p.setBrush(QColor(0x50, 0x70, 0xa0));
            p.drawRect(QRectF(x - 2.5, 55, 5, 9));
            p.drawLine(QPointF(x, 57), QPointF(x < 48 ? x + 7 : x - 7, 50));
        }
    });
}

QImage FireOutScene() {
    return pic::Supersampled(kSceneW, kSceneH, kNightSkyLow, [](QPainter& p) {
        Sky(p, kSceneW, kSceneH, QColor(0x5c, 0x58, 0x60), QColor(0x9a, 0x94, 0x90));
        p.fillRect(QRectF(0, 58, kSceneW, 14), QColor(0x6a, 0x64, 0x60));
        // The blackened frame of the shop: charred posts and a broken beam.
        p.setPen(QPen(QColor(0x22, 0x1c, 0x1a), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 59), QPointF(30, 34));
        p.drawLine(QPointF(66, 59), QPointF(66, 38));
        p.drawLine(QPointF(48, 59), QPointF(48, 44));
        p.drawLine(QPointF(28, 36), QPointF(54, 30));
        p.setBrush(QColor(0x30, 0x28, 0x26));
        p.setPen(Ink(0.8));
        QPolygonF rubble;
        rubble << QPointF(22, 60) << QPointF(30, 53) << QPointF(40, 56) << QPointF(50, 51) << QPointF(62, 55)
               << QPointF(74, 60);
        p.drawPolygon(rubble);
        // Embers and smoke.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x70, 0x20));
        for (QPointF e : {QPointF(36, 56), QPointF(55, 54), QPointF(44, 58)}) p.drawEllipse(e, 1.2, 1.2);
        Smoke(p, {{46, 40}, {52, 30}, {58, 20}, {66, 11}}, 6, 170);
    });
}

QImage FireBrigadeScene() {
    return pic::Supersampled(kSceneW, kSceneH, kNightSkyLow, [](QPainter& p) {
        Sky(p, kSceneW, kSceneH, kNightSky, kNightSkyLow);
        p.fillRect(QRectF(0, 58, kSceneW, 14), kStreetNight);
        LittleShop(p, QPointF(72, 59), 34, false);
        Smoke(p, {{70, 22}, {76, 14}, {82, 7}}, 5, 130);
        // The fire engine.
        const QColor red(0xd8, 0x28, 0x20);
        p.setPen(Ink(0.9));
        p.setBrush(red);
        p.drawRect(QRectF(6, 44, 38, 12));
        p.drawRect(QRectF(30, 36, 14, 9));
        p.setBrush(QColor(0xb8, 0xdc, 0xf0));
        p.drawRect(QRectF(34, 38, 8, 5));
        p.setBrush(QColor(0xe0, 0xe0, 0xe0));
        p.drawRect(QRectF(8, 40, 20, 3));  // the ladder
        p.setBrush(QColor(0x28, 0x28, 0x28));
        p.drawEllipse(QPointF(14, 57), 3.6, 3.6);
        p.drawEllipse(QPointF(36, 57), 3.6, 3.6);
        p.setBrush(QColor(0x40, 0x80, 0xff));
        p.drawEllipse(QPointF(37, 34.5), 1.8, 1.4);  // the beacon
        // The water jet onto the shop.
        QPainterPath jet;
        jet.moveTo(26, 40);
        jet.quadTo(46, 14, 66, 34);
        p.setPen(QPen(QColor(0x90, 0xc8, 0xff), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(jet);
        p.setPen(QPen(QColor(0xd8, 0xec, 0xff), 1.0, Qt::DotLine, Qt::RoundCap));
        p.drawPath(jet);
    });
}

// ---------------------------------------------------------------------------
// Files

struct Output {
    QString file;
    int w, h;
    const char* what;
    std::function<QImage()> make;
};

std::vector<Output> Outputs() {
    std::vector<Output> list;
    list.push_back({QStringLiteral("Graphic/Forms/Form24_Image1.png"), kBadge, kBadge, "bank", BankHall});
    list.push_back(
        {QStringLiteral("Graphic/Forms/Form18_Image1.png"), kBadge, kBadge, "insurance umbrella", InsuranceUmbrella});
    list.push_back({QStringLiteral("Graphic/Forms/Form32_Image1.png"), kSceneW, kSceneH, "earthquake", QuakeScene});
    list.push_back(
        {QStringLiteral("Graphic/Forms/Form65_Image1.png"), kSceneW, kSceneH, "fire discovered", FireDiscoveredScene});
    list.push_back({QStringLiteral("Graphic/Forms/Form64_Image1.png"), kSceneW, kSceneH, "fire burnt out", FireOutScene});
    list.push_back(
        {QStringLiteral("Graphic/Forms/Form66_Image1.png"), kSceneW, kSceneH, "fire brigade", FireBrigadeScene});
    // The borrowing dialog's arrows: _1 at rest, _2 held.
    for (bool up : {true, false})
        for (int k = 1; k <= 2; ++k)
            list.push_back({QStringLiteral("Graphic/Forms/Form25_Button%1_%2.png").arg(up ? 'U' : 'D').arg(k),
                            pic::kArrowW, pic::kArrowH, up ? "up arrow" : "down arrow",
                            [up, k] { return pic::ArrowButton(up, k == 2); }});
    return list;
}

}  // namespace

bool MakeDisasterAndBankPictures(const QDir& out) {
    bool ok = true;
    for (const Output& o : Outputs()) {
        const QImage img = o.make();
        if (img.width() != o.w || img.height() != o.h) {
            std::fprintf(stderr, "qmassets: %s (%s) came out %d x %d, not %d x %d\n", qPrintable(o.file), o.what,
                         img.width(), img.height(), o.w, o.h);
            return false;
        }
        ok = ok && pic::Save(img, out, o.file);
    }
    return ok;
}
