#include "ui/kit/Controls.h"

#include <QPushButton>
#include <QRect>

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text, const QRect& at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}
