#pragma once
// "最近的业界": the industry column of the issue.
#include "ui/business/NewsArticleDialog.h"

class IndustryNewsDialog : public NewsArticleDialog {
    Q_OBJECT
public:
    explicit IndustryNewsDialog(GameState& g);
    void Form_Load();
};
