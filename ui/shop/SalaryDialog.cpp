#include "ui/shop/SalaryDialog.h"

#include <QFrame>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "platform/Window.h"
#include "ui/platform/Pictures.h"
#include "ui/shop/HireClerkDialog.h"
#include "shop/Salary.h"
#include "shop/Staff.h"
#include "ui/shop/ClerkParticulars.h"

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 262;
constexpr int kTimerMs = 75;

}  // namespace

SalaryDialog::SalaryDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::Salary)));
    setWindowTitle(QStringLiteral("调整薪资"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1[0], QStringLiteral("== 调整薪资 =="));

    List1 = clerk_particulars::Make(this, Image1, Label1, Label, Shape, Shape10);
    Label1[3] = MakeCaption(this, QStringLiteral("薪资"), QRect(140, 164, 32, 18));
    Label[4] = MakeValueLabel(this, QRect(174, 164, 120, 18));
    Label[4]->setFrameShape(QFrame::Panel);
    Label[4]->setFrameShadow(QFrame::Sunken);
    Label[4]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ButtonU = HoldArrow::Make(this, Window::Salary, "ButtonU", QPoint(298, 164));
    ButtonD = HoldArrow::Make(this, Window::Salary, "ButtonD", QPoint(298, 164 + HoldArrow::kHeight));

    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setGeometry(176, 224, 74, 25);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setGeometry(256, 224, 74, 25);
    connect(Command1, &QPushButton::clicked, this, &SalaryDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SalaryDialog::Command2_Click);

    auto* up = static_cast<HoldArrow*>(ButtonU[0]);
    auto* down = static_cast<HoldArrow*>(ButtonD[0]);
    connect(up, &HoldArrow::mouseDown, this, &SalaryDialog::ButtonU_MouseDown);
    connect(down, &HoldArrow::mouseDown, this, &SalaryDialog::ButtonD_MouseDown);
    connect(up, &HoldArrow::mouseUp, this, &SalaryDialog::ButtonU_MouseUp);
    connect(down, &HoldArrow::mouseUp, this, &SalaryDialog::ButtonD_MouseUp);

    Form_Load();
    connect(List1, &QListWidget::currentRowChanged, this, &SalaryDialog::List1_Click);
    Timer1.setInterval(kTimerMs);
    connect(&Timer1, &QTimer::timeout, this, &SalaryDialog::Timer1_Timer);
    Timer1.start();
}

void SalaryDialog::Form_Load() {
    // Centring happens as the dialog shows. The clerk settings dialog
    // underneath already holds the clock.
    GameState& g = game();
    LoadEditedSalaries(g);
    clerk_particulars::ListEmployed(List1, g);
    ShowClerk(0);
}

void SalaryDialog::List1_Click() { ShowClerk(List1->currentRow()); }

void SalaryDialog::ShowClerk(int p) {
    const GameState& g = game();
    if (p < 0 || p >= g.EmployedListCount.i()) return;
    clerk_particulars::Show(ApplicantCard(g, g.EmployedList[p].i()), Label, Shape, Shape10, Image1[0]);
    ShowPendingSalary(p);
}

void SalaryDialog::ShowPendingSalary(int p) {
    const GameState& g = game();
    if (p < 0 || p >= static_cast<int>(g.EditedSalary.size())) return;
    Label[4]->setText(QString::fromStdString(SalaryText(g.EditedSalary[p])));
}

void SalaryDialog::ButtonU_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ButtonU[0]->setPixmap(ButtonU[HoldArrow::kPressed]->pixmap());
    PressSalaryArrow(game(), SpinUp);
}

void SalaryDialog::ButtonD_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ButtonD[0]->setPixmap(ButtonD[HoldArrow::kPressed]->pixmap());
    PressSalaryArrow(game(), SpinDown);
}

void SalaryDialog::ButtonU_MouseUp() {
    ButtonU[0]->setPixmap(ButtonU[HoldArrow::kRest]->pixmap());
    ReleaseSalaryArrow(game());
}

void SalaryDialog::ButtonD_MouseUp() {
    ButtonD[0]->setPixmap(ButtonD[HoldArrow::kRest]->pixmap());
    ReleaseSalaryArrow(game());
}

void SalaryDialog::Timer1_Timer() {
    // The arrows act only here: a press released before the next tick
    // moves nothing.
    const int p = List1->currentRow();
    SalarySpinTick(game(), p);
    ShowPendingSalary(p);
}

void SalaryDialog::Command1_Click() {
    // The clerk settings dialog underneath shows the new salaries once this
    // one has closed.
    ConfirmSalaries(game());
    accept();
}

void SalaryDialog::Command2_Click() { reject(); }
