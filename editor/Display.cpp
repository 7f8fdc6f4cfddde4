#include "editor/Display.h"

#include <cstring>
#include <string>

#include "ui/Build.h"
#include "ui/Ui.h"
#include "store/Today.h"
#include "document/Calc.h"
#include "document/Number.h"
#include "editor/Controls.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

void SetEdit(const char* name, const char* text) {
    if (TEdit* e = Ui_Edit(name)) e->SetText(text);
}

// Header edits and the document fields they show.
struct THeaderText {
    const char* Edit;
    int Field;
};
constexpr THeaderText Header_Texts[] = {
    {"Edit_DenpNo", 1},          {"Edit_DenpKokyakuName_1", 2}, {"Edit_DenpKokyakuName_2", 3},
    {"Edit_DenpKoujiName_1", 4}, {"Edit_DenpKoujiName_2", 5},   {"Edit_DenpPlace", 6},
    {"Edit_DenpBikou", 7},
};

const char* const Kind_Buttons[] = {"RadioButton_Mitumori", "RadioButton_Seikyuu", "RadioButton_Utiwake",
                                     "RadioButton_Irai"};

bool IsNewDocument() { return Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count; }

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

    if (Denpyou_Field[2219][0] == ' ') Str_Pad("様", Denpyou_Field[2219], 6, 0);
    if (TLabel* l = Ui_Label("Label_DenpKeisyou")) l->SetCaption(Denpyou_Field[2219]);

    // Creation date: a document without a year shows today and takes today's
    // month and day; its year is completed when it is stored.
    char era[3];
    const int makeYear = Num_ReadInt(Denpyou_Field[8]);
    if (makeYear != 0) {
        Denpyou_EraText(makeYear, Num_ReadInt(Denpyou_Field[9]), era);
    } else {
        std::memcpy(era, Today_WarekiText, 3);
        Num_WriteInt(Denpyou_Field[9], 2, Today_Month);
        Num_WriteInt(Denpyou_Field[10], 2, Today_Day);
    }
    SetEdit("Edit_DenpMakeYear", era);
    SetEdit("Edit_DenpMakeMonth", Denpyou_Field[9]);
    SetEdit("Edit_DenpMakeDay", Denpyou_Field[10]);

    // Validity date: a document without one shows empty edits, not the
    // previous document's date.
    const int youkouYear = Num_ReadInt(Denpyou_Field[11]);
    if (youkouYear != 0) {
        Denpyou_EraText(youkouYear, Num_ReadInt(Denpyou_Field[12]), era);
        SetEdit("Edit_DenpYoukouYear", era);
        SetEdit("Edit_DenpYoukouMonth", Denpyou_Field[12]);
        SetEdit("Edit_DenpYoukouDay", Denpyou_Field[13]);
    } else {
        SetEdit("Edit_DenpYoukouYear", "");
        SetEdit("Edit_DenpYoukouMonth", "");
        SetEdit("Edit_DenpYoukouDay", "");
    }

    if (TLabel* l = Ui_Label("Label_SeikyuuGoukei")) l->SetCaption(Denpyou_Field[2218]);

    // Kind buttons: disabled for a deleted document, else the kind selected
    // (its click handler runs as a user's click would).
    TRadioButton* mitumori = Ui_RadioButton(Kind_Buttons[0]);
    if (!mitumori) return;
    const char kind = Denpyou_Field[0][0];
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
    if (Denpyou_TopLine < 0 || Denpyou_TopLine > Denpyou_LineMax - Denpyou_GridRows) return;
    Round_SetFromJisya();
    for (int r = 0; r < Denpyou_GridRows; ++r) {
        const int line = Denpyou_TopLine + r;
        char* const* f = &Denpyou_LineField[11 * line];
        const int row = r + 1;

        // Line numbers coloured by printed page: 22 lines on the first page,
        // 28 on each later one; even pages magenta.
        if (TLabel* l = Ui_Label(Ui_RowName("Label_DenpLine_", row).c_str())) {
            l->SetCaption(Num_FormatInt(line + 1, 3));
            const bool even = line >= 22 && ((line - 22) / 28 + 2) % 2 == 0;
            l->Font.Color = even ? clFuchsia : clBlack;
        }
        static const struct {
            const char* Prefix;
            int Field;
        } texts[] = {{"Edit_DenpSyousai_", 1}, {"Edit_DenpSuuryou_", 4}, {"Edit_DenpTanni_", 5},
                     {"Edit_DenpTanka_", 2},   {"Edit_DenpTankaRitu_", 3}, {"Edit_DenpSiire_", 6},
                     {"Edit_DenpSiireRitu_", 7}};
        for (const auto& t : texts) SetEdit(Ui_RowName(t.Prefix, row).c_str(), f[t.Field]);

        const double reference = Denpyou_SankouTanka(Num_ReadReal(f[2]), Num_ReadReal(f[3]), Num_ReadReal(f[6]),
                                                     Num_ReadReal(f[7]), Round_Mode);
        // One decimal, or the whole number where that does not fit, so that
        // the actual price passed through its cell is stored unchanged.
        if (TLabel* l = Ui_Label(Ui_RowName("Label_DenpSankouTanka_", row).c_str()))
            l->SetCaption(reference != 0 ? Denpyou_PriceText(reference, 1, false) : std::string(9, ' '));
        const double actual = Num_ReadReal(f[8]);
        if (TEdit* e = Ui_Edit(Ui_RowName("Edit_DenpJitubaiTanka_", row).c_str())) {
            e->Font.Color = reference != actual ? clBlue : clBlack;
            e->SetText(actual != 0 ? Denpyou_PriceText(actual, 1, false, f[8]) : std::string(9, ' '));
        }
        if (TLabel* l = Ui_Label(Ui_RowName("Label_DenpSyoukei_", row).c_str())) l->SetCaption(f[9]);
    }
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
        const bool deleted = Denpyou_Field[0][0] == DenpyouKind_Deleted;
        look = deleted ? TLook{2, clRed, "削除された伝票"} : TLook{1, clFuchsia, "伝票の修正"};
        if (TLabel* f2 = Ui_Label("Label_Command_01_F2")) f2->SetCaption(deleted ? "F2 伝票復活" : "F2 伝票削除");
    }
    frame->Pen.Width = look.Width;
    frame->Pen.Color = look.Color;
    caption->Font.Color = look.Color;
    caption->SetCaption(look.Text);
}
