#include "ui/platform/WindowRegistry.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <vector>

#include "state/GameState.h"

namespace {

QPointer<QWidget> g_main;
QPointer<QMdiArea> g_area;

struct Entry {
    WindowInfo info;
    QPointer<QWidget> window;
};
QMap<Window, Entry>& Registry() {
    static QMap<Window, Entry> r;
    return r;
}

// The windows UnloadAllForms leaves alone: the new-game dialog closes
// itself, and the clerk's message goes when its own time is up.
bool StaysOnUnload(Window w) { return w == Window::NewGame || w == Window::ClerkPopup; }

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

// Every report window lays itself out again when one of its texts changes,
// and Qt hands each such request on up to the area of child windows, which
// then repaints itself whole, both scroll bars and the floor view included
// (several times a second while the game runs). A request after which no
// child window asks for another size or stands elsewhere changes nothing
// for the area and is dropped.
class AreaLayoutRequests : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::LayoutRequest) return false;
        std::vector<Child> now;
        for (QObject* c : o->children())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(c))
                now.push_back({sub, sub->isVisible(), sub->geometry(), sub->sizeHint(), sub->minimumSizeHint(),
                               sub->minimumSize(), sub->maximumSize()});
        if (now == last_) return true;
        last_ = std::move(now);
        return false;
    }

private:
    struct Child {
        const QObject* window;
        bool visible;
        QRect geometry;
        QSize hint, minimumHint, minimum, maximum;
        bool operator==(const Child&) const = default;
    };
    std::vector<Child> last_;
};

// The frame a child window gets in the area: the one it chose for itself
// (which title-bar buttons it offers), else the area's usual one.
Qt::WindowFlags FrameInArea(const QWidget* w) {
    const Qt::WindowFlags own = w->windowFlags();
    if (!(own & Qt::CustomizeWindowHint)) return {};
    return Qt::SubWindow | (own & ~Qt::WindowType_Mask);
}

// A child window the game shows comes in front of the others, a maximised
// one too, and becomes the active one; one that is minimised stays so.
void ToTheFront(QWidget* w) {
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : w;
    frame->show();
    frame->raise();
    if (sub && g_area)
        g_area->setActiveSubWindow(sub);
    else
        frame->activateWindow();
}

// A close that the window refused (the clerk's pop-up refuses the player's)
// leaves it shown, so it still counts as open.
bool Closed(QWidget* w) { return w->property("qmClosed").toBool() && w->isHidden(); }

}  // namespace

QWidget* MainWidget() { return g_main; }
QMdiArea* MainMdiArea() { return g_area; }
void SetMainWindow(QWidget* main, QMdiArea* area) {
    g_main = main;
    g_area = area;
    if (!area) return;
    // A maximised child stays the only one: the windows that open or come
    // forward after it keep their own size.
    area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    // A child that reaches past the area's edge (the information window
    // below the floor view, in the main window's first size) can be
    // scrolled into sight.
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (!area->property("qmLayoutRequestsFiltered").toBool()) {
        area->viewport()->installEventFilter(new AreaLayoutRequests(area));
        area->setProperty("qmLayoutRequestsFiltered", true);
    }
}

void RegisterWindow(const WindowInfo& info) { Registry()[info.window] = Entry{info, nullptr}; }
bool IsWindowBuilt(Window w) { return Registry().contains(w); }

QWidget* OpenForm(Window w) {
    auto it = Registry().find(w);
    if (it == Registry().end() || !it->window || Closed(it->window)) return nullptr;
    return it->window.data();
}
bool IsFormOpen(Window w) { return OpenForm(w) != nullptr; }

bool ShowForm(Window w, GameState& g) {
    auto it = Registry().find(w);
    if (it == Registry().end()) return false;
    Entry& e = *it;
    if (e.info.modal) {
        if (e.window && !Closed(e.window)) return true;  // already up (a dialog never opens twice)
        QWidget* made = e.info.create(g);
        e.window = made;
        if (auto* dlg = qobject_cast<QDialog*>(made)) {
            dlg->exec();
            // Closed now; deleted once the event loop is back (see CloseForm).
            dlg->setProperty("qmClosed", true);
            dlg->deleteLater();
        }
        return true;
    }
    if (!e.window || Closed(e.window)) {
        QWidget* made = e.info.create(g);
        made->setAttribute(Qt::WA_DeleteOnClose);
        made->installEventFilter(new CloseWatcher(made));
        e.window = made;
        if (g_area) {
            QMdiSubWindow* sub = g_area->addSubWindow(made, FrameInArea(made));
            sub->setAttribute(Qt::WA_DeleteOnClose);
            sub->setWindowIcon(made->windowIcon());
            sub->show();
        } else {
            made->show();
        }
    }
    ToTheFront(e.window);
    return true;
}

void CloseForm(Window w) {
    QWidget* open = OpenForm(w);
    if (!open) return;
    if (auto* dlg = qobject_cast<QDialog*>(open)) {
        dlg->reject();
        return;
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : open;
    frame->close();
    // Closed, the window is gone for the game at once: it is hidden, its
    // closing step has run, and a window opened next is a fresh one. It is
    // deleted only once the event loop is back, since the call that closed
    // it may have come from inside it or from a window it is still drawing
    // for (a game over closes every window from inside the clock's tick).
    if (Closed(open) || frame->isHidden()) frame->deleteLater();
}

void UnloadAllForms() {
    // QMap keeps its keys in order: the windows close by their numbers.
    const QList<Window> built = Registry().keys();
    for (Window w : built)
        if (!StaysOnUnload(w)) CloseForm(w);
}

void ToggleReportWindow(Window w, GameState& g) {
    QWidget* open = OpenForm(w);
    if (g.WindowOpen[WindowNumber(w)].asInt() == 0 || !open) {
        ShowForm(w, g);
        return;
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : open;
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
