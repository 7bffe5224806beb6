#include "ui/business/RobberyDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/Robbery.h"
#include "ui/platform/Pictures.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 150;
constexpr int kFace = 64;

}  // namespace

RobberyDialog::RobberyDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form35");
    setWindowTitle(QStringLiteral("遭遇抢劫"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 遭遇抢劫 =="));

    // The person window's portrait of the robber with his sack.
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(14, 38, kFace, kFace);
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form8_Image2.png"),
                                                     QSize(kFace, kFace))));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(90, 38, kWidth - 100, kFace);
    Label1->setWordWrap(true);

    Command1 = NamedButton(this, "Command1", QStringLiteral("付钱"), QRect(kWidth - 176, kHeight - 38, 80, 26));
    Command2 = NamedButton(this, "Command2", QStringLiteral("不付钱"), QRect(kWidth - 88, kHeight - 38, 80, 26));
    Command1->setDefault(true);  // Enter pays: never the risky answer by accident
    connect(Command1, &QPushButton::clicked, this, &RobberyDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RobberyDialog::Command2_Click);
    RefuseCloseBox();

    Form_Load();
}

void RobberyDialog::Form_Load() {
    // Centring (on the screen when the main window is minimised) and holding
    // the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    RobberyOpened(game());
    Label1->setText(QText(RobberyDemandText(game())));
}

void RobberyDialog::Command1_Click() {
    // The damage insurance's payout opens over this window, then it closes.
    PayRobber(game());
    accept();
}

void RobberyDialog::Command2_Click() {
    // A fatal refusal leaves GameOverReason set; the tick that opened this
    // window opens the game-over window at its end.
    RefuseRobber(game());
    accept();
}
