#pragma once
// Small drawing helpers shared by the picture makers: saving, colours,
// fonts, hand-drawn pixel art and the isometric floor projection.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

namespace pic {

// Writes `img` as PNG bytes to `out`/`relativePath` (whatever the extension:
// the game reads its pictures by content), making folders as needed.
bool Save(const QImage& img, const QDir& out, const QString& relativePath);
// Writes `img` as a plain picture (ui/platform/PlainPicture.h), which the
// game maps rather than decodes: for the large pictures.
bool SavePlain(const QImage& img, const QDir& out, const QString& relativePath);

// One picture file a maker writes: where, its size, what it shows (for the
// message when it comes out wrong) and how it is drawn.
struct Output {
    QString file;
    int w, h;
    const char* what;
    std::function<QImage()> make;
};
// Draws and writes every picture of the list; false at the first one that
// comes out at another size (with a message) or cannot be written.
bool SaveAll(const std::vector<Output>& outputs, const QDir& out);

// A fresh opaque picture filled with one colour.
QImage Blank(int w, int h, QColor fill);

// Straight blend: t = 0 gives a, t = 1 gives b.
QColor Mix(QColor a, QColor b, double t);
// Darker (f < 1) or lighter (f > 1) by scaling the channels.
QColor Scale(QColor c, double f);

// Fonts: the Chinese faces are pinned so that Simplified Chinese glyph forms
// are used whatever the locale.
QFont SansFont(int pixelSize, bool bold = false);
QFont SerifFont(int pixelSize, bool bold = false);

// Pixel art: one string per row, one character per pixel; the palette maps
// characters to colours and '.' is left untouched.
using Palette = std::map<char, QColor>;
struct PixelArt {
    std::vector<const char*> rows;
};
// Paints `art` with its top-left pixel at (x, y).
void Paint(QImage& img, int x, int y, const PixelArt& art, const Palette& palette);

// The isometric floor. A floor point is named by (u, v): u grows towards the
// lower right and v towards the lower left, one unit each being one screen
// pixel sideways and half a pixel down, so X = u - v and Y = (u + v) / 2.
inline QPointF Iso(double u, double v) { return {u - v, (u + v) / 2.0}; }
inline double IsoU(QPointF p) { return p.x() / 2.0 + p.y(); }
inline double IsoV(QPointF p) { return p.y() - p.x() / 2.0; }
// A rectangle of the floor, lo < u < hi and lo < v < hi, as a screen polygon.
QPolygonF IsoRect(double u0, double u1, double v0, double v1);

// Deterministic noise for textures: the same inputs always give the same
// value in [0, 1).
double Hash01(int a, int b, int salt = 0);

}  // namespace pic
