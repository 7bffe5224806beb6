#pragma once
// The behaviour every report window shares: a child of the main window,
// carrying the game's icon, with its own 100 ms timer that redraws when the
// window's redraw flag is 1 (at most once an interval, also when the clock's
// ticks bring the look), and a WindowOpen entry that is 1 while it is open.
#include <QTimer>
#include <QWidget>
#include <optional>

#include "platform/ClockPace.h"
#include "platform/Window.h"
#include "state/GameState.h"

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // `dirty` is the window's redraw flag in the game state.
    ReportWindow(Window w, Value GameState::*dirty, GameState& g, QWidget* parent = nullptr);
    ~ReportWindow() override;
    Window window() const { return window_; }
    // The game this window shows.
    GameState& game() const { return game_; }

signals:
    // After each look at the redraw flag, for the window's further stages.
    void fired();

protected:
    // Draws the window from the game state.
    virtual void Redraw() = 0;
    void Timer1_Timer();
    // One firing: the look at the redraw flag, then the further stages.
    void Fire();
    void closeEvent(QCloseEvent* e) override;
    QTimer Timer1;

private:
    Window window_;
    Value GameState::*dirty_;
    std::optional<ClockTime> lastFired_;  // when the window last looked at its flag
    GameState& game_;
    bool closed_ = false;
};
