// The document commands on a started window: store, delete and restore,
// new, previous and next, delete line, half pages, the kind buttons and the
// grid's key bar. They are called as the command functions call them; the
// keys that reach them are covered by the doc_*.txt scenarios.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/Document.h"
#include "editor/DenpyouCommands.h"
#include "editor/CommandBarMode.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "platform/FileFault.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Str.h"
#include "tools/Headless.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Job.h"

namespace {

constexpr int RecLen = 23000;
const char* const DenpyouPath = "Data\\Denpyou.620";

// A document record: blanks, a line feed last, each text at its offset.
std::string DocRecord(std::initializer_list<std::pair<int, std::string>> texts) {
    std::string r(RecLen, ' ');
    r.back() = '\n';
    for (const auto& [offset, text] : texts) r.replace(static_cast<size_t>(offset), text.size(), text);
    return r;
}
std::string Number10(int no) {
    std::string s = std::to_string(no);
    return std::string(10 - s.size(), ' ') + s;
}
// A kind byte as the record holds it.
std::string Kind(char kind) { return std::string(1, kind); }
// A stored estimate numbered no for customer name.
std::string StoredDoc(int no, const std::string& name, const std::string& year = "2024") {
    return DocRecord(
        {{0, Kind(DenpyouKind_Mitumori)}, {1, Number10(no)}, {11, name}, {251, year}, {255, " 3"}, {257, "15"}});
}
// A description as stored: left-aligned in 50 bytes.
std::string Syousai(const std::string& text) { return text + std::string(50 - text.size(), ' '); }

class DocCommandsTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    void Start(const std::string& documents = "") {
        if (!documents.empty()) {
            ASSERT_TRUE(Session.WriteFile(DenpyouPath, documents));
        }
        ASSERT_TRUE(Session.Start());
    }
    std::string File() { return Session.ReadFile(DenpyouPath).value_or("<none>"); }
    std::string At(int record, int offset, size_t n) {
        const std::string f = File();
        const size_t at = static_cast<size_t>(record - 1) * RecLen + static_cast<size_t>(offset);
        return at + n <= f.size() ? f.substr(at, n) : "<short>";
    }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    TEdit* Edit(const std::string& name) { return Session.ControlAs<TEdit>(name); }
    void SetField(int k, const std::string& text) {
        Str_Pad(text.c_str(), Denpyou_Field[k], Denpyou_FieldWidth[k], 0);
    }
    // Stepping as the header's F7 and F8 do it: the command, then the bar.
    void Before() {
        Denpyou_ShowBefore();
        Job_Show();
    }
    void Next() {
        Denpyou_ShowNext();
        Job_Show();
    }
};

TEST_F(DocCommandsTest, StoreAppendsTheNewDocumentAndShowsTheNextEmptyOne) {
    Start();
    ASSERT_EQ(Text("Edit_DenpNo"), Number10(1));
    SetField(DenpyouField_KokyakuName_1, "山田電気");
    // A field whose text ends early holds a NUL and an old tail: neither may
    // reach the file.
    std::string stale = "現場A";
    stale += '\0';
    stale += "OLDTAIL";
    std::memcpy(Denpyou_Field[DenpyouField_KoujiName_1], stale.data(), stale.size());
    ASSERT_TRUE(Denpyou_Store());

    const std::string f = File();
    ASSERT_EQ(f.size(), static_cast<size_t>(RecLen));
    EXPECT_EQ(f.find('\0'), std::string::npos);
    EXPECT_EQ(f.substr(0, 11), Kind(DenpyouKind_Mitumori) + Number10(1));
    EXPECT_EQ(f.substr(11, 40), "山田電気" + std::string(32, ' '));
    EXPECT_EQ(f.substr(91, 40), "現場A" + std::string(35, ' '));
    // A new document takes today's date (2025-04-01) from the date edits.
    EXPECT_EQ(f.substr(251, 8), "2025 4 1");
    EXPECT_EQ(f.back(), '\n');

    EXPECT_EQ(Denpyou_Count, 1);
    EXPECT_EQ(Denpyou_LastNo, 1);
    EXPECT_EQ(Denpyou_CurRec, 2);
    EXPECT_EQ(Text("Label_DenpyouDs"), "1");
    EXPECT_EQ(Text("Label_DenpyouRec"), "2");
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(2));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "");
    EXPECT_EQ(Text("Label_DenpyouKind"), "伝票の追加");
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1");
    EXPECT_EQ(Denpyou_TopLine, 0);

    // The next one goes after it with the next number.
    SetField(DenpyouField_KokyakuName_1, "佐藤工務店");
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(File().size(), static_cast<size_t>(2 * RecLen));
    EXPECT_EQ(At(2, 1, 10), Number10(2));
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(3));
    EXPECT_EQ(Text("Label_DenpyouDs"), "2");
}

