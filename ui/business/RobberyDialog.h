#pragma once
// The robbery window "遭遇抢劫", opened by the robber at register 1: the
// demand, and the two answers "付钱" (pay) and "不付钱" (refuse, which may
// cost the manager's life). It has no close button: the title bar is no
// answer to a robber.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class RobberyDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit RobberyDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "付钱"
    void Command2_Click();  // "不付钱"

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 遭遇抢劫 =="
    QLabel* Image1 = nullptr;         // the robber
    QLabel* Label1 = nullptr;         // the demand
    QPushButton* Command1 = nullptr;  // "付钱"
    QPushButton* Command2 = nullptr;  // "不付钱"
};
