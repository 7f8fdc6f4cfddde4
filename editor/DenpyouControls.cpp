// The document editor's controls: the header fields, the kind buttons, the
// state caption, the total, the half-page buttons, the twenty grid rows, the
// customer chooser and the purge option of the exit; and their handlers.
// Every input edit lies borderless inside a frame shape named after it
// ("Edit_DenpPlace" on "Shape_DenpPlace"); the frame draws its border, red
// while the edit is the cursor cell.
#include <climits>

#include "editor/DenpyouCommands.h"
#include "editor/DenpyouTyped.h"
#include "editor/EditorScreen.h"
#include "editor/GridColumns.h"
#include "editor/Header.h"
#include "editor/KokyakuChoose.h"
#include "editor/SyouhinChoose.h"
#include "editor/Syousai.h"
#include "editor/ValueCells.h"
#include "ui/Build.h"
#include "ui/Ui.h"
#include "ui/EditTable.h"

namespace {

constexpr const char* Panel = Denpyou_Panel;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Edit_FontHeight = -15;
// Every edit of the editor and its frame are as high as a grid cell.
constexpr int Edit_Height = Grid_EditHeight;
constexpr int Frame_Height = Grid_FrameHeight;

struct TBox {
    int Left, Top, Width;
};

// How an edit and its frame look: the frame's pen and brush at rest, the
// edit's ground, text colour and font, alignment and input method.
struct TEditLook {
    TColor Pen, Fill, Color, FontColor;
    const char* Font;
    int FontHeight;
    TAlignment Align;
    TImeMode Ime;
};

// An edit of maxLength bytes on its frame.
TEdit* FramedEdit(TForm& form, const std::string& editName, const std::string& frameName, TBox frame, TBox edit,
                  int maxLength, const TEditLook& look) {
    auto* shape = Ui_BuildAs<TShape>(
        form, {TControlKind::Shape, frameName.c_str(), Panel, frame.Left, frame.Top, frame.Width, Frame_Height});
    shape->Pen.Color = look.Pen;
    shape->Brush.Color = look.Fill;
    auto* e = Ui_BuildAs<TEdit>(
        form, {TControlKind::Edit, editName.c_str(), Panel, edit.Left, edit.Top, edit.Width, Edit_Height});
    e->Color = look.Color;
    e->Font.Color = look.FontColor;
    e->Font.Name = look.Font;
    e->Font.Height = look.FontHeight;
    e->MaxLength = maxLength;
    e->Alignment = look.Align;
    e->ImeMode = look.Ime;
    return e;
}

// A caption on the light green ground of the header.
void Caption(TForm& form, const char* name, int left, int top, int width, int height, const char* text) {
    Ui_Build(form, {TControlKind::Label, name, Panel, left, top, width, height, text, clMoneyGreen, clBlack, -12,
                    nullptr, TAlignment::taCenter});
}

// The header edits in their tab and Return order, after the number.
struct THeaderField {
    const char* Name;
    TBox Frame, Edit;
    int Bytes;
    bool Japanese;  // the input method opens in hiragana
};
constexpr THeaderField Header_Fields[] = {
    {"Edit_DenpNo", {82, 4, 85}, {86, 6, 79}, 10, false},
    {"Edit_DenpKokyakuName_1", {82, 24, 329}, {84, 26, 325}, 40, true},
    {"Edit_DenpKokyakuName_2", {82, 44, 329}, {84, 46, 325}, 40, true},
    {"Edit_DenpKoujiName_1", {82, 64, 329}, {84, 66, 325}, 40, true},
    {"Edit_DenpKoujiName_2", {82, 84, 329}, {84, 86, 325}, 40, true},
    {"Edit_DenpPlace", {640, 24, 329}, {642, 26, 325}, 40, true},
    {"Edit_DenpBikou", {640, 44, 169}, {642, 46, 165}, 40, true},
    {"Edit_DenpMakeYear", {640, 64, 25}, {644, 66, 19}, 2, false},
    {"Edit_DenpMakeMonth", {668, 64, 25}, {672, 66, 19}, 2, false},
    {"Edit_DenpMakeDay", {696, 64, 25}, {700, 66, 19}, 2, false},
    {"Edit_DenpYoukouYear", {824, 64, 25}, {828, 66, 19}, 2, false},
    {"Edit_DenpYoukouMonth", {852, 64, 25}, {856, 66, 19}, 2, false},
    {"Edit_DenpYoukouDay", {880, 64, 25}, {884, 66, 19}, 2, false},
};

// The grid's headings, then its rows from the column table.
void Grid_CreateControls(TForm& form) {
    for (const TGridColumn& col : Grid_Columns)
        Ui_Build(form, {TControlKind::Label, (std::string("Label_Head_") + col.Prefix).c_str(), Panel, col.Head.Left,
                        Grid_HeadTop, col.Head.Width, Grid_HeadHeight, col.Heading, clMoneyGreen, clBlack, -12,
                        nullptr, TAlignment::taCenter});
    for (int row = 1; row <= Denpyou_GridRows; ++row) {
        const int step = Grid_RowStep * (row - 1);
        for (const TGridColumn& col : Grid_Columns) {
            const std::string name = Ui_RowName(col.Prefix, row);
            if (col.Kind == TControlKind::Label) {
                Ui_Build(form, {TControlKind::Label, name.c_str(), Panel, col.Edit.Left, Grid_EditTop + step,
                                col.Edit.Width, Edit_Height, "", col.Color, col.FontColor, col.FontHeight,
                                *col.Font, col.Align});
                continue;
            }
            FramedEdit(form, name, Ui_RowName(col.Frame, row), {col.Box.Left, Grid_FrameTop + step, col.Box.Width},
                       {col.Edit.Left, Grid_EditTop + step, col.Edit.Width}, col.Width,
                       {col.Pen, col.Fill, col.Color, col.FontColor, *col.Font, col.FontHeight, col.Align, col.Ime});
        }
    }
}

// The half-page buttons, level with the total.
struct TButtonPlace {
    const char* Shape;
    const char* Label;
    int Left, Width;
    const char* Caption;
};
constexpr TButtonPlace Button_Places[] = {
    {"Shape_Denpyou_BeforePage", "Label_Denpyou_BeforePage", 760, 108, "PageUp 半頁戻し"},
    {"Shape_Denpyou_NextPage", "Label_Denpyou_NextPage", 872, 112, "PageDown 半頁送り"},
};
constexpr int Button_Top = 86;


// The handlers: the header's edit table, the description and value cells,
// the typing that the exit asks about, the commands.
void BindHandlers(TForm& form) {
    Edit_Bind(form, Header_Table);
    for (int row = 1; row <= Denpyou_GridRows; ++row) {
        TControl& edit = Ui_Built(form, Ui_RowName(Grid_Column(GridColumn_Syousai).Prefix, row));
        edit.OnEnter = [row](TControl*) { Edit_DenpSyousai_Enter(row); };
        edit.OnExit = [row](TControl*) { Edit_DenpSyousai_Exit(row); };
        edit.OnKeyDown = [row](TControl*, Word key, TShiftState) { Edit_DenpSyousai_KeyDown(row, key); };
    }
    ValueCells_BindHandlers(form);
    Denpyou_WatchTyping(form);
    Denpyou_BindCommands(form);
}

}  // namespace

