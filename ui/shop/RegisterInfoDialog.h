#pragma once
// "收银信息": the register standing on the register place the player
// clicked (SelectedRegisterSlot), its speed and use count; "撤去" removes it
// after a confirmation.
#include <QPixmap>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class RegisterInfoDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit RegisterInfoDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "撤去"
    void Command2_Click();  // "关闭"

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};
    QLabel* Label3 = nullptr;        // heading
    QLabel* Image1 = nullptr;        // the picture of the installed model
    std::array<QPixmap, 7> Picture;  // hidden holders 1..6
    QLabel* NameLabel = nullptr;
    QLabel* SpeedLabel = nullptr;
    QLabel* ServedLabel = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
