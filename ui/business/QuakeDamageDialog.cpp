#include "ui/business/QuakeDamageDialog.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "business/Earthquake.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 190;

}  // namespace

QuakeDamageDialog::QuakeDamageDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form47");
    setWindowTitle(QStringLiteral("受害报告"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(8, 8, kWidth - 16, 21));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 受害报告 =="));

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(16, 38, kWidth - 32, 92);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, kHeight - 40, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &QuakeDamageDialog::Command1_Click);

    Form_Load();
}

void QuakeDamageDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    for (const std::string& row : QuakeDamageRows(BreakFacilitiesInQuake(game()))) List1->addItem(QText(row));
}

void QuakeDamageDialog::Command1_Click() { accept(); }

void QuakeDamageDialog::Form_Unload() { QuakeDamageClosed(game()); }