// Document numbers run to the ten digits of the number field: the last
// number neither wraps at the 32-bit limit nor grows past the field, and
// once it is given no new document is numbered (numbers never repeat).
TEST_F(DocCommandsTest, TheLastNumberStopsAtTheFieldsTenDigits) {
    std::string jisya(1000, ' ');
    jisya.back() = '\n';
    jisya.replace(231, 10, "9999999998");
    ASSERT_TRUE(Session.WriteFile("Data\\Jisya.620", jisya));
    Start();
    EXPECT_EQ(Text("Edit_DenpNo"), "9999999999");
    SetField(DenpyouField_KokyakuName_1, "山田電気");
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(At(1, 1, 10), "9999999999");
    EXPECT_EQ(Denpyou_LastNo, 9999999999LL);
    SetField(DenpyouField_KokyakuName_1, "佐藤工務店");
    EXPECT_FALSE(Denpyou_Store());
    EXPECT_EQ(File().size(), static_cast<size_t>(RecLen));
    EXPECT_EQ(Denpyou_LastNo, 9999999999LL);
    EXPECT_EQ(Denpyou_Count, 1);
    // still in the editor
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]).rfind("佐藤工務店", 0), 0u);
    SetField(DenpyouField_KokyakuName_1, " ");  // leave without the question
    Session.Click("Label_Job_10");
    ASSERT_TRUE(Session.Exited());
    EXPECT_EQ(Session.ReadFile("Data\\Jisya.620").value_or("").substr(231, 10), "9999999999");
}

TEST_F(DocCommandsTest, StoreNeedsACustomerNameAndItsKey) {
    Start();
    SetField(DenpyouField_KoujiName_1, "工事だけ");
    EXPECT_FALSE(Denpyou_Store());
    SetField(DenpyouField_KokyakuName_1, "山田電気");
    Command_Enable(vk::F1, false);
    EXPECT_FALSE(Denpyou_Store());
    EXPECT_EQ(File().size(), 0u);
    EXPECT_EQ(Denpyou_Count, 0);
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(1));
}

TEST_F(DocCommandsTest, StoreCompletesAMissingCreationYearFromTheEraEdits) {
    struct TCase {
        const char* Year;
        const char* Month;
        const char* Day;
        const char* Stored;  // fields 8, 9 and 10 as written
    };
    const TCase cases[] = {
        {" 7", " 5", "10", "2025 510"},  // Reiwa
        {"30", "12", " 1", "201812 1"},  // Heisei
        {"", "4", "31", "2018 431"},     // no year: Reiwa 0
        {"32", "5", "1", "2050 5 1"},
        {"32", "4", "1", "2020 4 1"},
        {"1", "13", "32", "2019    "},  // month and day out of range
    };
    Start();
    int record = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Year + std::string("/") + c.Month + "/" + c.Day);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        Edit("Edit_DenpMakeYear")->SetText(c.Year);
        Edit("Edit_DenpMakeMonth")->SetText(c.Month);
        Edit("Edit_DenpMakeDay")->SetText(c.Day);
        ASSERT_TRUE(Denpyou_Store());
        EXPECT_EQ(At(++record, 251, 8), c.Stored);
    }
    // A year already committed is kept.
    SetField(DenpyouField_KokyakuName_1, "山田電気");
    SetField(DenpyouField_MakeYear, "2016");
    Edit("Edit_DenpMakeYear")->SetText(" 7");
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(At(++record, 251, 4), "2016");
}

