#pragma once
// "头条新闻": the headline of the issue, or the player's own event that replaced it: its title as the heading.
#include "ui/business/NewsArticleDialog.h"

class HeadlineNewsDialog : public NewsArticleDialog {
    Q_OBJECT
public:
    explicit HeadlineNewsDialog(GameState& g);
    void Form_Load();
};
