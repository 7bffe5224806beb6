#pragma once
// What the magazine and book stock windows share: the column headings,
// the list frame with its sheet and scroll bar, the four columns of text
// every row has, the two-stage redraw (a rebuild that recounts the rows and
// fits the window, then a refill that writes them) and the layout rule on
// every resize. A window adds the columns of its own in two overrides.
#include <QLabel>
#include <QScrollBar>
#include <array>
#include <string>
#include <vector>

#include "ui/kit/ReportWindow.h"
#include "ui/stock/ReportSheet.h"

class StockWindow : public ReportWindow {
public:
    struct Setup {
        Window window;
        Value GameState::*dirty;   // the rebuild flag
        Value GameState::*refill;  // the refill flag
        int sheetLeft;             // how far the sheet lies left of the frame's inner edge
        std::vector<int> separatorX;
        int fitExtraTwips;         // added to the fitted height by the rebuild
        struct Heading {
            QRect box;
            const char* caption;
            int x, w;              // the caption's cell, at y 10
        };
        std::vector<Heading> headings;
        struct Cell {
            int x, w;
            Qt::Alignment align;
        };
        std::array<Cell, 4> cells;  // Label, KLabel, ZLabel and SLabel in a row
    };
    StockWindow(const Setup& setup, GameState& g);

    SheetViewport List;  // Picture2 and the sheet Picture1
    QScrollBar* VScroll1 = nullptr;
    // Row slots, made as the rows need them.
    std::vector<QLabel*> Label;   // name
    std::vector<QLabel*> KLabel;  // profit per copy
    std::vector<QLabel*> ZLabel;  // stock
    std::vector<QLabel*> SLabel;  // copies sold (of the previous issue, for a magazine)

    // The sheet's height: 76 px more than its rows.
    int sheetHeight() const;

    void Form_Resize();
    void VScroll1_Change();

protected:
    // Counts the rows (0: the window closes itself).
    virtual int Rebuild(GameState& g) = 0;
    // Writes the rows (MakeRows first, ShowTexts for each); the number
    // written.
    virtual int Refill(GameState& g) = 0;
    // The window's own columns of row slot r, its top at `top`: made, and
    // blanked.
    virtual void MakeOwnCells(int r, int top) = 0;
    virtual void BlankOwnCells(int r) = 0;

    // Row slots up to `count`, should there be fewer.
    void MakeRows(int count);
    // Row slots from `first` on blank.
    void BlankRows(int first);
    // The four texts every row has, in row slot r.
    void ShowTexts(int r, const std::string& name, const std::string& profit, const std::string& stock,
                   const std::string& sold);
    // The sheet as the window opens, with `rows` row slots prepared; a
    // rebuild sizes it to the rows counted.
    void PrepareSheet(int rows);

    void Redraw() final;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void RefillStage();
    Setup setup_;
    bool loaded_ = false;
    bool closing_ = false;
    int resizeDepth_ = 0;
};
