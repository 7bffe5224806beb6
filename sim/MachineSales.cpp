#include "sim/MachineSales.h"

#include <string>

#include "platform/Platform.h"
#include "state/Ledger.h"

namespace {

// What the machine on a service spot sells, by ServiceSlot.Kind. The statue
// (kind 3) and an empty spot sell nothing.
struct ServiceMachine {
    int kind;
    int price;  // 円 per item
    const char* text;
};
constexpr ServiceMachine kServiceMachines[] = {
    {1, 100, "口香糖"},
    {2, 120, "包子"},
    {4, 980, "CD、影像"},
};
constexpr int kServiceMaxItems = 5;
constexpr const char* kServiceUnit = "个售出 +";

constexpr int kDrinkPrice = 70;  // 円 per can
constexpr int kDrinkMaxCans = 12;
constexpr const char* kDrinksText = "饮料售出了";
constexpr const char* kDrinksUnit = "罐 +";

// Counts and amounts are written as plain numbers, without money grouping.
void ShowSale(GameState& g, const char* what, int count, const char* unit, int amount) {
    g.StatusTicks = 0;
    g.StatusText = std::string(what) + std::to_string(count) + unit + std::to_string(amount) + "円";
}

}  // namespace

void SellAtServiceCounter(GameState& g, int spot) {
    // The till rings before anyone looks at what stands there.
    if (g.SoundOn.asInt() == 1) Ui().PlaySound("Gold.wav");
    (void)g.Rnd();
    const int count = g.RndInt(kServiceMaxItems) + 1;

    if (spot < 0 || spot >= static_cast<int>(g.ServiceSlot.Kind.size())) return;
    const std::int64_t kind = g.ServiceSlot.Kind[spot].asInt();
    for (const ServiceMachine& m : kServiceMachines) {
        if (m.kind != kind) continue;
        AddMoney(g, static_cast<std::int64_t>(count) * m.price, Services, 1);
        ShowSale(g, m.text, count, kServiceUnit, count * m.price);
        return;
    }
}

void SellDrinks(GameState& g, int /*slot*/) {
    (void)g.Rnd();
    const int cans = g.RndInt(kDrinkMaxCans) + 1;
    AddMoney(g, static_cast<std::int64_t>(cans) * kDrinkPrice, Facilities, 1);
    ShowSale(g, kDrinksText, cans, kDrinksUnit, cans * kDrinkPrice);
}
