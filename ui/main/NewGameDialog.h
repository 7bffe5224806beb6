#pragma once
// The new-game dialog "新的游戏": the player names the shop, and OK starts
// a new game.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/kit/ModalDialog.h"

struct GameState;

class NewGameDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit NewGameDialog(GameState& g);

    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;  // 取消
    QPushButton* Command2 = nullptr;  // 确定

    void Command2_Click();
    void Command1_Click();
};
