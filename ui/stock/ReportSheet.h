#pragma once
// What the stock windows, the delivery schedule and the top-10 windows
// share: blue header boxes with white captions, a white list sheet with
// its column and row rules, the stock gauge, and the window's outer size
// in twips.
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "stock/ReportWindowSize.h"

namespace report_sheet {

// The list texts are 12 px high; the sheets and headers use a font that
// fits them.
void SmallFont(QWidget* w);

// A header box filled RGB(0, 128, 255) with a 1-px black border, and over
// it a white centred caption on a transparent background.
QLabel* HeaderBox(QWidget* parent, QRect box, const QString& caption, QRect captionRect);

// A heading cell filled RGB(0, 128, 255) with white centred text.
QLabel* HeadingCell(QWidget* parent, const QString& text, QRect cell);

// A text cell of a list row: transparent, in the button-text colour.
QLabel* Cell(QWidget* parent, QRect r, Qt::Alignment align);

// The window (or the child-window frame around it) whose outer size the
// size rules set.
QWidget* OuterFrame(QWidget* window);
OuterSize OuterTwips(QWidget* window);
void SetOuterTwips(QWidget* window, OuterSize size);
bool IsMinimised(QWidget* window);
// Closes the window as its close box would (its closing step runs).
void CloseWindow(QWidget* window);

}  // namespace report_sheet

// A list sheet on the window colour with vertical column rules from `top`
// to a bottom that follows the rows, and horizontal rules across it.
class RuledSheet : public QWidget {
public:
    RuledSheet(QWidget* parent, std::vector<int> columnX, int columnTop, int columnBottom);
    void setColumnBottom(int y);
    int columnBottom() const { return columnBottom_; }
    void setRowRules(std::vector<int> y);
    const std::vector<int>& rowRules() const { return rowRules_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> columnX_;
    int columnTop_, columnBottom_;
    std::vector<int> rowRules_;
};

// A stock gauge: the blue background 57 x 9 and the green fill over it.
class StockGaugeBox : public QWidget {
public:
    explicit StockGaugeBox(QWidget* parent = nullptr);
    void setFill(double width);
    double fill() const { return fill_; }
    // The fill as drawn, in whole pixels.
    int fillPixels() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    double fill_ = 0;
};

// A framed viewport (the platform's sunken border) whose client area clips
// a sheet; the sheet scrolls by moving up.
struct SheetViewport {
    QFrame* frame = nullptr;
    QWidget* client = nullptr;
    RuledSheet* sheet = nullptr;
};
SheetViewport MakeSheetViewport(QWidget* parent, QRect frame, std::vector<int> columnX, int columnTop,
                                int columnBottom);
// Gives the viewport a new height, its client area following.
void SetViewportHeight(SheetViewport& v, int height);
