#include "ui/main/SettingsDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/Window.h"
#include "ui/main/GameSpeedDialog.h"
#include "commands/GameSpeed.h"

SettingsDialog::SettingsDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::Settings)));
    setWindowTitle(QStringLiteral("设定"));
    setFixedSize(265, 190);

    // The heading band, white text on blue.
    Shape1[0] = new QFrame(this);
    Shape1[0]->setGeometry(0, 0, 265, 25);
    Shape1[0]->setAutoFillBackground(true);
    QPalette band = Shape1[0]->palette();
    band.setColor(QPalette::Window, QColor(0, 128, 255));
    Shape1[0]->setPalette(band);
    Label3 = new QLabel(QStringLiteral("== 设定 =="), this);
    Label3->setGeometry(Shape1[0]->geometry());
    Label3->setAlignment(Qt::AlignCenter);
    QPalette text = Label3->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(text);

    Frame1 = new QGroupBox(QStringLiteral("自动关闭月底信息窗口的速度"), this);
    Frame1->setGeometry(12, 34, 241, 72);
    Shape[0] = MakeSpeedBar(Frame1, QPoint(14, 32));
    Shape10 = MakeSpeedBarOutline(Frame1, QPoint(14, 32));
    VScroll2 = MakeSpeedSpinner(Frame1, QPoint(104, 23));
    Check2 = new QCheckBox(QStringLiteral("手动关闭"), Frame1);
    Check2->setGeometry(136, 30, 96, 20);

    Check1 = new QCheckBox(QStringLiteral("显示店员消息"), this);
    Check1->setGeometry(18, 116, 200, 20);

    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setGeometry(44, 152, 81, 26);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setGeometry(140, 152, 81, 26);
    connect(Command1, &QPushButton::clicked, this, &SettingsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SettingsDialog::Command2_Click);

    Form_Load();
    connect(VScroll2, &QScrollBar::valueChanged, this, &SettingsDialog::VScroll2_Change);
}

void SettingsDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const GameState& g = game();
    Check1->setChecked(g.ShowClerkMessages.asInt() == 1);
    Check2->setChecked(g.ReportManualClose.asInt() == 1);
    VScroll2->setValue(SpinnerValueFor(g.ReportCloseSpeed));
    ShowSpeedBar();
}

void SettingsDialog::VScroll2_Change() {
    SetReportCloseSpeedFromSpinner(game(), VScroll2->value());
    ShowSpeedBar();
}

void SettingsDialog::Command1_Click() {
    StoreSettingChecks(game(), Check1->isChecked(), Check2->isChecked());
    accept();
}

// The check boxes are dropped; a speed set with the spinner is already
// stored and stays.
void SettingsDialog::Command2_Click() { reject(); }

void SettingsDialog::ShowSpeedBar() { SetSpeedBarWidth(Shape[0], game().ReportCloseSpeed); }
