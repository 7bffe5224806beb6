#pragma once
// The facility window "设施信息": what stands on the selected floor spot
// (picture, capacity, uses, name), with "撤去" to remove it, "烧掉" to set
// it on fire and "关闭".
#include <QPixmap>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class FacilityInfoDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit FacilityInfoDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "撤去"
    void Command2_Click();  // "关闭"
    void Command3_Click();  // "烧掉"

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};  // heading band, two caption cells, picture frame
    QLabel* Label3 = nullptr;         // heading text
    QLabel* Label1 = nullptr;         // "最大收录"
    QLabel* Label2 = nullptr;         // "利用次数"
    QLabel* CapacityLabel = nullptr;
    QLabel* UseLabel = nullptr;
    QLabel* NameLabel = nullptr;
    QLabel* Image1 = nullptr;  // the picture of the fixture
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
