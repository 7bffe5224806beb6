#pragma once
// The two top-10 windows are twins: a title, three column heads and ten
// rows of rank, title and price, filled once as the window opens. They
// open only from dialogs that already hold the game clock.
#include <QLabel>
#include <array>

#include "ui/kit/ModalDialog.h"
#include "stock/TopTen.h"

class TopTenDialog : public ModalDialog {
    Q_OBJECT
public:
    std::array<QLabel*, kTopTenRows> Label2{};  // rank
    std::array<QLabel*, kTopTenRows> Label4{};  // title
    std::array<QLabel*, kTopTenRows> Label5{};  // price
    QLabel* Label3 = nullptr;                   // "== …销售量前10位 =="

protected:
    TopTenDialog(GameState& g, const QString& caption, const QString& titleHead);
    // Fills the rows (Form_Load).
    void ShowRanking(const TopTenList& list);
};
