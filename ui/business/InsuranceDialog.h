#pragma once
// The insurance dialog "参加保险": join or leave the fire, earthquake and
// damage insurances and see the monthly total; "确定" stores the choices,
// "取消" leaves them as they were.
#include <array>

#include "business/Insurance.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class InsuranceDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit InsuranceDialog(GameState& g);

    void Form_Load();
    // Every option click recounts the total; nothing is stored yet.
    void Option_Click();
    void HokenKeisanM();  // shows the monthly premium of the options chosen
    void Command1_Click();  // "取消"
    void Command2_Click();  // "确定"

    // What the options say now, by insurance.
    InsuranceChoices Chosen() const;

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 参加哪项保险 =="
    QLabel* Image1 = nullptr;         // the picture
    // Frames "火灾保险", "地震保险", "受害保险".
    std::array<QGroupBox*, 3> Frame1{};
    // Option1..Option6 at 1..6 (0 unused): odd "参加", even "不参加", two per
    // frame in frame order.
    std::array<QRadioButton*, 7> Option{};
    std::array<QLabel*, 3> PriceLabel{};  // "费用 每月3万円", ...
    QLabel* TotalLabel = nullptr;         // "  合计保险费用每月...円。"
    QPushButton* Command1 = nullptr;      // "取消"
    QPushButton* Command2 = nullptr;      // "确定"
};
