#include "ui/business/HeadlineNewsDialog.h"

#include "state/GameState.h"

HeadlineNewsDialog::HeadlineNewsDialog(GameState& g) : NewsArticleDialog(g, Window::HeadlineNews, QStringLiteral("头条新闻")) { Form_Load(); }

void HeadlineNewsDialog::Form_Load() { ShowArticle(game().HeadlineTitle.asText(), game().HeadlineText.asText()); }
