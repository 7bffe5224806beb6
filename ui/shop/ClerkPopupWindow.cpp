#include "ui/shop/ClerkPopupWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

#include "ui/platform/WindowRegistry.h"
#include "shop/ClerkPopup.h"
#include "ui/shop/TalkingWindow.h"

namespace {

using talking_window::Pixels;

constexpr int kWidth = 213;   // 3195 twips
constexpr int kHeight = 86;   // 1290 twips

// Where the pop-up stands: this far up and left from the main window's
// lower right corner.
constexpr int kFromBottom = 3200;  // twips
constexpr int kFromRight = 3600;

}  // namespace

ClerkPopupWindow::ClerkPopupWindow(GameState& g) : game_(g) {
    setObjectName("Form46");
    setWindowTitle(QString::fromUtf8(kClerkPopupCaption));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    // A small fixed pop-up that only its own time closes: its frame has a
    // title and no button at all, in the area of child windows too.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Picture1 = talking_window::MakeBalloon(this, Window::ClerkPopup, QPoint(4, (kHeight - talking_window::kBalloonHeight) / 2));
    Label1 = talking_window::MakeBalloonText(Picture1, QString());
    Image1[0] = talking_window::MakeFace(this, QPoint(Pixels(2160), Pixels(240) - 6));

    // The timer runs from the moment the window exists.
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &ClerkPopupWindow::Timer1_Timer);
    Timer1.start();

    Form_Load();
}

void ClerkPopupWindow::Form_Load() {
    const ClerkPopupView v = ClerkPopupOpened(game());
    // A face that cannot be read leaves the face blank; the clerk still
    // speaks.
    talking_window::ShowFace(Image1[0], v.face);
    Label1->setText(QString::fromStdString(v.sentence));
}

void ClerkPopupWindow::Timer1_Timer() {
    if (ClerkPopupTick(game())) CloseItself();
}

QWidget* ClerkPopupWindow::Frame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub ? static_cast<QWidget*>(sub) : this;
}

void ClerkPopupWindow::CloseItself() {
    Timer1.stop();
    closingItself_ = true;
    Frame()->close();
}

void ClerkPopupWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    DisableCloseCommand();
    PlaceNearLowerRight();
}

void ClerkPopupWindow::DisableCloseCommand() {
    // Installed after the window registry's own watcher, so a refused close
    // never reaches it and the window still counts as open.
    installEventFilter(this);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->installEventFilter(this);
        if (QMenu* menu = sub->systemMenu()) {
            for (QAction* a : menu->actions())
                if (a->shortcut() == QKeySequence(QKeySequence::Close)) a->setEnabled(false);
        }
    }
}

void ClerkPopupWindow::PlaceNearLowerRight() {
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

bool ClerkPopupWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Close && !closingItself_) {
        e->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void ClerkPopupWindow::closeEvent(QCloseEvent* e) {
    if (!closingItself_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
