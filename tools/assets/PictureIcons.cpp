// Small pictures: the game's icon, the floor view's animated window icon and
// the pictures that windows keep (the new-game banner, the version dialog's emblem and the
// stars of the shop information windows).
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstring>
#include <numbers>

#include "tools/assets/PictureKit.h"
#include "tools/assets/PictureMakers.h"

namespace {

// ---------------------------------------------------------------------------
// The floor view's icon: an open book above a little running sign on which
// the shop's name slides by one pixel per frame. The window plays the frames
// forwards, backwards and then in jumps, so the sign scrolls to and fro.

constexpr int kIconSize = 16;
constexpr int kIconFrames = 24;
constexpr int kSignTop = 9;    // first row of the running sign
constexpr int kTextTop = 10;   // first row of its letters
constexpr int kTextStart = 1;  // where the text begins in frame 0

const pic::Palette kIconInk = {
    {'k', QColor(0x10, 0x10, 0x18)}, {'w', QColor(0xff, 0xff, 0xff)}, {'G', QColor(0x90, 0x98, 0xa8)},
    {'R', QColor(0xa0, 0x20, 0x28)}, {'B', QColor(0x24, 0x4c, 0x8c)},
};
const pic::PixelArt kIconBook = {{
    "BBBBBBBBBBBBBBBB",
    "BkkkkBBBBBBkkkkB",
    "kwwwwkkBBkkwwwwk",
    "kwGGwwwkkwwwGGwk",
    "kwwwwwwkkwwwwwwk",
    "kwGGGwwkkwwGGGwk",
    "kwwwwwwkkwwwwwwk",
    "kRRRRRRRRRRRRRRk",
    "BkkkkkkkkkkkkkkB",
}};

// A 5-row pixel font for the sign.
struct Glyph {
    char c;
    const char* rows[5];
};
const Glyph kGlyphs[] = {
    {'Q', {".##.", "#..#", "#..#", "#.#.", ".#.#"}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
};
constexpr const char* kSignText = "QUILLMART";
const QColor kSignLit(0xff, 0xc8, 0x30), kSignDark(0x18, 0x14, 0x10);

const Glyph* FindGlyph(char c) {
    for (const Glyph& g : kGlyphs)
        if (g.c == c) return &g;
    return nullptr;
}

QImage IconFrame(int frame) {
    QImage img = pic::Blank(kIconSize, kIconSize, kSignDark);
    pic::Paint(img, 0, 0, kIconBook, kIconInk);
    // The letters.
    int x = kTextStart - frame;
    for (const char* c = kSignText; *c; ++c) {
        const Glyph* g = FindGlyph(*c);
        if (!g) continue;
        const int w = static_cast<int>(std::strlen(g->rows[0]));
        for (int r = 0; r < 5; ++r)
            for (int col = 0; col < w; ++col)
                if (g->rows[r][col] == '#' && x + col >= 0 && x + col < kIconSize)
                    img.setPixelColor(x + col, kTextTop + r, kSignLit);
        x += w + 1;
    }
    // The sign's frame.
    for (int xx = 0; xx < kIconSize; ++xx) img.setPixelColor(xx, kSignTop, QColor(0x60, 0x60, 0x68));
    return img;
}

// ---------------------------------------------------------------------------
// Window pictures

constexpr int kBannerW = 166, kBannerH = 49;  // the new-game dialog's picture
constexpr int kEmblemSize = 32;               // the version dialog's picture
constexpr int kStarSize = 15;                 // the shop windows' stars
const QColor kWindowColour(0xef, 0xef, 0xef);  // the windows' background
const QColor kStarGreen(0x00, 0xb0, 0x00);

// A closed book with a quill across it.
void BookAndQuill(QPainter& p, QRectF box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 32.0, box.height() / 32.0);
    p.setRenderHint(QPainter::Antialiasing);
    // Pages and cover.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xec, 0xd8));
    p.drawRoundedRect(QRectF(6, 7, 20, 22), 1.5, 1.5);
    p.setBrush(QColor(0x8c, 0x1e, 0x24));
    p.drawRoundedRect(QRectF(4, 5, 20, 22), 2, 2);
    p.setBrush(QColor(0x5e, 0x10, 0x14));
    p.drawRect(QRectF(4, 5, 3, 22));
    p.setBrush(QColor(0xe0, 0xb8, 0x50));
    p.drawRect(QRectF(10, 10, 11, 4));
    p.drawRect(QRectF(10, 16, 11, 1.2));
    // Quill.
    QPainterPath feather;
    feather.moveTo(12, 27);
    feather.cubicTo(16, 18, 22, 8, 30, 2);
    feather.cubicTo(28, 10, 22, 20, 14, 28);
    feather.closeSubpath();
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.setPen(QPen(QColor(0x70, 0x68, 0x60), 0.8));
    p.drawPath(feather);
    p.drawLine(QPointF(13, 28), QPointF(29, 3));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 28), QPointF(11, 31));
    p.restore();
}

// The game's own icon: the book and its quill on a parchment tile framed in
// brown (pictures are opaque), at the sizes window frames and task bars ask
// for.
constexpr int kGameIconSizes[] = {16, 32, 48};
QImage GameIcon(int size) {
    QImage img = pic::Blank(size, size, QColor(0xf6, 0xe7, 0xc1));
    QPainter p(&img);
    p.setPen(QColor(0x7a, 0x4a, 0x2a));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, size - 1, size - 1));
    const double inset = size / 16.0;
    BookAndQuill(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    return img;
}

