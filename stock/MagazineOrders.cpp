#include "stock/MagazineOrders.h"

#include <utility>
#include <vector>

#include "state/FormatMoney.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

int Titles(const GameState& g) { return RowsInUse(g.MagazineCount, g.Magazine.Name); }

bool Listed(const GameState& g, int t) { return g.Magazine.Listed[t].asInt() == 1; }

}  // namespace

int FillMagazineWorkList(GameState& g) {
    // An insertion sort by exchanges of neighbours: equal keys never pass
    // each other, so titles of one issue code keep catalogue order.
    std::vector<double> key;
    int n = 0;
    for (int t = 0; t < Titles(g); ++t) {
        if (!Listed(g, t)) continue;
        key.push_back(g.Magazine.IssueCode[t].asReal());
        g.MagazineWorkList[n] = t;
        ++n;
    }
    for (int j = 1; j < n; ++j) {
        for (int k = j; k > 0 && key[k - 1] > key[k]; --k) {
            std::swap(key[k - 1], key[k]);
            std::swap(g.MagazineWorkList[k - 1], g.MagazineWorkList[k]);
        }
    }
    return n;
}

int OpenMagazineOrders(GameState& g) {
    for (int t = 0; t < Titles(g); ++t)
        if (Listed(g, t)) g.Magazine.EditedOrder[t] = g.Magazine.StandingOrder[t];
    return FillMagazineWorkList(g);
}

OrderCatalogue MagazineOrderCatalogue(GameState& g) {
    auto& m = g.Magazine;
    return {.list = g.MagazineWorkList, .name = m.Name, .second = m.IssueDayText, .cost = m.Cost, .price = m.Price,
            .description = m.Description, .edited = m.EditedOrder, .titles = Titles(g)};
}

MagazineOrderDetail MagazineOrderDetailOf(const GameState& g, int title) {
    const auto& m = g.Magazine;
    MagazineOrderDetail d;
    d.name = m.Name[title].asText();
    d.issueDay = m.IssueDayText[title].asText() + "发售";
    d.description = m.Description[title].asText();
    d.stock = FormatMoney(m.Stock[title].asInt()) + "册";
    return d;
}

void SetMagazineEditedOrder(GameState& g, int title, int copies) {
    SetEditedOrder(MagazineOrderCatalogue(g), title, copies);
}

bool StepAllMagazineOrders(GameState& g) {
    return StepAllOrders(g.MagazineAdjustHold.i(), std::span(g.Magazine.EditedOrder).first(Titles(g)),
                         [&g](int t) { return Listed(g, t); });
}

bool CommitMagazineOrders(GameState& g) {
    auto& m = g.Magazine;
    int ordered = 0;
    int stocked = 0;
    for (int t = 0; t < Titles(g); ++t) {
        m.StandingOrder[t] = m.EditedOrder[t];
        if (m.StandingOrder[t].asReal() != 0) ++ordered;
    }
    for (int t = 0; t < Titles(g); ++t)
        if (Listed(g, t) && m.Stock[t].asReal() != 0) ++stocked;
    g.MagazineTally = ordered;
    g.MagazineTitlesStocked = stocked;
    // Every visit to the order desk counts as effort, changed or not.
    AddToScore(g.Bookshop.EffortPoints[0], 1);
    g.MagazineStockDirty = 1;
    g.ScheduleDirty = 1;
    return ordered == 0;
}
