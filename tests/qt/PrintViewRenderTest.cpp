// The print preview rendered offscreen: every text label it shows draws its
// glyphs inside its own bounds and nowhere else.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "QtTestApp.h"
#include "RenderDiff.h"
#include "editor/Display.h"
#include "platform/Cp932.h"
#include "platform/qt/Screenshot.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Str.h"
#include "tools/Headless.h"

namespace {

void SetField(int k, const char* utf8, bool right = false) {
    Str_Pad(Cp932_FromUtf8(utf8).c_str(), Denpyou_Field[k], Denpyou_FieldWidth[k], right ? 1 : 0);
}
void SetOwn(int k, const char* utf8) { Str_Pad(Cp932_FromUtf8(utf8).c_str(), Jisya_Field[k], Jisya_FieldWidth[k], 0); }

bool InPreview(const TControl* c) {
    for (; c; c = c->Parent())
        if (c->Name() == "Panel_PrintView") return true;
    return false;
}

// A label of the preview that shows some text.
bool ShowsText(const TControl* c) {
    return c->Kind() == TControlKind::Label && InPreview(c) && c->Showing() &&
           c->Caption.find_first_not_of(' ') != std::string::npos;
}

TEST(PrintViewRender, EveryTextLabelDrawsInsideItsBounds) {
    TestApp();
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    SetField(DenpyouField_KokyakuName_1, "山田電気株式会社");
    SetField(DenpyouField_KokyakuName_2, "工務部");
    SetField(DenpyouField_KoujiName_1, "本社ビル");
    SetField(DenpyouField_KoujiName_2, "照明改修工事");
    SetField(DenpyouField_Place, "札幌市中央区");
    SetField(DenpyouField_YoukouYear, "2025");
    SetField(DenpyouField_YoukouMonth, "5", true);
    SetField(DenpyouField_YoukouDay, "31", true);
    SetField(DenpyouField_Goukei, "1234500", true);
    SetField(DenpyouField_Line(0, LineField_Syousai), "ケーブル VVF2.0");
    SetField(DenpyouField_Line(0, LineField_Suuryou), "100", true);
    SetField(DenpyouField_Line(0, LineField_Tanni), "m");
    SetField(DenpyouField_Line(0, LineField_JitubaiTanka), "12345", true);
    SetField(DenpyouField_Line(0, LineField_Kingaku), "1234500", true);
    SetOwn(JisyaField_PR, "電気工事一式");
    SetOwn(JisyaField_Name, "北電設株式会社");
    SetOwn(JisyaField_Yakusyoku, "代表取締役");
    SetOwn(JisyaField_Daihyousya, "北  一郎");
    SetOwn(JisyaField_Adr_2, "札幌市北区");
    SetOwn(JisyaField_Adr_3, "北7条西5丁目");
    SetOwn(JisyaField_Tel, "011-111-2222");
    SetOwn(JisyaField_BikouPrint, "1");  // the creation date as the footer
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
    ASSERT_TRUE(session.Key(vk::F3));

    TForm& form = *session.Form();
    const QImage shown = Qt_RenderForm(form);
    if (const char* out = std::getenv("SYORI_SCREENSHOT")) shown.save(out);
    std::set<std::string> checked;
    for (TControl* c : form.AllControls()) {
        if (!ShowsText(c)) continue;
        Render_ExpectCaptionInside(form, shown, c);
        checked.insert(c->Name());
    }
    for (const char* name :
         {"Label_PrintViewTitle", "Label_Panel_PrintView_Kokyaku_2", "Label_Panel_PrintView_Seikyuugaku",
          "Label_Panel_PrintView_JisyaYakusyoku", "Label_Panel_PrintView_Tel", "Label_Panel_PrintView_MakeWareki",
          "Label_PrintVier_YuukouWareki", "Label_Panel_PrintView_Meisai_Page_12",
          "Label_Panel_PrintView_Meisai_Syoukei_01", "Label184", "Label_PanelPrintView_F1",
          "Label_PrintView_PrintWareki"})
        EXPECT_EQ(checked.count(name), 1u) << name;
}

}  // namespace
