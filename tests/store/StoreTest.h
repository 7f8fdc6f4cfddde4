// Helpers for the data-layer tests: records built from a few texts at their
// offsets, and the data part of start-up run in the order the window runs it.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "app/StartData.h"
#include "app/TodayLabel.h"
#include "platform/Clock.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"

inline std::string Blanks(size_t n) { return std::string(n, ' '); }

// A record of len bytes: blanks, a line feed as the last byte, and each text
// at its offset.
inline std::string Rec(int len, std::initializer_list<std::pair<int, std::string>> texts = {}) {
    std::string r = Blanks(static_cast<size_t>(len));
    r.back() = '\n';
    for (const auto& [offset, text] : texts) r.replace(static_cast<size_t>(offset), text.size(), text);
    return r;
}

// The same records repeated: Recs(n, f) joins f(0) ... f(n - 1).
template <class F>
std::string Recs(int n, F make) {
    std::string all;
    for (int i = 0; i < n; ++i) all += make(i);
    return all;
}

// The data files' part of start-up, the program's own, on a fixed date.
inline void Store_StartData(int year = 2026, int month = 12, int day = 10) {
    Clock_Fix({year, month, day, 9, 0, 0});
    Today_Set();
    App_StartData();
}
