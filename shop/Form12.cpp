#include "shop/Form12.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "shop/Form7.h"
#include "shop/Staff.h"
#include "state/TheGame.h"

namespace {
constexpr int kWidth = 340;
constexpr int kHeight = 262;
}  // namespace

Form12::Form12() {
    setWindowTitle(QStringLiteral("解雇店员"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1[0], QStringLiteral("== 解雇店员 =="));

    List1 = new QListWidget(this);
    List1->setGeometry(12, 36, 116, 174);

    Image1[0] = MakeFaceBox(this, QPoint(140, 36));
    Image1[0]->setFrameShape(QFrame::Panel);
    Image1[0]->setFrameShadow(QFrame::Sunken);

    // Name and age beside the face, the gauges and the salary below it.
    Label1[0] = MakeCaption(this, QStringLiteral("姓名"), QRect(214, 42, 32, 18));
    Label[0] = MakeValueLabel(this, QRect(246, 42, 90, 18));
    Label1[1] = MakeCaption(this, QStringLiteral("年龄"), QRect(214, 66, 32, 18));
    Label[1] = MakeValueLabel(this, QRect(246, 66, 90, 18));
    Label1[4] = MakeCaption(this, QStringLiteral("气力"), QRect(140, 112, 32, 18));
    Label[2] = MakeValueLabel(this, QRect(174, 112, 52, 18));
    Shape[0] = MakeBar(this, QRect(228, 116, 100, 10));
    Shape10[0] = MakeBarFrame(this, QRect(228, 116, 100, 10));
    Label1[2] = MakeCaption(this, QStringLiteral("能力"), QRect(140, 136, 32, 18));
    Label[3] = MakeValueLabel(this, QRect(174, 136, 52, 18));
    Shape[1] = MakeBar(this, QRect(228, 140, 100, 10));
    Shape10[1] = MakeBarFrame(this, QRect(228, 140, 100, 10));
    Label1[3] = MakeCaption(this, QStringLiteral("薪资"), QRect(140, 160, 32, 18));
    Label[4] = MakeValueLabel(this, QRect(174, 160, 150, 18));

    Command2 = new QPushButton(QStringLiteral("解雇"), this);
    Command2->setGeometry(176, 224, 74, 25);
    Command1 = new QPushButton(QStringLiteral("取消"), this);
    Command1->setGeometry(256, 224, 74, 25);
    Command1->setDefault(true);
    connect(Command2, &QPushButton::clicked, this, &Form12::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form12::Command1_Click);

    Form_Load();
    connect(List1, &QListWidget::currentRowChanged, this, &Form12::List1_Click);
}

void Form12::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
    RebuildEmployedList(g);
    for (int p = 0; p < g.EmployedListCount.i(); ++p)
        List1->addItem(QString::fromStdString(g.Applicant.Name[g.EmployedList[p].i()].asText()));
    List1->setCurrentRow(0);
    ShowClerk(0);
}

void Form12::List1_Click() { ShowClerk(List1->currentRow()); }

void Form12::ShowClerk(int p) {
    const GameState& g = Game();
    if (p < 0 || p >= g.EmployedListCount.i()) return;
    const StaffCard c = ApplicantCard(g, g.EmployedList[p].i());
    Label[0]->setText(QString::fromStdString(c.name));
    Label[1]->setText(QString::fromStdString(c.age));
    Label[2]->setText(QString::fromStdString(c.energy));
    Label[3]->setText(QString::fromStdString(c.ability));
    Label[4]->setText(QString::fromStdString(c.salary));
    SetBarWidth(Shape[0], Shape10[0], c.energyValue);
    SetBarWidth(Shape[1], Shape10[1], c.abilityValue);
    ShowFace(Image1[0], c.face);
}

void Form12::Command2_Click() {
    // A refusal or a No leaves the dialog open, so the player can cancel.
    if (DismissClerk(Game(), List1->currentRow())) accept();
}

void Form12::Command1_Click() { reject(); }
