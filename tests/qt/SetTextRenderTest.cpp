// Text the program puts into the focused edit shows from its start: a
// special-line button writes its caption and blanks to the 50 bytes of the
// description cell that keeps the focus, wider than the cell, and the
// caption is seen in it at once.
#include <gtest/gtest.h>

#include <string>

#include "QtTestApp.h"
#include "RenderDiff.h"
#include "platform/Cp932.h"
#include "platform/qt/Screenshot.h"
#include "tools/Headless.h"

namespace {

TEST(SetTextRender, TheSpecialLinesCaptionShowsInTheFocusedCell) {
    TestApp();
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Click("Edit_DenpSyousai_01"));
    ASSERT_TRUE(session.Type(Cp932_FromUtf8("ＶＶＦケーブル　２．０ｍｍ　１００ｍ巻")));
    ASSERT_TRUE(session.Key(vk::F8));
    ASSERT_TRUE(session.Click("Label_Denp_SyoukeiLine"));
    auto* cell = session.ControlAs<TEdit>("Edit_DenpSyousai_01");
    ASSERT_EQ(session.Focused(), cell);
    ASSERT_EQ(cell->Text(), Cp932_FromUtf8("小計") + std::string(46, ' '));

    // The cell beside itself holding only the blanks: the caption's glyphs
    // are the difference, inside the cell.
    TForm& form = *session.Form();
    const QImage shown = Qt_RenderForm(form);
    cell->SetText(std::string(50, ' '));
    const TRenderDiff d = Render_Diff(shown, Qt_RenderForm(form), cell);
    EXPECT_GT(d.Inside, 40);
    EXPECT_EQ(d.Outside, 0);
}

}  // namespace
