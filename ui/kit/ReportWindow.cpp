#include "ui/kit/ReportWindow.h"

#include <QCloseEvent>

#include "ui/platform/Pictures.h"
#include "ui/platform/QtPlatform.h"

ReportWindow::ReportWindow(Window w, Value GameState::*dirty, GameState& g, QWidget* parent)
    : QWidget(parent), window_(w), dirty_(dirty), game_(g) {
    setObjectName(QString::fromStdString(WindowObjectName(w)));
    setWindowIcon(GameIcon());
    setAutoFillBackground(true);
    g.*dirty_ = 1;  // the first firing draws the window
    g.WindowOpen[WindowNumber(w)] = 1;
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &ReportWindow::Fire);
    Timer1.start();
    // The clock's wakes wake the game anyway: the window looks at its flag
    // after the ticks of a wake once its interval has passed since it last
    // looked, and its own timer fires only when no ticks ran for that long.
    if (QtPlatform* qt = QtUi())
        connect(qt, &QtPlatform::ticksRan, this, [this] {
            if (!Timer1.isActive()) return;  // closed
            Timer1.start();
            if (!lastFired_ || Ui().Now() - *lastFired_ >= std::chrono::milliseconds(Timer1.interval())) Fire();
        });
}

void ReportWindow::Fire() {
    lastFired_ = Ui().Now();
    Timer1_Timer();
    emit fired();
}

ReportWindow::~ReportWindow() {
    if (!closed_) game_.WindowOpen[WindowNumber(window_)] = 0;
}

void ReportWindow::Timer1_Timer() {
    if ((game_.*dirty_).asInt() != 1) return;
    game_.*dirty_ = 0;
    Redraw();
}

void ReportWindow::closeEvent(QCloseEvent* e) {
    closed_ = true;
    Timer1.stop();
    game_.WindowOpen[WindowNumber(window_)] = 0;
    QWidget::closeEvent(e);
}
