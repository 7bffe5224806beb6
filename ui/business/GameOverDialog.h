#pragma once
// The game-over window "停止营业": tells why the shop had to close and, when
// it closes, ends the game and returns the main window to its title state.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QLabel;
class QPlainTextEdit;
class QPushButton;

class GameOverDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit GameOverDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    QLabel* Picture1 = nullptr;  // the heading picture at the top
    QLabel* Label2 = nullptr;    // "停止营业" on the heading picture
    QLabel* Label1 = nullptr;    // "游戏结束"
    // Element 0 is the visible box; elements 1..3 hold the texts of the
    // three causes and stay hidden.
    std::array<QPlainTextEdit*, 4> Text1{};
    QPushButton* Command1 = nullptr;  // "关闭"

protected:
    void Form_Unload() override;
};
