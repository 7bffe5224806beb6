#include "shop/qt/EquipmentWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

#include "platform/qt/Pictures.h"
#include "shop/Registers.h"

namespace equipment_window {

namespace {

const QColor kHeadingBlue(0, 128, 255);

constexpr int kColumnX = 124;     // the value column beside the picture
constexpr int kCaptionX = 134;    // captions after their marks
constexpr int kValueX = 186;      // values after the longest caption
constexpr int kRowY[3] = {36, 74, 94};
constexpr int kRuleY = 133;
constexpr int kScrollY = 141;

QFrame* BlueShape(QWidget* parent, QRect r, const char* name) {
    auto* s = new QFrame(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(r);
    s->setAutoFillBackground(true);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    s->setPalette(p);
    return s;
}

int ButtonsY(bool withScrollBar) { return withScrollBar ? kScrollY + 26 : kRuleY + 10; }

}  // namespace

std::array<QFrame*, 4> MakeHeadingShapes(QWidget* parent) {
    return {BlueShape(parent, QRect(8, 8, kWidth - 16, 17), "Shape1_0"),
            BlueShape(parent, QRect(kColumnX, kRowY[1] + 5, 6, 6), "Shape1_1"),
            BlueShape(parent, QRect(kColumnX, kRowY[2] + 5, 6, 6), "Shape1_2"),
            BlueShape(parent, QRect(8, kRuleY, kWidth - 16, 2), "Shape1_3")};
}

QLabel* MakeHeading(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName("Label3");
    l->setGeometry(8, 8, kWidth - 16, 17);
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

QLabel* MakePictureBox(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName("Image1");
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    l->setGeometry(14, 34, kPictureWidth + 4, kPictureHeight + 4);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, int row) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(row == 0 ? kColumnX : kCaptionX, kRowY[row], kValueX - kCaptionX, 16);
    return l;
}

QLabel* MakeValue(QWidget* parent, const char* name, int row, bool wraps) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    if (row == 0)
        l->setGeometry(kColumnX, kRowY[0], kWidth - 8 - kColumnX, 34);
    else
        l->setGeometry(kValueX, kRowY[row], kWidth - 8 - kValueX, wraps ? 34 : 16);
    l->setWordWrap(wraps);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QRect ScrollBarRect() { return {14, kScrollY, kWidth - 28, 17}; }
QRect LeftButtonRect(bool withScrollBar) { return {kWidth / 2 - 85, ButtonsY(withScrollBar), 80, 25}; }
QRect RightButtonRect(bool withScrollBar) { return {kWidth / 2 + 5, ButtonsY(withScrollBar), 80, 25}; }
int WindowHeight(bool withScrollBar) { return ButtonsY(withScrollBar) + 25 + 10; }

std::array<QPixmap, 7> LoadRegisterPictureHolders() {
    std::array<QPixmap, 7> holders;
    for (int h = 1; h <= kRegisterModels; ++h)
        holders[h] = QPixmap::fromImage(
            LoadPicture(QString::fromLatin1(kRegisterPictureHolders[h]), QSize(kPictureWidth, kPictureHeight)));
    return holders;
}

}  // namespace equipment_window
