#include "ui/shop/ReadingPolicyDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "ui/platform/Pictures.h"
#include "shop/ReadingPolicy.h"
#include "ui/kit/Controls.h"
#include "ui/shop/HireClerkDialog.h"

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 300;
constexpr int kFrameHeight = 76;
constexpr int kPictureWidth = 80;
constexpr int kPictureHeight = 60;

}  // namespace

ReadingPolicyDialog::ReadingPolicyDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form62");
    setWindowTitle(QString::fromUtf8(kReadingPolicyCaption));
    setFixedSize(kWidth, kHeight);

    Shape1 = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1, QString::fromUtf8(kReadingPolicyHeading));

    for (int k = 0; k < 3; ++k) {
        const ReadingRuleRow& rule = kReadingRules[k];
        Frame[k] = new QGroupBox(this);
        Frame[k]->setObjectName(QStringLiteral("Frame%1").arg(k + 1));
        Frame[k]->setGeometry(10, 28 + k * (kFrameHeight + 4), kWidth - 20, kFrameHeight);
        // A missing picture leaves its box blank.
        Image1[k] = new QLabel(Frame[k]);
        Image1[k]->setObjectName(QStringLiteral("Image1_%1").arg(k));
        Image1[k]->setGeometry(8, (kFrameHeight - kPictureHeight) / 2 + 2, kPictureWidth, kPictureHeight);
        Image1[k]->setPixmap(QPixmap::fromImage(
            LoadPicture(QString::fromUtf8(rule.picture), QSize(kPictureWidth, kPictureHeight))));
        Option[k + 1] = new QRadioButton(QString::fromUtf8(kCarryOutCaption), Frame[k]);
        Option[k + 1]->setObjectName(QStringLiteral("Option%1").arg(k + 1));
        Option[k + 1]->setGeometry(kPictureWidth + 20, 12, 80, 20);
        Label1[k] = MakeCaption(Frame[k], QString::fromUtf8(rule.text),
                                QRect(kPictureWidth + 20, 36, kWidth - 20 - kPictureWidth - 30, 32));
        Label1[k]->setWordWrap(true);
    }
    // The three options are one choice although each sits in its own frame.
    auto* policies = new QButtonGroup(this);
    for (int k = 1; k <= 3; ++k) policies->addButton(Option[k]);

    Command1 = NamedButton(this, "Command1", QStringLiteral("确定"), QRect(kWidth - 186, kHeight - 34, 84, 25));
    Command1->setDefault(true);
    Command2 = NamedButton(this, "Command2", QStringLiteral("取消"), QRect(kWidth - 94, kHeight - 34, 84, 25));
    connect(Command1, &QPushButton::clicked, this, &ReadingPolicyDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ReadingPolicyDialog::Command2_Click);

    Form_Load();
}

void ReadingPolicyDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const int choice = ReadingRuleChoiceFor(game().StandingReadingPolicy);
    if (choice >= 0) Option[choice + 1]->setChecked(true);
}

void ReadingPolicyDialog::Command1_Click() {
    int choice = -1;
    for (int k = 1; k <= 3; ++k)
        if (Option[k]->isChecked()) choice = k - 1;
    SetReadingPolicy(game(), choice);
    accept();
}

void ReadingPolicyDialog::Command2_Click() { reject(); }
