#include "ui/business/LedgerWindow.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "ui/business/LedgerSheet.h"
#include "ui/kit/Controls.h"

namespace {

constexpr int kMargin = 8;

// The Label1 elements of the table's fixed texts.
constexpr LedgerSheet::Elements kSheetElements = {
    {0, 1, 2},               // "收入", "支出", "合计"
    {5, 6, 8, 7, 9, 10, 4},  // the category rows in screen order
    3,                       // "合计" of the total row
};

QRadioButton* Period(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(QString::fromLatin1(name));
    o->setGeometry(left, kMargin, 64, 22);
    return o;
}

}  // namespace

LedgerWindow::LedgerWindow(GameState& g) : ReportWindow(Window::Ledger, &GameState::LedgerDirty, g) {
    setWindowTitle(QText(LedgerCaption(LedgerColumn::Month)));

    Option1 = Period(this, "Option1", QStringLiteral("每日"), kMargin + 4);
    Option2 = Period(this, "Option2", QStringLiteral("每月"), kMargin + 76);
    Option3 = Period(this, "Option3", QStringLiteral("每年"), kMargin + 148);
    auto* periods = new QButtonGroup(this);
    for (QRadioButton* o : {Option1, Option2, Option3}) periods->addButton(o);
    Option2->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, &LedgerWindow::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &LedgerWindow::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &LedgerWindow::Option3_Click);

    sheet_ = new LedgerSheet(this, QPoint(kMargin, kMargin + 30), kSheetElements, Label1);
    Picture1 = sheet_;
    ILabel = sheet_->ILabel;
    OLabel = sheet_->OLabel;
    GLabel = sheet_->GLabel;
    GoLabel = sheet_->GoLabel;
    Line1 = sheet_->Line1;

    setFixedSize(sheet_->geometry().right() + kMargin + 1, sheet_->geometry().bottom() + kMargin + 1);
}

LedgerColumn LedgerWindow::column() const {
    if (Option1->isChecked()) return LedgerColumn::Day;
    if (Option3->isChecked()) return LedgerColumn::Year;
    return LedgerColumn::Month;
}

void LedgerWindow::ChooseColumn(LedgerColumn c) {
    game().LedgerDirty = 1;
    setWindowTitle(QText(LedgerCaption(c)));
}

void LedgerWindow::Option1_Click() { ChooseColumn(LedgerColumn::Day); }
void LedgerWindow::Option2_Click() { ChooseColumn(LedgerColumn::Month); }
void LedgerWindow::Option3_Click() { ChooseColumn(LedgerColumn::Year); }

void LedgerWindow::Redraw() {
    const LedgerTable t = BuildLedgerTable(game(), column());
    sheet_->Show(t.rows, t.total);
}
