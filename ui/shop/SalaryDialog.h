#pragma once
// The salary dialog "调整薪资": two press-and-hold arrows raise or lower the
// selected clerk's pending salary, by steps that grow the longer an arrow
// is held; "确定" writes the pending salaries to the clerks.
#include <QLabel>
#include <QTimer>
#include <array>

#include "ui/kit/HoldArrow.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QListWidget;
class QPushButton;

class SalaryDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit SalaryDialog(GameState& g);

    void Form_Load();
    void List1_Click();
    void ButtonU_MouseDown(Qt::MouseButton button);
    void ButtonD_MouseDown(Qt::MouseButton button);
    void ButtonU_MouseUp();
    void ButtonD_MouseUp();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QListWidget* List1 = nullptr;     // the employed clerks in applicant-row order
    std::array<QLabel*, 5> Label1{};  // "姓名", "年龄", "能力", "薪资", "气力"
    // 0 name, 1 age, 2 energy, 3 ability, 4 pending salary
    std::array<QLabel*, 5> Label{};
    std::array<QFrame*, 2> Shape10{};  // frames: 0 energy, 1 ability
    std::array<QFrame*, 2> Shape{};    // bars: 0 energy, 1 ability
    std::array<QLabel*, 1> Image1{};   // the face box
    // 0 the arrow shown; 1 its resting and 2 its pressed picture (hidden).
    std::array<QLabel*, 3> ButtonU{}, ButtonD{};
    QTimer Timer1;                    // 75 ms while the dialog is open
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"

private:
    void ShowClerk(int p);
    void ShowPendingSalary(int p);
};
