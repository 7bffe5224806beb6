#include "ui/business/NewsIndexDialog.h"

#include <QBitmap>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/platform/Pictures.h"
#include "state/GameState.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/kit/ClickLabel.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 330;
constexpr int kMargin = 8;
constexpr QSize kMastheadSize(284, 64);
constexpr QSize kPointerSize(16, 16);
// The pointer's hot spot: the fingertip of the pointing hand.
constexpr QPoint kPointerHotSpot(5, 0);

// The titles, top to bottom: the control, its fixed text (the headline's is
// the issue's), the window it opens and its click handler.
struct Title {
    const char* name;
    const char* text;
    Window opens;
    ClickLabel* NewsIndexDialog::*control;
    void (NewsIndexDialog::*click)();
};
constexpr Title kTitles[] = {
    {"Label7", nullptr, Window::HeadlineNews, &NewsIndexDialog::Label7, &NewsIndexDialog::Label7_Click},
    {"Label6", "最近的业界", Window::IndustryNews, &NewsIndexDialog::Label6, &NewsIndexDialog::Label6_Click},
    {"Label5", "本月的店铺", Window::ShopOfMonthNews, &NewsIndexDialog::Label5, &NewsIndexDialog::Label5_Click},
    {"Label4", "杂志TOP10", Window::MagazineTopTen, &NewsIndexDialog::Label4, &NewsIndexDialog::Label4_Click},
    {"Label2", "书籍TOP10", Window::BookTopTen, &NewsIndexDialog::Label2, &NewsIndexDialog::Label2_Click},
};

// The pointer over the titles; its picture's magenta is see-through. A
// missing picture leaves the ordinary pointer.
QCursor TitlePointer() {
    const QImage icon = LoadPicture(QStringLiteral("Graphic/Forms/Form48_MouseIcon.png"), QSize());
    if (icon.size() != kPointerSize) return QCursor(Qt::PointingHandCursor);
    QPixmap pixmap = QPixmap::fromImage(icon);
    pixmap.setMask(QBitmap::fromImage(icon.createMaskFromColor(qRgb(255, 0, 255), Qt::MaskOutColor)));
    return QCursor(pixmap, kPointerHotSpot.x(), kPointerHotSpot.y());
}

}  // namespace

NewsIndexDialog::NewsIndexDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::NewsIndex)));
    setWindowTitle(QStringLiteral("业界新闻"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, 22));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QStringLiteral("== 业界新闻 =="));

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(QRect(QPoint(kMargin, 36), kMastheadSize));
    Picture1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Forms/Form48_Picture1.png"), kMastheadSize)));

    Label8 = new QLabel(this);
    Label8->setObjectName("Label8");
    Label8->setGeometry(kMargin, 106, kWidth - 2 * kMargin, 20);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label1 = new QLabel(QStringLiteral("请点击想阅读的标题"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(kMargin, 130, kWidth - 2 * kMargin, 20);

    const QCursor pointer = TitlePointer();
    int y = 156;
    for (const Title& title : kTitles) {
        auto* t = new ClickLabel(this);
        t->setObjectName(QString::fromLatin1(title.name));
        if (title.text) t->setText(QString::fromUtf8(title.text));
        t->setGeometry(kMargin + 16, y, kWidth - 2 * kMargin - 16, 22);
        QFont f = t->font();
        f.setUnderline(true);
        t->setFont(f);
        QPalette p = t->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 160));
        t->setPalette(p);
        t->setCursor(pointer);
        t->clicked = [this, click = title.click] { (this->*click)(); };
        this->*title.control = t;
        y += 26;
    }

    Command1 = NamedButton(this, "Command1", QStringLiteral("关闭"), QRect(kWidth - kMargin - 81, kHeight - kMargin - 26, 81, 26));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &NewsIndexDialog::Command1_Click);

    Form_Load();
}

void NewsIndexDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);
    Label7->setText(QText(game().HeadlineTitle.asText()));
    Label8->setText(QText(game().NewsIssueTitle.asText()));
}

void NewsIndexDialog::Label7_Click() { ShowForm(kTitles[0].opens, game()); }
void NewsIndexDialog::Label6_Click() { ShowForm(kTitles[1].opens, game()); }
void NewsIndexDialog::Label5_Click() { ShowForm(kTitles[2].opens, game()); }
void NewsIndexDialog::Label4_Click() { ShowForm(kTitles[3].opens, game()); }
void NewsIndexDialog::Label2_Click() { ShowForm(kTitles[4].opens, game()); }

void NewsIndexDialog::Command1_Click() { accept(); }
