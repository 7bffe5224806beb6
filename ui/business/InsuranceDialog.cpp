#include "ui/business/InsuranceDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "ui/platform/Pictures.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 330;
constexpr int kPicture = 64;
constexpr int kFrameTop = 38, kFrameHeight = 62, kFrameGap = 6;

// The three frames, by InsuranceKind.
struct InsuranceFrame {
    const char* title;
    const char* price;
};
constexpr InsuranceFrame kFrames[kInsuranceKinds] = {
    {"火灾保险", "费用 每月3万円"},
    {"地震保险", "费用 每月3万円"},
    {"受害保险", "费用 每月5万円"},
};

}  // namespace

InsuranceDialog::InsuranceDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form18");
    setWindowTitle(QStringLiteral("参加保险"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 参加哪项保险 =="));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(kWidth - kPicture - 14, kFrameTop + 8, kPicture, kPicture);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form18_Image1.png"),
                                                     QSize(kPicture, kPicture))));

    for (int k = 0; k < kInsuranceKinds; ++k) {
        Frame1[k] = new QGroupBox(QString::fromUtf8(kFrames[k].title), this);
        Frame1[k]->setObjectName(QStringLiteral("Frame1_%1").arg(k));
        Frame1[k]->setGeometry(12, kFrameTop + k * (kFrameHeight + kFrameGap), 220, kFrameHeight);
        // Each frame's pair excludes each other only.
        auto* pair = new QButtonGroup(Frame1[k]);
        for (int j = 0; j < 2; ++j) {
            const int n = 2 * k + 1 + j;
            Option[n] = new QRadioButton(j == 0 ? QStringLiteral("参加") : QStringLiteral("不参加"), Frame1[k]);
            Option[n]->setObjectName(QStringLiteral("Option%1").arg(n));
            Option[n]->setGeometry(12 + j * 70, 20, 68, 18);
            pair->addButton(Option[n]);
            connect(Option[n], &QRadioButton::clicked, this, &InsuranceDialog::Option_Click);
        }
        PriceLabel[k] = new QLabel(QString::fromUtf8(kFrames[k].price), Frame1[k]);
        PriceLabel[k]->setObjectName(QStringLiteral("PriceLabel_%1").arg(k));
        PriceLabel[k]->setGeometry(12, 40, 196, 16);
    }

    TotalLabel = new QLabel(this);
    TotalLabel->setObjectName("TotalLabel");
    TotalLabel->setGeometry(12, kFrameTop + 3 * (kFrameHeight + kFrameGap) + 4, kWidth - 24, 20);

    Command2 = NamedButton(this, "Command2", QStringLiteral("确定"), QRect(kWidth - 176, kHeight - 38, 80, 26));
    Command1 = NamedButton(this, "Command1", QStringLiteral("取消"), QRect(kWidth - 88, kHeight - 38, 80, 26));
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &InsuranceDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &InsuranceDialog::Command2_Click);

    Form_Load();
}

void InsuranceDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    const InsuranceChoices joined = CurrentInsuranceChoices(game());
    for (int k = 0; k < kInsuranceKinds; ++k) Option[2 * k + (joined[k] ? 1 : 2)]->setChecked(true);
    HokenKeisanM();
}

InsuranceChoices InsuranceDialog::Chosen() const {
    InsuranceChoices c{};
    for (int k = 0; k < kInsuranceKinds; ++k) c[k] = Option[2 * k + 1]->isChecked();
    return c;
}

void InsuranceDialog::Option_Click() { HokenKeisanM(); }

void InsuranceDialog::HokenKeisanM() { TotalLabel->setText(QText(InsuranceTotalText(MonthlyPremiumOf(Chosen())))); }

void InsuranceDialog::Command1_Click() { reject(); }

void InsuranceDialog::Command2_Click() {
    ConfirmInsurance(game(), Chosen());
    accept();
}
