// The document commands: store, delete or restore, new, previous and next.
#include "editor/DenpyouCommands.h"

#include <cstring>
#include <string>

#include "document/Calc.h"
#include "document/DenpyouNumber.h"
#include "document/Document.h"
#include "store/Number.h"
#include "editor/DenpyouTyped.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "editor/LineCalc.h"
#include "store/Denpyou.h"
#include "store/DenpyouReopen.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/EditTable.h"
#include "ui/Job.h"
#include "ui/Message.h"
#include "ui/PressLook.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// The kind buttons in the order the store tests them, with their kinds.
struct TKindButton {
    const char* Name;
    char Kind;
};
constexpr TKindButton Kind_Buttons[] = {
    {"RadioButton_Mitumori", DenpyouKind_Mitumori},
    {"RadioButton_Seikyuu", DenpyouKind_Seikyuu},
    {"RadioButton_Utiwake", DenpyouKind_Utiwake},
    {"RadioButton_Irai", DenpyouKind_Irai},
};

// A store that did not happen: the user is told which file it could not be
// written to, and the document stays in the editor as it is.
bool NotStored(const char* path) {
    Message_NotSaved(path);
    return false;
}

void SetNumberLabel(const char* name, int n) {
    if (TLabel* l = Ui_Label(name)) l->SetCaption(std::to_string(n));
}

const char* EditText(const char* name) {
    TEdit* e = Ui_Edit(name);
    return e ? e->Text().c_str() : "";
}

// The first customer-name edit with its text trimmed, and the focus in it.
void FocusFirstHeaderField() {
    TEdit* e = Ui_Edit("Edit_DenpKokyakuName_1");
    if (!e) return;
    Edit_Trim(e, Denpyou_FieldWidth[DenpyouField_KokyakuName_1]);
    e->SetFocus();
}

// A new empty document at the top of the grid.
void ShowEmptyDocument() {
    Denpyou_CurRow = 0;
    Denpyou_TopLine = 0;
    Denpyou_ShowNewDocument();
    FocusFirstHeaderField();
}

// Writes the joined document as record Denpyou_CurRec, a new one (appended)
// under the next number, which reaches the own-company file first: a run
// that ends between the two writes loses a number, but never gives one
// twice. Once written it is counted, the count and the tidy-up state taken
// anew and the screens told. Returns the file that could not be written
// (nothing changed then), or nullptr.
const char* WriteDocument(bool appended) {
    if (appended && !Denpyou_ReserveNextNo()) return Jisya_File.FileName;
    if (!Denpyou_WriteRecord(Denpyou_CurRec)) {
        if (appended) Denpyou_ReleaseNextNo();
        return Denpyou_File.FileName;
    }
    if (appended) {
        ++Denpyou_Count;
        ++Denpyou_LastNo;
    }
    Denpyou_OpenAfterStore();
    Screen_DocumentsCounted();  // the tidy-up notice
    return nullptr;
}

// A two-character date part typed in the creation-date edits: the text
// right-aligned when its value lies in lo ... hi, else blanks.
void CommitDatePart(const char* edit, int lo, int hi, char* field) {
    const std::string text = Num_DatePartText(EditText(edit), 2, lo, hi);
    std::memcpy(field, text.c_str(), text.size() + 1);
}

// A document without a creation year takes it from the era-year edit, with
// the month and day edits, as it is stored.
void CompleteCreationDate() {
    if (Num_ReadInt(Denpyou_Field[DenpyouField_MakeYear]) != 0) return;
    CommitDatePart("Edit_DenpMakeMonth", 1, 12, Denpyou_Field[DenpyouField_MakeMonth]);
    const int era = Num_ReadDatePart(EditText("Edit_DenpMakeYear"));
    int year = era < 27 ? 2018 + era : 1988 + era;  // Reiwa below 27, Heisei from 27
    if (era == 32 && Num_ReadInt(Denpyou_Field[DenpyouField_MakeMonth]) >= 5) year = 2018 + era;
    Num_WriteInt(Denpyou_Field[DenpyouField_MakeYear], 4, year);
    CommitDatePart("Edit_DenpMakeDay", 1, 31, Denpyou_Field[DenpyouField_MakeDay]);
}

// Shows record n of the file in the editor. A record that cannot be read
// leaves the editor as it was and returns false.
bool ShowRecord(int n) {
    // (Record_Read, unlike Denpyou_ReadRecord, tells whether it read: the
    // buffer of a failed read still holds another document, which a later
    // store would write under this record.)
    if (!Record_Read(Denpyou_File, n)) return false;
    Denpyou_CurRow = 0;
    Denpyou_TopLine = 0;
    Denpyou_CurRec = n;
    Denpyou_SplitRecord();
    Utiwake_Kind = Num_ReadInt(Denpyou_Field[DenpyouField_UtiwakeKind]);
    Kokyaku_LoadByName(Denpyou_Field[DenpyouField_KokyakuName_1], Denpyou_Field[DenpyouField_KokyakuName_2]);
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
    SetNumberLabel("Label_DenpyouRec", Denpyou_CurRec);
    Denpyou_ShowKind();
    Denpyou_ForgetTyped();
    FocusFirstHeaderField();
    return true;
}

}  // namespace

