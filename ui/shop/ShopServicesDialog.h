#pragma once
// The services dialog "店铺的服务": which of the four extra services the shop
// offers, one frame per service with its "on" and "off" options, in a list
// that shows three rows at a time and scrolls to the fourth (book tokens)
// from star level 3 on.
#include <array>

#include "shop/ShopServices.h"
#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

class ShopServicesDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit ShopServicesDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // 确定
    void Command2_Click();  // 取消
    void VScroll1_Change();
    void VScroll1_Scroll();

    QFrame* Shape1 = nullptr;  // the heading band
    QLabel* Label3 = nullptr;
    QWidget* ServiceView = nullptr;  // the visible area, 177 pixels high
    QWidget* ServiceList = nullptr;  // the list inside it, moved by the scroll bar
    std::array<QGroupBox*, kShopServiceCount> Frame{};
    // Option[2k + 1] offers service k, Option[2k + 2] does not; [0] unused.
    std::array<QRadioButton*, 2 * kShopServiceCount + 1> Option{};
    QScrollBar* VScroll1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void MoveList();
};
