// The ceremony, news and advertising pictures, drawn with the painter at
// four times their size and shrunk (pic::Supersampled), except the
// pointer, which is pixel art.
#include "tools/assets/PictureShowcase.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/WindowPictureKit.h"

namespace {

using pic::kInk;
using pic::Supersampled;

// The sizes the windows show them at.
constexpr int kFace = 64;                 // the host, Form22 Image1
constexpr int kStageW = 256, kStageH = 150;  // Form22 Image2
constexpr int kHallW = 176, kHallH = 72;     // Form22 Image3
constexpr int kMastW = 284, kMastH = 64;     // Form48 Picture1
constexpr int kPointer = 16;                 // Form48's pointer over the titles
constexpr int kArticle = 80;                 // Form51..53 Picture1
constexpr int kMedium = 128;                 // Form39 Image1(1..6)

const QColor kCurtain(0xa8, 0x12, 0x22), kCurtainDark(0x62, 0x06, 0x12);
const QColor kGold(0xf2, 0xc4, 0x3c), kGoldDark(0xb0, 0x82, 0x1c);
const QColor kSkin(0xf4, 0xcc, 0xa8), kSkinShade(0xdc, 0xa8, 0x84);
const QColor kPaper(0xfa, 0xf6, 0xec), kNewsGrey(0x9a, 0x96, 0x8e);
const QColor kWindowBlue(0x00, 0x80, 0xff);
// The pointer's see-through colour: the window masks it out.
const QColor kPointerClear(0xff, 0x00, 0xff);

QPen Ink(double w = 1.0) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Fill(QPainter& p, const QPainterPath& path, const QColor& c, double line = 1.0) {
    p.setPen(line > 0 ? Ink(line) : Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Rect(double x, double y, double w, double h, double r = 0) {
    QPainterPath path;
    if (r > 0)
        path.addRoundedRect(QRectF(x, y, w, h), r, r);
    else
        path.addRect(QRectF(x, y, w, h));
    return path;
}

void Text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
          int align = Qt::AlignCenter) {
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, align, s);
}

// ---- the ceremony ----------------------------------------------------------

// The host in his dinner jacket, a microphone in hand; `talking` opens the
// mouth.
QImage Host(bool talking) {
    return Supersampled(kFace, kFace, QColor(0x2a, 0x12, 0x40), [talking](QPainter& p) {
        QRadialGradient spot(QPointF(32, 26), 40);
        spot.setColorAt(0, QColor(0xff, 0xe8, 0xa0));
        spot.setColorAt(0.55, QColor(0xa0, 0x50, 0x90));
        spot.setColorAt(1, QColor(0x2a, 0x12, 0x40));
        p.fillRect(QRectF(0, 0, kFace, kFace), spot);

        // Shoulders, shirt front and bow tie.
        QPainterPath jacket;
        jacket.moveTo(4, 66);
        jacket.cubicTo(6, 52, 18, 48, 32, 48);
        jacket.cubicTo(46, 48, 58, 52, 60, 66);
        jacket.closeSubpath();
        Fill(p, jacket, QColor(0x1c, 0x1c, 0x26));
        QPainterPath shirt;
        shirt.moveTo(25, 48);
        shirt.lineTo(32, 64);
        shirt.lineTo(39, 48);
        shirt.closeSubpath();
        Fill(p, shirt, Qt::white, 0.6);
        QPainterPath tie;
        tie.moveTo(25, 47);
        tie.lineTo(32, 51);
        tie.lineTo(39, 47);
        tie.lineTo(39, 55);
        tie.lineTo(32, 51);
        tie.lineTo(25, 55);
        tie.closeSubpath();
        Fill(p, tie, QColor(0xd0, 0x14, 0x24), 0.7);

        // Neck, head, ears.
        Fill(p, Rect(27, 38, 10, 10), kSkinShade, 0);
        Fill(p, Ellipse(17.5, 29, 3, 4.5), kSkin, 0.8);
        Fill(p, Ellipse(46.5, 29, 3, 4.5), kSkin, 0.8);
        Fill(p, Ellipse(32, 28, 14, 17), kSkin, 1.0);

        // Slicked hair with a parting.
        QPainterPath hair;
        hair.moveTo(18, 26);
        hair.cubicTo(16, 12, 26, 9, 33, 10);
        hair.cubicTo(42, 10, 49, 15, 46, 26);
        hair.cubicTo(44, 19, 38, 16, 30, 17);
        hair.cubicTo(24, 18, 20, 21, 18, 26);
        Fill(p, hair, QColor(0x22, 0x1a, 0x16), 0.8);
        p.setPen(QPen(QColor(0x70, 0x60, 0x58), 0.8));
        p.drawLine(QPointF(27, 11.5), QPointF(25, 17.5));

        // Brows and smiling eyes.
        p.setPen(Ink(1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(22, 21, 8, 4), 20 * 16, 140 * 16);
        p.drawArc(QRectF(34, 21, 8, 4), 20 * 16, 140 * 16);
        p.drawArc(QRectF(23, 26, 6, 4), 0, 180 * 16);
        p.drawArc(QRectF(35, 26, 6, 4), 0, 180 * 16);
        // Nose and cheeks.
        p.setPen(QPen(kSkinShade.darker(120), 1.0));
        p.drawLine(QPointF(32, 29), QPointF(31, 34));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x90, 0x88, 110));
        p.drawEllipse(QPointF(23, 35), 3, 2);
        p.drawEllipse(QPointF(41, 35), 3, 2);

        // The mouth: a smile, or open as he speaks.
        if (talking) {
            QPainterPath mouth;
            mouth.moveTo(26.5, 37);
            mouth.cubicTo(28, 44.5, 36, 44.5, 37.5, 37);
            mouth.closeSubpath();
            Fill(p, mouth, QColor(0x6a, 0x10, 0x18), 0.9);
            Fill(p, Ellipse(32, 41.6, 3.2, 1.6), QColor(0xe8, 0x70, 0x78), 0);
            Fill(p, Rect(27.6, 37, 8.8, 1.6), Qt::white, 0);
        } else {
            p.setPen(Ink(1.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(26, 33, 12, 6), 200 * 16, 140 * 16);
        }

        // The microphone, held up to the chin.
        Fill(p, Rect(50, 44, 4, 16, 1.5), QColor(0x30, 0x30, 0x36), 0.8);
        Fill(p, Ellipse(52, 41, 4.2, 4.6), QColor(0xb8, 0xbc, 0xc4), 0.8);
        p.setPen(QPen(QColor(0x80, 0x84, 0x8c), 0.6));
        for (double y = 38.5; y < 44; y += 1.6) p.drawLine(QPointF(48.6, y), QPointF(55.4, y));
        Fill(p, Ellipse(52, 55, 4.5, 3.5), kSkin, 0.8);  // the hand round it
    });
}

void CurtainSide(QPainter& p, double x0, double x1, bool left) {
    const int folds = 5;
    const double w = (x1 - x0) / folds;
    for (int k = 0; k < folds; ++k) {
        QLinearGradient g(x0 + k * w, 0, x0 + (k + 1) * w, 0);
        g.setColorAt(0, kCurtainDark);
        g.setColorAt(0.45, kCurtain);
        g.setColorAt(1, kCurtainDark);
        p.fillRect(QRectF(x0 + k * w, 0, w + 0.5, kStageH), g);
    }
    // A gold tie-back gathering the curtain.
    const double tx = left ? x1 - 6 : x0 + 6;
    Fill(p, Rect(tx - 5, 86, 10, 5, 2), kGold, 0.7);
}

// The stage: curtains, a banner, spotlights on a podium with the trophy.
QImage Stage() {
    return Supersampled(kStageW, kStageH, QColor(0x1a, 0x1a, 0x3a), [](QPainter& p) {
        QLinearGradient back(0, 0, 0, 110);
        back.setColorAt(0, QColor(0x14, 0x18, 0x40));
        back.setColorAt(1, QColor(0x30, 0x2c, 0x6a));
        p.fillRect(QRectF(0, 0, kStageW, 112), back);

        // The stage floor, boards running towards the hall.
        QLinearGradient floor(0, 108, 0, kStageH);
        floor.setColorAt(0, QColor(0x8a, 0x58, 0x2c));
        floor.setColorAt(1, QColor(0x5a, 0x36, 0x18));
        p.fillRect(QRectF(0, 108, kStageW, kStageH - 108), floor);
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x12), 0.6));
        for (int k = -8; k <= 8; ++k) p.drawLine(QPointF(128 + k * 12, 108), QPointF(128 + k * 30, kStageH));
        p.fillRect(QRectF(0, 107, kStageW, 2), QColor(0xd8, 0xa8, 0x50));

