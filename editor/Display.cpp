#include "editor/Display.h"

#include <cstring>
#include <string>

#include "document/Calc.h"
#include "document/DenpyouNumber.h"
#include "editor/DenpSpecialLine.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Number.h"
#include "store/Str.h"
#include "store/Today.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Ui.h"

namespace {

void SetEdit(const char* name, const char* text) {
    if (TEdit* e = Ui_Edit(name)) e->SetText(text);
}

// Header edits and the document fields they show.
struct THeaderText {
    const char* Edit;
    DenpyouField Field;
};
constexpr THeaderText Header_Texts[] = {
    {"Edit_DenpNo", DenpyouField_No},
    {"Edit_DenpKokyakuName_1", DenpyouField_KokyakuName_1},
    {"Edit_DenpKokyakuName_2", DenpyouField_KokyakuName_2},
    {"Edit_DenpKoujiName_1", DenpyouField_KoujiName_1},
    {"Edit_DenpKoujiName_2", DenpyouField_KoujiName_2},
    {"Edit_DenpPlace", DenpyouField_Place},
    {"Edit_DenpBikou", DenpyouField_Bikou},
};

const char* const Kind_Buttons[] = {"RadioButton_Mitumori", "RadioButton_Seikyuu", "RadioButton_Utiwake",
                                     "RadioButton_Irai"};

bool IsNewDocument() { return Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count; }

void SetCaption(const char* label, const std::string& text) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(text);
}

// Row r (0 ... 19) shows line Denpyou_TopLine + r.
void ShowRow(int r) {
    const int line = Denpyou_TopLine + r;
    char* const* f = &Denpyou_LineField[Denpyou_LineFieldCount * line];
    const int row = r + 1;
    auto name = [row](TGridColumnNo column) { return Ui_RowName(Grid_Column(column).Prefix, row); };

    // Line numbers coloured by printed page: 22 lines on the first page,
    // 28 on each later one; even pages magenta.
    if (TLabel* l = Ui_Label(name(GridColumn_Line).c_str())) {
        l->SetCaption(Num_FormatInt(line + 1, 3));
        const bool even = line >= 22 && ((line - 22) / 28 + 2) % 2 == 0;
        l->Font.Color = even ? clFuchsia : clBlack;
    }
    // The edits show their fields as stored, but for the actual price.
    for (const TGridColumn& col : Grid_Columns)
        if (col.Kind == TControlKind::Edit && col.No != GridColumn_Jitubai)
            SetEdit(Ui_RowName(col.Prefix, row).c_str(), f[col.Field]);

    const int blank = Grid_Column(GridColumn_Jitubai).Width;  // a price not shown
    const double reference =
        Denpyou_SankouTanka(Num_ReadReal(f[LineField_Tanka]), Num_ReadReal(f[LineField_TankaRitu]),
                            Num_ReadReal(f[LineField_Siire]), Num_ReadReal(f[LineField_SiireRitu]), Round_Mode);
    // One decimal, or the whole number where that does not fit, so that
    // the actual price passed through its cell is stored unchanged.
    if (TLabel* l = Ui_Label(name(GridColumn_SankouTanka).c_str()))
        l->SetCaption(reference != 0 ? Denpyou_PriceText(reference, 1, false) : std::string(blank, ' '));
    const char* stored = f[Grid_Column(GridColumn_Jitubai).Field];
    const double actual = Num_ReadReal(stored);
    if (TEdit* e = Ui_Edit(name(GridColumn_Jitubai).c_str())) {
        e->Font.Color = reference != actual ? clBlue : clBlack;
        e->SetText(actual != 0 ? Denpyou_PriceText(actual, 1, false, stored) : std::string(blank, ' '));
    }
    if (TLabel* l = Ui_Label(name(GridColumn_Syoukei).c_str()))
        l->SetCaption(f[Grid_Column(GridColumn_Syoukei).Field]);
}

}  // namespace

void Denpyou_EraText(int year, int month, char out[3]) {
    if (year == 0) {
        out[0] = '\0';
        return;
    }
    Num_WriteInt(out, 2, Wareki_Year(year, month));
}

