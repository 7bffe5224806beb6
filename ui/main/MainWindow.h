#pragma once
// The main window: the frame with the menu bar, the toolbar strip of picture
// buttons, the status bar, the area that holds the floor view and the report
// windows, and the game timer whose firing is the main tick.
#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <memory>

#include "state/GameState.h"

class QMenu;
class StatusLine;

// One picture button of the toolbar strip: item 0 is the face shown, items 1
// and 2 hold the released and the pressed picture.
class ImageButton : public QLabel {
    Q_OBJECT
public:
    ImageButton(const QString& name, QWidget* parent);
    void showReleased();
    void showPressed();
    bool pressed() const { return pressed_; }

    std::function<void(Qt::MouseButton)> mouseDown, mouseUp;
    std::function<void()> mouseMove, click;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    void LoadFaces();
    QPixmap released_, pressedFace_;
    bool pressed_ = false;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;
    static MainWindow* Instance();

    // The one live game of the program, handed to every window it opens.
    GameState& game() { return *game_; }

    // The commands that other windows and the tests reach.
    void SaveGameCommand();
    void LoadGameCommand();
    // The running state of a game, entered by a new game and by a load.
    void EnterRunningState();
    void ShowTitleState();

    // Read back by tests and windows.
    QAction* menuItem(const QString& name) const { return items_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    ImageButton* toolButton(const QString& name) const { return buttons_.value(name); }
    QWidget* toolbarStrip() const { return Picture1; }
    QString statusBarText() const;
    void setStatusBarText(const QString& text);
    QMdiArea* area() const { return area_; }
    const QString& backgroundFile() const { return background_; }
    QTimer& gameTimer() { return Timer1; }
    // The sound menu's check marks follow SoundOn.
    void SetSoundChecks();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void MDIForm_Load();
    bool MDIForm_QueryUnload();
    // One tick of the game clock.
    void Timer1_Timer();
    // The clock's wake: runs, in order, every tick that is due by now, then
    // lets the floor view and the report windows show what they changed.
    void RunDueTicks();
    // Sets the clock's wake for when its pace next asks.
    void WakeClockLater();
    void BuildMenus();
    void BuildToolbar();
    void RunCommand(const QString& name);
    void SetBackground(const QString& file);
    void SetGameMenusEnabled(bool on);
    void FollowClock();
    void ShowPauseFace(bool pressed);

    // Commands of the main window's own.
    void MNewGame_Click();
    void MVisual_Click();
    void MHelpGame_Click();
    void SetSound(bool on);
    void BStop_MouseDown(Qt::MouseButton button);
    friend struct MainCommands;

    QMdiArea* area_ = nullptr;
    QWidget* Picture1 = nullptr;
    StatusLine* status_ = nullptr;
    // The game clock's wake. While the clock ticks, its ticks fall due one
    // interval apart from the moment it started, and it wakes on the floor
    // view's frame starts to run those due (ClockPace).
    QTimer Timer1;
    std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
    QString background_;
    QHash<QString, QAction*> items_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, ImageButton*> buttons_;
    std::string lastFile_;
};
