#pragma once
// The speed dialog: one spinner sets GameSpeed at once; closing it puts the
// new speed on the game clock unless the game is paused.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class Value;

// The spinner, speed bar and outline, shared with the settings dialog, which
// sets another speed with the same controls.
// A small vertical spinner 0..10 in steps of 1 (the upper arrow lowers the
// value, which raises the speed it stands for).
QScrollBar* MakeSpeedSpinner(QWidget* parent, QPoint at);
// The bar (123 twips a step) and the fixed outline of 1,215 twips drawn at
// the same place over it.
QFrame* MakeSpeedBar(QWidget* parent, QPoint at);
QFrame* MakeSpeedBarOutline(QWidget* parent, QPoint at);
void SetSpeedBarWidth(QFrame* bar, const Value& speed);

class GameSpeedDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit GameSpeedDialog(GameState& g);

    void Form_Load();
    void VScroll2_Change();
    void Command1_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QGroupBox* Frame1 = nullptr;
    QScrollBar* VScroll2 = nullptr;  // spinner: 10 - GameSpeed
    std::array<QFrame*, 1> Shape{};  // the speed bar
    QFrame* Shape10 = nullptr;       // fixed outline around the bar
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // "确定"

protected:
    void Form_Unload() override;

private:
    void ShowSpeedBar();
};
