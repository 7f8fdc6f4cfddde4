// The list's fields of every document, kept in memory from the first search:
// the editor's writes keep them current, so a search after them reads no
// file and finds what a fresh reading would; a write they did not follow
// makes the next search read the file again.
#include <fcntl.h>
#include <sys/stat.h>

#include <functional>

#include "platform/FileFault.h"
#include "print/list/DenpyouListCommands.h"
#include "store/DenpyouListFields.h"
#include "store/Record.h"
#include "tests/print/ListFixture.h"

namespace {

using Hits = std::vector<int>;

std::int64_t Reads() { return FileFault_Count(TFileOp::Read); }

TEST_F(ListTest, KeptFieldsFollowTheEditorsStoresDeletionsAndAppends) {
    Start(std::vector<TListDocSpec>(3));
    ByDate(false);
    EXPECT_EQ(Search(), (Hits{1, 2, 3}));
    // A new document stored after the others.
    Session.Click("Edit_DenpKokyakuName_1");
    Session.Type("佐藤建設");
    Session.Key(vk::Return);
    Session.Key(vk::F1);
    ASSERT_EQ(Denpyou_Count, 4);
    // Record 2 opened from the list, its customer changed and stored in place.
    Session.Click("Label_Job_02");
    Session.Click("Label_Denpyou_SubList_No_02");
    ASSERT_EQ(Session.TextOf("Label_DenpyouRec"), "2");
    Session.Type("鈴木工業");
    Session.Key(vk::Return);
    Session.Key(vk::F1);
    // Record 1 opened and marked deleted.
    Session.Click("Label_Job_02");
    Session.Click("Label_Denpyou_SubList_No_01");
    ASSERT_EQ(Session.TextOf("Label_DenpyouRec"), "1");
    Session.Key(vk::F2);
    ASSERT_EQ(Session.ReadFileAt("Data\\Denpyou.620", 0, 1), "0");

    struct {
        const char* Customer;
        Hits Found;
    } searches[] = {{"全顧客", {2, 3, 4}}, {"鈴木工業", {2}}, {"佐藤建設", {4}}, {"山田電気", {3}}};
    for (const auto& s : searches) {
        SCOPED_TRACE(s.Customer);
        Customer(s.Customer);
        const std::int64_t before = Reads();
        EXPECT_EQ(Search(), s.Found);
        EXPECT_EQ(Reads(), before);  // from memory
        // A fresh reading of the file finds the same.
        DenpyouListFields_Forget();
        EXPECT_EQ(Search(), s.Found);
        EXPECT_GT(Reads(), before);
    }
    // The page shows what the file holds.
    Customer("鈴木工業");
    Search();
    DenpyouList_ShowResult();
    EXPECT_EQ(Text("Label_Denpyou_List_No_01"), "         2");
}

TEST_F(ListTest, AWriteTheKeptFieldsDidNotFollowMakesTheNextSearchReadTheFile) {
    const std::string three = ListDocRecord({}, 1) + ListDocRecord({}, 2) + ListDocRecord({}, 3);
    std::string firstDeleted = three;
    firstDeleted[0] = DenpyouKind_Deleted;
    const auto path = Session.HostPath("Data\\Denpyou.620");
    struct {
        const char* What;
        std::function<void()> Write;
        Hits Found;
    } cases[] = {
        {"a write through the file's tables",
         [] { ASSERT_TRUE(Record_WriteField(Denpyou_File, 1, DenpyouField_Kind, "0")); }, {2, 3}},
        {"from outside, another size",
         [&] { ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", three.substr(0, 2 * Denpyou_RecLen))); }, {1, 2}},
        {"from outside, the same size and file, another time",
         [&] {
             ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", firstDeleted));
             const timespec times[2] = {{946684800, 0}, {946684800, 0}};
             ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         },
         {2, 3}},
    };
    Start(std::vector<TListDocSpec>(3));
    ByDate(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", three));
        EXPECT_EQ(Search(), (Hits{1, 2, 3}));
        std::int64_t before = Reads();
        EXPECT_EQ(Search(), (Hits{1, 2, 3}));
        EXPECT_EQ(Reads(), before);  // kept
        c.Write();
        before = Reads();
        EXPECT_EQ(Search(), c.Found);
        EXPECT_GT(Reads(), before);
    }
}

}  // namespace
