// Every step of a write failed in turn, through the failing file layer: for
// each kind of file operation, the same work is run again and again with its
// nth operation of that kind failing, n = 1, 2, ... until the work no longer
// reaches an nth one. What the work left is checked after each failed step.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "platform/FileFault.h"

// The kinds of operation that change files.
inline constexpr TFileOp FaultSteps_Writing[] = {TFileOp::Write,    TFileOp::Create, TFileOp::Sync,
                                                 TFileOp::Truncate, TFileOp::Rename, TFileOp::Remove};

inline const char* FaultSteps_Name(TFileOp op) {
    static const char* const names[] = {"read", "write", "create", "rename", "sync", "truncate", "remove"};
    return names[static_cast<int>(op)];
}

// The step failed in a run: its kind, and which of that kind (from 1).
struct TFaultStep {
    TFileOp Op;
    int Nth;
};

// run(arm) does the work from the start, calling arm() just before the step
// under test (the counts start there); check(step) then looks at what it
// left. A write that fails moves `bytes` bytes (0: none). Returns how many
// runs had a step failed.
inline int FaultSteps_Each(const std::function<void(const std::function<void()>& arm)>& run,
                           const std::function<void(const TFaultStep& step)>& check, std::int64_t bytes = 0) {
    int failed = 0;
    for (TFileOp op : FaultSteps_Writing) {
        for (int nth = 1; nth < 1000; ++nth) {
            SCOPED_TRACE(std::string(FaultSteps_Name(op)) + " " + std::to_string(nth));
            run([&] {
                FileFault_Reset();
                FileFault_Plan(op, nth, bytes);
            });
            const bool reached = FileFault_Count(op) >= nth;
            FileFault_Reset();
            if (!reached) break;
            ++failed;
            check({op, nth});
        }
    }
    return failed;
}

// The same, for a check that need not know which step failed.
inline int FaultSteps_Each(const std::function<void(const std::function<void()>& arm)>& run,
                           const std::function<void()>& check, std::int64_t bytes = 0) {
    return FaultSteps_Each(run, std::function<void(const TFaultStep&)>([&check](const TFaultStep&) { check(); }),
                           bytes);
}
