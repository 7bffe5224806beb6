#pragma once
// The borrowing dialog "借贷", over the bank window: the amount is chosen
// with two press-and-hold arrows, up to the limit the floor's furniture
// allows; "借贷" asks and takes the loan, and then the bank window closes
// too. "取消" closes only this dialog.
#include <QLabel>
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QPushButton;

class BorrowDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit BorrowDialog(GameState& g);

    void Form_Load();
    void ButtonU_MouseDown(Qt::MouseButton button);
    void ButtonD_MouseDown(Qt::MouseButton button);
    void ButtonU_MouseUp();
    void ButtonD_MouseUp();
    void Timer1_Timer();
    void Command1_Click();  // "取消"
    void Command2_Click();  // "借贷"

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 要借多少钱 =="
    // The values beside "资金", "允许借贷金额", "借贷金额", "还贷金额(利息20%)"
    // and "还贷日", top to bottom.
    QLabel* FundsLabel = nullptr;
    QLabel* LimitLabel = nullptr;
    QLabel* AmountLabel = nullptr;
    QLabel* RepaymentLabel = nullptr;
    QLabel* DueLabel = nullptr;
    // 0 the arrow shown; 1 its resting and 2 its pressed face (hidden).
    std::array<QLabel*, 3> ButtonU{}, ButtonD{};
    QTimer Timer1;                    // 100 ms while the dialog is open
    QPushButton* Command1 = nullptr;  // "取消"
    QPushButton* Command2 = nullptr;  // "借贷", enabled while the amount is not 0

private:
    void ShowAmount();
};
