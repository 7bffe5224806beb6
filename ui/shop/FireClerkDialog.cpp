#include "ui/shop/FireClerkDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/Window.h"
#include "ui/shop/HireClerkDialog.h"
#include "shop/Staff.h"
#include "ui/shop/ClerkParticulars.h"

namespace {
constexpr int kWidth = 340;
constexpr int kHeight = 262;
}  // namespace

FireClerkDialog::FireClerkDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::FireClerk)));
    setWindowTitle(QStringLiteral("解雇店员"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1[0], QStringLiteral("== 解雇店员 =="));

    List1 = clerk_particulars::Make(this, Image1, Label1, Label, Shape, Shape10);
    Label1[3] = MakeCaption(this, QStringLiteral("薪资"), QRect(140, 160, 32, 18));
    Label[4] = MakeValueLabel(this, QRect(174, 160, 150, 18));

    Command2 = new QPushButton(QStringLiteral("解雇"), this);
    Command2->setGeometry(176, 224, 74, 25);
    Command1 = new QPushButton(QStringLiteral("取消"), this);
    Command1->setGeometry(256, 224, 74, 25);
    Command1->setDefault(true);
    connect(Command2, &QPushButton::clicked, this, &FireClerkDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &FireClerkDialog::Command1_Click);

    Form_Load();
    connect(List1, &QListWidget::currentRowChanged, this, &FireClerkDialog::List1_Click);
}

void FireClerkDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    RebuildEmployedList(g);
    clerk_particulars::ListEmployed(List1, g);
    ShowClerk(0);
}

void FireClerkDialog::List1_Click() { ShowClerk(List1->currentRow()); }

void FireClerkDialog::ShowClerk(int p) {
    const GameState& g = game();
    if (p < 0 || p >= g.EmployedListCount.i()) return;
    const StaffCard c = ApplicantCard(g, g.EmployedList[p].i());
    clerk_particulars::Show(c, Label, Shape, Shape10, Image1[0]);
    Label[4]->setText(QString::fromStdString(c.salary));
}

void FireClerkDialog::Command2_Click() {
    // A refusal or a No leaves the dialog open, so the player can cancel.
    if (DismissClerk(game(), List1->currentRow())) accept();
}

void FireClerkDialog::Command1_Click() { reject(); }
