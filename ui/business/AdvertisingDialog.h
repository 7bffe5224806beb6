#pragma once
// "店铺的宣传": the player picks one of six media. The newspaper and the
// web page are booked here after a question; the other four open their
// campaign dialog. Every OK counts as management effort and closes the
// dialog, whatever came of it; "取消" closes it with nothing done.
#include <array>

#include "business/Advertising.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class AdvertisingDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit AdvertisingDialog(GameState& g);

    void Form_Load();
    // Option k: the picture of medium k.
    void Option_Click(int k);
    void Command1_Click();
    void Command2_Click();
    // The medium of the chosen option button.
    AdvertisingMedium medium() const;

    std::array<QFrame*, 1> Shape1{};        // the heading band
    QLabel* Label3 = nullptr;               // "== 进行店铺的宣传 =="
    QGroupBox* Frame1 = nullptr;            // "宣传的媒体"
    std::array<QRadioButton*, 7> Option{};  // Option1..Option6 at 1..6
    std::array<QLabel*, 7> Image1{};        // 0 shown; 1..6 the media's pictures
    QPushButton* Command1 = nullptr;        // "确定"
    QPushButton* Command2 = nullptr;        // "取消"
};
