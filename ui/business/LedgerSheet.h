#pragma once
// The category table the month report and the ledger window share, on its
// white panel "Picture1": column headings (income, expense, net), the seven
// used ledger categories in screen order with their amounts, the total row
// and the rules between them. Each window numbers the fixed texts of its
// Label1 array its own way.
#include <QFrame>
#include <array>
#include <span>

#include "business/LedgerView.h"

class QLabel;

class LedgerSheet : public QFrame {
    Q_OBJECT
public:
    // The Label1 elements of the window's fixed texts on the sheet.
    struct Elements {
        std::array<int, 3> headings;   // "收入", "支出", "合计"
        std::array<int, 7> rowLabels;  // the category rows, top to bottom
        int total;                     // "合计" of the total row
    };
    // Builds the sheet with its top-left corner at `at`; the fixed texts go
    // into `label1` at their elements.
    LedgerSheet(QWidget* parent, QPoint at, const Elements& elements, std::span<QLabel*> label1);

    // Fills every amount cell: the rows by ledger category, and the totals.
    void Show(const std::array<LedgerCells, 7>& rows, const LedgerCells& total);

    // By ledger category 0..6: income, expense, income minus expense.
    std::array<QLabel*, 7> ILabel{}, OLabel{}, GLabel{};
    std::array<QLabel*, 3> GoLabel{};  // the totals: income, expense, net
    std::array<QFrame*, 5> Line1{};    // table rules
};
