#include "floor/FloorClick.h"

#include "state/SpritePool.h"
#include "state/TableRows.h"

using namespace FloorClick;

namespace {

// A run of places with their hit boxes: place first + k is hit inside the
// open box uLo + 26k < u < uHi + 26k, vLo < v < vHi, or, for a run along v,
// uLo < u < uHi, vLo - 26k < v < vHi - 26k; from shop size `fromSize` on.
struct PlaceBoxRun {
    int fromSize;
    FloorHit kind;
    int first, last;
    double uLo, uHi, vLo, vHi;
    bool alongV;
};

constexpr FloorHit Reg = FloorHit::Register;
constexpr FloorHit Svc = FloorHit::Service;
constexpr FloorHit Spt = FloorHit::Spot;

// In the order they are tested. No two boxes overlap.
constexpr PlaceBoxRun kPlaceBoxes[] = {
    // size kind places   u from  to   v from  to   along v
    {1, Reg, 1, 1,        235, 251,    10, 24,     false},
    {1, Svc, 1, 1,        207, 224,    10, 24,     false},
    {1, Spt, 1, 8,        170, 195,    -92, -74,   false},
    {1, Spt, 9, 11,       199, 224,    -47, -29,   false},
    {1, Spt, 12, 13,      308, 333,    -47, -29,   false},
    {1, Spt, 14, 16,      199, 224,    -28, -10,   false},
    {1, Spt, 17, 18,      308, 333,    -28, -10,   false},
    {1, Spt, 22, 24,      308, 333,    19, 37,     false},
    {2, Reg, 2, 2,        251, 266,    65, 80,     false},
    {2, Svc, 2, 2,        251, 266,    35, 50,     false},
    {2, Spt, 27, 29,      308, 333,    38, 56,     false},
    {2, Spt, 32, 34,      308, 333,    83, 101,    false},
    {2, Spt, 37, 39,      308, 333,    102, 120,   false},
    {2, Spt, 42, 44,      308, 333,    147, 165,   false},
    {2, Spt, 45, 47,      308, 333,    166, 184,   false},
    {3, Spt, 19, 21,      420, 445,    -28, -10,   false},
    {3, Spt, 25, 26,      420, 445,    19, 37,     false},
    {3, Spt, 35, 36,      420, 445,    83, 101,    false},
    {3, Spt, 30, 31,      420, 445,    38, 56,     false},
    {3, Spt, 40, 41,      420, 445,    102, 120,   false},
    {3, Spt, 48, 53,      256, 281,    211, 229,   false},
    {3, Spt, 54, 54,      414, 432,    183, 208,   false},
    {3, Spt, 55, 55,      434, 459,    164, 182,   false},
    {3, Spt, 56, 61,      502, 521,    119, 144,   true},
};
constexpr double kPlaceStep = 26;

// A figure is this tall, and this wide (wide figures) or narrow.
constexpr int kFigureHeight = 32;
constexpr int kWideFigureWidth = 30;
constexpr int kFigureWidth = 16;

bool Inside(double lo, double x, double hi) { return lo < x && x < hi; }

// The place of `run` whose box holds (u, v), or 0.
int PlaceAt(const PlaceBoxRun& run, double u, double v) {
    for (int k = 0; k <= run.last - run.first; ++k) {
        const double du = run.alongV ? 0 : kPlaceStep * k;
        const double dv = run.alongV ? -kPlaceStep * k : 0;
        if (Inside(run.uLo + du, u, run.uHi + du) && Inside(run.vLo + dv, v, run.vHi + dv)) return run.first + k;
    }
    return 0;
}

// The first person whose figure holds (x, y), or -1. A person whose figure
// could not be spawned has none to hit.
int PersonAt(const GameState& g, double x, double y) {
    const auto& P = g.Person;
    const int people = RowsInUse(g.PersonCount, P.Sprite);
    for (int i = 0; i < people; ++i) {
        const Value& slot = P.Sprite[i];
        if (slot.isEmpty() || slot.asInt() < 0 || slot.asInt() >= kSpriteSlots) continue;
        const int s = slot.i();
        const double left = g.Sprite.X[s].asReal(), top = g.Sprite.Y[s].asReal();
        const int w = P.WideFigure[i].asInt() == 1 ? kWideFigureWidth : kFigureWidth;
        if (Inside(left, x, left + w) && Inside(top, y, top + kFigureHeight)) return i;
    }
    return -1;
}

}  // namespace

FloorClickResult HitFloor(GameState& g, int button, double x, double y) {
    FloorClickResult result;
    if (button == RightButton) return result;

    g.SelectedSlot = 0;
    g.SelectedRegisterSlot = 0;
    g.SelectedServiceSlot = 0;

    if (const int person = PersonAt(g, x, y); person >= 0) return {FloorHit::Person, person, Window::PersonPopup};

    const double u = x / 2 + y, v = y - x / 2;
    const int size = g.ShopSize.i();
    for (const PlaceBoxRun& run : kPlaceBoxes) {
        if (size < run.fromSize) continue;
        const int place = PlaceAt(run, u, v);
        if (place == 0) continue;
        switch (run.kind) {
        case FloorHit::Spot: g.SelectedSlot = place; break;
        case FloorHit::Register: g.SelectedRegisterSlot = place; break;
        case FloorHit::Service: g.SelectedServiceSlot = place; break;
        default: break;
        }
    }

    // An empty place opens the window that buys for it; an occupied one the
    // window that shows what stands there.
    if (const int s = g.SelectedSlot.i(); s != 0)
        return {FloorHit::Spot, s, g.FacilitySlot.Kind[s].asInt() == 0 ? Window::PlaceFacility : Window::FacilityInfo};
    if (const int r = g.SelectedRegisterSlot.i(); r != 0)
        return {FloorHit::Register, r, g.RegisterSlot.Kind[r].asInt() == 0 ? Window::BuyRegister : Window::RegisterInfo};
    if (const int s = g.SelectedServiceSlot.i(); s != 0)
        return {FloorHit::Service, s, g.ServiceSlot.Kind[s].asInt() == 0 ? Window::BuyService : Window::ServiceInfo};
    return result;
}
