// The edit protocol: every input of a screen is declared as a row of a table
// (its edit, focus code, frame, field and width, how its text is stored,
// where Return and Home go), and one set of handlers runs it:
//
// - focus-in: while a chooser or the exit question holds the lock the focus
//   goes back (Focus_Locked); the screen's own checks (Enter) may refuse;
//   the code is taken (Focus_Take, which clears Flag_EnterCommitted); the
//   edit shows its bare value (Edit_Trim); its frame turns red. (A check
//   box outside the codes has no focus-in.)
// - Return: the text is committed (below), Flag_EnterCommitted set so that
//   the focus-out that follows commits nothing more, and the focus goes on.
//   When it stays (the next input refused it, or the value was refused),
//   the flag is cleared again: the next focus-out commits what the edit then
//   shows; a row may keep it set after a refusal (RefusedStaysCommitted).
// - focus-out: the text is committed unless Return did; the frame rests black.
// - the commit: the text laid into the field's width by the row's input
//   (left- or right-aligned, a date part in its range or blanks, a check
//   box's '1' or blank, a radio button's value), checked by the screen
//   (Check: it may give its own text, or refuse the commit, which then stores
//   nothing), shown so in the edit, copied into the field string and written
//   through to its record file (File). A write that fails tells the user
//   「<file>を保存できませんでした。」, and the edit and the field string show
//   what the file holds again: nothing on screen claims a change the file
//   lacks. A radio button of a group that stores as it is chosen commits on
//   focus-in only (CommitOnEnter).
// - Home goes back; the other function keys and Esc go on to the commands
//   (ui/Commands.h); the screen's own keys come first (Key).
//
// A worked example, the two print margins of a screen (print/PrintMargins):
//
//     constexpr TEditRow Margin_Rows[] = {
//         {.Edit = "Edit_Panel_Denpyou_LeftMargine", .Code = 9720,
//          .Frame = "Shape_Panel_Denpyou_LeftMargine", .Width = 2,
//          .Form = TCommitForm::Right, .Field = JisyaField_LeftMargin, .Return = 1},
//         {.Edit = "Edit_Panel_Denpyou_TopMargine", .Code = 9710,
//          .Frame = "Shape_Panel_Denpyou_TopMargine", .Width = 2,
//          .Form = TCommitForm::Right, .Field = JisyaField_TopMargin, .Return = 0},
//     };
//     const TEditTable Margin_Table{
//         .Rows = Margin_Rows,
//         .FunctionKeys = false,         // Return alone
//         .File = &Jisya_File,           // each field written through to record 1
//         .Committed = Margin_Committed, // the other screen's pair, the print's margins
//     };
//     ... in the folder's CreateControls, once its controls are built:
//     Edit_Bind(form, Margin_Table);
//
// A family of rows (a grid of edits) is one row per column with Family
// rows of controls: "Edit_PanelKokyaku_Name_1_" + "01" ... "13".
#pragma once

#include <source_location>
#include <span>
#include <string>

#include "platform/Types.h"
#include "store/Record.h"
#include "store/Str.h"
#include "ui/Focus.h"

class TControl;
class TEdit;
class TForm;

// Targets of Return and Home besides a row of the same table (by its index,
// in the same row of the family).
constexpr int Edit_Stay = -1;  // the focus stays
constexpr int Edit_Own = -2;   // the table's Move takes the focus on
constexpr int Edit_NoField = -1;

// What an input is and how its text is committed.
enum class TEditInput {
    Text,      // typed text, stored by the row's Form
    DatePart,  // a number in Min ... Max (Max 0: any but 0), right-aligned, else blanks
    Check,     // a check box: '1' when checked, else a blank
    Radio,     // a radio button: its Value, whether checked or not (the one left is the one that had the focus)
    Keys,      // a key catcher, or an input read only when used: commits nothing
};

struct TEditRow {
    const char* Edit;              // the control; of a family, its name's prefix
    int Code = 0;                  // focus code (of a family's first row); 0: takes none and ignores the lock
    const char* Frame = nullptr;   // the frame shape (of a family, the prefix); nullptr: none
    int Width = 0;                 // bytes: the field's width, the bare value's on focus-in
    TEditInput Input = TEditInput::Text;
    TCommitForm Form = TCommitForm::Left;  // Text: how the text is laid into the field
    int Min = 0, Max = 0;          // DatePart: the values kept
    int Field = Edit_NoField;      // the field it commits to (the table's Field and Write)
    int Return = Edit_Stay;        // where Return goes on to (a row of the table, Edit_Stay, Edit_Own)
    int Home = Edit_Stay;          // where Home goes back to
    // Return on a value not kept stays (a date part's edit emptied first,
    // any other edit keeping what it shows).
    bool RefusedStays = false;
    // ... and counts as committed until the focus next enters an input: the
    // edit left by the mouse then stores nothing, a second Return stores.
    bool RefusedStaysCommitted = false;
    const char* Value = nullptr;   // Radio: what it stores
    bool CommitOnEnter = false;    // committed as it takes the focus, and then neither on Return nor when left
};

