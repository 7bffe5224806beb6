#pragma once
// The dismissal dialog "解雇店员": lists the employed clerks, shows the one
// selected, and dismisses that clerk after a confirmation, only while the
// shop is closed.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

class FireClerkDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit FireClerkDialog(GameState& g);

    void Form_Load();
    void List1_Click();
    void Command2_Click();
    void Command1_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QListWidget* List1 = nullptr;     // the employed clerks in applicant-row order
    std::array<QLabel*, 5> Label1{};  // "姓名", "年龄", "能力", "薪资", "气力"
    // 0 name, 1 age, 2 energy, 3 ability, 4 salary
    std::array<QLabel*, 5> Label{};
    std::array<QFrame*, 2> Shape10{};  // frames: 0 energy, 1 ability
    std::array<QFrame*, 2> Shape{};    // bars: 0 energy, 1 ability
    std::array<QLabel*, 1> Image1{};   // the face box
    QPushButton* Command2 = nullptr;   // "解雇"
    QPushButton* Command1 = nullptr;   // "取消"

private:
    void ShowClerk(int p);
};
