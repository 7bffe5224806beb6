#include "ui/shop/EquipmentWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "ui/platform/Pictures.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "state/GameState.h"

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

QLabel* MakeCaption(QWidget* parent, const QString& text, int row) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(row == 0 ? kColumnX : kCaptionX, kRowY[row], kValueX - kCaptionX, 16);
    return l;
}

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

QLabel* MakeCaptionedValue(QWidget* parent, const QString& caption, const char* name, int row, bool wraps) {
    MakeCaption(parent, caption, row);
    return MakeValue(parent, name, row, wraps);
}

QScrollBar* MakeScrollBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName("HScroll1");
    bar->setGeometry(14, kScrollY, kWidth - 28, 17);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

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

void ShowRegisterPicture(QLabel* box, const std::array<QPixmap, 7>& holders, int model) {
    if (model >= 0)
        box->setPixmap(holders[model + 1]);
    else
        box->clear();
}

void ShowServiceMachinePicture(QLabel* box, int row) {
    if (row >= 0)
        box->setPixmap(QPixmap::fromImage(LoadPicture(QString::fromStdString(ServiceMachinePictureFile(row)),
                                                      QSize(kPictureWidth, kPictureHeight))));
    else
        box->clear();
}

void StartOffer(QScrollBar* bar, QPushButton* buy, const GameState& g) {
    bar->setRange(0, std::max(0, g.OfferedListCount.i() - 1));
    bar->setValue(0);
    buy->setEnabled(g.OfferedListCount.i() > 0);
}

int OfferedAt(const GameState& g, int position) {
    if (position < 0 || position >= g.OfferedListCount.i()) return -1;
    return g.OfferedList[position].i();
}

}  // namespace equipment_window
