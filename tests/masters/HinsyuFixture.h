// Category files and product files for the category screen's, the product
// screen's and the category chooser's tests: category i (from 1) is named
// "品種i" and read "ﾋﾝｼｭi"; products are "商品i", read "ｼｮｳﾋﾝi", with the
// membership flags given per product.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "tools/Headless.h"
#include "ui/Build.h"

inline std::string Hinsyu_TestName(int i) { return "品種" + std::to_string(i); }
inline std::string Hinsyu_TestKana(int i) { return "ﾋﾝｼｭ" + std::to_string(i); }

inline std::string Test_Padded(const std::string& text, int width) {
    return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
}

// A record of blanks ending in a line feed, with texts laid at offsets.
inline std::string Test_Record(int length, std::initializer_list<std::pair<int, std::string>> texts) {
    std::string r(static_cast<size_t>(length) - 1, ' ');
    r += '\n';
    for (const auto& [offset, text] : texts) r.replace(static_cast<size_t>(offset), text.size(), text);
    return r;
}

// The category file: the first `named` entries named, entry e holding the
// number numbers[e] (its position's when not given).
inline std::string Hinsyu_TestFile(int named, const std::vector<int>& numbers = {}) {
    std::string file;
    for (int e = 0; e < Hinsyu_Max; ++e) {
        char no[8];
        std::snprintf(no, sizeof no, "%3d", e < static_cast<int>(numbers.size()) ? numbers[e] : e + 1);
        file += e < named ? Test_Record(Hinsyu_RecLen, {{1, Hinsyu_TestName(e + 1)}, {41, Hinsyu_TestKana(e + 1)},
                                                        {51, no}})
                          : Test_Record(Hinsyu_RecLen, {{51, no}});
    }
    return file;
}

inline std::string Syouhin_TestName(int i) { return "商品" + std::to_string(i); }

// Product i with the membership flags of the category numbers given.
inline std::string Syouhin_TestRecord(int i, std::initializer_list<int> categories = {}) {
    std::string r = Test_Record(Syouhin_RecLen, {{1, Syouhin_TestName(i)}, {51, "ｼｮｳﾋﾝ" + std::to_string(i)},
                                                 {61, "     1200"}, {70, "外税"}, {92, "個"}});
    for (int n : categories) r[static_cast<size_t>(98 + n - 1)] = '1';
    return r;
}

// Products first ... last without memberships.
inline std::string Syouhin_TestFile(int first, int last) {
    std::string all;
    for (int i = first; i <= last; ++i) all += Syouhin_TestRecord(i);
    return all;
}

// Whether two files hold the same bytes; if not, where they first differ.
inline ::testing::AssertionResult Test_SameBytes(const std::string& got, const std::string& expected,
                                                 int recLen = Syouhin_RecLen) {
    if (got == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << expected.size()
                                         << ", first difference in record " << at / recLen + 1 << " at byte "
                                         << at % recLen;
}

// A run of the program on a category file and a product file.
class TMasterRun {
public:
    THeadlessSession Session;

    void StartWith(const std::string& categories, const std::string& products = "") {
        ASSERT_TRUE(Session.WriteFile("Data\\Hinsyu.620", categories));
        ASSERT_TRUE(Session.WriteFile("Data\\Syouhin.620", products));
        ASSERT_TRUE(Session.Start());
    }

    std::string File(const char* path = "Data\\Syouhin.620") { return Session.ReadFile(path).value_or("<none>"); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::string Focused() { return Session.FocusedName(); }
    bool Visible(const std::string& name) {
        TControl* c = Session.Control(name);
        return c && c->Showing();
    }
    TShape* Shape(const std::string& name) { return Session.ControlAs<TShape>(name); }
    bool Marked(const std::string& frame) {
        TShape* s = Shape(frame);
        return s && s->Pen.Color == clRed && s->Pen.Width == 2;
    }
    void Key(Word key, int count = 1) { Session.Key(key, {}, count); }
    void Type(const std::string& text) { Session.Type(text); }
    void Click(const std::string& name) { ASSERT_TRUE(Session.Click(name)) << name; }
    static std::string Row(const char* prefix, int row) { return Ui_RowName(prefix, row + 1); }
};
