// The main window's backgrounds. The window lays its background picture from
// its top-left corner and repeats it, so the title picture keeps its sign in
// the part a window of the starting size shows, and is large enough that a
// maximised window on a common screen does not repeat it; the two wallpapers
// are small seamless tiles.
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assets/PictureKit.h"
#include "tools/assets/PictureMakers.h"

namespace {

// Title picture.
constexpr int kTitleW = 1440, kTitleH = 960;
// The starting window shows about 566 x 405 pixels of it; the sign sits in
// the middle of that part.
constexpr QPointF kSignCentre(283, 198);
constexpr double kSignW = 444, kSignH = 250;
constexpr int kShelfPitch = 112;  // a shelf board every this many pixels
constexpr int kBoard = 12;

// Spine colours of the books on the shelves.
const QColor kSpines[] = {
    QColor(0x8c, 0x23, 0x23), QColor(0x1f, 0x4e, 0x79), QColor(0x2e, 0x6b, 0x3a), QColor(0xb0, 0x7a, 0x1c),
    QColor(0x5b, 0x2a, 0x6e), QColor(0x7a, 0x4a, 0x2a), QColor(0x2a, 0x5e, 0x66), QColor(0xa4, 0x4a, 0x3a),
    QColor(0x3c, 0x3c, 0x5a), QColor(0xc9, 0xb0, 0x7a), QColor(0x6e, 0x1e, 0x3c), QColor(0x44, 0x60, 0x2a),
};

void Bookshelves(QPainter& p, int w, int h, int salt) {
    const QColor wood(0x5a, 0x3a, 0x22), woodLight(0x7a, 0x52, 0x30), back(0x2a, 0x1a, 0x10);
    p.fillRect(QRect(0, 0, w, h), back);
    for (int shelf = 0; shelf * kShelfPitch < h; ++shelf) {
        const int base = (shelf + 1) * kShelfPitch - kBoard;  // top of the board
        int x = 2 + static_cast<int>(pic::Hash01(shelf, 0, salt) * 10);
        int n = 0;
        while (x < w) {
            double r = pic::Hash01(shelf, n, salt + 1);
            int bw = 9 + static_cast<int>(r * 12);
            int bh = 58 + static_cast<int>(pic::Hash01(shelf, n, salt + 2) * 34);
            QColor c = kSpines[static_cast<int>(pic::Hash01(shelf, n, salt + 3) * std::size(kSpines))];
            if (pic::Hash01(shelf, n, salt + 4) < 0.07) {
                x += 14;  // a gap now and then
                ++n;
                continue;
            }
            QRectF spine(x, base - bh, bw, bh);
            QLinearGradient g(spine.topLeft(), spine.topRight());
            g.setColorAt(0, pic::Scale(c, 0.7));
            g.setColorAt(0.35, pic::Scale(c, 1.15));
            g.setColorAt(1, pic::Scale(c, 0.6));
            p.fillRect(spine, g);
            // Gilt bands and a title label.
            QColor gilt(0xd8, 0xb4, 0x5a);
            p.fillRect(QRectF(x + 1, base - bh + 6, bw - 2, 2), gilt);
            p.fillRect(QRectF(x + 1, base - 10, bw - 2, 2), gilt);
            if (bw >= 13) p.fillRect(QRectF(x + 3, base - bh + 16, bw - 6, 14), pic::Scale(gilt, 0.9));
            x += bw + 1;
            ++n;
        }
        QLinearGradient board(0, base, 0, base + kBoard);
        board.setColorAt(0, woodLight);
        board.setColorAt(1, wood);
        p.fillRect(QRect(0, base, w, kBoard), board);
        p.fillRect(QRect(0, base + kBoard - 2, w, 2), pic::Scale(wood, 0.6));
    }
}

// A quill pen lying across an open book: the game's emblem.
void Emblem(QPainter& p, QPointF c, double s) {
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    // Open book.
    QColor cover(0x7a, 0x1e, 0x22), page(0xfb, 0xf4, 0xe0), line(0xb8, 0xa8, 0x88);
    QPainterPath coverPath;
    coverPath.moveTo(-52, 4);
    coverPath.quadTo(-26, -6, 0, 6);
    coverPath.quadTo(26, -6, 52, 4);
    coverPath.lineTo(52, 24);
    coverPath.quadTo(26, 14, 0, 26);
    coverPath.quadTo(-26, 14, -52, 24);
    coverPath.closeSubpath();
    p.fillPath(coverPath.translated(0, 4), cover);
    for (int side : {-1, 1}) {
        QPainterPath pg;
        pg.moveTo(0, 2);
        pg.quadTo(side * 24, -10, side * 48, -2);
        pg.lineTo(side * 48, 20);
        pg.quadTo(side * 24, 10, 0, 22);
        pg.closeSubpath();
        p.fillPath(pg, page);
        p.setPen(QPen(line, 1.2));
        for (int k = 0; k < 4; ++k) {
            double y = 1 + k * 4.5;
            p.drawLine(QPointF(side * 8, y + 1), QPointF(side * 40, y - 3));
        }
    }
    p.setPen(QPen(pic::Scale(cover, 0.6), 1.5));
    p.drawLine(QPointF(0, 3), QPointF(0, 23));
    // Quill.
    QPainterPath feather;
    feather.moveTo(10, 14);
    feather.cubicTo(22, -10, 44, -34, 70, -46);
    feather.cubicTo(58, -24, 40, -4, 14, 16);
    feather.closeSubpath();
    QLinearGradient fg(QPointF(10, 14), QPointF(70, -46));
    fg.setColorAt(0, QColor(0xe8, 0xe4, 0xda));
    fg.setColorAt(1, QColor(0xff, 0xff, 0xff));
    p.fillPath(feather, fg);
    p.setPen(QPen(QColor(0x9a, 0x90, 0x80), 1.2));
    p.drawPath(feather);
    p.drawLine(QPointF(12, 15), QPointF(66, -42));
    p.setPen(QPen(QColor(0x20, 0x20, 0x28), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 15), QPointF(6, 24));
    p.restore();
}

QImage Title() {
    QImage img = pic::Blank(kTitleW, kTitleH, Qt::black);
    QPainter p(&img);
    Bookshelves(p, kTitleW, kTitleH, 7);
    // Dim the shelves, less so around the sign.
    QRadialGradient dim(kSignCentre, 700);
    dim.setColorAt(0, QColor(0, 0, 0, 40));
    dim.setColorAt(0.5, QColor(0, 0, 0, 120));
    dim.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(img.rect(), dim);
    // Warm light on the sign.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(kSignCentre, 330);
    glow.setColorAt(0, QColor(255, 200, 120, 90));
    glow.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(img.rect(), glow);

    // The sign: a framed parchment board.
    QRectF sign(kSignCentre.x() - kSignW / 2, kSignCentre.y() - kSignH / 2, kSignW, kSignH);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(sign.translated(6, 8), 14, 14);
    QLinearGradient frame(sign.topLeft(), sign.bottomRight());
    frame.setColorAt(0, QColor(0x8a, 0x5a, 0x2c));
    frame.setColorAt(1, QColor(0x4e, 0x2e, 0x14));
    p.setBrush(frame);
    p.drawRoundedRect(sign, 14, 14);
    QRectF inner = sign.adjusted(12, 12, -12, -12);
    QLinearGradient parch(inner.topLeft(), inner.bottomLeft());
    parch.setColorAt(0, QColor(0xfb, 0xf3, 0xdc));
    parch.setColorAt(1, QColor(0xef, 0xdf, 0xb8));
    p.setBrush(parch);
    p.drawRoundedRect(inner, 8, 8);
    p.setPen(QPen(QColor(0xb8, 0x94, 0x52), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(6, 6, -6, -6), 5, 5);

    Emblem(p, QPointF(kSignCentre.x(), inner.top() + 64), 0.85);

    // The name, with a gilt edge.
    QFont name = pic::SerifFont(66, true);
    QRectF nameBox(inner.left(), inner.top() + 86, inner.width(), 78);
    p.setFont(name);
    p.setPen(QColor(0xc8, 0x9a, 0x3a));
    p.drawText(nameBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Quillmart"));
    p.setPen(QColor(0x5a, 0x16, 0x1a));
    p.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Quillmart"));
    // Subtitle.
    p.setFont(pic::SerifFont(22, true));
    p.setPen(QColor(0x3a, 0x2a, 0x1a));
    p.drawText(QRectF(inner.left(), inner.top() + 164, inner.width(), 32), Qt::AlignCenter,
               QStringLiteral("— 书店经营模拟 —"));
    p.end();
    return img;
}

// Patterned wallpaper: a lattice of thin lines with a small open book in
// every diamond. The tile repeats seamlessly.
constexpr int kWallTile = 64;

void SmallBook(QPainter& p, QPointF c, QColor page, QColor edge) {
    QPolygonF left({c + QPointF(0, -3), c + QPointF(-9, -6), c + QPointF(-9, 3), c + QPointF(0, 6)});
    QPolygonF right({c + QPointF(0, -3), c + QPointF(9, -6), c + QPointF(9, 3), c + QPointF(0, 6)});
    p.setPen(QPen(edge, 1));
    p.setBrush(page);
    p.drawPolygon(left);
    p.drawPolygon(right);
}

QImage Wallpaper() {
    const QColor ground(0x5e, 0x74, 0x66), line(0x6e, 0x86, 0x76), page(0x8a, 0xa2, 0x90),
        edge(0x4c, 0x60, 0x54), dot(0x7c, 0x94, 0x84);
    QImage img = pic::Blank(kWallTile, kWallTile, ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int T = kWallTile;
    // Diagonal lattice: lines x - y = kT and x + y = kT, so the tile's
    // edges meet their neighbours'.
    p.setPen(QPen(line, 1.2));
    for (int k = -1; k <= 2; ++k) {
        p.drawLine(QPointF(k * T - T, -T), QPointF(k * T + T, T));
        p.drawLine(QPointF(k * T - T, T), QPointF(k * T + T, -T));
    }
    // A book in each diamond; the diamonds are centred on the tile's edges,
    // so each book is drawn on both edges it spans.
    for (QPointF c : {QPointF(T / 2.0, 0), QPointF(T / 2.0, T), QPointF(0, T / 2.0), QPointF(T, T / 2.0)})
        SmallBook(p, c, page, edge);
    // Dots where the lines cross.
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (QPointF c : {QPointF(T / 2.0, T / 2.0), QPointF(0, 0), QPointF(T, 0), QPointF(0, T), QPointF(T, T)})
        p.drawEllipse(c, 2.5, 2.5);
    p.end();
    return img;
}

// "None": a plain colour.
QImage PlainColour() { return pic::Blank(32, 32, QColor(0x70, 0x80, 0x90)); }

}  // namespace

bool MakeBackdrops(const QDir& out) {
    // The title is the first picture a player sees and by far the largest:
    // as a plain picture it is ready without decoding when the game starts.
    return pic::SavePlain(Title(), out, QStringLiteral("Graphic/Title.dat")) &&
           pic::Save(Wallpaper(), out, QStringLiteral("Graphic/Kabe.dat")) &&
           pic::Save(PlainColour(), out, QStringLiteral("Graphic/Color.dat"));
}
