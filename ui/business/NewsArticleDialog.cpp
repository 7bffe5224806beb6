#include "ui/business/NewsArticleDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "ui/platform/Pictures.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 230;
constexpr int kMargin = 8;
constexpr QSize kPictureSize(80, 80);

}  // namespace

NewsArticleDialog::NewsArticleDialog(GameState& g, Window w, const QString& caption) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(w)));
    setWindowTitle(caption);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, 22));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QString());

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(QRect(QPoint(kMargin, 40), kPictureSize));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setScaledContents(true);
    const QString file = QStringLiteral("Graphic/Forms/%1_Picture1.png").arg(objectName());
    Picture1->setPixmap(QPixmap::fromImage(LoadPicture(file, kPictureSize)));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    const int left = kMargin + kPictureSize.width() + 10;
    Label1->setGeometry(left, 40, kWidth - left - kMargin, kHeight - 40 - kMargin);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void NewsArticleDialog::ShowArticle(const std::string& heading, const std::string& text) {
    notice_window::PaintHeadingBand(Shape1[0]);
    Label3->setText(QText(heading));
    QString article = QText(text);
    article.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(article);
}
