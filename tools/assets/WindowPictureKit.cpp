#include "tools/assets/WindowPictureKit.h"

#include "tools/assets/PictureKit.h"

namespace pic {

QImage Supersampled(int w, int h, QColor fill, const std::function<void(QPainter&)>& draw) {
    constexpr int kOver = 4;
    QImage big(w * kOver, h * kOver, QImage::Format_ARGB32_Premultiplied);
    big.fill(fill);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOver, kOver);
        draw(p);
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// The arrow buttons: raised at rest, sunk while held.

const Palette kArrowInk = {{'k', QColor(0x10, 0x10, 0x10)}};
const PixelArt kArrowUp = {{
    "..k..",
    ".kkk.",
    "kkkkk",
}};
const PixelArt kArrowDown = {{
    "kkkkk",
    ".kkk.",
    "..k..",
}};

void Bevel(QImage& img, bool pressed) {
    const QColor light(0xff, 0xff, 0xff), soft(0xdf, 0xdf, 0xdf), mid(0xa0, 0xa0, 0xa0), dark(0x40, 0x40, 0x40);
    const QColor outerTL = pressed ? dark : light, innerTL = pressed ? mid : soft;
    const QColor outerBR = pressed ? light : dark, innerBR = pressed ? soft : mid;
    const int w = img.width(), h = img.height();
    for (int x = 0; x < w; ++x) img.setPixelColor(x, 0, outerTL), img.setPixelColor(x, h - 1, outerBR);
    for (int y = 0; y < h; ++y) img.setPixelColor(0, y, outerTL), img.setPixelColor(w - 1, y, outerBR);
    for (int x = 1; x < w - 1; ++x) img.setPixelColor(x, 1, innerTL), img.setPixelColor(x, h - 2, innerBR);
    for (int y = 1; y < h - 1; ++y) img.setPixelColor(1, y, innerTL), img.setPixelColor(w - 2, y, innerBR);
}

}  // namespace

QImage ArrowButton(bool up, bool pressed) {
    QImage img = Blank(kArrowW, kArrowH, kButtonFace);
    // A held button shows its arrow one pixel down and to the right.
    const int shift = pressed ? 1 : 0;
    Paint(img, (kArrowW - 5) / 2 + shift, (kArrowH - 3) / 2 + shift, up ? kArrowUp : kArrowDown, kArrowInk);
    Bevel(img, pressed);
    return img;
}

}  // namespace pic
