#include "ui/shop/RegisterInfoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "shop/Registers.h"
#include "ui/shop/EquipmentWindow.h"
#include "ui/kit/Controls.h"

namespace ew = equipment_window;

RegisterInfoDialog::RegisterInfoDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form31");
    setWindowTitle(QStringLiteral("收银信息"));
    setFixedSize(ew::kWidth, ew::WindowHeight(false));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 收银机的信息 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    SpeedLabel = ew::MakeCaptionedValue(this, QStringLiteral("收银速度"), "SpeedLabel", 1);
    ServedLabel = ew::MakeCaptionedValue(this, QStringLiteral("利用次数"), "ServedLabel", 2);

    Command1 = NamedButton(this, "Command1", QStringLiteral("撤去"), ew::LeftButtonRect(false));
    Command2 = NamedButton(this, "Command2", QStringLiteral("关闭"), ew::RightButtonRect(false));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &RegisterInfoDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RegisterInfoDialog::Command2_Click);

    Form_Load();
}

void RegisterInfoDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    Picture = ew::LoadRegisterPictureHolders();
    const RegisterInfoTexts t = RegisterInfoView(game(), game().SelectedRegisterSlot.i());
    ew::ShowRegisterPicture(Image1, Picture, t.model);
    SpeedLabel->setText(QString::fromStdString(t.speed));
    ServedLabel->setText(QString::fromStdString(t.served));
    NameLabel->setText(QString::fromStdString(t.name));
}

void RegisterInfoDialog::Command1_Click() {
    // On No the window stays open.
    if (RemoveRegister(game(), game().SelectedRegisterSlot.i())) accept();
}

void RegisterInfoDialog::Command2_Click() { reject(); }
