#pragma once
// The hire dialog "雇用店员": a fresh short list of job applicants at every
// opening, paged one at a time with the scroll bar; "雇用" hires the one
// shown and goes on to the clerk settings. Also the pieces the four staff
// windows share (heading band, face box, bars in their frames).
#include <array>
#include <string>

#include "ui/kit/ModalDialog.h"

struct GameState;

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class Value;

// ---- pieces shared by the staff windows ----

// The heading: a band in RGB(0, 128, 255) with its white "== … ==" text.
QFrame* MakeHeadingBand(QWidget* parent, int width);
QLabel* MakeHeadingText(QWidget* parent, const QFrame* band, const QString& text);
// A fixed caption ("姓名") and a value label.
QLabel* MakeCaption(QWidget* parent, const QString& text, QRect at);
QLabel* MakeValueLabel(QWidget* parent, QRect at);
// A bar and its frame at the same place; the frame's width is the bar's
// full scale (100). The frame is drawn over the bar.
QFrame* MakeBar(QWidget* parent, QRect at);
QFrame* MakeBarFrame(QWidget* parent, QRect at);
void SetBarWidth(QFrame* bar, const QFrame* frame, const Value& value);
// The face box: 65 x 65, its picture stretched to fit. A face that cannot
// be read leaves the box blank.
constexpr int kFaceBoxSize = 65;
QLabel* MakeFaceBox(QWidget* parent, QPoint at);
void ShowFace(QLabel* box, const std::string& picture);

class HireClerkDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit HireClerkDialog(GameState& g);

    void Form_Load();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Command2_Click();
    void Command1_Click();

    // The controls (the tests drive them).
    std::array<QFrame*, 1> Shape1{};   // heading band
    QLabel* Label3 = nullptr;          // heading text
    std::array<QLabel*, 4> Label1{};   // "姓名", "年龄", "能力", "薪资"
    // 0 name, 1 age, 2 self-introduction, 3 ability, 4 salary
    std::array<QLabel*, 5> Label{};
    std::array<QFrame*, 1> Shape10{};  // frame of the ability bar
    std::array<QFrame*, 1> Shape{};    // the ability bar
    // 0 the face box; 1..8 the small look pictures (look + 1) shown in the
    // face box while the scroll thumb is dragged. Only 0 is visible.
    std::array<QLabel*, 9> Image1{};
    QLabel* Image2 = nullptr;  // decoration
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QScrollBar* HScroll1 = nullptr;   // list position
    QPushButton* Command2 = nullptr;  // "雇用"
    QPushButton* Command1 = nullptr;  // "关闭"

private:
    void ShowListPosition(int v, bool dragging);
};
