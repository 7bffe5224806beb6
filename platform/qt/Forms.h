#pragma once
// How the game's windows open and close: the registry of built windows by
// form number, the behaviour every modal dialog shares, and the behaviour
// every report window shares.
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
struct GameState;
class Value;

// The main window and its child-window area (set by the main window).
QWidget* MainWidget();
QMdiArea* MainMdiArea();
void SetMainWindow(QWidget* main, QMdiArea* area);

class QPushButton;
class QRect;

// A push button with the control name the window's code and tests use.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text, const QRect& at);

// ---- the registry ----

// A window the game can open by its form number. Windows that are not built
// yet are simply not registered: opening them does nothing.
struct FormInfo {
    int number;
    bool modal;                          // shown modally (dialogs) or as a child window
    std::function<QWidget*()> create;    // makes the window (parented as needed)
};
void RegisterForm(const FormInfo& info);
bool IsFormBuilt(int number);

// Opens window N: a dialog modally (returns when it has closed), a child
// window modeless. False when window N is not built.
bool ShowForm(int number);
// The window N if it is open, else null.
QWidget* OpenForm(int number);
bool IsFormOpen(int number);
// Closes window N if it is open (its own closing step runs).
void CloseForm(int number);

// Closes every window but the main window, the new-game dialog (3) and the
// clerk-advice pop-up (46), in form-number order.
void UnloadAllForms();

// ---- shared behaviour ----

// Every modal dialog: centres itself on the main window (on the screen when
// the main window is minimised) and holds the game clock from opening to
// closing. A dialog opened by another dialog holds it too; the holds are
// counted, so the clock restarts only when the last one closes.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModalDialog(QWidget* parent = nullptr);
    ~ModalDialog() override;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    // The dialog's own closing step (Form_Unload); runs once, before the
    // clock is released.
    virtual void Form_Unload() {}

private:
    void releaseOnce();
    bool holding_ = false;
    bool centred_ = false;
    bool unloading_ = false;
};

// Every report window: a child of the main window with its own 100 ms timer
// that redraws when the window's redraw flag is 1, and a WindowOpen entry
// that is 1 while it is open.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // `dirty` is the window's redraw flag in the game state.
    ReportWindow(int formNumber, Value GameState::*dirty, QWidget* parent = nullptr);
    ~ReportWindow() override;
    int formNumber() const { return number_; }

protected:
    // Draws the window from the game state.
    virtual void Redraw() = 0;
    void Timer1_Timer();
    void closeEvent(QCloseEvent* e) override;
    QTimer Timer1;

private:
    int number_;
    Value GameState::*dirty_;
    bool closed_ = false;
};

// The command behind every menu item and toolbar button that shows a report
// window: opens it when closed; when it is the active child, minimises it
// (normal) or restores it (minimised); otherwise restores or focuses it.
void ToggleReportWindow(int number);
