#pragma once
// The customer opinions window "顾客的意见": a customer's face beside a speech
// balloon into which one sentence is typed, a character per timer tick, the
// mouth opening and closing while it types. Every closing is an effort point.
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QLabel;
class QPushButton;

class CustomerOpinionsDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit CustomerOpinionsDialog(GameState& g);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    QLabel* Picture1 = nullptr;       // the speech balloon
    QLabel* Label1 = nullptr;         // the typed sentence, inside the balloon
    std::array<QLabel*, 1> Image1{};  // the customer's face
    QPushButton* Command1 = nullptr;  // "关闭"
    QTimer Timer1;

protected:
    void Form_Unload() override;
};
