#include "ui/business/AdvertisingDialog.h"

#include <QButtonGroup>
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
constexpr int kHeight = 236;
constexpr int kMargin = 8;
constexpr QSize kPictureSize(128, 128);
constexpr int kMediumCount = static_cast<int>(kMedia.size());

}  // namespace

AdvertisingDialog::AdvertisingDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::Advertising)));
    setWindowTitle(QStringLiteral("店铺的宣传"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, 22));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 进行店铺的宣传 =="));

    Frame1 = new QGroupBox(QStringLiteral("宣传的媒体"), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(kMargin, 38, 160, 152);
    auto* media = new QButtonGroup(this);
    for (const MediumRow& m : kMedia) {
        const int k = static_cast<int>(m.medium);
        auto* o = new QRadioButton(QString::fromUtf8(m.caption), Frame1);
        o->setObjectName(QStringLiteral("Option%1").arg(k));
        o->setGeometry(12, 22 + 21 * (k - 1), 140, 20);
        media->addButton(o);
        connect(o, &QRadioButton::clicked, this, [this, k] { Option_Click(k); });
        Option[k] = o;
    }

    // The shown picture, and the six it takes its picture from.
    const QRect picture(QPoint(kWidth - kMargin - kPictureSize.width(), 46), kPictureSize);
    for (int k = 0; k <= kMediumCount; ++k) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Image1_%1").arg(k));
        l->setGeometry(picture);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        if (k > 0) {
            const QString file = QStringLiteral("Graphic/Forms/Form39_Image1_%1.png").arg(k);
            l->setPixmap(QPixmap::fromImage(LoadPicture(file, kPictureSize)));
            l->hide();
        }
        Image1[k] = l;
    }

    Command1 = NamedButton(this, "Command1", QStringLiteral("确定"), QRect(kWidth - kMargin - 172, kHeight - kMargin - 28, 82, 28));
    Command2 = NamedButton(this, "Command2", QStringLiteral("取消"), QRect(kWidth - kMargin - 82, kHeight - kMargin - 28, 82, 28));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AdvertisingDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AdvertisingDialog::Command2_Click);

    Form_Load();
}

void AdvertisingDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    Option[static_cast<int>(AdvertisingMedium::Posters)]->setChecked(true);
    Option_Click(static_cast<int>(AdvertisingMedium::Posters));
}

void AdvertisingDialog::Option_Click(int k) { Image1[0]->setPixmap(Image1[k]->pixmap()); }

AdvertisingMedium AdvertisingDialog::medium() const {
    for (int k = 1; k <= kMediumCount; ++k)
        if (Option[k]->isChecked()) return static_cast<AdvertisingMedium>(k);
    return AdvertisingMedium::Posters;
}

void AdvertisingDialog::Command1_Click() {
    AdvertiseWith(game(), medium());
    accept();
}

void AdvertisingDialog::Command2_Click() { reject(); }
