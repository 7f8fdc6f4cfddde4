// The list screen's inputs and the bar's keys on it. The screen's paths
// (search, paging, opening, printing, dates) are in the list_* scenarios.
#include "app/Exit.h"
#include "document/Document.h"
#include "print/list/DenpyouListInput.h"
#include "tests/print/ListFixture.h"
#include "ui/Focus.h"

namespace {

// Every input of the list takes its code, also while a chooser or the exit
// question holds the lock: the list's inputs never look at it.
TEST_F(ListTest, InputsTakeTheirCodesWhateverTheLock) {
    Start({TListDocSpec{}});
    ASSERT_TRUE(Session.Click("Label_Job_02"));
    Popup_LockTake(Lock_ExitChoose);
    for (int i = ListInput_Count - 1; i >= 0; --i) {
        SCOPED_TRACE(DenpyouList_InputEdit[i]);
        Session.Control(DenpyouList_InputEdit[i])->SetFocus();
        EXPECT_EQ(Session.FocusedName(), DenpyouList_InputEdit[i]);
        EXPECT_EQ(Focus_Code, 8400 + 10 * i);
    }
    Popup_LockRelease(Lock_ExitChoose);
}

// On the list the bar's F1 ... F9 change nothing but the breakdown title
// that F9 resets.
TEST_F(ListTest, BarKeysOnTheListOnlyResetTheBreakdownTitle) {
    Start({TListDocSpec{}, TListDocSpec{}});
    ASSERT_TRUE(Session.Click("Label_Job_02"));
    const std::string editor = EditorDocument();
    const int current = Denpyou_CurRec;
    const auto file = Session.ReadFile("Data\\Denpyou.620");
    Utiwake_Kind = 2;
    for (int key = 1; key <= 9; ++key) ASSERT_TRUE(Session.Click("Label_Command_01_F" + std::to_string(key)));
    EXPECT_EQ(Utiwake_Kind, 0);
    EXPECT_EQ(EditorDocument(), editor);
    EXPECT_EQ(Denpyou_CurRec, current);
    EXPECT_EQ(Session.ReadFile("Data\\Denpyou.620"), file);
    EXPECT_TRUE(Session.Control("Panel_DenpyouList")->Visible());
    EXPECT_EQ(HitList(), (std::vector<int>{1, 2}));
}

}  // namespace
