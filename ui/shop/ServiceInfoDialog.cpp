#include "ui/shop/ServiceInfoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "shop/ServiceMachines.h"
#include "ui/shop/EquipmentWindow.h"
#include "ui/kit/Controls.h"

namespace ew = equipment_window;

ServiceInfoDialog::ServiceInfoDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form57");
    setWindowTitle(QStringLiteral("服务设备信息"));
    setFixedSize(ew::kWidth, ew::WindowHeight(false));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 服务设备信息 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    PriceLabel = ew::MakeCaptionedValue(this, QStringLiteral("价格"), "PriceLabel", 1);
    ContentLabel = ew::MakeCaptionedValue(this, QStringLiteral("内容"), "ContentLabel", 2, true);

    Command1 = NamedButton(this, "Command1", QStringLiteral("撤去"), ew::LeftButtonRect(false));
    Command2 = NamedButton(this, "Command2", QStringLiteral("关闭"), ew::RightButtonRect(false));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ServiceInfoDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ServiceInfoDialog::Command2_Click);

    Form_Load();
}

void ServiceInfoDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const int row = InstalledServiceMachine(game(), game().SelectedServiceSlot.i());
    const ServiceMachineTexts t = ServiceMachineView(game(), row);
    ew::ShowServiceMachinePicture(Image1, row);
    NameLabel->setText(QString::fromStdString(t.name));
    PriceLabel->setText(QString::fromStdString(t.price));
    ContentLabel->setText(QString::fromStdString(t.description));
}

void ServiceInfoDialog::Command1_Click() {
    // Refused while the shop is open, or answered No: the window stays open.
    if (RemoveServiceMachine(game(), game().SelectedServiceSlot.i())) accept();
}

void ServiceInfoDialog::Command2_Click() { reject(); }
