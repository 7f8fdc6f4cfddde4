// F6 in the document editor: a stored document copied under the next
// number, exactly as the editor holds it; the copy refused where the Parts
// refuse it; a copy that cannot be numbered or written changing nothing.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/DenpyouNumber.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "platform/FileFault.h"
#include "store/Denpyou.h"
#include "tests/FaultSteps.h"
#include "tools/Headless.h"
#include "ui/CommandBar.h"

namespace {

constexpr int RecLen = Denpyou_RecLen;
const char* const DenpyouPath = "Data\\Denpyou.620";
const char* const JisyaPath = "Data\\Jisya.620";
constexpr int LastNoAt = 231;  // own-company field 13

std::string Number10(long long n) {
    std::string s = std::to_string(n);
    return std::string(10 - s.size(), ' ') + s;
}

// A stored invoice numbered no with a customer, one line and a total, each
// field at its place in the record.
std::string Document(long long no, const std::string& name, const std::string& total) {
    std::string r(RecLen, ' ');
    r.back() = '\n';
    auto lay = [&](int field, const std::string& text) {
        r.replace(static_cast<size_t>(Denpyou_FieldOffset[field]), text.size(), text);
    };
    lay(DenpyouField_Kind, "2");
    lay(DenpyouField_No, Number10(no));
    lay(DenpyouField_KokyakuName_1, name);
    lay(DenpyouField_KoujiName_1, "本社改修");
    lay(DenpyouField_MakeYear, "2025 3 1");
    lay(DenpyouField_Line(0, LineField_Syousai), "配線工事");
    lay(DenpyouField_Line(0, LineField_Kingaku), "     12345");
    lay(DenpyouField_Goukei, total);
    lay(DenpyouField_Keisyou, "様");
    return r;
}

class CopyRun {
public:
    THeadlessSession Session;

    // The documents stored, the last number, then the last stored document
    // opened from the header (F7).
    void Start(const std::string& documents, long long lastNo) {
        std::string jisya(1000, ' ');
        jisya.back() = '\n';
        jisya.replace(LastNoAt, 10, Number10(lastNo));
        ASSERT_TRUE(Session.WriteFile(DenpyouPath, documents));
        ASSERT_TRUE(Session.WriteFile(JisyaPath, jisya));
        ASSERT_TRUE(Session.Start());
        Session.Key(vk::F7);
        ASSERT_EQ(Denpyou_CurRec, Denpyou_Count);
    }
    std::string File() { return Session.ReadFile(DenpyouPath).value_or("<none>"); }
    std::string LastNoOnDisk() { return Session.ReadFileAt(JisyaPath, LastNoAt, 10).value_or("<none>"); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::array<bool, 11> Bar() {
        std::array<bool, 11> bar{};
        for (int i = 0; i < 11; ++i) bar[static_cast<size_t>(i)] = Command_Enabled[i];
        return bar;
    }
};

// The copy of number 7 with the last number 12: appended as number 13, its
// bytes those of the document as the editor holds it (a field committed and
// not yet stored included); the stored one keeps its bytes; the editor then
// holds an empty document numbered 14, with the grid's window, the focus and
// the bar as they were.
TEST(DocumentCopy, TheCopyTakesTheNextNumber) {
    CopyRun run;
    const std::string stored = Document(7, "山田電気", "     12345");
    run.Start(stored, 12);
    run.Session.Key(vk::Return);  // to the second name line
    run.Session.Type("本店");
    run.Session.Key(vk::Return);  // committed
    run.Session.Click("Edit_DenpSyousai_04");
    Denpyou_TopLine = 10;
    Denpyou_ShowLines();
    const auto bar = run.Bar();

    run.Session.Key(vk::F6);
    const std::string file = run.File();
    ASSERT_EQ(file.size(), 2u * RecLen);
    EXPECT_EQ(file.substr(0, RecLen), stored);
    std::string copy = stored;
    copy.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_No]), 10, Number10(13));
    copy.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_KokyakuName_2]), 4, "本店");
    EXPECT_EQ(file.substr(RecLen), copy);
    EXPECT_EQ(run.LastNoOnDisk(), Number10(13));

    EXPECT_EQ(Denpyou_LastNo, 13);
    EXPECT_EQ(Denpyou_Count, 2);
    EXPECT_EQ(Denpyou_CurRec, 3);
    EXPECT_EQ(run.Text("Edit_DenpNo"), Number10(14));
    EXPECT_EQ(run.Text("Edit_DenpKokyakuName_1"), std::string(40, ' '));
    EXPECT_EQ(run.Text("Label_DenpyouRec"), "3");
    EXPECT_EQ(run.Text("Label_DenpyouDs"), "2");
    EXPECT_EQ(run.Text("Label_DenpyouKind"), "伝票の追加");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Goukei]), std::string(10, ' '));
    EXPECT_EQ(run.Session.FocusedName(), "Edit_DenpSyousai_04");
    EXPECT_EQ(run.Text("Edit_DenpSyousai_04"), "");  // bare, for typing
    EXPECT_EQ(Denpyou_TopLine, 10);
    EXPECT_EQ(Denpyou_CurRow, 3);
    EXPECT_EQ(run.Bar(), bar);
    EXPECT_TRUE(run.Session.Messages().empty());

    // The new document is not stored: F6 again copies nothing.
    run.Session.Key(vk::F6);
    EXPECT_EQ(run.File().size(), 2u * RecLen);
    EXPECT_EQ(Denpyou_LastNo, 13);
}

