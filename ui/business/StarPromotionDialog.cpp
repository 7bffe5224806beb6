#include "ui/business/StarPromotionDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/StarNotice.h"
#include "ui/kit/NoticeWindow.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/WindowRegistry.h"

namespace {

constexpr int kWidth = 281;
constexpr int kHeight = 226;
constexpr int kPanelWidth = 265;
constexpr int kPanelHeight = 142;
constexpr int kStarSize = 40;

// The fixed texts of Label1, in reading order.
const char* const kTexts[] = {
    "  您的店铺满足了",
    "星级提升的条件，          ",
    "星级提升了一级。",
    "全日本书店协会",  // the association that grants the stars
};

}  // namespace

StarPromotionDialog::StarPromotionDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form54");
    setWindowTitle(QStringLiteral("星级提升"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kPanelWidth, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QString());

    Picture1 = notice_window::MakeSheet(this, QRect(8, 36, kPanelWidth, kPanelHeight), QFrame::Panel, QFrame::Sunken);

    Starg[0] = new QLabel(Picture1);
    Starg[0]->setObjectName("Starg_0");
    Starg[0]->setGeometry(12, 12, kStarSize, kStarSize);
    Starg[0]->setAlignment(Qt::AlignCenter);
    Starg[0]->setPixmap(QPixmap::fromImage(
        LoadPicture(QStringLiteral("Graphic/Forms/Form54_Starg0.png"), QSize(kStarSize, kStarSize))));

    // A ruled sheet right of the star: the three lines of the message on the
    // first rows, the association's name on the sixth, right-aligned.
    constexpr int kRuleLeft = 64;
    constexpr int kRuleTop = 24;
    constexpr int kRowHeight = 18;
    for (int k = 3; k <= 9; ++k)
        Line1[k] = notice_window::MakeRule(
            Picture1, k, QRect(kRuleLeft, kRuleTop + (k - 3) * kRowHeight, kPanelWidth - kRuleLeft - 10, 1),
            QColor(192, 192, 192));
    const int rows[] = {0, 1, 2, 5};
    for (int k = 0; k < 4; ++k) {
        Label1[k] = new QLabel(QString::fromUtf8(kTexts[k]), Picture1);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        Label1[k]->setGeometry(kRuleLeft, kRuleTop + (rows[k] - 1) * kRowHeight + 1, kPanelWidth - kRuleLeft - 10,
                               kRowHeight - 1);
    }
    Label1[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, 188, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &StarPromotionDialog::Command1_Click);

    Form_Load();
}

void StarPromotionDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    Label3->setText(QString::fromStdString(StarNoticeHeadline(game())));
}

void StarPromotionDialog::showEvent(QShowEvent* e) {
    ModalDialog::showEvent(e);
    // The game runs on while the main window is minimised, so the notice can
    // come up then; it still stands where the main window would be, where
    // other dialogs take the middle of the screen.
    QWidget* main = MainWidget();
    if (main && main->isMinimized()) {
        QRect around = main->normalGeometry().isValid() ? main->normalGeometry() : main->frameGeometry();
        QRect mine = frameGeometry();
        move(around.left() + (around.width() - mine.width()) / 2, around.top() + (around.height() - mine.height()) / 2);
    }
}

void StarPromotionDialog::Command1_Click() { accept(); }

void StarPromotionDialog::Form_Unload() { StarNoticeClosed(game()); }
