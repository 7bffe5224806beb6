// The pictures of the policy and customer-voice windows: the three
// standing-reading policies (a shopper reading freely at the shelf, one
// sample copy with the rest sealed, reading forbidden) and the speech
// balloon of the customer opinions window.
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <vector>

#include "tools/assets/PictureKit.h"
#include "tools/assets/PictureMakers.h"
#include "tools/assets/WindowPictureKit.h"

namespace {

using pic::kButtonFace;
const QColor kWall(0xf4, 0xee, 0xe0);
const QColor kFloor(0xd8, 0xc8, 0xa8);
const QColor kWood(0xa8, 0x74, 0x44);
const QColor kSkin(244, 204, 164);
const QColor kWrap(200, 230, 250, 150);  // shrink-wrap over a sealed book
const QColor kOk(40, 160, 70);
const QColor kNo(220, 36, 36);
const QColor kSpines[] = {{196, 60, 60}, {60, 110, 190}, {236, 190, 60}, {70, 150, 90},
                          {150, 80, 160}, {230, 130, 50}, {90, 90, 100}, {60, 170, 180}};

constexpr int kPolicyW = 80, kPolicyH = 60;
constexpr int kBalloonW = 129, kBalloonH = 73;

// A wall shelf with two rows of spines; `sealed` wraps each row in film.
void Shelf(QPainter& p, bool sealed) {
    p.fillRect(QRectF(0, 0, kPolicyW, 44), kWall);
    p.fillRect(QRectF(0, 44, kPolicyW, kPolicyH - 44), kFloor);
    p.setPen(QPen(pic::kInk, 0.8));
    p.setBrush(kWood);
    p.drawRect(QRectF(4, 4, 72, 40));
    p.setBrush(kWood.darker(130));
    for (double y : {6.0, 24.0}) p.drawRect(QRectF(6, y, 68, 16));
    for (int row = 0; row < 2; ++row) {
        const double top = 7 + 18 * row;
        for (int k = 0; k < 11; ++k) {
            const double h = 13 - (k * 7 + row * 3) % 4;
            p.setPen(QPen(pic::kInk, 0.4));
            p.setBrush(kSpines[(k + 3 * row) % 8]);
            p.drawRect(QRectF(7 + 6 * k, top + 14 - h, 5.4, h));
        }
        if (sealed) {
            p.setPen(Qt::NoPen);
            p.setBrush(kWrap);
            p.drawRect(QRectF(6.5, top - 0.5, 67, 15));
            p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
            p.drawLine(QPointF(10 + 30 * row, top + 11), QPointF(16 + 30 * row, top + 2));
            p.drawLine(QPointF(44 - 20 * row, top + 12), QPointF(49 - 20 * row, top + 4));
        }
    }
}

// An open book seen from the front, its centre at (cx, cy).
void OpenBook(QPainter& p, double cx, double cy, double w, QColor cover) {
    const double h = w * 0.62;
    p.setPen(QPen(pic::kInk, 0.7));
    p.setBrush(cover);
    p.drawRect(QRectF(cx - w / 2 - 1, cy - h / 2 + 1, w + 2, h));
    p.setBrush(Qt::white);
    QPainterPath pages;
    pages.moveTo(cx, cy - h / 2 + 2);
    pages.quadTo(cx - w / 4, cy - h / 2 - 1, cx - w / 2, cy - h / 2);
    pages.lineTo(cx - w / 2, cy + h / 2 - 1);
    pages.quadTo(cx - w / 4, cy + h / 2 - 2, cx, cy + h / 2);
    pages.quadTo(cx + w / 4, cy + h / 2 - 2, cx + w / 2, cy + h / 2 - 1);
    pages.lineTo(cx + w / 2, cy - h / 2);
    pages.quadTo(cx + w / 4, cy - h / 2 - 1, cx, cy - h / 2 + 2);
    p.drawPath(pages);
    p.setPen(QPen(QColor(150, 150, 160), 0.5));
    for (int k = 1; k <= 3; ++k) {
        const double y = cy - h / 2 + k * h / 4.5;
        p.drawLine(QPointF(cx - w / 2 + 2, y), QPointF(cx - 2, y + 0.5));
        p.drawLine(QPointF(cx + 2, y + 0.5), QPointF(cx + w / 2 - 2, y));
    }
}

// A shopper from the waist up, reading a book held before the chest.
void Reader(QPainter& p, double cx) {
    p.setPen(QPen(pic::kInk, 0.8));
    p.setBrush(QColor(70, 120, 200));
    QPainterPath body;
    body.moveTo(cx - 12, 60);
    body.quadTo(cx - 12, 38, cx, 37);
    body.quadTo(cx + 12, 38, cx + 12, 60);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx, 29), 7, 8);
    p.setBrush(QColor(80, 50, 30));
    QPainterPath hair;
    hair.moveTo(cx - 7.5, 29);
    hair.quadTo(cx - 8, 19, cx, 20);
    hair.quadTo(cx + 8, 19, cx + 7.5, 29);
    hair.quadTo(cx, 23, cx - 7.5, 29);
    p.drawPath(hair);
    p.setBrush(pic::kInk);
    p.setPen(Qt::NoPen);
    for (double dx : {-2.6, 2.6}) p.drawEllipse(QPointF(cx + dx, 31.5), 0.8, 0.6);  // eyes cast down
    OpenBook(p, cx, 46, 20, QColor(196, 60, 60));
    p.setPen(QPen(pic::kInk, 0.6));
    p.setBrush(kSkin);
    for (double dx : {-10.5, 10.5}) p.drawEllipse(QPointF(cx + dx, 48), 2, 2.4);
}

