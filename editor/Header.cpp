#include "editor/Header.h"

#include <cstring>
#include <string>

#include "document/Number.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Job.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// The header edits in their Return order; the focus codes run in steps of
// ten from 1120.
struct THeaderEdit {
    const char* Edit;
    const char* Frame;
    int TrimWidth;  // the year cells hold a two-digit era year
};
constexpr THeaderEdit Header_Edits[Header_LastField - Header_FirstField + 1] = {
    {"Edit_DenpKokyakuName_1", "Shape_DenpKokyakuName_1", 40},
    {"Edit_DenpKokyakuName_2", "Shape_DenpKokyakuName_2", 40},
    {"Edit_DenpKoujiName_1", "Shape_DenpKoujiName_1", 40},
    {"Edit_DenpKoujiName_2", "Shape_DenpKoujiName_2", 40},
    {"Edit_DenpPlace", "Shape_DenpPlace", 40},
    {"Edit_DenpBikou", "Shape_DenpBikou", 40},
    {"Edit_DenpMakeYear", "Shape_DenpMakeYear", 2},
    {"Edit_DenpMakeMonth", "Shape_DenpMakeMonth", 2},
    {"Edit_DenpMakeDay", "Shape_DenpMakeDay", 2},
    {"Edit_DenpYoukouYear", "Shape_DenpYoukouYear", 2},
    {"Edit_DenpYoukouMonth", "Shape_DenpYoukouMonth", 2},
    {"Edit_DenpYoukouDay", "Shape_DenpYoukouDay", 2},
};
constexpr int Header_FirstCode = 1120;

// The Western year field of each date; its month and day follow it.
constexpr int Date_YearField[2] = {DenpyouField_MakeYear, DenpyouField_YoukouYear};

bool IsHeaderField(int field) { return field >= Header_FirstField && field <= Header_LastField; }
const THeaderEdit& Entry(int field) { return Header_Edits[field - Header_FirstField]; }
TEdit* HeaderEdit(int field) { return IsHeaderField(field) ? Ui_Edit(Entry(field).Edit) : nullptr; }

void FocusEdit(TEdit* edit) {
    if (edit) edit->SetFocus();
}

// field := text, which is exactly the field's width.
void StoreField(int field, const std::string& text) {
    std::memcpy(Denpyou_Field[field], text.c_str(), static_cast<size_t>(Denpyou_FieldWidth[field]) + 1);
}

}  // namespace

const char* Header_EditName(int field) { return IsHeaderField(field) ? Entry(field).Edit : nullptr; }
const char* Header_FrameName(int field) { return IsHeaderField(field) ? Entry(field).Frame : nullptr; }

void Denpyou_CommitEraYear(THeaderDate date) {
    const int yearField = Date_YearField[date];
    TEdit* yearEdit = HeaderEdit(yearField);
    TEdit* monthEdit = HeaderEdit(yearField + 1);
    if (!yearEdit || !monthEdit) return;
    const int y = Num_ReadInt(yearEdit->Text().c_str());
    const int m = Num_ReadInt(monthEdit->Text().c_str());

    // Heisei 31 and Reiwa 1 are both 2019: the month decides which is shown;
    // a year above 31 counts on from Heisei into Reiwa.
    if ((y == 31 && m >= 5) || y >= 32) yearEdit->SetText(Num_FormatInt(y - 30, 2));
    else if (y == 1 && m <= 4) yearEdit->SetText(Num_FormatInt(y + 30, 2));

    if (date == Date_Youkou && y == 0) {
        // A validity date without a year has no year.
        StoreField(yearField, std::string(4, ' '));
        return;
    }
    const int western = y >= 27 ? 1988 + y : y == 0 ? 2019 : 2018 + y;
    StoreField(yearField, Num_FormatInt(western, 4));
}

