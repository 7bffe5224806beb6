#include "ui/business/BankDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/Bank.h"
#include "ui/platform/Pictures.h"
#include "state/FormatMoney.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 250;
constexpr int kPicture = 64;
constexpr int kRowTop = 44, kRowHeight = 22;

}  // namespace

BankDialog::BankDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form24");
    setWindowTitle(QStringLiteral("银行"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 银行 =="));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(16, 48, kPicture, kPicture);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form24_Image1.png"),
                                                     QSize(kPicture, kPicture))));

    Frame1 = new QGroupBox(QStringLiteral("借款"), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(96, 38, kWidth - 104, 126);
    NamedLabel(Frame1, "Label1_0", QStringLiteral("金额"), QRect(12, 20, 100, 18), Qt::AlignCenter);
    NamedLabel(Frame1, "Label1_1", QStringLiteral("还贷日"), QRect(124, 20, 120, 18), Qt::AlignCenter);
    for (int k = 0; k < kLoanSlots; ++k) {
        const int y = kRowTop + k * kRowHeight;
        AmountLabel[k] = NamedLabel(Frame1, QStringLiteral("AmountLabel_%1").arg(k), QString(), QRect(8, y, 104, 18),
                                    Qt::AlignRight | Qt::AlignVCenter);
        AmountLabel[k]->setFrameShape(QFrame::Panel);
        AmountLabel[k]->setFrameShadow(QFrame::Sunken);
        YearLabel[k] = NamedLabel(Frame1, QStringLiteral("YearLabel_%1").arg(k), QString(), QRect(120, y, 36, 18),
                                  Qt::AlignRight | Qt::AlignVCenter);
        YearUnit[k] = NamedLabel(Frame1, QStringLiteral("YearUnit_%1").arg(k), QStringLiteral("年"), QRect(157, y, 14, 18));
        MonthLabel[k] = NamedLabel(Frame1, QStringLiteral("MonthLabel_%1").arg(k), QString(), QRect(172, y, 18, 18),
                                   Qt::AlignRight | Qt::AlignVCenter);
        MonthUnit[k] = NamedLabel(Frame1, QStringLiteral("MonthUnit_%1").arg(k), QStringLiteral("月"), QRect(191, y, 14, 18));
        DayLabel[k] = NamedLabel(Frame1, QStringLiteral("DayLabel_%1").arg(k), QString(), QRect(206, y, 18, 18),
                                 Qt::AlignRight | Qt::AlignVCenter);
        DayUnit[k] = NamedLabel(Frame1, QStringLiteral("DayUnit_%1").arg(k), QStringLiteral("日"), QRect(225, y, 14, 18));
    }

    NamedLabel(this, "Label2", QStringLiteral("资金"), QRect(104, 176, 40, 20));
    FundsLabel = NamedLabel(this, "FundsLabel", QString(), QRect(148, 176, 140, 20), Qt::AlignRight | Qt::AlignVCenter);
    FundsLabel->setFrameShape(QFrame::Panel);
    FundsLabel->setFrameShadow(QFrame::Sunken);

    Command2 = NamedButton(this, "Command2", QStringLiteral("借款"), QRect(kWidth - 176, 212, 80, 26));
    Command1 = NamedButton(this, "Command1", QStringLiteral("返回"), QRect(kWidth - 88, 212, 80, 26));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &BankDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BankDialog::Command2_Click);

    Form_Load();
}

void BankDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    const GameState& g = game();
    for (int k = 0; k < kLoanSlots; ++k) {
        const LoanRow row = LoanRowOf(g, k);
        // A free slot shows a blank amount and no date.
        AmountLabel[k]->setText(QText(row.amount));
        YearLabel[k]->setText(row.inUse ? QString::number(row.dueYear) : QString());
        MonthLabel[k]->setText(row.inUse ? QString::number(row.dueMonth) : QString());
        DayLabel[k]->setText(row.inUse ? QString::number(row.dueDay) : QString());
        for (QLabel* l : {YearLabel[k], YearUnit[k], MonthLabel[k], MonthUnit[k], DayLabel[k], DayUnit[k]})
            l->setVisible(row.inUse);
    }
    FundsLabel->setText(QText(FormatMoney(g.Funds.asInt()) + "円"));
}

void BankDialog::Command1_Click() { accept(); }

// The borrowing dialog closes this window itself once a loan has been
// asked for; "取消" there leaves it open.
void BankDialog::Command2_Click() { OpenBorrowDialog(game()); }