        // Spotlight beams meeting on the podium.
        p.setPen(Qt::NoPen);
        for (double from : {40.0, 216.0}) {
            QPainterPath beam;
            beam.moveTo(from - 6, 0);
            beam.lineTo(from + 6, 0);
            beam.lineTo(146, 128);
            beam.lineTo(110, 128);
            beam.closeSubpath();
            QLinearGradient g(from, 0, 128, 128);
            g.setColorAt(0, QColor(255, 250, 200, 150));
            g.setColorAt(1, QColor(255, 240, 170, 40));
            p.setBrush(g);
            p.drawPath(beam);
        }
        p.setBrush(QColor(255, 244, 190, 90));
        p.drawEllipse(QPointF(128, 126), 34, 7);

        // The podium and the trophy.
        QPainterPath podium;
        podium.moveTo(106, 128);
        podium.lineTo(110, 92);
        podium.lineTo(146, 92);
        podium.lineTo(150, 128);
        podium.closeSubpath();
        Fill(p, podium, QColor(0x2a, 0x4a, 0x9a), 1.0);
        Fill(p, Rect(108, 90, 40, 5, 1), QColor(0x3a, 0x62, 0xc0), 0.8);
        Text(p, QRectF(110, 100, 36, 16), QStringLiteral("★"), pic::SansFont(12, true), kGold);
        QPainterPath cup;
        cup.moveTo(116, 58);
        cup.lineTo(140, 58);
        cup.cubicTo(140, 72, 134, 78, 128, 78);
        cup.cubicTo(122, 78, 116, 72, 116, 58);
        Fill(p, cup, kGold, 1.0);
        p.setPen(Ink(1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(109, 60, 10, 10), 90 * 16, 180 * 16);
        p.drawArc(QRectF(137, 60, 10, 10), 270 * 16, 180 * 16);
        Fill(p, Rect(125, 78, 6, 6), kGoldDark, 0.8);
        Fill(p, Rect(119, 84, 18, 6, 1), kGold, 0.8);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
        p.drawLine(QPointF(121, 61), QPointF(122, 70));

        // Curtains either side and the valance with its banner.
        CurtainSide(p, 0, 38, true);
        CurtainSide(p, kStageW - 38, kStageW, false);
        QLinearGradient valance(0, 0, 0, 24);
        valance.setColorAt(0, kCurtainDark);
        valance.setColorAt(1, kCurtain);
        p.fillRect(QRectF(0, 0, kStageW, 22), valance);
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        for (double x = 2; x < kStageW; x += 6) p.drawEllipse(QPointF(x, 23), 2.2, 2.2);
        Fill(p, Rect(58, 28, 140, 20, 3), QColor(0xfa, 0xf0, 0xd0), 1.0);
        Text(p, QRectF(58, 28, 140, 20), QStringLiteral("全日本 书店评选"), pic::SerifFont(13, true),
             QColor(0xa0, 0x10, 0x20));

        // Confetti in the light.
        const QColor bits[] = {kGold, QColor(0xff, 0xa0, 0xc8), QColor(0x90, 0xe0, 0xff), Qt::white,
                               QColor(0xa0, 0xf0, 0x90)};
        for (int k = 0; k < 36; ++k) {
            const double x = 44 + pic::Hash01(k, 1, 22) * 168, y = 50 + pic::Hash01(k, 2, 22) * 50;
            p.setBrush(bits[k % 5]);
            p.drawRect(QRectF(x, y, 2.6, 1.6));
        }
    });
}

