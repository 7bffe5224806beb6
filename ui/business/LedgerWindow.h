#pragma once
// The ledger "店铺的每月收支表": income, expense and net of the seven used
// ledger categories for the day, the month (as it opens) or the year so
// far, redrawn whenever a booking raises LedgerDirty. A report window,
// toggled by 店铺收支 and its toolbar button.
#include <array>

#include "business/LedgerView.h"
#include "ui/kit/ReportWindow.h"

class LedgerSheet;
class QFrame;
class QLabel;
class QRadioButton;

class LedgerWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit LedgerWindow(GameState& g);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    // The column the period buttons choose.
    LedgerColumn column() const;

    QRadioButton* Option1 = nullptr;   // "每日"
    QRadioButton* Option2 = nullptr;   // "每月", chosen as the window opens
    QRadioButton* Option3 = nullptr;   // "每年"
    QFrame* Picture1 = nullptr;        // the table's panel
    std::array<QLabel*, 11> Label1{};  // fixed texts: headings 0..2, total 3, rows 4..10
    std::array<QLabel*, 7> ILabel{}, OLabel{}, GLabel{};
    std::array<QLabel*, 3> GoLabel{};
    std::array<QFrame*, 5> Line1{};

protected:
    void Redraw() override;

private:
    void ChooseColumn(LedgerColumn c);
    LedgerSheet* sheet_ = nullptr;
};
