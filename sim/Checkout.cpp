// The sale at the register: chance sales of the shop's services, then the
// copies the shopper reserved when it came in.
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "sim/Customer.h"
#include "shop/ShelfFill.h"
#include "state/Ledger.h"
#include "state/Counters.h"

namespace {

// ShopService by index: its price per unit.
constexpr int kServicePrice[4] = {
    800,   // 0 photo developing
    1000,  // 1 home delivery
    1000,  // 2 poster printing
    500,   // 3 book tokens
};

// By the draw s (0..9): which services the customer asks for, each with a
// quantity Int(Rnd * range) drawn in this order. The quantities are drawn
// whether or not the shop offers the service, so the draws that follow do
// not depend on the services offered. s = 6..9 asks for nothing.
struct ServiceAsk {
    int s;
    int range;
    int count;
    int services[4];
};
constexpr ServiceAsk kServiceAsks[] = {
    {0, 4, 1, {0}},
    {1, 4, 1, {1}},
    {2, 4, 1, {2}},
    {3, 4, 1, {3}},
    {4, 3, 4, {0, 1, 2, 3}},
    {5, 3, 2, {0, 2}},
};

constexpr const char* kMagazineSoldText = "杂志售出了";
constexpr const char* kBookSoldText = "书籍售出了";
constexpr int kReorderDays = 3;

void Add(Value& v, std::int64_t d) { v = v.asInt() + d; }

// The takings of a sale: the price times the copies, held to the most a
// whole number holds (AddMoney then holds it to the money a game holds).
std::int64_t Takings(const Value& price, std::int64_t copies) {
    std::int64_t amount = 0;
    if (__builtin_mul_overflow(price.asInt(), copies, &amount)) amount = INT64_MAX;
    return amount;
}

bool IsTitle(const Value& t, std::size_t rows) {
    return !t.isEmpty() && t.asInt() >= 0 && static_cast<std::size_t>(t.asInt()) < rows;
}

void SellServices(GameState& g) {
    const int s = g.RndInt(10);
    for (const ServiceAsk& a : kServiceAsks) {
        if (a.s != s) continue;
        int quantity[4] = {};
        for (int i = 0; i < a.count; ++i) quantity[i] = g.RndInt(a.range);
        // A service offered is booked even for a quantity of 0.
        for (int i = 0; i < a.count; ++i) {
            const int service = a.services[i];
            if (g.ShopServiceOn[service].asInt() == 1)
                AddMoney(g, static_cast<std::int64_t>(quantity[i]) * kServicePrice[service], Services, 1);
        }
    }
}

// Copies that can really leave the shelves: never more than the title's
// stock or the shelves hold (a write-off or a disaster may have taken
// reserved copies away).
std::int64_t CopiesInStock(std::int64_t wanted, const Value& stock, const Value& onShelves) {
    return std::max<std::int64_t>(0, std::min({wanted, stock.asInt(), onShelves.asInt()}));
}

void CountSold(GameState& g, std::int64_t sold) {
    Add(g.CopiesOnShelves, -sold);
    CountUp(g.CopiesSold, sold);
    CountUp(g.CopiesSoldHistory.Daily[0], sold);
    CountUp(g.CopiesSoldHistory.Monthly[0], sold);
    CountUp(g.CopiesSoldHistory.Yearly[0], sold);
}

void ShowSold(GameState& g, const char* text, std::int64_t sold, std::int64_t amount) {
    g.StatusTicks = 0;
    g.StatusText = std::string(text) + std::to_string(sold) + "册 +" + std::to_string(amount) + "円";
}

// One kind of title as its sale acts on it: the shopper's reserved copies
// of that kind, the title table's columns, the status-bar text, and what
// follows the sale of a title of the table (title -1: the shopper's title
// names no row), after the stock has moved and the reservation is released.
struct TitleSale {
    const Value& reserved;
    Col<513>& stock;
    const Col<513>& price;
    const Col<257>& held;
    const char* soldText;
    void (*afterSale)(GameState& g, int title, std::int64_t sold);
};

// A magazine's issue counts its copies sold; the magazine stock is redrawn
// when the title is sold out, else its shelves are refilled.
void AfterMagazineSale(GameState& g, int t, std::int64_t sold) {
    if (t >= 0) CountUp(g.Magazine.IssueSales[t][0], sold, kCopyLimit);
    if (t >= 0 && g.Magazine.Stock[t].asInt() <= 0)
        g.MagazineStockDirty = 1;
    else
        g.MagazineStockRefill = 1;
}

// A book counts its copies sold, and selling the last free copy of a title
// that is re-ordered starts its three-day delivery again (a checkout that
// sold nothing orders nothing). The book shelves are always refilled.
void AfterBookSale(GameState& g, int t, std::int64_t sold) {
    auto& B = g.Book;
    if (t >= 0) {
        CountUp(B.CopiesSold[t], sold);
        if (sold > 0 && B.Stock[t].asInt() - B.HeldCopies[t].asInt() == 0 && B.StandingOrder[t].asInt() != 0 &&
            B.KeepReordering[t].asInt() == 1) {
            B.DaysToDelivery[t] = kReorderDays;
            g.ScheduleDirty = 1;  // the delivery schedule shows the new countdown
        }
        if (B.Stock[t].asInt() == 0) g.BookStockDirty = 1;
    }
    g.BookStockRefill = 1;
}

TitleSale MagazineSale(GameState& g, int slot) {
    auto& M = g.Magazine;
    return {g.Person.MagazineCopies[slot], M.Stock, M.Price, M.HeldCopies, kMagazineSoldText, AfterMagazineSale};
}

TitleSale BookSale(GameState& g, int slot) {
    auto& B = g.Book;
    return {g.Person.BookCopies[slot], B.Stock, B.Price, B.HeldCopies, kBookSoldText, AfterBookSale};
}

// The sale of the copies the shopper reserved of its title.
void SellTitles(GameState& g, int slot, const TitleSale& kind) {
    const Value title = g.Person.TitleTaken[slot];
    const std::int64_t reserved = kind.reserved.asInt();
    const bool known = IsTitle(title, kind.held.size());
    const int t = known ? title.i() : 0;
    const std::int64_t sold = known ? CopiesInStock(reserved, kind.stock[t], g.CopiesOnShelves) : 0;

    CountSold(g, sold);
    const std::int64_t amount = known ? Takings(kind.price[t], sold) : 0;
    AddMoney(g, amount, BooksMagazines, 1);
    ShowSold(g, kind.soldText, sold, amount);
    if (known) Add(kind.stock[t], -sold);
    ReleaseReservation(g, slot);
    g.ShopInfoDirty = 1;
    kind.afterSale(g, known ? t : -1, sold);
}

}  // namespace

