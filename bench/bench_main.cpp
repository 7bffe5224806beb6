// The benchmarks run with a QApplication on the offscreen platform, so the
// window and renderer benchmarks can build their widgets and images.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "ui/platform/ProgramDir.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetProgramDir(QM_PROGRAM_DIR);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
