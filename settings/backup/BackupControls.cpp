// The data maintenance screen's controls: the instructions and the folder
// boxes on the left; the warnings, the chosen folder and the direction
// frames at the top; the three command labels; the two blocks of counts
// with their check boxes and per-cent figures; the notes on the CSV files;
// the tidy-up notice in its own panel. Their handlers are bound here.
#include <utility>

#include "settings/backup/BackupScreen.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = "Panel_BackUp";
constexpr const char* SeiriPanel = "Panel_Seiri";
constexpr TColor Seiri_Ground = 0xE1FFFF;  // pale yellow

TShape* Frame(TForm& form, const char* name, const char* parent, int left, int top, int width, int height,
              TColor pen, int penWidth = 1, TColor brush = clWhite) {
    auto* shape = Ui_BuildAs<TShape>(form, {TControlKind::Shape, name, parent, left, top, width, height});
    shape->Pen.Color = pen;
    shape->Pen.Width = penWidth;
    shape->Brush.Color = brush;
    return shape;
}

// ---------------------------------------------------------------- texts

constexpr auto Right = TAlignment::taRightJustify, Centre = TAlignment::taCenter;

const TControlSpec Texts[] = {
    {TControlKind::Label, "Label113", Panel, 100, 84, 230, 15, "USBメモリをセットしたドライブを"},
    {TControlKind::Label, "Label114", Panel, 100, 100, 230, 15, "指定してください。"},
    {TControlKind::Label, "Label128", Panel, 100, 128, 230, 15, "USBメモリーへの保存は偶数日・"},
    {TControlKind::Label, "Label129", Panel, 100, 144, 230, 15, "奇数日とUSBを2個使用して、万"},
    {TControlKind::Label, "Label133", Panel, 100, 160, 230, 15, "全を期してください。"},
    {TControlKind::Label, "Label204", Panel, 380, 50, 560, 15,
     "＊ 対象ファイルを個別に指定する場合 は、他のデータファイルとの関連にご注意ください ＊", clNone, clRed},
    {TControlKind::Label, "Label206", Panel, 416, 64, 500, 15,
     "＊ 特別な事情がない限り、すべてのファイルを選択することをお勧めします ＊", clNone, clRed},
    {TControlKind::Label, "Label115", Panel, 398, 86, 170, 15, "指定したUSBメモリの場所"},
    {TControlKind::Label, "Label_BackupFolder", Panel, 574, 86, 241, 17},
    {TControlKind::Label, "ko", Panel, 382, 310, 560, 15,
     "＊ 顧客と商品の保存時には、データベースソフト用のデータも作成します。"},
    {TControlKind::Label, "Label25", Panel, 382, 326, 560, 15,
     "データファイルは「見積顧客.csv」「見積商品.csv.」という名前で保存されます。"},
    {TControlKind::Label, "Label139", Panel, 382, 342, 560, 15,
     "このデータは、そのままではデータベースソフトで使用できません。"},
};

// ------------------------------------------------------------- commands

// A label that acts as a button inside its frame.
struct TCommandLabel {
    const char* Frame;
    const char* Label;
    int Left, Top, Width;
    const char* Caption;
    void (*Click)();
};
constexpr TCommandLabel Directions[] = {
    {"Shape_ToUSB_FromPC", "Label_ToUSB_FromPC", 348, 133, 200, "パソコンからUSBメモリへ保存します",
     Label_ToUSB_FromPCClick},
    {"Shape_ToPC_FromUSB", "Labe_ToPC_FromUSB", 616, 133, 248, "USBメモリでパソコンのデータを書き換えます",
     Labe_ToPC_FromUSBClick},
};
constexpr TCommandLabel Commands[] = {
    {"Shape_Panel_BackUp_F1", "Label_Panel_BackUp_F1", 436, 190, 90, "F1 処理開始", Label_Panel_BackUp_F1Click},
    {"Shape_Panel_BackUp_F2", "Label_Panel_BackUp_F2", 570, 190, 90, "F2 全選択", Label_Panel_BackUp_F2Click},
    {"Shape_Panel_BackUp_F3", "Label_Panel_BackUp_F3", 684, 190, 90, "F3 全解除", Label_Panel_BackUp_F3Click},
};

