#pragma once
// The pieces the magazine stocking and book ordering dialogs share: blue
// heading cells, the list (a framed viewport over a white sheet with its
// grid and twelve row slots, and its scroll bar), the detail panel with its
// quantity spinner, the "全部售出时" frame, the command buttons and the
// small hold-down arrow images of the all-titles adjuster.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/Window.h"
#include "stock/OrderList.h"

class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class OrderSheet;
class HoldImage;

namespace order_sheet {

// The list's row slot r has its top at 11 + 15 r on the sheet.
constexpr int kRowPitch = 15;
constexpr int kRowTop = 11;
constexpr int kRowHeight = 12;
inline int RowTop(int slot) { return kRowTop + kRowPitch * slot; }

// A heading cell: white centred text on a cell filled blue.
QLabel* HeadingCell(QWidget* parent, const QString& text, QRect cell);
// A label of plain text.
QLabel* Text(QWidget* parent, const QString& text, QRect r, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// Paints a widget in the system's button-face colour.
void ButtonFace(QWidget* w);


// A column heading of the list: a cell `w` wide at x.
struct Heading {
    int x, w;
    const char* text;
};
// The list's column headings, cells 17 high with their tops at y `top`.
void Headings(QWidget* parent, int top, const std::vector<Heading>& heads);

// The title options (SSCheck1), or the labels of one column, of the row slots.
using RowOptions = std::array<QRadioButton*, kOrderRowSlots>;
using RowLabels = std::array<QLabel*, kOrderRowSlots>;
// A column of the list: in every row slot a label `w` wide at x.
struct RowColumn {
    RowLabels* labels;
    int x, w;
    Qt::Alignment align;
};
// The row slots on the sheet, top to bottom: in each the title's option
// (SSCheck1_<slot>), then that slot's label of every column in turn.
void MakeRows(OrderSheet* sheet, RowOptions& titles, std::initializer_list<RowColumn> columns);

// The list position the selected slot shows with the list at `top`, or -1
// when nothing is selected or the slot is past the last of `listed` titles.
int SelectedPosition(const RowOptions& titles, int top, int listed);
// After the list scrolled to `top`: a selected slot past the last of the
// `listed` titles (the cut-off slot 11 at the last position) hands the
// selection, without a click, to the last title's slot.
void KeepSelectionOnATitle(RowOptions& titles, int top, int listed);

// VScroll1, beside the list at `r`: a title a step, eight a page, and no
// range until the list is filled.
QScrollBar* ListScrollBar(QWidget* parent, QRect r);

// The detail panel below the list, its heading cells in four rows 24 apart
// from y `top`: the name ("<nameHeading>", its text `nameWidth` wide) and,
// when `besideName` is given, a field of that heading to its right; the
// description; the quantity ("0册") with the spinner VScroll2 (999 -
// quantity, starting at no copies) and the stock; the funds.
struct DetailPanel {
    QLabel* name = nullptr;
    QLabel* beside = nullptr;
    QLabel* description = nullptr;
    QLabel* copies = nullptr;
    QScrollBar* spinner = nullptr;
    QLabel* stock = nullptr;
    QLabel* funds = nullptr;
};
DetailPanel MakeDetailPanel(QWidget* parent, int top, const QString& nameHeading, int nameWidth,
                            const QString& besideName = {});

// The "全部售出时" frame named `name` at `at`: the money the selected
// title's order would bring if every copy sold, "0円" until one is shown.
struct AllSoldFrame {
    QGroupBox* box = nullptr;
    QLabel* retail = nullptr;
    QLabel* wholesale = nullptr;
    QLabel* profit = nullptr;
};
AllSoldFrame MakeAllSoldFrame(QWidget* parent, const char* name, QPoint at);

// The all-titles adjuster: its heading at (8, top) and beside it the
// arrows ButtonU and ButtonD, with the faces of `window`.
struct Adjuster {
    std::array<HoldImage*, 3> up{};
    std::array<HoldImage*, 3> down{};
};
Adjuster MakeAdjuster(QWidget* parent, Window window, const QString& heading, int top);

// An adjuster arrow pressed: with the left button, it shows its pressed
// face and `hold` (MagazineAdjustHold or BookAdjustHold) becomes `adjust`.
void PressArrow(std::array<HoldImage*, 3>& arrow, Qt::MouseButton button, Value& hold, OrderAdjust adjust);
// Released: the face at rest, and `hold` back to AdjustIdle.
void ReleaseArrow(std::array<HoldImage*, 3>& arrow, Value& hold);

}  // namespace order_sheet

// The list sheet: white, with a top rule at y 8, a row rule under every
// row slot (y 15 v + 9, v = 1..12) and the column rules at the given x
// reaching down to `columnBottom`.
class OrderSheet : public QWidget {
public:
    OrderSheet(QWidget* parent, std::vector<int> columnX, int columnBottom);
    void setColumnBottom(int y);
    int columnBottom() const { return columnBottom_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> columnX_;
    int columnBottom_;
};

// The framed viewport at `frame` (Picture1) with the sheet (Picture2, 600 x
// 281) inside it at (-4, -4) of its client area.
struct OrderViewport {
    QFrame* frame = nullptr;
    OrderSheet* sheet = nullptr;
};
OrderViewport MakeOrderViewport(QWidget* parent, QRect frame, std::vector<int> columnX, int columnBottom);

// An image that reports mouse presses and releases: the adjuster's arrows.
class HoldImage : public QLabel {
public:
    explicit HoldImage(QWidget* parent = nullptr);
    std::function<void(Qt::MouseButton)> pressed;
    std::function<void(Qt::MouseButton)> released;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// One adjuster arrow as a control array: element 0 the image the player
// sees at `at`, elements 1 (released face) and 2 (pressed face) the stores
// below the client area, loaded from "Graphic/Forms/Form<N>_<name>_<k>.png".
std::array<HoldImage*, 3> MakeAdjusterArrow(QWidget* parent, Window window, const char* name, QPoint at,
                                            QPoint storeAt);
// Shows face k (1 released, 2 pressed) in element 0.
void ShowFace(std::array<HoldImage*, 3>& arrow, int k);
