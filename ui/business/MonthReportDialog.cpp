#include "ui/business/MonthReportDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "business/MonthEnd.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/business/LedgerSheet.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 338;
constexpr int kMargin = 8;
constexpr int kPanelWidth = kWidth - 2 * kMargin;
constexpr int kPanelTop = 38;

const QColor kDeficitRed(255, 0, 0);

// The Label1 elements of the table's fixed texts.
constexpr LedgerSheet::Elements kSheetElements = {
    {15, 14, 13},               // "收入", "支出", "合计"
    {5, 6, 8, 7, 9, 10, 11},    // the category rows in screen order
    12,                         // "合计" of the total row
};

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
    sheet_ = new LedgerSheet(this, QPoint(kMargin, kPanelTop), kSheetElements, Label1);
    Picture1 = sheet_;
    ILabel = sheet_->ILabel;
    OLabel = sheet_->OLabel;
    GLabel = sheet_->GLabel;
    GoLabel = sheet_->GoLabel;
    Line1 = sheet_->Line1;

    // The month's results below the table.
    int y = Picture1->geometry().bottom() + 8;
    Label1[4] = NamedLabel(this, "Label1_4", QStringLiteral("本月的收支"), QRect(kMargin + 8, y, 130, 18));
    Label[1] = NamedLabel(this, "Label_1", QString(), QRect(kMargin + 140, y, 120, 18), Qt::AlignRight | Qt::AlignVCenter);
    y += 20;
    Label1[3] = NamedLabel(this, "Label1_3", QStringLiteral("本月销售的书数量"), QRect(kMargin + 8, y, 130, 18));
    Label[0] = NamedLabel(this, "Label_0", QString(), QRect(kMargin + 140, y, 120, 18), Qt::AlignRight | Qt::AlignVCenter);
    y += 26;
    Label1[0] = NamedLabel(this, "Label1_0", QStringLiteral("本月是"), QRect(kMargin + 8, y, 48, 20));
    Label1[1] = NamedLabel(this, "Label1_1", QString(), QRect(kMargin + 56, y, 40, 20), Qt::AlignCenter);
    QFont bold = Label1[1]->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    Label1[1]->setFont(bold);
    Label1[2] = NamedLabel(this, "Label1_2", QStringLiteral("。"), QRect(kMargin + 96, y, 20, 20));

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
    sheet_->Show(r.rows, r.total);
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
