#include "shop/Form9.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "shop/Registers.h"
#include "shop/qt/EquipmentWindow.h"
#include "state/TheGame.h"

namespace ew = equipment_window;

Form9::Form9() {
    setObjectName("Form9");
    setWindowTitle(QStringLiteral("收银选择"));
    setFixedSize(ew::kWidth, ew::WindowHeight(true));
    setAutoFillBackground(true);

    Shape1 = ew::MakeHeadingShapes(this);
    Label3 = ew::MakeHeading(this, QStringLiteral("== 收银机的选择 =="));
    Image1 = ew::MakePictureBox(this);
    NameLabel = ew::MakeValue(this, "NameLabel", 0, true);
    ew::MakeCaption(this, QStringLiteral("价格"), 1);
    PriceLabel = ew::MakeValue(this, "PriceLabel", 1);
    ew::MakeCaption(this, QStringLiteral("收银速度"), 2);
    SpeedLabel = ew::MakeValue(this, "SpeedLabel", 2);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(ew::ScrollBarRect());
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);

    Command2 = new QPushButton(QStringLiteral("购买"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(ew::LeftButtonRect(true));
    Command1 = new QPushButton(QStringLiteral("取消"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(ew::RightButtonRect(true));
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);

    Form_Load();
    // The scroll bar tracks the thumb, so the model follows while it is
    // dragged as well as when it settles.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form9::HScroll1_Change);
}

void Form9::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
    BuildRegisterOffer(g);
    HScroll1->setRange(0, std::max(0, g.OfferedListCount.i() - 1));
    HScroll1->setValue(0);
    Command2->setEnabled(g.OfferedListCount.i() > 0);
    Picture = ew::LoadRegisterPictureHolders();
    ShowModel();
}

void Form9::HScroll1_Change() { ShowModel(); }
void Form9::HScroll1_Scroll() { ShowModel(); }

void Form9::Command2_Click() {
    const int m = ModelShown();
    if (m < 0) return;
    BuyRegister(Game(), Game().SelectedRegisterSlot.i(), m);
    accept();
}

void Form9::Command1_Click() { reject(); }

int Form9::ModelShown() const {
    const GameState& g = Game();
    const int v = HScroll1->value();
    if (v < 0 || v >= g.OfferedListCount.i()) return -1;
    return g.OfferedList[v].i();
}

void Form9::ShowModel() {
    const int m = ModelShown();
    const RegisterModelTexts t = RegisterModelView(Game(), m);
    PriceLabel->setText(QString::fromStdString(t.price));
    SpeedLabel->setText(QString::fromStdString(t.speed));
    NameLabel->setText(QString::fromStdString(t.name));
    if (m >= 0)
        Image1->setPixmap(Picture[m + 1]);
    else
        Image1->clear();
}
