#pragma once
// The award ceremony "全日本 书店评选": a host reads the thirty-step script
// (CeremonyScript.h), typing one character per 100 ms tick, spins a roulette
// of shop names before each winner and fills the board of the six awards.
// A click on the pictures or the speech, or any key, moves the script on.
// It opens from the award notice, scores the shops as it opens, and pays
// and resets as it closes; only "结束", enabled at the last step, closes it.
#include <QTimer>
#include <array>

#include "business/CeremonyScript.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

class AwardCeremonyDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit AwardCeremonyDialog(GameState& g);

    void Form_Load();
    void Timer1_Timer();
    // The advance rule, behind every click, press and key alike.
    void Form_KeyPress();
    void Image1_Click();
    void Image2_Click();
    void Image3_MouseDown();
    void Label1_Click();
    void Command1_Click();

    // The controls (the tests read and drive them).
    QLabel* Label3 = nullptr;                 // "== 第N回评选 =="
    std::array<QFrame*, kBoardRows> Shape1{};  // the board's blue boxes
    std::array<QLabel*, kBoardRows> Label2{};  // the award names on them
    std::array<QLabel*, kBoardRows> Label{};   // the winners beside them
    QFrame* Picture2 = nullptr;               // the host's frame
    std::array<ClickLabel*, 3> Image1{};      // the host's face: 0 shown, 1 and 2 its frames
    QFrame* Picture1 = nullptr;               // the speech area
    ClickLabel* Label1 = nullptr;             // the typed line
    QLabel* Label5 = nullptr;                 // roulette names and results
    QLabel* Label4 = nullptr;                 // the prompt
    ClickLabel* Image2 = nullptr;             // the stage
    ClickLabel* Image3 = nullptr;             // the audience
    QPushButton* Command1 = nullptr;          // "结束"
    QTimer Timer1;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void Form_Unload() override;

private:
    void Advance();
    void ShowScript();
    CeremonyShow show_;
};
