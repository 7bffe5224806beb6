#pragma once
// The month report "月底": the closing month's income and expenses by ledger
// category, its net result and the copies sold. It closes itself after the
// delay the settings give; however it closes, closing it closes the month.
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class LedgerSheet;
class QFrame;
class QLabel;
class QPushButton;

class MonthReportDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit MonthReportDialog(GameState& g);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};   // the heading frame
    QFrame* Picture1 = nullptr;        // the white table panel
    std::array<QFrame*, 5> Line1{};    // table rules
    std::array<QLabel*, 16> Label1{};  // fixed texts; element 1 is the verdict word
    // By ledger category 0..6: income, expense, income minus expense.
    std::array<QLabel*, 7> ILabel{}, OLabel{}, GLabel{};
    std::array<QLabel*, 3> GoLabel{};  // the totals: income, expense, net
    std::array<QLabel*, 3> Label{};    // copies sold, the month's net, the header
    QPushButton* Command1 = nullptr;   // "关闭"
    QTimer Timer1;

protected:
    void Form_Unload() override;

private:
    LedgerSheet* sheet_ = nullptr;
};
