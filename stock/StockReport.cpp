#include "stock/StockReport.h"

#include <algorithm>

#include "state/TableRows.h"
#include "stock/BookOrders.h"
#include "stock/MagazineOrders.h"
#include "stock/OrderList.h"

namespace {

int Magazines(const GameState& g) { return RowsInUse(g.MagazineCount, g.Magazine.Name); }
int Books(const GameState& g) { return RowsInUse(g.BookCount, g.Book.Title); }

// A count in plain digits; an empty figure is 0.
std::string Whole(const Value& v) { return std::to_string(v.asInt()); }

// Profit per copy in plain digits: "170円".
std::string ProfitText(const Value& price, const Value& cost) {
    return std::to_string(price.asInt() - cost.asInt()) + "円";
}

}  // namespace

bool MagazineCarried(const GameState& g, int title) {
    const auto& m = g.Magazine;
    return m.Listed[title].asInt() == 1 && (m.StandingOrder[title].asReal() != 0 || m.Stock[title].asReal() != 0);
}

bool BookCarried(const GameState& g, int title) {
    return g.Book.Stock[title].asReal() > 0 || g.Book.DaysToDelivery[title].asReal() != 0;
}

StockGauge MagazineStockGauge(const Value& stock, const Value& standingOrder) {
    const double s = stock.asReal();
    const double o = standingOrder.asReal();
    StockGauge gauge;
    if (o != 0 && s <= o) {
        gauge.text = Whole(stock) + "/" + Whole(standingOrder);
        gauge.fill = kStockGaugeWidth * s / o;
    } else {
        gauge.text = Whole(stock) + "/" + Whole(stock);
        gauge.fill = kStockGaugeWidth;
    }
    // A stock below 0 (copies lost after they were reserved) would give a
    // negative width, or a full bar for a title without an order.
    if (s < 0) gauge.fill = 0;
    gauge.fill = std::clamp(gauge.fill, 0.0, static_cast<double>(kStockGaugeWidth));
    return gauge;
}

int RebuildMagazineStock(GameState& g) {
    g.MagazineStockDirty = 0;
    g.MagazineStockRefill = 1;
    int rows = 0;
    for (int m = 0; m < Magazines(g); ++m)
        if (MagazineCarried(g, m)) ++rows;
    g.MagazineStockRowCount = rows;
    return rows;
}

int RebuildBookStock(GameState& g) {
    g.BookStockDirty = 0;
    g.BookStockRefill = 1;
    int rows = 0;
    for (int b = 0; b < Books(g); ++b)
        if (BookCarried(g, b)) ++rows;
    g.BookStockRowCount = rows;
    return rows;
}

std::vector<MagazineStockRow> RefillMagazineStock(GameState& g) {
    g.MagazineStockRefill = 0;
    const int listed = FillMagazineWorkList(g);
    g.MagazineTally = 0;
    const auto& m = g.Magazine;
    std::vector<MagazineStockRow> rows;
    for (int k = 0; k < listed; ++k) {
        const int t = g.MagazineWorkList[k].i();
        if (!MagazineCarried(g, t)) continue;
        MagazineStockRow row;
        row.title = t;
        row.name = m.Name[t].asText();
        row.profit = ProfitText(m.Price[t], m.Cost[t]);
        row.stock = MagazineStockGauge(m.Stock[t], m.StandingOrder[t]);
        row.lastIssue = CopiesText(m.IssueSales[t][1]);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<BookStockRow> RefillBookStock(GameState& g) {
    g.BookStockRefill = 0;
    FillBookDisplayOrder(g);
    const auto& b = g.Book;
    std::vector<BookStockRow> rows;
    for (int k = 0; k < Books(g); ++k) {
        const int t = g.BookDisplayOrder[k].i();
        if (!BookCarried(g, t)) continue;
        BookStockRow row;
        row.title = t;
        row.name = b.Title[t].asText();
        row.profit = ProfitText(b.Price[t], b.Cost[t]);
        row.stock = CopiesText(b.Stock[t]);
        row.sold = CopiesText(b.CopiesSold[t]);
        row.delivery = DeliveryText(g, t);
        rows.push_back(std::move(row));
    }
    return rows;
}

StockRebuildFit StockFitAfterRebuild(int sheetHeight, int innerHeight, int fitExtraTwips) {
    StockRebuildFit fit;
    fit.scrollMax = std::max(0, sheetHeight - 26 - innerHeight);
    // When the whole sheet fits, the window shrinks (or grows) to it; when
    // it does not, the height stays and the scroll bar serves.
    if (sheetHeight - 25 <= innerHeight) fit.outerHeight = sheetHeight * kTwipsPerPixel + fitExtraTwips;
    return fit;
}

OuterSize StockWindowOuter(OuterSize outer, int innerHeight, int sheetHeight) {
    outer = BoundReportOuter(outer, innerHeight);
    // A window dragged taller than its sheet snaps back.
    if (sheetHeight - 25 <= innerHeight) outer.height = sheetHeight * kTwipsPerPixel;
    return outer;
}

StockWindowParts StockWindowLayout(int innerWidth, int innerHeight, int sheetHeight) {
    StockWindowParts p;
    p.scrollLeft = innerWidth - 23;
    p.scrollHeight = std::max(0, innerHeight - 40);
    p.scrollMax = std::max(0, sheetHeight - 27 - innerHeight);
    p.frameHeight = std::max(0, innerHeight - 40);
    return p;
}