void Denpyou_CommitHeaderField(int field) {
    TEdit* edit = HeaderEdit(field);
    if (!edit) return;
    const std::string& typed = edit->Text();
    switch (field) {
        case DenpyouField_MakeYear:
        case DenpyouField_YoukouYear: {
            // The year cell holds the era year; the field gets the Western
            // year from the era-year step.
            const bool number = Num_ReadInt(typed.c_str()) != 0;
            edit->SetText(number ? Grid_CommitText(typed, 2, TCommitForm::RightInt) : std::string(2, ' '));
            Denpyou_CommitEraYear(field == DenpyouField_MakeYear ? Date_Make : Date_Youkou);
            return;
        }
        case DenpyouField_MakeMonth:
        case DenpyouField_YoukouMonth:
        case DenpyouField_MakeDay:
        case DenpyouField_YoukouDay: {
            const bool month = field == DenpyouField_MakeMonth || field == DenpyouField_YoukouMonth;
            const int v = Num_ReadInt(typed.c_str());
            const bool inRange = v >= 1 && v <= (month ? 12 : 31);
            const std::string text = inRange ? Grid_CommitText(typed, 2, TCommitForm::RightInt) : std::string(2, ' ');
            edit->SetText(text);
            StoreField(field, text);
            if (month) Denpyou_CommitEraYear(field == DenpyouField_MakeMonth ? Date_Make : Date_Youkou);
            return;
        }
        default: {
            const std::string text = Grid_CommitText(typed, Denpyou_FieldWidth[field], TCommitForm::Left);
            edit->SetText(text);
            StoreField(field, text);
            return;
        }
    }
}

void Edit_DenpHeader_Enter(int field) {
    if (!IsHeaderField(field) || Focus_Locked()) return;
    if (Denpyou_CommandMode != 0) Denpyou_CommandMode = 0;
    // Coming from the grid, whose bar has F4 active: the header's bar.
    if (TLabel* f4 = Ui_Label("Label_Command_01_F4"); f4 && f4->Color != clSilver) {
        Job_Current = Job_Denpyou;
        Job_Show();
    }
    if (Denpyou_CurRow >= 0) {
        Denpyou_CurRow = -1;
        Denpyou_MarkSyousaiRow();
    }
    if (TPanel* chooser = Ui_Panel("Panel_SyouhinChoose"); chooser && chooser->Visible()) {
        chooser->Hide();
        Denpyou_ClearSyousaiFrames();
    }
    Focus_Take(Header_FirstCode + 10 * (field - Header_FirstField));
    Grid_TrimEdit(HeaderEdit(field), Entry(field).TrimWidth);
    Frame_Mark(Ui_Shape(Entry(field).Frame));
}

void Edit_DenpHeader_Exit(int field) {
    if (!IsHeaderField(field)) return;
    if (Flag_EnterCommitted == Flag_False) Denpyou_CommitHeaderField(field);
    Frame_Rest(Ui_Shape(Entry(field).Frame), clBlack);
}

void Edit_DenpHeader_KeyDown(int field, Word key) {
    if (!IsHeaderField(field)) return;
    switch (key) {
        case vk::Return: {
            TEdit* edit = HeaderEdit(field);
            Flag_EnterCommitted = Flag_True;
            Denpyou_CommitHeaderField(field);
            if (field < Header_LastField) FocusEdit(HeaderEdit(field + 1));
            else FocusEdit(Grid_Edit(GridColumn_Syousai, 0));
            // The focus stayed here: its next focus-out commits what it shows.
            if (edit && edit->Focused()) Flag_EnterCommitted = Flag_False;
            break;
        }
        case vk::Home:
            if (field > Header_FirstField) FocusEdit(HeaderEdit(field - 1));
            break;
        case vk::End:
            if (field == Header_FirstField) Screen_Open("Panel_ExitChoose");  // the exit
            break;
        case vk::F4:
        case vk::F5: break;  // no line to delete or insert at in the header
        case vk::PageUp: Command_F7(); break;
        case vk::PageDown: Command_F8(); break;
        default: Command_ForKey(key); break;  // the other function keys and Esc
    }
}
