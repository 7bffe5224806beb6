#include "shop/Form56.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "shop/ServiceMachines.h"
#include "shop/qt/EquipmentWindow.h"
#include "state/TheGame.h"

namespace ew = equipment_window;

Form56::Form56() {
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
    connect(Command1, &QPushButton::clicked, this, &Form56::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form56::Command2_Click);

    Form_Load();
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form56::HScroll1_Change);
}

void Form56::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
    BuildServiceOffer(g);
    ew::StartOffer(HScroll1, Command1, g);
    ShowMachine();
}

void Form56::HScroll1_Change() { ShowMachine(); }

void Form56::Command1_Click() {
    const int row = MachineShown();
    if (row < 0) return;
    BuyServiceMachine(Game(), Game().SelectedServiceSlot.i(), row);
    accept();
}

void Form56::Command2_Click() { reject(); }

int Form56::MachineShown() const { return ew::OfferedAt(Game(), HScroll1->value()); }

void Form56::ShowMachine() {
    const int row = MachineShown();
    const ServiceMachineTexts t = ServiceMachineView(Game(), row);
    NameLabel->setText(QString::fromStdString(t.name));
    PriceLabel->setText(QString::fromStdString(t.price));
    ContentLabel->setText(QString::fromStdString(t.description));
    ew::ShowServiceMachinePicture(Image1, row);
}
