#include "ui/stock/BookStockWindow.h"

#include "state/TableRows.h"
#include "stock/StockReport.h"
#include "ui/kit/Controls.h"

namespace rs = report_sheet;

namespace {

StockWindow::Setup BookStockSetup() {
    const auto right = Qt::AlignRight;
    return {.window = Window::BookStock,
            .dirty = &GameState::BookStockDirty,
            .refill = &GameState::BookStockRefill,
            .sheetLeft = 10,
            .separatorX = {120, 160, 200, 240},
            .fitExtraTwips = kBookFitExtra,
            .headings = {{{8, 8, 111, 17}, "书籍名", 8, 113},
                         {{120, 8, 40, 17}, "收支", 120, 41},
                         {{161, 8, 40, 17}, "库存", 160, 41},
                         {{202, 8, 38, 17}, "售出", 200, 41},
                         {{241, 8, 80, 17}, "下次预定进货", 240, 81}},
            .cells = {{{8, 115, Qt::AlignHCenter}, {120, 39, right}, {168, 30, right}, {204, 35, right}}}};
}

constexpr int kCellHeight = 12;

}  // namespace

BookStockWindow::BookStockWindow(GameState& g) : StockWindow(BookStockSetup(), g) {
    setObjectName("Form23");
    setWindowTitle(QStringLiteral("书籍的库存"));
    // One slot for every title and one more.
    PrepareSheet(RowsInUse(g.BookCount, g.Book.Title) + 1);
}

void BookStockWindow::MakeOwnCells(int, int top) {
    ZaLabel.push_back(rs::Cell(List.sheet, QRect(248, top, 67, kCellHeight), Qt::AlignHCenter));
    ZaLabel.back()->show();
}

void BookStockWindow::BlankOwnCells(int r) { ZaLabel[r]->clear(); }

int BookStockWindow::Rebuild(GameState& g) { return RebuildBookStock(g); }

int BookStockWindow::Refill(GameState& g) {
    const std::vector<BookStockRow> rows = RefillBookStock(g);
    MakeRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const BookStockRow& row = rows[r];
        ShowTexts(static_cast<int>(r), row.name, row.profit, row.stock, row.sold);
        ZaLabel[r]->setText(QText(row.delivery));
    }
    return static_cast<int>(rows.size());
}
