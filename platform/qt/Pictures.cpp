#include "platform/qt/Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "platform/ProgramDir.h"

QImage LoadPicture(const QString& relativePath, QSize fallback) {
    QString path = QString::fromStdString(ProgramFile(relativePath.toStdString()));
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
    // Word by word, as the two raster operations would do it.
    const int w = clipped.width();
    for (int row = 0; row < clipped.height(); ++row) {
        auto* d = reinterpret_cast<quint32*>(frame.scanLine(clipped.top() + row)) + clipped.left();
        const auto* m = reinterpret_cast<const quint32*>(mask.constScanLine(s.top() + row)) + s.left();
        const auto* c = reinterpret_cast<const quint32*>(colour.constScanLine(s.top() + row)) + s.left();
        for (int x = 0; x < w; ++x) d[x] = ((d[x] & m[x]) ^ c[x]) | 0xFF000000u;
    }
}