// The hall: rows of the audience from behind, and camera flashes.
QImage Audience() {
    return Supersampled(kHallW, kHallH, QColor(0x16, 0x12, 0x24), [](QPainter& p) {
        QLinearGradient hall(0, 0, 0, kHallH);
        hall.setColorAt(0, QColor(0x3c, 0x2c, 0x58));
        hall.setColorAt(1, QColor(0x12, 0x0e, 0x1e));
        p.fillRect(QRectF(0, 0, kHallW, kHallH), hall);

        const QColor coats[] = {QColor(0x2c, 0x3c, 0x6c), QColor(0x5a, 0x2a, 0x3a), QColor(0x2e, 0x4e, 0x3a),
                                QColor(0x4a, 0x44, 0x3e), QColor(0x6a, 0x5a, 0x2a), QColor(0x38, 0x2c, 0x4a)};
        const QColor hairs[] = {QColor(0x1c, 0x16, 0x12), QColor(0x3a, 0x26, 0x18), QColor(0x6a, 0x4a, 0x2a),
                                QColor(0x9a, 0x96, 0x90)};
        // Three rows, the back row smallest.
        for (int row = 0; row < 3; ++row) {
            const double scale = 0.7 + 0.2 * row;
            const double base = 30 + row * 18;
            const double step = 22 * scale;
            for (int k = 0; k * step < kHallW + step; ++k) {
                const double x = k * step + (row % 2) * step / 2 - 4;
                const QColor coat = coats[static_cast<int>(pic::Hash01(k, row, 5) * 6)];
                const QColor hair = hairs[static_cast<int>(pic::Hash01(k, row, 6) * 4)];
                Fill(p, Rect(x - 9 * scale, base, 18 * scale, 30, 5 * scale), coat, 0.6);
                Fill(p, Ellipse(x, base - 4 * scale, 6.5 * scale, 7 * scale), hair, 0.6);
            }
        }
        // Camera flashes.
        p.setPen(Qt::NoPen);
        for (QPointF c : {QPointF(30, 14), QPointF(120, 10), QPointF(158, 24)}) {
            QRadialGradient flash(c, 9);
            flash.setColorAt(0, QColor(255, 255, 255, 240));
            flash.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(flash);
            p.drawEllipse(c, 9, 9);
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({c + QPointF(-7, 0), c + QPointF(0, -1), c + QPointF(7, 0), c + QPointF(0, 1)}));
            p.drawPolygon(QPolygonF({c + QPointF(0, -7), c + QPointF(1, 0), c + QPointF(0, 7), c + QPointF(-1, 0)}));
        }
    });
}

