// Faces and the other pictures of the staff windows.
//
// Every person on the floor has one of nine looks, and the face pictures
// are head-and-shoulders portraits of those same figures: the hair, cap and
// clothes colours below are the floor figures' colours, so the face in a
// dialog is plainly the little person the player clicked. Each face comes
// twice, mouth closed (Human<n>.dat) and mouth open (Human<n>.1.dat), for
// the windows in which a person talks. Look n is face n + 1.
//
// The hire dialog also keeps a 16 x 16 icon per look, shown (stretched) in
// its face box while the scroll thumb is dragged; they are drawn as pixel
// art in the manner of the floor figures, with the same dark outline.
#include "tools/assets/PictureStaff.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/SpriteSheetArt.h"
#include "tools/assets/WindowPictureKit.h"

namespace {

using pic::ArrowButton;
using pic::kArrowH;
using pic::kArrowW;
using pic::kButtonFace;
using pic::kInk;

// ---------------------------------------------------------------------------
// The nine looks

enum class Hair { Short, Parted, Spiky, Long, Bob, Cap, Bald, Mask };
enum class Wear { Jacket, Uniform, Overalls, Dress, Suit, Sailor, Cardigan, Tee, Stripes };

struct Look {
    const char* who;
    QColor skin, hair, top, accent, bottom;
    Hair hair_;
    Wear wear;
    QColor cap;  // for Hair::Cap
    bool child;
    bool female;
};

const QColor kSkin(244, 204, 164), kSkinTan(226, 178, 132);

// Same colours as the floor figures of each look.
const Look kLooks[9] = {
    {"young man", kSkin, QColor(120, 72, 36), QColor(52, 150, 84), QColor(246, 246, 240), QColor(62, 96, 168),
     Hair::Spiky, Wear::Jacket, QColor(), false, false},
    {"schoolboy", kSkin, QColor(28, 28, 36), QColor(34, 44, 92), QColor(236, 196, 64), QColor(30, 36, 66),
     Hair::Short, Wear::Uniform, QColor(), false, false},
    {"cleaner", kSkin, QColor(70, 44, 30), QColor(222, 226, 230), QColor(250, 200, 60), QColor(96, 160, 214),
     Hair::Cap, Wear::Overalls, QColor(30, 128, 136), false, false},
    {"young woman", kSkin, QColor(150, 78, 38), QColor(214, 52, 66), QColor(250, 236, 150), QColor(214, 52, 66),
     Hair::Long, Wear::Dress, QColor(), false, true},
    {"office worker", kSkin, QColor(36, 34, 34), QColor(104, 110, 126), QColor(210, 40, 40), QColor(88, 94, 108),
     Hair::Parted, Wear::Suit, QColor(), false, false},
    {"schoolgirl", kSkin, QColor(24, 22, 30), QColor(244, 244, 248), QColor(36, 48, 120), QColor(44, 52, 110),
     Hair::Bob, Wear::Sailor, QColor(), false, true},
    {"old man", kSkinTan, QColor(214, 214, 210), QColor(150, 104, 62), QColor(238, 226, 190), QColor(204, 184, 140),
     Hair::Bald, Wear::Cardigan, QColor(), false, false},
    {"child", kSkin, QColor(110, 66, 34), QColor(252, 212, 56), QColor(226, 44, 44), QColor(50, 96, 210), Hair::Cap,
     Wear::Tee, QColor(226, 44, 44), true, false},
    {"robber", kSkin, QColor(32, 32, 38), QColor(30, 30, 34), QColor(236, 236, 236), QColor(30, 30, 36), Hair::Mask,
     Wear::Stripes, QColor(), false, false},
};
constexpr int kLookCount = 9;
constexpr int kCleanerLook = 2, kRobberLook = 8;

const QColor kEye(40, 30, 30);
const QColor kScarfRed(220, 40, 50);
const QColor kSack(208, 184, 136);
const QColor kMopWood(196, 150, 92);

QColor Shade(QColor c, double f) { return pic::Scale(c, f); }
QColor Lighter(QColor c, double t) { return pic::Mix(c, Qt::white, t); }

// ---------------------------------------------------------------------------
// Sizes and files

constexpr int kFace = 65;       // the face boxes are 65 x 65 and stretch what they show
constexpr int kLookIcon = 16;   // the hire dialog's small look pictures
constexpr int kNoticeSize = 64;  // the hire dialog's decoration

// Backdrops of the portraits: a pale studio blue for everyone, cooler and
// darker for the robber, mint for the cleaner's portrait.
struct Backdrop {
    QColor top, bottom;
};
const Backdrop kStudio{QColor(0xee, 0xf2, 0xf6), QColor(0xc6, 0xd4, 0xe4)};
const Backdrop kNight{QColor(0x4a, 0x50, 0x6a), QColor(0x1e, 0x22, 0x32)};
const Backdrop kMint{QColor(0xec, 0xf7, 0xf2), QColor(0xbc, 0xdc, 0xd2)};
const QColor kFrame(0x8a, 0x96, 0xa8);
const QColor kIconBack(0xdc, 0xe4, 0xee);  // the studio blue, flat

// ---------------------------------------------------------------------------
// Faces

// Where the head sits in the 65 x 65 picture.
struct Head {
    double cx, cy, rx, ry;
    double shoulders;  // y of the shoulder line at the neck
    double eyeY, eyeDx, eyeRx, eyeRy;
    double mouthY;
    double top() const { return cy - ry; }
    double chin() const { return cy + ry; }
};

Head HeadOf(const Look& L) {
    if (L.child) return {32.5, 28.0, 14.0, 15.0, 50.5, 30.0, 5.6, 1.9, 2.5, 38.0};
    return {32.5, 26.0, 13.0, 15.5, 46.5, 27.0, 5.5, 1.5, 2.1, 37.0};
}

QPen InkPen(double w = 1.1) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void FillBackdrop(QPainter& p, const Backdrop& b) {
    QLinearGradient g(0, 0, 0, kFace);
    g.setColorAt(0, b.top);
    g.setColorAt(1, b.bottom);
    p.fillRect(QRectF(0, 0, kFace, kFace), g);
}

void FrameLine(QPainter& p) {
    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kFace - 1, kFace - 1));
}

QPainterPath FacePath(const Head& h) {
    const double cx = h.cx, cy = h.cy, rx = h.rx, ry = h.ry, top = h.top(), bot = h.chin();
    QPainterPath path;
    path.moveTo(cx, top);
    path.cubicTo(cx + rx * 0.58, top, cx + rx, cy - ry * 0.55, cx + rx, cy - ry * 0.05);
    path.cubicTo(cx + rx, cy + ry * 0.5, cx + rx * 0.5, bot, cx, bot);
    path.cubicTo(cx - rx * 0.5, bot, cx - rx, cy + ry * 0.5, cx - rx, cy - ry * 0.05);
    path.cubicTo(cx - rx, cy - ry * 0.55, cx - rx * 0.58, top, cx, top);
    path.closeSubpath();
    return path;
}

