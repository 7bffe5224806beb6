#include "shop/Form63.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/ProgramDir.h"
#include "platform/qt/Pictures.h"
#include "shop/Complaints.h"
#include "shop/Form46.h"
#include "state/TheGame.h"

namespace {

constexpr int kTwipsPerPixel = 15;
int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
QRect Twips(int x, int y, int w, int h) { return QRect(Pixels(x), Pixels(y), Pixels(w), Pixels(h)); }

const QColor kHeadingBlue(0, 128, 255);
constexpr int kFaceSize = 65;

}  // namespace

Form63::Form63() {
    setObjectName("Form63");
    setWindowTitle(QString::fromUtf8(kComplaintCaption));
    setFixedSize(Pixels(3360), Pixels(2130));
    setAutoFillBackground(true);

    Shape1[0] = new QFrame(this);
    Shape1[0]->setObjectName("Shape1_0");
    Shape1[0]->setGeometry(Twips(120, 120, 3135, 255));
    Shape1[0]->setAutoFillBackground(true);

    Label3 = new QLabel(QString::fromUtf8(kComplaintHeading), this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(Shape1[0]->geometry());
    Label3->setAlignment(Qt::AlignCenter);
    QPalette white = Label3->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(white);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(Twips(240, 480, 1935, 1095));
    Picture1->setPixmap(SpeechBalloon(63));

    Label1 = new QLabel(QString::fromUtf8(kComplaintText), Picture1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Twips(120, 120, 1455, 855));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Image1[0] = new QLabel(this);
    Image1[0]->setObjectName("Image1_0");
    Image1[0]->setGeometry(Twips(2280, 600, 975, 975));
    Image1[0]->setScaledContents(true);

    Label2 = new QLabel(QString::fromUtf8(kComplaintWish), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(Pixels(0), Pixels(1800), Pixels(2295), 16);
    Label2->setAlignment(Qt::AlignCenter);

    Command1 = new QPushButton(QStringLiteral("关闭"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(Twips(2280, 1680, 975, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form63::Command1_Click);

    Form_Load();
}

void Form63::Form_Load() {
    // Centring (on the screen when the main window is minimised) and holding
    // the clock happen as the dialog shows.
    QPalette bar = Shape1[0]->palette();
    bar.setColor(QPalette::Window, kHeadingBlue);
    Shape1[0]->setPalette(bar);

    const std::string face = ComplaintOpened(Game());
    // A missing face leaves the place of the face empty.
    if (QFile::exists(QString::fromStdString(ProgramFile(face))))
        Image1[0]->setPixmap(QPixmap::fromImage(LoadPicture(QString::fromStdString(face), QSize(kFaceSize, kFaceSize))));
}

void Form63::Command1_Click() { accept(); }
