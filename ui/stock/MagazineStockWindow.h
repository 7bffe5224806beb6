#pragma once
// "杂志的库存": every magazine the shop carries, by issue day, with its
// profit per copy, its stock against its standing order as text and gauge,
// and the copies sold of its previous issue. Opened and brought back by
// the stock command; closes itself when nothing is carried any more.
#include <vector>

#include "ui/stock/StockWindow.h"

struct GameState;

class MagazineStockWindow : public StockWindow {
    Q_OBJECT
public:
    explicit MagazineStockWindow(GameState& g);

    // Row slots, one per listed title (more are made should a refill need
    // them); beside the shared columns, the gauge (background and fill).
    std::vector<StockGaugeBox*> Shape;

protected:
    int Rebuild(GameState& g) override;
    int Refill(GameState& g) override;
    void MakeOwnCells(int r, int top) override;
    void BlankOwnCells(int r) override;
};