QPainterPath TorsoPath(const Look& L, const Head& h) {
    const double cx = h.cx, sy = h.shoulders;
    const double half = L.child ? 26.5 : 31.5;  // half the width at the picture's foot
    const double neck = L.child ? 7.0 : 8.0;
    QPainterPath path;
    path.moveTo(cx - half, kFace + 1);
    path.lineTo(cx - half + 1.5, sy + 11);
    path.cubicTo(cx - half + 3, sy + 4.5, cx - half + 11, sy + 2, cx - neck, sy);
    path.lineTo(cx + neck, sy);
    path.cubicTo(cx + half - 11, sy + 2, cx + half - 3, sy + 4.5, cx + half - 1.5, sy + 11);
    path.lineTo(cx + half, kFace + 1);
    path.closeSubpath();
    return path;
}

void FillInked(QPainter& p, const QPainterPath& path, QColor fill, double ink = 1.1) {
    p.setBrush(fill);
    p.setPen(InkPen(ink));
    p.drawPath(path);
}

void FillInked(QPainter& p, const QPolygonF& poly, QColor fill, double ink = 0.9) {
    p.setBrush(fill);
    p.setPen(InkPen(ink));
    p.drawPolygon(poly);
}

// A mirrored pair of polygons: the left one as given, the right one flipped
// about the head's centre line.
QPolygonF MirrorX(const QPolygonF& poly, double cx) {
    QPolygonF m;
    for (const QPointF& q : poly) m << QPointF(2 * cx - q.x(), q.y());
    return m;
}

// An open shirt collar: a little skin in the opening, a point either side.
void ShirtCollar(QPainter& p, const Look& L, double cx, double sy, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(L.skin, 0.95));
    p.drawPolygon(QPolygonF({QPointF(cx - 4, sy - 0.5), QPointF(cx + 4, sy - 0.5), QPointF(cx, sy + 5)}));
    const QPolygonF left({QPointF(cx - 4.6, sy - 1.6), QPointF(cx - 0.8, sy + 5.6), QPointF(cx - 8.2, sy + 2.4)});
    FillInked(p, left, c, 0.8);
    FillInked(p, MirrorX(left, cx), c, 0.8);
}

