#pragma once
// "选择进货杂志": how many copies of each magazine the shop takes on every
// issue day. The list runs by issue day; the selected title's details, the
// money one issue would bring if every copy sold, and its circulation over
// the last twelve issues are shown below it. The spinner sets one title's
// quantity, the two hold-down arrows move every title's at once; 确定
// commits the quantities as standing orders, 取消 drops them.
#include <QWidget>
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"
#include "stock/CirculationChart.h"
#include "ui/stock/OrderSheet.h"

struct GameState;

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The chart box (Picture4): the grey grid, and the red line of the
// selected title's circulation.
class CirculationBox : public QWidget {
public:
    explicit CirculationBox(QWidget* parent = nullptr);
    void setChart(const CirculationChart& c);
    const CirculationChart& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    CirculationChart chart_;
    bool drawn_ = false;
};

class MagazineOrderDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit MagazineOrderDialog(GameState& g);

    void Form_Load();
    void SSCheck1_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void Command1_Click();  // "确定"
    void Command2_Click();  // "取消"
    void Command3_Click();  // "杂志TOP10"
    void ButtonU_MouseDown(Qt::MouseButton button);
    void ButtonU_MouseUp();
    void ButtonD_MouseDown(Qt::MouseButton button);
    void ButtonD_MouseUp();
    void Timer1_Timer();

    // The controls (the tests drive them).
    OrderViewport List;  // Picture1 and the sheet Picture2
    std::array<QRadioButton*, 12> SSCheck1{};  // title; selects the row
    std::array<QLabel*, 12> Label4{};          // issue day
    std::array<QLabel*, 12> Label1{};          // wholesale price
    std::array<QLabel*, 12> Label3{};          // retail price
    std::array<QLabel*, 12> Label9{};          // edited quantity
    std::array<QLabel*, 12> Label8{};          // description
    QScrollBar* VScroll1 = nullptr;            // pages the list
    QScrollBar* VScroll2 = nullptr;            // spinner: 999 - quantity
    // Detail panel: 0 name, 1 issue day, 2 description, 3 quantity, 4 funds,
    // 8 stock; in Frame1: 9 wholesale, 10 retail, 11 profit.
    std::array<QLabel*, 12> Label6{};
    QGroupBox* Frame1 = nullptr;
    CirculationBox* Picture4 = nullptr;
    std::array<QLabel*, 4> Label10{};  // chart labels: 1 middle line, 2 upper line, 3 base
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
    // The selection lookup: SelectedMagazineRow from the selected slot; the
    // selected title, or -1.
    int LookUpSelection();
    void ShowDetail(int title);
    void ShowTotals(int title);
    void FillRows();
    void DrawChart(int title);
    int listed_ = 0;
};
