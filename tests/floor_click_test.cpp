// Clicking the floor: the hit boxes of the places at their borders and by
// shop size, the people, the person the pop-up shows, and which window
// opens.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "state/NewGame.h"
#include "commands/FloorViewClick.h"
#include "floor/FloorClick.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

using namespace FloorClick;

std::unique_ptr<GameState> NewShop(int size) {
    auto g = NewTestShop();
    g->ShopSize = size;
    return g;
}

// The scene point of isometric coordinates (u, v).
struct ScenePoint {
    double x, y;
};
ScenePoint At(double u, double v) { return {u - v, (u + v) / 2}; }

FloorClickResult Click(GameState& g, double u, double v, int button = LeftButton) {
    const ScenePoint p = At(u, v);
    return HitFloor(g, button, p.x, p.y);
}

// Puts person `slot`'s figure with its top-left corner at (x, y).
void Stand(GameState& g, int slot, int x, int y, bool wide = false) {
    const int s = g.Person.Sprite[slot].i();
    g.Sprite.X[s] = x;
    g.Sprite.Y[s] = y;
    g.Person.WideFigure[slot] = wide ? 1 : 0;
}

}  // namespace

TEST(FloorClick, PlaceBoxesAtTheirBordersAndBySize) {
    const struct {
        const char* name;
        double u, v;
        int size;
        FloorHit hit;
        int number;
    } cases[] = {
        {"register 1", 243, 17, 1, FloorHit::Register, 1},
        {"register 1, on its u border", 235, 17, 3, FloorHit::Nothing, 0},
        {"register 1, just inside", 235.5, 17, 1, FloorHit::Register, 1},
        {"register 1, on its v border", 243, 24, 3, FloorHit::Nothing, 0},
        {"service 1", 215, 17, 1, FloorHit::Service, 1},
        {"spot 1", 194.5, -83, 1, FloorHit::Spot, 1},
        {"gap between spots 1 and 2", 195.5, -83, 3, FloorHit::Nothing, 0},
        {"spot 2, just past the gap", 196.5, -83, 1, FloorHit::Spot, 2},
        {"spot 8", 364, -83, 1, FloorHit::Spot, 8},
        {"spot 11", 264, -38, 1, FloorHit::Spot, 11},
        {"spot 13", 346, -38, 1, FloorHit::Spot, 13},
        {"spot 16", 264, -19, 1, FloorHit::Spot, 16},
        {"spot 18", 346, -19, 1, FloorHit::Spot, 18},
        {"spot 24", 372, 28, 1, FloorHit::Spot, 24},
        {"spot 19 in a small shop", 432, -19, 1, FloorHit::Nothing, 0},
        {"spot 19 in a medium shop", 432, -19, 2, FloorHit::Nothing, 0},
        {"spot 19 in a large shop", 432, -19, 3, FloorHit::Spot, 19},
        {"register 2 in a small shop", 258, 72, 1, FloorHit::Nothing, 0},
        {"register 2 in a medium shop", 258, 72, 2, FloorHit::Register, 2},
        {"service 2 in a medium shop", 258, 42, 2, FloorHit::Service, 2},
        {"spot 29", 372, 47, 2, FloorHit::Spot, 29},
        {"spot 34", 372, 92, 2, FloorHit::Spot, 34},
        {"spot 39", 372, 111, 2, FloorHit::Spot, 39},
        {"spot 44", 372, 156, 2, FloorHit::Spot, 44},
        {"spot 47", 372, 175, 2, FloorHit::Spot, 47},
        {"spot 45 in a small shop", 320, 175, 1, FloorHit::Nothing, 0},
        {"spot 26", 458, 28, 3, FloorHit::Spot, 26},
        {"spot 31", 458, 47, 3, FloorHit::Spot, 31},
        {"spot 36", 458, 92, 3, FloorHit::Spot, 36},
        {"spot 41", 458, 111, 3, FloorHit::Spot, 41},
        {"spot 48", 268, 220, 3, FloorHit::Spot, 48},
        {"spot 53", 398, 220, 3, FloorHit::Spot, 53},
        {"spot 54", 423, 195, 3, FloorHit::Spot, 54},
        {"spot 55", 446, 173, 3, FloorHit::Spot, 55},
        {"spot 56", 511, 131, 3, FloorHit::Spot, 56},
        {"spot 57, the run climbs in v", 511, 105, 3, FloorHit::Spot, 57},
        {"spot 61", 511, 1, 3, FloorHit::Spot, 61},
        {"spot 61, on its lower v border", 511, -11, 3, FloorHit::Nothing, 0},
        {"spot 56 in a medium shop", 511, 131, 2, FloorHit::Nothing, 0},
        {"away from every box", 100, 100, 3, FloorHit::Nothing, 0},
    };
    for (const auto& c : cases) {
        auto g = NewShop(c.size);
        const FloorClickResult r = Click(*g, c.u, c.v);
        EXPECT_EQ(r.hit, c.hit) << c.name;
        EXPECT_EQ(r.number, c.number) << c.name;
        EXPECT_EQ(g->SelectedSlot.asInt(), c.hit == FloorHit::Spot ? c.number : 0) << c.name;
        EXPECT_EQ(g->SelectedRegisterSlot.asInt(), c.hit == FloorHit::Register ? c.number : 0) << c.name;
        EXPECT_EQ(g->SelectedServiceSlot.asInt(), c.hit == FloorHit::Service ? c.number : 0) << c.name;
        if (c.hit == FloorHit::Nothing) {
            EXPECT_FALSE(r.window) << c.name;
        }
    }
}

