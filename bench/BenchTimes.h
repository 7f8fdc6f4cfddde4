// Timing of presses for the screens' benchmarks: each input timed on its
// own, reported as the average and the slowest.
#pragma once

#include <algorithm>
#include <cstdio>

#include "bench/BenchIo.h"

struct TBenchTimes {
    int Presses = 0;
    double Total = 0, Slowest = 0;
};

// Runs input count times, or until stop says so, timing each.
template <class Input, class Stop>
TBenchTimes Bench_Time(int count, Input input, Stop stop) {
    TBenchTimes t;
    for (int i = 0; i < count && !stop(); ++i) {
        const double start = Bench_NowMs();
        input();
        const double ms = Bench_NowMs() - start;
        ++t.Presses;
        t.Total += ms;
        t.Slowest = std::max(t.Slowest, ms);
    }
    return t;
}

// One line: what, in a column of width bytes, then the figures.
inline void Bench_Report(const char* what, const TBenchTimes& t, int width = 34) {
    std::printf("%-*s %5d presses, %8.3f ms each on average, %8.3f ms the slowest\n", width, what, t.Presses,
                t.Presses ? t.Total / t.Presses : 0.0, t.Slowest);
}
