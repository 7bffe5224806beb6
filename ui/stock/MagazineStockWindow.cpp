#include "ui/stock/MagazineStockWindow.h"

#include "state/TableRows.h"
#include "stock/StockReport.h"
#include "ui/kit/Controls.h"

namespace rs = report_sheet;

namespace {

StockWindow::Setup MagazineStockSetup() {
    return {Window::MagazineStock, &GameState::MagazineStockDirty, &GameState::MagazineStockRefill, 8, {120, 160, 264},
            kMagazineFitExtra};
}

constexpr int kCellHeight = 12;
constexpr int kGaugeX = 206;

}  // namespace

MagazineStockWindow::MagazineStockWindow(GameState& g) : StockWindow(MagazineStockSetup(), g) {
    setObjectName("Form17");
    setWindowTitle(QStringLiteral("杂志的库存"));

    const struct {
        QRect box;
        const char* caption;
        int x, w;
    } heads[] = {{{8, 8, 113, 17}, "杂志名", 8, 113},
                 {{122, 8, 41, 17}, "收支", 120, 43},
                 {{164, 8, 101, 17}, "库存数", 168, 91},
                 {{266, 8, 57, 17}, "上次售出", 264, 59}};
    for (const auto& h : heads) rs::HeaderBox(this, h.box, QString::fromUtf8(h.caption), QRect(h.x, 10, h.w, kCellHeight));

    int listed = 0;
    for (int m = 0; m < RowsInUse(g.MagazineCount, g.Magazine.Listed); ++m)
        if (g.Magazine.Listed[m].asInt() == 1) ++listed;
    MakeRows(listed);
    PrepareSheet(listed);
}

void MagazineStockWindow::MakeRows(int count) {
    QWidget* sheet = List.sheet;
    const auto right = Qt::AlignRight;
    for (int r = static_cast<int>(Label.size()); r < count; ++r) {
        const int top = StockRowTop(r);
        Label.push_back(rs::Cell(sheet, QRect(8, top, 115, kCellHeight), Qt::AlignHCenter));
        KLabel.push_back(rs::Cell(sheet, QRect(120, top, 39, kCellHeight), right));
        ZLabel.push_back(rs::Cell(sheet, QRect(163, top, 43, kCellHeight), right));
        SLabel.push_back(rs::Cell(sheet, QRect(272, top, 43, kCellHeight), right));
        auto* gauge = new StockGaugeBox(sheet);
        gauge->move(kGaugeX, StockGaugeTop(r));
        gauge->hide();
        Shape.push_back(gauge);
        for (QWidget* w : {static_cast<QWidget*>(Label[r]), static_cast<QWidget*>(KLabel[r]),
                           static_cast<QWidget*>(ZLabel[r]), static_cast<QWidget*>(SLabel[r])})
            w->show();
    }
}

void MagazineStockWindow::BlankRows(int first) {
    for (std::size_t r = static_cast<std::size_t>(first); r < Label.size(); ++r) {
        Label[r]->clear();
        KLabel[r]->clear();
        ZLabel[r]->clear();
        SLabel[r]->clear();
        Shape[r]->hide();
    }
}

int MagazineStockWindow::Rebuild(GameState& g) { return RebuildMagazineStock(g); }

void MagazineStockWindow::Refill(GameState& g) {
    const std::vector<MagazineStockRow> rows = RefillMagazineStock(g);
    MakeRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const MagazineStockRow& row = rows[r];
        Label[r]->setText(QText(row.name));
        KLabel[r]->setText(QText(row.profit));
        ZLabel[r]->setText(QText(row.stock.text));
        SLabel[r]->setText(QText(row.lastIssue));
        Shape[r]->setFill(row.stock.fill);
        Shape[r]->show();
    }
    // Slots below the last row are blanked too, so a title that went since
    // the last rebuild leaves nothing behind.
    BlankRows(static_cast<int>(rows.size()));
}
