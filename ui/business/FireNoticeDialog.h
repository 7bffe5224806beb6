#pragma once
// The three fire windows, alike but for their texts and pictures: "发现火灾"
// (the neighbours have discovered the fire; it burns on), and the two "灭火"
// windows, the fire burnt out and the fire put out by the brigade, whose
// closing (by the button or the close box) ends the fire.
#include "platform/Window.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class QLabel;
class QPushButton;

class FireNoticeDialog : public ModalDialog {
    Q_OBJECT
public:
    // `which` is Window::FireDiscovered, Window::FireOut or Window::FireBrigade.
    FireNoticeDialog(GameState& g, Window which);

    void Command1_Click();

    // The controls (the tests read them).
    QLabel* Image1 = nullptr;         // the picture
    QLabel* Label1 = nullptr;         // the text
    QPushButton* Command1 = nullptr;  // "关闭"

protected:
    void Form_Unload() override;

private:
    bool endsFire_ = false;
};