// A round badge in the lower right corner.
void Badge(QPainter& p, QColor colour, const std::function<void(QPainter&)>& mark) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(68, 48), 9, 9);
    mark(p);
}

QImage FreeReading() {
    return pic::Supersampled(kPolicyW, kPolicyH, kWall, [](QPainter& p) {
        Shelf(p, false);
        Reader(p, 30);
        Badge(p, kOk, [](QPainter& q) {
            q.setPen(QPen(Qt::white, 2.0));
            q.setBrush(Qt::NoBrush);
            q.drawEllipse(QPointF(68, 48), 4.5, 4.5);
        });
    });
}

QImage OneBrowsingCopy() {
    return pic::Supersampled(kPolicyW, kPolicyH, kWall, [](QPainter& p) {
        Shelf(p, true);
        // The sample copy on a little stand, with its tag.
        p.setPen(QPen(pic::kInk, 0.7));
        p.setBrush(kWood);
        p.drawRect(QRectF(20, 50, 24, 4));
        p.drawLine(QPointF(32, 50), QPointF(32, 44));
        OpenBook(p, 32, 42, 24, QColor(60, 110, 190));
        p.setBrush(QColor(250, 220, 80));
        p.drawRect(QRectF(40, 27, 16, 9));
        p.setPen(pic::kInk);
        p.setFont(pic::SansFont(7, true));
        p.drawText(QRectF(40, 27, 16, 9), Qt::AlignCenter, QStringLiteral("样本"));
        Badge(p, kOk, [](QPainter& q) {
            q.setPen(Qt::white);
            q.setFont(pic::SansFont(12, true));
            q.drawText(QRectF(59, 39, 18, 18), Qt::AlignCenter, QStringLiteral("1"));
        });
    });
}

QImage ReadingForbidden() {
    return pic::Supersampled(kPolicyW, kPolicyH, kWall, [](QPainter& p) {
        Shelf(p, true);
        OpenBook(p, 30, 46, 24, QColor(70, 150, 90));
        // The sign: a red ring struck through, over the open book.
        p.setPen(QPen(kNo, 3.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(30, 45), 11, 11);
        p.drawLine(QPointF(22.2, 37.2), QPointF(37.8, 52.8));
        Badge(p, kNo, [](QPainter& q) {
            q.setPen(QPen(Qt::white, 2.0));
            q.drawLine(QPointF(64.5, 44.5), QPointF(71.5, 51.5));
            q.drawLine(QPointF(71.5, 44.5), QPointF(64.5, 51.5));
        });
    });
}

// The customer's speech balloon: white, rounded, its tail pointing right
// toward the face beside it.
QImage SpeechBalloon() {
    return pic::Supersampled(kBalloonW, kBalloonH, kButtonFace, [](QPainter& p) {
        QPainterPath body;
        body.addRoundedRect(QRectF(1.5, 1.5, kBalloonW - 15, kBalloonH - 3), 14, 14);
        QPainterPath tail;
        const double right = kBalloonW - 13.5;
        tail.moveTo(right - 3, 22);
        tail.quadTo(right + 4, 26, kBalloonW - 1.5, 24);
        tail.quadTo(right + 3, 32, right - 3, 36);
        tail.closeSubpath();
        const QPainterPath shape = body.united(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawPath(shape.translated(1.5, 1.5));
        p.setPen(QPen(pic::kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(shape);
    });
}

struct Output {
    QString file;
    int w, h;
    std::function<QImage()> make;
};

}  // namespace

bool MakePolicyAndVoicePictures(const QDir& out) {
    const std::vector<Output> outputs = {
        {QStringLiteral("Graphic/Forms/Form62_Image1_0.png"), kPolicyW, kPolicyH, FreeReading},
        {QStringLiteral("Graphic/Forms/Form62_Image1_1.png"), kPolicyW, kPolicyH, OneBrowsingCopy},
        {QStringLiteral("Graphic/Forms/Form62_Image1_2.png"), kPolicyW, kPolicyH, ReadingForbidden},
        {QStringLiteral("Graphic/Forms/Form10_Picture1.png"), kBalloonW, kBalloonH, SpeechBalloon},
    };
    bool ok = true;
    for (const Output& o : outputs) {
        const QImage img = o.make();
        if (img.width() != o.w || img.height() != o.h) {
            std::fprintf(stderr, "qmassets: %s came out %d x %d, not %d x %d\n", qPrintable(o.file), img.width(),
                         img.height(), o.w, o.h);
            return false;
        }
        ok = ok && pic::Save(img, out, o.file);
    }
    return ok;
}
