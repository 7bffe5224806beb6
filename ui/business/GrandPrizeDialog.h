#pragma once
// The grand-prize certificate "获得大奖": the award in the organiser's words,
// addressed to the shop's owner. It only shows; the prize was paid when the
// ceremony closed.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class GrandPrizeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit GrandPrizeDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 获得了大奖 =="
    QFrame* Picture1 = nullptr;       // the certificate sheet
    std::array<QLabel*, 7> Label1{};  // the certificate's lines (see the table in the source)
    std::array<QFrame*, 7> Line1{};   // the rule under each line, by the line's element
    QPushButton* Command1 = nullptr;  // "关闭"

protected:
    void Form_Unload() override;
};
