#include "ui/EditTable.h"

#include <cstring>
#include <vector>

#include "store/Number.h"
#include "store/Record.h"
#include "ui/Build.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Message.h"
#include "ui/Ui.h"

namespace {

std::string RowName(const char* name, const TEditCell& cell) {
    return cell.Table->Family > 1 ? Ui_RowName(name, cell.Row + 1) : std::string(name);
}

TShape* FrameOf(const TEditCell& cell) {
    const char* frame = cell.Spec().Frame;
    return frame ? Ui_Shape(RowName(frame, cell).c_str()) : nullptr;
}

char* FieldOf(const TEditCell& cell) {
    const TEditTable& t = *cell.Table;
    if (t.Field) return t.Field(cell);
    return t.File ? t.File->Field[static_cast<size_t>(cell.Spec().Field)] : nullptr;
}

bool WriteThrough(const TEditCell& cell, const char* text) {
    const TEditTable& t = *cell.Table;
    if (t.Write) return t.Write(cell, text);
    return !t.File || Record_WriteField(*t.File, 1, cell.Spec().Field, text);
}

// The field string := the field as the file holds it (left as it is when
// the file cannot be read).
void ReadBack(const TEditCell& cell, char* field) {
    const TEditTable& t = *cell.Table;
    if (t.Reload) {
        t.Reload(cell);
        return;
    }
    if (!t.File || !field) return;
    const int k = cell.Spec().Field;
    Record_ScanField(*t.File, k, 1, 1, [&](const char* stored, int) {
        std::memcpy(field, stored, static_cast<size_t>(t.File->FieldWidth[k]));
        field[t.File->FieldWidth[k]] = '\0';
        return false;
    });
}

// Return or Home: on to a row of the table, or where the screen takes it.
void Go(const TEditCell& cell, int target, Word key) {
    if (target >= 0) Edit_Focus(cell.At(target));
    else if (target == Edit_Own && cell.Table->Move) cell.Table->Move(cell, key);
}

bool Boxed(const TEditRow& row) { return row.Input == TEditInput::Check || row.Input == TEditInput::Radio; }

void Return(const TEditCell& cell) {
    Flag_EnterCommitted = true;
    const TEditRow& row = cell.Spec();
    const bool kept = row.CommitOnEnter || Edit_Commit(cell);
    if (cell.Table->Returned) cell.Table->Returned(cell, kept);
    TControl* control = cell.Control();
    if (!kept && row.RefusedStays) {
        // A date part is emptied for typing again; what is typed next is
        // checked when it leaves.
        if (row.Input == TEditInput::DatePart) Edit_Show(cell, "");
        if (!row.RefusedStaysCommitted) Flag_EnterCommitted = false;
        return;
    }
    Go(cell, cell.Spec().Return, vk::Return);
    // The focus stayed here: its next focus-out commits what it shows.
    if (control && control->Focused()) Flag_EnterCommitted = false;
}

}  // namespace

std::string TEditCell::Name() const { return RowName(Spec().Edit, *this); }
TControl* TEditCell::Control() const { return Ui_Control(Name().c_str()); }
TEdit* TEditCell::Edit() const { return Boxed(Spec()) ? nullptr : Ui_Edit(Name().c_str()); }

void Edit_Bind(TForm& form, const TEditTable& table, std::source_location where) {
    for (int i = 0; i < static_cast<int>(table.Rows.size()); ++i)
        for (int r = 0; r < table.Family; ++r) {
            const TEditCell cell{&table, i, r};
            TControl& c = Ui_Built(form, cell.Name(), where);
            // A check box outside the focus codes has nothing to ready on
            // focus-in: it keeps the commit flag as the focus found it.
            const bool check = cell.Spec().Input == TEditInput::Check;
            if (!check || cell.Code()) c.OnEnter = [cell](TControl*) { Edit_Enter(cell); };
            c.OnExit = [cell](TControl*) { Edit_Exit(cell); };
            c.OnKeyDown = [cell](TControl*, Word key, TShiftState) { Edit_KeyDown(cell, key); };
            if (check) c.OnClick = [cell](TControl*) { Edit_Click(cell); };
        }
}

void Edit_Enter(const TEditCell& cell) {
    const TEditTable& t = *cell.Table;
    if (t.Lock && Focus_Locked()) return;
    if (t.Enter && !t.Enter(cell)) return;
    if (const int code = cell.Code()) Focus_Take(code);
    else Flag_EnterCommitted = false;
    if (t.Trim) Edit_Trim(cell.Edit(), cell.Spec().Width);
    Frame_Mark(FrameOf(cell));
    if (cell.Spec().CommitOnEnter) Edit_Commit(cell);
    if (t.Entered) t.Entered(cell);
}

// A radio button that is left commits only while checked: one whose
// focus-in gave the focus back (the lock) was never chosen.
bool Chosen(const TEditCell& cell) {
    if (cell.Spec().Input != TEditInput::Radio) return true;
    const auto* radio = dynamic_cast<const TRadioButton*>(cell.Control());
    return radio && radio->Checked();
}