void Torso(QPainter& p, const Look& L, const Head& h) {
    const double cx = h.cx, sy = h.shoulders;
    const QPainterPath torso = TorsoPath(L, h);
    p.setPen(Qt::NoPen);
    p.setBrush(L.top);
    p.drawPath(torso);

    p.save();
    p.setClipPath(torso);
    switch (L.wear) {
    case Wear::Jacket: {
        p.setPen(Qt::NoPen);
        p.setBrush(L.accent);
        p.drawPolygon(QPolygonF({QPointF(cx - 6.5, sy), QPointF(cx + 6.5, sy), QPointF(cx + 3.5, 66), QPointF(cx - 3.5, 66)}));
        const QPolygonF lapel({QPointF(cx - 6.5, sy), QPointF(cx - 10.5, sy + 2.5), QPointF(cx - 6.2, sy + 9),
                               QPointF(cx - 4.2, 66), QPointF(cx - 3.4, 66)});
        FillInked(p, lapel, Shade(L.top, 0.8), 0.8);
        FillInked(p, MirrorX(lapel, cx), Shade(L.top, 0.8), 0.8);
        ShirtCollar(p, L, cx, sy, L.accent);
        // A chest pocket on the jacket.
        p.setPen(QPen(Shade(L.top, 0.7), 0.8));
        p.drawLine(QPointF(cx + 12, sy + 12), QPointF(cx + 18, sy + 12));
        break;
    }
    case Wear::Uniform: {
        p.setPen(QPen(Shade(L.top, 0.6), 0.9));
        p.drawLine(QPointF(cx, sy + 2), QPointF(cx, 66));
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(Shade(L.accent, 0.6), 0.6));
            p.setBrush(L.accent);
            p.drawEllipse(QPointF(cx, sy + 6.5 + 6 * k), 1.5, 1.5);
        }
        // The stand-up collar with a gold pin on each side.
        FillInked(p, [&] {
            QPainterPath c;
            c.addRoundedRect(QRectF(cx - 7.5, sy - 3.5, 15, 6), 2.2, 2.2);
            return c;
        }(), Shade(L.top, 0.72), 0.9);
        p.setPen(Qt::NoPen);
        p.setBrush(L.accent);
        p.drawRect(QRectF(cx - 6.2, sy - 1.6, 1.8, 1.8));
        p.drawRect(QRectF(cx + 4.4, sy - 1.6, 1.8, 1.8));
        break;
    }
    case Wear::Overalls: {
        ShirtCollar(p, L, cx, sy, Lighter(L.top, 0.4));
        QPainterPath bib;
        bib.addRect(QRectF(cx - 9, sy + 7, 18, 30));
        FillInked(p, bib, L.bottom, 0.9);
        const QPolygonF strap({QPointF(cx - 9, sy + 7.5), QPointF(cx - 5.6, sy + 7.5), QPointF(cx - 11, sy + 0.2),
                               QPointF(cx - 14.6, sy + 1.4)});
        FillInked(p, strap, L.bottom, 0.8);
        FillInked(p, MirrorX(strap, cx), L.bottom, 0.8);
        for (double x : {cx - 7.3, cx + 7.3}) {
            QPainterPath buckle;
            buckle.addRoundedRect(QRectF(x - 1.7, sy + 6, 3.4, 2.8), 0.6, 0.6);
            FillInked(p, buckle, L.accent, 0.6);
        }
        p.setPen(QPen(Shade(L.bottom, 0.68), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(cx - 4, sy + 11, 8, 5.5));  // the bib pocket
        break;
    }
    case Wear::Dress: {
        QPainterPath scoop;
        scoop.moveTo(cx - 7.5, sy - 1);
        scoop.quadTo(cx, sy + 10, cx + 7.5, sy - 1);
        scoop.closeSubpath();
        FillInked(p, scoop, L.skin, 0.8);
        // A bead necklace following the neckline, with a drop.
        for (int k = 0; k <= 8; ++k) {
            const double t = k / 8.0;
            const QPointF a(cx - 5.6, sy + 1.2), c(cx, sy + 9.2), b(cx + 5.6, sy + 1.2);
            const QPointF q = a * (1 - t) * (1 - t) + c * 2 * t * (1 - t) + b * t * t;
            p.setPen(QPen(Shade(L.accent, 0.6), 0.4));
            p.setBrush(L.accent);
            p.drawEllipse(q, 0.85, 0.85);
        }
        p.drawEllipse(QPointF(cx, sy + 6.8), 1.4, 1.6);
        // Sheen on the shoulders.
        p.setPen(QPen(Lighter(L.top, 0.35), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 22, sy + 5), QPointF(cx - 17, sy + 3));
        p.drawLine(QPointF(cx + 17, sy + 3), QPointF(cx + 22, sy + 5));
        break;
    }
    case Wear::Suit: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(248, 248, 248));
        p.drawPolygon(QPolygonF({QPointF(cx - 6.5, sy - 0.5), QPointF(cx + 6.5, sy - 0.5), QPointF(cx, sy + 15)}));
        const QPolygonF lapel({QPointF(cx - 6.5, sy - 0.5), QPointF(cx - 11, sy + 2), QPointF(cx - 5.4, sy + 9),
                               QPointF(cx, sy + 15.5)});
        FillInked(p, lapel, Shade(L.top, 0.82), 0.8);
        FillInked(p, MirrorX(lapel, cx), Shade(L.top, 0.82), 0.8);
        ShirtCollar(p, L, cx, sy, QColor(248, 248, 248));
        FillInked(p, QPolygonF({QPointF(cx - 1.3, sy + 3), QPointF(cx + 1.3, sy + 3), QPointF(cx + 2.5, sy + 12.5),
                                QPointF(cx, sy + 15.5), QPointF(cx - 2.5, sy + 12.5)}),
                  L.accent, 0.7);
        FillInked(p, QPolygonF({QPointF(cx - 1.9, sy + 0.2), QPointF(cx + 1.9, sy + 0.2), QPointF(cx + 1.3, sy + 3.2),
                                QPointF(cx - 1.3, sy + 3.2)}),
                  Shade(L.accent, 0.85), 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(Shade(L.top, 0.5));
        p.drawEllipse(QPointF(cx, sy + 18), 1.0, 1.0);
        break;
    }
    case Wear::Sailor: {
        QPainterPath collar;
        collar.setFillRule(Qt::OddEvenFill);
        collar.addPolygon(QPolygonF({QPointF(cx - 6.8, sy - 0.8), QPointF(cx - 18, sy + 2.8), QPointF(cx - 16.5, sy + 9),
                                     QPointF(cx, sy + 14), QPointF(cx + 16.5, sy + 9), QPointF(cx + 18, sy + 2.8),
                                     QPointF(cx + 6.8, sy - 0.8)}));
        collar.closeSubpath();
        collar.addPolygon(QPolygonF({QPointF(cx - 6.8, sy - 0.8), QPointF(cx, sy + 9.5), QPointF(cx + 6.8, sy - 0.8)}));
        collar.closeSubpath();
        FillInked(p, collar, L.accent, 0.8);
        // The white band round the collar's edge.
        p.setPen(QPen(QColor(250, 250, 250), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(cx - 16.6, sy + 3.6), QPointF(cx - 15.3, sy + 8.2), QPointF(cx, sy + 12.4),
                                  QPointF(cx + 15.3, sy + 8.2), QPointF(cx + 16.6, sy + 3.6)}));
        // The scarf: a knot and two tails.
        FillInked(p, QPolygonF({QPointF(cx - 1.2, sy + 10.5), QPointF(cx - 4.2, sy + 19), QPointF(cx - 1.2, sy + 17.5)}),
                  Shade(kScarfRed, 0.85), 0.7);
        FillInked(p, QPolygonF({QPointF(cx + 1.2, sy + 10.5), QPointF(cx + 4.2, sy + 19), QPointF(cx + 1.2, sy + 17.5)}),
                  Shade(kScarfRed, 0.85), 0.7);
        FillInked(p, QPolygonF({QPointF(cx - 3.6, sy + 9), QPointF(cx + 3.6, sy + 9), QPointF(cx + 2.2, sy + 12.6),
                                QPointF(cx - 2.2, sy + 12.6)}),
                  kScarfRed, 0.7);
        break;
    }
    case Wear::Cardigan: {
        p.setPen(Qt::NoPen);
        p.setBrush(L.accent);
        p.drawPolygon(QPolygonF({QPointF(cx - 6.5, sy - 0.5), QPointF(cx + 6.5, sy - 0.5), QPointF(cx + 3, 66), QPointF(cx - 3, 66)}));
        p.setPen(QPen(Shade(L.top, 0.62), 1.3));
        p.drawLine(QPointF(cx - 6.5, sy), QPointF(cx - 3, 66));
        p.drawLine(QPointF(cx + 6.5, sy), QPointF(cx + 3, 66));
        ShirtCollar(p, L, cx, sy, L.accent);
        p.setPen(Qt::NoPen);
        p.setBrush(Shade(L.top, 0.45));
        for (int k = 0; k < 3; ++k) p.drawEllipse(QPointF(cx - 5.0 + 0.55 * k, sy + 8 + 5.5 * k), 1.1, 1.1);
        // Knitted ribs.
        p.setPen(QPen(Shade(L.top, 0.82), 0.6));
        for (double x = cx - 30; x < cx - 7; x += 2.2) p.drawLine(QPointF(x, sy + 11), QPointF(x, 66));
        for (double x = cx + 8; x < cx + 31; x += 2.2) p.drawLine(QPointF(x, sy + 11), QPointF(x, 66));
        break;
    }
    case Wear::Tee: {
        p.setPen(Qt::NoPen);
        p.setBrush(L.accent);
        p.drawRect(QRectF(0, sy + 8, kFace, 3.6));
        p.setPen(QPen(Shade(L.top, 0.78), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - 7, sy - 4, 14, 8), 180 * 16, 180 * 16);
        break;
    }
    case Wear::Stripes: {
        p.setPen(Qt::NoPen);
        p.setBrush(L.accent);
        for (double y = sy + 2.5; y < kFace; y += 4.4) p.drawRect(QRectF(0, y, kFace, 2.1));
        p.setPen(QPen(Shade(L.accent, 0.6), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - 7, sy - 4, 14, 8), 180 * 16, 180 * 16);
        break;
    }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(1.2));
    p.drawPath(torso);
}

void Neck(QPainter& p, const Look& L, const Head& h) {
    const QColor skin = L.hair_ == Hair::Mask ? L.hair : Shade(L.skin, 0.95);
    const QRectF neck(h.cx - 5, h.chin() - 8, 10, h.shoulders - h.chin() + 10);
    p.setPen(InkPen(1.0));
    p.setBrush(skin);
    p.drawRect(neck);
    p.save();
    p.setClipRect(neck);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(skin, 0.82));
    p.drawEllipse(QPointF(h.cx, h.chin()), 6, 3.2);
    p.restore();
}

