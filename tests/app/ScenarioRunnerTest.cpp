// The scenario runner and the headless session under it. Scripts are UTF-8
// (u8 literals); plain literals in this file are CP932, so they check the
// runner's conversions independently of the runner's own expectations.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Syori_01.h"
#include "platform/Application.h"
#include "platform/File.h"
#include "platform/Printer.h"
#include "tools/Headless.h"
#include "tools/ScenarioBlocks.h"
#include "tools/ScenarioRunner.h"

namespace {

std::string U8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

// The lines of the runner's output.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A started program with a few controls of the test's own, so that what the
// runner delivers can be seen apart from the program's handlers.
class ScenarioRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.Start());
        TForm& form = *session.Form();
        panel = form.Create<TPanel>("Panel_Test");
        panel->SetBounds(0, 0, 300, 100);
        edit = form.Create<TEdit>("Edit_Test", panel);
        edit->SetBounds(10, 10, 200, 20);
        label = form.Create<TLabel>("Label_Test", panel);
        label->SetBounds(10, 40, 100, 20);
        shape = form.Create<TShape>("Shape_Test", panel);
        shape->SetBounds(10, 70, 100, 20);
        box = form.Create<TCheckBox>("Check_Test", panel);
        box->SetBounds(200, 40, 60, 20);
        form.FocusControl(edit);
        ASSERT_EQ(session.Focused(), edit);
    }

    TScenarioResult Run(std::u8string_view script) {
        out.str("");
        return Scenario_Run(U8(script), "t.txt", dir, session, out);
    }

    THeadlessSession session;
    std::ostringstream out;
    std::string dir;
    TPanel* panel = nullptr;
    TEdit* edit = nullptr;
    TLabel* label = nullptr;
    TShape* shape = nullptr;
    TCheckBox* box = nullptr;
};

TEST_F(ScenarioRunnerTest, PassingScriptCountsItsExpectations) {
    label->Caption = "見積";
    label->Color = clSilver;
    label->Font.Color = clWhite;
    shape->Brush.Color = clOlive;
    shape->Pen = {clNavy, 2};
    box->SetChecked(true);
    const auto r = Run(u8R"(# comments and blank lines are skipped

  expect focus Edit_Test
expect text Label_Test "見積"
expect visible Label_Test yes
expect enabled Label_Test yes
expect color Label_Test 0xC0C0C0
expect color Shape_Test 32896
expect fontcolor Label_Test 16777215
expect pen Shape_Test 0x800000 2
expect checked Check_Test yes
expect bounds Label_Test 10 40 100 20
expect exit none
)");
    EXPECT_EQ(r.Passed, 11);
    EXPECT_EQ(r.Failed, 0);
    EXPECT_EQ(out.str(), "11 passed, 0 failed\n");
}

