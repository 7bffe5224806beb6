#include "ui/floor/FloorFrame.h"

#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/PlainPicture.h"

namespace {

QImage LoadSheet(const char* file, Qt::GlobalColor blank) {
    const QString path = QString::fromStdString(ProgramFile(file));
    if (QImage plain = LoadPlainPicture(path); !plain.isNull()) return plain;
    QImageReader probe(path);
    probe.setDecideFormatFromContent(true);
    if (!probe.canRead()) {
        QImage img(kSpriteSheetSize, QImage::Format_RGB32);
        img.fill(blank);
        return img;
    }
    return LoadPicture(QString::fromUtf8(file), kSpriteSheetSize);
}

}  // namespace

FloorSpriteSheets LoadFloorSpriteSheets() {
    FloorSpriteSheets s;
    s.mask = CompactMask(LoadSheet("Graphic/GraphicM.dat", Qt::white));
    s.colour = LoadSheet("Graphic/GraphicC.dat", Qt::black);
    return s;
}

QImage LoadFloorPicture(const char* file, QSize sceneSize) { return LoadPicture(QString::fromUtf8(file), sceneSize); }

void CopyRect(const QImage& from, QPoint fromAt, QImage& to, QPoint toAt, QSize size) {
    // Clip the destination, then the source, moving both corners together.
    QRect dst(toAt, size);
    QRect d = dst.intersected(to.rect());
    if (d.isEmpty()) return;
    QRect s(fromAt + (d.topLeft() - dst.topLeft()), d.size());
    QRect sc = s.intersected(from.rect());
    if (sc.isEmpty()) return;
    d = QRect(d.topLeft() + (sc.topLeft() - s.topLeft()), sc.size());
    const std::size_t bytes = static_cast<std::size_t>(d.width()) * 4;
    if (&from == &to && d.top() > sc.top()) {
        for (int row = d.height() - 1; row >= 0; --row)
            std::memmove(to.scanLine(d.top() + row) + d.left() * 4, from.constScanLine(sc.top() + row) + sc.left() * 4,
                         bytes);
        return;
    }
    for (int row = 0; row < d.height(); ++row)
        std::memmove(to.scanLine(d.top() + row) + d.left() * 4, from.constScanLine(sc.top() + row) + sc.left() * 4,
                     bytes);
}

void ComposeFloorFrame(GameState& g, const FloorViewport& vp, const QImage& bitmap,
                       const FloorSpriteSheets& sheets, QImage& graphic) {
    const int n = CullAndSortFloorSprites(g, vp);
    DrawFloorFrame(g, n, vp, bitmap, sheets, graphic);
}

void DrawFloorFrame(const GameState& g, int n, const FloorViewport& vp, const QImage& bitmap,
                    const FloorSpriteSheets& sheets, QImage& graphic) {
    DrawFloorArea(g, n, vp, bitmap, sheets, graphic, QRect(0, 0, vp.viewWidth(), vp.viewHeight()));
}

void DrawFloorArea(const GameState& g, int n, const FloorViewport& vp, const QImage& bitmap,
                   const FloorSpriteSheets& sheets, QImage& graphic, const QRect& area) {
    // The floor picture at the scroll position. Where the view reaches past
    // the picture there is nothing to copy; that part is black.
    const QRect viewRect(0, 0, vp.viewWidth(), vp.viewHeight());
    const QRect part = area.intersected(viewRect).intersected(graphic.rect());
    if (part.isEmpty()) return;
    const QPoint scroll(vp.scrollX, vp.scrollY);
    if (!bitmap.rect().contains(part.translated(scroll))) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto* line = reinterpret_cast<quint32*>(graphic.scanLine(y));
            std::fill(line + part.left(), line + part.left() + part.width(), 0xFF000000u);
        }
    }
    CopyRect(bitmap, part.topLeft() + scroll, graphic, part.topLeft(), part.size());

    // Back to front, each sprite clipped to the part: the part of the surface
    // under the scroll bars is never presented.
    const auto& s = g.Sprite;
    for (int i = 0; i < n; ++i) {
        const int slot = g.VisibleSprites[i].i();
        const QRect src(s.SrcX[slot].i(), s.SrcY[slot].i(), s.Width[slot].i(), s.Height[slot].i());
        if (src.isEmpty()) continue;
        const QPoint to(s.X[slot].i() - vp.scrollX, s.Y[slot].i() - vp.scrollY);
        const QRect clipped = QRect(to, src.size()).intersected(part);
        if (clipped.isEmpty()) continue;
        const QPoint shift = clipped.topLeft() - to;
        BlitMasked(graphic, clipped.topLeft(), sheets.mask, sheets.colour, QRect(src.topLeft() + shift, clipped.size()));
    }
}