struct TEditTable;
struct TEditCell;
// The code of an input of a family stepped by the table's CodeStep.
constexpr int Edit_SteppedCode(const TEditCell& cell);

// One input of a table: its row, and the row of its family (0 ...).
struct TEditCell {
    const TEditTable* Table;
    int Index;
    int Row = 0;

    constexpr const TEditRow& Spec() const;
    constexpr int Code() const;
    std::string Name() const;  // the control's name
    TControl* Control() const;
    TEdit* Edit() const;       // nullptr for a check box or a radio button
    TEditCell At(int index) const { return {Table, index, Row}; }
};

struct TEditTable {
    std::span<const TEditRow> Rows;
    int Family = 1;                              // rows of controls of each row, named Edit + "01" ...
    int CodeStep = 0;                            // a family's codes: Code + CodeStep * row ...
    int (*CodeOf)(const TEditCell& cell) = Edit_SteppedCode;  // ... or each of its own
    bool Lock = true;                            // focus-in gives way to the lock
    bool Trim = true;                            // focus-in shows the bare value
    bool FunctionKeys = true;                    // F1 ... F9 and Esc go on to the commands
    // The record file the rows' fields are in, each committed field written
    // through to it (nullptr: fields in memory only, or none).
    TRecordFile* File = nullptr;

    // ---- the screen's part, each optional
    // The field string of the row's Field (without: the file's).
    char* (*Field)(const TEditCell& cell) = nullptr;
    // The write-through of a committed field (without: the field written in
    // place into record 1 of the file): false when the file was not written.
    bool (*Write)(const TEditCell& cell, const char* text) = nullptr;
    // After a write that failed: the field strings back to what the file
    // holds (without: the field read from record 1; one that cannot be read
    // keeps the text it had before the commit).
    void (*Reload)(const TEditCell& cell) = nullptr;
    bool (*Enter)(const TEditCell& cell) = nullptr;     // focus-in, before the code: false refuses
    void (*Entered)(const TEditCell& cell) = nullptr;   // focus-in, at its end
    bool (*Key)(const TEditCell& cell, Word key) = nullptr;  // a key first: true took it
    void (*Move)(const TEditCell& cell, Word key) = nullptr; // Return or Home to Edit_Own
    // The screen's own check of a commit, given the typed text and the text
    // laid into the field's width, which it may change: false refuses it, and
    // nothing is stored (the edit keeps what it shows).
    bool (*Check)(const TEditCell& cell, const std::string& typed, std::string& text) = nullptr;
    void (*Committed)(const TEditCell& cell, const char* text) = nullptr;  // after a commit
    void (*Left)(const TEditCell& cell) = nullptr;      // after the commit of a focus-out
    // After the commit of a Return (kept: its value was kept), before the
    // focus moves on.
    void (*Returned)(const TEditCell& cell, bool kept) = nullptr;
};

constexpr const TEditRow& TEditCell::Spec() const { return Table->Rows[static_cast<size_t>(Index)]; }
constexpr int TEditCell::Code() const { return Table->CodeOf(*this); }
constexpr int Edit_SteppedCode(const TEditCell& cell) {
    return cell.Spec().Code ? cell.Spec().Code + cell.Table->CodeStep * cell.Row : 0;
}

// The table's part of the focus codes (a folder's FocusCodes adds it): each
// input that has a code, by its name.
constexpr void Edit_AddCodes(TFocusCodes& codes, const TEditTable& table) {
    for (int i = 0; i < static_cast<int>(table.Rows.size()); ++i)
        for (int r = 0; r < table.Family; ++r) {
            const TEditCell cell{&table, i, r};
            if (const int code = cell.Code()) codes.Add(code, cell.Spec().Edit, table.Family > 1 ? r + 1 : 0);
        }
}

// Binds the handlers of every input of the table, looked up loudly among the
// calling folder's controls (ui/Ui.h: Ui_Built). The table has static storage.
void Edit_Bind(TForm& form, const TEditTable& table, std::source_location where = std::source_location::current());

// The handlers (bound by Edit_Bind).
void Edit_Enter(const TEditCell& cell);
void Edit_Exit(const TEditCell& cell);
void Edit_KeyDown(const TEditCell& cell, Word key);
void Edit_Click(const TEditCell& cell);

// The commit of an input (see above). Returns whether its value was kept
// (false: a date part out of its range, committed as blanks, or a value the
// table's Check refused, not committed).
bool Edit_Commit(const TEditCell& cell);
// The focus to the input.
void Edit_Focus(const TEditCell& cell);
// Shows a field's text in the input without committing it (a check box is
// checked when the text reads as a number but 0; its click does not run).
void Edit_Show(const TEditCell& cell, const char* text);
// The focused input's next focus-out commits what it shows (a chooser has
// put a value in it).
void Edit_Uncommitted();
// The input of the table that holds the focus, when one does, shows its bare
// value again, as its focus-in showed it (the screen was repainted under it).
void Edit_TrimFocused(const TEditTable& table);

// The edit's text without leading and trailing blanks and line feeds, cut
// to width bytes, so that the user edits the bare value.
void Edit_Trim(TEdit* edit, int width);
