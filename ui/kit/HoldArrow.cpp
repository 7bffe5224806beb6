#include "ui/kit/HoldArrow.h"

#include <QMouseEvent>
#include <QPixmap>

#include "ui/platform/Pictures.h"

void HoldArrow::mousePressEvent(QMouseEvent* e) { emit mouseDown(e->button()); }
void HoldArrow::mouseReleaseEvent(QMouseEvent* e) { emit mouseUp(e->button()); }

std::array<QLabel*, 3> HoldArrow::Make(QWidget* parent, Window window, const char* control, QPoint at) {
    std::array<QLabel*, 3> arrow{};
    for (int k : {kRest, kPressed}) {
        arrow[k] = new QLabel(parent);
        const QString file = QStringLiteral("Graphic/Forms/Form%1_%2_%3.png").arg(static_cast<int>(window)).arg(QLatin1String(control)).arg(k);
        arrow[k]->setPixmap(QPixmap::fromImage(LoadPicture(file, QSize(kWidth, kHeight))));
        arrow[k]->hide();
    }
    arrow[kShown] = new HoldArrow(parent);
    arrow[kShown]->setObjectName(QStringLiteral("%1_0").arg(QLatin1String(control)));
    arrow[kShown]->setGeometry(at.x(), at.y(), kWidth, kHeight);
    arrow[kShown]->setPixmap(arrow[kRest]->pixmap());
    return arrow;
}
