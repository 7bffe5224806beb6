#include "ui/business/IndustryNewsDialog.h"

#include "state/GameState.h"

IndustryNewsDialog::IndustryNewsDialog(GameState& g) : NewsArticleDialog(g, Window::IndustryNews, QStringLiteral("最近的业界")) { Form_Load(); }

void IndustryNewsDialog::Form_Load() { ShowArticle("== 最近的业界 ==", game().IndustryNewsText.asText()); }
