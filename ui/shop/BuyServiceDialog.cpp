#include "ui/shop/BuyServiceDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "shop/ServiceMachines.h"
#include "ui/shop/EquipmentWindow.h"
#include "ui/kit/Controls.h"

namespace ew = equipment_window;

BuyServiceDialog::BuyServiceDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form56");
    setWindowTitle(QStringLiteral("服务设施"));
    setFixedSize(ew::kWidth, ew::WindowHeight(true));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 服务设施设置 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    PriceLabel = ew::MakeCaptionedValue(this, QStringLiteral("价格"), "PriceLabel", 1);
    ContentLabel = ew::MakeCaptionedValue(this, QStringLiteral("内容"), "ContentLabel", 2, true);

    HScroll1 = ew::MakeScrollBar(this);
    // The machine shown changes only when the scroll value settles, not
    // while the thumb is dragged.
    HScroll1->setTracking(false);

    Command1 = NamedButton(this, "Command1", QStringLiteral("设置"), ew::LeftButtonRect(true));
    Command2 = NamedButton(this, "Command2", QStringLiteral("取消"), ew::RightButtonRect(true));
    connect(Command1, &QPushButton::clicked, this, &BuyServiceDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BuyServiceDialog::Command2_Click);

    Form_Load();
    connect(HScroll1, &QScrollBar::valueChanged, this, &BuyServiceDialog::HScroll1_Change);
}

void BuyServiceDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    BuildServiceOffer(g);
    ew::StartOffer(HScroll1, Command1, g);
    ShowMachine();
}

void BuyServiceDialog::HScroll1_Change() { ShowMachine(); }

void BuyServiceDialog::Command1_Click() {
    const int row = MachineShown();
    if (row < 0) return;
    BuyServiceMachine(game(), game().SelectedServiceSlot.i(), row);
    accept();
}

void BuyServiceDialog::Command2_Click() { reject(); }

int BuyServiceDialog::MachineShown() const { return ew::OfferedAt(game(), HScroll1->value()); }

void BuyServiceDialog::ShowMachine() {
    const int row = MachineShown();
    const ServiceMachineTexts t = ServiceMachineView(game(), row);
    NameLabel->setText(QString::fromStdString(t.name));
    PriceLabel->setText(QString::fromStdString(t.price));
    ContentLabel->setText(QString::fromStdString(t.description));
    ew::ShowServiceMachinePicture(Image1, row);
}
