#include "ui/business/GameOverDialog.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "business/GameOver.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"
#include "platform/Platform.h"
#include "ui/platform/ProgramDir.h"
#include "ui/platform/Pictures.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 262;
constexpr int kHeadingHeight = 48;

const char* const kBackground = "Graphic/Forms/Form34_Form.png";
const char* const kHeading = "Graphic/Forms/Form34_Picture1.png";

}  // namespace

GameOverDialog::GameOverDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form34");
    setWindowTitle(QStringLiteral("停止营业"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    // The background pattern, tiled; without its picture the window keeps
    // the button-face colour.
    if (QFile::exists(QString::fromStdString(ProgramFile(kBackground)))) {
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(LoadPicture(kBackground, QSize(32, 32)))));
        setPalette(pal);
    }

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(0, 0, kWidth, kHeadingHeight);
    Picture1->setScaledContents(true);
    Picture1->setPixmap(QPixmap::fromImage(LoadPicture(kHeading, QSize(kWidth, kHeadingHeight))));
    Label2 = new QLabel(QStringLiteral("停止营业"), Picture1);
    Label2->setObjectName("Label2");
    Label2->setGeometry(0, 0, kWidth, kHeadingHeight);
    Label2->setAlignment(Qt::AlignCenter);
    QFont song;
    song.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    song.setPointSize(20);
    song.setBold(true);
    Label2->setFont(song);

    Label1 = new QLabel(QStringLiteral("游戏结束"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 56, kWidth - 32, 18);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    for (int k = 0; k < 4; ++k) {
        auto* t = new QPlainTextEdit(this);
        t->setObjectName(QStringLiteral("Text1_%1").arg(k));
        t->setReadOnly(true);
        t->setLineWrapMode(QPlainTextEdit::NoWrap);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Text1[k] = t;
        if (k == 0) {
            t->setGeometry(16, 80, kWidth - 32, 130);
        } else {
            t->setGeometry(kWidth + 20, 80, kWidth - 32, 130);  // outside the window, never shown
            t->setPlainText(QLines(GameOverText(Value(k))));
            t->hide();
        }
    }

    Command1 = notice_window::MakeCloseButton(this, QRect((kWidth - 81) / 2, 222, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &GameOverDialog::Command1_Click);

    Form_Load();
}

void GameOverDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows. The box
    // takes the text of the element the cause names.
    long long reason = game().GameOverReason.asInt();
    Text1[0]->setPlainText(reason >= 1 && reason <= 3 ? Text1[reason]->toPlainText() : QString());
}

void GameOverDialog::Command1_Click() { accept(); }

void GameOverDialog::Form_Unload() {
    GameOverClosed(game());
    Ui().ShowTitleState(game());
}
