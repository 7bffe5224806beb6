#pragma once
// The standing-reading policy dialog "站读对策": three frames, one per policy,
// each with its "实行" option, the policy's text and a picture of it.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class ReadingPolicyDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit ReadingPolicyDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // 确定
    void Command2_Click();  // 取消

    QFrame* Shape1 = nullptr;  // the heading band
    QLabel* Label3 = nullptr;
    std::array<QGroupBox*, 3> Frame{};
    std::array<QRadioButton*, 4> Option{};  // Option[k + 1] carries out policy row k
    std::array<QLabel*, 3> Label1{};        // the policies' texts
    std::array<QLabel*, 3> Image1{};        // their pictures
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
