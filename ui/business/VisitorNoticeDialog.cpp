#include "ui/business/VisitorNoticeDialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/VisitorNotice.h"
#include "ui/kit/NoticeWindow.h"
#include "ui/platform/Pictures.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr int kPictureWidth = 268;
constexpr int kPictureHeight = 100;

}  // namespace

VisitorNoticeDialog::VisitorNoticeDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form37");
    setWindowTitle(QStringLiteral("1000人突破"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    for (int k = 0; k < 4; ++k) {
        Image1[k] = new QLabel(this);
        Image1[k]->setObjectName(QStringLiteral("Image1_%1").arg(k));
        Image1[k]->setAlignment(Qt::AlignCenter);
        if (k == 0) {
            Image1[k]->setGeometry(16, 16, kPictureWidth, kPictureHeight);
            continue;
        }
        Image1[k]->setGeometry(kWidth + 20, 16 + (k - 1) * (kPictureHeight + 8), kPictureWidth, kPictureHeight);
        Image1[k]->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form37_Image1_%1.png").arg(k),
                                                            QSize(kPictureWidth, kPictureHeight))));
    }

    Label1 = new QLabel(QStringLiteral("前来店铺的顾客人数冲破了1,000人。"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 124, kPictureWidth, 18);
    Label1->setAlignment(Qt::AlignCenter);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, 158, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &VisitorNoticeDialog::Command1_Click);

    Form_Load();
}

void VisitorNoticeDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows; closing
    // only releases the clock. Any other count keeps the window as designed.
    const VisitorMilestone* m = FindVisitorMilestone(game().TotalCustomers);
    if (!m) return;
    Image1[0]->setPixmap(Image1[m->picture]->pixmap());
    Label1->setText(QString::fromUtf8(m->message));
    setWindowTitle(QString::fromUtf8(m->caption));
}

void VisitorNoticeDialog::Command1_Click() { accept(); }
