#include "ui/shop/PlaceFacilityDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/Window.h"
#include "shop/Placement.h"
#include "ui/shop/FacilityWindow.h"
#include "state/FormatMoney.h"

PlaceFacilityDialog::PlaceFacilityDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::PlaceFacility)));
    setWindowTitle(QStringLiteral("设施设置"));
    setFixedSize(320, 200);

    Label3 = FacilityHeading(this, Shape1[0], QRect(0, 0, 320, 25), QStringLiteral("== 设施设置 =="));

    // The picture in a blue frame.
    Image1 = FacilityPicture(this, Shape1[3]);

    Label1 = FacilityHeading(this, Shape1[1], QRect(126, 36, 70, 18), QStringLiteral("价格"));
    PriceLabel = FacilityValueLabel("PriceLabel", this, QRect(204, 36, 106, 18));
    Label2 = FacilityHeading(this, Shape1[2], QRect(126, 60, 70, 18), QStringLiteral("收录书籍"));
    CapacityLabel = FacilityValueLabel("CapacityLabel", this, QRect(204, 60, 106, 18));
    NameLabel = FacilityValueLabel("NameLabel", this, QRect(126, 84, 184, 34));
    NameLabel->setWordWrap(true);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(126, 121, 184, 17);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);

    Command1 = new QPushButton(QStringLiteral("设置"), this);
    Command1->setGeometry(136, 158, 81, 26);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setGeometry(229, 158, 81, 26);
    connect(Command1, &QPushButton::clicked, this, &PlaceFacilityDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PlaceFacilityDialog::Command2_Click);

    Form_Load();
    connect(HScroll1, &QScrollBar::valueChanged, this, &PlaceFacilityDialog::HScroll1_Change);
    connect(HScroll1, &QScrollBar::sliderMoved, this, &PlaceFacilityDialog::HScroll1_Scroll);
}

void PlaceFacilityDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    BuildFixtureOffer(g);
    HScroll1->setRange(0, std::max(0, g.OfferedListCount.i() - 1));
    HScroll1->setValue(0);
    for (int row = 0; row < static_cast<int>(Picture1.size()); ++row) Picture1[row] = LoadFixturePicture(row + 1);
    ShowEntry(HScroll1->value());
}

void PlaceFacilityDialog::HScroll1_Change() { ShowEntry(HScroll1->value()); }
// While the thumb is dragged the bar reports its position before its value.
void PlaceFacilityDialog::HScroll1_Scroll() { ShowEntry(HScroll1->sliderPosition()); }

void PlaceFacilityDialog::ShowEntry(int position) {
    const GameState& g = game();
    if (position < 0 || position >= g.OfferedListCount.i()) return;
    const int r = g.OfferedList[position].i();
    PriceLabel->setText(QString::fromStdString(FormatMoney(g.FixtureType.Price[r]) + "円"));
    CapacityLabel->setText(QString::fromStdString(g.FixtureType.Capacity[r].asText() + "册"));
    NameLabel->setText(QString::fromStdString(g.FixtureType.Description[r].asText()));
    if (r >= 0 && r < static_cast<int>(Picture1.size())) Image1->setPixmap(Picture1[r]);
}

void PlaceFacilityDialog::Command1_Click() {
    GameState& g = game();
    const int position = HScroll1->value();
    if (position < g.OfferedListCount.i()) PlaceFacility(g, g.SelectedSlot.i(), g.OfferedList[position].i());
    accept();
}

void PlaceFacilityDialog::Command2_Click() { reject(); }
