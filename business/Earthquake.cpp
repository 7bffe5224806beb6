#include "business/Earthquake.h"

#include "business/Insurance.h"
#include "platform/Platform.h"
#include "shop/FacilityRemoval.h"
#include "shop/FloorSpots.h"
#include "shop/ShelfFill.h"

namespace {

// One chance in this many at each hour change.
constexpr int kQuakeDraw = 4380;
constexpr int kDaysBeforeAQuake = 50;
// One quake in this many is a major one.
constexpr int kMajorQuakeDraw = 3;

struct StrengthRow {
    QuakeStrength kind;
    const char* headline;
    int damageDivisor;  // a facility breaks with the chance divisor / QuakeResistance
};
constexpr StrengthRow kStrengths[] = {
    {QuakeStrength::Ordinary, "发生地震", 10},
    {QuakeStrength::Major, "发生直下型大地震", 15},
};

const StrengthRow& StrengthOf(const GameState& g) {
    for (const StrengthRow& r : kStrengths)
        if (g.QuakeKind.asInt() == static_cast<int>(r.kind)) return r;
    return kStrengths[0];
}

// The report's rows, and which facility kinds count in each.
struct DamageRow {
    const char* label;
    int firstKind, lastKind;
};
constexpr DamageRow kDamageRows[] = {
    {"坏的书架", 1, 6},
    {"坏的自贩机", 7, 7},
    {"坏的抓娃娃机", 8, 8},
    {"坏的复印机", 9, 9},
};

}  // namespace

void DrawEarthquake(GameState& g) {
    const int d = g.RndInt(kQuakeDraw);
    if (g.ShopOpen.asInt() == 0 && d == 0 && g.DaysSinceDisaster.asInt() >= kDaysBeforeAQuake)
        Ui().ShowWindow(Window::Earthquake, g);
}

void EarthquakeOpened(GameState& g) {
    g.QuakeInProgress = 1;
    g.QuakeKind = static_cast<int>(g.RndInt(kMajorQuakeDraw) == 0 ? QuakeStrength::Major : QuakeStrength::Ordinary);
    g.DaysSinceDisaster = 0;
}

std::string EarthquakeHeadline(const GameState& g) { return StrengthOf(g).headline; }

void StartQuakeShake(GameState& g) { g.QuakeShake = g.QuakeKind; }

bool QuakeShakeTick(GameState& g) {
    if (g.QuakeShake.asInt() == 0) return false;
    g.QuakeInProgress = 1;
    g.QuakeTicks = g.QuakeTicks.asInt() + 1;
    if (g.QuakeTicks.asInt() < kQuakeShakeTicks) return false;
    g.QuakeShake = 0;
    g.QuakeTicks = 0;
    g.QuakeInProgress = 0;
    return true;
}

void EarthquakeClosed(GameState& g) { g.QuakeShake = 0; }

QuakeDamage BreakFacilitiesInQuake(GameState& g) {
    QuakeDamage broken{};
    const double resistance = g.QuakeResistance.asReal();
    if (resistance <= kQuakeProofResistance) {
        const int d = StrengthOf(g).damageDivisor;
        for (int s = kFirstSpot; s <= kLastSpot; ++s) {
            const int kind = g.FacilitySlot.Kind[s].i();
            if (kind == 0) continue;
            if (static_cast<int>(g.Rnd() * resistance / d) != 0) continue;
            for (std::size_t row = 0; row < broken.size(); ++row)
                if (kind >= kDamageRows[row].firstKind && kind <= kDamageRows[row].lastKind) ++broken[row];
            RemoveFacility(g, s);
        }
    }
    RebuildOccupiedSlots(g);
    UpdateShelfFillLevel(g);
    g.MagazineStockDirty = 1;
    g.BookStockDirty = 1;
    int total = 0;
    for (int n : broken) total += n;
    g.QuakeBrokenCount = total;
    return broken;
}

std::array<std::string, 4> QuakeDamageRows(const QuakeDamage& damage) {
    std::array<std::string, 4> rows;
    for (std::size_t r = 0; r < rows.size(); ++r) rows[r] = kDamageRows[r].label + std::to_string(damage[r]);
    return rows;
}

void QuakeDamageClosed(GameState& g) {
    if (InsuranceJoinedFor(g, InsuranceKind::Earthquake) && g.QuakeBrokenCount.asInt() != 0)
        OpenInsurancePayout(g, PayoutCause::Earthquake);
}
