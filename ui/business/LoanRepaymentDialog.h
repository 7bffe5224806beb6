#pragma once
// The repayment notice "偿还贷款", opened by the new day for a loan that has
// fallen due: its one button "关闭" repays 1.2 times the loan. It has no
// close button, so the loan is never left unpaid past its date.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class LoanRepaymentDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit LoanRepaymentDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "关闭": repays

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 偿还贷款 =="
    QLabel* DateLabel = nullptr;      // the borrowing date and "贷款"
    QLabel* Label1 = nullptr;         // "贷款的还贷期限将至。"
    QLabel* AmountLabel = nullptr;    // the amount due
    QPushButton* Command1 = nullptr;  // "关闭"
};
