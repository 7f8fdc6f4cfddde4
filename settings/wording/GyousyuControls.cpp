// The wording screen's controls: four lines of explanation, then a row per
// caption: the current caption, "を", the edit for the new one in its frame,
// "に変更"; the special lines under their heading, each with its order edit
// in the column "順". The tax line has no edit: a line of hyphens stands in
// its place.
#include <string>

#include "settings/wording/GyousyuScreen.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Font_Height = -15;
constexpr int Row_Height = 19;

constexpr const char* Notes[] = {
    "このソフトは電気工事事業主からのご依頼で作成したオーダーソフトです。",
    "そのため、項目名が電気工事業に合うように決められてますが、電気工事以外の業種",
    "でもご利用いただけるよう変更できるようにしています。",
    "あなたの業種に合うように自由に変更してください。",
};

// A row of the screen: its current-caption label and width, its caption
// edit (or none: the tax line) and its order edit (or none).
struct TRow {
    const char* Label;
    int LabelWidth;
    int Caption;  // an input, or -1
    int Order;    // an input, or -1
    int Top;
};
constexpr int Special_Top = 170;  // the heading of the special lines
constexpr TRow Rows[] = {
    {"Label_Naiyou", 59, GyousyuInput_Naiyou, -1, 100},
    {"Label_Basyo", 59, GyousyuInput_Basyo, -1, 126},
    {"Label_SyouhinChoose_Name_01", 159, GyousyuInput_Name_01, GyousyuInput_Jun_01 + 0, 196},
    {"Label_SyouhinChoose_Name_02", 159, GyousyuInput_Name_02, GyousyuInput_Jun_01 + 1, 222},
    {"Label_SyouhinChoose_Name_03", 159, GyousyuInput_Name_03, GyousyuInput_Jun_01 + 2, 248},
    {"Label_SyouhinChoose_Name_04", 159, -1, GyousyuInput_Jun_01 + 3, 274},
    {"Label_SyouhinChoose_Name_05", 159, GyousyuInput_Name_05, GyousyuInput_Jun_01 + 4, 300},
    {"Label_SyouhinChoose_Name_06", 159, GyousyuInput_Name_06, GyousyuInput_Jun_01 + 5, 326},
    {"Label_UserSentaku_1", 159, GyousyuInput_User_1, GyousyuInput_Jun_01 + 6, 352},
    {"Label_UserSentaku_2", 159, GyousyuInput_User_2, GyousyuInput_Jun_01 + 7, 378},
};
constexpr int Label_Left = 40, Edit_Gap = 30, Order_Left = 520;

TLabel* Text(TForm& form, const std::string& name, const char* text, int left, int top, int width,
             TColor ground = clNone) {
    auto* label = Ui_BuildAs<TLabel>(form, {TControlKind::Label, name.c_str(), Gyousyu_Panel, left, top, width,
                                            Row_Height, text, ground, clBlack, Font_Height, Font_Mincho});
    label->Layout_Center = true;
    return label;
}

// An input in its frame: the frame's left and width; the edit inside it.
void Input(TForm& form, int input, int left, int top, int width, TImeMode ime) {
    const TEditRow& row = Gyousyu_Inputs[input];
    Ui_Build(form, {TControlKind::Shape, row.Frame, Gyousyu_Panel, left, top, width, Row_Height});  // black on white
    auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, row.Edit, Gyousyu_Panel, left + 4, top + 2, width - 8, 14,
                                          "", clWhite, clBlack, Font_Height, Font_Mincho});
    edit->MaxLength = row.Width;
    edit->ImeMode = ime;
}

void BuildRow(TForm& form, const TRow& r, int no) {
    Text(form, r.Label, "", Label_Left, r.Top, r.LabelWidth, clMoneyGreen);
    const int after = Label_Left + r.LabelWidth + 4;
    const std::string suffix = Ui_RowName("_", no);
    if (r.Caption < 0) {
        Text(form, "Label_Gyousyu_None" + suffix, "------------------------------", after, r.Top, 240);
    } else {
        const int width = Gyousyu_Inputs[r.Caption].Width * 15 / 2 + 10;
        Text(form, "Label_Gyousyu_Wo" + suffix, "を", after, r.Top, 18);
        Input(form, r.Caption, after + Edit_Gap - 8, r.Top, width, TImeMode::imHira);
        Text(form, "Label_Gyousyu_Ni" + suffix, "に変更", after + Edit_Gap - 4 + width, r.Top, 50);
    }
    if (r.Order >= 0) Input(form, r.Order, Order_Left, r.Top, 24, TImeMode::imClose);
}

}  // namespace

void Gyousyu_CreateControls(TForm& form) {
    Ui_Built<TPanel>(form, Gyousyu_Panel).Bevel = false;
    for (int i = 0; i < 4; ++i) Text(form, Ui_RowName("Label_Gyousyu_Note_", i + 1), Notes[i], 20, 10 + 20 * i, 640);
    Text(form, "Label_Gyousyu_Special", "伝票の商品詳細明細行の選択", Label_Left, Special_Top, 300);
    Text(form, "Label_Gyousyu_Jun", "順", Order_Left, Special_Top, 24, clMoneyGreen)->Alignment = TAlignment::taCenter;
    int no = 1;
    for (const TRow& r : Rows) BuildRow(form, r, no++);
    Edit_Bind(form, Gyousyu_Table);
}
