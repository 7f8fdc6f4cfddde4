#include "masters/products/SyouhinHinsyu.h"

#include <cstring>
#include <string>

#include "masters/categories/HinsyuChoose.h"
#include "masters/products/SyouhinCommands.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/Controls.h"
#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "ui/Build.h"
#include "ui/Frame.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr const char* HinsyuFrame = "Shape_Syouhin_Hinsyu_";

bool Red(const TShape* frame) { return frame && frame->Pen.Color == clRed; }

// The product under the cursor, while its row shows its name: what the
// chooser serves.
bool Served() {
    const TEdit* name = Syouhin_CellEdit(SyouhinColumn_Name, Syouhin_Row);
    return name && Syouhin_Top + Syouhin_Row < Syouhin_Count && !name->Text().empty() && name->Text()[0] != ' ';
}

bool ReadFlags(char* flags) {
    char read[Syouhin_FlagCount];
    if (!Served() || !Syouhin_ReadField(Syouhin_Top + Syouhin_Row + 1, SyouhinField_Hinsyu, read)) return false;
    std::memcpy(flags, read, sizeof read);
    std::memcpy(Syouhin_Field[SyouhinField_Hinsyu], read, sizeof read);
    return true;
}

// A toggle: written at once, and the row's labels show what the product
// holds now.
bool WriteFlags(const char* flags) {
    char* field = Syouhin_Field[SyouhinField_Hinsyu];
    std::memcpy(field, flags, Syouhin_FlagCount);
    const bool written = Syouhin_WriteFieldAtLine(SyouhinField_Hinsyu, field);
    if (!written) {
        Message_NotSaved(Syouhin_File.FileName);
        if (!ReadFlags(field)) std::memset(field, ' ', Syouhin_FlagCount);
    }
    Syouhin_ShowHinsyuLabels(Syouhin_Row, field);
    return written;
}

// The chooser's bar over the grid.
void Focused() {
    Command_ShowBar(Command_Keys({vk::F3, vk::F4, vk::F7, vk::F8, vk::F9}),
                    {.F3 = "F3 商品上", .F4 = "F4 商品下", .F7 = "F7 商品前頁", .F8 = "F8 商品次頁",
                     .F9 = "F9 閉じる"});
}

void Closed() {
    Syouhin_MarkHinsyuLine(-1);
    Syouhin_ShowBar();
}

}  // namespace

const THinsyuChooseHost Syouhin_HinsyuHost{
    .Job = Job_Syouhin,
    .Left = 384,
    .Top = 68,
    .ReadFlags = ReadFlags,
    .WriteFlags = WriteFlags,
    .Focused = Focused,
    .Closed = Closed,
    .RowUp = Syouhin_PopupRowUp,
    .RowDown = Syouhin_PopupRowDown,
    .PageBack = Syouhin_BeforePage,
    .PageOn = Syouhin_NextPage,
};

void Syouhin_ShowHinsyuLabels(int row, const char* flags) {
    int count = 0, first = 0;
    for (int i = 0; i < Syouhin_FlagCount; ++i)
        if (flags[i] != ' ' && flags[i] != '\0' && ++count == 1) first = i + 1;
    const int entry = Hinsyu_EntryOfNumber(first);
    TLabel* countLabel = Ui_Label(Ui_RowName("Label_Syouhin_Cyoufuku_", row + 1).c_str());
    TLabel* nameLabel = Ui_Label(Ui_RowName("Label_Syouhin_Hinsyu_", row + 1).c_str());
    if (countLabel) countLabel->SetCaption(count ? std::to_string(count) : "");
    if (nameLabel) nameLabel->SetCaption(count == 0 ? "" : entry >= 0 ? Hinsyu_Name[entry] : std::string(40, ' '));
}

void Syouhin_MarkHinsyuLine(int row) {
    for (int r = 0; r < Syouhin_Rows; ++r) {
        TShape* frame = Syouhin_RowShape(HinsyuFrame, r);
        if (r == row) Frame_Mark(frame);
        else Frame_Rest(frame, clBlack);
    }
}

void Syouhin_HinsyuRetarget(int row) {
    Syouhin_Row = row;
    const int code = Syouhin_CellCode(SyouhinColumn_Name, row);
    Edit_Uncommitted();
    Focus_Code = code;
    HinsyuChoose_CodeSaved = code;
    HinsyuChoose_Refresh();
    HinsyuChoose_TakeFocus();
    // The position and the name frame follow the product served.
    Syouhin_MarkLine();
    if (!Red(Syouhin_RowShape(HinsyuFrame, row))) Syouhin_MarkHinsyuLine(row);
}

void Syouhin_HinsyuClick(int row) {
    const int index = Syouhin_Top + row;
    // Past the first empty row, or while something else holds the lock.
    if (index > Syouhin_Count || (Popup_Lock && !HinsyuChoose_Shown())) {
        Focus_Restore();
        return;
    }
    if (row != Syouhin_Row) {
        Syouhin_Row = row;
        if (TEdit* name = Syouhin_CellEdit(SyouhinColumn_Name, row)) name->SetFocus();
    }
    HinsyuChoose_CodeSaved = Syouhin_CellCode(SyouhinColumn_Name, row);
    Edit_Uncommitted();
    // Opening moves the focus into the chooser: the cell left commits, and
    // its frame rests; the marks come after.
    HinsyuChoose_Open(0);
    Syouhin_MarkLine();
    if (index == Syouhin_Count) Syouhin_NumberCursorRow();
    if (!Red(Syouhin_RowShape(HinsyuFrame, row))) Syouhin_MarkHinsyuLine(row);
}
