#pragma once
// The earthquake window "发生地震": it announces an ordinary or a major
// earthquake; "继续 >>" shakes the floor view for 20 ticks of its timer,
// after which it closes and the damage report opens. It has no close
// button: the quake runs until the shake is over.
#include <QTimer>
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class EarthquakeDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit EarthquakeDialog(GameState& g);

    void Form_Load();
    void Command1_Click();  // "继续 >>"
    void Timer1_Timer();

    // The controls (the tests drive them).
    QFrame* Picture1 = nullptr;       // the panel
    QLabel* Image1 = nullptr;         // the picture
    // 0 "发生地震", 1 "发生直下型大地震": red and bold, the one of the quake shown.
    std::array<QLabel*, 2> Label1{};
    QPushButton* Command1 = nullptr;  // "继续 >>"
    QTimer Timer1;                    // 100 ms, from the opening

protected:
    void Form_Unload() override;
};
