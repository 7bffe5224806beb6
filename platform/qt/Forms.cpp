#include "platform/qt/Forms.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>

#include "platform/GameClock.h"
#include "state/TheGame.h"

namespace {

QPointer<QWidget> g_main;
QPointer<QMdiArea> g_area;

struct Entry {
    FormInfo info;
    QPointer<QWidget> window;
};
QMap<int, Entry>& Registry() {
    static QMap<int, Entry> r;
    return r;
}

// The numbers UnloadAllForms walks: every window but 3 and 46.
constexpr int kUnloadOrder[] = {1,  2,  4,  5,  6,  7,  8,  9,  10, 12, 13, 14, 15, 17, 18, 19,
                                20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                                36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 48, 49, 50, 51, 52,
                                53, 54, 55, 56, 57, 58, 59, 61, 62, 63, 64, 65, 66};

bool GameRunning() { return Game().GameRunning.asInt() == 1; }

// Marks a child window as closed the moment it closes, so the registry never
// hands out a window that is only waiting to be deleted.
class CloseWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Close) o->setProperty("qmClosed", true);
        return false;
    }
};

// A close that the window refused (the clerk's pop-up refuses the player's)
// leaves it shown, so it still counts as open.
bool Closed(QWidget* w) { return w->property("qmClosed").toBool() && w->isHidden(); }

}  // namespace

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text, const QRect& at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

QWidget* MainWidget() { return g_main; }
QMdiArea* MainMdiArea() { return g_area; }
void SetMainWindow(QWidget* main, QMdiArea* area) {
    g_main = main;
    g_area = area;
}

void RegisterForm(const FormInfo& info) { Registry()[info.number] = Entry{info, nullptr}; }
bool IsFormBuilt(int number) { return Registry().contains(number); }

QWidget* OpenForm(int number) {
    auto it = Registry().find(number);
    if (it == Registry().end() || !it->window || Closed(it->window)) return nullptr;
    return it->window.data();
}
bool IsFormOpen(int number) { return OpenForm(number) != nullptr; }

bool ShowForm(int number) {
    auto it = Registry().find(number);
    if (it == Registry().end()) return false;
    Entry& e = *it;
    if (e.info.modal) {
        if (e.window && !Closed(e.window)) return true;  // already up (a dialog never opens twice)
        QWidget* w = e.info.create();
        e.window = w;
        auto* dlg = qobject_cast<QDialog*>(w);
        if (dlg) {
            dlg->setAttribute(Qt::WA_DeleteOnClose);
            dlg->exec();
        }
        return true;
    }
    if (!e.window || Closed(e.window)) {
        QWidget* w = e.info.create();
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->installEventFilter(new CloseWatcher(w));
        e.window = w;
        if (g_area) {
            QMdiSubWindow* sub = g_area->addSubWindow(w);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            sub->setWindowIcon(w->windowIcon());
            sub->show();
        } else {
            w->show();
        }
    } else {
        e.window->show();
    }
    return true;
}

void CloseForm(int number) {
    QWidget* w = OpenForm(number);
    if (!w) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    if (auto* dlg = qobject_cast<QDialog*>(w)) {
        dlg->reject();
        return;
    }
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : w;
    frame->close();
    // Gone at once, so a window opened right after is a fresh one.
    if (Closed(w) || frame->isHidden()) delete frame;
}

void UnloadAllForms() {
    for (int n : kUnloadOrder) CloseForm(n);
}

// ---- ModalDialog ----

ModalDialog::ModalDialog(QWidget* parent) : QDialog(parent ? parent : MainWidget()) {
    setModal(true);
}

ModalDialog::~ModalDialog() { releaseOnce(); }

void ModalDialog::showEvent(QShowEvent* e) {
    if (!holding_) {
        holding_ = true;
        Clock().hold();
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
    Clock().release(GameRunning());
}

// ---- ReportWindow ----

ReportWindow::ReportWindow(int formNumber, Value GameState::*dirty, QWidget* parent)
    : QWidget(parent), number_(formNumber), dirty_(dirty) {
    setAutoFillBackground(true);
    GameState& g = Game();
    g.*dirty_ = 1;  // the first firing draws the window
    g.WindowOpen[number_] = 1;
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &ReportWindow::Timer1_Timer);
    Timer1.start();
}

ReportWindow::~ReportWindow() {
    if (!closed_) Game().WindowOpen[number_] = 0;
}

void ReportWindow::Timer1_Timer() {
    GameState& g = Game();
    if ((g.*dirty_).asInt() != 1) return;
    g.*dirty_ = 0;
    Redraw();
}

void ReportWindow::closeEvent(QCloseEvent* e) {
    closed_ = true;
    Timer1.stop();
    Game().WindowOpen[number_] = 0;
    QWidget::closeEvent(e);
}

void ToggleReportWindow(int number) {
    GameState& g = Game();
    QWidget* w = OpenForm(number);
    if (g.WindowOpen[number].asInt() == 0 || !w) {
        ShowForm(number);
        return;
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : w;
    bool active = g_area && sub && g_area->activeSubWindow() == sub;
    if (active) {
        if (frame->isMinimized())
            frame->showNormal();
        else if (!frame->isMaximized())
            frame->showMinimized();
        return;
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    } else if (g_area && sub) {
        g_area->setActiveSubWindow(sub);
    } else {
        frame->activateWindow();
    }
}
