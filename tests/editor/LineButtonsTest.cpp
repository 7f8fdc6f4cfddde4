// The special-line buttons on the product chooser's top band: their
// captions and places from the own-company record, the line each one
// writes, the passes that follow, and when they do nothing.
#include "tests/editor/EditorFixture.h"

#include "editor/DenpSpecialLine.h"
#include "store/Jisya.h"

namespace {

struct TButton {
    const char* Label;
    const char* Shape;
    const char* Caption;      // on the button with the program's own captions
    char Kind;
    const char* Description;  // the line's, before its blank fill
};
const TButton Buttons[] = {
    {"Label_Denp_SyoukeiLine", "Shape_Denp_SyoukeiLine", "小計", '3', "小計"},
    {"Label_Denp_GoukeiLine", "Shape_Denp_GoukeiLine", "計", '4', "計"},
    {"Label_Denp_KazeiGoukeiiLine", "Shape_Denp_KazeiGoukeiiLine", "課税合計", '6', "課税合計"},
    {"Label_Denp_ZeiLine", "Shape_Denp_ZeiLine", "消費税", '1', "消費税"},
    {"Label_Denp_SouGoukei", "Shape_Denp_SouGoukei", "合計", '6', "合計"},
    {"Label_Denp_CyouseiiLine", "Shape_Denp_CyouseiiLine", "調整(値引）", ' ', "調整(値引）"},
    {"Label_Denp_UserLine_1", "Shape_Denp_UserLine_1", "ユーザー設定１      ", ' ', "ユーザー設定１"},
    {"Label_Denp_UserLine_2", "Shape_Denp_UserLine_2", "ユーザー設定２      ", ' ', "ユーザー設定２"},
};

class LineButtonsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Session.Control("Panel_SyouhinChoose")->Show();
    }
    static void SetJisya(JisyaField field, const char* text) {
        Str_Pad(text, Jisya_Field[field], Jisya_FieldWidth[field], 0);
    }
    // A priced item line at line: amount and tax class as a pick and a
    // quantity would leave them.
    static void SetItem(int line, const char* description, const char* amount) {
        SetKinds(line, " ");
        SetLineField(line, LineField_Syousai, description);
        SetLineField(line, LineField_Tanka, "1000", true);
        SetLineField(line, LineField_Suuryou, "1", true);
        SetLineField(line, LineField_Tanni, "個");
        SetLineField(line, LineField_JitubaiTanka, amount, true);
        SetLineField(line, LineField_Kingaku, amount, true);
        SetLineField(line, LineField_Zei, "外税");
    }
    int Left(const std::string& name) { return Session.Control(name)->Left; }
};

TEST_F(LineButtonsTest, EachButtonInItsSlotWritesItsLineOverAPricedItem) {
    for (size_t i = 0; i < std::size(Buttons); ++i) {
        const TButton& b = Buttons[i];
        SCOPED_TRACE(b.Label);
        EXPECT_EQ(Text(b.Label), b.Caption);
        EXPECT_EQ(Left(b.Label), 106 * static_cast<int>(i) + 6);
        EXPECT_EQ(Left(b.Shape), 106 * static_cast<int>(i) + 2);

        SetItem(2, "三十バイトの商品名ですよ１２３４", "1000");
        ShowFrom(0);
        Click(Syousai(3));
        Click(b.Label);
        EXPECT_EQ(LineField(2, LineField_Kind), std::string(1, b.Kind));
        EXPECT_EQ(LineField(2, LineField_Syousai), Padded(b.Description, 20) + std::string(30, ' '));
        for (int j = LineField_Tanka; j <= LineField_Kingaku; ++j)
            EXPECT_EQ(LineField(2, static_cast<DenpyouLineField>(j)).find_first_not_of(' '), std::string::npos)
                << "field " << j;
        // A special line has no tax class; an item line that was counted in
        // the tax gets its class back from the tax pass.
        EXPECT_EQ(LineField(2, LineField_Zei), b.Kind == ' ' ? "外税" : "    ");
        EXPECT_EQ(Text("Edit_DenpTanka_03"), "         ");
        EXPECT_EQ(Text("Edit_DenpTanni_03"), "      ");
        EXPECT_EQ(Focused(), Syousai(3));  // the focus, the chooser and the cursor stay
        EXPECT_TRUE(Session.Control("Panel_SyouhinChoose")->Visible());
        EXPECT_EQ(Denpyou_CurRow, 2);
        EXPECT_EQ(Field(DenpyouField_Goukei), std::string(10, ' '));  // the item's amount went with it
    }
}

// The passes of the kind fill the line; a line written over that counted in
// the tax brings the tax line and the total with it.
TEST_F(LineButtonsTest, ThePassesFillTheNewLineAndMendTheOthers) {
    SetItem(0, "照明器具", "2000");
    SetItem(1, "配線工事", "1000");
    SetKinds(3, "1");
    SetLineField(3, LineField_Syousai, "消費税");
    SetLineField(3, LineField_Kingaku, "150", true);
    SetItem(4, "", "");
    ShowFrom(0);

    Click(Syousai(3));
    Click("Label_Denp_SyoukeiLine");
    EXPECT_EQ(LineField(2, LineField_Kingaku), "      3000");
    EXPECT_EQ(Text("Label_DenpSyoukei_03"), "      3000");

    Click(Syousai(2));
    Click("Label_Denp_UserLine_1");  // the line of 1000 goes out of the tax
    EXPECT_EQ(LineField(2, LineField_Kingaku), "      2000");
    EXPECT_EQ(LineField(3, LineField_Kingaku), "       100");
    EXPECT_EQ(Field(DenpyouField_Goukei), "      2100");

    Click(Syousai(5));
    Click("Label_Denp_ZeiLine");
    EXPECT_EQ(LineField(4, LineField_Kind), "1");
    EXPECT_EQ(Field(DenpyouField_Goukei), "      2100");  // nothing taxable after the first tax line
    Click(Syousai(6));
    Click("Label_Denp_SouGoukei");
    EXPECT_EQ(LineField(5, LineField_Kingaku), "      2100");
    EXPECT_EQ(Text("Label_DenpSyoukei_06"), "      2100");
}

