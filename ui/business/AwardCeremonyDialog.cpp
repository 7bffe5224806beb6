#include "ui/business/AwardCeremonyDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "business/Awards.h"
#include "platform/Window.h"
#include "ui/platform/Pictures.h"
#include "ui/kit/ClickLabel.h"
#include "ui/kit/Controls.h"

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 400;
constexpr int kMargin = 8;

// The pictures: the stage, the audience and the host's two face frames.
constexpr QSize kStageSize(256, 150);
constexpr QSize kAudienceSize(176, 72);
constexpr QSize kFaceSize(64, 64);
const QString kStagePicture = QStringLiteral("Graphic/Forms/Form22_Image2.png");
const QString kAudiencePicture = QStringLiteral("Graphic/Forms/Form22_Image3.png");
QString FacePicture(int frame) { return QStringLiteral("Graphic/Forms/Form22_Image1_%1.png").arg(frame); }

// The board, right of the stage: one row per award, top to bottom.
constexpr int kBoardLeft = 276;
constexpr int kBoardTop = 44;
constexpr int kBoardStep = 36;
constexpr int kBoxWidth = 72;
constexpr int kRowHeight = 26;

const QColor kBoardBlue(0, 128, 255);
const QColor kPlayerRed(255, 0, 0);

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

QFrame* Panel(QWidget* parent, const char* name, QRect at, QFrame::Shape shape) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(at);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setAutoFillBackground(true);
    Paint(f, QPalette::Window, Qt::white);
    return f;
}

ClickLabel* Picture(QWidget* parent, const QString& name, QRect at, const QString& file) {
    auto* l = new ClickLabel(parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setScaledContents(true);
    l->setPixmap(QPixmap::fromImage(LoadPicture(file, at.size())));
    return l;
}

}  // namespace

AwardCeremonyDialog::AwardCeremonyDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::AwardCeremony)));
    setWindowTitle(QStringLiteral("全日本 书店评选"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    // Only "结束" closes the ceremony, and only once the script has ended.
    RefuseCloseBox();

    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, 28);
    Label3->setAlignment(Qt::AlignCenter);
    QFont title = Label3->font();
    title.setPointSize(title.pointSize() + 5);
    title.setBold(true);
    Label3->setFont(title);

    // The stage, the host and the audience.
    Image2 = Picture(this, "Image2", QRect(QPoint(kMargin, kBoardTop), kStageSize), kStagePicture);
    Image2->clicked = [this] { Image2_Click(); };
    const int lowerRow = kBoardTop + kStageSize.height() + 6;
    Picture2 = Panel(this, "Picture2", QRect(kMargin, lowerRow, kFaceSize.width() + 4, kFaceSize.height() + 4),
                     QFrame::Panel);
    for (int k = 0; k < 3; ++k) {
        Image1[k] = Picture(Picture2, QStringLiteral("Image1_%1").arg(k), QRect(QPoint(2, 2), kFaceSize),
                            FacePicture(k == 0 ? 1 : k));
        Image1[k]->setVisible(k == 0);  // 1 and 2 only hold the frames
        Image1[k]->clicked = [this] { Image1_Click(); };
    }
    Image3 = Picture(this, "Image3", QRect(QPoint(kMargin + kFaceSize.width() + 16, lowerRow), kAudienceSize),
                     kAudiencePicture);
    Image3->pressed = [this](Qt::MouseButton) { Image3_MouseDown(); };

    // The board.
    for (const BoardRow& row : kBoard) {
        const int r = static_cast<int>(&row - kBoard.data());
        const int top = kBoardTop + r * kBoardStep;
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("Shape1_%1").arg(row.index));
        box->setGeometry(kBoardLeft, top, kBoxWidth, kRowHeight);
        box->setFrameShape(QFrame::Box);
        box->setAutoFillBackground(true);
        Shape1[row.index] = box;

        auto* name = new QLabel(QString::fromUtf8(row.name), box);
        name->setObjectName(QStringLiteral("Label2_%1").arg(row.index));
        name->setGeometry(box->rect());
        name->setAlignment(Qt::AlignCenter);
        Paint(name, QPalette::WindowText, Qt::white);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        Label2[row.index] = name;

        auto* winner = new QLabel(this);
        winner->setObjectName(QStringLiteral("Label_%1").arg(row.index));
        winner->setGeometry(kBoardLeft + kBoxWidth + 6, top, kWidth - kMargin - kBoardLeft - kBoxWidth - 6, kRowHeight);
        winner->setFrameShape(QFrame::Panel);
        winner->setFrameShadow(QFrame::Sunken);
        winner->setAutoFillBackground(true);
        winner->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        winner->setIndent(6);
        Paint(winner, QPalette::Window, Qt::white);
        Label[row.index] = winner;
    }

    // The speech area.
    const int speechTop = lowerRow + kAudienceSize.height() + 8;
    Picture1 = Panel(this, "Picture1", QRect(kMargin, speechTop, kWidth - 2 * kMargin, 84), QFrame::Panel);
    Label1 = new ClickLabel(Picture1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 4, Picture1->width() - 16, 44);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->clicked = [this] { Label1_Click(); };
    Label5 = new QLabel(Picture1);
    Label5->setObjectName("Label5");
    Label5->setGeometry(8, 34, Picture1->width() - 16, 44);
    Label5->setAlignment(Qt::AlignCenter);
    QFont big = Label5->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    Label5->setFont(big);
    // Clicks on the big name go to the speech under it.
    Label5->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int bottom = speechTop + Picture1->height() + 8;
    Label4 = new QLabel(this);
    Label4->setObjectName("Label4");
    Label4->setGeometry(kMargin, bottom, 320, 26);
    Command1 = NamedButton(this, "Command1", QStringLiteral("结束"), QRect(kWidth - kMargin - 88, bottom, 88, 28));
    Command1->setAutoDefault(false);
    Command1->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, &AwardCeremonyDialog::Command1_Click);

    Form_Load();

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &AwardCeremonyDialog::Timer1_Timer);
    Timer1.start();
}

void AwardCeremonyDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    for (QFrame* box : Shape1) Paint(box, QPalette::Window, kBoardBlue);
    GameState& g = game();
    CeremonyStarts(g);
    setWindowTitle(QText(CeremonyCaption(g)));
    Label3->setText(QText(CeremonyTitle(g)));
}

void AwardCeremonyDialog::Timer1_Timer() {
    CeremonyTick(game(), show_);
    ShowScript();
}

void AwardCeremonyDialog::ShowScript() {
    Label1->setText(QText(show_.speech));
    Label5->setText(QText(show_.spotlight));
    Label4->setText(QText(show_.prompt));
    for (const BoardRow& row : kBoard) {
        QLabel* l = Label[row.index];
        l->setText(QText(show_.board[row.index]));
        Paint(l, QPalette::WindowText, show_.boardRed[row.index] ? kPlayerRed : QColor(Qt::black));
    }
    const int frame = show_.faceFrame == 2 ? 2 : 1;
    Image1[0]->setPixmap(Image1[frame]->pixmap());
    Command1->setEnabled(show_.closeEnabled);
}

void AwardCeremonyDialog::Advance() { CeremonyAdvance(game()); }

void AwardCeremonyDialog::Form_KeyPress() { Advance(); }
void AwardCeremonyDialog::Image1_Click() { Advance(); }
void AwardCeremonyDialog::Image2_Click() { Advance(); }
void AwardCeremonyDialog::Image3_MouseDown() { Advance(); }
void AwardCeremonyDialog::Label1_Click() { Advance(); }

void AwardCeremonyDialog::keyPressEvent(QKeyEvent* e) {
    // Every key moves the script on, Escape and Enter too: neither closes
    // the ceremony nor presses "结束".
    e->accept();
    Form_KeyPress();
}

void AwardCeremonyDialog::Command1_Click() { accept(); }

void AwardCeremonyDialog::Form_Unload() {
    Timer1.stop();
    CeremonyClosed(game());
}
