#include "ui/business/LedgerSheet.h"

#include <QLabel>

#include "ui/kit/Controls.h"

namespace {

constexpr int kRowHeight = 20;
constexpr int kLabelWidth = 96;
constexpr int kAmountWidth = 86;
constexpr int kFirstRowTop = 28;
constexpr int kRows = static_cast<int>(kLedgerTable.size());
constexpr int kWidth = kLabelWidth + 3 * (kAmountWidth + 4) + 6;
constexpr int kTotalTop = kFirstRowTop + kRows * kRowHeight + 4;
constexpr int kHeight = kTotalTop + kRowHeight + 4;
constexpr const char* kColumnHeadings[] = {"收入", "支出", "合计"};

int AmountLeft(int column) { return kLabelWidth + column * (kAmountWidth + 4); }
int RowTop(int screenRow) { return kFirstRowTop + screenRow * kRowHeight; }

QLabel* Amount(QWidget* parent, const QString& name, int column, int top) {
    return NamedLabel(parent, name, QString(), QRect(AmountLeft(column), top, kAmountWidth, kRowHeight),
                      Qt::AlignRight | Qt::AlignVCenter);
}

QFrame* Rule(QWidget* parent, int index, QRect at, bool horizontal) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Line1_%1").arg(index));
    f->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    f->setFrameShadow(QFrame::Plain);
    f->setGeometry(at);
    return f;
}

QString Element(int e) { return QStringLiteral("Label1_%1").arg(e); }

}  // namespace

LedgerSheet::LedgerSheet(QWidget* parent, QPoint at, const Elements& elements, std::span<QLabel*> label1)
    : QFrame(parent) {
    setObjectName("Picture1");
    setGeometry(QRect(at, QSize(kWidth, kHeight)));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    setPalette(paper);

    for (int c = 0; c < 3; ++c) {
        const int e = elements.headings[c];
        label1[e] = NamedLabel(this, Element(e), QString::fromUtf8(kColumnHeadings[c]),
                               QRect(AmountLeft(c), 4, kAmountWidth, kRowHeight), Qt::AlignCenter);
    }
    for (int r = 0; r < kRows; ++r) {
        const int e = elements.rowLabels[r];
        const int k = kLedgerTable[r].category;
        label1[e] = NamedLabel(this, Element(e), QString::fromUtf8(kLedgerTable[r].label),
                               QRect(8, RowTop(r), kLabelWidth - 8, kRowHeight));
        ILabel[k] = Amount(this, QStringLiteral("ILabel_%1").arg(k), 0, RowTop(r));
        OLabel[k] = Amount(this, QStringLiteral("OLabel_%1").arg(k), 1, RowTop(r));
        GLabel[k] = Amount(this, QStringLiteral("GLabel_%1").arg(k), 2, RowTop(r));
    }
    label1[elements.total] = NamedLabel(this, Element(elements.total), QString::fromUtf8(kLedgerTotalLabel),
                                        QRect(8, kTotalTop, kLabelWidth - 8, kRowHeight));
    for (int c = 0; c < 3; ++c) GoLabel[c] = Amount(this, QStringLiteral("GoLabel_%1").arg(c), c, kTotalTop);

    Line1[0] = Rule(this, 0, QRect(4, kFirstRowTop - 3, kWidth - 8, 2), true);
    Line1[1] = Rule(this, 1, QRect(4, kTotalTop - 3, kWidth - 8, 2), true);
    for (int c = 0; c < 3; ++c)
        Line1[2 + c] = Rule(this, 2 + c, QRect(AmountLeft(c) - 3, 4, 2, kTotalTop + kRowHeight - 4), false);
}

void LedgerSheet::Show(const std::array<LedgerCells, 7>& rows, const LedgerCells& total) {
    for (int k = 0; k < static_cast<int>(rows.size()); ++k) {
        SetFittingText(ILabel[k], QText(rows[k].income));
        SetFittingText(OLabel[k], QText(rows[k].expense));
        SetFittingText(GLabel[k], QText(rows[k].net));
    }
    SetFittingText(GoLabel[0], QText(total.income));
    SetFittingText(GoLabel[1], QText(total.expense));
    SetFittingText(GoLabel[2], QText(total.net));
}
