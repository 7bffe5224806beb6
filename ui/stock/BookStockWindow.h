#pragma once
// "书籍的库存": every book the shop has in stock or on its way, by title,
// with its profit per copy, its stock, the copies sold so far and when its
// next delivery comes. Opened and brought back by the stock command;
// closes itself when nothing is carried any more.
#include <QLabel>
#include <vector>

#include "ui/stock/StockWindow.h"

struct GameState;

class BookStockWindow : public StockWindow {
    Q_OBJECT
public:
    explicit BookStockWindow(GameState& g);

    // Row slots, one per title and one more (more are made should a refill
    // need them); beside the shared columns, the next delivery.
    std::vector<QLabel*> ZaLabel;

protected:
    int Rebuild(GameState& g) override;
    int Refill(GameState& g) override;
    void MakeOwnCells(int r, int top) override;
    void BlankOwnCells(int r) override;
};
