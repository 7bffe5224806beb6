#include "stock/Form50.h"

#include "state/TheGame.h"

Form50::Form50() : TopTenDialog(QStringLiteral("杂志销售量前10位"), QStringLiteral("杂志名")) {
    setObjectName("Form50");
    setWindowTitle(QStringLiteral("杂志销售量前10位"));
    Form_Load();
}

void Form50::Form_Load() { ShowRanking(TopTenMagazines(Game())); }
