// The main() of the benchmarks that draw: fonts need a GUI application,
// which needs no display on the offscreen platform.
#pragma once

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#define VORNIA_QT_BENCHMARK_MAIN()                                                                                     \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QGuiApplication app(argc, argv);                                                                               \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
