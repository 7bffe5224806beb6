#pragma once
// "书籍销售量前10位": the week's ten best-selling books of the whole trade.
#include "stock/qt/TopTenDialog.h"

class Form49 : public TopTenDialog {
    Q_OBJECT
public:
    Form49();
    void Form_Load();
};
