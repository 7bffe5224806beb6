#include "ui/kit/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRect>

void SetFittingText(QLabel* label, const QString& text) {
    // The label's own type is kept in a property the first time, so a
    // smaller figure later gets it back.
    QVariant base = label->property("qmBaseFont");
    if (!base.isValid()) {
        base = label->font();
        label->setProperty("qmBaseFont", base);
    }
    QFont f = base.value<QFont>();
    const int room = label->contentsRect().width() - 2;
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(text) > room) f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
    label->setText(text);
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text, const QRect& at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setAlignment(align);
    return l;
}
