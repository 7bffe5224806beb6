#pragma once
// The star notice "星级提升": the shop has earned its next star, which it
// gets when the notice closes.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class StarPromotionDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit StarPromotionDialog(GameState& g);

    void Form_Load();
    void Command1_Click();

    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // the headline
    QFrame* Picture1 = nullptr;       // the white panel
    std::array<QLabel*, 4> Label1{};  // the fixed texts, in reading order
    std::array<QLabel*, 1> Starg{};   // the star picture
    std::array<QFrame*, 10> Line1{};  // grey ruling, elements 3..9 (0..2 unused)
    QPushButton* Command1 = nullptr;  // "关闭"

protected:
    void showEvent(QShowEvent* e) override;
    void Form_Unload() override;
};
