#include "shop/Form57.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/Pictures.h"
#include "shop/ServiceMachines.h"
#include "shop/qt/EquipmentWindow.h"
#include "state/TheGame.h"

namespace ew = equipment_window;

Form57::Form57() {
    setObjectName("Form57");
    setWindowTitle(QStringLiteral("服务设备信息"));
    setFixedSize(ew::kWidth, ew::WindowHeight(false));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 服务设备信息 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    ew::MakeCaption(this, QStringLiteral("价格"), 1);
    PriceLabel = ew::MakeValue(this, "PriceLabel", 1);
    ew::MakeCaption(this, QStringLiteral("内容"), 2);
    ContentLabel = ew::MakeValue(this, "ContentLabel", 2, true);

    Command1 = new QPushButton(QStringLiteral("撤去"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(ew::LeftButtonRect(false));
    Command2 = new QPushButton(QStringLiteral("关闭"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(ew::RightButtonRect(false));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form57::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form57::Command2_Click);

    Form_Load();
}

void Form57::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const int row = InstalledServiceMachine(Game(), Game().SelectedServiceSlot.i());
    const ServiceMachineTexts t = ServiceMachineView(Game(), row);
    if (row >= 0)
        Image1->setPixmap(QPixmap::fromImage(LoadPicture(QString::fromStdString(ServiceMachinePictureFile(row)),
                                                         QSize(ew::kPictureWidth, ew::kPictureHeight))));
    else
        Image1->clear();
    NameLabel->setText(QString::fromStdString(t.name));
    PriceLabel->setText(QString::fromStdString(t.price));
    ContentLabel->setText(QString::fromStdString(t.description));
}

void Form57::Command1_Click() {
    // Refused while the shop is open, or answered No: the window stays open.
    if (RemoveServiceMachine(Game(), Game().SelectedServiceSlot.i())) accept();
}

void Form57::Command2_Click() { reject(); }
