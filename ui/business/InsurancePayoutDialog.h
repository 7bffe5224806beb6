#pragma once
// The payout window "购买了保险": opened by the end of an insured disaster,
// it books the insurance money as it opens and tells the amount.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class InsurancePayoutDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit InsurancePayoutDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 购买保险金 =="
    QLabel* Image1 = nullptr;         // the picture
    QLabel* Label1 = nullptr;         // the payout's text
    QPushButton* Command1 = nullptr;  // "关闭"
};