// ---- the news --------------------------------------------------------------

// The newspaper's masthead.
QImage Masthead() {
    return Supersampled(kMastW, kMastH, kPaper, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, kMastW, kMastH), kPaper);
        p.setPen(Ink(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, kMastW - 1, kMastH - 1));
        // A small stack of books as the paper's emblem.
        const QColor spines[] = {QColor(0xc0, 0x30, 0x28), QColor(0x28, 0x60, 0xb0), QColor(0x2c, 0x8a, 0x48)};
        for (int k = 0; k < 3; ++k) Fill(p, Rect(12 + k * 2, 36 - k * 9, 30 - k * 4, 8, 1), spines[k], 0.8);
        Text(p, QRectF(50, 4, 180, 38), QStringLiteral("业界新闻"), pic::SerifFont(30, true), kInk);
        Text(p, QRectF(200, 8, 78, 14), QStringLiteral("书店业界周刊"), pic::SansFont(9), kNewsGrey);
        Text(p, QRectF(200, 24, 78, 14), QStringLiteral("每周二发行"), pic::SansFont(9), kNewsGrey);
        p.fillRect(QRectF(6, 46, kMastW - 12, 2.2), kInk);
        p.fillRect(QRectF(6, 50, kMastW - 12, 0.8), kInk);
        p.setPen(Qt::NoPen);
        p.setBrush(kNewsGrey);
        for (int k = 0; k < 8; ++k) p.drawRect(QRectF(8 + k * 34.5, 55, 28, 2.4));
    });
}

// Pixel art of a pointing hand, its background in the see-through colour.
QImage Pointer() {
    QImage img = pic::Blank(kPointer, kPointer, kPointerClear);
    const pic::PixelArt hand = {{
        ".....##.........",
        "....#ww#........",
        "....#ww#........",
        "....#ww#........",
        "....#ww###......",
        "....#ww#ww##....",
        "....#ww#ww#w##..",
        ".##.#ww#ww#w#w#.",
        "#ww##wwwwwwwww#.",
        "#www#wwwwwwwww#.",
        ".#wwwwwwwwwwww#.",
        "..#wwwwwwwwwww#.",
        "..#wwwwwwwwww#..",
        "...#wwwwwwwww#..",
        "....#wwwwwww#...",
        "....#########...",
    }};
    pic::Paint(img, 0, 0, hand, {{'#', QColor(0, 0, 0)}, {'w', QColor(255, 255, 255)}});
    return img;
}

