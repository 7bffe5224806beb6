// From nothing to the main window in its title state, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/main/WindowList.h"
#include "ui/main/MainWindow.h"

namespace {

void BM_StartUpToTitleState(benchmark::State& st) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    RegisterWindows();
    for (auto _ : st) {
        auto main = std::make_unique<MainWindow>();
        main->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(main.get());
        st.PauseTiming();
        main.reset();
        QApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToTitleState)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
