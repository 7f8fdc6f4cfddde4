// Generated products and categories for the product chooser's tests and
// benchmark. Product i (from 1) is "商品i", list price 100 x i, purchase
// price 60 x i, unit "個", tax class "外税" (every third "内税"), no actual
// price, and a member of the categories numbered in its flags.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "store/Hinsyu.h"
#include "store/Syouhin.h"

struct TTestProduct {
    std::string Name, Price, Zei, Siire, Jitubai, Tanni;
    std::vector<int> Categories;  // numbers 1 ... 100
};

inline std::string Syouhin_TestName(int i) { return "商品" + std::to_string(i); }

inline TTestProduct Syouhin_Numbered(int i, std::vector<int> categories) {
    return {Syouhin_TestName(i), std::to_string(100 * i), i % 3 == 0 ? "内税" : "外税", std::to_string(60 * i), "",
            "個", std::move(categories)};
}

// A field laid into a record: text left-aligned, or right-aligned in width.
inline void Syouhin_Lay(std::string& record, int field, const std::string& text, bool right = false) {
    const int width = Syouhin_FieldWidth[field];
    const size_t at = static_cast<size_t>(Syouhin_FieldOffset[field]) +
                      (right ? static_cast<size_t>(width) - text.size() : 0);
    record.replace(at, text.size(), text);
}

inline std::string Syouhin_TestRecord(const TTestProduct& p) {
    std::string r(Syouhin_RecLen - 1, ' ');
    r += '\n';
    Syouhin_Lay(r, SyouhinField_Name, p.Name);
    Syouhin_Lay(r, SyouhinField_Kana, "ｼｮｳﾋﾝ");
    Syouhin_Lay(r, SyouhinField_Hanbai, p.Price, true);
    Syouhin_Lay(r, SyouhinField_Zei, p.Zei);
    Syouhin_Lay(r, SyouhinField_Siire, p.Siire, true);
    Syouhin_Lay(r, SyouhinField_JitubaiTanka, p.Jitubai, true);
    Syouhin_Lay(r, SyouhinField_Tanni, p.Tanni);
    for (int n : p.Categories) r[static_cast<size_t>(Syouhin_FieldOffset[SyouhinField_Hinsyu] + n - 1)] = '1';
    return r;
}

// Products 1 ... count; product i belongs to the category numbered
// categoryOf(i) (0: none).
template <class F>
std::string Syouhin_TestFile(int count, F categoryOf) {
    std::string all;
    all.reserve(static_cast<size_t>(count) * Syouhin_RecLen);
    for (int i = 1; i <= count; ++i) {
        const int c = categoryOf(i);
        all += Syouhin_TestRecord(Syouhin_Numbered(i, c ? std::vector<int>{c} : std::vector<int>{}));
    }
    return all;
}

// The 100 categories: the names given for the first entries (entry k holds
// number numbers[k], or k + 1), the others unnamed and numbered by their
// position.
inline std::string Hinsyu_TestFile(const std::vector<std::string>& names, const std::vector<int>& numbers = {}) {
    std::string all;
    for (int k = 0; k < Hinsyu_Max; ++k) {
        std::string r(Hinsyu_RecLen - 1, ' ');
        r += '\n';
        if (k < static_cast<int>(names.size())) r.replace(1, names[static_cast<size_t>(k)].size(), names[static_cast<size_t>(k)]);
        char no[8];
        std::snprintf(no, sizeof no, "%3d", k < static_cast<int>(numbers.size()) ? numbers[static_cast<size_t>(k)] : k + 1);
        r.replace(51, 3, no);
        all += r;
    }
    return all;
}
