#include "stock/qt/OrderSheet.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "platform/qt/Pictures.h"

namespace order_sheet {

namespace {
const QColor kHeadingBlue(0, 128, 255);
}

QLabel* HeadingCell(QWidget* parent, const QString& text, QRect cell) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(cell);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

QLabel* Text(QWidget* parent, const QString& text, QRect r, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setAlignment(align);
    return l;
}

void ButtonFace(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    w->setPalette(p);
}

}  // namespace order_sheet

// ---- the sheet ----

namespace {
constexpr int kSheetWidth = 600;
constexpr int kSheetHeight = 281;
constexpr int kRuleLeft = 8;
constexpr int kRuleRight = 504;
constexpr int kRowRules = 12;
}  // namespace

OrderSheet::OrderSheet(QWidget* parent, std::vector<int> columnX, int columnBottom)
    : QWidget(parent), columnX_(std::move(columnX)), columnBottom_(columnBottom) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
    // A size smaller than the window's, so prices and issue days fit their
    // narrow columns.
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    resize(kSheetWidth, kSheetHeight);
}

void OrderSheet::setColumnBottom(int y) {
    columnBottom_ = y;
    update();
}

void OrderSheet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawLine(kRuleLeft, 8, kRuleRight, 8);
    for (int v = 1; v <= kRowRules; ++v) {
        const int y = order_sheet::kRowPitch * v + 9;
        p.drawLine(kRuleLeft, y, kRuleRight, y);
    }
    for (int x : columnX_) p.drawLine(x, 8, x, columnBottom_);
}

OrderViewport MakeOrderViewport(QWidget* parent, QRect frame, std::vector<int> columnX, int columnBottom) {
    OrderViewport v;
    v.frame = new QFrame(parent);
    v.frame->setObjectName("Picture1");
    v.frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    v.frame->setLineWidth(2);
    v.frame->setGeometry(frame);
    // The client area inside the border clips the sheet.
    auto* client = new QWidget(v.frame);
    client->setGeometry(v.frame->contentsRect());
    v.sheet = new OrderSheet(client, std::move(columnX), columnBottom);
    v.sheet->setObjectName("Picture2");
    v.sheet->move(-4, -4);
    return v;
}

// ---- the adjuster's arrows ----

HoldImage::HoldImage(QWidget* parent) : QLabel(parent) {}

void HoldImage::mousePressEvent(QMouseEvent* e) {
    if (pressed) pressed(e->button());
    e->accept();
}

void HoldImage::mouseReleaseEvent(QMouseEvent* e) {
    if (released) released(e->button());
    e->accept();
}

std::array<HoldImage*, 3> MakeAdjusterArrow(QWidget* parent, int formNumber, const char* name, QPoint at,
                                            QPoint storeAt) {
    constexpr QSize kFace(17, 9);
    std::array<HoldImage*, 3> arrow{};
    for (int k = 0; k < 3; ++k) {
        arrow[k] = new HoldImage(parent);
        arrow[k]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(k));
        arrow[k]->setGeometry(QRect(k == 0 ? at : storeAt + QPoint(0, 8 * (k - 1)), kFace));
    }
    for (int k = 1; k < 3; ++k) {
        const QString file = QStringLiteral("Graphic/Forms/Form%1_%2_%3.png").arg(formNumber).arg(QLatin1String(name)).arg(k);
        arrow[k]->setPixmap(QPixmap::fromImage(LoadPicture(file, kFace)));
    }
    ShowFace(arrow, 1);
    return arrow;
}

void ShowFace(std::array<HoldImage*, 3>& arrow, int k) { arrow[0]->setPixmap(arrow[k]->pixmap()); }
