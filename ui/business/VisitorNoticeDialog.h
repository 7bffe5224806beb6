#pragma once
// The visitor notice "1000人突破": celebrates the shop's 1,000th, 5,000th and
// 10,000th customer.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QLabel;
class QPushButton;

class VisitorNoticeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit VisitorNoticeDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    // Element 0 is the picture shown; elements 1..3 hold the pictures of the
    // 1,000, 5,000 and 10,000 milestones outside the visible area.
    std::array<QLabel*, 4> Image1{};
    QLabel* Label1 = nullptr;         // the message
    QPushButton* Command1 = nullptr;  // "关闭"
};
