// The category chooser (Panel_ChooseHinsyu): the category list 25 entries a
// page over the screen that opens it, with a cursor. While it is open it
// holds the focus in its command edit under the focus lock, and takes its
// keys, the bar's commands and the wheel.
//
// It serves the screens that registered as its hosts, each in its own way:
// - the product screen: a check mark per entry shows whether the product
//   under the product screen's cursor belongs to the category, and a click,
//   Return or Space flips that membership, which the host writes at once;
// - the document editor: no marks; a click on a named entry, or Return,
//   picks it for the editor's product chooser and closes.
// A row stands for a list position; a membership is addressed by the
// entry's number (store/Hinsyu.h). An entry whose number is damaged (outside
// 1 ... 100) is not painted: its row keeps what it showed, and the help line
// says "商品属性設定エラー"; it ignores clicks and keys.
#pragma once

#include "platform/Types.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TForm;
struct TScreen;

// A screen the chooser opens over. Every hook is optional.
struct THinsyuChooseHost {
    int Job;
    int Left, Top;  // where the panel stands over the screen
    // The bar's keys (Command_Keys) turned off while it is open and on again
    // once it has closed or picked (the editor: F3 ... F6).
    unsigned KeysOff = 0;
    // The marks: the flags (Syouhin_FlagCount bytes) of the product served,
    // read when the chooser opens or is refreshed and after a write that
    // failed; false when no product is served (none under the cursor, or it
    // cannot be read): no marks then, and the toggles do nothing. A host
    // without it picks instead.
    bool (*ReadFlags)(char* flags) = nullptr;
    // A flag flipped: the host stores the flags and shows them in its row;
    // false when they were not written (the host has told the user), and the
    // chooser shows what the host reads back.
    bool (*WriteFlags)(const char* flags) = nullptr;
    // A pick of the entry at list position (0 ... 99), once the chooser has
    // closed and before the focus goes back.
    void (*Picked)(int position) = nullptr;
    void (*Focused)() = nullptr;  // the command edit took the focus (the host's bar for it)
    void (*Closed)() = nullptr;   // closed without a pick, before the focus goes back
    // F3 and F4: the host's cursor a row up or down (refreshing the chooser
    // when it moved: HinsyuChoose_Refresh); F7 and F8: a page of the host
    // back or on, after which the chooser shows its first entry again.
    void (*RowUp)() = nullptr;
    void (*RowDown)() = nullptr;
    void (*PageBack)() = nullptr;
    void (*PageOn)() = nullptr;
};
// Registered by each screen it opens over (with static storage); a host of
// the same screen replaces the one before.
void HinsyuChoose_SetHost(const THinsyuChooseHost& host);

constexpr int HinsyuChoose_Rows = 25;

// The page over the 100 positions: "▲" and "▼" keep the cursor's row, but
// cut short at the first or the last page they put it on that page's first
// or last row.
extern TListWindow HinsyuChoose_Window;
extern int& HinsyuChoose_Top;  // list position of row 0, 0 ... 75
extern int& HinsyuChoose_Row;  // cursor row 0 ... 24
// The focus code the chooser gives the focus back to when it closes: set by
// what it serves (the editor's description cells, the product rows); before
// that, the product screen's first name (5010).
extern int HinsyuChoose_CodeSaved;
// Its share of the focus lock while it is open.
extern const TLockHolder Lock_HinsyuChoose;

// Whether it is open.
bool HinsyuChoose_Shown();
// Opens it over the screen shown (placed and laid out for its host, the
// lock taken, the host's KeysOff off), or keeps it open; its cursor on list
// position (0 ... 99; any other value: the first), the focus in its command
// edit, the page painted for what it serves.
void HinsyuChoose_Open(int position);
// Closes it without a pick: the host's Closed, the focus back to
// HinsyuChoose_CodeSaved, the host's keys on again.
void HinsyuChoose_Close();
// From its first entry again, for what the host serves now (its flags read
// again).
void HinsyuChoose_Refresh();
// The focus back into its command edit.
void HinsyuChoose_TakeFocus();

void HinsyuChoose_ShowPage();  // the 25 rows from HinsyuChoose_Top, the marks from the flags held
void HinsyuChoose_MarkLine();  // the cursor frame on HinsyuChoose_Row
void HinsyuChoose_LineUp();    // the cursor an entry up (the page scrolls at row 0)
void HinsyuChoose_LineDown();  // the cursor an entry down (the page scrolls at row 24)
void HinsyuChoose_PrevPage();  // "▲": 25 entries back, or the first page
void HinsyuChoose_NextPage();  // "▼": 25 entries on, or the last page

// The command edit: a key catcher (code 1030) that looks at no lock, since
// it is what the lock keeps the focus in.
bool HinsyuChoose_CommandKey(const TEditCell& cell, Word key);
void HinsyuChoose_CommandEntered(const TEditCell& cell);
inline constexpr TEditRow HinsyuChoose_CommandRows[] = {
    {.Edit = "Edit_Panel_ChooseHinsyu_Command", .Code = 1030, .Input = TEditInput::Keys},
};
inline constexpr TEditTable HinsyuChoose_CommandTable{
    .Rows = HinsyuChoose_CommandRows,
    .Lock = false,
    .Trim = false,
    .FunctionKeys = false,  // its own: HinsyuChoose_CommandKey
    .Entered = HinsyuChoose_CommandEntered,
    .Key = HinsyuChoose_CommandKey,
};

// Its controls on Panel_ChooseHinsyu, their handlers bound.
void HinsyuChoose_CreateControls(TForm& form);
// Its record: in force over a host's screen while it is open.
extern const TScreen HinsyuChoose_Screen;
// A new window: closed, nothing served.
void HinsyuChoose_Reset();