void Denpyou_ShowHeader() {
    for (const auto& h : Header_Texts) SetEdit(h.Edit, Denpyou_Field[h.Field]);

    if (Denpyou_Field[DenpyouField_Keisyou][0] == ' ') Str_Pad("様", Denpyou_Field[DenpyouField_Keisyou], 6, 0);
    if (TLabel* l = Ui_Label("Label_DenpKeisyou")) l->SetCaption(Denpyou_Field[DenpyouField_Keisyou]);

    // Creation date: a document without a year shows today and takes today's
    // month and day; its year is completed when it is stored.
    char era[3];
    const int makeYear = Num_ReadInt(Denpyou_Field[DenpyouField_MakeYear]);
    if (makeYear != 0) {
        Denpyou_EraText(makeYear, Num_ReadInt(Denpyou_Field[DenpyouField_MakeMonth]), era);
    } else {
        std::memcpy(era, Today_WarekiText, 3);
        Num_WriteInt(Denpyou_Field[DenpyouField_MakeMonth], 2, Today_Month);
        Num_WriteInt(Denpyou_Field[DenpyouField_MakeDay], 2, Today_Day);
    }
    SetEdit("Edit_DenpMakeYear", era);
    SetEdit("Edit_DenpMakeMonth", Denpyou_Field[DenpyouField_MakeMonth]);
    SetEdit("Edit_DenpMakeDay", Denpyou_Field[DenpyouField_MakeDay]);

    // Validity date: a document without one shows empty edits, not the
    // previous document's date.
    const int youkouYear = Num_ReadInt(Denpyou_Field[DenpyouField_YoukouYear]);
    if (youkouYear != 0) {
        Denpyou_EraText(youkouYear, Num_ReadInt(Denpyou_Field[DenpyouField_YoukouMonth]), era);
        SetEdit("Edit_DenpYoukouYear", era);
        SetEdit("Edit_DenpYoukouMonth", Denpyou_Field[DenpyouField_YoukouMonth]);
        SetEdit("Edit_DenpYoukouDay", Denpyou_Field[DenpyouField_YoukouDay]);
    } else {
        SetEdit("Edit_DenpYoukouYear", "");
        SetEdit("Edit_DenpYoukouMonth", "");
        SetEdit("Edit_DenpYoukouDay", "");
    }

    if (TLabel* l = Ui_Label("Label_SeikyuuGoukei")) l->SetCaption(Denpyou_Field[DenpyouField_Goukei]);

    // Kind buttons: disabled for a deleted document, else the kind selected
    // (its click handler runs as a user's click would).
    TRadioButton* mitumori = Ui_RadioButton(Kind_Buttons[0]);
    if (!mitumori) return;
    const char kind = Denpyou_Field[DenpyouField_Kind][0];
    if (kind == DenpyouKind_Deleted) {
        if (mitumori->Enabled())
            for (const char* name : Kind_Buttons) Ui_RadioButton(name)->SetEnabled(false);
        return;
    }
    if (!mitumori->Enabled())
        for (const char* name : Kind_Buttons) Ui_RadioButton(name)->SetEnabled(true);
    const int index = kind == DenpyouKind_Seikyuu ? 1 : kind == DenpyouKind_Utiwake ? 2 : kind == DenpyouKind_Irai ? 3 : 0;
    Ui_RadioButton(Kind_Buttons[index])->SetChecked(true);
}

void Denpyou_ShowLines() {
    // Every row must show a line of the document.
    if (Denpyou_TopLine < 0 || Denpyou_TopLine > Denpyou_TopLineMax) return;
    Round_SetFromJisya();
    for (int r = 0; r < Denpyou_GridRows; ++r) ShowRow(r);
}

void Denpyou_ShowRow(int r) {
    if (r < 0 || r >= Denpyou_GridRows || Denpyou_TopLine < 0 || Denpyou_TopLine > Denpyou_TopLineMax) return;
    Round_SetFromJisya();
    ShowRow(r);
}

void Denpyou_ShowKind() {
    TShape* frame = Ui_Shape("Shape_DenpyouKind");
    TLabel* caption = Ui_Label("Label_DenpyouKind");
    if (!frame || !caption) return;
    struct TLook {
        int Width;
        TColor Color;
        const char* Text;
    };
    TLook look{2, clBlue, "伝票の追加"};
    if (!IsNewDocument()) {
        const bool deleted = Denpyou_Field[DenpyouField_Kind][0] == DenpyouKind_Deleted;
        look = deleted ? TLook{2, clRed, "削除された伝票"} : TLook{1, clFuchsia, "伝票の修正"};
        Command_SetCaption(2, deleted ? "F2 伝票復活" : "F2 伝票削除");
    }
    frame->Pen.Width = look.Width;
    frame->Pen.Color = look.Color;
    caption->Font.Color = look.Color;
    caption->SetCaption(look.Text);
}

void Denpyou_ShowCaptions() {
    SetCaption("Label_DenpKoujiName", Jisya_Field[JisyaField_Naiyou]);
    SetCaption("Label_DenpPlace", Jisya_Field[JisyaField_Basyo]);
    DenpSpecialLine_ShowCaptions();
}

int Denpyou_KindShown() {
    for (int k = 0; k < 4; ++k)
        if (const TRadioButton* r = Ui_RadioButton(Kind_Buttons[k]); r && r->Checked()) return k;
    return -1;
}

std::string Denpyou_KeisyouShown() {
    const TLabel* l = Ui_Label("Label_DenpKeisyou");
    return l ? l->Caption : std::string(Denpyou_Field[DenpyouField_Keisyou]);
}

void Denpyou_LastNoChanged() {
    if (!IsNewDocument()) return;
    Denpyou_PutNextNo();
    SetEdit("Edit_DenpNo", Denpyou_Field[DenpyouField_No]);
}
