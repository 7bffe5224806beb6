#include <benchmark/benchmark.h>

#include "state/FormatMoney.h"

static void BM_FormatMoney(benchmark::State& st) {
    std::int64_t v = 123456789;
    for (auto _ : st) benchmark::DoNotOptimize(FormatMoney(v++));
}
BENCHMARK(BM_FormatMoney);
