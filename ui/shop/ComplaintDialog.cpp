#include "ui/shop/ComplaintDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/kit/NoticeWindow.h"
#include "shop/Complaints.h"
#include "ui/shop/TalkingWindow.h"

namespace {

using talking_window::Pixels;
QRect Twips(int x, int y, int w, int h) { return QRect(Pixels(x), Pixels(y), Pixels(w), Pixels(h)); }

}  // namespace

ComplaintDialog::ComplaintDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form63");
    setWindowTitle(QString::fromUtf8(kComplaintCaption));
    setFixedSize(Pixels(3360), Pixels(2130));
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, Twips(120, 120, 3135, 255));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QString::fromUtf8(kComplaintHeading));

    Picture1 = talking_window::MakeBalloon(this, Window::Complaint, QPoint(Pixels(240), Pixels(480)));
    Label1 = talking_window::MakeBalloonText(Picture1, QString::fromUtf8(kComplaintText));
    Image1[0] = talking_window::MakeFace(this, QPoint(Pixels(2280), Pixels(600)));

    Label2 = new QLabel(QString::fromUtf8(kComplaintWish), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(Pixels(0), Pixels(1800), Pixels(2295), 16);
    Label2->setAlignment(Qt::AlignCenter);

    Command1 = notice_window::MakeCloseButton(this, Twips(2280, 1680, 975, 375));
    connect(Command1, &QPushButton::clicked, this, &ComplaintDialog::Command1_Click);

    Form_Load();
}

void ComplaintDialog::Form_Load() {
    // Centring (on the screen when the main window is minimised) and holding
    // the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);

    const std::string face = ComplaintOpened(game());
    // A missing face leaves the place of the face empty.
    talking_window::ShowFace(Image1[0], face);
}

void ComplaintDialog::Command1_Click() { accept(); }