TEST_F(DocCommandsTest, StoreRewritesAStoredDocumentInPlaceWithTheKindOfItsButton) {
    Start(StoredDoc(1, "A社") + StoredDoc(2, "B社"));
    Before();
    Before();
    ASSERT_EQ(Denpyou_CurRec, 1);
    Session.Click("RadioButton_Seikyuu");
    EXPECT_EQ(Denpyou_Field[DenpyouField_Kind][0], DenpyouKind_Seikyuu);
    EXPECT_EQ(At(1, 0, 1), Kind(DenpyouKind_Mitumori));  // the file changes only when stored
    SetField(DenpyouField_Bikou, "変更");
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(File().size(), static_cast<size_t>(2 * RecLen));
    EXPECT_EQ(At(1, 0, 11), Kind(DenpyouKind_Seikyuu) + Number10(1));
    EXPECT_EQ(At(1, 211, 4), "変更");
    EXPECT_EQ(Denpyou_Count, 2);
    // No number is used up (the own-company record holds none: the last
    // number is the last stored document's).
    EXPECT_EQ(Denpyou_LastNo, 2);
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(3));
}

TEST_F(DocCommandsTest, StoringADeletedDocumentKeepsItDeleted) {
    Start(DocRecord({{0, Kind(DenpyouKind_Deleted)}, {1, Number10(5)}, {11, "C社"}, {251, "2024"}}));
    Before();
    ASSERT_FALSE(Session.ControlAs<TRadioButton>("RadioButton_Mitumori")->Enabled());
    Session.Click("RadioButton_Irai");  // disabled: no change
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(At(1, 0, 1), Kind(DenpyouKind_Deleted));
}

// The file cannot take the record: a folder in its place, or a full disk.
TEST(DocStoreFailure, AFailedWriteKeepsTheDocumentInTheEditor) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "full disk");
        THeadlessSession session;
        const std::string path = session.Folder() + "Data/Denpyou.620";
        if (folder) std::filesystem::create_directory(path);
        ASSERT_TRUE(session.Start());
        if (!folder) FileFault_DiskFull(0);
        const int lastNo = Denpyou_LastNo, count = Denpyou_Count;
        Str_Pad("山田電気", Denpyou_Field[DenpyouField_KokyakuName_1], 40, 0);
        session.ControlAs<TEdit>("Edit_DenpKokyakuName_1")->SetText("山田電気");
        EXPECT_FALSE(Denpyou_Store());
        // The full disk takes not even the number for the own-company record.
        const char* const told = folder ? "Denpyou.620を保存できませんでした。" : "Jisya.620を保存できませんでした。";
        EXPECT_EQ(session.Messages(), std::vector<std::string>{told});
        EXPECT_EQ(Denpyou_Count, count);
        EXPECT_EQ(Denpyou_LastNo, lastNo);
        EXPECT_EQ(Denpyou_CurRec, count + 1);
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1], 8), "山田電気");
        EXPECT_EQ(session.TextOf("Edit_DenpKokyakuName_1"), "山田電気");
        EXPECT_EQ(session.TextOf("Edit_DenpNo"), Number10(lastNo + 1));
        EXPECT_EQ(session.TextOf("Label_DenpyouDs"), std::to_string(count));
        EXPECT_EQ(session.TextOf("Label_DenpyouKind"), "伝票の追加");
    }
}

TEST_F(DocCommandsTest, DeleteAndRestoreWriteTheKindAtOnce) {
    Start(StoredDoc(1, "A社") + StoredDoc(2, "B社"));
    Denpyou_DeleteOrRestore();  // a new document: nothing
    EXPECT_EQ(File(), StoredDoc(1, "A社") + StoredDoc(2, "B社"));

    Before();
    ASSERT_EQ(Denpyou_CurRec, 2);
    SetField(DenpyouField_Place, "現場");  // edits in memory go with the mark
    Denpyou_DeleteOrRestore();
    EXPECT_EQ(At(2, 0, 1), Kind(DenpyouKind_Deleted));
    EXPECT_EQ(At(2, 171, 4), "現場");
    EXPECT_EQ(At(1, 0, 1), Kind(DenpyouKind_Mitumori));
    EXPECT_EQ(Text("Label_DenpyouKind"), "削除された伝票");
    EXPECT_EQ(Text("Label_Command_01_F2"), "F2 伝票復活");

    Denpyou_DeleteOrRestore();
    EXPECT_EQ(At(2, 0, 1), Kind(DenpyouKind_None));
    EXPECT_EQ(Text("Label_DenpyouKind"), "伝票の修正");
    EXPECT_EQ(Text("Label_Command_01_F2"), "F2 伝票削除");
    EXPECT_EQ(File().find('\0'), std::string::npos);

    // The file gone read-only in the sense that matters: a folder in its place.
    std::filesystem::rename(Session.HostPath(DenpyouPath), Session.Folder() + "moved.620");
    std::filesystem::create_directory(Session.HostPath(DenpyouPath));
    Denpyou_DeleteOrRestore();
    EXPECT_EQ(Denpyou_Field[DenpyouField_Kind][0], DenpyouKind_None);
    EXPECT_EQ(Text("Label_DenpyouKind"), "伝票の修正");
}

