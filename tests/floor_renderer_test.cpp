// The floor view's bookkeeping: culling, depth order, the window icon, the
// earthquake shake and the window's size rule.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "state/SpritePool.h"
#include "tests/TestSupport.h"
#include "floor/FloorLayout.h"
#include "floor/FloorRenderer.h"

namespace {

std::vector<int> Visible(const GameState& g) {
    std::vector<int> v;
    for (int i = 0; i < g.VisibleSpriteCount.i(); ++i) v.push_back(g.VisibleSprites[i].i());
    return v;
}

}  // namespace

TEST(FloorRenderer, CullsAtTheViewEdgesInclusive) {
    auto g = std::make_unique<GameState>();
    // View at (100, 50), inner area 200 x 150; a shown bar on each side must
    // not narrow the culling, which uses the whole inner area.
    FloorViewport vp;
    vp.scrollX = 100;
    vp.scrollY = 50;
    vp.innerWidth = 200;
    vp.innerHeight = 150;
    vp.vScrollReserve = 17;
    vp.hScrollReserve = 17;
    struct Case {
        int x, y;
        bool visible;
        const char* what;
    };
    const Case cases[] = {
        {80, 100, true, "right edge touches the left edge"},
        {79, 100, false, "a pixel further left"},
        {300, 100, true, "left edge on the right edge of the inner area"},
        {301, 100, false, "a pixel further right"},
        {150, 20, true, "bottom edge touches the top edge"},
        {150, 19, false, "a pixel higher"},
        {150, 200, true, "top edge on the bottom edge"},
        {150, 201, false, "a pixel lower"},
        {150, -64, false, "a parked person"},
        {150, 1000, false, "a hidden door cover"},
    };
    for (const Case& c : cases) SpawnSprite(*g, c.x, c.y, 0, 0, 20, 30, 0);
    CullFloorSprites(*g, vp);
    std::vector<int> expected;
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        if (cases[i].visible) expected.push_back(i);
    EXPECT_EQ(Visible(*g), expected);
    for (int i = 0; i < g->VisibleSpriteCount.i(); ++i)
        EXPECT_EQ(g->VisibleDepths[i], g->Sprite.Depth[g->VisibleSprites[i].i()]);

    // A culled list never keeps entries of an earlier, longer frame.
    vp.scrollX = 5000;
    EXPECT_EQ(CullFloorSprites(*g, vp), 0);
    EXPECT_EQ(g->VisibleSpriteCount, Value(0));
}

TEST(FloorRenderer, SortsByDepthAndKeepsDrawListOrderOnEqualKeys) {
    auto g = std::make_unique<GameState>();
    const double keys[] = {5, 3, 5, 3, 1, 4.5};
    for (double k : keys) {
        int s = SpawnSprite(*g, 10, 10, 0, 0, 4, 4, 0);
        g->Sprite.Depth[s] = k;
    }
    FloorViewport vp;
    vp.innerWidth = 100;
    vp.innerHeight = 100;
    CullAndSortFloorSprites(*g, vp);
    EXPECT_EQ(Visible(*g), (std::vector<int>{4, 1, 3, 5, 0, 2}));
    for (int i = 1; i < g->VisibleSpriteCount.i(); ++i)
        EXPECT_LE(g->VisibleDepths[i - 1].asReal(), g->VisibleDepths[i].asReal());

    // Spawned at the same y with the same offset, the lower slot lies behind.
    auto h = std::make_unique<GameState>();
    SpawnSprite(*h, 30, 40, 0, 0, 4, 4, 1000);
    SpawnSprite(*h, 20, 40, 0, 0, 4, 4, 1000);
    SpawnSprite(*h, 10, 39, 0, 0, 4, 4, 1000);
    CullAndSortFloorSprites(*h, vp);
    EXPECT_EQ(Visible(*h), (std::vector<int>{2, 0, 1}));
}

TEST(FloorRenderer, IconRunsItsThreePhases) {
    auto g = std::make_unique<GameState>();
    std::vector<int> frames;
    for (int i = 0; i < 75; ++i) frames.push_back(AdvanceFloorIcon(*g));
    // Phase 0: frames 0..23 at firings 1..24, then rest until 30.
    for (int i = 0; i < 24; ++i) EXPECT_EQ(frames[i], i);
    for (int i = 24; i < 30; ++i) EXPECT_EQ(frames[i], -1);
    // Phase 1 begins with frame 23 on the next firing.
    for (int i = 0; i < 24; ++i) EXPECT_EQ(frames[30 + i], 23 - i);
    for (int i = 54; i < 60; ++i) EXPECT_EQ(frames[i], -1);
    // Phase 2: four frames at counts 1, 4, 7, 10, over at 15.
    const std::vector<int> quick(frames.begin() + 60, frames.end());
    EXPECT_EQ(quick, (std::vector<int>{0, -1, -1, 7, -1, -1, 15, -1, -1, 23, -1, -1, -1, -1, -1}));
    EXPECT_EQ(g->FloorIconPhase, Value(0));
    EXPECT_EQ(g->FloorIconTicks, Value(0));
    EXPECT_EQ(AdvanceFloorIcon(*g), 0);  // the cycle starts again
}

