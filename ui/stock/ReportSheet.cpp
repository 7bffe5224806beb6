#include "ui/stock/ReportSheet.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "stock/StockReport.h"

namespace {
const QColor kHeadingBlue(0, 128, 255);
const QColor kGaugeBack(0, 0, 192);
const QColor kGaugeFill(0, 255, 0);
constexpr int kGaugeHeight = 9;
}  // namespace

namespace report_sheet {

void SmallFont(QWidget* w) {
    QFont f = w->font();
    f.setPixelSize(11);
    w->setFont(f);
}

QLabel* HeaderBox(QWidget* parent, QRect box, const QString& caption, QRect captionRect) {
    auto* shape = new QFrame(parent);
    shape->setGeometry(box);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    shape->setAutoFillBackground(true);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    p.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(p);

    auto* label = new QLabel(caption, parent);
    label->setGeometry(captionRect);
    label->setAlignment(Qt::AlignCenter);
    SmallFont(label);
    QPalette lp = label->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(lp);
    label->raise();
    return label;
}

QLabel* HeadingCell(QWidget* parent, const QString& text, QRect cell) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(cell);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    SmallFont(l);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

QLabel* Cell(QWidget* parent, QRect r, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setAlignment(align | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
    l->setPalette(p);
    return l;
}

QWidget* OuterFrame(QWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    return sub ? static_cast<QWidget*>(sub) : window;
}

OuterSize OuterTwips(QWidget* window) {
    const QSize s = OuterFrame(window)->size();
    return {s.width() * kTwipsPerPixel, s.height() * kTwipsPerPixel};
}

void SetOuterTwips(QWidget* window, OuterSize size) {
    OuterFrame(window)->resize(OuterWidthPixels(size.width), OuterHeightPixels(size.height));
}

bool IsMinimised(QWidget* window) { return OuterFrame(window)->isMinimized(); }

void CloseWindow(QWidget* window) { OuterFrame(window)->close(); }

}  // namespace report_sheet

// ---- the sheet ----

RuledSheet::RuledSheet(QWidget* parent, std::vector<int> columnX, int columnTop, int columnBottom)
    : QWidget(parent), columnX_(std::move(columnX)), columnTop_(columnTop), columnBottom_(columnBottom) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    setPalette(p);
    report_sheet::SmallFont(this);
}

void RuledSheet::setColumnBottom(int y) {
    if (y == columnBottom_) return;
    columnBottom_ = y;
    update();
}

void RuledSheet::setRowRules(std::vector<int> y) {
    rowRules_ = std::move(y);
    update();
}

void RuledSheet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    for (int x : columnX_) p.drawLine(x, columnTop_, x, columnBottom_);
    for (int y : rowRules_) p.drawLine(0, y, width(), y);
}

// ---- the gauge ----

StockGaugeBox::StockGaugeBox(QWidget* parent) : QWidget(parent) { resize(kStockGaugeWidth, kGaugeHeight); }

void StockGaugeBox::setFill(double width) {
    fill_ = std::clamp(width, 0.0, static_cast<double>(kStockGaugeWidth));
    update();
}

int StockGaugeBox::fillPixels() const { return static_cast<int>(std::lround(fill_)); }

void StockGaugeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kGaugeBack);
    if (fillPixels() > 0) p.fillRect(0, 0, fillPixels(), height(), kGaugeFill);
}

// ---- the viewport ----

SheetViewport MakeSheetViewport(QWidget* parent, QRect frame, std::vector<int> columnX, int columnTop,
                                int columnBottom) {
    SheetViewport v;
    v.frame = new QFrame(parent);
    v.frame->setObjectName("Picture2");
    v.frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    v.frame->setLineWidth(2);
    v.frame->setGeometry(frame);
    v.client = new QWidget(v.frame);
    v.client->setGeometry(v.frame->contentsRect());
    v.sheet = new RuledSheet(v.client, std::move(columnX), columnTop, columnBottom);
    v.sheet->setObjectName("Picture1");
    return v;
}

void SetViewportHeight(SheetViewport& v, int height) {
    v.frame->resize(v.frame->width(), std::max(0, height));
    v.client->setGeometry(v.frame->contentsRect());
}
