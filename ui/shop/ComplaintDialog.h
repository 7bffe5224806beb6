#pragma once
// The customer complaint "顾客的不满": a customer says a book bought here was
// dirty and asks the shop to allow reading standing. Voicing it costs the
// shop popularity; the dialog only shows it.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class ComplaintDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit ComplaintDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // heading bar
    QLabel* Label3 = nullptr;         // heading text
    QLabel* Picture1 = nullptr;       // the speech balloon
    QLabel* Label1 = nullptr;         // the complaint, inside the balloon
    std::array<QLabel*, 1> Image1{};  // the customer's face
    QLabel* Label2 = nullptr;         // the customer's wish
    QPushButton* Command1 = nullptr;  // "关闭"
};
