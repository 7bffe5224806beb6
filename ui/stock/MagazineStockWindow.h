#pragma once
// "杂志的库存": every magazine the shop carries, by issue day, with its
// profit per copy, its stock against its standing order as text and gauge,
// and the copies sold of its previous issue. Opened and brought back by
// the stock command; closes itself when nothing is carried any more.
#include <QLabel>
#include <vector>

#include "ui/stock/StockWindow.h"

struct GameState;

class MagazineStockWindow : public StockWindow {
    Q_OBJECT
public:
    explicit MagazineStockWindow(GameState& g);

    // Row slots, one per listed title (more are made should a refill need
    // them).
    std::vector<QLabel*> Label;   // name
    std::vector<QLabel*> KLabel;  // profit per copy
    std::vector<QLabel*> ZLabel;  // stock text
    std::vector<QLabel*> SLabel;  // previous issue's sales
    std::vector<StockGaugeBox*> Shape;  // the gauge (background and fill)

protected:
    int Rebuild(GameState& g) override;
    void Refill(GameState& g) override;
    void BlankRows(int first) override;

private:
    void MakeRows(int count);
};
