#pragma once
// "书籍进货": how many copies of every book to order and whether ordering
// goes on after a title sells out. The list runs by title; the selected
// title's details and the money its order would bring if every copy sold
// are shown below it. The spinner sets one title's quantity, the two
// hold-down arrows move every title's at once; 进货 commits the edits and
// starts the deliveries, 取消 drops them.
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"
#include "ui/stock/OrderSheet.h"

struct GameState;

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class BookOrderDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit BookOrderDialog(GameState& g);

    void Form_Load();
    void SSCheck1_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void Option1_Click();   // "售完后继续进货"
    void Option2_Click();   // "售完为止"
    void Command1_Click();  // "进货"
    void Command2_Click();  // "书籍TOP10"
    void Command3_Click();  // "取消"
    void ButtonU_MouseDown(Qt::MouseButton button);
    void ButtonU_MouseUp();
    void ButtonD_MouseDown(Qt::MouseButton button);
    void ButtonD_MouseUp();
    void Timer1_Timer();

    // The controls (the tests drive them).
    OrderViewport List;  // Picture1 and the sheet Picture2
    std::array<QRadioButton*, 12> SSCheck1{};  // title; selects the row
    std::array<QLabel*, 12> Label4{};          // genre
    std::array<QLabel*, 12> Label1{};          // wholesale price
    std::array<QLabel*, 12> Label3{};          // retail price
    std::array<QLabel*, 12> Label9{};          // edited quantity
    std::array<QLabel*, 12> Label8{};          // description
    QScrollBar* VScroll1 = nullptr;            // scrolls the list
    QScrollBar* VScroll2 = nullptr;            // spinner: 999 - quantity
    // Detail panel: 0 title, 1 stock, 2 description, 3 quantity, 4 funds;
    // in Frame2: 5 wholesale, 6 retail, 7 profit.
    std::array<QLabel*, 8> Label6{};
    QGroupBox* Frame2 = nullptr;  // "全部售出时"
    QGroupBox* Frame1 = nullptr;  // "售完后"
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label2_4 = nullptr;   // "从决定进货日起3天后书将送达 >>"
    std::array<HoldImage*, 3> ButtonU{};
    std::array<HoldImage*, 3> ButtonD{};
    QTimer Timer1;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    // The number of titles listed.
    int listed() const { return listed_; }

protected:
    void Form_Unload() override;

private:
    // SelectedBookRow from the selected slot; the selected title, or -1.
    int LookUpSelection();
    void ShowTotals(int title);
    void FillRows();
    int listed_ = 0;
};