TEST(FloorClick, EmptyPlacesBuyOccupiedPlacesShow) {
    const struct {
        double u, v;
        int size;
        bool occupied;
        Window window;
    } cases[] = {
        {194.5, -83, 1, false, Window::PlaceFacility}, {194.5, -83, 1, true, Window::FacilityInfo},
        {243, 17, 1, false, Window::BuyRegister},      {243, 17, 1, true, Window::RegisterInfo},
        {215, 17, 1, false, Window::BuyService},       {215, 17, 1, true, Window::ServiceInfo},
        {258, 72, 2, false, Window::BuyRegister},      {258, 72, 2, true, Window::RegisterInfo},
        {258, 42, 2, false, Window::BuyService},       {258, 42, 2, true, Window::ServiceInfo},
    };
    for (const auto& c : cases) {
        auto g = NewShop(c.size);
        if (c.occupied) {
            g->FacilitySlot.Kind[1] = 7;
            g->RegisterSlot.Kind[1] = g->RegisterSlot.Kind[2] = 4;
            g->ServiceSlot.Kind[1] = g->ServiceSlot.Kind[2] = 2;
        }
        EXPECT_EQ(Click(*g, c.u, c.v).window, c.window) << "u " << c.u << " v " << c.v;
    }
}

TEST(FloorClick, PeopleAreHitInsideTheirFigureOnly) {
    const struct {
        const char* name;
        bool wide;
        int dx, dy;  // from the figure's top-left corner
        bool hit;
    } cases[] = {
        {"normal, 15 right", false, 15, 10, true},  {"normal, 16 right", false, 16, 10, false},
        {"normal, left edge", false, 0, 10, false}, {"wide, 29 right", true, 29, 10, true},
        {"wide, 30 right", true, 30, 10, false},    {"wide, left edge", true, 0, 10, false},
        {"top edge", false, 8, 0, false},           {"31 down", false, 8, 31, true},
        {"32 down", false, 8, 32, false},
    };
    for (const auto& c : cases) {
        auto g = NewShop(1);
        Stand(*g, 9, 100, 100, c.wide);
        const FloorClickResult r = HitFloor(*g, LeftButton, 100 + c.dx, 100 + c.dy);
        EXPECT_EQ(r.hit == FloorHit::Person, c.hit) << c.name;
        if (c.hit) {
            EXPECT_EQ(r.number, 9) << c.name;
            EXPECT_EQ(r.window, Window::PersonPopup) << c.name;
        }
    }
}