TLabel* CommandLabel(TForm& form, const TCommandLabel& c) {
    auto* label = Ui_BuildAs<TLabel>(
        form, {TControlKind::Label, c.Label, Panel, c.Left, c.Top, c.Width, 15, c.Caption, clNone, clBlack, -12,
               nullptr, Centre});
    label->OnClick = [click = c.Click](TControl*) { click(); };
    return label;
}

void BuildCommands(TForm& form) {
    // The direction frames: the save's red at start, the restore's grey.
    Frame(form, Directions[0].Frame, Panel, 336, 122, 221, 33, clRed, 2);
    Frame(form, Directions[1].Frame, Panel, 606, 122, 265, 33, clGray);
    for (const TCommandLabel& c : Directions) CommandLabel(form, c);
    // F1 ... F3: the frame red and 2 wide while the mouse is held on the label.
    for (const TCommandLabel& c : Commands) {
        Frame(form, c.Frame, Panel, c.Left - 8, c.Top - 5, c.Width + 16, 25, clBlack);
        TLabel* label = CommandLabel(form, c);
        label->OnMouseDown = [frame = c.Frame](TControl*, TMouseButton, TShiftState, int, int) {
            Backup_Pen(frame, clRed, 2);
        };
        label->OnMouseUp = [frame = c.Frame](TControl*, TMouseButton, TShiftState, int, int) {
            Backup_Pen(frame, clBlack, 1);
        };
    }
}

// --------------------------------------------------------------- counts

// One row of a block: the group's check box and caption, its "パソコン" and
// "USB" counts and its per-cent figure. The frame that turns red while the
// group works stands around the caption, or (documents) around the count.
struct TCountRow {
    int Block;  // 0 the left block, 1 the right
    int Top;
    const char* CheckBox;
    const char* Caption;
    const char* CaptionText;
    const char* Frame;
    bool FrameOnCount;
    const char* Pc;
    const char* Usb;
    const char* Ritu;
    const char* Percent;
};
constexpr int Block_Left[2] = {336, 606};
// In the order of the focus codes.
constexpr TCountRow Rows[] = {
    {0, 250, "CheckBox_Kokyaku", "Label103", "顧客", "Shape_Kokyaku", false, "Label_PC_KokyakuDs",
     "Label_BK_KokyakuDs", "Label_KokyakuRitu", "Label_KokyakuPercent"},
    {1, 250, "CheckBox_Syouhin", "Label118", "商品", "Shape_Syouhin", false, "Label_PC_SyouhinDs",
     "Label_BK_SyouhinDs", "Label_SyouhinRitu", "Label_SyouhinPercent"},
    {0, 270, "CheckBox_Denpyou", "Label105", "伝票", "Shape_Denpyou", true, "Label_PC_DenpyouDs",
     "Label_BK_DenpyouDs", "Label_DenpyouRitu", "Label_DenpyouPercent"},
};
// Columns from the block's left.
constexpr int Col_Check = 4, Col_Caption = 26, Col_Pc = 80, Col_Usb = 148, Col_Ritu = 214, Col_Percent = 246;
constexpr int Count_Width = 60;

// The column headings over each block.
struct THeading {
    const char* Name;
    int Block, Left;
    const char* Caption;
};
constexpr THeading Headings[] = {
    {"Label116", 0, Col_Pc, "パソコン"},
    {"Label117", 0, Col_Usb, "USB"},
    {"Label130", 1, Col_Pc, "パソコン"},
    {"Label131", 1, Col_Usb, "USB"},
};

