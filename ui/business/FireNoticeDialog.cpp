#include "ui/business/FireNoticeDialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/Fire.h"
#include "ui/platform/Pictures.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 150;
constexpr int kPictureW = 96, kPictureH = 72;

struct FireNotice {
    Window window;
    const char* caption;
    const char* text;
    const char* picture;
    bool endsFire;
};
constexpr FireNotice kNotices[] = {
    {Window::FireDiscovered, "发现火灾", "附近居民发现了火灾!", "Graphic/Forms/Form65_Image1.png", false},
    {Window::FireOut, "灭火", "火灾在全部烧尽后熄灭了……", "Graphic/Forms/Form64_Image1.png", true},
    {Window::FireBrigade, "灭火", "呼叫消防车将火灾熄灭了。", "Graphic/Forms/Form66_Image1.png", true},
};

const FireNotice& NoticeOf(Window w) {
    for (const FireNotice& n : kNotices)
        if (n.window == w) return n;
    return kNotices[0];
}

}  // namespace

FireNoticeDialog::FireNoticeDialog(GameState& g, Window which) : ModalDialog(g) {
    const FireNotice& notice = NoticeOf(which);
    endsFire_ = notice.endsFire;
    setObjectName(QString::fromStdString(WindowObjectName(notice.window)));
    setWindowTitle(QString::fromUtf8(notice.caption));
    setFixedSize(kWidth, kHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(14, 16, kPictureW, kPictureH);
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QString::fromLatin1(notice.picture), QSize(kPictureW, kPictureH))));

    Label1 = new QLabel(QString::fromUtf8(notice.text), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(24 + kPictureW, 16, kWidth - kPictureW - 34, kPictureH);
    Label1->setWordWrap(true);

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, kHeight - 40, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &FireNoticeDialog::Command1_Click);
    // Centring and holding the clock happen as the dialog shows.
}

void FireNoticeDialog::Command1_Click() { accept(); }

void FireNoticeDialog::Form_Unload() {
    if (endsFire_) EndFire(game());
}
