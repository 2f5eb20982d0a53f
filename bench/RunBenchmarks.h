// The main of a benchmark program: the Qt application object the measured code needs, then the
// benchmarks named on the command line.
#pragma once

#include "platform/NumberLocale.h"

#include <benchmark/benchmark.h>

template <typename Application> int runBenchmarks(int argc, char** argv) {
    Application app(argc, argv);
    tova::useCNumbersInCLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
