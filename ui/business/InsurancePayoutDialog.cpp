#include "ui/business/InsurancePayoutDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/Insurance.h"
#include "ui/platform/Pictures.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 160;
constexpr int kPicture = 64;

}  // namespace

InsurancePayoutDialog::InsurancePayoutDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form61");
    setWindowTitle(QStringLiteral("购买了保险"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 购买保险金 =="));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(14, 40, kPicture, kPicture);
    // The insurance dialog's picture: the same insurer pays.
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form18_Image1.png"),
                                                     QSize(kPicture, kPicture))));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(90, 40, kWidth - 100, kPicture);
    Label1->setWordWrap(true);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, kHeight - 40, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &InsurancePayoutDialog::Command1_Click);

    Form_Load();
}

void InsurancePayoutDialog::Form_Load() {
    // Centring happens as the dialog shows. The money is booked now, as the
    // window opens, not when it closes.
    notice_window::PaintHeadingBand(Shape1[0]);
    Label1->setText(QText(PayoutFor(game()).text));
    InsurancePayoutOpened(game());
}

void InsurancePayoutDialog::Command1_Click() { accept(); }