TEST_F(DocCommandsTest, StepsThroughTheStoredDocuments) {
    std::string docs = StoredDoc(1, "A社") + StoredDoc(2, "B社") + StoredDoc(3, "C社");
    docs[2 * RecLen + 22328] = '2';  // the breakdown title variant of document 3
    Start(docs);
    ASSERT_EQ(Denpyou_CurRec, 4);

    Before();
    EXPECT_EQ(Denpyou_CurRec, 3);
    EXPECT_EQ(Utiwake_Kind, 2);
    EXPECT_EQ(Text("Label_DenpyouRec"), "3");
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(3));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "C社");
    EXPECT_EQ(Text("Label_DenpyouKind"), "伝票の修正");
    EXPECT_EQ(Text("Edit_DenpMakeYear"), " 6");
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1");

    Before();
    Before();
    EXPECT_EQ(Denpyou_CurRec, 1);
    EXPECT_EQ(Utiwake_Kind, 0);
    Before();  // nothing before the first
    EXPECT_EQ(Denpyou_CurRec, 1);
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "A社");

    Next();
    EXPECT_EQ(Denpyou_CurRec, 2);
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "B社");
    Next();
    Next();  // past the last: a new document numbered after the last issued
    EXPECT_EQ(Denpyou_CurRec, 4);
    EXPECT_EQ(Text("Label_DenpyouRec"), "4");
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(Denpyou_LastNo + 1));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "");
    EXPECT_EQ(Text("Label_DenpyouKind"), "伝票の追加");
}

TEST_F(DocCommandsTest, AStepToARecordThatCannotBeReadLeavesTheEditorAlone) {
    Start(StoredDoc(1, "A社") + StoredDoc(2, "B社"));
    Before();
    ASSERT_EQ(Denpyou_CurRec, 2);
    FileFault_Plan(TFileOp::Read, 1);  // the record's read fails
    Before();
    EXPECT_EQ(Denpyou_CurRec, 2);
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "B社");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1], 3), "B社");
}

TEST_F(DocCommandsTest, NewDocumentSetsTheHeadersBar) {
    Start(StoredDoc(1, "A社"));
    Before();
    Denpyou_New();
    EXPECT_EQ(Denpyou_CurRec, 2);
    EXPECT_EQ(Text("Edit_DenpNo"), Number10(2));  // after the last stored document's (a fresh own-company record)
    const int on[11] = {1, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Command_Enabled[i], on[i]) << i;
    EXPECT_EQ(Text("Label_Command_01_F6"), "F6 伝票複写");
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 次伝票");
}

TEST_F(DocCommandsTest, CommandBarModesOfTheGrid) {
    Start(StoredDoc(1, "A社"));
    struct TCase {
        bool Stored;
        TCommandMode Mode;
        const char* On;  // F1 ... F9
        const char* F8;
    };
    const TCase cases[] = {
        {false, TCommandMode::Syousai, "101110010", "F8 商品一覧"},
        {false, TCommandMode::Values, "101110000", "F8 次伝票"},
        {true, TCommandMode::Syousai, "111111011", "F8 商品一覧"},
        {true, TCommandMode::Values, "111111001", "F8 次伝票"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Stored) + " " + std::to_string(static_cast<int>(c.Mode)));
        Denpyou_CurRec = c.Stored ? 1 : 2;
        Command_Enable(vk::Escape, false);  // Esc keeps its flag
        Denpyou_SetCommandBar(c.Mode);
        for (int key = 0; key < 9; ++key)
            EXPECT_EQ(Command_IsEnabled(static_cast<Word>(vk::F1 + key)), c.On[key] == '1') << "F" << key + 1;
        EXPECT_FALSE(Command_IsEnabled(vk::Escape));
        EXPECT_EQ(Text("Label_Command_01_F8"), c.F8);
        EXPECT_EQ(Text("Label_Command_01_F6"), "F6 複写");
        EXPECT_EQ(Text("Label_Denpyou_BeforePage"), "PageUp 半頁戻し");
        EXPECT_EQ(Session.ControlAs<TShape>("Shape_Command_01_F7")->Brush.Color, clSilver);
    }
}

