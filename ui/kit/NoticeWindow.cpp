#include "ui/kit/NoticeWindow.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace notice_window {

QFrame* MakeHeadingBand(QWidget* parent, QRect at) {
    auto* band = new QFrame(parent);
    band->setObjectName("Shape1_0");
    band->setGeometry(at);
    band->setAutoFillBackground(true);
    return band;
}

void PaintHeadingBand(QFrame* band) {
    QPalette p = band->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 255));
    band->setPalette(p);
}

QLabel* MakeHeadingText(QWidget* parent, const QFrame* band, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(band->geometry());
    label->setAlignment(Qt::AlignCenter);
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(white);
    return label;
}

QFrame* MakeSheet(QWidget* parent, QRect at, QFrame::Shape shape, QFrame::Shadow shadow) {
    auto* sheet = new QFrame(parent);
    sheet->setObjectName("Picture1");
    sheet->setGeometry(at);
    sheet->setFrameShape(shape);
    sheet->setFrameShadow(shadow);
    sheet->setAutoFillBackground(true);
    QPalette paper = sheet->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    sheet->setPalette(paper);
    return sheet;
}

QFrame* MakeRule(QWidget* parent, int element, QRect at, const QColor& colour) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(QStringLiteral("Line1_%1").arg(element));
    rule->setGeometry(at);
    rule->setAutoFillBackground(true);
    QPalette p = rule->palette();
    p.setColor(QPalette::Window, colour);
    rule->setPalette(p);
    return rule;
}

QPushButton* MakeCloseButton(QWidget* parent, QRect at) {
    auto* button = new QPushButton(QStringLiteral("关闭"), parent);
    button->setObjectName("Command1");
    button->setGeometry(at);
    button->setDefault(true);
    return button;
}

}  // namespace notice_window
