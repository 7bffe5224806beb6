#include "ui/shop/FacilityWindow.h"

#include <QFrame>
#include <QLabel>

#include "ui/platform/Pictures.h"
#include "shop/Placement.h"

namespace {

const QColor kHeadingBlue(0, 128, 255);

QFrame* HeadingCell(QWidget* parent, QRect at) {
    auto* cell = new QFrame(parent);
    cell->setGeometry(at);
    cell->setAutoFillBackground(true);
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    cell->setPalette(p);
    return cell;
}

}  // namespace

QPixmap LoadFixturePicture(int kind) {
    const QString file = QString::fromStdString(FixturePictureFile(kind));
    return QPixmap::fromImage(LoadPicture(file, QSize(kFixturePictureSide, kFixturePictureSide)));
}

QLabel* FacilityHeading(QWidget* parent, QFrame*& cell, QRect at, const QString& text) {
    cell = HeadingCell(parent, at);
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    return label;
}

QLabel* FacilityPicture(QWidget* parent, QFrame*& frame) {
    frame = HeadingCell(parent, QRect(10, 34, kFixturePictureSide + 4, kFixturePictureSide + 4));
    auto* picture = new QLabel(parent);
    picture->setObjectName("Image1");
    picture->setGeometry(12, 36, kFixturePictureSide, kFixturePictureSide);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QLabel* FacilityValueLabel(const char* name, QWidget* parent, QRect at) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    return label;
}