// Each failing line is reported with its number, the line as written and
// what was found; the run goes on after it.
TEST_F(ScenarioRunnerTest, FailuresNameTheLineAndWhatWasFound) {
    label->Caption = "abd  ";
    panel->Hide();
    const auto r = Run(u8R"(expect text Label_Test "abc  "
expect text Label_Test "abd  "
expect focus Edit_Test
expect visible Label_Test yes
frobnicate now
expect smell Label_Test
expect text Label_Nothing "x"
expect text Label_Test abc
key F13
wheel sideways
expect color Label_Test -1 extra
start
expect text Shape_Test ""
expect bounds Shape_Test 10 70 100 -20
)");
    EXPECT_EQ(r.Passed, 1);
    EXPECT_EQ(r.Failed, 13);
    const std::vector<std::string> want = {
        "t.txt:1: expect text Label_Test \"abc  \": got \"abd  \"",
        "t.txt:3: expect focus Edit_Test: got none",
        "t.txt:4: expect visible Label_Test yes: got no (its parent Panel_Test is not visible)",
        "t.txt:5: frobnicate now: unknown command \"frobnicate\"",
        "t.txt:6: expect smell Label_Test: unknown expectation \"smell\"",
        "t.txt:7: expect text Label_Nothing \"x\": no control named Label_Nothing",
        "t.txt:8: expect text Label_Test abc: TEXT must be in double quotes (usage: expect text NAME \"...\")",
        "t.txt:9: key F13: unknown key F13 (usage: key [Shift+]KEY [COUNT])",
        "t.txt:10: wheel sideways: the wheel turns up or down (usage: wheel up|down [COUNT])",
        "t.txt:11: expect color Label_Test -1 extra: unexpected \"extra\" (usage: expect color NAME N)",
        "t.txt:12: start: must come before start",
        "t.txt:13: expect text Shape_Test \"\": Shape_Test has no text",
        "t.txt:14: expect bounds Shape_Test 10 70 100 -20: got 10 70 100 20",
        "1 passed, 13 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
}

TEST_F(ScenarioRunnerTest, LongTextsShowTheFirstDifference) {
    edit->SetText("0123456789abcdef");
    Run(u8"expect text Edit_Test \"0123456789abXdef\"\n");
    EXPECT_EQ(Lines(out.str())[0],
              "t.txt:1: expect text Edit_Test \"0123456789abXdef\": got \"0123456789abcdef\" "
              "(first difference at byte 12; 16 bytes, expected 16)");
}

// The commands a script unrolls into, one "LINE: text" each, ": error"
// after it when the line cannot run.
std::vector<std::string> Unrolled(std::u8string_view script) {
    std::vector<std::string> lines;
    for (const TScenarioLine& l : Scenario_Unroll(U8(script)))
        lines.push_back(std::to_string(l.Number) + ": " + l.Text + (l.Error.empty() ? "" : ": " + l.Error));
    return lines;
}

TEST(ScenarioBlocks, RepeatIfAndLetUnrollIntoSubstitutedCommands) {
    const struct {
        const char* Name;
        std::u8string_view Script;
        std::vector<std::string> Want;
    } cases[] = {
        {"nested, the inner bounds from the outer name",
         u8"repeat I from 1 to 2\n  repeat J from I to 2\n    key Up {I}{J}\n  end\nend\nkey End\n",
         {"3: key Up 11", "3: key Up 12", "3: key Up 22", "6: key End"}},
        {"if and else; a let lasts one round",
         u8"repeat L from 1 to 3\n  let T = L % 2 == 0 ? \"even\" : \"odd\"\n  if L == 3\n    type \"{T}!\"\n"
         u8"  else\n    type \"{T}\"\n  end\nend\ntype {T}\n",
         {"6: type \"odd\"", "6: type \"even\"", "4: type \"odd!\"", "9: type {T}: unknown name T"}},
        {"a let outside a repeat, in its bounds",
         u8"let N = 2\nrepeat K from N to N + 1\n  key Down {K}\nend\n", {"3: key Down 2", "3: key Down 3"}},
        {"widths in CP932 bytes, never cut",
         u8"type \"[{7:3}][{7:-3}][{\"式\":-4}][{12345:3}][{1 ? 2 : 3:2}]\"\n",
         {U8(u8"1: type \"[  7][7  ][式  ][12345][ 2]\"")}},
        {"arithmetic as in C; the branch not taken is not worked out",
         u8"type \"{-7 / 2} {-7 % 2} {2 + 3 * (4 - 1)} {3 >= 3}{3 < 3} {0 ? 1 / 0 : 4}\"\n",
         {"1: type \"-3 -1 11 10 4\""}},
    };
    for (const auto& c : cases) EXPECT_EQ(Unrolled(c.Script), c.Want) << c.Name;
}

TEST(ScenarioBlocks, BlocksThatDoNotMatchRunNothing) {
    const struct {
        std::u8string_view Script;
        std::vector<std::string> Want;
    } cases[] = {
        {u8"start\nrepeat L from 1 to 2\n  key Up {L}\n", {"2: repeat L from 1 to 2: repeat without its end"}},
        {u8"start\nrepeat L from 1 to 2\n  key Up\nelse\nend\nend\nend x\nif 1\n",
         {"4: else: else without its if", "6: end: end without its repeat or if",
          "7: end x: end takes nothing after it", "8: if 1: if without its end"}},
        {u8"if 1\nelse\nelse\nend\n", {"3: else: a second else for one if"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Unrolled(c.Script), c.Want);
}

TEST(ScenarioBlocks, AFailingLineOrBlockIsReportedInItsPlace) {
    const struct {
        std::u8string_view Script;
        std::vector<std::string> Want;
    } cases[] = {
        {u8"repeat L from 3 to 1\n  key Up\nend\nkey End\n",
         {"1: repeat L from 3 to 1: bad bounds: 1 is below 3", "4: key End"}},
        {u8"repeat L from 1 to 100001\nend\n", {"1: repeat L from 1 to 100001: bad bounds: more than 100000 rounds"}},
        {u8"repeat L from 1 to X\nend\n", {"1: repeat L from 1 to X: unknown name X"}},
        {u8"repeat L from \"a\" to 2\nend\n", {"1: repeat L from \"a\" to 2: a text where a number is needed: \"a\""}},
        {u8"repeat L from 1\nend\n", {"1: repeat L from 1: usage: repeat NAME from A to B"}},
        {u8"repeat L from 1 to 1\n  repeat L from 1 to 1\n  end\nend\n",
         {"2: repeat L from 1 to 1: L is already in use"}},
        {u8"if\nend\n", {"1: if: an expression ends early"}},
        {u8"let 2 = 3\n", {"1: let 2 = 3: usage: let NAME = EXPR"}},
        {u8"repeat L from 0 to 1\n  type \"{10 / L}\"\nend\n",
         {"2: type \"{10 / L}\": division by zero", "2: type \"10\""}},
        {u8"type {\"a\" + 1}\ntype {1 +}\ntype {(1}\ntype {2\ntype 2}\ntype {1 ? 2}\ntype {9223372036854775807 + 1}\n",
         {"1: type {\"a\" + 1}: a text where + needs a number", "2: type {1 +}: unexpected \"}\"",
          "3: type {(1}: \"(\" without its \")\"", "4: type {2: \"{\" without its \"}\"",
          "5: type 2}: \"}\" without its \"{\"", "6: type {1 ? 2}: \"?\" without its \":\"",
          "7: type {9223372036854775807 + 1}: number too large"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Unrolled(c.Script), c.Want);
}

// The runner reports a line that cannot run in its place and goes on.
TEST_F(ScenarioRunnerTest, UnrolledLinesRunAndFailInTheirPlace) {
    const auto r = Run(u8R"(repeat L from 0 to 2
  type "{10 / L}"
end
expect text Edit_Test "105"
)");
    EXPECT_EQ(r.Passed, 1);
    EXPECT_EQ(r.Failed, 1);
    EXPECT_EQ(Lines(out.str())[0], "t.txt:2: type \"{10 / L}\": division by zero");

    Run(u8"repeat L from 1 to 2\n  type \"x\"\n");
    EXPECT_EQ(Lines(out.str())[0], "t.txt:1: repeat L from 1 to 2: repeat without its end");
    EXPECT_EQ(edit->Text(), "105");  // nothing ran
}

// `type` converts the script's UTF-8 to CP932 and commits it to the focused
// control; `expect text` compares in CP932 too.
TEST_F(ScenarioRunnerTest, TypeAndExpectTextConvertToCp932) {
    const auto r = Run(u8R"(type 山田 工務店
expect text Edit_Test "山田 工務店"
type "  ～－\"\\ "
expect text Edit_Test "山田 工務店  ～－\"\\ "
)");
    EXPECT_EQ(r.Failed, 0) << out.str();
    EXPECT_EQ(r.Passed, 2);
    EXPECT_EQ(edit->Text(), "山田 工務店  ～－\"\\ ");
    EXPECT_EQ(edit->Text().substr(13, 4), "\x81\x60\x81\x7C");  // ～ and － as CP932 has them

    Run(u8"expect text Edit_Test \"山田\"\n");
    EXPECT_EQ(Lines(out.str())[0],
              U8(u8"t.txt:1: expect text Edit_Test \"山田\": got \"山田 工務店  ～－\\\"\\\\ \" "
                 u8"(first difference at byte 4; 20 bytes, expected 4)"));
}

// Keys by name, with Shift and a count; the wheel one notch at a time.
TEST_F(ScenarioRunnerTest, KeysAndWheelReachTheWindow) {
    std::vector<std::pair<Word, bool>> keys;
    edit->OnKeyDown = [&](TControl*, Word key, TShiftState shift) { keys.push_back({key, shift.Shift}); };
    int up = 0, down = 0;
    session.Form()->OnMouseWheelUp = [&](TShiftState, int, int) { ++up; };
    session.Form()->OnMouseWheelDown = [&](TShiftState, int, int) { ++down; };
    const auto r = Run(u8R"(key Return
key Escape 2
key Shift+F9
key Backspace
key Delete
key PageDown
key Home
key Space
wheel up 3
wheel down
)");
    EXPECT_EQ(r.Failed, 0) << out.str();
    const std::vector<std::pair<Word, bool>> want = {
        {13, false}, {27, false}, {27, false}, {120, true}, {8, false},
        {46, false}, {34, false}, {36, false}, {32, false},
    };
    EXPECT_EQ(keys, want);
    EXPECT_EQ(up, 3);
    EXPECT_EQ(down, 1);
}

TEST_F(ScenarioRunnerTest, MouseCommandsPressReleaseAndClick) {
    std::string events;
    label->OnMouseDown = [&](TControl*, TMouseButton, TShiftState, int, int) { events += "down "; };
    label->OnMouseUp = [&](TControl*, TMouseButton, TShiftState, int, int) { events += "up "; };
    label->OnClick = [&](TControl*) { events += "click "; };
    edit->SetText("abc");
    const auto r = Run(u8R"(press Label_Test
release Label_Test
click Label_Test
click Check_Test
expect checked Check_Test yes
expect focus Check_Test
click Edit_Test
type d
expect text Edit_Test "abcd"
)");
    EXPECT_EQ(r.Failed, 0) << out.str();
    EXPECT_EQ(events, "down up click down up click ");
}

// The program's exit is recorded: `expect exit` sees it (-1 and 255 are the
// same status), input after it is refused, the window can still be read.
TEST_F(ScenarioRunnerTest, ExitIsRecordedAndEndsTheInput) {
    label->OnClick = [](TControl*) { Application_Terminate(-1); };
    const auto r = Run(u8R"(expect exit none
click Label_Test
expect exit 255
expect exit -1
expect exit 0
expect exit none
key Return
expect text Edit_Test ""
)");
    EXPECT_EQ(r.Passed, 4);
    EXPECT_EQ(r.Failed, 3);
    const std::vector<std::string> want = {
        "t.txt:5: expect exit 0: got -1, that is 255",
        "t.txt:6: expect exit none: got -1, that is 255",
        "t.txt:7: key Return: the program has ended (exit status -1)",
        "4 passed, 3 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
    EXPECT_TRUE(session.Exited());
    EXPECT_EQ(session.ExitStatus(), -1);
    EXPECT_FALSE(session.Key(vk::Return));
}

// Message boxes are matched oldest first, each once; "none" holds when every
// one shown has been matched.
TEST_F(ScenarioRunnerTest, MessagesAreExpectedInTheOrderShown) {
    label->OnClick = [](TControl*) {
        Application_ShowMessage("保存できませんでした。");
        Application_ShowMessage("二つ目");
    };
    const auto r = Run(u8R"(expect message none
click Label_Test
expect message "保存できませんでした。"
expect message "二つ目"
expect message none
click Label_Test
expect message "二つ"
expect message none
expect message none
expect message "三つ目"
)");
    EXPECT_EQ(r.Passed, 5);
    EXPECT_EQ(r.Failed, 3);
    const std::vector<std::string> want = {
        U8(u8"t.txt:7: expect message \"二つ\": got \"保存できませんでした。\" (first difference at byte 0; 22 bytes, expected 4)"),
        U8(u8"t.txt:8: expect message none: got \"二つ目\""),
        U8(u8"t.txt:10: expect message \"三つ目\": got none"),
        "5 passed, 3 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
}

// Files in the three forms, read back apart from the runner; the runner's
// file expectations on the same bytes.
TEST_F(ScenarioRunnerTest, PreloadsFilesInThreeForms) {
    dir = session.Folder() + "src";
    std::filesystem::create_directory(dir);
    std::ofstream(dir + "/record.bin", std::ios::binary) << std::string("\x00\x0A\x82\xA0", 4);
    const auto r = Run(u8R"(file Data\a.bin hex 00 41 ff 0A
file Data/b.txt text "見積表\n\"x\"\\ ～"
file Data\sub\c.bin copy record.bin
file 顧客.txt text "顧客"
expect file Data\a.bin size 4
expect file Data/a.bin at 1 hex 41FF
expect file Data\b.txt at 0 "見積表\n\"x\"\\ ～"
expect file Data\sub\c.bin at 2 hex 82 A0
expect file Data\sub\c.bin at 2 "あ"
expect file 顧客.txt size 4
expect nofile Data\d.bin
expect file Data\a.bin at 3 hex 0A 0A
expect file Data\a.bin at 0 hex 00 42
expect nofile Data\a.bin
expect file Data\d.bin size 0
file Data\e.bin text "가"
file Data\e.bin hex 4
file Data\e.bin copy nothing.bin
file Data\e.bin hex -1
)");
    EXPECT_EQ(session.ReadFile("Data\\a.bin"), std::string("\x00\x41\xFF\x0A", 4));
    EXPECT_EQ(session.ReadFile("Data\\b.txt"), "見積表\n\"x\"\\ ～");
    EXPECT_EQ(session.ReadFile("Data/sub/c.bin"), std::string("\x00\x0A\x82\xA0", 4));
    EXPECT_EQ(session.ReadFile("顧客.txt"), "顧客");
    EXPECT_TRUE(std::filesystem::exists(session.Folder() + U8(u8"顧客.txt")));
    EXPECT_EQ(r.Passed, 7);
    const std::vector<std::string> want = {
        "t.txt:12: expect file Data\\a.bin at 3 hex 0A 0A: the file holds only 4 bytes",
        "t.txt:13: expect file Data\\a.bin at 0 hex 00 42: got hex 00 41",
        "t.txt:14: expect nofile Data\\a.bin: the file exists (4 bytes)",
        "t.txt:15: expect file Data\\d.bin size 0: the file does not exist",
        U8(u8"t.txt:16: file Data\\e.bin text \"가\": TEXT holds a character CP932 cannot hold (usage: file PATH "
           u8"hex HEX... | file PATH text \"...\" | file PATH copy SOURCE)"),
        "t.txt:17: file Data\\e.bin hex 4: HEX needs whole bytes (two digits each) (usage: file PATH hex HEX... | "
        "file PATH text \"...\" | file PATH copy SOURCE)",
        "t.txt:18: file Data\\e.bin copy nothing.bin: cannot read " + dir + "/nothing.bin",
        "t.txt:19: file Data\\e.bin hex -1: not a hex byte: -1 (usage: file PATH hex HEX... | "
        "file PATH text \"...\" | file PATH copy SOURCE)",
        "7 passed, 8 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
    EXPECT_FALSE(session.FileExists("Data\\e.bin"));
}

// An absolute path is the disk's own name, UTF-8 as written, also where
// CP932 has no spelling for it (a backup folder outside the program folder).
TEST_F(ScenarioRunnerTest, FileExpectationsTakeAbsolutePathsAsTheDiskSpellsThem) {
    const std::string outside = session.Folder() + U8(u8"USB Bäckup");
    std::filesystem::create_directory(outside);
    std::ofstream(outside + U8(u8"/見積顧客.CSV"), std::ios::binary) << "ID,x\n";
    // A path with a blank stands in double quotes.
    const std::string q = "\"" + outside;
    const std::string script = "expect file " + q + U8(u8"/見積顧客.CSV\" size 5\n") +
                               "expect file " + q + U8(u8"/見積顧客.CSV\" at 3 \"x\\n\"\n") +
                               "expect nofile " + q + "/Kokyaku.625\"\n" +
                               "expect nofile " + q + U8(u8"/見積顧客.CSV\"\n");
    const auto r = Run(std::u8string_view(reinterpret_cast<const char8_t*>(script.data()), script.size()));
    EXPECT_EQ(r.Passed, 3);
    EXPECT_EQ(Lines(out.str()).front(),
              "t.txt:4: expect nofile " + q + U8(u8"/見積顧客.CSV\": the file exists (5 bytes)"));
}

// read fail plans one failed read, counted from the command on.
TEST_F(ScenarioRunnerTest, ReadFailMakesTheNthReadFail) {
    std::string reads;  // one letter per read of the click: r read, f failed
    label->OnClick = [&reads](TControl*) {
        for (int i = 0; i < 3; ++i) {
            const int fd = File_OpenRead("Data\\r.bin");
            char c;
            reads += fd >= 0 && File_Read(fd, &c, 1) == 1 ? 'r' : 'f';
            File_Close(fd);
        }
    };
    const auto r = Run(u8R"(file Data\r.bin text "x"
read fail 2
click Label_Test
read fail
click Label_Test
read fail 3
disk ok
click Label_Test
read fail 0
)");
    EXPECT_EQ(reads, "rfrfrrrrr");
    EXPECT_EQ(Lines(out.str()),
              (std::vector<std::string>{"t.txt:9: read fail 0: NTH counts from 1 (usage: read fail [NTH])",
                                        "0 passed, 1 failed"}));
    EXPECT_EQ(r.Failed, 1);
}

// The volumes a backup can go to are the session's own: the program folder
// for the root, its "home", and the sticks a script mounts at "media/NAME";
// unmount pulls one out (what it holds set aside, the empty mount point
// left), mount brings it back as it was. Sessions ending in either order
// leave the volumes to the session still there.
TEST_F(ScenarioRunnerTest, VolumesAreTheSessionsOwn) {
    const auto roots = [] {
        std::vector<std::string> r;
        for (const TVolume& v : Volumes_List()) r.push_back(v.RootPath);
        return r;
    };
    const std::string root = Volume_WithoutSlash(session.Folder());
    const std::string stick = session.RemovableBase() + "/STICK";
    const std::vector<std::string> own{root, session.Home()};
    EXPECT_EQ(roots(), own);
    EXPECT_EQ(Run(u8R"(mount STICK
file media/STICK/Backup/Jisya.625 text "x"
)").Failed, 0);
    EXPECT_EQ(roots(), (std::vector<std::string>{root, session.Home(), stick}));
    EXPECT_EQ(Run(u8R"(unmount STICK
expect nofile media/STICK/Backup
)").Failed, 0);
    EXPECT_EQ(roots(), own);
    EXPECT_TRUE(std::filesystem::is_empty(stick));
    const auto r = Run(u8R"(mount STICK
expect file media/STICK/Backup/Jisya.625 size 1
unmount CARD
mount ../x
)");
    EXPECT_EQ(r.Passed, 1);
    EXPECT_EQ(Lines(out.str()),
              (std::vector<std::string>{"t.txt:3: unmount CARD: CARD is not mounted",
                                        "t.txt:4: mount ../x: NAME is one folder's name (usage: mount NAME)",
                                        "1 passed, 2 failed"}));

    for (const bool firstEndsFirst : {true, false}) {
        SCOPED_TRACE(firstEndsFirst);
        auto first = std::make_unique<THeadlessSession>();
        auto second = std::make_unique<THeadlessSession>();
        const std::string firstRoot = Volume_WithoutSlash(first->Folder());
        const std::string secondRoot = Volume_WithoutSlash(second->Folder());
        EXPECT_EQ(roots().front(), secondRoot);
        (firstEndsFirst ? first : second).reset();
        EXPECT_EQ(roots().front(), firstEndsFirst ? secondRoot : firstRoot);
        first.reset();
        second.reset();
        EXPECT_EQ(roots(), (std::vector<std::string>{root, session.Home(), stick}));
    }
}

// A print of the test's own, made by a click: "見積" at (100, 200) on page 1
// moved by the physical offsets as the program's prints place text, and the
// yen mark at (100, 200) on page 2.
void AddPrintLabel(THeadlessSession& session) {
    TLabel* label = session.Form()->Create<TLabel>("Label_Print");
    label->SetBounds(0, 0, 50, 20);
    label->OnClick = [](TControl*) {
        TPrinter& printer = Printer();
        printer.SetA4(TPrinterOrientation::poPortrait);
        const TPrinterCaps caps = printer.DeviceCaps();
        if (!printer.BeginDoc()) return;
        printer.Canvas().TextOut(100 + caps.PhysicalOffsetX, 200 + caps.PhysicalOffsetY, "見積");
        printer.NewPage();
        printer.Canvas().TextOut(100, 200, "\\1,000-");
        printer.EndDoc();
    };
}

TEST(ScenarioRunnerPrinting, ExpectationsLookAtTheLastJob) {
    THeadlessSession session;
    std::ostringstream out;
    ASSERT_EQ(Scenario_Run(U8(u8"printer offsets 30 40\nstart\nexpect printed nothing\n"), "p.txt", "", session, out)
                  .Failed,
              0);
    AddPrintLabel(session);
    out.str("");
    const auto r = Scenario_Run(U8(u8R"(expect printed pages 1
click Label_Print
expect printed pages 2
expect printed page 1 text "見積" at 130 240
expect printed page 2 text "\\1,000-" at 100 200
expect printed nothing
expect printed pages 3
expect printed page 1 text "見積" at 100 200
expect printed page 1 text "見積書" at 130 240
expect printed page 1 text "御見積" at 0 0
expect printed page 3 text "見積" at 130 240
expect printed page 0 text "見積" at 130 240
expect printed sheets 2
printer fail
)"),
                                "p.txt", "", session, out);
    const std::vector<std::string> want = {
        "p.txt:1: expect printed pages 1: got nothing printed",
        "p.txt:6: expect printed nothing: got 1 print job(s), the last with 2 page(s)",
        "p.txt:7: expect printed pages 3: got 2",
        U8(u8"p.txt:8: expect printed page 1 text \"見積\" at 100 200: the text stands at 130 240"),
        U8(u8"p.txt:9: expect printed page 1 text \"見積書\" at 130 240: got \"見積\" there"),
        U8(u8"p.txt:10: expect printed page 1 text \"御見積\" at 0 0: no such text on the page (it holds 1 text-outs)"),
        U8(u8"p.txt:11: expect printed page 3 text \"見積\" at 130 240: the last job has 2 page(s)"),
        U8(u8"p.txt:12: expect printed page 0 text \"見積\" at 130 240: pages count from 1 (usage: expect printed nothing | "
           u8"expect printed pages N | expect printed page P text \"...\" at X Y)"),
        "p.txt:13: expect printed sheets 2: expected nothing, pages or page (usage: expect printed nothing | "
        "expect printed pages N | expect printed page P text \"...\" at X Y)",
        "p.txt:14: printer fail: must come before start",
        "3 passed, 10 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
    EXPECT_EQ(r.Failed, 10);
}

// `printer fail` makes only the next job fail to start.
TEST(ScenarioRunnerPrinting, FailedStartPrintsNothing) {
    THeadlessSession session;
    std::ostringstream out;
    ASSERT_EQ(Scenario_Run("printer fail\nstart\n", "f.txt", "", session, out).Failed, 0);
    AddPrintLabel(session);
    out.str("");
    const auto r = Scenario_Run(U8(u8R"(click Label_Print
expect printed nothing
click Label_Print
expect printed pages 2
expect printed page 1 text "見積" at 100 200
)"),
                                "f.txt", "", session, out);
    EXPECT_EQ(r.Failed, 0) << out.str();
    EXPECT_EQ(r.Passed, 3);
}

// A script on its own session: set-up, start, and what needs the window
// before it.
TEST(ScenarioRunner, ScriptRunsTheProgramInItsOwnFolder) {
    std::ostringstream out;
    const auto r = Scenario_Run(U8(u8R"(expect focus none
today 2025-04-30 23:59:59
file Data\Note.txt text "x"
expect file Data\Note.txt size 1
start
expect text Label_Date "2025/04/30 23:59:59"
expect focus Edit_DenpKokyakuName_1
today 2025-13-01 00:00:00
)"),
                                "s.txt", "", out);
    const std::vector<std::string> want = {
        "s.txt:1: expect focus none: no window: start has not run",
        "s.txt:8: today 2025-13-01 00:00:00: not a date: 2025-13-01 (usage: today YYYY-MM-DD HH:MM:SS)",
        "3 passed, 2 failed",
    };
    EXPECT_EQ(Lines(out.str()), want);
    EXPECT_EQ(r.Failed, 2);

    out.str("");
    Scenario_Run("nodata\nexpect nofile Data\n", "n.txt", "", out);
    EXPECT_EQ(Lines(out.str()), (std::vector<std::string>{"n.txt: the script never runs start", "1 passed, 1 failed"}));
}

// A script on its own that checks nothing fails, however much it runs: an
// expect line counts only where its blocks keep it, and counts whether it
// holds or not.
TEST(ScenarioRunner, AScriptThatExpectsNothingFails) {
    const std::string nothing = "e.txt: the script expects nothing (no expect line once its blocks are unrolled)";
    struct TCase {
        const char* Script;
        std::vector<std::string> Out;
    };
    const TCase cases[] = {
        {"start\nkey Return\n", {nothing, "0 passed, 1 failed"}},
        {"let n = 0\nstart\nif n > 0\nexpect focus none\nend\n", {nothing, "0 passed, 1 failed"}},
        {"let n = 1\nstart\nif n > 0\nexpect focus Edit_DenpKokyakuName_1\nend\n", {"1 passed, 0 failed"}},
        {"expect focus none\nstart\n", {"e.txt:1: expect focus none: no window: start has not run", "0 passed, 1 failed"}},
    };
    for (const TCase& c : cases) {
        std::ostringstream out;
        const auto r = Scenario_Run(c.Script, "e.txt", "", out);
        EXPECT_EQ(Lines(out.str()), c.Out) << c.Script;
        EXPECT_EQ(r.Failed, static_cast<int>(c.Out.size()) - 1) << c.Script;
    }
}

// A copied file of hundreds of megabytes needs only a small, fixed amount of
// memory: the runner, in a child process whose address space may grow by
// far less than the file, copies a sparse source whole. (The size is checked
// outside the script: `expect file` reads the whole file.)
TEST(ScenarioRunner, CopiesAFileFarLargerThanItsMemoryInBlocks) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit under an address-space limit";
#endif
    constexpr std::int64_t Size = std::int64_t{256} << 20, Headroom = std::int64_t{64} << 20;
    std::string dir = (std::filesystem::temp_directory_path() / "syori-copy-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    { std::ofstream(dir + "/big.bin", std::ios::binary); }
    std::filesystem::resize_file(dir + "/big.bin", static_cast<std::uintmax_t>(Size));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + Headroom);
        const rlimit as{limit, limit};
        if (setrlimit(RLIMIT_AS, &as) != 0) _exit(2);
        THeadlessSession session;
        if (!session.Start()) _exit(3);
        std::ostringstream out;
        const auto r = Scenario_Run("file Data\\Big.bin copy big.bin\n", "c.txt", dir + "/", session, out);
        std::error_code ec;
        const auto copied = std::filesystem::file_size(session.HostPath("Data\\Big.bin"), ec);
        const bool whole = r.Failed == 0 && !ec && copied == static_cast<std::uintmax_t>(Size);
        std::filesystem::remove_all(session.Folder(), ec);  // _exit skips the session's own clean-up
        _exit(whole ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// Many sessions in one process: each starts as if the program were new,
// whatever the one before it loaded; the window and the folder go with it.
TEST(HeadlessSession, EachSessionStartsAfresh) {
    struct TStored {
        const char* File;
        int RecLen;
        const char* CountLabel;
    };
    const TStored stored[] = {
        {"Data\\Denpyou.620", 23000, "Label_DenpyouDs"},
        {"Data\\Kokyaku.620", 2000, "Label_KokyakuDs"},
        {"Data\\Syouhin.620", 300, "Label_SyouhinDs"},
    };
    std::string folder;
    {
        THeadlessSession first;
        folder = first.Folder();
        std::string jisya(999, ' ');
        jisya += '\n';
        jisya.replace(231, 10, "        41");
        ASSERT_TRUE(first.WriteFile("Data\\Jisya.620", jisya));
        for (const auto& f : stored) {
            std::string record(f.RecLen - 1, ' ');
            record.replace(0, 4, "\x82\xA0\x82\xA2");  // a name, so that no record reads as free
            record += '\n';
            ASSERT_TRUE(first.WriteFile(f.File, record + record));
        }
        ASSERT_TRUE(first.Start());
        EXPECT_EQ(Form_Syori_01, first.Form());
        EXPECT_EQ(first.TextOf("Edit_DenpNo"), "        42");
        EXPECT_EQ(first.TextOf("Label_DenpyouRec"), "3");
        for (const auto& f : stored) EXPECT_EQ(first.TextOf(f.CountLabel), "2") << f.File;
    }
    EXPECT_EQ(Form_Syori_01, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder));

    THeadlessSession second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.TextOf("Edit_DenpNo"), "         1");
    EXPECT_EQ(second.TextOf("Label_DenpyouRec"), "1");
    for (const auto& f : stored) EXPECT_EQ(second.TextOf(f.CountLabel), "0") << f.File;
    EXPECT_EQ(second.FocusedName(), "Edit_DenpKokyakuName_1");
    EXPECT_FALSE(second.Start());  // once only
}

}  // namespace
