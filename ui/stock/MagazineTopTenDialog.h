#pragma once
// "杂志销售量前10位": the week's ten best-selling magazines of the trade.
#include "ui/stock/TopTenDialog.h"

struct GameState;

class MagazineTopTenDialog : public TopTenDialog {
    Q_OBJECT
public:
    explicit MagazineTopTenDialog(GameState& g);
    void Form_Load();
};
