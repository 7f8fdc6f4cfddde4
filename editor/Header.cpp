#include "editor/Header.h"

#include <cstring>
#include <string>

#include "editor/CommandBarMode.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "editor/SyouhinChoose.h"
#include "store/Number.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Job.h"
#include "ui/Ui.h"

namespace {

// The Western year field of each date; its month and day follow it.
constexpr int Date_YearField[2] = {DenpyouField_MakeYear, DenpyouField_YoukouYear};

bool IsHeaderField(int field) { return field >= Header_FirstField && field <= Header_LastField; }
TEditCell CellOf(int field) { return {&Header_Table, field - Header_FirstField}; }
int FieldOf(const TEditCell& cell) { return Header_FirstField + cell.Index; }

// field := text, which is exactly the field's width.
void StoreField(int field, const std::string& text) {
    std::memcpy(Denpyou_Field[field], text.c_str(), static_cast<size_t>(Denpyou_FieldWidth[field]) + 1);
}

}  // namespace

TEdit* Header_Edit(int field) { return IsHeaderField(field) ? CellOf(field).Edit() : nullptr; }

void Denpyou_CommitEraYear(THeaderDate date) {
    const int yearField = Date_YearField[date];
    TEdit* yearEdit = Header_Edit(yearField);
    TEdit* monthEdit = Header_Edit(yearField + 1);
    if (!yearEdit || !monthEdit) return;
    const int y = Num_ReadDatePart(yearEdit->Text().c_str());
    const int m = Num_ReadDatePart(monthEdit->Text().c_str());

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
    if (IsHeaderField(field)) Edit_Commit(CellOf(field));
}

char* Header_Field(const TEditCell& cell) { return Denpyou_Field[cell.Spec().Field]; }

bool Header_Enter(const TEditCell&) {
    if (Denpyou_CommandMode != TCommandMode::Header) Denpyou_CommandMode = TCommandMode::Header;
    // Coming from the grid, whose bar has F4 active: the header's bar.
    if (Command_ShownActive(vk::F4)) {
        Job_Current = Job_Denpyou;
        Job_Show();
    }
    if (Denpyou_CurRow >= 0) {
        Denpyou_CurRow = -1;
        Denpyou_MarkSyousaiRow();
    }
    SyouhinChoose_Hide();
    return true;
}

// The year and month cells step the era (the day's field is stored as it is).
void Header_Committed(const TEditCell& cell, const char*) {
    switch (FieldOf(cell)) {
        case DenpyouField_MakeYear:
        case DenpyouField_MakeMonth: Denpyou_CommitEraYear(Date_Make); break;
        case DenpyouField_YoukouYear:
        case DenpyouField_YoukouMonth: Denpyou_CommitEraYear(Date_Youkou); break;
        default: break;
    }
}

bool Header_Key(const TEditCell& cell, Word key) {
    switch (key) {
        case vk::End:
            if (cell.Index == 0) Command_Exit();
            return true;
        case vk::F4:
        case vk::F5: return true;  // no line to delete or insert at in the header
        case vk::PageUp: Command_F7(); return true;
        case vk::PageDown: Command_F8(); return true;
        default: return false;
    }
}

// Return in the last field: on to the grid's first description.
void Header_Move(const TEditCell&, Word) {
    if (TEdit* e = Grid_Edit(GridColumn_Syousai, 0)) e->SetFocus();
}
