#pragma once
// "收银选择": buying a cash register for the register place the player
// clicked (SelectedRegisterSlot). The scroll bar pages through the models
// the star level offers; "购买" buys the one shown.
#include <QPixmap>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

class BuyRegisterDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit BuyRegisterDialog(GameState& g);

    void Form_Load();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Command2_Click();  // "购买"
    void Command1_Click();  // "取消"

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};
    QLabel* Label3 = nullptr;       // heading
    QLabel* Image1 = nullptr;       // the picture of the model shown
    std::array<QPixmap, 7> Picture; // hidden holders 1..6
    QLabel* NameLabel = nullptr;
    QLabel* PriceLabel = nullptr;
    QLabel* SpeedLabel = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    // The offered model under the scroll bar, or -1 when none is offered.
    int ModelShown() const;
    void ShowModel();
};