TEST(FloorRenderer, QuakeAlternatesShiftedAndNormalFrames) {
    auto g = std::make_unique<GameState>();
    EXPECT_EQ(NextFloorPresent(*g), FloorPresent::Normal);
    EXPECT_EQ(g->ShakePhase.asInt(), 0);  // no shake, no count

    g->QuakeShake = 1;
    std::vector<FloorPresent> seen;
    for (int i = 0; i < 4; ++i) seen.push_back(NextFloorPresent(*g));
    EXPECT_EQ(seen, (std::vector<FloorPresent>{FloorPresent::ShiftRight, FloorPresent::Normal,
                                               FloorPresent::ShiftRight, FloorPresent::Normal}));
    EXPECT_EQ(g->ShakePhase, Value(0));

    // A shake that ended mid-way leaves the phase at 1: the next shake starts
    // with a normal frame.
    g->QuakeShake = 2;
    EXPECT_EQ(NextFloorPresent(*g), FloorPresent::ShiftDown);
    g->QuakeShake = 0;
    EXPECT_EQ(NextFloorPresent(*g), FloorPresent::Normal);
    g->QuakeShake = 2;
    EXPECT_EQ(NextFloorPresent(*g), FloorPresent::Normal);
    EXPECT_EQ(NextFloorPresent(*g), FloorPresent::ShiftDown);
}

TEST(FloorLayout, SizeLimitsBarsAndRanges) {
    // A frame of 8 x 27 pixels around the inner area.
    auto lay = [](int size, int innerW, int innerH) {
        return LayOutFloorView({size, innerW + 8, innerH + 27, 8, 27});
    };

    // Dragged below the minimum: back to 2000 twips outside.
    FloorLayout small = LayOutFloorView({1, 100, 100, 8, 27});
    EXPECT_EQ(small.outerWidth, kMinOuterSize);
    EXPECT_EQ(small.outerHeight, kMinOuterSize);

    // Small shop, inner 400 x 200: ranges 105 and 45, both bars shown.
    FloorLayout a = lay(1, 400, 200);
    EXPECT_EQ(a.hScrollMax, 105);
    EXPECT_EQ(a.vScrollMax, 45);
    EXPECT_TRUE(a.vScrollShown);
    EXPECT_TRUE(a.hScrollShown);
    EXPECT_EQ(a.vScrollReserve, 17);
    EXPECT_EQ(a.hScrollReserve, 17);
    EXPECT_EQ(a.outerWidth, 408);
    EXPECT_EQ(a.outerHeight, 227);

    // As tall as the scene: the vertical bar goes, the height is capped;
    // a pixel less keeps the bar.
    FloorLayout b = lay(1, 400, 245);
    EXPECT_FALSE(b.vScrollShown);
    EXPECT_EQ(b.vScrollReserve, 0);
    EXPECT_EQ(b.vScrollMax, 0);
    EXPECT_EQ(b.innerHeight, 245);
    EXPECT_TRUE(b.hScrollShown);
    EXPECT_TRUE(lay(1, 400, 244).vScrollShown);
    EXPECT_EQ(lay(1, 400, 244).vScrollReserve, 17);

    // Larger than the scene: capped, and the ranges never go below 0.
    FloorLayout c = lay(1, 900, 600);
    EXPECT_EQ(c.innerWidth, 505);
    EXPECT_EQ(c.innerHeight, 245);
    EXPECT_EQ(c.hScrollMax, 0);
    EXPECT_EQ(c.vScrollMax, 0);
    EXPECT_FALSE(c.hScrollShown);
    EXPECT_FALSE(c.vScrollShown);

    // The same window after the shop grew: taller scenes bring the bar back.
    FloorLayout d = lay(2, 505, 245);
    EXPECT_TRUE(d.vScrollShown);
    EXPECT_EQ(d.vScrollMax, 332 - 245);
    EXPECT_FALSE(d.hScrollShown);
    EXPECT_EQ(d.innerWidth, 498);
    FloorLayout e = lay(3, 572, 366);
    EXPECT_FALSE(e.vScrollShown);
    EXPECT_FALSE(e.hScrollShown);
}
