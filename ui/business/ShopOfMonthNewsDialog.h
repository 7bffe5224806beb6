#pragma once
// "本月的店铺": the shop of the month, a rival shop introduced by the issue.
#include "ui/business/NewsArticleDialog.h"

class ShopOfMonthNewsDialog : public NewsArticleDialog {
    Q_OBJECT
public:
    explicit ShopOfMonthNewsDialog(GameState& g);
    void Form_Load();
};
