#include "tools/assets/PictureKit.h"

#include "ui/platform/PlainPicture.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace pic {

bool Save(const QImage& img, const QDir& out, const QString& relativePath) {
    const QString path = out.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    // Pictures are opaque: the game turns every picture into RGB32 when it
    // loads it, so a transparent pixel would come out black.
    QImage opaque = img.convertToFormat(QImage::Format_RGB32);
    if (!opaque.save(path, "PNG")) {
        std::fprintf(stderr, "qmassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool SavePlain(const QImage& img, const QDir& out, const QString& relativePath) {
    const QString path = out.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !SavePlainPicture(img, path)) {
        std::fprintf(stderr, "qmassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool SaveAll(const std::vector<Output>& outputs, const QDir& out) {
    for (const Output& o : outputs) {
        const QImage img = o.make();
        if (img.width() != o.w || img.height() != o.h) {
            std::fprintf(stderr, "qmassets: %s (%s) came out %d x %d, not %d x %d\n", qPrintable(o.file), o.what,
                         img.width(), img.height(), o.w, o.h);
            return false;
        }
        if (!Save(img, out, o.file)) return false;
    }
    return true;
}

QImage Blank(int w, int h, QColor fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QColor Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

QColor Scale(QColor c, double f) {
    auto s = [f](int x) { return std::clamp(static_cast<int>(x * f + 0.5), 0, 255); };
    return QColor(s(c.red()), s(c.green()), s(c.blue()));
}

QFont SansFont(int pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont SerifFont(int pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Serif")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void Paint(QImage& img, int x, int y, const PixelArt& art, const Palette& palette) {
    for (size_t r = 0; r < art.rows.size(); ++r) {
        const char* row = art.rows[r];
        const int n = static_cast<int>(std::strlen(row));
        for (int c = 0; c < n; ++c) {
            if (row[c] == '.') continue;
            auto it = palette.find(row[c]);
            if (it == palette.end()) continue;
            const int px = x + c, py = y + static_cast<int>(r);
            if (px < 0 || py < 0 || px >= img.width() || py >= img.height()) continue;
            img.setPixelColor(px, py, it->second);
        }
    }
}

QPolygonF IsoRect(double u0, double u1, double v0, double v1) {
    return QPolygonF({Iso(u0, v0), Iso(u1, v0), Iso(u1, v1), Iso(u0, v1)});
}

double Hash01(int a, int b, int salt) {
    std::uint32_t h = static_cast<std::uint32_t>(a) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(b) * 0x85EBCA77u + 0x165667B1u;
    h ^= static_cast<std::uint32_t>(salt) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0x1000000);
}

}  // namespace pic