void BuildCounts(TForm& form) {
    for (const THeading& h : Headings)
        Ui_Build(form, {TControlKind::Label, h.Name, Panel, Block_Left[h.Block] + h.Left, 232, Count_Width, 15,
                        h.Caption, clNone, clBlack, -12, nullptr, Right});
    for (const TCountRow& r : Rows) {
        const int left = Block_Left[r.Block];
        if (r.FrameOnCount)
            Frame(form, r.Frame, Panel, left + Col_Pc - 4, r.Top - 3, Count_Width + 8, 20, clGray);
        else
            Frame(form, r.Frame, Panel, left + Col_Caption - 4, r.Top - 3, 44, 20, clGray);
        auto* box = Ui_BuildAs<TCheckBox>(form, {TControlKind::CheckBox, r.CheckBox, Panel, left + Col_Check, r.Top,
                                                 16, 15});
        box->SetChecked(true);
        Ui_Build(form, {TControlKind::Label, r.Caption, Panel, left + Col_Caption, r.Top, 36, 15, r.CaptionText,
                        clNone, clBlack, -12, nullptr, Centre});
        for (const auto& [name, col] : {std::pair{r.Pc, Col_Pc}, std::pair{r.Usb, Col_Usb}})
            Ui_Build(form, {TControlKind::Label, name, Panel, left + col, r.Top, Count_Width, 15, "0", clNone,
                            clBlack, -12, nullptr, Right});
        Ui_Build(form, {TControlKind::Label, r.Ritu, Panel, left + Col_Ritu, r.Top, 30, 15, "0", clNone, clBlack,
                        -12, nullptr, Right});
        Ui_Build(form, {TControlKind::Label, r.Percent, Panel, left + Col_Percent, r.Top, 14, 15, "％"});
    }
    // The part that always runs (own company and units), in the right
    // block's second row.
    Frame(form, "Shape_ETC", Panel, 638, 269, 241, 21, clBlack);
    Ui_Build(form, {TControlKind::Label, "Label_DataSyori_Nokori", Panel, 642, 272, 233, 15, "残りの処理", clNone,
                    clBlack, -12, nullptr, Centre});
}

// --------------------------------------------------------------- tidy-up

constexpr const char* Seiri_Notice[][2] = {
    {"Label134", "伝票が最大枚数に近づいているか、保存年数を超えた伝票が"},
    {"Label135", "あるようです。[ 整理する ] にチェックをつけると、伝票を整理"},
    {"Label136", "しながらUSBメモリに保存しますので、USBへの保存終了後"},
    {"Label137", "USBメモリでパソコンのデータを書き換えて下さい。"},
};

void BuildSeiri(TForm& form) {
    auto& panel = Ui_Built<TPanel>(form, SeiriPanel);
    panel.Bevel = false;
    panel.Color = Seiri_Ground;
    Frame(form, "Shape_Seiri", SeiriPanel, 0, 0, panel.Width, panel.Height, clRed, 2, Seiri_Ground);
    for (int i = 0; i < 4; ++i)
        Ui_Build(form, {TControlKind::Label, Seiri_Notice[i][0], SeiriPanel, 24, 14 + 19 * i, 400, 15,
                        Seiri_Notice[i][1]});
    Ui_Build(form, {TControlKind::CheckBox, "CheckBox_Seiri", SeiriPanel, 170, 100, 100, 20, "整理する", Seiri_Ground});
}

}  // namespace

void Backup_CreateControls(TForm& form) {
    Ui_BuildAll(form, Texts);
    auto* drive = Ui_BuildAs<TDriveComboBox>(
        form, {TControlKind::DriveComboBox, "BackupDriveComboBox", Panel, 92, 184, 229, 21});
    auto* list = Ui_BuildAs<TDirectoryListBox>(
        form, {TControlKind::DirectoryListBox, "BackupDirectoryListBox", Panel, 92, 204, 229, 149});
    drive->OnChange = [](TControl*) { BackupDriveComboBoxChange(); };
    list->OnChange = [](TControl*) { BackupDirectoryListBoxChange(); };
    BuildCommands(form);
    BuildCounts(form);
    BuildSeiri(form);
}
