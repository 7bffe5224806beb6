#pragma once
// The bank window "银行": the three loan slots with their amounts and due
// dates, the funds, and "借款", which opens the borrowing dialog over it.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class BankDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit BankDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "返回"
    void Command2_Click();  // "借款"

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 银行 =="
    QLabel* Image1 = nullptr;         // the bank's picture
    QGroupBox* Frame1 = nullptr;      // "借款"
    // One row per loan slot, slot 0 at the top: the amount, and the due
    // date's year, month and day with their "年", "月", "日".
    std::array<QLabel*, 3> AmountLabel{}, YearLabel{}, MonthLabel{}, DayLabel{};
    std::array<QLabel*, 3> YearUnit{}, MonthUnit{}, DayUnit{};
    QLabel* FundsLabel = nullptr;     // the funds beside "资金"
    QPushButton* Command1 = nullptr;  // "返回"
    QPushButton* Command2 = nullptr;  // "借款"
};
