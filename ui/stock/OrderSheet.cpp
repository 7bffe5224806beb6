#include "ui/stock/OrderSheet.h"

#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/platform/Pictures.h"

namespace order_sheet {

namespace {
const QColor kHeadingBlue(0, 128, 255);
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kFacesBelow = 372;  // the arrows' face stores lie below the client area

// The row slot whose option is on, or -1 when nothing is selected.
int SelectedSlot(const RowOptions& titles) {
    for (int r = 0; r < kOrderRowSlots; ++r)
        if (titles[r]->isChecked()) return r;
    return -1;
}
}  // namespace

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

void Headings(QWidget* parent, int top, const std::vector<Heading>& heads) {
    for (const Heading& h : heads) HeadingCell(parent, QString::fromUtf8(h.text), QRect(h.x, top, h.w, 17));
}

void MakeRows(OrderSheet* sheet, RowOptions& titles, std::initializer_list<RowColumn> columns) {
    for (int r = 0; r < kOrderRowSlots; ++r) {
        const int top = RowTop(r);
        titles[r] = new QRadioButton(sheet);
        titles[r]->setObjectName(QStringLiteral("SSCheck1_%1").arg(r));
        titles[r]->setGeometry(12, top, 121, kRowHeight);
        titles[r]->setFocusPolicy(Qt::NoFocus);
        for (const RowColumn& c : columns) (*c.labels)[r] = Text(sheet, {}, QRect(c.x, top, c.w, kRowHeight), c.align);
    }
}

int SelectedPosition(const RowOptions& titles, int top, int listed) {
    const int slot = SelectedSlot(titles);
    if (slot < 0) return -1;
    const int position = top + slot;
    return position < listed ? position : -1;
}

void KeepSelectionOnATitle(RowOptions& titles, int top, int listed) {
    const int slot = SelectedSlot(titles);
    if (slot >= 0 && top + slot >= listed && listed > top) {
        QSignalBlocker quiet(titles[listed - 1 - top]);
        titles[listed - 1 - top]->setChecked(true);
    }
}

QScrollBar* ListScrollBar(QWidget* parent, QRect r) {
    auto* s = new QScrollBar(Qt::Vertical, parent);
    s->setObjectName("VScroll1");
    s->setGeometry(r);
    s->setRange(0, 0);
    s->setSingleStep(1);
    s->setPageStep(8);
    return s;
}

DetailPanel MakeDetailPanel(QWidget* parent, int top, const QString& nameHeading, int nameWidth,
                            const QString& besideName) {
    DetailPanel d;
    HeadingCell(parent, nameHeading, QRect(8, top, 38, 17));
    d.name = Text(parent, {}, QRect(48, top + 2, nameWidth, 13));
    if (!besideName.isEmpty()) {
        HeadingCell(parent, besideName, QRect(176, top, 38, 17));
        d.beside = Text(parent, {}, QRect(216, top + 2, 89, 13));
    }
    const int descriptionTop = top + 24, copiesTop = top + 48, fundsTop = top + 72;
    HeadingCell(parent, QStringLiteral("简介"), QRect(8, descriptionTop, 24, 17));
    d.description = Text(parent, {}, QRect(34, descriptionTop + 2, 159, 13));
    HeadingCell(parent, QStringLiteral("进货数"), QRect(8, copiesTop, 38, 17));
    d.copies = Text(parent, QStringLiteral("0册"), QRect(48, copiesTop + 2, 41, 13), kRight);
    d.spinner = new QScrollBar(Qt::Vertical, parent);
    d.spinner->setObjectName("VScroll2");
    d.spinner->setGeometry(92, copiesTop, 17, 18);
    d.spinner->setRange(0, kMaxOrderCopies);
    d.spinner->setSingleStep(1);
    d.spinner->setPageStep(1);
    d.spinner->setValue(kMaxOrderCopies);  // no copies
    HeadingCell(parent, QStringLiteral("库存数"), QRect(112, copiesTop, 38, 17));
    d.stock = Text(parent, {}, QRect(152, copiesTop + 2, 41, 13), kRight);
    HeadingCell(parent, QStringLiteral("资金"), QRect(8, fundsTop, 30, 17));
    d.funds = Text(parent, {}, QRect(40, fundsTop + 2, 137, 13), kRight);
    return d;
}

AllSoldFrame MakeAllSoldFrame(QWidget* parent, const char* name, QPoint at) {
    AllSoldFrame f;
    f.box = new QGroupBox(QStringLiteral("全部售出时"), parent);
    f.box->setObjectName(QLatin1String(name));
    f.box->setGeometry(QRect(at, QSize(125, 70)));
    ButtonFace(f.box);
    // Retail, wholesale and profit, one below the other under the caption,
    // however tall the caption's font makes it.
    constexpr int kRowPitch = 16, kRowHeight = 15;
    const int first = f.box->contentsRect().top() + 2;
    const auto row = [&](int k, const QString& caption) {
        const int top = first + kRowPitch * k;
        Text(f.box, caption, QRect(8, top, 40, kRowHeight));
        return Text(f.box, QStringLiteral("0円"), QRect(49, top, 65, kRowHeight), kRight);
    };
    f.retail = row(0, QStringLiteral("零售价"));
    f.wholesale = row(1, QStringLiteral("进货价"));
    f.profit = row(2, QStringLiteral("利润"));
    return f;
}

Adjuster MakeAdjuster(QWidget* parent, Window window, const QString& heading, int top) {
    HeadingCell(parent, heading, QRect(8, top, 169, 17));
    Adjuster a;
    a.up = MakeAdjusterArrow(parent, window, "ButtonU", QPoint(177, top - 1), QPoint(3, kFacesBelow));
    a.down = MakeAdjusterArrow(parent, window, "ButtonD", QPoint(177, top + 8), QPoint(3, kFacesBelow + 16));
    return a;
}

void PressArrow(std::array<HoldImage*, 3>& arrow, Qt::MouseButton button, Value& hold, OrderAdjust adjust) {
    if (button != Qt::LeftButton) return;
    ShowFace(arrow, 2);
    hold = adjust;
}

void ReleaseArrow(std::array<HoldImage*, 3>& arrow, Value& hold) {
    ShowFace(arrow, 1);
    hold = AdjustIdle;
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

std::array<HoldImage*, 3> MakeAdjusterArrow(QWidget* parent, Window window, const char* name, QPoint at,
                                            QPoint storeAt) {
    constexpr QSize kFace(17, 9);
    std::array<HoldImage*, 3> arrow{};
    for (int k = 0; k < 3; ++k) {
        arrow[k] = new HoldImage(parent);
        arrow[k]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(k));
        arrow[k]->setGeometry(QRect(k == 0 ? at : storeAt + QPoint(0, 8 * (k - 1)), kFace));
    }
    for (int k = 1; k < 3; ++k) {
        const QString file = QStringLiteral("Graphic/Forms/Form%1_%2_%3.png").arg(WindowNumber(window)).arg(QLatin1String(name)).arg(k);
        arrow[k]->setPixmap(QPixmap::fromImage(LoadPicture(file, kFace)));
    }
    ShowFace(arrow, 1);
    return arrow;
}

void ShowFace(std::array<HoldImage*, 3>& arrow, int k) { arrow[0]->setPixmap(arrow[k]->pixmap()); }
