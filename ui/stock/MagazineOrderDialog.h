#pragma once
// "选择进货杂志": how many copies of each magazine the shop takes on every
// issue day. The list runs by issue day; the selected title's details, the
// money one issue would bring if every copy sold, and its circulation over
// the last twelve issues are shown below it. The spinner sets one title's
// quantity, the two hold-down arrows move every title's at once; 确定
// commits the quantities as standing orders, 取消 drops them.
#include <QWidget>
#include <array>

#include "stock/CirculationChart.h"
#include "ui/stock/OrderDialog.h"

struct GameState;

class QGroupBox;
class QLabel;

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

class MagazineOrderDialog : public OrderDialog {
    Q_OBJECT
public:
    explicit MagazineOrderDialog(GameState& g);

    void Command1_Click() override;  // "确定"
    void Command2_Click() override;  // "取消"
    void Command3_Click() override;  // "杂志TOP10"

    // The controls beside the shared ones (the tests drive them).
    // Detail panel: 0 name, 1 issue day, 2 description, 3 quantity, 4 funds,
    // 8 stock; in Frame1: 9 wholesale, 10 retail, 11 profit.
    std::array<QLabel*, 12> Label6{};
    QGroupBox* Frame1 = nullptr;
    CirculationBox* Picture4 = nullptr;
    std::array<QLabel*, 4> Label10{};  // chart labels: 1 middle line, 2 upper line, 3 base

protected:
    int OpenCatalogue(GameState& g) override;
    OrderCatalogue Catalogue(GameState& g) override;
    bool StepAll(GameState& g) override;
    void ShowDetail(int title) override;

private:
    void DrawChart(int title);
};
