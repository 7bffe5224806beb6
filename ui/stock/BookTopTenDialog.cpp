#include "ui/stock/BookTopTenDialog.h"


BookTopTenDialog::BookTopTenDialog(GameState& g) : TopTenDialog(g, QStringLiteral("书籍销售量前10位"), QStringLiteral("书籍名")) {
    setObjectName("Form49");
    setWindowTitle(QStringLiteral("书籍销售量前10位"));
    Form_Load();
}

void BookTopTenDialog::Form_Load() { ShowRanking(TopTenBooks(game())); }
