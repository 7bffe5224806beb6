#include "ui/kit/ModalDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/Platform.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/WindowRegistry.h"

ModalDialog::ModalDialog(GameState& g, QWidget* parent)
    : QDialog(parent ? parent : MainWidget()), game_(g) {
    setModal(true);
    setWindowIcon(GameIcon());
}

ModalDialog::~ModalDialog() { releaseOnce(); }

void ModalDialog::RefuseCloseBox() {
    closeRefused_ = true;
    // A close button that would do nothing is not asked for; the title and
    // the window menu stay.
    Qt::WindowFlags frame = windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    frame &= ~Qt::WindowCloseButtonHint;
    setWindowFlags(frame);
}

void ModalDialog::showEvent(QShowEvent* e) {
    if (!holding_) {
        holding_ = true;
        Ui().HoldClock();
    }
    if (!centred_) {
        centred_ = true;
        QWidget* main = MainWidget();
        QRect around;
        if (main && !main->isMinimized() && main->isVisible())
            around = main->frameGeometry();
        else if (QScreen* s = QGuiApplication::primaryScreen())
            around = s->availableGeometry();
        if (around.isValid()) {
            QRect mine = frameGeometry();
            move(around.left() + (around.width() - mine.width()) / 2,
                 around.top() + (around.height() - mine.height()) / 2);
        }
    }
    QDialog::showEvent(e);
    // The one the player's keys go to, even where no window manager hands
    // a new window the focus.
    activateWindow();
}

void ModalDialog::closeEvent(QCloseEvent* e) {
    // The close box. The dialog's own buttons close it through done(),
    // which is never refused.
    if (closeBoxRefused()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void ModalDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && closeBoxRefused()) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void ModalDialog::done(int r) {
    // The closing step runs once, even when it closes every window itself
    // (the game-over window returns to the title state from here).
    if (unloading_) return;
    unloading_ = true;
    setProperty("qmClosed", true);
    Form_Unload();
    releaseOnce();
    QDialog::done(r);
}

void ModalDialog::releaseOnce() {
    if (!holding_) return;
    holding_ = false;
    Ui().ReleaseClock();
}