QImage VersionEmblem() {
    QImage img = pic::Blank(kEmblemSize, kEmblemSize, kWindowColour);
    QPainter p(&img);
    BookAndQuill(p, QRectF(0, 0, kEmblemSize, kEmblemSize));
    return img;
}

// The new-game banner: a little shop front beside the game's name.
QImage NewGameBanner() {
    QImage img = pic::Blank(kBannerW, kBannerH, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kBannerH);
    sky.setColorAt(0, QColor(0xfd, 0xf6, 0xe3));
    sky.setColorAt(1, QColor(0xf0, 0xdf, 0xb6));
    p.fillRect(img.rect(), sky);

    // Shop front: wall, striped awning, a window full of books and a door.
    const QRectF wall(6, 12, 56, 34);
    p.fillRect(wall, QColor(0xc8, 0x8a, 0x5a));
    p.fillRect(QRectF(wall.left(), wall.bottom() - 2, wall.width(), 2), QColor(0x7a, 0x4a, 0x2a));
    for (int i = 0; i < 7; ++i) {
        QPolygonF stripe({QPointF(4 + i * 8.6, 6), QPointF(12.6 + i * 8.6, 6), QPointF(12.6 + i * 8.6, 14),
                          QPointF(4 + i * 8.6, 14)});
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(0xfa, 0xfa, 0xf2) : QColor(0xc0, 0x2a, 0x2a));
        p.drawPolygon(stripe);
        p.drawEllipse(QPointF(8.3 + i * 8.6, 14), 4.3, 2.4);
    }
    const QRectF window(10, 20, 28, 20);
    p.fillRect(window, QColor(0x3c, 0x2a, 0x1c));
    const QColor spines[] = {QColor(0xd0, 0x40, 0x30), QColor(0x30, 0x70, 0xc0), QColor(0xe0, 0xb0, 0x30),
                             QColor(0x40, 0x9a, 0x50), QColor(0x90, 0x50, 0xb0), QColor(0xf0, 0xf0, 0xe0)};
    for (int shelf = 0; shelf < 2; ++shelf)
        for (int b = 0; b < 8; ++b) {
            double h = 6 + ((b * 5 + shelf * 3) % 3);
            p.fillRect(QRectF(11.5 + b * 3.2, 21 + shelf * 10 + (8 - h), 2.6, h), spines[(b + shelf * 2) % 6]);
        }
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.drawLine(QPointF(window.left(), 30), QPointF(window.right(), 30));
    p.fillRect(QRectF(43, 22, 14, 24), QColor(0x5a, 0x3a, 0x22));
    p.fillRect(QRectF(45, 24, 10, 9), QColor(0xbf, 0xe2, 0xf5));
    p.setBrush(QColor(0xe8, 0xc0, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(54, 36), 1.2, 1.2);

    // Name and greeting.
    p.setPen(QColor(0x6a, 0x1a, 0x1e));
    const QString name = QStringLiteral("Quillmart");
    int px = 26;
    while (px > 10 && QFontMetricsF(pic::SerifFont(px, true)).horizontalAdvance(name) > 94) --px;
    p.setFont(pic::SerifFont(px, true));
    p.drawText(QRectF(66, 2, 98, 30), Qt::AlignCenter, name);
    p.setPen(QColor(0x4a, 0x36, 0x22));
    p.setFont(pic::SansFont(11));
    p.drawText(QRectF(66, 30, 98, 16), Qt::AlignCenter, QStringLiteral("开一家自己的书店"));
    p.setPen(QPen(QColor(0xb0, 0x8a, 0x4a), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(0, 0, kBannerW - 1, kBannerH - 1));
    return img;
}

// A five-pointed star: filled green when lit, the outline alone when not.
QImage Star(bool lit) {
    QImage img = pic::Blank(kStarSize, kStarSize, kWindowColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(7.5, 8.0);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 7.0 : 2.9;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(lit ? QBrush(kStarGreen) : QBrush(Qt::NoBrush));
    p.drawPolygon(star);
    return img;
}

}  // namespace

bool MakeWindowIcons(const QDir& out) {
    for (int k = 0; k < kIconFrames; ++k)
        if (!pic::Save(IconFrame(k), out, QStringLiteral("Graphic/Icon/Icon%1.png").arg(k))) return false;
    for (int size : kGameIconSizes)
        if (!pic::Save(GameIcon(size), out, QStringLiteral("Graphic/Icon/Game%1.png").arg(size))) return false;
    return true;
}

bool MakeFormPictures(const QDir& out) {
    bool ok = pic::Save(NewGameBanner(), out, QStringLiteral("Graphic/Forms/Form3_Image1.png")) &&
              pic::Save(VersionEmblem(), out, QStringLiteral("Graphic/Forms/Form2_Image1.png"));
    // Both shop information windows keep the same pair of stars.
    for (int form : {4, 41})
        for (int k = 0; k < 2; ++k)
            ok = ok && pic::Save(Star(k == 0), out, QStringLiteral("Graphic/Forms/Form%1_Starg%2.png").arg(form).arg(k));
    return ok;
}