// The article windows' pictures: a shop front, a pen on a notepad, and an
// extra edition.
QImage ShopOfMonth() {
    return Supersampled(kArticle, kArticle, QColor(0xb8, 0xe0, 0xf8), [](QPainter& p) {
        p.fillRect(QRectF(0, 60, kArticle, 20), QColor(0xd8, 0xd0, 0xc0));
        Fill(p, Rect(10, 22, 60, 40), QColor(0xc8, 0x8a, 0x5a), 1.0);
        Fill(p, Rect(14, 10, 52, 13, 2), QColor(0x2e, 0x5a, 0x3c), 1.0);
        Text(p, QRectF(14, 10, 52, 13), QStringLiteral("书店"), pic::SerifFont(10, true), kGold);
        for (int k = 0; k < 6; ++k)
            Fill(p, Rect(10 + k * 10, 23, 10, 7), k % 2 ? QColor(0xfa, 0xfa, 0xf2) : QColor(0xc0, 0x2a, 0x2a), 0.6);
        Fill(p, Rect(16, 36, 20, 18), QColor(0x3c, 0x2a, 0x1c), 0.8);
        const QColor spines[] = {QColor(0xd0, 0x40, 0x30), QColor(0x30, 0x70, 0xc0), QColor(0xe0, 0xb0, 0x30),
                                 QColor(0x40, 0x9a, 0x50)};
        for (int k = 0; k < 8; ++k) p.fillRect(QRectF(17.5 + k * 2.2, 40 + (k % 3), 1.8, 12 - (k % 3)), spines[k % 4]);
        Fill(p, Rect(42, 36, 20, 26), QColor(0x6a, 0x44, 0x26), 0.8);
        Fill(p, Ellipse(58, 50, 1.2, 1.2), kGold, 0);
        // A gold star: this month's pick.
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            const double a = -M_PI / 2 + k * M_PI / 5, r = k % 2 ? 4.5 : 10;
            const QPointF pt(64 + r * std::cos(a), 14 + r * std::sin(a));
            k ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        Fill(p, star, kGold, 0.8);
    });
}

QImage IndustryColumn() {
    return Supersampled(kArticle, kArticle, QColor(0xe8, 0xe4, 0xd8), [](QPainter& p) {
        p.save();
        p.translate(40, 40);
        p.rotate(-8);
        p.translate(-40, -40);
        Fill(p, Rect(14, 8, 50, 66, 2), Qt::white, 1.0);
        p.setPen(QPen(QColor(0x90, 0xb0, 0xd8), 0.7));
        for (double y = 20; y < 70; y += 6) p.drawLine(QPointF(18, y), QPointF(60, y));
        p.setPen(QPen(QColor(0xd0, 0x60, 0x60), 0.7));
        p.drawLine(QPointF(24, 10), QPointF(24, 72));
        p.setPen(QPen(kInk, 1.0));
        for (int k = 0; k < 5; ++k) p.drawLine(QPointF(27, 19 + k * 6), QPointF(27 + 28 - (k % 2) * 9, 19 + k * 6));
        p.restore();
        // The fountain pen across the pad.
        p.save();
        p.translate(52, 46);
        p.rotate(40);
        Fill(p, Rect(-4, -28, 8, 40, 3), QColor(0x1c, 0x2a, 0x5a), 0.9);
        Fill(p, Rect(-4, -30, 8, 5, 2), kGold, 0.7);
        QPainterPath nib;
        nib.moveTo(-4, 12);
        nib.lineTo(4, 12);
        nib.lineTo(0, 24);
        nib.closeSubpath();
        Fill(p, nib, kGold, 0.8);
        p.restore();
    });
}

