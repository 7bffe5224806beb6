#pragma once
// How the game's windows are found, opened and closed: the registry of the
// windows built so far by their Window name, the main window they live in,
// and the toggle behind every command that shows a report window.
#include <QWidget>
#include <functional>

#include "platform/Window.h"

class QMdiArea;
struct GameState;

// The main window and its child-window area (set by the main window). A
// child maximised in the area never makes the windows after it open
// maximised.
QWidget* MainWidget();
QMdiArea* MainMdiArea();
void SetMainWindow(QWidget* main, QMdiArea* area);

// A window the game can open. Windows that are not built yet are simply not
// registered: opening them does nothing.
struct WindowInfo {
    Window window;
    bool modal;                                      // shown modally (dialogs) or as a child window
    std::function<QWidget*(GameState& g)> create;    // makes the window for the game it shows
};
void RegisterWindow(const WindowInfo& info);
bool IsWindowBuilt(Window w);

// Opens window `w` of the game `g`: a dialog modally (returns when it has
// closed; it is deleted once the event loop is back), a child window modeless; a child window that is open already
// comes to the front as the active one. A child window that chose its own
// frame (Qt::CustomizeWindowHint and the buttons it offers) keeps it in the
// area. False when the window is not built.
bool ShowForm(Window w, GameState& g);
// The window if it is open, else null.
QWidget* OpenForm(Window w);
bool IsFormOpen(Window w);
// Closes the window if it is open (its own closing step runs). It counts as
// closed at once and is deleted once the event loop is back, never inside a
// call that may still be using it.
void CloseForm(Window w);

// Closes every window but the main window, the new-game dialog and the
// clerk-advice pop-up, in the order of their numbers.
void UnloadAllForms();

// The command behind every menu item and toolbar button that shows a report
// window: opens it when closed; when it is the active child, minimises it
// (normal) or restores it (minimised); otherwise restores or focuses it.
void ToggleReportWindow(Window w, GameState& g);
