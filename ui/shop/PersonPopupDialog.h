#pragma once
// The person popup: who the person the player clicked on the floor is. One
// of four panels (customer, cleaning contractor, clerk, robber) fills the
// window; a click on the panel closes it.
#include <QWidget>
#include <array>
#include <functional>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;

// A transparent area that reports a click (press and release on it).
class PersonClickArea : public QWidget {
public:
    PersonClickArea(QWidget* parent, std::function<void()> onClick);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

class PersonPopupDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit PersonPopupDialog(GameState& g);

    void Form_Load();
    void Image4_Click(int index);
    void Image10_Click();
    void KLabel_Click(int index);

    // The controls (the tests drive them).
    // Panels: [0] Picture1 customer, [1] Picture2 cleaning contractor,
    // [2] Picture3 clerk, [3] Picture4 robber.
    std::array<QFrame*, 4> Picture{};
    std::array<QFrame*, 4> Shape1{};              // heading bars
    std::array<PersonClickArea*, 4> Image4{};     // click areas over each panel
    PersonClickArea* Image10 = nullptr;           // second click area of the clerk panel
    std::array<QLabel*, 1> Image1{};              // the customer's face
    QLabel* Image3 = nullptr;                     // the cleaner's portrait
    QLabel* Image7 = nullptr;                     // the clerk's face
    QLabel* Image2 = nullptr;                     // the robber's portrait
    std::array<QLabel*, 14> Label{};              // the value labels
    std::array<QLabel*, 1> KLabel{};              // the clerk's energy
    std::array<QLabel*, 1> TLabel{};              // the clerk's ability
    std::array<QFrame*, 6> Shape10{};             // bar frames 0, 1 and 5
    std::array<QFrame*, 6> Shape{};               // the red bars in them
    // The panel shown, or -1 when there was nobody to show.
    int shownPanel() const { return shown_; }

private:
    void ShowPanel(int index);
    int shown_ = -1;
};
