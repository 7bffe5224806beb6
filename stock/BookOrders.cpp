#include "stock/BookOrders.h"
#include "state/Counters.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "state/TableRows.h"

namespace {

int Titles(const GameState& g) { return RowsInUse(g.BookCount, g.Book.Title); }

// The UTF-16 code units of a UTF-8 text. A byte that does not start or
// continue a character stands for itself, so no text fails to compare.
std::u16string Utf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
        if (i + extra >= s.size()) extra = 0;  // cut short at the end
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(s[i + k]);
            if ((n & 0xC0) != 0x80) {
                extra = 0;
                break;
            }
            c = (c << 6) | (n & 0x3F);
        }
        if (extra == 0) c = b;
        i += 1 + extra;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

}  // namespace

bool TitleSortsBefore(std::string_view a, std::string_view b) {
    const std::u16string ua = Utf16(a), ub = Utf16(b);
    return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end());
}

void FillBookDisplayOrder(GameState& g) {
    const int n = Titles(g);
    std::vector<std::u16string> titles;
    titles.reserve(n);
    for (int b = 0; b < n; ++b) titles.push_back(Utf16(g.Book.Title[b].asText()));
    for (int k = 0; k < n; ++k) {
        // Ranking by counting would give equal titles the same place (and
        // leave another place empty); an equal title in an earlier row
        // counts as lower, so every title gets a place of its own.
        int rank = 0;
        for (int l = 0; l < n; ++l)
            if (titles[l] < titles[k] || (l < k && titles[l] == titles[k])) ++rank;
        g.BookDisplayOrder[rank] = k;
    }
    g.BookTally = 0;
}

int OpenBookOrders(GameState& g) {
    auto& b = g.Book;
    for (int t = 0; t < Titles(g); ++t) {
        b.EditedOrder[t] = b.StandingOrder[t];
        b.EditedReorder[t] = b.KeepReordering[t];
    }
    FillBookDisplayOrder(g);
    return Titles(g);
}

OrderCatalogue BookOrderCatalogue(GameState& g) {
    auto& b = g.Book;
    return {.list = g.BookDisplayOrder, .name = b.Title, .second = b.GenreText, .cost = b.Cost, .price = b.Price,
            .description = b.Description, .edited = b.EditedOrder, .titles = Titles(g)};
}

BookOrderDetail BookOrderDetailOf(const GameState& g, int title) {
    const auto& b = g.Book;
    BookOrderDetail d;
    d.name = b.Title[title].asText();
    d.stock = b.Stock[title].asText() + "册";
    d.description = b.Description[title].asText();
    d.keepReordering = b.EditedReorder[title].asInt() == 1;
    return d;
}

void SetBookEditedOrder(GameState& g, int title, int copies) { SetEditedOrder(BookOrderCatalogue(g), title, copies); }

void SetBookEditedReorder(GameState& g, int title, bool keepReordering) {
    g.Book.EditedReorder[title] = keepReordering ? 1 : 0;
}

bool StepAllBookOrders(GameState& g) {
    return StepAllOrders(g.BookAdjustHold.i(), std::span(g.Book.EditedOrder).first(Titles(g)));
}

void CommitBookOrders(GameState& g) {
    auto& b = g.Book;
    const int n = Titles(g);
    for (int t = 0; t < n; ++t) {
        const double edited = b.EditedOrder[t].asReal();
        const double committed = b.StandingOrder[t].asReal();
        if (edited != 0 && edited > committed) {
            // A delivery already under way brings the raised order as it is.
            if (b.DaysToDelivery[t].asReal() == 0) b.DaysToDelivery[t] = kBookDeliveryDays;
        } else if (edited == 0) {
            b.DaysToDelivery[t] = 0;
        }
    }
    AddToScore(g.Bookshop.EffortPoints[0], 1);
    int stocked = 0;
    for (int t = 0; t < n; ++t) {
        b.StandingOrder[t] = b.EditedOrder[t];
        b.KeepReordering[t] = b.EditedReorder[t];
        if (b.Stock[t].asReal() > 0 || b.DaysToDelivery[t].asReal() > 0) ++stocked;
    }
    g.BookTitlesStocked = stocked;
    g.BookStockDirty = 1;
    g.ScheduleDirty = 1;
}

std::string DeliveryText(const GameState& g, int title) {
    const auto& b = g.Book;
    if (b.DaysToDelivery[title].asReal() == 0) return "无";
    return b.DaysToDelivery[title].asText() + "日后" + b.StandingOrder[title].asText() + "册";
}