class DocLinesTest : public DocCommandsTest {
protected:
    // Lines 0 ... 199 of the document hold descriptions "L0" ... "L199".
    void FillLines() {
        for (int line = 0; line < 200; ++line)
            SetField(DenpyouField_Line(line, LineField_Syousai), "L" + std::to_string(line));
    }
    void StartWithLines() {
        Start();
        FillLines();
    }
    std::string Line(int line, DenpyouLineField j) { return Denpyou_Field[DenpyouField_Line(line, j)]; }
    void Put(int top, int row) {
        Denpyou_TopLine = top;
        Denpyou_CurRow = row;
        Command_Enable(vk::F4, true);
    }
};

TEST_F(DocLinesTest, DeleteLineMovesTheLinesBelowUp) {
    struct TCase {
        int Top, Row;
    };
    Start();
    for (const TCase c : {TCase{0, 0}, TCase{180, 19}, TCase{40, 7}}) {
        const int deleted = c.Top + c.Row;
        SCOPED_TRACE(deleted);
        FillLines();
        // A whole field moves, bytes after an early NUL included.
        const char quantity[6] = {'1', '2', '\0', '4', '5', '6'};
        std::memcpy(Denpyou_Field[DenpyouField_Line(199, LineField_Suuryou)], quantity, 6);
        Put(c.Top, c.Row);
        Denpyou_DeleteLine();
        for (int line = 0; line < 199; ++line)
            ASSERT_EQ(Line(line, LineField_Syousai), Syousai("L" + std::to_string(line < deleted ? line : line + 1)))
                << line;
        EXPECT_EQ(Line(199, LineField_Syousai), std::string(50, ' '));
        EXPECT_EQ(Line(199, LineField_Suuryou), std::string(6, ' '));
        if (deleted < 199) {
            EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Line(198, LineField_Suuryou)], 6),
                      std::string(quantity, 6));
        }
        // The window shows the lines as they are now, the cursor's text trimmed.
        const std::string edit = Ui_RowName("Edit_DenpSyousai_", c.Row + 1);
        EXPECT_EQ(Text(edit), deleted < 199 ? "L" + std::to_string(deleted + 1) : "");
        if (c.Row != 19) {
            EXPECT_EQ(Text(Ui_RowName("Edit_DenpSyousai_", 20)), Line(c.Top + 19, LineField_Syousai));
        }
    }
}

TEST_F(DocLinesTest, DeleteLineDoesNothingWithoutACursorLine) {
    StartWithLines();
    Put(0, -1);
    Denpyou_DeleteLine();
    EXPECT_EQ(Line(0, LineField_Syousai), Syousai("L0"));
    Put(0, 0);
    Command_Enable(vk::F4, false);
    Denpyou_DeleteLine();
    EXPECT_EQ(Line(0, LineField_Syousai), Syousai("L0"));
}

TEST_F(DocLinesTest, DeleteLineRecalculatesTaxLinesBelowTheWindowToo) {
    Start();
    auto item = [&](int line, const char* amount) {
        SetField(DenpyouField_Line(line, LineField_Syousai), "品");
        SetField(DenpyouField_Line(line, LineField_Kingaku), amount);
        SetField(DenpyouField_Line(line, LineField_Zei), "外税");
    };
    item(0, "      1000");
    item(1, "      1000");
    SetField(DenpyouField_Line(150, LineField_Kind), Kind(LineKind_Zei));  // tax line at 5 %
    SetField(DenpyouField_Line(150, LineField_Kingaku), "       100");
    SetField(DenpyouField_Goukei, "      2100");
    Put(0, 0);
    Denpyou_DeleteLine();
    EXPECT_EQ(Line(149, LineField_Kind), Kind(LineKind_Zei));
    EXPECT_EQ(Line(149, LineField_Kingaku), "        50");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Goukei]), "      1050");
    EXPECT_EQ(Text("Label_SeikyuuGoukei"), "      1050");
}

