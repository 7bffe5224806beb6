#include "stock/TopTen.h"

#include "state/FormatMoney.h"
#include "state/TableRows.h"

namespace {

template <std::size_t N, std::size_t M>
TopTenList Ranking(const Col<N>& top, const Value& count, const Col<M>& names, const Col<M>& prices) {
    const int titles = RowsInUse(count, names);
    TopTenList list;
    for (int i = 0; i < kTopTenRows; ++i) {
        TopTenRow& row = list[i];
        row.rank = std::to_string(i + 1);
        const Value& t = top[i];
        if (!t.isNumber() || t.asInt() < 0 || t.asInt() >= titles) continue;
        row.title = names[t.i()].asText();
        row.price = FormatMoney(prices[t.i()].asInt()) + "円";
    }
    return list;
}

}  // namespace

TopTenList TopTenBooks(const GameState& g) { return Ranking(g.TopBooks, g.BookCount, g.Book.Title, g.Book.Price); }

TopTenList TopTenMagazines(const GameState& g) {
    return Ranking(g.TopMagazines, g.MagazineCount, g.Magazine.Name, g.Magazine.Price);
}
