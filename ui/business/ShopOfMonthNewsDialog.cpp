#include "ui/business/ShopOfMonthNewsDialog.h"

#include "state/GameState.h"

ShopOfMonthNewsDialog::ShopOfMonthNewsDialog(GameState& g) : NewsArticleDialog(g, Window::ShopOfMonthNews, QStringLiteral("本月的店铺")) { Form_Load(); }

void ShopOfMonthNewsDialog::Form_Load() { ShowArticle("== 本月的店铺 ==", game().ShopOfMonthText.asText()); }
