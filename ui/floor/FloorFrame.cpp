#include "ui/floor/FloorFrame.h"

#include <QImageReader>
#include <algorithm>
#include <cstring>

#include "platform/ProgramDir.h"
#include "platform/qt/Pictures.h"

namespace {

QImage LoadSheet(const char* file, Qt::GlobalColor blank) {
    QImageReader probe(QString::fromStdString(ProgramFile(file)));
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
    // The floor picture at the scroll position. Where the view reaches past
    // the picture there is nothing to copy; that part is black.
    const QSize view(vp.viewWidth(), vp.viewHeight());
    if (view.isEmpty()) return;
    const QRect wanted(QPoint(vp.scrollX, vp.scrollY), view);
    if (!bitmap.rect().contains(wanted)) {
        const QRect area = QRect(QPoint(0, 0), view).intersected(graphic.rect());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* line = reinterpret_cast<quint32*>(graphic.scanLine(y));
            std::fill(line + area.left(), line + area.left() + area.width(), 0xFF000000u);
        }
    }
    CopyRect(bitmap, wanted.topLeft(), graphic, QPoint(0, 0), view);

    // Back to front. The sprites are clipped to the view: the part of the
    // surface under the scroll bars is never presented.
    QImage& frame = graphic;
    const auto& s = g.Sprite;
    const QRect viewRect(QPoint(0, 0), view);
    for (int i = 0; i < n; ++i) {
        const int slot = g.VisibleSprites[i].i();
        const QRect src(s.SrcX[slot].i(), s.SrcY[slot].i(), s.Width[slot].i(), s.Height[slot].i());
        if (src.isEmpty()) continue;
        const QPoint to(s.X[slot].i() - vp.scrollX, s.Y[slot].i() - vp.scrollY);
        const QRect dst(to, src.size());
        const QRect clipped = dst.intersected(viewRect);
        if (clipped.isEmpty()) continue;
        const QPoint shift = clipped.topLeft() - to;
        BlitMasked(frame, clipped.topLeft(), sheets.mask, sheets.colour,
                   QRect(src.topLeft() + shift, clipped.size()));
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
