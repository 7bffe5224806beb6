#include "stock/Form49.h"

#include "state/TheGame.h"

Form49::Form49() : TopTenDialog(QStringLiteral("书籍销售量前10位"), QStringLiteral("书籍名")) {
    setObjectName("Form49");
    setWindowTitle(QStringLiteral("书籍销售量前10位"));
    Form_Load();
}

void Form49::Form_Load() { ShowRanking(TopTenBooks(Game())); }
