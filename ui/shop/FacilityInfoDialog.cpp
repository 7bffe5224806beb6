#include "ui/shop/FacilityInfoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "platform/Window.h"
#include "shop/FacilityRemoval.h"
#include "ui/shop/FacilityWindow.h"

FacilityInfoDialog::FacilityInfoDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::FacilityInfo)));
    setWindowTitle(QStringLiteral("设施信息"));
    setFixedSize(320, 190);

    Label3 = FacilityHeading(this, Shape1[0], QRect(0, 0, 320, 25), QStringLiteral("== 设施信息 =="));
    Image1 = FacilityPicture(this, Shape1[3]);

    Label1 = FacilityHeading(this, Shape1[1], QRect(126, 36, 70, 18), QStringLiteral("最大收录"));
    CapacityLabel = FacilityValueLabel("CapacityLabel", this, QRect(204, 36, 106, 18));
    Label2 = FacilityHeading(this, Shape1[2], QRect(126, 60, 70, 18), QStringLiteral("利用次数"));
    UseLabel = FacilityValueLabel("UseLabel", this, QRect(204, 60, 106, 18));
    NameLabel = FacilityValueLabel("NameLabel", this, QRect(126, 88, 184, 34));
    NameLabel->setWordWrap(true);

    Command3 = new QPushButton(QStringLiteral("烧掉"), this);
    Command3->setGeometry(43, 150, 81, 26);
    Command1 = new QPushButton(QStringLiteral("撤去"), this);
    Command1->setGeometry(136, 150, 81, 26);
    Command2 = new QPushButton(QStringLiteral("关闭"), this);
    Command2->setGeometry(229, 150, 81, 26);
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FacilityInfoDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FacilityInfoDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FacilityInfoDialog::Command3_Click);

    Form_Load();
}

void FacilityInfoDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const GameState& g = game();
    const int s = g.SelectedSlot.i();
    if (s < 1 || s >= static_cast<int>(g.FacilitySlot.Kind.size())) return;
    const int kind = g.FacilitySlot.Kind[s].i();
    const int r = kind - 1;
    Image1->setPixmap(LoadFixturePicture(kind));
    if (r < 0 || r >= static_cast<int>(g.FixtureType.Capacity.size())) return;
    CapacityLabel->setText(QString::fromStdString(g.FixtureType.Capacity[r].asText() + "册"));
    UseLabel->setText(QString::fromStdString(g.UseCount[s].asText() + "回"));
    NameLabel->setText(QString::fromStdString(g.FixtureType.Description[r].asText()));
}

void FacilityInfoDialog::Command1_Click() {
    // After a refusal or a No the window stays for another try.
    if (RemoveFacilityCommand(game(), game().SelectedSlot.i()) == RemovalOutcome::Removed) accept();
}

void FacilityInfoDialog::Command2_Click() { reject(); }

void FacilityInfoDialog::Command3_Click() {
    switch (ArsonCommand(game(), game().SelectedSlot.i())) {
    case ArsonOutcome::Started:
    case ArsonOutcome::Declined: accept(); break;
    case ArsonOutcome::ShopOpen:
    case ArsonOutcome::FireBurning: break;
    }
}
