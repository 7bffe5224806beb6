#include "ui/main/VersionDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/Window.h"
#include "ui/platform/Pictures.h"
#include "state/GameState.h"

namespace {
constexpr int kWidth = 281;
constexpr int kHeight = 160;
}  // namespace

VersionDialog::VersionDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::Version)));
    setFixedSize(kWidth, kHeight);

    // The heading band, white text on blue.
    Shape1[0] = new QFrame(this);
    Shape1[0]->setGeometry(0, 0, kWidth, 25);
    Shape1[0]->setAutoFillBackground(true);
    QPalette band = Shape1[0]->palette();
    band.setColor(QPalette::Window, QColor(0, 128, 255));
    Shape1[0]->setPalette(band);
    Label3 = new QLabel(QStringLiteral("== 版本信息 =="), this);
    Label3->setGeometry(Shape1[0]->geometry());
    Label3->setAlignment(Qt::AlignCenter);
    QPalette text = Label3->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(text);

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 42, 48, 48);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form2_Image1.png"), QSize(32, 32))));

    Picture1 = new QFrame(this);
    Picture1->setGeometry(76, 38, 189, 60);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Picture1->setPalette(white);
    Label2 = new QLabel(Picture1);
    Label2->setGeometry(10, 8, 170, 20);
    QFont big = Label2->font();
    big.setBold(true);
    Label2->setFont(big);
    Label1 = new QLabel(Picture1);
    Label1->setGeometry(10, 32, 170, 20);

    Command2 = new QPushButton(QStringLiteral("关闭"), this);
    Command2->setGeometry(100, 118, 81, 26);
    Command2->setDefault(true);
    // A second close button lies outside the visible area; it is never seen.
    Command1 = new QPushButton(QStringLiteral("关闭"), this);
    Command1->setGeometry(kWidth + 40, 118, 81, 26);
    connect(Command1, &QPushButton::clicked, this, &VersionDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &VersionDialog::Command2_Click);

    Form_Load();
}

void VersionDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const GameState& g = game();
    setWindowTitle(QString::fromStdString(g.GameTitle.asText()));
    Label1->setText(QStringLiteral("Version ") + QString::fromStdString(g.VersionText.asText()));
    Label2->setText(QString::fromStdString(g.GameTitle.asText()));
}

void VersionDialog::Command1_Click() { accept(); }
void VersionDialog::Command2_Click() { accept(); }
