#pragma once
// "书籍进货": how many copies of every book to order and whether ordering
// goes on after a title sells out. The list runs by title; the selected
// title's details and the money its order would bring if every copy sold
// are shown below it. The spinner sets one title's quantity, the two
// hold-down arrows move every title's at once; 进货 commits the edits and
// starts the deliveries, 取消 drops them.
#include <array>

#include "ui/stock/OrderDialog.h"

struct GameState;

class QGroupBox;
class QLabel;
class QRadioButton;

class BookOrderDialog : public OrderDialog {
    Q_OBJECT
public:
    explicit BookOrderDialog(GameState& g);

    void Option1_Click();   // "售完后继续进货"
    void Option2_Click();   // "售完为止"
    void Command1_Click() override;  // "进货"
    void Command2_Click() override;  // "书籍TOP10"
    void Command3_Click() override;  // "取消"

    // The controls beside the shared ones (the tests drive them).
    // Detail panel: 0 title, 1 stock, 2 description, 3 quantity, 4 funds;
    // in Frame2: 5 wholesale, 6 retail, 7 profit.
    std::array<QLabel*, 8> Label6{};
    QGroupBox* Frame2 = nullptr;  // "全部售出时"
    QGroupBox* Frame1 = nullptr;  // "售完后"
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label2_4 = nullptr;   // "从决定进货日起3天后书将送达 >>"

protected:
    int OpenCatalogue(GameState& g) override;
    OrderCatalogue Catalogue(GameState& g) override;
    bool StepAll(GameState& g) override;
    void ShowDetail(int title) override;
    void DisableTitleControls() override;
};
