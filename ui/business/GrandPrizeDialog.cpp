#include "ui/business/GrandPrizeDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "business/GrandPrize.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 300;
constexpr int kSheetWidth = 284;
constexpr int kSheetHeight = 220;

// The certificate's lines, top to bottom: the Label1 element, its text (the
// owner line is filled at opening), where it stands and how it is set.
struct SheetLine {
    int element;
    const char* text;
    int top;
    int height;
    Qt::Alignment align;
    bool headline;
};
const SheetLine kLines[] = {
    {0, "大奖", 8, 34, Qt::AlignCenter, true},
    {1, "", 50, 20, Qt::AlignCenter, false},
    {2, "  您的店铺在全日本书店评选中", 80, 20, Qt::AlignLeft | Qt::AlignVCenter, false},
    {4, "获得了大奖，", 102, 20, Qt::AlignLeft | Qt::AlignVCenter, false},
    {5, "因此送来奖金1000万円和这个奖状", 124, 20, Qt::AlignLeft | Qt::AlignVCenter, false},
    {6, "。", 146, 20, Qt::AlignLeft | Qt::AlignVCenter, false},
    {3, "全日本书店协会", 186, 20, Qt::AlignRight | Qt::AlignVCenter, false},
};

}  // namespace

GrandPrizeDialog::GrandPrizeDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form58");
    setWindowTitle(QStringLiteral("获得大奖"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kSheetWidth, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 获得了大奖 =="));

    Picture1 = notice_window::MakeSheet(this, QRect(8, 36, kSheetWidth, kSheetHeight), QFrame::Panel, QFrame::Sunken);

    constexpr int kMargin = 12;
    for (const SheetLine& row : kLines) {
        auto* label = new QLabel(QString::fromUtf8(row.text), Picture1);
        label->setObjectName(QStringLiteral("Label1_%1").arg(row.element));
        label->setGeometry(kMargin, row.top, kSheetWidth - 2 * kMargin, row.height);
        label->setAlignment(row.align);
        if (row.headline) {
            QFont big = label->font();
            big.setPointSize(20);
            big.setBold(true);
            label->setFont(big);
        }
        Label1[row.element] = label;

        Line1[row.element] = notice_window::MakeRule(
            Picture1, row.element, QRect(kMargin, row.top + row.height, kSheetWidth - 2 * kMargin, 1),
            QColor(128, 128, 128));
    }

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, 264, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &GrandPrizeDialog::Command1_Click);

    Form_Load();
}

void GrandPrizeDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    Label1[1]->setText(QString::fromStdString(CertificateOwnerLine(game())));
}

void GrandPrizeDialog::Command1_Click() { accept(); }

void GrandPrizeDialog::Form_Unload() { GrandPrizeCertificateClosed(game()); }
