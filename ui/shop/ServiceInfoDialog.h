#pragma once
// "服务设备信息": the service machine standing on the service place the
// player clicked (SelectedServiceSlot); "撤去" removes it after closing
// time and a confirmation.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class ServiceInfoDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit ServiceInfoDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "撤去"
    void Command2_Click();  // "关闭"

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};
    QLabel* Label3 = nullptr;  // heading
    QLabel* Image1 = nullptr;  // the picture of the installed machine
    QLabel* NameLabel = nullptr;
    QLabel* PriceLabel = nullptr;
    QLabel* ContentLabel = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