TEST_F(LineButtonsTest, OneSetForTheTaxAndTheAdjustmentWhenTheOwnCompanySaysSo) {
    const struct {
        const char* ZeiTanni;
        const char* Button;
        const char* Quantity;
        const char* Unit;
    } cases[] = {
        {"1", "Label_Denp_ZeiLine", "     1", "式    "},
        {"1", "Label_Denp_CyouseiiLine", "     1", "式    "},
        {"1", "Label_Denp_SyoukeiLine", "      ", "      "},
        {" ", "Label_Denp_ZeiLine", "      ", "      "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ZeiTanni) + c.Button);
        SetJisya(JisyaField_ZeiTanni, c.ZeiTanni);
        Click(Syousai(1));
        Click(c.Button);
        EXPECT_EQ(LineField(0, LineField_Suuryou), c.Quantity);
        EXPECT_EQ(LineField(0, LineField_Tanni), c.Unit);
        EXPECT_EQ(Text(Suuryou(1)), c.Quantity);
        EXPECT_EQ(Text("Edit_DenpTanni_01"), c.Unit);
    }
}

// The wording screen changes captions and slots; the editor reads them
// again when told.
TEST_F(LineButtonsTest, CaptionsAndSlotsFromTheOwnCompanyRecord) {
    SetJisya(JisyaField_Jun_1, "2");
    SetJisya(static_cast<JisyaField>(JisyaField_Jun_1 + 1), "1");
    SetJisya(static_cast<JisyaField>(JisyaField_Jun_1 + 5), " ");
    SetJisya(JisyaField_SyoukeiCaption, "中計 A");
    SetJisya(JisyaField_UserSentaku_1, "諸経費 一式");
    Denpyou_PlaceSpecialButtons();

    EXPECT_EQ(Left("Label_Denp_GoukeiLine"), 6);
    EXPECT_EQ(Left("Label_Denp_SyoukeiLine"), 112);
    EXPECT_EQ(Left("Shape_Denp_SyoukeiLine"), 108);
    EXPECT_EQ(Left("Label_Denp_CyouseiiLine"), -100);  // out of the band: not to be seen or clicked
    EXPECT_EQ(Left("Shape_Denp_CyouseiiLine"), -104);
    EXPECT_EQ(Text("Label_Denp_SyoukeiLine"), "中計");
    EXPECT_EQ(Text("Label_Denp_UserLine_1"), Padded("諸経費 一式", 20));

    Click(Syousai(1));
    Click("Label_Denp_SyoukeiLine");
    EXPECT_EQ(LineField(0, LineField_Syousai), Padded("中計 A", 50));
}

// A caption that fills its 20 bytes, with or without a blank in it, is the
// line's description whole.
TEST_F(LineButtonsTest, ACaptionThatFillsItsFieldIsTakenWhole) {
    for (const char* caption : {"値引き調整額のまとめ", "値引 調整額のまとめ"}) {
        SetJisya(JisyaField_CyouseiCaption, caption);
        Click(Syousai(1));
        Click("Label_Denp_CyouseiiLine");
        EXPECT_EQ(LineField(0, LineField_Syousai), Padded(caption, 50));
    }
}

TEST_F(LineButtonsTest, NothingUnderTheCategoryChooserOrWithoutACursorRow) {
    SetItem(0, "照明器具", "2000");
    ShowFrom(0);
    Click(Syousai(1));
    Session.Control("Panel_ChooseHinsyu")->Show();
    Denpyou_SpecialLine(SpecialLine_Syoukei);
    EXPECT_EQ(LineField(0, LineField_Kind), " ");
    EXPECT_EQ(LineField(0, LineField_Kingaku), "      2000");
    Session.Control("Panel_ChooseHinsyu")->Hide();

    Denpyou_CurRow = -1;
    Denpyou_SpecialLine(SpecialLine_Syoukei);
    for (int line = 0; line < Denpyou_LineMax; ++line) EXPECT_EQ(LineField(line, LineField_Kind), " ");
}

TEST_F(LineButtonsTest, AButtonTurnsRedWhilePressed) {
    for (const TButton& b : Buttons) {
        Session.Press(b.Label);
        EXPECT_EQ(Session.ControlAs<TShape>(b.Shape)->Brush.Color, clRed) << b.Label;
        EXPECT_EQ(Session.Control(b.Label)->Color, clRed);
        Session.Release(b.Label);
        EXPECT_EQ(Session.ControlAs<TShape>(b.Shape)->Brush.Color, clOlive);
        EXPECT_EQ(Session.Control(b.Label)->Color, clOlive);
    }
}

}  // namespace
