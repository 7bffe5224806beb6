#include "ui/business/BorrowDialog.h"

#include <QFrame>
#include <QPushButton>

#include "business/Bank.h"
#include "ui/platform/WindowRegistry.h"
#include "state/FormatMoney.h"
#include "ui/kit/Controls.h"
#include "ui/kit/HoldArrow.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 236;
constexpr int kTimerMs = 100;
constexpr int kCaptionX = 16, kValueX = 150, kValueWidth = 110, kRowTop = 40, kRowHeight = 26;

QLabel* MakeCaption(QWidget* parent, int row, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("Label1_%1").arg(row));
    l->setGeometry(kCaptionX, kRowTop + row * kRowHeight, kValueX - kCaptionX - 4, 20);
    return l;
}

QLabel* MakeValue(QWidget* parent, const char* name, int row) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(kValueX, kRowTop + row * kRowHeight, kValueWidth, 20);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QString Yen(std::int64_t amount) { return QText(FormatMoney(amount) + "円"); }

}  // namespace

BorrowDialog::BorrowDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form25");
    setWindowTitle(QStringLiteral("借贷"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 要借多少钱 =="));

    const QString captions[] = {QStringLiteral("资金"), QStringLiteral("允许借贷金额"), QStringLiteral("借贷金额"),
                                QStringLiteral("还贷金额(利息20%)"), QStringLiteral("还贷日")};
    for (int row = 0; row < 5; ++row) MakeCaption(this, row, captions[row]);
    FundsLabel = MakeValue(this, "FundsLabel", 0);
    LimitLabel = MakeValue(this, "LimitLabel", 1);
    AmountLabel = MakeValue(this, "AmountLabel", 2);
    RepaymentLabel = MakeValue(this, "RepaymentLabel", 3);
    DueLabel = MakeValue(this, "DueLabel", 4);

    const int arrowX = kValueX + kValueWidth + 4, arrowY = kRowTop + 2 * kRowHeight + 1;
    ButtonU = HoldArrow::Make(this, Window::Borrow, "ButtonU", QPoint(arrowX, arrowY));
    ButtonD = HoldArrow::Make(this, Window::Borrow, "ButtonD", QPoint(arrowX, arrowY + HoldArrow::kHeight));
    auto* up = static_cast<HoldArrow*>(ButtonU[HoldArrow::kShown]);
    auto* down = static_cast<HoldArrow*>(ButtonD[HoldArrow::kShown]);
    connect(up, &HoldArrow::mouseDown, this, &BorrowDialog::ButtonU_MouseDown);
    connect(down, &HoldArrow::mouseDown, this, &BorrowDialog::ButtonD_MouseDown);
    connect(up, &HoldArrow::mouseUp, this, &BorrowDialog::ButtonU_MouseUp);
    connect(down, &HoldArrow::mouseUp, this, &BorrowDialog::ButtonD_MouseUp);

    Command2 = NamedButton(this, "Command2", QStringLiteral("借贷"), QRect(kWidth - 176, 198, 80, 26));
    Command1 = NamedButton(this, "Command1", QStringLiteral("取消"), QRect(kWidth - 88, 198, 80, 26));
    connect(Command1, &QPushButton::clicked, this, &BorrowDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BorrowDialog::Command2_Click);

    Form_Load();
    Timer1.setInterval(kTimerMs);
    connect(&Timer1, &QTimer::timeout, this, &BorrowDialog::Timer1_Timer);
    Timer1.start();
}

void BorrowDialog::Form_Load() {
    // Centring happens as the dialog shows; the bank window underneath
    // already holds the clock.
    notice_window::PaintHeadingBand(Shape1[0]);
    GameState& g = game();
    BorrowDialogOpened(g);
    FundsLabel->setText(Yen(g.Funds.asInt()));
    LimitLabel->setText(Yen(g.BorrowLimit.asInt()));
    AmountLabel->setText(Yen(g.BorrowAmount.asInt()));
    // The repayment shows from the first tick of the timer on.
    DueLabel->setText(QText(BorrowDueDateText(g)));
    Command2->setEnabled(false);
}

void BorrowDialog::ShowAmount() {
    const GameState& g = game();
    AmountLabel->setText(Yen(g.BorrowAmount.asInt()));
    RepaymentLabel->setText(QText(BorrowRepaymentText(g)));
    Command2->setEnabled(g.BorrowAmount.asInt() != 0);
}

void BorrowDialog::ButtonU_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ButtonU[HoldArrow::kShown]->setPixmap(ButtonU[HoldArrow::kPressed]->pixmap());
    PressBorrowArrow(game(), SpinUp);
}

void BorrowDialog::ButtonD_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ButtonD[HoldArrow::kShown]->setPixmap(ButtonD[HoldArrow::kPressed]->pixmap());
    PressBorrowArrow(game(), SpinDown);
}

void BorrowDialog::ButtonU_MouseUp() {
    ButtonU[HoldArrow::kShown]->setPixmap(ButtonU[HoldArrow::kRest]->pixmap());
    ReleaseBorrowArrow(game());
}

void BorrowDialog::ButtonD_MouseUp() {
    ButtonD[HoldArrow::kShown]->setPixmap(ButtonD[HoldArrow::kRest]->pixmap());
    ReleaseBorrowArrow(game());
}

void BorrowDialog::Timer1_Timer() {
    // The arrows act only here: a press released before the next tick
    // moves nothing.
    BorrowSpinTick(game());
    ShowAmount();
}

void BorrowDialog::Command1_Click() { reject(); }

void BorrowDialog::Command2_Click() {
    // Whatever the answer, this dialog closes and the bank window with it.
    Timer1.stop();
    BorrowCommand(game());
    accept();
    CloseForm(Window::Bank);
}