FloorFrameInputs FloorFrameInputsOf(const GameState& g, int n, const FloorViewport& vp, const QImage& bitmap,
                                    const FloorSpriteSheets& sheets, FloorPresent how) {
    FloorFrameInputs in;
    in.vp = vp;
    in.bitmap = bitmap.cacheKey();
    in.mask = sheets.mask.cacheKey();
    in.colour = sheets.colour.cacheKey();
    in.how = how;
    in.sprites.reserve(static_cast<std::size_t>(std::max(n, 0)));
    const auto& s = g.Sprite;
    for (int i = 0; i < n; ++i) {
        const int slot = g.VisibleSprites[i].i();
        in.sprites.push_back({s.X[slot].i(), s.Y[slot].i(), s.SrcX[slot].i(), s.SrcY[slot].i(), s.Width[slot].i(),
                              s.Height[slot].i()});
    }
    return in;
}

void PresentFloorFrame(FloorPresent how, const QImage& graphic, int viewWidth, int viewHeight, QImage& screen) {
    switch (how) {
    case FloorPresent::Normal:
        CopyRect(graphic, QPoint(0, 0), screen, QPoint(0, 0), QSize(viewWidth, viewHeight));
        break;
    case FloorPresent::ShiftRight:
        CopyRect(graphic, QPoint(0, 0), screen, QPoint(kQuakeShift, 0),
                 QSize(std::max(0, viewWidth - kQuakeShift), viewHeight));
        break;
    case FloorPresent::ShiftDown:
        CopyRect(graphic, QPoint(0, 0), screen, QPoint(0, kQuakeShift),
                 QSize(viewWidth, std::max(0, viewHeight - kQuakeShift)));
        break;
    }
}

std::vector<std::int64_t> FloorInputsKey(const GameState& g, const FloorViewport& vp, const QImage& bitmap,
                                         const FloorSpriteSheets& sheets) {
    std::vector<std::int64_t> key{vp.scrollX,          vp.scrollY,           vp.innerWidth,
                                  vp.innerHeight,      vp.vScrollReserve,    vp.hScrollReserve,
                                  bitmap.cacheKey(),   sheets.mask.cacheKey(), sheets.colour.cacheKey(),
                                  g.QuakeShake.asInt(), g.DrawListCount.asInt()};
    const auto& s = g.Sprite;
    const int count = std::clamp(g.DrawListCount.i(), 0, static_cast<int>(g.DrawList.size()));
    for (int k = 0; k < count; ++k) {
        const std::int64_t slot = g.DrawList[k].asInt();
        key.push_back(slot);
        if (slot < 0 || slot >= static_cast<std::int64_t>(s.X.size())) continue;
        const double depth = s.Depth[slot].asReal();
        std::int64_t depthBits;
        std::memcpy(&depthBits, &depth, sizeof depthBits);
        key.insert(key.end(), {s.X[slot].asInt(), s.Y[slot].asInt(), s.SrcX[slot].asInt(), s.SrcY[slot].asInt(),
                               s.Width[slot].asInt(), s.Height[slot].asInt(), depthBits});
    }
    return key;
}