QImage Headline() {
    return Supersampled(kArticle, kArticle, QColor(0xf8, 0xe8, 0xc8), [](QPainter& p) {
        Fill(p, Rect(8, 6, 64, 70, 1), kPaper, 1.0);
        Fill(p, Rect(12, 10, 56, 16), QColor(0xc8, 0x14, 0x20), 0);
        Text(p, QRectF(12, 10, 56, 16), QStringLiteral("号外"), pic::SerifFont(13, true), Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(kNewsGrey);
        for (int k = 0; k < 6; ++k) {
            p.drawRect(QRectF(12, 32 + k * 6.5, 26, 2.6));
            p.drawRect(QRectF(42, 32 + k * 6.5, 26, 2.6));
        }
        Fill(p, Rect(42, 30, 26, 18), QColor(0x9c, 0xb8, 0xd0), 0.6);
    });
}

// ---- the advertising media -------------------------------------------------

QImage MediumPosters() {
    return Supersampled(kMedium, kMedium, QColor(0xc8, 0x8a, 0x5a), [](QPainter& p) {
        // A brick wall.
        p.fillRect(QRectF(0, 0, kMedium, kMedium), QColor(0xb8, 0x6a, 0x48));
        p.setPen(QPen(QColor(0xe4, 0xd4, 0xc0), 1.0));
        for (int row = 0; row * 10 < kMedium; ++row) {
            p.drawLine(QPointF(0, row * 10), QPointF(kMedium, row * 10));
            for (int x = (row % 2) * 12; x < kMedium; x += 24) p.drawLine(QPointF(x, row * 10), QPointF(x, row * 10 + 10));
        }
        const QColor backs[] = {QColor(0xff, 0xe0, 0x40), QColor(0x40, 0xa0, 0xe8), QColor(0xf0, 0x60, 0x80)};
        const QRectF posters[] = {QRectF(10, 14, 50, 70), QRectF(68, 8, 50, 70), QRectF(38, 62, 52, 58)};
        for (int k = 0; k < 3; ++k) {
            const QRectF r = posters[k];
            Fill(p, Rect(r.x(), r.y(), r.width(), r.height()), backs[k], 1.0);
            Fill(p, Rect(r.x() + 6, r.y() + 18, r.width() - 12, r.height() * 0.4, 2), Qt::white, 0.6);
            // An open book on each.
            const QPointF c(r.center().x(), r.y() + 18 + r.height() * 0.2);
            QPainterPath book;
            book.moveTo(c + QPointF(-14, -6));
            book.quadTo(c + QPointF(-7, -9), c + QPointF(0, -5));
            book.quadTo(c + QPointF(7, -9), c + QPointF(14, -6));
            book.lineTo(c + QPointF(14, 7));
            book.quadTo(c + QPointF(7, 4), c + QPointF(0, 8));
            book.quadTo(c + QPointF(-7, 4), c + QPointF(-14, 7));
            book.closeSubpath();
            Fill(p, book, QColor(0xfa, 0xfa, 0xf0), 1.0);
            Text(p, QRectF(r.x(), r.y() + 2, r.width(), 16), QStringLiteral("书店"), pic::SerifFont(12, true), kInk);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xd0, 0x20, 0x20));
            p.drawEllipse(QPointF(r.center().x(), r.y() + 1.5), 2.2, 2.2);  // the pin
        }
    });
}

QImage MediumNewspaper() {
    return Supersampled(kMedium, kMedium, QColor(0x88, 0x9c, 0xb0), [](QPainter& p) {
        p.save();
        p.translate(64, 64);
        p.rotate(-6);
        p.translate(-64, -64);
        Fill(p, Rect(14, 10, 100, 110, 1), kPaper, 1.0);
        Text(p, QRectF(18, 12, 92, 20), QStringLiteral("日报"), pic::SerifFont(16, true), kInk);
        p.fillRect(QRectF(18, 33, 92, 1.6), kInk);
        p.setPen(Qt::NoPen);
        p.setBrush(kNewsGrey);
        for (int k = 0; k < 12; ++k) p.drawRect(QRectF(18, 38 + k * 6.4, 40, 2.6));
        // The shop's advertisement, boxed.
        Fill(p, Rect(62, 38, 48, 76), QColor(0xff, 0xf4, 0xc0), 1.4);
        Text(p, QRectF(62, 40, 48, 18), QStringLiteral("书店"), pic::SerifFont(14, true), QColor(0xc0, 0x18, 0x20));
        Text(p, QRectF(62, 58, 48, 14), QStringLiteral("新装开业"), pic::SansFont(9, true), kInk);
        const QColor spines[] = {QColor(0xc0, 0x30, 0x28), QColor(0x28, 0x60, 0xb0), QColor(0x2c, 0x8a, 0x48)};
        for (int k = 0; k < 3; ++k) Fill(p, Rect(70 + k * 11, 78, 9, 28, 1), spines[k], 0.8);
        p.restore();
    });
}

