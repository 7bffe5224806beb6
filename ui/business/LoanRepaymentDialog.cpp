#include "ui/business/LoanRepaymentDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "business/Bank.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 280;
constexpr int kHeight = 170;

QLabel* MakeLine(QWidget* parent, const char* name, int y) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(16, y, kWidth - 32, 20);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

LoanRepaymentDialog::LoanRepaymentDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form26");
    setWindowTitle(QStringLiteral("偿还贷款"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 偿还贷款 =="));
    DateLabel = MakeLine(this, "DateLabel", 42);
    Label1 = MakeLine(this, "Label1", 66);
    Label1->setText(QStringLiteral("贷款的还贷期限将至。"));
    AmountLabel = MakeLine(this, "AmountLabel", 94);
    AmountLabel->setFrameShape(QFrame::Panel);
    AmountLabel->setFrameShadow(QFrame::Sunken);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, 130, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &LoanRepaymentDialog::Command1_Click);
    // The title bar is no way out: only "关闭" answers the bank.
    RefuseCloseBox();

    Form_Load();
}

void LoanRepaymentDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    DateLabel->setText(QText(RepaymentDateText(game())));
    AmountLabel->setText(QText(RepaymentAmountText(game())));
}

void LoanRepaymentDialog::Command1_Click() {
    RepayDueLoan(game());
    accept();
}
