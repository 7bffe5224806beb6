#include "ui/stock/MagazineStockWindow.h"

#include "state/TableRows.h"
#include "stock/StockReport.h"

namespace {

StockWindow::Setup MagazineStockSetup() {
    const auto right = Qt::AlignRight;
    return {.window = Window::MagazineStock,
            .dirty = &GameState::MagazineStockDirty,
            .refill = &GameState::MagazineStockRefill,
            .sheetLeft = 8,
            .separatorX = {120, 160, 264},
            .fitExtraTwips = kMagazineFitExtra,
            .headings = {{{8, 8, 113, 17}, "杂志名", 8, 113},
                         {{122, 8, 41, 17}, "收支", 120, 43},
                         {{164, 8, 101, 17}, "库存数", 168, 91},
                         {{266, 8, 57, 17}, "上次售出", 264, 59}},
            .cells = {{{8, 115, Qt::AlignHCenter}, {120, 39, right}, {163, 43, right}, {272, 43, right}}}};
}

constexpr int kGaugeX = 206;

}  // namespace

MagazineStockWindow::MagazineStockWindow(GameState& g) : StockWindow(MagazineStockSetup(), g) {
    setObjectName("Form17");
    setWindowTitle(QStringLiteral("杂志的库存"));

    int listed = 0;
    for (int m = 0; m < RowsInUse(g.MagazineCount, g.Magazine.Listed); ++m)
        if (g.Magazine.Listed[m].asInt() == 1) ++listed;
    PrepareSheet(listed);
}

void MagazineStockWindow::MakeOwnCells(int r, int) {
    auto* gauge = new StockGaugeBox(List.sheet);
    gauge->move(kGaugeX, StockGaugeTop(r));
    gauge->hide();
    Shape.push_back(gauge);
}

void MagazineStockWindow::BlankOwnCells(int r) { Shape[r]->hide(); }

int MagazineStockWindow::Rebuild(GameState& g) { return RebuildMagazineStock(g); }

int MagazineStockWindow::Refill(GameState& g) {
    const std::vector<MagazineStockRow> rows = RefillMagazineStock(g);
    MakeRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const MagazineStockRow& row = rows[r];
        ShowTexts(static_cast<int>(r), row.name, row.profit, row.stock.text, row.lastIssue);
        Shape[r]->setFill(row.stock.fill);
        Shape[r]->show();
    }
    return static_cast<int>(rows.size());
}
