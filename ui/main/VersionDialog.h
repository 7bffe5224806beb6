#pragma once
// The version dialog: the program's title and version.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;

class VersionDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit VersionDialog(GameState& g);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};  // heading band
    QLabel* Label3 = nullptr;         // heading text
    QFrame* Picture1 = nullptr;       // white panel behind the two labels
    QLabel* Label2 = nullptr;         // the title
    QLabel* Label1 = nullptr;         // "Version 1.00"
    QLabel* Image1 = nullptr;         // the dialog's picture
    QPushButton* Command2 = nullptr;  // "关闭", in view
    QPushButton* Command1 = nullptr;  // "关闭", outside the visible area
};
