#include "ui/business/EarthquakeDialog.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "business/Earthquake.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/kit/Controls.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 190;
constexpr int kPictureW = 96, kPictureH = 72;
constexpr int kTimerMs = 100;

const char* const kHeadlines[] = {"发生地震", "发生直下型大地震"};

}  // namespace

EarthquakeDialog::EarthquakeDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form32");
    setWindowTitle(QStringLiteral("发生地震"));
    setFixedSize(kWidth, kHeight);

    Picture1 = new QFrame(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(8, 8, kWidth - 16, kHeight - 56);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);

    Image1 = new QLabel(Picture1);
    Image1->setObjectName("Image1");
    Image1->setGeometry((Picture1->width() - kPictureW) / 2, 8, kPictureW, kPictureH);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form32_Image1.png"),
                                                     QSize(kPictureW, kPictureH))));

    for (int k = 0; k < 2; ++k) {
        Label1[k] = new QLabel(QString::fromUtf8(kHeadlines[k]), Picture1);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        Label1[k]->setGeometry(0, 8 + kPictureH + 10, Picture1->width(), 28);
        Label1[k]->setAlignment(Qt::AlignCenter);
        QFont bold = Label1[k]->font();
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 4);
        Label1[k]->setFont(bold);
        QPalette red = Label1[k]->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        Label1[k]->setPalette(red);
        Label1[k]->hide();
    }

    Command1 = NamedButton(this, "Command1", QStringLiteral("继续 >>"), QRect(kWidth - 96, kHeight - 38, 88, 26));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &EarthquakeDialog::Command1_Click);
    // Only the end of the shake closes the window.
    RefuseCloseBox();

    Form_Load();
    Timer1.setInterval(kTimerMs);
    connect(&Timer1, &QTimer::timeout, this, &EarthquakeDialog::Timer1_Timer);
    Timer1.start();
}

void EarthquakeDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    EarthquakeOpened(game());
    const bool major = game().QuakeKind.asInt() == static_cast<int>(QuakeStrength::Major);
    Label1[major ? 1 : 0]->show();
}

void EarthquakeDialog::Command1_Click() {
    Command1->setEnabled(false);
    StartQuakeShake(game());
}

void EarthquakeDialog::Timer1_Timer() {
    if (!QuakeShakeTick(game())) return;
    Timer1.stop();
    accept();
    ShowForm(Window::QuakeDamage, game());
}

void EarthquakeDialog::Form_Unload() {
    Timer1.stop();
    EarthquakeClosed(game());
}
