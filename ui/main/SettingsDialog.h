#pragma once
// The settings dialog: how soon the month-end and day-start reports close by
// themselves, whether they close only by hand, and whether the clerks'
// advice shows. The spinner stores at once; the check boxes only on OK.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

class SettingsDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(GameState& g);

    void Form_Load();
    void VScroll2_Change();
    void Command1_Click();
    void Command2_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QGroupBox* Frame1 = nullptr;
    QScrollBar* VScroll2 = nullptr;  // spinner: 10 - ReportCloseSpeed
    std::array<QFrame*, 1> Shape{};  // the speed bar
    QFrame* Shape10 = nullptr;       // fixed outline around the bar
    QCheckBox* Check2 = nullptr;     // "手动关闭": ReportManualClose
    QCheckBox* Check1 = nullptr;     // "显示店员消息": ShowClerkMessages
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"

private:
    void ShowSpeedBar();
};