void Ears(QPainter& p, const Look& L, const Head& h) {
    for (int side : {-1, 1}) {
        const QPointF c(h.cx + side * (h.rx - 0.4), h.cy + 1.5);
        p.setPen(InkPen(1.0));
        p.setBrush(L.skin);
        p.drawEllipse(c, 2.9, 4.0);
        p.setPen(QPen(Shade(L.skin, 0.78), 0.8));
        p.drawArc(QRectF(c.x() - 1.4, c.y() - 2, 2.8, 4), side > 0 ? -90 * 16 : 90 * 16, 180 * 16);
    }
}

// Hair that falls behind the head and shoulders.
void HairBehind(QPainter& p, const Look& L, const Head& h) {
    if (L.hair_ != Hair::Long) return;
    QPainterPath back;
    back.addRoundedRect(QRectF(h.cx - h.rx - 4.5, h.top() - 2, 2 * (h.rx + 4.5), 56 - h.top()), 8, 8);
    FillInked(p, back, Shade(L.hair, 0.8));
}

void Eyebrows(QPainter& p, const Look& L, const Head& h) {
    if (L.hair_ == Hair::Mask || L.hair_ == Hair::Bob || L.hair_ == Hair::Cap) return;
    const bool bushy = L.hair_ == Hair::Bald;
    const QColor c = bushy ? Shade(L.hair, 0.8) : Shade(L.hair, 0.75);
    p.setPen(QPen(c, bushy ? 1.9 : (L.female ? 1.0 : 1.4), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        const double ex = h.cx + side * h.eyeDx;
        QPainterPath brow;
        brow.moveTo(ex - side * 2.6, h.eyeY - 4.0);
        brow.quadTo(ex, h.eyeY - 5.6, ex + side * 2.8, h.eyeY - 4.4);
        p.drawPath(brow);
    }
}

void Eyes(QPainter& p, const Look& L, const Head& h) {
    // The robber's eyes dart to one side.
    const double look = L.hair_ == Hair::Mask ? 0.7 : 0.0;
    for (int side : {-1, 1}) {
        const double ex = h.cx + side * h.eyeDx;
        p.setPen(Qt::NoPen);
        p.setBrush(kEye);
        p.drawEllipse(QPointF(ex + look, h.eyeY), h.eyeRx, h.eyeRy);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex + look + 0.5, h.eyeY - 0.8), 0.55, 0.55);
        if (L.female) {
            p.setPen(QPen(kEye, 0.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(ex + side * (h.eyeRx - 0.2), h.eyeY - h.eyeRy + 0.6),
                       QPointF(ex + side * (h.eyeRx + 1.3), h.eyeY - h.eyeRy - 0.4));
        }
    }
}

