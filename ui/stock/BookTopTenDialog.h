#pragma once
// "书籍销售量前10位": the week's ten best-selling books of the whole trade.
#include "ui/stock/TopTenDialog.h"

struct GameState;

class BookTopTenDialog : public TopTenDialog {
    Q_OBJECT
public:
    explicit BookTopTenDialog(GameState& g);
    void Form_Load();
};
