#pragma once
// The day report "今天是": the new date, the magazines that come out today
// and the books that arrive today. It closes itself after the delay the
// settings give; however it closes, closing it closes the previous day.
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

class DayReportDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit DayReportDialog(GameState& g);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    // The controls (the tests read them).
    std::array<QFrame*, 1> Shape1{};  // the frame behind the date
    // Elements 4..7: year, month, day, weekday.
    std::array<QLabel*, 8> Label2{};
    // Elements 4..6: "年", "月", "日".
    std::array<QLabel*, 7> Label1{};
    QListWidget* List1 = nullptr;
    QLabel* Label3 = nullptr;         // the note on the arrow
    QPushButton* Command1 = nullptr;  // "关闭"
    QTimer Timer1;

protected:
    void Form_Unload() override;
};
