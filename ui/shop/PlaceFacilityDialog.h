#pragma once
// The placing dialog "设施设置": the shelves and machines the star level
// allows, one at a time under a scroll bar with price, capacity, name and
// picture; "设置" puts the one shown on the selected floor spot.
#include <QPixmap>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

class PlaceFacilityDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit PlaceFacilityDialog(GameState& g);

    void Form_Load();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Command1_Click();
    void Command2_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 4> Shape1{};  // heading band, two caption cells, picture frame
    QLabel* Label3 = nullptr;         // heading text
    QLabel* Label1 = nullptr;         // "价格"
    QLabel* Label2 = nullptr;         // "收录书籍"
    QLabel* PriceLabel = nullptr;
    QLabel* CapacityLabel = nullptr;
    QLabel* NameLabel = nullptr;
    QLabel* Image1 = nullptr;               // the picture of the fixture shown
    std::array<QPixmap, 9> Picture1{};      // the nine fixture pictures, by row
    QScrollBar* HScroll1 = nullptr;
    QPushButton* Command1 = nullptr;  // "设置"
    QPushButton* Command2 = nullptr;  // "取消"

private:
    // Shows the offered entry at scroll position `position`.
    void ShowEntry(int position);
};