bool Denpyou_Store() {
    if (!Command_IsEnabled(vk::F1)) return false;
    const char first = Denpyou_Field[DenpyouField_KokyakuName_1][0];
    if (first == ' ' || first == '\0') return false;  // only documents with a customer are stored

    // A new document goes right after the last record, never further on,
    // which would leave a gap of zero bytes in the file.
    if (Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count + 1) Denpyou_CurRec = Denpyou_Count + 1;
    // A new document needs a number of its own: after the last one the
    // field's ten digits can hold, it stays in the editor unstored, as after
    // a failed write, rather than repeat a number.
    const bool appended = Denpyou_CurRec > Denpyou_Count;
    if (appended && !Denpyou_NextNoFits()) return NotStored(Denpyou_File.FileName);
    if (Denpyou_Field[DenpyouField_Kind][0] != DenpyouKind_Deleted)
        for (const auto& b : Kind_Buttons)
            if (TRadioButton* r = Ui_RadioButton(b.Name); r && r->Checked()) {
                Denpyou_Field[DenpyouField_Kind][0] = b.Kind;
                Denpyou_Field[DenpyouField_Kind][1] = '\0';
                break;
            }
    CompleteCreationDate();

    // The join writes blanks for a field's NUL and whatever follows it, so
    // neither a NUL nor an old tail reaches the file.
    Denpyou_JoinRecord();
    if (const char* failed = WriteDocument(appended)) return NotStored(failed);
    ShowEmptyDocument();
    return true;
}

bool Denpyou_Copy() {
    if (!Command_IsEnabled(vk::F6) || Job_Current != Job_Denpyou || !Denpyou_IsStored()) return false;
    const char first = Denpyou_Field[DenpyouField_KokyakuName_1][0];
    if (first == ' ' || first == '\0' || Num_ReadLong(Denpyou_Field[DenpyouField_Goukei]) == 0) return false;
    // The copy takes a number of its own, as a new document stored by F1
    // does, or is not made.
    if (!Denpyou_NextNoFits()) return NotStored(Denpyou_File.FileName);

    const int from = Denpyou_CurRec;
    const std::string number = Denpyou_Field[DenpyouField_No];
    Denpyou_CurRec = Denpyou_Count + 1;
    Denpyou_PutNextNo();
    Denpyou_JoinRecord();
    if (const char* failed = WriteDocument(true)) {
        // The document stays in the editor as the stored one it is.
        Denpyou_CurRec = from;
        std::memcpy(Denpyou_Field[DenpyouField_No], number.c_str(), number.size() + 1);
        return NotStored(failed);
    }
    // A new empty document after the copy; the grid's window, the focus and
    // the bar stay, the focused field or cell bare for typing.
    Denpyou_ShowNewDocument();
    Edit_TrimFocused(Header_Table);
    Grid_TrimFocused();
    return true;
}

void Denpyou_DeleteOrRestore() {
    if (!Command_IsEnabled(vk::F2) || !Denpyou_IsStored() || Job_Current != Job_Denpyou) return;
    char* kind = Denpyou_Field[DenpyouField_Kind];
    const char was = kind[0];
    kind[0] = was == DenpyouKind_Deleted ? DenpyouKind_None : DenpyouKind_Deleted;
    kind[1] = '\0';
    Denpyou_JoinRecord();
    if (!Denpyou_WriteRecord(Denpyou_CurRec)) {
        kind[0] = was;  // the file keeps the old mark, and so does the editor
        Message_NotSaved(Denpyou_File.FileName);
        return;
    }
    Denpyou_NoteWrite();
    Denpyou_ShowKind();
}

void Denpyou_FocusHeader() {
    if (TControl* c = Ui_Control("Edit_DenpKokyakuName_1")) c->SetFocus();
}

void Denpyou_ShowNewDocument() {
    Denpyou_CurRec = Denpyou_Count + 1;
    Denpyou_ClearRecord();
    Denpyou_PutNextNo();
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
    SetNumberLabel("Label_DenpyouRec", Denpyou_CurRec);
    SetNumberLabel("Label_DenpyouDs", Denpyou_Count);
    Denpyou_ShowKind();
    Denpyou_ForgetTyped();
}

