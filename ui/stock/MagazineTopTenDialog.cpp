#include "ui/stock/MagazineTopTenDialog.h"


MagazineTopTenDialog::MagazineTopTenDialog(GameState& g) : TopTenDialog(g, QStringLiteral("杂志销售量前10位"), QStringLiteral("杂志名")) {
    setObjectName("Form50");
    setWindowTitle(QStringLiteral("杂志销售量前10位"));
    Form_Load();
}

void MagazineTopTenDialog::Form_Load() { ShowRanking(TopTenMagazines(game())); }
