// What the benchmarks measure with: a monotonic clock in milliseconds, the
// processor time, and the process's file I/O so far (/proc/self/io).
#pragma once

#include <cstdio>
#include <cstring>
#include <ctime>

inline double Bench_NowMs() {
    // (<chrono> does not compile with the CP932 execution character set.)
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The processor time the process has taken so far, in milliseconds.
inline double Bench_CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct TBenchIo {
    long long ReadBytes = 0, WriteBytes = 0, Reads = 0, Writes = 0;
};
inline TBenchIo operator-(const TBenchIo& a, const TBenchIo& b) {
    return {a.ReadBytes - b.ReadBytes, a.WriteBytes - b.WriteBytes, a.Reads - b.Reads, a.Writes - b.Writes};
}

// Bytes read and written through read and write calls, and those calls.
inline TBenchIo Bench_Io() {
    TBenchIo io;
    if (FILE* f = std::fopen("/proc/self/io", "r")) {
        char name[32];
        long long value;
        while (std::fscanf(f, "%31[^:]: %lld\n", name, &value) == 2) {
            if (!std::strcmp(name, "rchar")) io.ReadBytes = value;
            if (!std::strcmp(name, "wchar")) io.WriteBytes = value;
            if (!std::strcmp(name, "syscr")) io.Reads = value;
            if (!std::strcmp(name, "syscw")) io.Writes = value;
        }
        std::fclose(f);
    }
    return io;
}