QImage MediumWebPage() {
    return Supersampled(kMedium, kMedium, QColor(0xdc, 0xe4, 0xec), [](QPainter& p) {
        Fill(p, Rect(8, 12, 112, 84, 4), QColor(0x3a, 0x3e, 0x46), 1.0);  // the monitor
        Fill(p, Rect(14, 18, 100, 72), Qt::white, 0.6);
        Fill(p, Rect(14, 18, 100, 9), QColor(0xd8, 0xdc, 0xe2), 0.4);      // the browser's bar
        for (int k = 0; k < 3; ++k) Fill(p, Ellipse(19 + k * 5, 22.5, 1.6, 1.6), QColor(0xe0, 0x60 + k * 40, 0x50), 0);
        Fill(p, Rect(34, 20, 70, 5, 2), Qt::white, 0.4);
        Fill(p, Rect(14, 27, 100, 14), kWindowBlue, 0);
        Text(p, QRectF(14, 27, 100, 14), QStringLiteral("我的书店"), pic::SansFont(9, true), Qt::white);
        const QColor covers[] = {QColor(0xe0, 0x50, 0x40), QColor(0x40, 0x90, 0xd0), QColor(0xf0, 0xb0, 0x30),
                                 QColor(0x50, 0xa8, 0x60)};
        for (int k = 0; k < 4; ++k) {
            Fill(p, Rect(20 + k * 23, 46, 18, 24, 1), covers[k], 0.6);
            p.fillRect(QRectF(20 + k * 23, 73, 18, 2.4), kNewsGrey);
            p.fillRect(QRectF(20 + k * 23, 78, 12, 2.4), kNewsGrey);
        }
        // The stand and the foot.
        Fill(p, Rect(56, 96, 16, 12), QColor(0x50, 0x54, 0x5c), 0.8);
        Fill(p, Rect(38, 106, 52, 6, 3), QColor(0x50, 0x54, 0x5c), 0.8);
        // The mouse pointer on a cover.
        QPainterPath arrow;
        arrow.moveTo(74, 56);
        arrow.lineTo(74, 70);
        arrow.lineTo(77.5, 66.5);
        arrow.lineTo(80.5, 72);
        arrow.lineTo(82.5, 71);
        arrow.lineTo(79.5, 65.5);
        arrow.lineTo(84, 65.5);
        arrow.closeSubpath();
        Fill(p, arrow, Qt::white, 0.9);
    });
}

QImage MediumTv() {
    return Supersampled(kMedium, kMedium, QColor(0xe8, 0xd8, 0xc0), [](QPainter& p) {
        p.setPen(Ink(1.6));
        p.drawLine(QPointF(64, 24), QPointF(44, 6));
        p.drawLine(QPointF(64, 24), QPointF(86, 4));
        Fill(p, Rect(12, 24, 104, 80, 8), QColor(0x8a, 0x5c, 0x36), 1.2);  // the wooden cabinet
        Fill(p, Rect(20, 32, 70, 62, 10), QColor(0x20, 0x24, 0x2a), 1.0);
        // On the screen: a shop front and the slogan.
        Fill(p, Rect(26, 38, 58, 50, 6), QColor(0x8c, 0xcc, 0xf0), 0);
        Fill(p, Rect(36, 54, 38, 30), QColor(0xc8, 0x8a, 0x5a), 0.8);
        Fill(p, Rect(38, 48, 34, 8, 1), QColor(0x2e, 0x5a, 0x3c), 0.8);
        Text(p, QRectF(38, 48, 34, 8), QStringLiteral("书店"), pic::SansFont(6, true), kGold);
        Fill(p, Rect(50, 66, 10, 18), QColor(0x5a, 0x3a, 0x22), 0.6);
        Text(p, QRectF(26, 38, 58, 12), QStringLiteral("CM"), pic::SansFont(9, true), QColor(0xd0, 0x20, 0x20));
        for (int k = 0; k < 2; ++k) Fill(p, Ellipse(103, 44 + k * 16, 5, 5), QColor(0xd8, 0xc8, 0xa8), 0.8);
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1.0));
        for (double y = 76; y < 98; y += 4) p.drawLine(QPointF(96, y), QPointF(110, y));
        Fill(p, Rect(22, 104, 10, 10), QColor(0x5a, 0x3a, 0x22), 0.8);
        Fill(p, Rect(96, 104, 10, 10), QColor(0x5a, 0x3a, 0x22), 0.8);
    });
}

