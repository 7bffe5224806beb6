#pragma once
// The clerk pop-up "来自店员": a clerk's face beside a speech balloon with one
// queued sentence. Modeless: the game goes on while it is up. The player
// cannot close it; it closes itself after 25 ticks of its own timer, which
// runs whatever the game clock does.
#include <QTimer>
#include <QWidget>
#include <array>

struct GameState;

class QLabel;

class ClerkPopupWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClerkPopupWindow(GameState& g);

    void Form_Load();
    void Timer1_Timer();

    // The controls (the tests read them).
    QLabel* Picture1 = nullptr;      // the speech balloon
    QLabel* Label1 = nullptr;        // the sentence, inside the balloon
    std::array<QLabel*, 1> Image1{};  // the clerk's face
    QTimer Timer1;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    GameState& game_;
    GameState& game() const { return game_; }
    // Takes the close command away from the player: the frame shows no
    // close button, the window menu's Close item is greyed, and a close
    // request from the frame is refused.
    void DisableCloseCommand();
    void PlaceNearLowerRight();
    void CloseItself();
    QWidget* Frame();
    bool closingItself_ = false;
    bool shownOnce_ = false;
};
