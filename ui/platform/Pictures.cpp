#include "ui/platform/Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSysInfo>
#include <cstring>
#include <sys/mman.h>
#include <vector>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/PlainPicture.h"

QImage LoadPlainPicture(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray header = f.read(kPlainPictureHeader);
    if (header.size() != kPlainPictureHeader || !header.startsWith(QByteArray(kPlainPictureMagic, sizeof kPlainPictureMagic)))
        return {};
    const quint32 w = qFromLittleEndian<quint32>(header.constData() + 8);
    const quint32 h = qFromLittleEndian<quint32>(header.constData() + 12);
    if (w == 0 || h == 0 || w > 16384 || h > 16384) return {};
    const qint64 bytes = static_cast<qint64>(w) * h * 4;
    if (f.size() != kPlainPictureHeader + bytes) return {};
    if constexpr (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        QImage img(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QByteArray line = f.read(static_cast<qint64>(w) * 4);
            if (line.size() != static_cast<qint64>(w) * 4) return {};
            auto* to = reinterpret_cast<quint32*>(img.scanLine(y));
            for (quint32 x = 0; x < w; ++x) to[x] = qFromLittleEndian<quint32>(line.constData() + x * 4);
        }
        return img;
    }
    // Mapped whole and at once (one call rather than a fault per page); the
    // picture lives as long as an image or brush holds it.
    const std::size_t length = static_cast<std::size_t>(kPlainPictureHeader + bytes);
    void* map = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, f.handle(), 0);
    if (map == MAP_FAILED) return {};
    struct Mapping {
        void* at;
        std::size_t length;
    };
    auto* mapping = new Mapping{map, length};
    return QImage(
        static_cast<const uchar*>(map) + kPlainPictureHeader, static_cast<int>(w), static_cast<int>(h),
        static_cast<qsizetype>(w) * 4, QImage::Format_RGB32,
        [](void* cookie) {
            auto* m = static_cast<Mapping*>(cookie);
            munmap(m->at, m->length);
            delete m;
        },
        mapping);
}

QImage LoadPicture(const QString& relativePath, QSize fallback) {
    QString path = QString::fromStdString(ProgramFile(relativePath.toStdString()));
    if (QImage plain = LoadPlainPicture(path); !plain.isNull()) return plain;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) {
        img = QImage(fallback.isValid() && !fallback.isEmpty() ? fallback : QSize(1, 1), QImage::Format_RGB32);
        img.fill(Qt::white);
        return img;
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

QIcon GameIcon() {
    // Read once the program's folder is known; kept as images, which may
    // outlive the application object.
    static std::vector<QImage> sizes;
    if (sizes.empty()) {
        for (const char* file : {"Graphic/Icon/Game16.png", "Graphic/Icon/Game32.png", "Graphic/Icon/Game48.png"}) {
            QImageReader reader(QString::fromStdString(ProgramFile(file)));
            reader.setDecideFormatFromContent(true);
            const QImage img = reader.read();
            if (!img.isNull()) sizes.push_back(img);
        }
    }
    QIcon icon;
    for (const QImage& img : sizes) icon.addPixmap(QPixmap::fromImage(img));
    return icon;
}

void BlitMasked(QImage& frame, QPoint to, const QImage& mask, const QImage& colour, QRect src) {
    // Clip to the frame and to the sheets.
    QRect dst(to, src.size());
    QRect clipped = dst.intersected(frame.rect());
    if (clipped.isEmpty()) return;
    QPoint shift = clipped.topLeft() - dst.topLeft();
    QRect s(src.topLeft() + shift, clipped.size());
    s = s.intersected(mask.rect()).intersected(colour.rect());
    if (s.isEmpty()) return;
    clipped.setSize(s.size());
    // Word by word, as the two raster operations would do it; four words at
    // a time where the row allows (the pixels are the same either way).
    using Words4 = quint32 __attribute__((vector_size(16)));
    constexpr quint32 kOpaque = 0xFF000000u;
    constexpr quint32 kGreyToWord = 0x010101u;  // a grey byte g as the word of (g, g, g)
    const bool greyMask = mask.format() == QImage::Format_Grayscale8;
    const int w = clipped.width();
    uchar* frameBits = frame.bits();
    const qsizetype frameStride = frame.bytesPerLine();
    const uchar* maskBits = mask.constBits();
    const qsizetype maskStride = mask.bytesPerLine();
    const uchar* colourBits = colour.constBits();
    const qsizetype colourStride = colour.bytesPerLine();
    for (int row = 0; row < clipped.height(); ++row) {
        auto* d = reinterpret_cast<quint32*>(frameBits + (clipped.top() + row) * frameStride) + clipped.left();
        const uchar* maskRow = maskBits + (s.top() + row) * maskStride;
        const auto* c = reinterpret_cast<const quint32*>(colourBits + (s.top() + row) * colourStride) + s.left();
        int x = 0;
        if (greyMask) {
            const uchar* m = maskRow + s.left();
            for (; x + 4 <= w; x += 4) {
                Words4 dv, cv;
                std::memcpy(&dv, d + x, sizeof dv);
                std::memcpy(&cv, c + x, sizeof cv);
                const Words4 mv = Words4{m[x], m[x + 1], m[x + 2], m[x + 3]} * kGreyToWord;
                dv = ((dv & mv) ^ cv) | kOpaque;
                std::memcpy(d + x, &dv, sizeof dv);
            }
            for (; x < w; ++x) d[x] = ((d[x] & (m[x] * kGreyToWord)) ^ c[x]) | kOpaque;
            continue;
        }
        const auto* m = reinterpret_cast<const quint32*>(maskRow) + s.left();
        for (; x + 4 <= w; x += 4) {
            Words4 dv, mv, cv;
            std::memcpy(&dv, d + x, sizeof dv);
            std::memcpy(&mv, m + x, sizeof mv);
            std::memcpy(&cv, c + x, sizeof cv);
            dv = ((dv & mv) ^ cv) | kOpaque;
            std::memcpy(d + x, &dv, sizeof dv);
        }
        for (; x < w; ++x) d[x] = ((d[x] & m[x]) ^ c[x]) | kOpaque;
    }
}

QImage CompactMask(const QImage& mask) {
    if (mask.format() != QImage::Format_RGB32) return mask;
    QImage grey(mask.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < mask.height(); ++y) {
        const auto* from = reinterpret_cast<const quint32*>(mask.constScanLine(y));
        uchar* to = grey.scanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            const quint32 p = from[x] & 0xFFFFFFu;
            const quint32 g = p & 0xFFu;
            if (p != g * 0x010101u) return mask;  // not a grey: kept as it is
            to[x] = static_cast<uchar>(g);
        }
    }
    return grey;
}