void Denpyou_ShowOpened(int n) {
    Denpyou_CurRec = n;
    SetNumberLabel("Label_DenpyouRec", n);
    Denpyou_ShowHeader();
    Denpyou_ShowKind();
    Denpyou_ShowLines();
    Denpyou_ForgetTyped();
}

void Denpyou_ExitPurge() {
    TCheckBox* purge = Ui_CheckBox("CheckBox_CompleteDelete");
    if (!purge || !purge->Checked()) return;
    // Either way the document file is as it was, and the exit goes on.
    switch (Denpyou_PurgeDeleted()) {
        case TPurgeResult::Done: break;
        case TPurgeResult::NotRead: Message_NotRead(Denpyou_File.FileName); break;
        case TPurgeResult::NotWritten: Message_CheckSaved(Denpyou_File.FileName, false); break;
    }
}

void Denpyou_New() {
    if (!Command_IsEnabled(vk::F9)) return;
    if (Job_Current == Job_Denpyou) ShowEmptyDocument();

    Command_EnableAll(true);
    for (Word key : {vk::F2, vk::F4, vk::F5, vk::F6, vk::F8, vk::F9}) Command_Enable(key, false);
    Command_ShowEnabled();
    Denpyou_SetCaptions();
}

void Denpyou_ShowBefore() {
    Utiwake_Kind = 0;
    if (!Command_IsEnabled(vk::F7) || Denpyou_CurRec <= 1 || Job_Current != Job_Denpyou) return;
    ShowRecord(Denpyou_CurRec - 1);
}

void Denpyou_ShowNext() {
    Utiwake_Kind = 0;
    if (!Command_IsEnabled(vk::F8) || Denpyou_CurRec >= Denpyou_Count + 1 || Job_Current != Job_Denpyou) return;
    if (Denpyou_CurRec + 1 == Denpyou_Count + 1) {
        // Past the last stored document: a new one.
        Denpyou_CurRow = 0;
        Denpyou_TopLine = 0;
        Denpyou_CurRec = Denpyou_Count + 1;
        Command_F9();
        return;
    }
    ShowRecord(Denpyou_CurRec + 1);
}

namespace {

void KindClick(const char* button, char kind) {
    TRadioButton* r = Ui_RadioButton(button);
    if (!r || !r->Enabled()) return;
    Denpyou_Field[DenpyouField_Kind][0] = kind;
    Denpyou_Field[DenpyouField_Kind][1] = '\0';
}

}  // namespace

void RadioButton_MitumoriClick() { KindClick("RadioButton_Mitumori", DenpyouKind_Mitumori); }
void RadioButton_SeikyuuClick() { KindClick("RadioButton_Seikyuu", DenpyouKind_Seikyuu); }
void RadioButton_UtiwakeClick() { KindClick("RadioButton_Utiwake", DenpyouKind_Utiwake); }
void RadioButton_IraiClick() { KindClick("RadioButton_Irai", DenpyouKind_Irai); }
void Label_Denpyou_BeforePageClick() { Denpyou_DetailPrePage(); }
void Label_Denpyou_NextPageClick() { Denpyou_DetailNextPage(); }

void Denpyou_BindCommands(TForm& form) {
    struct TBinding {
        const char* Name;
        void (*Click)();
    };
    static constexpr TBinding bindings[] = {
        {"RadioButton_Mitumori", RadioButton_MitumoriClick},
        {"RadioButton_Seikyuu", RadioButton_SeikyuuClick},
        {"RadioButton_Utiwake", RadioButton_UtiwakeClick},
        {"RadioButton_Irai", RadioButton_IraiClick},
        {"Label_Denpyou_BeforePage", Label_Denpyou_BeforePageClick},
        {"Label_Denpyou_NextPage", Label_Denpyou_NextPageClick},
    };
    for (const auto& b : bindings) Ui_Built(form, b.Name).OnClick = [click = b.Click](TControl*) { click(); };
    // The half-page labels turn red while pressed.
    static constexpr const char* buttons[][2] = {{"Shape_Denpyou_BeforePage", "Label_Denpyou_BeforePage"},
                                                 {"Shape_Denpyou_NextPage", "Label_Denpyou_NextPage"}};
    for (const auto& button : buttons)
        PressLook_Button(Ui_Built<TShape>(form, button[0]), Ui_Built<TLabel>(form, button[1]));
    // The total label shows the purchase-cost total while it is held down.
    TControl& goukei = Ui_Built(form, "Label_Goukei");
    goukei.OnMouseDown = [](TControl*, TMouseButton, TShiftState, int, int) { Label_GoukeiMouseDown(); };
    goukei.OnMouseUp = [](TControl*, TMouseButton, TShiftState, int, int) { Label_GoukeiMouseUp(); };
}
