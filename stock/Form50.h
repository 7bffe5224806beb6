#pragma once
// "杂志销售量前10位": the week's ten best-selling magazines of the trade.
#include "stock/qt/TopTenDialog.h"

class Form50 : public TopTenDialog {
    Q_OBJECT
public:
    Form50();
    void Form_Load();
};
