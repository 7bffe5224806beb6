#pragma once
// The clerk settings dialog "店员的设定": the clerks' standing cleaning
// orders (at what dirtiness, which method), both clerks' particulars, and
// the way to the salary dialog.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class ClerkSettingsDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit ClerkSettingsDialog(GameState& g);

    void Form_Load();
    void Option1_Click();
    void OptionThreshold_Click();  // Option2..Option5
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // The salary row from the clerks' salaries (after the salary dialog).
    void ShowSalaries();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QGroupBox* Frame1 = nullptr;      // "关于清扫"
    // Option[1..5] the thresholds (AutoCleanLevel 0..4), Option[6..8] the
    // methods (CleaningMethod 1..3); Option[0] is not used.
    std::array<QRadioButton*, 9> Option{};
    QGroupBox* Frame2 = nullptr;  // "选择清扫方法"
    // "姓名", "年龄", "气力", "能力", "薪资" of clerk row r at 5 r + 0..4
    std::array<QLabel*, 10> Label1{};
    // Per clerk row r: name, age, energy, ability, salary.
    std::array<QLabel*, 2> NLabel{}, ALabel{}, KLabel{}, TLabel{}, MLabel{};
    // Ability bar of row r at r, energy bar at r + 5 (each in its frame).
    std::array<QFrame*, 7> Shape10{};
    std::array<QFrame*, 7> Shape{};
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"
    QPushButton* Command3 = nullptr;  // "调整薪资"

protected:
    void Form_Unload() override;

private:
    void EnableMethods(bool on);
};
