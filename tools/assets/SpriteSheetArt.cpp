#include "tools/assets/SpriteSheetArt.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sheetart {

QImage canvas(int w, int h) {
    QImage im(w, h, QImage::Format_ARGB32);
    im.fill(Qt::transparent);
    return im;
}

void put(QImage& im, int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < im.width() && y < im.height()) im.setPixel(x, y, c);
}

void fill(QImage& im, int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) put(im, i, j, c);
}

void vrun(QImage& im, int x, int y0, int y1, Rgb c) {
    if (y1 < y0) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) put(im, x, y, c);
}

bool opaque(const QImage& im, int x, int y) {
    if (x < 0 || y < 0 || x >= im.width() || y >= im.height()) return false;
    return qAlpha(im.pixel(x, y)) >= 128;
}

Rgb at(const QImage& im, int x, int y) { return im.pixel(x, y); }

Rgb shade(Rgb c, int percent) {
    auto ch = [percent](int v) { return std::clamp(v * percent / 100, 0, 255); };
    if (percent > 100) {
        // Lighten towards white rather than scaling, so dark colours lighten too.
        int t = percent - 100;
        auto up = [t](int v) { return std::clamp(v + (255 - v) * t / 100, 0, 255); };
        return rgb(up(qRed(c)), up(qGreen(c)), up(qBlue(c)));
    }
    return rgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

void outline(QImage& im, Rgb c) {
    QImage src = im.copy();
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            if (opaque(src, x, y)) continue;
            if (opaque(src, x - 1, y) || opaque(src, x + 1, y) || opaque(src, x, y - 1) || opaque(src, x, y + 1))
                im.setPixel(x, y, c);
        }
}

QImage mirrored(const QImage& im) { return im.mirrored(true, false); }

void blit(QImage& dst, const QImage& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j)
        for (int i = 0; i < src.width(); ++i)
            if (opaque(src, i, j)) put(dst, x + i, y + j, src.pixel(i, j));
}

void polygon(QImage& im, const QPolygonF& poly, Rgb c) {
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(c));
    p.drawPolygon(poly);
}

void ellipse(QImage& im, double cx, double cy, double rx, double ry, Rgb c) {
    // Pixel centres inside the ellipse; symmetric and crisp at tiny sizes.
    for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y)
        for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) put(im, x, y, c);
        }
}

void line(QImage& im, QPoint a, QPoint b, Rgb c) {
    int x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        put(im, x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

unsigned hash(unsigned a, unsigned b, unsigned c) {
    unsigned h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

void convex(QImage& im, const std::vector<QPointF>& pts, Rgb c) {
    double minX = 1e9, maxX = -1e9;
    for (auto& p : pts) minX = std::min(minX, p.x()), maxX = std::max(maxX, p.x());
    for (int x = int(std::floor(minX)); x <= int(std::ceil(maxX)); ++x) {
        double cx = x + 0.5, lo = 1e9, hi = -1e9;
        for (size_t i = 0; i < pts.size(); ++i) {
            QPointF p = pts[i], q = pts[(i + 1) % pts.size()];
            if ((cx < std::min(p.x(), q.x())) || (cx > std::max(p.x(), q.x()))) continue;
            if (p.x() == q.x()) {
                lo = std::min({lo, p.y(), q.y()});
                hi = std::max({hi, p.y(), q.y()});
                continue;
            }
            double y = p.y() + (q.y() - p.y()) * (cx - p.x()) / (q.x() - p.x());
            lo = std::min(lo, y), hi = std::max(hi, y);
        }
        if (lo > hi) continue;
        for (int y = int(std::floor(lo)); y <= int(std::ceil(hi)); ++y)
            if (y + 0.5 >= lo && y + 0.5 <= hi) put(im, x, y, c);
    }
}

void drawBox(QImage& im, const Box& bx, const Faces& f) {
    double h = bx.height;
    convex(im, {bx.a(), bx.b(), up(bx.b(), h), up(bx.a(), h)}, f.front);
    if (bx.dir > 0)
        convex(im, {bx.b(), bx.c(), up(bx.c(), h), up(bx.b(), h)}, f.end);
    else
        convex(im, {bx.d(), bx.a(), up(bx.a(), h), up(bx.d(), h)}, f.end);
    convex(im, {up(bx.a(), h), up(bx.b(), h), up(bx.c(), h), up(bx.d(), h)}, f.top);
}

void onFront(QImage& im, const Box& bx, int s, int t, int w, int h, Rgb c) {
    for (int i = s; i < s + w; ++i) {
        int x = int(bx.x0) + i;
        int g = int(std::floor(bx.ground(x + 0.5) - 0.5));  // bottom row of the face
        for (int j = t; j < t + h; ++j) put(im, x, g - j, c);
    }
}

void onEnd(QImage& im, const Box& bx, int s, int t, int w, int h, Rgb c) {
    QPointF corner = bx.dir > 0 ? bx.b() : bx.a();
    for (int i = s; i < s + w; ++i) {
        int x = bx.dir > 0 ? int(corner.x()) + i : int(corner.x()) - 1 - i;
        double gx = x + 0.5;
        double g = corner.y() - std::abs(gx - corner.x()) / 2.0;
        for (int j = t; j < t + h; ++j) put(im, x, int(std::floor(g - 0.5)) - j, c);
    }
}

void edgeLines(QImage& im, const Box& bx, Rgb c) {
    double h = bx.height;
    auto seg = [&](QPointF p, QPointF q) { line(im, p.toPoint(), q.toPoint(), c); };
    QPointF at = up(bx.a(), h), bt = up(bx.b(), h), ct = up(bx.c(), h), dt = up(bx.d(), h);
    seg(dt, ct);
    if (bx.dir > 0) seg(at, dt); else seg(bt, ct);
}

}  // namespace sheetart
