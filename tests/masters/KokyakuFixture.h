// Generated customers and a started window for the customer screen's and the
// customer chooser's tests: customer i (from 1) is "顧客i" / "支店i", read
// "ｺｷｬｸi", "御中" for every third customer and no honorific otherwise, with a
// postal code and a telephone number made from i.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/Build.h"
#include "masters/customers/KokyakuScreen.h"
#include "platform/Controls.h"
#include "store/Kokyaku.h"
#include "tools/Headless.h"

inline std::string Kokyaku_Padded(const std::string& text, int width) {
    return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
}

inline std::string Kokyaku_TestName1(int i) { return "顧客" + std::to_string(i); }
inline std::string Kokyaku_TestName2(int i) { return "支店" + std::to_string(i); }
inline std::string Kokyaku_TestKana(int i) { return "ｺｷｬｸ" + std::to_string(i); }
inline std::string Kokyaku_TestTel(int i) { return "03-" + std::to_string(i); }

inline std::string Kokyaku_TestRecord(int i) {
    std::string r(Kokyaku_RecLen - 1, ' ');
    r += '\n';
    char zip[16];
    std::snprintf(zip, sizeof zip, "100-%04d", i % 10000);
    const std::pair<int, std::string> fields[] = {
        {1, Kokyaku_TestName1(i)}, {41, Kokyaku_TestName2(i)}, {81, Kokyaku_TestKana(i)},
        {91, i % 3 == 0 ? "御中" : ""}, {97, zip}, {213, Kokyaku_TestTel(i)},
    };
    for (const auto& [offset, text] : fields) r.replace(static_cast<size_t>(offset), text.size(), text);
    return r;
}

// Customers first ... last, in order.
inline std::string Kokyaku_TestFile(int first, int last) {
    std::string all;
    for (int i = first; i <= last; ++i) all += Kokyaku_TestRecord(i);
    return all;
}

// Whether two customer files hold the same bytes; if not, where they first
// differ (record and offset in it) and their sizes, not the whole files.
inline ::testing::AssertionResult Kokyaku_SameBytes(const std::string& got, const std::string& expected) {
    if (got == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << expected.size()
                                         << ", first difference in record " << at / Kokyaku_RecLen + 1 << " at byte "
                                         << at % Kokyaku_RecLen;
}

// A run of the program; tables of cases make one per case.
class TKokyakuRun {
public:
    THeadlessSession Session;

    // Starts the program on customers 1 ... n and shows the customer screen.
    void StartWith(int n, bool showScreen = true) {
        ASSERT_TRUE(Session.WriteFile("Data\\Kokyaku.620", Kokyaku_TestFile(1, n)));
        ASSERT_TRUE(Session.Start());
        if (showScreen) Click("Label_Job_03");
    }

    std::string File(const char* path = "Data\\Kokyaku.620") { return Session.ReadFile(path).value_or("<none>"); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::string Focused() { return Session.FocusedName(); }
    void Key(Word key, int count = 1) { Session.Key(key, {}, count); }
    void Type(const std::string& text) { Session.Type(text); }
    void Click(const std::string& name) { ASSERT_TRUE(Session.Click(name)) << name; }

    // The cell of a column in row 0 ... 12.
    static std::string Cell(int column, int row) { return Ui_RowName(Kokyaku_Cell(column).Edit, row + 1); }
    static std::string NumberLabel(int row) { return Ui_RowName("Label_PanelKokyaku_No_", row + 1); }
    void Focus(int column, int row) { Click(Cell(column, row)); }
    // The page repainted from a page top, as deletions on a later page may
    // leave it.
    static void ShowFrom(int top) {
        Kokyaku_Top = top;
        Kokyaku_ShowPage();
    }
};

class KokyakuTest : public ::testing::Test, public TKokyakuRun {};