namespace {

using SpriteDraw = FloorFrameInputs::SpriteDraw;

auto Key(const SpriteDraw& d) { return std::tie(d.x, d.y, d.srcX, d.srcY, d.width, d.height); }

// Marks which draws of `a` and `b` the other list holds too (as many times
// as it holds them), whatever their order.
void MarkCommon(const std::vector<SpriteDraw>& a, const std::vector<SpriteDraw>& b, std::vector<char>& inA,
                std::vector<char>& inB) {
    const auto byKey = [](const std::vector<SpriteDraw>& list) {
        std::vector<int> order(list.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
        std::sort(order.begin(), order.end(), [&](int l, int r) { return Key(list[l]) < Key(list[r]); });
        return order;
    };
    const std::vector<int> oa = byKey(a), ob = byKey(b);
    inA.assign(a.size(), 0);
    inB.assign(b.size(), 0);
    std::size_t i = 0, j = 0;
    while (i < oa.size() && j < ob.size()) {
        const auto ka = Key(a[oa[i]]), kb = Key(b[ob[j]]);
        if (ka < kb) {
            ++i;
        } else if (kb < ka) {
            ++j;
        } else {
            inA[oa[i++]] = 1;
            inB[ob[j++]] = 1;
        }
    }
}

}  // namespace

std::vector<QRect> ChangedFloorArea(const FloorFrameInputs& shown, const FloorFrameInputs& next) {
    const QRect view(0, 0, next.vp.viewWidth(), next.vp.viewHeight());
    if (view.isEmpty()) return {};
    if (shown.vp != next.vp || shown.bitmap != next.bitmap || shown.mask != next.mask ||
        shown.colour != next.colour || shown.how != FloorPresent::Normal || next.how != FloorPresent::Normal)
        return {view};

    // A pixel changes only under a sprite that came, went or moved, or under
    // two that swapped their order; of two draws that swapped, at least one
    // stands at another place in the list of those both frames draw.
    std::vector<char> inShown, inNext;
    MarkCommon(shown.sprites, next.sprites, inShown, inNext);
    std::vector<QRect> changed;
    const QPoint scroll(next.vp.scrollX, next.vp.scrollY);
    const auto add = [&](const SpriteDraw& d) {
        const QRect r = QRect(d.x, d.y, d.width, d.height).translated(-scroll).intersected(view);
        if (!r.isEmpty()) changed.push_back(r);
    };
    std::vector<const SpriteDraw*> keptShown, keptNext;
    for (std::size_t i = 0; i < shown.sprites.size(); ++i) {
        if (inShown[i]) keptShown.push_back(&shown.sprites[i]);
        else add(shown.sprites[i]);
    }
    for (std::size_t i = 0; i < next.sprites.size(); ++i) {
        if (inNext[i]) keptNext.push_back(&next.sprites[i]);
        else add(next.sprites[i]);
    }
    for (std::size_t i = 0; i < keptShown.size(); ++i) {
        if (*keptShown[i] == *keptNext[i]) continue;
        add(*keptShown[i]);
        add(*keptNext[i]);
    }

    // Places that overlap or touch a place before them join it: a few larger
    // copies cost less than many slivers.
    for (std::size_t i = 0; i < changed.size(); ++i) {
        for (std::size_t j = i + 1; j < changed.size();) {
            if (!changed[i].adjusted(-1, -1, 1, 1).intersects(changed[j])) {
                ++j;
                continue;
            }
            changed[i] = changed[i].united(changed[j]);
            changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(j));
            j = i + 1;
        }
    }
    return changed;
}

QRegion RegionOfPlaces(const std::vector<QRect>& places) {
    // The rows where a place begins or ends cut the region into bands; in
    // each band the places across it, left to right, and a band that holds
    // the same columns as the one above it joins that one.
    std::vector<int> edges;
    for (const QRect& r : places) {
        if (r.isEmpty()) continue;
        edges.push_back(r.top());
        edges.push_back(r.bottom() + 1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<QRect> rects;
    std::size_t lastBand = 0;  // where the rectangles of the band above begin
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e], bottom = edges[e + 1] - 1;
        std::vector<std::pair<int, int>> columns;
        for (const QRect& r : places)
            if (!r.isEmpty() && r.top() <= top && r.bottom() >= bottom) columns.emplace_back(r.left(), r.right());
        if (columns.empty()) continue;
        std::sort(columns.begin(), columns.end());
        const std::size_t above = rects.size() - lastBand;
        bool same = above == columns.size() && rects.back().bottom() + 1 == top;
        for (std::size_t k = 0; same && k < columns.size(); ++k)
            same = rects[lastBand + k].left() == columns[k].first && rects[lastBand + k].right() == columns[k].second;
        if (same) {
            for (std::size_t k = lastBand; k < rects.size(); ++k) rects[k].setBottom(bottom);
            continue;
        }
        lastBand = rects.size();
        for (const auto& [left, right] : columns) rects.emplace_back(QPoint(left, top), QPoint(right, bottom));
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}