TEST(FloorClick, ThePopUpShowsThePersonHitWithThePanelOfItsSlot) {
    const struct {
        int slot, kind;
    } cases[] = {{0, 2}, {1, 2}, {2, 3}, {3, 0}, {5, 1}, {6, 0}, {25, 0}};
    for (const auto& c : cases) {
        HeadlessPlatform ui;
        ScopedPlatform scoped(ui);
        auto g = NewShop(1);
        g->ClickedPersonKind = 9;
        Stand(*g, c.slot, 100, 100);
        const FloorClickResult r = HitFloor(*g, LeftButton, 105, 110);
        EXPECT_EQ(g->ClickedPersonKind.asInt(), 9) << "the hit alone notes nobody, slot " << c.slot;
        ClickFloor(*g, LeftButton, 105, 110);
        EXPECT_EQ(r.number, c.slot);
        EXPECT_EQ(g->ClickedPersonKind.asInt(), c.kind) << "slot " << c.slot;
        EXPECT_EQ(g->ClickedPersonSlot.asInt(), c.slot) << "slot " << c.slot;
        EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::PersonPopup}) << "slot " << c.slot;
    }
}

TEST(FloorClick, PersonOverAPlaceTheLowerSlotFirst) {
    auto g = NewShop(1);
    const ScenePoint spot1 = At(182, -83);
    const int x = static_cast<int>(spot1.x), y = static_cast<int>(spot1.y);
    Stand(*g, 12, x - 10, y - 10);
    Stand(*g, 7, x - 5, y - 5);
    const FloorClickResult r = HitFloor(*g, LeftButton, spot1.x, spot1.y);
    EXPECT_EQ(r.hit, FloorHit::Person);
    EXPECT_EQ(r.number, 7);
    EXPECT_EQ(g->SelectedSlot.asInt(), 0);
}

TEST(FloorClick, PersonWithoutAFigureCannotBeHit) {
    // Its record points at no sprite; whatever stands in sprite slot 0 is
    // not that person.
    auto g = NewShop(1);
    g->Person.Sprite[6] = Value();
    g->Sprite.X[0] = 100;
    g->Sprite.Y[0] = 100;
    EXPECT_EQ(HitFloor(*g, LeftButton, 105, 110).hit, FloorHit::Nothing);
}

TEST(FloorClick, RightClickChangesNothingMiddleClickSelects) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop(1);
    const ScenePoint spot1 = At(194.5, -83), register1 = At(243, 17);
    ClickFloor(*g, LeftButton, static_cast<int>(spot1.x), static_cast<int>(spot1.y));
    g->ClickedPersonKind = 3;
    ui.windowsShown.clear();
    const FloorClickResult right =
        ClickFloor(*g, RightButton, static_cast<int>(register1.x), static_cast<int>(register1.y));
    EXPECT_FALSE(right.window);
    EXPECT_TRUE(ui.windowsShown.empty());
    EXPECT_EQ(g->SelectedSlot.asInt(), 1);
    EXPECT_EQ(g->SelectedRegisterSlot.asInt(), 0);
    EXPECT_EQ(g->ClickedPersonKind.asInt(), 3);

    const FloorClickResult middle =
        ClickFloor(*g, MiddleButton, static_cast<int>(register1.x), static_cast<int>(register1.y));
    EXPECT_EQ(middle.window, Window::BuyRegister);
    EXPECT_EQ(g->SelectedSlot.asInt(), 0);
    EXPECT_EQ(g->SelectedRegisterSlot.asInt(), 1);
    EXPECT_EQ(g->ClickedPersonKind.asInt(), 0);
}

TEST(FloorClick, ViewClickScrollsIntoTheSceneAndOpensTheWindow) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = NewShop(3);
    g->ScrollX = 120;
    g->ScrollY = 40;
    const ScenePoint spot19 = At(432, -19);  // (451, 206.5)
    ClickFloor(*g, LeftButton, static_cast<int>(spot19.x) - 120, static_cast<int>(spot19.y) - 40);
    EXPECT_EQ(g->SelectedSlot.asInt(), 19);
    EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::PlaceFacility});

    ui.windowsShown.clear();
    ClickFloor(*g, LeftButton, 0, 0);  // the scene's (120, 40): no place there
    EXPECT_TRUE(ui.windowsShown.empty());
}
