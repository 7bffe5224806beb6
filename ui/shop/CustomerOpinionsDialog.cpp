#include "ui/shop/CustomerOpinionsDialog.h"

#include <QLabel>
#include <QPushButton>

#include "shop/CustomerOpinions.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"
#include "ui/shop/TalkingWindow.h"

namespace {

using talking_window::Pixels;
QRect Twips(int x, int y, int w, int h) { return QRect(Pixels(x), Pixels(y), Pixels(w), Pixels(h)); }

constexpr int kTypingMs = 100;

}  // namespace

CustomerOpinionsDialog::CustomerOpinionsDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form10");
    setWindowTitle(QString::fromUtf8(kOpinionsCaption));
    setFixedSize(Pixels(3225), Pixels(1740));

    Picture1 = talking_window::MakeBalloon(this, Window::CustomerOpinions, QPoint(Pixels(120), Pixels(240)));
    Label1 = talking_window::MakeBalloonText(Picture1, QString());
    Image1[0] = talking_window::MakeFace(this, QPoint(Pixels(2160), Pixels(240)));

    Command1 = notice_window::MakeCloseButton(this, Twips(2040, 1320, 1095, 375));
    connect(Command1, &QPushButton::clicked, this, &CustomerOpinionsDialog::Command1_Click);

    Timer1.setInterval(kTypingMs);
    connect(&Timer1, &QTimer::timeout, this, &CustomerOpinionsDialog::Timer1_Timer);

    Form_Load();
}

void CustomerOpinionsDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    OpenCustomerOpinions(g);
    // A face picture that is missing leaves the box blank.
    talking_window::ShowFace(Image1[0], OpinionFacePicture(g, false));
    Label1->clear();
    Timer1.start();
}

void CustomerOpinionsDialog::Timer1_Timer() {
    GameState& g = game();
    const TypedFrame f = TypeOpinion(g);
    Label1->setText(QText(f.shown));
    if (f.mouth != Mouth::AsItWas) talking_window::ShowFace(Image1[0], OpinionFacePicture(g, f.mouth == Mouth::Open));
}

void CustomerOpinionsDialog::Command1_Click() { accept(); }

void CustomerOpinionsDialog::Form_Unload() {
    Timer1.stop();
    CustomerOpinionsClosed(game());
}
