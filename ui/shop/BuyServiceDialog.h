#pragma once
// "服务设施": buying a service machine for the service place the player
// clicked (SelectedServiceSlot). The scroll bar pages through the machines
// the star level offers; "设置" buys the one shown.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

class BuyServiceDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit BuyServiceDialog(GameState& g);

    void Form_Load();
    void HScroll1_Change();
    void Command1_Click();  // "设置"
    void Command2_Click();  // "取消"

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};
    QLabel* Label3 = nullptr;  // heading
    QLabel* Image1 = nullptr;  // the picture of the machine shown
    QLabel* NameLabel = nullptr;
    QLabel* PriceLabel = nullptr;
    QLabel* ContentLabel = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    // The offered machine under the scroll bar, or -1 when none is offered.
    int MachineShown() const;
    void ShowMachine();
};