void Denpyou_CreateControls(TForm& form) {
    // Captions of the header.
    Caption(form, "Label8", 8, 4, 70, Frame_Height, "伝票番号");
    Caption(form, "Label18", 8, 24, 70, Frame_Height, "顧客");
    Caption(form, "Label_DenpKoujiName", 8, 64, 70, 39, "工事名");
    Caption(form, "Label_DenpPlace", 566, 24, 70, Frame_Height, "工事場所");
    Caption(form, "Label75", 566, 44, 70, Frame_Height, "備考");
    Caption(form, "Label72", 566, 64, 70, Frame_Height, "作成日");
    Caption(form, "Label73", 750, 64, 70, Frame_Height, "有効期限");
    Caption(form, "Label_Goukei", 566, 86, 70, Frame_Height, "合計");
    Ui_Build(form, {TControlKind::Label, "Label_SeikyuuGoukei", Panel, 640, 88, 100, 15, "", clNone, clBlack,
                    Edit_FontHeight, Font_Mincho, TAlignment::taRightJustify});
    Ui_Build(form, {TControlKind::Label, "Label_DenpKeisyou", Panel, 416, 46, 51, 15, "様", clWhite, clBlack,
                    Edit_FontHeight, Font_Mincho});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouRec", Panel, 170, 6, 34, 15, "1", clNone, clBlack, -12,
                    nullptr, TAlignment::taRightJustify});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouRecOf", Panel, 206, 6, 10, 15, "/"});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouDs", Panel, 214, 6, 34, 15, "0", clNone, clBlack, -12,
                    nullptr, TAlignment::taRightJustify});

    for (const auto& f : Header_Fields) {
        TEdit* e = FramedEdit(form, f.Name, std::string("Shape_") + (f.Name + 5), f.Frame, f.Edit, f.Bytes,
                              {clBlack, clWhite, clWhite, clBlack, Font_Mincho, Edit_FontHeight,
                               f.Japanese ? TAlignment::taLeftJustify : TAlignment::taRightJustify,
                               f.Japanese ? TImeMode::imOpen : TImeMode::imDisable});
        if (&f == &Header_Fields[0]) e->SetEnabled(false);  // the number is never typed
    }

    // The state caption in its frame, and the kind buttons (the purge check
    // box of the exit stands between them).
    auto* kindFrame = Ui_BuildAs<TShape>(form, {TControlKind::Shape, "Shape_DenpyouKind", Panel, 256, 2, 132, 21});
    kindFrame->Brush.Color = clWhite;
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouKind", Panel, 260, 5, 124, 15, "伝票の追加", clNone,
                    clBlue, -12, nullptr, TAlignment::taCenter});
    const char* kinds[][2] = {{"RadioButton_Mitumori", "見積書"},
                              {"RadioButton_Seikyuu", "請求書"},
                              {"RadioButton_Utiwake", "内訳書"},
                              {"RadioButton_Irai", "見積依頼"}};
    // The kind is chosen by a click. Tab runs from the last header field
    // straight into the grid: a button that took the focus on the way would
    // become the checked one and change the document's kind.
    for (int i = 0; i < 4; ++i)
        Ui_Build(form, {TControlKind::RadioButton, kinds[i][0], Panel, 640 + 84 * i, 3, 82, 18, kinds[i][1]})
            ->TabStop = false;

    for (const auto& b : Button_Places)
        Ui_BuildButton(form, Panel, b.Shape, b.Label, b.Left, Button_Top, b.Width, Frame_Height, b.Width - 4, 15,
                       b.Caption, clOlive, -12);

    Grid_CreateControls(form);
    KokyakuChoose_CreateControls(form);
    SyouhinChoose_CreateControls(form);

    // The exit's purge option, last in the tab order: after the print
    // margins that the print lays on this screen.
    Ui_Build(form, {TControlKind::CheckBox, "CheckBox_CompleteDelete", Panel, 396, 4, 177, 17,
                    "終了時に削除伝票を完全削除"})
        ->TabOrder = INT_MAX;

    BindHandlers(form);
}
