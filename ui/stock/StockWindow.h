#pragma once
// What the magazine and book stock windows share: the list frame with its
// sheet and scroll bar, the two-stage redraw (a rebuild that recounts the
// rows and fits the window, then a refill that writes them) and the layout
// rule on every resize.
#include <QScrollBar>

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
    };
    StockWindow(const Setup& setup, GameState& g);

    SheetViewport List;  // Picture2 and the sheet Picture1
    QScrollBar* VScroll1 = nullptr;

    // The sheet's height: 76 px more than its rows.
    int sheetHeight() const;

    void Form_Resize();
    void VScroll1_Change();

protected:
    // Counts the rows (0: the window closes itself).
    virtual int Rebuild(GameState& g) = 0;
    // Writes the rows; blanks every row slot below them.
    virtual void Refill(GameState& g) = 0;
    // Row slots from `first` on blank, their gauges hidden.
    virtual void BlankRows(int first) = 0;
    // The sheet as the window opens, with the row slots prepared; a
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
