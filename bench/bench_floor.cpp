// One whole frame of the floor view at the large shop with a busy floor:
// cull, depth sort, floor copy, masked sprite blits and presentation into an
// off-screen picture. The frame must fit well inside the view's 64 ms timer.
// Built once the benchmark links the windowing library.
#if __has_include(<QImage>)
#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>
#include <memory>
#include <random>

#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "floor/FloorLayout.h"
#include "floor/FloorRenderer.h"
#include "floor/ShopEnlargement.h"
#include "ui/floor/FloorFrame.h"

namespace {

QImage Picture(QSize size, std::mt19937& rnd, bool sheetMask) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = sheetMask ? ((rnd() & 3) ? 0xFF000000u : 0xFFFFFFFFu) : 0xFF000000u | (rnd() & 0xFFFFFFu);
    }
    return img;
}

// A large shop in the afternoon rush: the scenery of all three sizes, a
// full floor of shelves, two registers, litter, and twenty people walking.
std::unique_ptr<GameState> BusyLargeShop() {
    auto g = std::make_unique<GameState>();
    NewGameStart start;
    NewGameStart::FromDate(2026, 4, 1, 14, 11, start);
    StartNewGame(*g, "基准书店", start);
    EnlargeShop(*g);
    EnlargeShop(*g);
    std::mt19937 rnd(5);
    const FloorScene scene = SceneOfShopSize(3);
    while (g->DrawListCount.i() < 100) {
        const int x = static_cast<int>(rnd() % scene.width), y = static_cast<int>(rnd() % scene.height);
        SpawnSprite(*g, x, y, 0, 232, 25, 40, 20);  // shelves and machines
    }
    for (int i = 0; i < 20; ++i) {
        const int x = static_cast<int>(rnd() % scene.width), y = static_cast<int>(rnd() % scene.height);
        SpawnSprite(*g, x, y, 16 * (i % 8), 0, 16, 32, 1000);  // people
    }
    return g;
}

void BM_FloorFrame(benchmark::State& st) {
    auto g = BusyLargeShop();
    std::mt19937 rnd(9);
    const FloorScene scene = SceneOfShopSize(3);
    const QImage bitmap = Picture({scene.width, scene.height}, rnd, false);
    const FloorSpriteSheets sheets{Picture(kSpriteSheetSize, rnd, true), Picture(kSpriteSheetSize, rnd, false)};
    // The whole scene in view, no bars.
    FloorViewport vp;
    vp.innerWidth = scene.width;
    vp.innerHeight = scene.height;
    QImage graphic(vp.innerWidth, vp.innerHeight, QImage::Format_RGB32);
    QImage screen(vp.innerWidth, vp.innerHeight, QImage::Format_RGB32);
    // People walk between frames, so the sort sees a slightly shuffled list.
    const int people = g->DrawListCount.i() - 20;
    int frame = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (auto _ : st) {
        const int slot = g->DrawList[people + frame % 20].i();
        g->Sprite.Y[slot] = g->Sprite.Y[slot].asInt() + ((frame & 1) ? -3 : 3);
        g->Sprite.Depth[slot] = g->Sprite.Y[slot].asReal() + slot / 1000.0;
        ++frame;
        ComposeFloorFrame(*g, vp, bitmap, sheets, graphic);
        PresentFloorFrame(NextFloorPresent(*g), graphic, vp.viewWidth(), vp.viewHeight(), screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
    const double totalMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    // Per frame (the console prints values below 1 with an m prefix:
    // 450m = 0.45).
    st.counters["ms_per_frame"] = benchmark::Counter(totalMs, benchmark::Counter::kAvgIterations);
    st.counters["ratio_to_64ms"] = benchmark::Counter(totalMs / 64.0, benchmark::Counter::kAvgIterations);
    st.counters["sprites_drawn"] = g->VisibleSpriteCount.asReal();
}
BENCHMARK(BM_FloorFrame)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
