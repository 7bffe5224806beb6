#pragma once
// The pieces the magazine stocking and book ordering dialogs share: blue
// heading cells, the list (a framed viewport over a white sheet with its
// grid and twelve row slots), and the small hold-down arrow images of the
// all-titles adjuster.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QFrame;
class QRadioButton;

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
std::array<HoldImage*, 3> MakeAdjusterArrow(QWidget* parent, int formNumber, const char* name, QPoint at,
                                            QPoint storeAt);
// Shows face k (1 released, 2 pressed) in element 0.
void ShowFace(std::array<HoldImage*, 3>& arrow, int k);