void Edit_Exit(const TEditCell& cell) {
    if (!Flag_EnterCommitted && !cell.Spec().CommitOnEnter && Chosen(cell)) {
        Edit_Commit(cell);
        if (cell.Table->Left) cell.Table->Left(cell);
    }
    Frame_Rest(FrameOf(cell), clBlack);
}

void Edit_KeyDown(const TEditCell& cell, Word key) {
    const TEditTable& t = *cell.Table;
    if (t.Key && t.Key(cell, key)) return;
    switch (key) {
        case vk::Return: Return(cell); break;
        case vk::Home: Go(cell, cell.Spec().Home, vk::Home); break;
        default:
            if (t.FunctionKeys) Command_ForKey(key);  // the other function keys and Esc
            break;
    }
}

void Edit_Click(const TEditCell& cell) {
    // Under the lock the box took no focus: its click changes nothing, and
    // the box shows its field again (the click that this fires finds it so).
    if (cell.Table->Lock && Popup_Lock) {
        const char* field = FieldOf(cell);
        if (auto* box = dynamic_cast<TCheckBox*>(cell.Control()); box && field) box->SetChecked(Num_ReadInt(field) != 0);
        return;
    }
    Edit_Commit(cell);
}

bool Edit_Commit(const TEditCell& cell) {
    const TEditRow& row = cell.Spec();
    const TEditTable& t = *cell.Table;
    if (row.Input == TEditInput::Keys) return true;
    std::string text;
    bool kept = true;
    TEdit* edit = nullptr;
    std::string typed;
    if (row.Input == TEditInput::Check) {
        const auto* box = dynamic_cast<const TCheckBox*>(cell.Control());
        if (!box) return true;
        text = Str_CommitText(box->Checked() ? "1" : "", row.Width, TCommitForm::Left);
    } else if (row.Input == TEditInput::Radio) {
        text = Str_CommitText(row.Value ? row.Value : "", row.Width, TCommitForm::Left);
    } else {
        edit = cell.Edit();
        if (!edit) return true;
        typed = edit->Text();
        if (row.Input == TEditInput::DatePart) {
            kept = Num_DatePartKept(typed.c_str(), row.Min, row.Max);
            text = Num_DatePartText(typed.c_str(), row.Width, row.Min, row.Max);
        } else {
            text = Str_CommitText(typed, row.Width, row.Form);
        }
    }
    if (t.Check && !t.Check(cell, edit ? typed : text, text)) return false;
    if (edit) edit->SetText(text);
    if (row.Field != Edit_NoField) {
        char* field = FieldOf(cell);
        const std::string before = field ? field : "";
        if (field) std::memcpy(field, text.c_str(), text.size() + 1);
        if (!WriteThrough(cell, text.c_str())) {
            // Not written: the user is told, and the input and the field show
            // what the file holds.
            if (t.File) Message_NotSaved(t.File->FileName);
            if (field) {
                std::memcpy(field, before.c_str(), before.size() + 1);
                ReadBack(cell, field);
                text = field;
            }
            Edit_Show(cell, text.c_str());
        }
    }
    if (t.Committed) t.Committed(cell, text.c_str());
    return kept;
}

void Edit_Focus(const TEditCell& cell) {
    if (TControl* c = cell.Control()) c->SetFocus();
}

void Edit_Show(const TEditCell& cell, const char* text) {
    TControl* c = cell.Control();
    if (auto* box = dynamic_cast<TCheckBox*>(c)) {
        const TNotifyEvent click = box->OnClick;
        box->OnClick = nullptr;
        box->SetChecked(Num_ReadInt(text) != 0);
        box->OnClick = click;
    } else if (auto* edit = dynamic_cast<TEdit*>(c)) {
        edit->SetText(text);
    }
}

void Edit_Uncommitted() { Flag_EnterCommitted = false; }

void Edit_TrimFocused(const TEditTable& table) {
    const TControl* focused = Ui_Form() ? Ui_Form()->ActiveControl() : nullptr;
    if (!focused) return;
    for (int i = 0; i < static_cast<int>(table.Rows.size()); ++i)
        for (int r = 0; r < table.Family; ++r) {
            const TEditCell cell{&table, i, r};
            if (cell.Name() != focused->Name()) continue;
            if (table.Trim) Edit_Trim(cell.Edit(), cell.Spec().Width);
            return;
        }
}

void Edit_Trim(TEdit* edit, int width) {
    if (!edit) return;
    // Str_Trim rewrites its source: it works on a copy of the text.
    std::vector<char> source(edit->Text().begin(), edit->Text().end());
    source.push_back('\0');
    std::vector<char> trimmed(static_cast<size_t>(width) + 1);
    Str_Trim(source.data(), trimmed.data(), width);
    edit->SetText(trimmed.data());
}
