#include "ui/stock/BookStockWindow.h"

#include "state/TableRows.h"
#include "stock/StockReport.h"
#include "ui/kit/Controls.h"

namespace rs = report_sheet;

namespace {

StockWindow::Setup BookStockSetup() {
    return {Window::BookStock, &GameState::BookStockDirty, &GameState::BookStockRefill, 10, {120, 160, 200, 240}, kBookFitExtra};
}

constexpr int kCellHeight = 12;

}  // namespace

BookStockWindow::BookStockWindow(GameState& g) : StockWindow(BookStockSetup(), g) {
    setObjectName("Form23");
    setWindowTitle(QStringLiteral("书籍的库存"));

    const struct {
        QRect box;
        const char* caption;
        int x, w;
    } heads[] = {{{8, 8, 111, 17}, "书籍名", 8, 113},
                 {{120, 8, 40, 17}, "收支", 120, 41},
                 {{161, 8, 40, 17}, "库存", 160, 41},
                 {{202, 8, 38, 17}, "售出", 200, 41},
                 {{241, 8, 80, 17}, "下次预定进货", 240, 81}};
    for (const auto& h : heads) rs::HeaderBox(this, h.box, QString::fromUtf8(h.caption), QRect(h.x, 10, h.w, kCellHeight));

    // One slot for every title and one more.
    const int rowSlots = RowsInUse(g.BookCount, g.Book.Title) + 1;
    MakeRows(rowSlots);
    PrepareSheet(rowSlots);
}

void BookStockWindow::MakeRows(int count) {
    QWidget* sheet = List.sheet;
    const auto right = Qt::AlignRight;
    for (int r = static_cast<int>(Label.size()); r < count; ++r) {
        const int top = StockRowTop(r);
        Label.push_back(rs::Cell(sheet, QRect(8, top, 115, kCellHeight), Qt::AlignHCenter));
        KLabel.push_back(rs::Cell(sheet, QRect(120, top, 39, kCellHeight), right));
        ZLabel.push_back(rs::Cell(sheet, QRect(168, top, 30, kCellHeight), right));
        SLabel.push_back(rs::Cell(sheet, QRect(204, top, 35, kCellHeight), right));
        ZaLabel.push_back(rs::Cell(sheet, QRect(248, top, 67, kCellHeight), Qt::AlignHCenter));
        for (QLabel* l : {Label[r], KLabel[r], ZLabel[r], SLabel[r], ZaLabel[r]}) l->show();
    }
}

void BookStockWindow::BlankRows(int first) {
    for (std::size_t r = static_cast<std::size_t>(first); r < Label.size(); ++r)
        for (QLabel* l : {Label[r], KLabel[r], ZLabel[r], SLabel[r], ZaLabel[r]}) l->clear();
}

int BookStockWindow::Rebuild(GameState& g) { return RebuildBookStock(g); }

void BookStockWindow::Refill(GameState& g) {
    const std::vector<BookStockRow> rows = RefillBookStock(g);
    MakeRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const BookStockRow& row = rows[r];
        Label[r]->setText(QText(row.name));
        KLabel[r]->setText(QText(row.profit));
        ZLabel[r]->setText(QText(row.stock));
        SLabel[r]->setText(QText(row.sold));
        ZaLabel[r]->setText(QText(row.delivery));
    }
    // Slots below the last row are blanked too, so a title that went since
    // the last rebuild leaves nothing behind.
    BlankRows(static_cast<int>(rows.size()));
}
