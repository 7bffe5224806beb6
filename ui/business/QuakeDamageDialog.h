#pragma once
// The earthquake's damage report "受害报告": opening it breaks facilities
// by the shop's earthquake resistance and lists how many of each kind
// broke; closing it brings the earthquake insurance's payout when one is due.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

class QuakeDamageDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit QuakeDamageDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 受害报告 =="
    QListWidget* List1 = nullptr;     // the four rows
    QPushButton* Command1 = nullptr;  // "关闭"

protected:
    void Form_Unload() override;
};