QImage MediumFilm() {
    return Supersampled(kMedium, kMedium, QColor(0x18, 0x10, 0x18), [](QPainter& p) {
        // The screen between curtains, a beam from the projector.
        p.fillRect(QRectF(0, 0, 12, 86), kCurtain);
        p.fillRect(QRectF(kMedium - 12, 0, 12, 86), kCurtain);
        Fill(p, Rect(16, 10, 96, 58), QColor(0xf4, 0xf4, 0xf8), 0.8);
        QLinearGradient beam(64, 128, 64, 40);
        beam.setColorAt(0, QColor(255, 255, 220, 160));
        beam.setColorAt(1, QColor(255, 255, 220, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(beam);
        p.drawPolygon(QPolygonF({QPointF(60, 128), QPointF(68, 128), QPointF(112, 68), QPointF(16, 68)}));
        // The shop's film: a book with a title.
        Fill(p, Rect(48, 22, 32, 38, 2), QColor(0x30, 0x70, 0xc0), 1.0);
        Text(p, QRectF(48, 26, 32, 14), QStringLiteral("书店"), pic::SerifFont(10, true), Qt::white);
        // Rows of seats and heads from behind.
        for (int row = 0; row < 2; ++row)
            for (int k = 0; k < 7; ++k) {
                const double x = 8 + k * 18 + row * 9, y = 92 + row * 18;
                Fill(p, Rect(x - 8, y, 16, 20, 4), QColor(0x80, 0x14, 0x24), 0.6);
                Fill(p, Ellipse(x, y - 3, 5, 6), QColor(0x26, 0x1c, 0x16), 0.6);
            }
        // A film reel in the corner.
        Fill(p, Ellipse(112, 112, 12, 12), QColor(0x90, 0x94, 0x9c), 1.0);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            Fill(p, Ellipse(112 + 6.5 * std::cos(a), 112 + 6.5 * std::sin(a), 2.8, 2.8), QColor(0x18, 0x10, 0x18), 0);
        }
    });
}

QImage MediumLeaflets() {
    return Supersampled(kMedium, kMedium, QColor(0xd8, 0xe8, 0xd0), [](QPainter& p) {
        // A fan of leaflets.
        const QColor papers[] = {QColor(0xff, 0xf0, 0xa0), QColor(0xc8, 0xe8, 0xff), QColor(0xff, 0xd8, 0xe0)};
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(58, 100);
            p.rotate(-24 + k * 22);
            Fill(p, Rect(-26, -84, 52, 72, 1), papers[k], 1.0);
            Text(p, QRectF(-26, -82, 52, 14), QStringLiteral("书店"), pic::SerifFont(10, true), kInk);
            p.setPen(Qt::NoPen);
            p.setBrush(kNewsGrey);
            for (int r = 0; r < 4; ++r) p.drawRect(QRectF(-20, -50 + r * 7, 40 - (r % 2) * 12, 2.6));
            p.restore();
        }
        // An envelope in front.
        Fill(p, Rect(64, 82, 56, 36, 1), Qt::white, 1.0);
        QPainterPath flap;
        flap.moveTo(64, 82);
        flap.lineTo(92, 102);
        flap.lineTo(120, 82);
        p.setPen(Ink(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
        Fill(p, Rect(106, 86, 10, 12), QColor(0xd0, 0x30, 0x30), 0.6);  // the stamp
    });
}

using pic::Output;

std::vector<Output> Outputs() {
    std::vector<Output> list = {
        {QStringLiteral("Graphic/Forms/Form22_Image1_1.png"), kFace, kFace, "the host", [] { return Host(false); }},
        {QStringLiteral("Graphic/Forms/Form22_Image1_2.png"), kFace, kFace, "the host talking", [] { return Host(true); }},
        {QStringLiteral("Graphic/Forms/Form22_Image2.png"), kStageW, kStageH, "the stage", Stage},
        {QStringLiteral("Graphic/Forms/Form22_Image3.png"), kHallW, kHallH, "the audience", Audience},
        {QStringLiteral("Graphic/Forms/Form48_Picture1.png"), kMastW, kMastH, "the masthead", Masthead},
        {QStringLiteral("Graphic/Forms/Form48_MouseIcon.png"), kPointer, kPointer, "the pointer", Pointer},
        {QStringLiteral("Graphic/Forms/Form51_Picture1.png"), kArticle, kArticle, "shop of the month", ShopOfMonth},
        {QStringLiteral("Graphic/Forms/Form52_Picture1.png"), kArticle, kArticle, "industry column", IndustryColumn},
        {QStringLiteral("Graphic/Forms/Form53_Picture1.png"), kArticle, kArticle, "headline", Headline},
    };
    // The media in the order of the advertising dialog's option buttons.
    const std::function<QImage()> media[] = {MediumPosters, MediumNewspaper, MediumWebPage,
                                             MediumTv,      MediumFilm,      MediumLeaflets};
    for (int k = 0; k < 6; ++k)
        list.push_back({QStringLiteral("Graphic/Forms/Form39_Image1_%1.png").arg(k + 1), kMedium, kMedium, "advertising medium", media[k]});
    return list;
}

}  // namespace

bool MakeShowcasePictures(const QDir& out) { return pic::SaveAll(Outputs(), out); }
