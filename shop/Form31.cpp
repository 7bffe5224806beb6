#include "shop/Form31.h"

#include <QLabel>
#include <QPushButton>

#include "shop/Registers.h"
#include "shop/qt/EquipmentWindow.h"
#include "state/TheGame.h"

namespace ew = equipment_window;

Form31::Form31() {
    setObjectName("Form31");
    setWindowTitle(QStringLiteral("收银信息"));
    setFixedSize(ew::kWidth, ew::WindowHeight(false));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 收银机的信息 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    ew::MakeCaption(this, QStringLiteral("收银速度"), 1);
    SpeedLabel = ew::MakeValue(this, "SpeedLabel", 1);
    ew::MakeCaption(this, QStringLiteral("利用次数"), 2);
    ServedLabel = ew::MakeValue(this, "ServedLabel", 2);

    Command1 = new QPushButton(QStringLiteral("撤去"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(ew::LeftButtonRect(false));
    Command2 = new QPushButton(QStringLiteral("关闭"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(ew::RightButtonRect(false));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form31::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form31::Command2_Click);

    Form_Load();
}

void Form31::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    Picture = ew::LoadRegisterPictureHolders();
    const RegisterInfoTexts t = RegisterInfoView(Game(), Game().SelectedRegisterSlot.i());
    if (t.model >= 0)
        Image1->setPixmap(Picture[t.model + 1]);
    else
        Image1->clear();
    SpeedLabel->setText(QString::fromStdString(t.speed));
    ServedLabel->setText(QString::fromStdString(t.served));
    NameLabel->setText(QString::fromStdString(t.name));
}

void Form31::Command1_Click() {
    // On No the window stays open.
    if (RemoveRegister(Game(), Game().SelectedRegisterSlot.i())) accept();
}

void Form31::Command2_Click() { reject(); }
