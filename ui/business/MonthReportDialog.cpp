#include "ui/business/MonthReportDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "business/MonthEnd.h"
#include "platform/qt/WindowRegistry.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 338;
constexpr int kMargin = 8;
constexpr int kPanelWidth = kWidth - 2 * kMargin;
constexpr int kPanelTop = 38;
constexpr int kRowHeight = 20;
constexpr int kLabelWidth = 96;
constexpr int kAmountWidth = 86;
constexpr int kFirstRowTop = 28;

const QColor kDeficitRed(255, 0, 0);

// The row labels' Label1 elements, in the category table's screen order.
constexpr std::array<int, 7> kRowLabelElements = {5, 6, 8, 7, 9, 10, 11};
// The column headings' Label1 elements: income, expense, net.
constexpr std::array<int, 3> kColumnHeadingElements = {15, 14, 13};
constexpr const char* kColumnHeadings[] = {"收入", "支出", "合计"};
constexpr int kTotalLabelElement = 12;

int AmountLeft(int column) { return kLabelWidth + column * (kAmountWidth + 4); }
int RowTop(int screenRow) { return kFirstRowTop + screenRow * kRowHeight; }

QLabel* Text(QWidget* parent, const QString& name, const QString& text, QRect at,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setAlignment(align);
    return l;
}

QLabel* Amount(QWidget* parent, const QString& name, int column, int top) {
    return Text(parent, name, QString(), QRect(AmountLeft(column), top, kAmountWidth, kRowHeight),
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

void SetTextColour(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

}  // namespace

MonthReportDialog::MonthReportDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form15");
    setWindowTitle(QStringLiteral("月底"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kPanelWidth, 24));
    Label[2] = notice_window::MakeHeadingText(this, Shape1[0], "Label_2", QString());

    // The table on its white panel.
    const int total = RowTop(static_cast<int>(kLedgerTable.size())) + 4;
    Picture1 = notice_window::MakeSheet(this, QRect(kMargin, kPanelTop, kPanelWidth, total + kRowHeight + 4),
                                        QFrame::Box, QFrame::Plain);

    for (int c = 0; c < 3; ++c)
        Label1[kColumnHeadingElements[c]] =
            Text(Picture1, QStringLiteral("Label1_%1").arg(kColumnHeadingElements[c]),
                 QString::fromUtf8(kColumnHeadings[c]), QRect(AmountLeft(c), 4, kAmountWidth, kRowHeight),
                 Qt::AlignCenter);
    for (int r = 0; r < static_cast<int>(kLedgerTable.size()); ++r) {
        const int e = kRowLabelElements[r];
        const int k = kLedgerTable[r].category;
        Label1[e] = Text(Picture1, QStringLiteral("Label1_%1").arg(e), QString::fromUtf8(kLedgerTable[r].label),
                         QRect(8, RowTop(r), kLabelWidth - 8, kRowHeight));
        ILabel[k] = Amount(Picture1, QStringLiteral("ILabel_%1").arg(k), 0, RowTop(r));
        OLabel[k] = Amount(Picture1, QStringLiteral("OLabel_%1").arg(k), 1, RowTop(r));
        GLabel[k] = Amount(Picture1, QStringLiteral("GLabel_%1").arg(k), 2, RowTop(r));
    }
    Label1[kTotalLabelElement] = Text(Picture1, QStringLiteral("Label1_%1").arg(kTotalLabelElement),
                                      QString::fromUtf8(kLedgerTotalLabel), QRect(8, total, kLabelWidth - 8, kRowHeight));
    for (int c = 0; c < 3; ++c) GoLabel[c] = Amount(Picture1, QStringLiteral("GoLabel_%1").arg(c), c, total);

    Line1[0] = Rule(Picture1, 0, QRect(4, kFirstRowTop - 3, kPanelWidth - 8, 2), true);
    Line1[1] = Rule(Picture1, 1, QRect(4, total - 3, kPanelWidth - 8, 2), true);
    for (int c = 0; c < 3; ++c)
        Line1[2 + c] = Rule(Picture1, 2 + c, QRect(AmountLeft(c) - 3, 4, 2, total + kRowHeight - 4), false);

    // The month's results below the table.
    int y = Picture1->geometry().bottom() + 8;
    Label1[4] = Text(this, "Label1_4", QStringLiteral("本月的收支"), QRect(kMargin + 8, y, 130, 18));
    Label[1] = Text(this, "Label_1", QString(), QRect(kMargin + 140, y, 120, 18), Qt::AlignRight | Qt::AlignVCenter);
    y += 20;
    Label1[3] = Text(this, "Label1_3", QStringLiteral("本月销售的书数量"), QRect(kMargin + 8, y, 130, 18));
    Label[0] = Text(this, "Label_0", QString(), QRect(kMargin + 140, y, 120, 18), Qt::AlignRight | Qt::AlignVCenter);
    y += 26;
    Label1[0] = Text(this, "Label1_0", QStringLiteral("本月是"), QRect(kMargin + 8, y, 48, 20));
    Label1[1] = Text(this, "Label1_1", QString(), QRect(kMargin + 56, y, 40, 20), Qt::AlignCenter);
    QFont bold = Label1[1]->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    Label1[1]->setFont(bold);
    Label1[2] = Text(this, "Label1_2", QStringLiteral("。"), QRect(kMargin + 96, y, 20, 20));

    Command1 = notice_window::MakeCloseButton(this, QRect(kWidth - kMargin - 81, kHeight - kMargin - 26, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &MonthReportDialog::Command1_Click);

    Form_Load();

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &MonthReportDialog::Timer1_Timer);
    Timer1.start();
}

void MonthReportDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);

    GameState& g = game();
    MonthReportOpened(g);
    const MonthReport r = BuildMonthReport(g);
    Label[2]->setText(QString::fromStdString(r.header));
    // The main caption shows the closing month's last day.
    if (QWidget* main = MainWidget()) main->setWindowTitle(QString::fromStdString(r.mainCaption));

    Label1[1]->setText(QString::fromStdString(r.verdict));
    SetTextColour(Label1[1], r.deficit ? kDeficitRed : QColor(Qt::black));
    Label[0]->setText(QString::fromStdString(r.copies));
    Label[1]->setText(QString::fromStdString(r.net));
    for (int k = 0; k < static_cast<int>(r.rows.size()); ++k) {
        ILabel[k]->setText(QString::fromStdString(r.rows[k].income));
        OLabel[k]->setText(QString::fromStdString(r.rows[k].expense));
        GLabel[k]->setText(QString::fromStdString(r.rows[k].net));
    }
    GoLabel[0]->setText(QString::fromStdString(r.total.income));
    GoLabel[1]->setText(QString::fromStdString(r.total.expense));
    GoLabel[2]->setText(QString::fromStdString(r.total.net));
}

void MonthReportDialog::Timer1_Timer() {
    if (!MonthReportTimerTick(game())) return;
    Timer1.stop();
    accept();
}

void MonthReportDialog::Command1_Click() { accept(); }

void MonthReportDialog::Form_Unload() {
    Timer1.stop();
    MonthClose(game());
}