void NoseAndCheeks(QPainter& p, const Look& L, const Head& h) {
    const double cx = h.cx, cy = h.cy;
    p.setPen(QPen(Shade(L.skin, 0.72), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    if (L.child) {
        nose.moveTo(cx - 0.8, cy + 6.2);
        nose.quadTo(cx, cy + 6.9, cx + 0.8, cy + 6.2);
    } else {
        nose.moveTo(cx + 0.3, cy + 4.2);
        nose.quadTo(cx + 1.9, cy + 7.4, cx - 0.4, cy + 7.9);
    }
    p.drawPath(nose);
    if (L.female || L.child) {
        for (int side : {-1, 1}) {
            const QPointF c(cx + side * 8.3, cy + 6.5);
            QRadialGradient blush(c, 3.2);
            blush.setColorAt(0, QColor(240, 120, 120, 120));
            blush.setColorAt(1, QColor(240, 120, 120, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(blush);
            p.drawEllipse(c, 3.2, 3.2);
        }
    }
    if (L.hair_ == Hair::Bald) {
        // Lines on the brow and at the eyes.
        p.setPen(QPen(Shade(L.skin, 0.8), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 2; ++k) p.drawArc(QRectF(cx - 5.5, cy - 9.8 + 2.2 * k, 11, 4), 30 * 16, 120 * 16);
        for (int side : {-1, 1}) {
            const double x = cx + side * (h.eyeDx + 2.6);
            p.drawLine(QPointF(x, h.eyeY - 0.3), QPointF(x + side * 1.6, h.eyeY - 1.1));
            p.drawLine(QPointF(x, h.eyeY + 0.6), QPointF(x + side * 1.6, h.eyeY + 1.2));
        }
    }
}

void Mouth(QPainter& p, const Look& L, const Head& h, bool open) {
    const double cx = h.cx, my = h.mouthY;
    if (L.hair_ == Hair::Mask) {
        // Under the wool: a grim line, or the wool pulled open by the mouth.
        const QColor wool = Lighter(L.hair, 0.3);
        if (!open) {
            QPainterPath grim;
            grim.moveTo(cx - 3.2, my + 0.6);
            grim.quadTo(cx, my - 0.6, cx + 3.2, my + 0.6);
            p.setPen(QPen(wool, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(grim);
        } else {
            p.setPen(QPen(wool, 0.9));
            p.setBrush(QColor(12, 10, 14));
            p.drawEllipse(QPointF(cx, my + 0.8), 3.2, 2.5);
        }
        return;
    }
    const QColor lips = L.female ? QColor(196, 70, 80) : Shade(L.skin, 0.55);
    if (!open) {
        QPainterPath smile;
        const double w = L.hair_ == Hair::Bald ? 3.0 : 3.4;
        smile.moveTo(cx - w, my - 0.5);
        smile.quadTo(cx, my + (L.hair_ == Hair::Bald ? 1.0 : 1.9), cx + w, my - 0.5);
        p.setPen(QPen(lips, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
        return;
    }
    QPainterPath mouth;
    mouth.moveTo(cx - 3.6, my - 1.2);
    mouth.quadTo(cx, my - 1.9, cx + 3.6, my - 1.2);
    mouth.cubicTo(cx + 3.4, my + 2.2, cx + 1.6, my + 3.4, cx, my + 3.4);
    mouth.cubicTo(cx - 1.6, my + 3.4, cx - 3.4, my + 2.2, cx - 3.6, my - 1.2);
    mouth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 28, 36));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(226, 104, 112));
    p.drawEllipse(QPointF(cx, my + 3.2), 2.6, 1.6);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(cx - 3, my - 2, 6, 1.4));
    p.restore();
    p.setPen(QPen(L.female ? lips : Shade(L.skin, 0.5), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// The balaclava: head and neck covered, an opening for the eyes and one for
// the mouth, a bobble on top.
void Balaclava(QPainter& p, const Look& L, const Head& h) {
    const QColor wool = L.hair;
    QPainterPath hood = FacePath({h.cx, h.cy, h.rx + 0.9, h.ry + 0.6, 0, 0, 0, 0, 0, 0});
    p.setPen(QPen(Lighter(wool, 0.25), 1.0));
    p.setBrush(Lighter(wool, 0.25));
    p.drawEllipse(QPointF(h.cx, h.top() - 1.8), 3.2, 3.0);
    FillInked(p, hood, wool);
    p.save();
    p.setClipPath(hood);
    p.setPen(QPen(Lighter(wool, 0.12), 0.7));
    for (double x = h.cx - h.rx; x < h.cx + h.rx + 1; x += 2.6) p.drawLine(QPointF(x, h.top() - 2), QPointF(x, h.chin() + 2));
    p.restore();
    QPainterPath slit;
    slit.addRoundedRect(QRectF(h.cx - h.rx + 2.8, h.eyeY - 3.4, 2 * (h.rx - 2.8), 6.8), 3, 3);
    FillInked(p, slit, L.skin, 0.9);
    // A frown: the brows show at the top of the eye opening.
    p.setPen(QPen(Shade(L.skin, 0.6), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        const double ex = h.cx + side * h.eyeDx;
        p.drawLine(QPointF(ex - side * 2.2, h.eyeY - 2.0), QPointF(ex + side * 2.0, h.eyeY - 2.9));
    }
}

void HairInFront(QPainter& p, const Look& L, const Head& h) {
    const double cx = h.cx, cy = h.cy, rx = h.rx, ry = h.ry, top = h.top();
    const QColor hair = L.hair;
    auto shine = [&](QPainterPath path) {
        p.setPen(QPen(Lighter(hair, 0.3), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    switch (L.hair_) {
    case Hair::Short:
    case Hair::Parted: {
        QPainterPath cap;
        cap.moveTo(cx - rx - 0.6, cy + 1);
        cap.cubicTo(cx - rx - 1.4, top - 1, cx - rx * 0.5, top - 3.2, cx, top - 3.2);
        cap.cubicTo(cx + rx * 0.5, top - 3.2, cx + rx + 1.4, top - 1, cx + rx + 0.6, cy + 1);
        cap.lineTo(cx + rx - 1.2, cy + 1);
        if (L.hair_ == Hair::Short) {
            cap.lineTo(cx + rx - 1.6, cy - ry * 0.35);
            cap.quadTo(cx + rx * 0.5, cy - ry * 0.52, cx + 2, cy - ry * 0.42);
            cap.quadTo(cx - rx * 0.3, cy - ry * 0.62, cx - rx + 1.6, cy - ry * 0.35);
        } else {
            // Combed to the side from a parting over the left eye.
            cap.lineTo(cx + rx - 1.5, cy - ry * 0.3);
            cap.quadTo(cx + 3, cy - ry * 0.78, cx - 4, cy - ry * 0.72);
            cap.quadTo(cx - rx * 0.8, cy - ry * 0.55, cx - rx + 1.3, cy - ry * 0.15);
        }
        cap.lineTo(cx - rx + 1.2, cy + 1);
        cap.closeSubpath();
        FillInked(p, cap, hair);
        QPainterPath gloss;
        if (L.hair_ == Hair::Parted) {
            p.setPen(QPen(Lighter(hair, 0.35), 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 4.5, top - 2.6), QPointF(cx - 4.2, cy - ry * 0.68));
            gloss.moveTo(cx + 1, top - 1.5);
            gloss.quadTo(cx + 7, top - 1, cx + 9.5, top + 2.5);
        } else {
            gloss.moveTo(cx - 6, top - 1.2);
            gloss.quadTo(cx, top - 2.6, cx + 6, top - 1.2);
        }
        shine(gloss);
        break;
    }
    case Hair::Spiky: {
        const QPolygonF spikes({
            QPointF(cx - rx - 0.8, cy + 1),   QPointF(cx - rx - 3, cy - 6),      QPointF(cx - rx + 0.5, cy - 8),
            QPointF(cx - rx - 1.8, top),      QPointF(cx - rx + 4, top + 1),     QPointF(cx - 7.5, top - 5.5),
            QPointF(cx - 3, top - 1),         QPointF(cx + 0.5, top - 7),        QPointF(cx + 3.5, top - 1),
            QPointF(cx + 8.5, top - 5.5),     QPointF(cx + rx - 3.5, top + 1.5), QPointF(cx + rx + 3.2, top + 0.8),
            QPointF(cx + rx - 0.2, cy - 8),   QPointF(cx + rx + 2.5, cy - 5),    QPointF(cx + rx + 0.8, cy + 1),
            QPointF(cx + rx - 1.2, cy + 1),   QPointF(cx + rx - 1.5, cy - 6),    QPointF(cx + 6, cy - 5),
            QPointF(cx + 4, cy - 8.8),        QPointF(cx + 1, cy - 4.4),         QPointF(cx - 2, cy - 8.8),
            QPointF(cx - 5, cy - 4.6),        QPointF(cx - 7.2, cy - 8.2),       QPointF(cx - rx + 1.5, cy - 5),
            QPointF(cx - rx + 1.2, cy + 1),
        });
        FillInked(p, spikes, hair, 1.1);
        QPainterPath gloss;
        gloss.moveTo(cx - 5, top - 0.5);
        gloss.quadTo(cx, top - 2.5, cx + 5, top - 0.5);
        shine(gloss);
        break;
    }
    case Hair::Long: {
        QPainterPath front;
        front.moveTo(cx, top - 3.5);
        front.cubicTo(cx - rx * 0.7, top - 3.5, cx - rx - 3, top + 4, cx - rx - 3.5, cy + 2);
        front.cubicTo(cx - rx - 4, cy + 12, cx - rx - 6, cy + 20, cx - rx - 4, 57);
        front.lineTo(cx - rx + 2, 55);
        front.cubicTo(cx - rx + 0.5, cy + 16, cx - rx + 1, cy + 6, cx - rx + 1.5, cy - 3);
        front.quadTo(cx - 5, cy - ry * 0.4, cx - 0.5, cy - ry * 0.74);
        front.lineTo(cx + 0.5, cy - ry * 0.74);
        front.quadTo(cx + 5, cy - ry * 0.4, cx + rx - 1.5, cy - 3);
        front.cubicTo(cx + rx - 1, cy + 6, cx + rx - 0.5, cy + 16, cx + rx - 2, 55);
        front.lineTo(cx + rx + 4, 57);
        front.cubicTo(cx + rx + 6, cy + 20, cx + rx + 4, cy + 12, cx + rx + 3.5, cy + 2);
        front.cubicTo(cx + rx + 3, top + 4, cx + rx * 0.7, top - 3.5, cx, top - 3.5);
        front.closeSubpath();
        FillInked(p, front, hair);
        QPainterPath gloss;
        gloss.moveTo(cx - rx + 0.5, top + 2.5);
        gloss.quadTo(cx - 5, top - 2.2, cx - 1, top - 2.2);
        gloss.moveTo(cx + rx + 1.5, cy + 8);
        gloss.quadTo(cx + rx + 2.5, cy + 16, cx + rx + 1.5, cy + 22);
        shine(gloss);
        break;
    }
    case Hair::Bob: {
        const double fringe = cy - ry * 0.36, bottom = cy + ry - 2.5;
        QPainterPath bob;
        bob.moveTo(cx, top - 3);
        bob.cubicTo(cx - rx * 0.75, top - 3, cx - rx - 3, top + 4, cx - rx - 3, cy + 4);
        bob.lineTo(cx - rx - 2.5, bottom);
        bob.lineTo(cx - rx + 2.5, bottom - 0.5);
        bob.lineTo(cx - rx + 1.6, cy - 2);
        bob.lineTo(cx - rx + 1.6, fringe);
        bob.lineTo(cx + rx - 1.6, fringe);
        bob.lineTo(cx + rx - 1.6, cy - 2);
        bob.lineTo(cx + rx - 2.5, bottom - 0.5);
        bob.lineTo(cx + rx + 2.5, bottom);
        bob.lineTo(cx + rx + 3, cy + 4);
        bob.cubicTo(cx + rx + 3, top + 4, cx + rx * 0.75, top - 3, cx, top - 3);
        bob.closeSubpath();
        FillInked(p, bob, hair);
        // Strands in the fringe and a shine across the crown.
        p.setPen(QPen(Lighter(hair, 0.22), 0.7));
        for (double x = cx - 7.5; x < cx + 8; x += 3.7) p.drawLine(QPointF(x, fringe - 3.5), QPointF(x + 0.3, fringe - 0.4));
        QPainterPath gloss;
        gloss.moveTo(cx - 8, top + 0.5);
        gloss.quadTo(cx, top - 2.4, cx + 8, top + 0.5);
        shine(gloss);
        break;
    }
    case Hair::Cap: {
        const double band = cy - ry * 0.3;
        // Hair showing under the cap at the temples.
        for (int side : {-1, 1}) {
            const QPolygonF tuft({QPointF(cx + side * (rx - 1.4), band), QPointF(cx + side * (rx + 1.6), band),
                                  QPointF(cx + side * (rx + 1.0), cy + 1.5), QPointF(cx + side * (rx - 0.6), cy + 0.5),
                                  QPointF(cx + side * (rx - 1.2), cy - 1.5)});
            FillInked(p, tuft, hair, 0.9);
        }
        QPainterPath dome;
        dome.moveTo(cx - rx - 1.6, band);
        dome.cubicTo(cx - rx - 1.6, top - 6.5, cx + rx + 1.6, top - 6.5, cx + rx + 1.6, band);
        dome.closeSubpath();
        FillInked(p, dome, L.cap);
        p.setPen(QPen(Shade(L.cap, 0.72), 0.8));
        p.setBrush(Qt::NoBrush);
        QPainterPath seams;
        seams.moveTo(cx, top - 3.2);
        seams.quadTo(cx - 7, top - 1, cx - 8.5, band);
        seams.moveTo(cx, top - 3.2);
        seams.quadTo(cx + 7, top - 1, cx + 8.5, band);
        p.drawPath(seams);
        p.setPen(InkPen(0.7));
        p.setBrush(Shade(L.cap, 0.8));
        p.drawEllipse(QPointF(cx, top - 3.4), 1.4, 1.0);
        if (!L.child) {
            // The contractor's badge on the front of the cap.
            QPainterPath badge;
            badge.addRoundedRect(QRectF(cx - 3.2, band - 6, 6.4, 4), 1.2, 1.2);
            FillInked(p, badge, QColor(250, 250, 244), 0.6);
            p.setPen(QPen(L.cap, 0.9));
            p.drawLine(QPointF(cx - 1.8, band - 4), QPointF(cx + 1.8, band - 4));
        }
        // The peak, seen from the front.
        QPainterPath peak;
        peak.moveTo(cx - rx - 2.2, band - 0.6);
        peak.cubicTo(cx - rx + 1, band + 5.4, cx + rx - 1, band + 5.4, cx + rx + 2.2, band - 0.6);
        peak.closeSubpath();
        FillInked(p, peak, Shade(L.cap, 0.8));
        shine([&] {
            QPainterPath g;
            g.moveTo(cx - 7, top + 1);
            g.quadTo(cx - 4, top - 2.5, cx - 1, top - 2.8);
            return g;
        }());
        break;
    }
    case Hair::Bald: {
        for (int side : {-1, 1}) {
            QPainterPath puff;
            const double x = cx + side * (h.rx + 0.6);
            puff.moveTo(x - side * 1.2, cy - 9);
            puff.cubicTo(x + side * 3.6, cy - 9.5, x + side * 4.2, cy - 2, x + side * 0.4, cy - 0.5);
            puff.cubicTo(x - side * 1.4, cy - 1.5, x - side * 2.2, cy - 6, x - side * 1.2, cy - 9);
            FillInked(p, puff, hair, 0.9);
        }
        // The shine on the crown.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 130));
        p.drawEllipse(QPointF(cx - 4, top + 3.6), 3.2, 1.7);
        break;
    }
    case Hair::Mask:
        break;
    }
}

// Things a portrait shows besides the person.
enum class Prop { None, Mop, Sack };

void PropBehind(QPainter& p, Prop prop) {
    if (prop == Prop::Mop) {
        p.setPen(InkPen(0.9));
        p.setBrush(kMopWood);
        p.drawRoundedRect(QRectF(53.5, 4, 3.2, 56), 1.2, 1.2);
        p.setPen(QPen(Lighter(kMopWood, 0.35), 0.8));
        p.drawLine(QPointF(54.6, 6), QPointF(54.6, 44));
    }
    if (prop == Prop::Sack) {
        // The loot sack slung over the shoulder, its neck held at the top.
        QPainterPath sack;
        sack.moveTo(44, 30);
        sack.cubicTo(40, 44, 42, 62, 52, 66);
        sack.lineTo(66, 66);
        sack.lineTo(66, 30);
        sack.cubicTo(62, 24, 50, 22, 44, 30);
        sack.closeSubpath();
        FillInked(p, sack, kSack);
        p.setPen(QPen(Shade(kSack, 0.75), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(47, 34, 14, 22), 100 * 16, 120 * 16);
        // The gathered neck and its tie.
        const QPolygonF neck({QPointF(45, 30), QPointF(40, 22), QPointF(44, 18), QPointF(49, 26)});
        FillInked(p, neck, Shade(kSack, 0.9), 0.9);
        p.setPen(QPen(QColor(150, 90, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(43, 28.5), QPointF(48.5, 26.5));
        p.setPen(Shade(kSack, 0.4));
        p.setFont(pic::SansFont(12, true));
        p.drawText(QRectF(48, 36, 16, 16), Qt::AlignCenter, QStringLiteral("¥"));
    }
}

void PropInFront(QPainter& p, const Look& L, Prop prop) {
    if (prop == Prop::Mop) {
        // The hand round the handle.
        p.setPen(InkPen(0.9));
        p.setBrush(L.skin);
        p.drawRoundedRect(QRectF(51.5, 50, 7, 5.5), 2.4, 2.4);
        p.setPen(QPen(Shade(L.skin, 0.7), 0.6));
        p.drawLine(QPointF(53.3, 51.8), QPointF(57.3, 51.8));
        p.drawLine(QPointF(53.3, 53.6), QPointF(57.3, 53.6));
        // The mop's head of cotton strands at the foot of the handle.
        p.setPen(InkPen(0.8));
        p.setBrush(QColor(120, 120, 128));
        p.drawRect(QRectF(51.5, 58, 8, 2.6));
        for (int k = 0; k < 7; ++k) {
            const double x0 = 52.3 + k * 1.05, x1 = 47.5 + k * 2.7;
            p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x0, 60.5), QPointF(x1, 66));
            p.setPen(QPen(QColor(236, 236, 228), 1.3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x0, 60.5), QPointF(x1, 66));
        }
    }
}

QImage Portrait(const Look& L, bool open, const Backdrop& back, Prop prop) {
    return pic::Supersampled(kFace, kFace, back.bottom, [&](QPainter& p) {
        const Head h = HeadOf(L);
        FillBackdrop(p, back);
        // A soft light behind the head.
        QRadialGradient glow(QPointF(h.cx, h.cy), 30);
        glow.setColorAt(0, QColor(255, 255, 255, 110));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(0, 0, kFace, kFace), glow);

        PropBehind(p, prop);
        HairBehind(p, L, h);
        Neck(p, L, h);
        Torso(p, L, h);
        if (L.hair_ != Hair::Mask && L.hair_ != Hair::Long) Ears(p, L, h);
        FillInked(p, FacePath(h), L.skin);
        if (L.hair_ == Hair::Mask) Balaclava(p, L, h);
        Eyebrows(p, L, h);
        Eyes(p, L, h);
        if (L.hair_ != Hair::Mask) NoseAndCheeks(p, L, h);
        Mouth(p, L, h, open);
        HairInFront(p, L, h);
        PropInFront(p, L, prop);
        FrameLine(p);
    });
}

QImage Face(int look, bool open) { return Portrait(kLooks[look], open, kStudio, Prop::None); }

// What a face box shows before a face is put in it: an outline of nobody.
QImage NobodyFace() {
    return pic::Supersampled(kFace, kFace, kStudio.bottom, [](QPainter& p) {
        FillBackdrop(p, kStudio);
        const QColor shadow(0xa4, 0xb0, 0xc0);
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        QPainterPath body;
        body.moveTo(2, 66);
        body.cubicTo(3, 50, 16, 47, 32.5, 47);
        body.cubicTo(49, 47, 62, 50, 63, 66);
        body.closeSubpath();
        p.drawPath(body);
        p.drawEllipse(QPointF(32.5, 27), 12.5, 14.5);
        p.setPen(QColor(0xee, 0xf2, 0xf6));
        p.setFont(pic::SansFont(16, true));
        p.drawText(QRectF(20, 15, 25, 24), Qt::AlignCenter, QStringLiteral("?"));
        FrameLine(p);
    });
}

// ---------------------------------------------------------------------------
// Look icons: 16 x 16 pixel art, the floor figure's head drawn from the
// front over a pair of shoulders.

using sheetart::fill;
using sheetart::put;
using sheetart::Rgb;

Rgb R(QColor c) { return c.rgb(); }
Rgb RShade(QColor c, int percent) { return sheetart::shade(c.rgb(), percent); }

QImage LookIcon(int look) {
    const Look& L = kLooks[look];
    QImage im = sheetart::canvas(kLookIcon, kLookIcon);
    const Rgb skin = R(L.skin), hair = R(L.hair), top = R(L.top), acc = R(L.accent), bot = R(L.bottom);

    // Shoulders and chest.
    fill(im, 3, 12, 10, 1, top);
    fill(im, 2, 13, 12, 3, top);
    switch (L.wear) {
    case Wear::Jacket:
        fill(im, 7, 12, 2, 4, acc);
        put(im, 6, 12, RShade(L.top, 75)), put(im, 9, 12, RShade(L.top, 75));
        break;
    case Wear::Uniform:
        fill(im, 6, 12, 4, 1, RShade(L.top, 65));
        put(im, 8, 13, acc), put(im, 8, 15, acc);
        break;
    case Wear::Overalls:
        fill(im, 5, 13, 6, 3, bot);
        put(im, 4, 12, bot), put(im, 11, 12, bot);
        put(im, 5, 13, acc), put(im, 10, 13, acc);
        break;
    case Wear::Dress:
        fill(im, 6, 12, 4, 1, skin);
        put(im, 7, 13, acc), put(im, 8, 13, acc);
        break;
    case Wear::Suit:
        fill(im, 6, 12, 4, 2, R(QColor(248, 248, 248)));
        fill(im, 7, 12, 2, 4, acc);
        break;
    case Wear::Sailor:
        fill(im, 2, 13, 12, 1, acc);
        fill(im, 3, 12, 3, 1, acc), fill(im, 10, 12, 3, 1, acc);
        fill(im, 2, 14, 2, 1, acc), fill(im, 12, 14, 2, 1, acc);
        fill(im, 7, 14, 2, 1, R(kScarfRed)), put(im, 7, 15, R(kScarfRed));
        break;
    case Wear::Cardigan:
        fill(im, 7, 12, 2, 4, acc);
        put(im, 6, 14, RShade(L.top, 55));
        break;
    case Wear::Tee:
        fill(im, 2, 14, 12, 1, acc);
        break;
    case Wear::Stripes:
        fill(im, 2, 13, 12, 1, acc);
        fill(im, 2, 15, 12, 1, acc);
        break;
    }
    // Neck and head: the floor figure's 8 x 10 skull.
    fill(im, 6, 11, 4, 1, L.hair_ == Hair::Mask ? hair : RShade(L.skin, 90));
    fill(im, 4, 2, 8, 8, skin);
    fill(im, 5, 1, 6, 10, skin);
    if (L.hair_ != Hair::Mask && L.hair_ != Hair::Long && L.hair_ != Hair::Bob) {
        put(im, 3, 5, skin), put(im, 3, 6, skin), put(im, 12, 5, skin), put(im, 12, 6, skin);
    }
    switch (L.hair_) {
    case Hair::Short:
    case Hair::Parted:
    case Hair::Spiky:
        fill(im, 5, 1, 6, 1, hair);
        fill(im, 4, 2, 8, 2, hair);
        put(im, 4, 4, hair), put(im, 11, 4, hair);
        if (L.hair_ == Hair::Parted) fill(im, 7, 4, 4, 1, hair), put(im, 6, 2, RShade(L.hair, 160));
        if (L.hair_ == Hair::Short) fill(im, 5, 4, 2, 1, hair);
        if (L.hair_ == Hair::Spiky) {
            put(im, 4, 1, hair), put(im, 6, 0, hair), put(im, 9, 0, hair), put(im, 11, 1, hair);
            put(im, 6, 4, hair), put(im, 9, 4, hair);
        }
        break;
    case Hair::Long:
        fill(im, 5, 1, 6, 1, hair);
        fill(im, 4, 2, 8, 2, hair);
        fill(im, 3, 3, 2, 10, hair), fill(im, 11, 3, 2, 10, hair);
        put(im, 5, 4, hair), put(im, 10, 4, hair);
        break;
    case Hair::Bob:
        fill(im, 5, 1, 6, 1, hair);
        fill(im, 4, 2, 8, 3, hair);
        fill(im, 3, 3, 2, 7, hair), fill(im, 11, 3, 2, 7, hair);
        break;
    case Hair::Cap:
        fill(im, 5, 0, 6, 1, R(L.cap));
        fill(im, 4, 1, 8, 2, R(L.cap));
        fill(im, 3, 3, 10, 1, RShade(L.cap, 75));
        put(im, 4, 4, hair), put(im, 11, 4, hair);
        if (!L.child) put(im, 7, 1, R(QColor(250, 250, 244))), put(im, 8, 1, R(QColor(250, 250, 244)));
        break;
    case Hair::Bald:
        fill(im, 3, 3, 2, 4, hair), fill(im, 11, 3, 2, 4, hair);
        put(im, 6, 2, RShade(L.skin, 130));
        break;
    case Hair::Mask:
        fill(im, 4, 2, 8, 8, hair);
        fill(im, 5, 1, 6, 10, hair);
        fill(im, 7, 0, 2, 1, RShade(L.hair, 160));
        fill(im, 5, 5, 6, 2, skin);
        break;
    }
    // Eyes, and a mouth for the bare faces.
    const Rgb eye = R(kEye);
    const int eyeRow = L.hair_ == Hair::Mask ? 5 : 6;
    put(im, 6, eyeRow, eye), put(im, 9, eyeRow, eye);
    if (L.hair_ != Hair::Mask) {
        const Rgb mouth = L.female ? R(QColor(214, 96, 104)) : RShade(L.skin, 84);
        put(im, 7, 8, mouth), put(im, 8, 8, mouth);
    }
    sheetart::outline(im, R(kInk));

    QImage icon = pic::Blank(kLookIcon, kLookIcon, kIconBack);
    QPainter p(&icon);
    p.drawImage(0, 0, im);
    return icon;
}

// ---------------------------------------------------------------------------
// The hire dialog's decoration: a "staff wanted" notice pinned up.

QImage StaffWantedNotice() {
    return pic::Supersampled(kNoticeSize, kNoticeSize, kButtonFace, [](QPainter& p) {
        p.scale(kNoticeSize / 32.0, kNoticeSize / 32.0);  // drawn on a 32 x 32 board
        p.translate(16, 16);
        p.rotate(-6);
        p.translate(-16, -16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRect(QRectF(5.5, 4.5, 23, 26));
        p.setPen(QPen(QColor(0x9a, 0x8a, 0x6a), 0.8));
        p.setBrush(QColor(0xfd, 0xf8, 0xe8));
        p.drawRect(QRectF(4, 3, 23, 26));
        p.setPen(QColor(0xc0, 0x20, 0x28));
        p.setFont(pic::SansFont(10, true));
        p.drawText(QRectF(4, 5, 23, 12), Qt::AlignCenter, QStringLiteral("招聘"));
        // A little clerk in an apron, and lines of small print.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x24, 0x4c, 0x8c));
        p.drawRoundedRect(QRectF(7.5, 22.5, 7, 5.5), 2, 2);
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(11, 20), 2.3, 2.3);
        p.setPen(QPen(QColor(0x90, 0x88, 0x78), 1.0));
        for (int k = 0; k < 3; ++k) p.drawLine(QPointF(17, 20 + 2.8 * k), QPointF(24.5 - (k == 2 ? 3 : 0), 20 + 2.8 * k));
        p.setPen(QPen(QColor(0x60, 0x10, 0x10), 0.6));
        p.setBrush(QColor(0xe0, 0x30, 0x30));
        p.drawEllipse(QPointF(15.5, 3.5), 1.8, 1.8);
    });
}

// ---------------------------------------------------------------------------
// Files

using pic::Output;

QString Forms(const char* control) { return QStringLiteral("Graphic/Forms/") + QString::fromLatin1(control) + ".png"; }

std::vector<Output> Outputs() {
    std::vector<Output> list;
    // Face n is look n - 1; Human<n>.1 has the mouth open.
    for (int look = 0; look < kLookCount; ++look) {
        list.push_back({QStringLiteral("Graphic/Human%1.dat").arg(look + 1), kFace, kFace, kLooks[look].who,
                        [look] { return Face(look, false); }});
        list.push_back({QStringLiteral("Graphic/Human%1.1.dat").arg(look + 1), kFace, kFace, kLooks[look].who,
                        [look] { return Face(look, true); }});
    }
    // The hire dialog: its look icons by look + 1, for every look an
    // applicant can have (all but the robber's), and its decoration.
    for (int look = 0; look < kRobberLook; ++look)
        list.push_back({QStringLiteral("Graphic/Forms/Form7_Image1_%1.png").arg(look + 1), kLookIcon, kLookIcon,
                        kLooks[look].who, [look] { return LookIcon(look); }});
    list.push_back({Forms("Form7_Image2"), kNoticeSize, kNoticeSize, "staff wanted", StaffWantedNotice});
    // Face boxes, showing nobody until a face is put in them.
    for (const char* box : {"Form7_Image1_0", "Form12_Image1_0", "Form38_Image1_0", "Form8_Image1_0", "Form8_Image7"})
        list.push_back({Forms(box), kFace, kFace, "nobody", NobodyFace});
    // The person window's fixed portraits of the cleaner and the robber.
    list.push_back({Forms("Form8_Image3"), kFace, kFace, "cleaner with his mop",
                    [] { return Portrait(kLooks[kCleanerLook], false, kMint, Prop::Mop); }});
    list.push_back({Forms("Form8_Image2"), kFace, kFace, "robber with his sack",
                    [] { return Portrait(kLooks[kRobberLook], false, kNight, Prop::Sack); }});
    // The salary arrows: element 0 is the one shown, 1 at rest, 2 held.
    for (bool up : {true, false})
        for (int k = 0; k < 3; ++k)
            list.push_back({QStringLiteral("Graphic/Forms/Form38_Button%1_%2.png").arg(up ? 'U' : 'D').arg(k), kArrowW,
                            kArrowH, up ? "up arrow" : "down arrow", [up, k] { return ArrowButton(up, k == 2); }});
    return list;
}

}  // namespace

bool MakeStaffPictures(const QDir& out) { return pic::SaveAll(Outputs(), out); }
