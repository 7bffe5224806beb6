#pragma once
// Plain pictures: the pixels of an opaque picture as the game holds them in
// memory (QImage::Format_RGB32, row after row, no padding) behind a 16-byte
// header: the 8 bytes "QMPIXEL1", then the width and the height as 32-bit
// little-endian numbers. Nothing is decoded when such a picture is read: the
// file is mapped into memory and drawn from where it lies, and the pages
// are the file's, which the system can drop and read again, not the game's
// own memory. The asset generator writes the large pictures this way: the
// title, the shop floors by day and night and the floor's sprite sheets
// (LoadPicture reads them).
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

inline constexpr char kPlainPictureMagic[8] = {'Q', 'M', 'P', 'I', 'X', 'E', 'L', '1'};
inline constexpr qint64 kPlainPictureHeader = 16;

// Writes `img` (turned opaque, RGB32) as a plain picture; false when the
// file cannot be written whole.
inline bool SavePlainPicture(const QImage& img, const QString& path) {
    const QImage pixels = img.convertToFormat(QImage::Format_RGB32);
    QByteArray header(kPlainPictureMagic, sizeof kPlainPictureMagic);
    header.resize(kPlainPictureHeader);
    qToLittleEndian<quint32>(static_cast<quint32>(pixels.width()), header.data() + 8);
    qToLittleEndian<quint32>(static_cast<quint32>(pixels.height()), header.data() + 12);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (f.write(header) != header.size()) return false;
    const qint64 row = static_cast<qint64>(pixels.width()) * 4;
    for (int y = 0; y < pixels.height(); ++y) {
        QByteArray line(reinterpret_cast<const char*>(pixels.constScanLine(y)), row);
        // The words as little-endian bytes, whatever the machine.
        for (qint64 x = 0; x < row; x += 4)
            qToLittleEndian<quint32>(reinterpret_cast<const quint32*>(pixels.constScanLine(y))[x / 4], line.data() + x);
        if (f.write(line) != row) return false;
    }
    return f.flush();
}

// Reads a plain picture: the image draws from the mapped file. A null image
// when `path` holds no plain picture of the size its header gives.
QImage LoadPlainPicture(const QString& path);
