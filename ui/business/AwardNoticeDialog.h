#pragma once
// The award notice "通知": the quarter's ceremony is due. The calendar shows
// it at the end of March, June, September and December; its one button
// opens the ceremony, and it has no close button.
#include "ui/kit/ModalDialog.h"

struct GameState;

class QLabel;
class QPushButton;

class AwardNoticeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit AwardNoticeDialog(GameState& g);

    void Command1_Click();

    QLabel* Label1 = nullptr;         // "全日本书店评选的时间到了。"
    QPushButton* Command1 = nullptr;  // "继续 >>"
};
