#include "shop/Form46.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/ProgramDir.h"
#include "platform/qt/Forms.h"
#include "platform/qt/Pictures.h"
#include "shop/ClerkPopup.h"
#include "state/TheGame.h"

namespace {

constexpr int kTwipsPerPixel = 15;
int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

constexpr int kWidth = 213;   // 3195 twips
constexpr int kHeight = 86;   // 1290 twips
constexpr int kBalloonWidth = 129;
constexpr int kBalloonHeight = 73;
constexpr int kFaceSize = 65;  // 975 twips

// Where the pop-up stands: this far up and left from the main window's
// lower right corner.
constexpr int kFromBottom = 3200;  // twips
constexpr int kFromRight = 3600;

bool PictureExists(const std::string& relative) { return QFile::exists(QString::fromStdString(ProgramFile(relative))); }

QPixmap DrawBalloon() {
    QPixmap pm(kBalloonWidth, kBalloonHeight);
    pm.fill(QPalette().color(QPalette::Window));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 1.5, kBalloonWidth - 14, kBalloonHeight - 3), 10, 10);
    QPainterPath tail;
    const double right = kBalloonWidth - 12.5;
    tail.moveTo(right - 2, 24);
    tail.lineTo(kBalloonWidth - 1.5, 30);
    tail.lineTo(right - 2, 36);
    tail.closeSubpath();
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(body.united(tail));
    return pm;
}

}  // namespace

QPixmap SpeechBalloon(int formNumber) {
    const std::string file = "Graphic/Forms/Form" + std::to_string(formNumber) + "_Picture1.png";
    if (!PictureExists(file)) return DrawBalloon();
    return QPixmap::fromImage(LoadPicture(QString::fromStdString(file), QSize(kBalloonWidth, kBalloonHeight)));
}

Form46::Form46() {
    setObjectName("Form46");
    setWindowTitle(QString::fromUtf8(kClerkPopupCaption));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    // Standing alone (no child-window area), its frame has no close button;
    // inside the area the frame comes from the area.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(4, (kHeight - kBalloonHeight) / 2, kBalloonWidth, kBalloonHeight);
    Picture1->setPixmap(SpeechBalloon(46));

    Label1 = new QLabel(Picture1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Pixels(120), Pixels(120), Pixels(1455), Pixels(855));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Image1[0] = new QLabel(this);
    Image1[0]->setObjectName("Image1_0");
    Image1[0]->setGeometry(Pixels(2160), Pixels(240) - 6, kFaceSize, kFaceSize);
    Image1[0]->setScaledContents(true);

    // The timer runs from the moment the window exists.
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &Form46::Timer1_Timer);
    Timer1.start();

    Form_Load();
}

void Form46::Form_Load() {
    const ClerkPopupView v = ClerkPopupOpened(Game());
    // A face that cannot be read leaves the face blank; the clerk still
    // speaks.
    if (PictureExists(v.face))
        Image1[0]->setPixmap(
            QPixmap::fromImage(LoadPicture(QString::fromStdString(v.face), QSize(kFaceSize, kFaceSize))));
    Label1->setText(QString::fromStdString(v.sentence));
}

void Form46::Timer1_Timer() {
    if (ClerkPopupTick(Game())) CloseItself();
}

QWidget* Form46::Frame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub ? static_cast<QWidget*>(sub) : this;
}

void Form46::CloseItself() {
    Timer1.stop();
    closingItself_ = true;
    Frame()->close();
}

void Form46::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    DisableCloseCommand();
    PlaceNearLowerRight();
}

void Form46::DisableCloseCommand() {
    // Installed after the window registry's own watcher, so a refused close
    // never reaches it and the window still counts as open.
    installEventFilter(this);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // A small fixed pop-up: a title and the window menu, nothing to
        // minimise, maximise or resize.
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
        sub->installEventFilter(this);
        if (QMenu* menu = sub->systemMenu()) {
            for (QAction* a : menu->actions())
                if (a->shortcut() == QKeySequence(QKeySequence::Close)) a->setEnabled(false);
        }
    }
}

void Form46::PlaceNearLowerRight() {
    QWidget* main = MainWidget();
    if (!main) return;
    QPoint at(main->width() - Pixels(kFromRight), main->height() - Pixels(kFromBottom));
    QWidget* frame = Frame();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
        // Kept inside the area that holds it.
        if (QWidget* area = sub->parentWidget()) {
            at.setX(std::max(0, std::min(at.x(), area->width() - sub->width())));
            at.setY(std::max(0, std::min(at.y(), area->height() - sub->height())));
        }
    }
    frame->move(at);
}

bool Form46::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Close && !closingItself_) {
        e->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void Form46::closeEvent(QCloseEvent* e) {
    if (!closingItself_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
