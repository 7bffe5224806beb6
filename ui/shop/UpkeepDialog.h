#pragma once
// The upkeep dialog, in one of two modes chosen by UpkeepDialogMode just
// before it opens: earthquake proofing "抗震施工" (mode 0) or a cleaning order
// "清扫店铺。" (mode 1). Each mode has its own panel; only that one shows.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

class UpkeepDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit UpkeepDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // 取消 (proofing)
    void Command2_Click();  // 进行施工
    void Command3_Click();  // 取消 (cleaning)
    void Command4_Click();  // 进行清扫
    void Option_Click();    // Option1..Option3: the cost rows follow the method

    // The method chosen (1..3), or 0 when none is.
    int ChosenGrade() const;

    // The two panels, at the same place.
    QWidget* ProofingPanel = nullptr;
    QWidget* CleaningPanel = nullptr;
    std::array<QFrame*, 2> Shape1{};  // the heading bands, proofing then cleaning
    std::array<QLabel*, 2> Label3{};  // their texts
    // Proofing: the gauge and its bar, and the three cost rows.
    QGroupBox* QuakeFrame = nullptr;  // "现在抗震度"
    QLabel* QuakeLabel = nullptr;     // "36/100"
    QFrame* QuakeBar = nullptr;
    QFrame* QuakeBarFrame = nullptr;
    QGroupBox* ProofingCostFrame = nullptr;     // "费用计算"
    std::array<QLabel*, 3> ProofingCost{};      // funds, price, balance
    // Cleaning: the methods (Option[1..3]) and the three cost rows.
    std::array<QRadioButton*, 4> Option{};
    QGroupBox* CleaningCostFrame = nullptr;     // "费用计算"
    std::array<QLabel*, 3> CleaningCost{};      // funds, price, balance
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};