void ReleaseReservation(GameState& g, int slot) {
    auto& P = g.Person;
    const Value title = P.TitleTaken[slot];
    const std::int64_t magazines = P.MagazineCopies[slot].asInt();
    const std::int64_t books = P.BookCopies[slot].asInt();
    if (magazines != 0) {
        Add(g.CopiesHeld, -magazines);
        if (IsTitle(title, g.Magazine.HeldCopies.size())) Add(g.Magazine.HeldCopies[title.i()], -magazines);
        P.MagazineCopies[slot] = 0;
    }
    if (books != 0) {
        Add(g.CopiesHeld, -books);
        if (IsTitle(title, g.Book.HeldCopies.size())) Add(g.Book.HeldCopies[title.i()], -books);
        P.BookCopies[slot] = 0;
    }
}

void CheckoutCustomer(GameState& g, int slot) {
    if (g.CopiesOnShelves.asReal() == 0) {
        // Nothing left to sell: the reserved copies are free again.
        ReleaseReservation(g, slot);
    } else {
        (void)g.Rnd();
        SellServices(g);
        SellTitles(g, slot, g.Person.MagazineCopies[slot].asInt() != 0 ? MagazineSale(g, slot) : BookSale(g, slot));
        if (g.SoundOn.asInt() == 1) Ui().PlaySound("Gold.wav");
    }
    UpdateShelfFillLevel(g);
    g.SalesChartDirty = 1;
}
