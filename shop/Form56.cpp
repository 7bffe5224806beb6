#include "shop/Form56.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/Pictures.h"
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
    ew::MakeCaption(this, QStringLiteral("价格"), 1);
    PriceLabel = ew::MakeValue(this, "PriceLabel", 1);
    ew::MakeCaption(this, QStringLiteral("内容"), 2);
    ContentLabel = ew::MakeValue(this, "ContentLabel", 2, true);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(ew::ScrollBarRect());
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    // The machine shown changes only when the scroll value settles, not
    // while the thumb is dragged.
    HScroll1->setTracking(false);

    Command1 = new QPushButton(QStringLiteral("设置"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(ew::LeftButtonRect(true));
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(ew::RightButtonRect(true));
    connect(Command1, &QPushButton::clicked, this, &Form56::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form56::Command2_Click);

    Form_Load();
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form56::HScroll1_Change);
}

void Form56::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
    BuildServiceOffer(g);
    HScroll1->setRange(0, std::max(0, g.OfferedListCount.i() - 1));
    HScroll1->setValue(0);
    Command1->setEnabled(g.OfferedListCount.i() > 0);
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

int Form56::MachineShown() const {
    const GameState& g = Game();
    const int v = HScroll1->value();
    if (v < 0 || v >= g.OfferedListCount.i()) return -1;
    return g.OfferedList[v].i();
}

void Form56::ShowMachine() {
    const int row = MachineShown();
    const ServiceMachineTexts t = ServiceMachineView(Game(), row);
    NameLabel->setText(QString::fromStdString(t.name));
    PriceLabel->setText(QString::fromStdString(t.price));
    ContentLabel->setText(QString::fromStdString(t.description));
    if (row >= 0)
        Image1->setPixmap(QPixmap::fromImage(LoadPicture(QString::fromStdString(ServiceMachinePictureFile(row)),
                                                         QSize(ew::kPictureWidth, ew::kPictureHeight))));
    else
        Image1->clear();
}
