#include "ui/main/GameSpeedDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/Window.h"
#include "commands/GameSpeed.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kBarHeight = 14;
constexpr int kOutlineTwips = 1215;
const QColor kHeadingBlue(0, 128, 255);

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

}  // namespace

QScrollBar* MakeSpeedSpinner(QWidget* parent, QPoint at) {
    auto* s = new QScrollBar(Qt::Vertical, parent);
    s->setRange(0, kSpinnerMax);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setGeometry(at.x(), at.y(), 17, 32);
    return s;
}

QFrame* MakeSpeedBar(QWidget* parent, QPoint at) {
    auto* bar = new QFrame(parent);
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    bar->setPalette(p);
    bar->setGeometry(at.x(), at.y(), 0, kBarHeight);
    return bar;
}

QFrame* MakeSpeedBarOutline(QWidget* parent, QPoint at) {
    auto* box = new QFrame(parent);
    box->setFrameShape(QFrame::Box);
    box->setLineWidth(1);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setGeometry(at.x(), at.y(), Pixels(kOutlineTwips), kBarHeight);
    box->raise();
    return box;
}

void SetSpeedBarWidth(QFrame* bar, const Value& speed) {
    bar->resize(Pixels(SpeedBarTwips(speed)), bar->height());
}

GameSpeedDialog::GameSpeedDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::GameSpeed)));
    setWindowTitle(QStringLiteral("调整速度"));
    setFixedSize(233, 150);

    // The heading band, white text on blue.
    Shape1[0] = new QFrame(this);
    Shape1[0]->setGeometry(0, 0, 233, 25);
    Shape1[0]->setAutoFillBackground(true);
    QPalette band = Shape1[0]->palette();
    band.setColor(QPalette::Window, kHeadingBlue);
    Shape1[0]->setPalette(band);
    Label3 = new QLabel(QStringLiteral("== 进行速度调整 =="), this);
    Label3->setGeometry(Shape1[0]->geometry());
    Label3->setAlignment(Qt::AlignCenter);
    QPalette text = Label3->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(text);

    Frame1 = new QGroupBox(QStringLiteral("速度"), this);
    Frame1->setGeometry(12, 34, 209, 66);

    Label1 = new QLabel(QStringLiteral("速度"), Frame1);
    Label1->setGeometry(14, 28, 36, 18);

    Shape[0] = MakeSpeedBar(Frame1, QPoint(56, 29));
    Shape10 = MakeSpeedBarOutline(Frame1, QPoint(56, 29));

    VScroll2 = MakeSpeedSpinner(Frame1, QPoint(152, 20));

    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setGeometry(76, 112, 81, 26);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &GameSpeedDialog::Command1_Click);

    Form_Load();
    connect(VScroll2, &QScrollBar::valueChanged, this, &GameSpeedDialog::VScroll2_Change);
}

void GameSpeedDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    VScroll2->setValue(SpinnerValueFor(game().GameSpeed));
    ShowSpeedBar();
}

void GameSpeedDialog::VScroll2_Change() {
    SetGameSpeedFromSpinner(game(), VScroll2->value());
    ShowSpeedBar();
}

void GameSpeedDialog::Command1_Click() { accept(); }

void GameSpeedDialog::Form_Unload() { SpeedDialogClosed(game()); }

void GameSpeedDialog::ShowSpeedBar() { SetSpeedBarWidth(Shape[0], game().GameSpeed); }