// F6 copies nothing on a new document, a document whose customer name starts
// with a blank or whose total is 0, and while its key is off.
TEST(DocumentCopy, RefusedWithoutCustomerOrTotal) {
    struct TCase {
        const char* What;
        std::string Stored;
        bool NewDocument, KeyOff;
    };
    const TCase cases[] = {
        {"a new document", Document(7, "山田電気", "     12345"), true, false},
        {"a name starting with a blank", Document(7, " 山田電気", "     12345"), false, false},
        {"no total", Document(7, "山田電気", ""), false, false},
        {"a total of 0", Document(7, "山田電気", "         0"), false, false},
        {"F6 off", Document(7, "山田電気", "     12345"), false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        CopyRun run;
        run.Start(c.Stored, 12);
        if (c.NewDocument) run.Session.Click("Label_Command_01_F9");
        if (c.KeyOff) Command_Enable(vk::F6, false);
        const int rec = Denpyou_CurRec;
        run.Session.Key(vk::F6);
        run.Session.Click("Label_Command_01_F6");
        EXPECT_EQ(run.File(), c.Stored);
        EXPECT_EQ(Denpyou_LastNo, 12);
        EXPECT_EQ(run.LastNoOnDisk(), Number10(12));
        EXPECT_EQ(Denpyou_CurRec, rec);
        EXPECT_TRUE(run.Session.Messages().empty());
    }
}

// What a copy that did not happen leaves: the stored document in the editor,
// the count, the last number in memory and on disk, and the user told.
void ExpectNoCopy(CopyRun& run, const std::string& stored, long long lastNo, const std::string& message) {
    EXPECT_EQ(run.File(), stored);
    EXPECT_EQ(Denpyou_Count, 1);
    EXPECT_EQ(Denpyou_LastNo, lastNo);
    EXPECT_EQ(run.LastNoOnDisk(), Number10(lastNo));
    EXPECT_EQ(Denpyou_CurRec, 1);
    EXPECT_EQ(run.Text("Edit_DenpNo"), Number10(7));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_No]), Number10(7));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]).substr(0, 8), "山田電気");
    EXPECT_EQ(run.Text("Label_DenpyouRec"), "1");
    EXPECT_EQ(run.Text("Label_DenpyouDs"), "1");
    EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{message});
}

// Every step of the copy's writes failing in turn (the last number's and the
// document's): either the copy went through whole (a journal that could not
// be removed only marks its write done) or nothing changed.
TEST(DocumentCopy, AFailedWriteChangesNothing) {
    const std::string stored = Document(7, "山田電気", "     12345");
    std::unique_ptr<CopyRun> run;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            run = std::make_unique<CopyRun>();
            run->Start(stored, 12);
            arm();
            run->Session.Key(vk::F6);
        },
        [&] {
            if (Denpyou_Count == 2) {
                EXPECT_EQ(Denpyou_LastNo, 13);
                EXPECT_EQ(run->File().size(), 2u * RecLen);
                return;
            }
            const std::string& shown = run->Session.Messages().empty() ? "" : run->Session.Messages().front();
            ExpectNoCopy(*run, stored, 12,
                         shown.rfind("Jisya", 0) == 0 ? "Jisya.620を保存できませんでした。"
                                                      : "Denpyou.620を保存できませんでした。");
        },
        100);
    EXPECT_GE(failed, 4);  // the two journals and the two records at least
}

// After the last number the ten digits can hold, F6 copies nothing, as F1
// numbers nothing then.
TEST(DocumentCopy, NoCopyOnceTheNumbersAreUsedUp) {
    CopyRun run;
    const std::string stored = Document(7, "山田電気", "     12345");
    run.Start(stored, 9999999999LL);
    run.Session.Key(vk::F6);
    ExpectNoCopy(run, stored, 9999999999LL, "Denpyou.620を保存できませんでした。");
}

}  // namespace
