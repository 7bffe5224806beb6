#include "ui/shop/BuyRegisterDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "shop/Registers.h"
#include "ui/shop/EquipmentWindow.h"
#include "ui/kit/Controls.h"

namespace ew = equipment_window;

BuyRegisterDialog::BuyRegisterDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form9");
    setWindowTitle(QStringLiteral("收银选择"));
    setFixedSize(ew::kWidth, ew::WindowHeight(true));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 收银机的选择 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    PriceLabel = ew::MakeCaptionedValue(this, QStringLiteral("价格"), "PriceLabel", 1);
    SpeedLabel = ew::MakeCaptionedValue(this, QStringLiteral("收银速度"), "SpeedLabel", 2);

    HScroll1 = ew::MakeScrollBar(this);

    Command2 = NamedButton(this, "Command2", QStringLiteral("购买"), ew::LeftButtonRect(true));
    Command1 = NamedButton(this, "Command1", QStringLiteral("取消"), ew::RightButtonRect(true));
    connect(Command2, &QPushButton::clicked, this, &BuyRegisterDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &BuyRegisterDialog::Command1_Click);

    Form_Load();
    // The scroll bar tracks the thumb, so the model follows while it is
    // dragged as well as when it settles.
    connect(HScroll1, &QScrollBar::valueChanged, this, &BuyRegisterDialog::HScroll1_Change);
}

void BuyRegisterDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    BuildRegisterOffer(g);
    ew::StartOffer(HScroll1, Command2, g);
    Picture = ew::LoadRegisterPictureHolders();
    ShowModel();
}

void BuyRegisterDialog::HScroll1_Change() { ShowModel(); }
void BuyRegisterDialog::HScroll1_Scroll() { ShowModel(); }

void BuyRegisterDialog::Command2_Click() {
    const int m = ModelShown();
    if (m < 0) return;
    BuyRegister(game(), game().SelectedRegisterSlot.i(), m);
    accept();
}

void BuyRegisterDialog::Command1_Click() { reject(); }

int BuyRegisterDialog::ModelShown() const { return ew::OfferedAt(game(), HScroll1->value()); }

void BuyRegisterDialog::ShowModel() {
    const int m = ModelShown();
    const RegisterModelTexts t = RegisterModelView(game(), m);
    PriceLabel->setText(QString::fromStdString(t.price));
    SpeedLabel->setText(QString::fromStdString(t.speed));
    NameLabel->setText(QString::fromStdString(t.name));
    ew::ShowRegisterPicture(Image1, Picture, m);
}