TEST_F(DocLinesTest, HalfPageLabelsMoveTheWindow) {
    struct TCase {
        const char* Label;
        int Before, After;
        const char* Focus;  // "" when the focus stays
    };
    const TCase cases[] = {
        {"Label_Denpyou_BeforePage", 20, 10, ""},
        {"Label_Denpyou_BeforePage", 10, 0, ""},
        {"Label_Denpyou_BeforePage", 5, 0, "Edit_DenpSyousai_01"},
        {"Label_Denpyou_BeforePage", 0, 0, ""},
        {"Label_Denpyou_NextPage", 170, 180, ""},
        {"Label_Denpyou_NextPage", 175, 180, "Edit_DenpSyousai_20"},
        {"Label_Denpyou_NextPage", 180, 180, ""},
    };
    StartWithLines();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Label) + " " + std::to_string(c.Before));
        Edit("Edit_DenpKokyakuName_1")->SetFocus();
        Denpyou_TopLine = c.Before;
        Denpyou_ShowLines();
        ASSERT_TRUE(Session.Click(c.Label));
        EXPECT_EQ(Denpyou_TopLine, c.After);
        EXPECT_EQ(Text("Label_DenpLine_01"), (c.After + 1 < 100 ? (c.After + 1 < 10 ? "  " : " ") : "") +
                                                 std::to_string(c.After + 1));
        EXPECT_EQ(Session.FocusedName(), *c.Focus ? c.Focus : "Edit_DenpKokyakuName_1");
    }
}

TEST_F(DocCommandsTest, KindButtonsSetTheKindInMemory) {
    Start(StoredDoc(1, "A社"));
    Before();
    const std::pair<const char*, char> buttons[] = {{"RadioButton_Seikyuu", DenpyouKind_Seikyuu},
                                                    {"RadioButton_Utiwake", DenpyouKind_Utiwake},
                                                    {"RadioButton_Irai", DenpyouKind_Irai},
                                                    {"RadioButton_Mitumori", DenpyouKind_Mitumori}};
    for (const auto& [name, kind] : buttons) {
        ASSERT_TRUE(Session.Click(name));
        EXPECT_EQ(Denpyou_Field[DenpyouField_Kind][0], kind) << name;
    }
    EXPECT_EQ(At(1, 0, 1), Kind(DenpyouKind_Mitumori));
}

// The tidy-up state after a store is the one a full count of the file gives.
TEST_F(DocCommandsTest, StoreKeepsTheTidyUpStateOfTheFile) {
    // Document 2 is older than 40 years; it is the only one.
    Start(StoredDoc(1, "A社") + StoredDoc(2, "B社", "1980") + StoredDoc(3, "C社"));
    ASSERT_EQ(Seiri_Mode, TSeiriMode::Old);
    EXPECT_TRUE(Session.Control("Panel_Seiri")->Visible());

    SetField(DenpyouField_KokyakuName_1, "D社");  // a new document: the old one stays
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Old);

    Before();
    Before();
    Before();
    ASSERT_EQ(Denpyou_CurRec, 2);
    SetField(DenpyouField_MakeYear, "2020");  // the old document made young
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(Seiri_Mode, TSeiriMode::None);
    EXPECT_FALSE(Session.Control("Panel_Seiri")->Visible());
    EXPECT_EQ(Denpyou_Count, 4);

    SetField(DenpyouField_KokyakuName_1, "E社");
    SetField(DenpyouField_MakeYear, "1970");  // an old date typed into a new document
    ASSERT_TRUE(Denpyou_Store());
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Old);
    EXPECT_EQ(Denpyou_Count, 5);
    EXPECT_EQ(Seiri_Year, 1985);
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_Hozon]), "40");
}

}  // namespace
