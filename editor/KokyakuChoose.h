// The customer chooser of the document editor: "一覧" beside the customer
// name opens a list of the customers by their two name lines, twenty to a
// page; a click on a row copies that customer's names and honorific into the
// document's header and closes it. While it is open it holds the keys
// through a hidden key catcher under the focus lock, F7 and F8 (PageUp,
// PageDown, the arrows, the bar) page it, and on closing the focus goes back
// to the field that had it.
#pragma once

#include "editor/Header.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TForm;
struct TScreen;

constexpr int KokyakuChoose_Rows = 20;

// The page over the customers, paged only while they are more than a page;
// the last page ends with the last customer.
extern TListWindow KokyakuChoose_Window;
extern int& KokyakuChoose_Top;  // the 0-based index of the customer in row 0; kept while closed
extern int& KokyakuChoose_Row;  // the row of the last pick
// The focus code it gives the focus back to when it closes: the code that
// had it when it opened (customer name 1, 1120, before it ever opened).
constexpr int KokyakuChoose_FirstReturn = Header_Rows[0].Code;
extern int KokyakuChoose_CodeSaved;
// Its share of the focus lock while it is open.
extern const TLockHolder Lock_KokyakuChoose;

// The key catcher: code 1040, which looks at no lock, since it is what the
// lock keeps the focus in. Its focus-in only ever turns page keys off; F7
// and F8 (PageUp, PageDown) page, and every other key does nothing.
bool KokyakuChoose_CommandKey(const TEditCell& cell, Word key);
void KokyakuChoose_CommandEntered(const TEditCell& cell);
inline constexpr TEditRow KokyakuChoose_CommandRows[] = {
    {.Edit = "Edit_Panel_ChooseKokyaku_Command", .Code = 1040, .Input = TEditInput::Keys},
};
inline constexpr TEditTable KokyakuChoose_CommandTable{
    .Rows = KokyakuChoose_CommandRows,
    .Lock = false,
    .Trim = false,
    .FunctionKeys = false,  // its own: KokyakuChoose_CommandKey
    .Entered = KokyakuChoose_CommandEntered,
    .Key = KokyakuChoose_CommandKey,
};

// Its controls ("一覧" on the editor, the panel's rows, arrows, close label
// and key catcher) and their handlers.
void KokyakuChoose_CreateControls(TForm& form);
bool KokyakuChoose_Shown();
// Its record: over the editor while shown; F7 and F8 page it.
extern const TScreen KokyakuChoose_Screen;

// Paints the 20 rows from KokyakuChoose_Top: names 1 and 2 of each customer
// as stored, 40 blanks each past the last one. Leaves Kokyaku_CurRec at the
// last customer read and the customer field strings as the last row left them.
void KokyakuChoose_ShowPage();

// The page moves, with the F7 and F8 states of the bar.
void KokyakuChoose_PrePageKey();
void KokyakuChoose_NextPageKey();
// Copies customer KokyakuChoose_Top + KokyakuChoose_Row + 1, read from the
// file now, into the document: names into fields 2 and 3 and their edits,
// the honorific into field 2219 ("様" when blank) and the header's label.
// false, with nothing changed, when the record cannot be read.
bool KokyakuChoose_Decide();
// Closes after a pick or by "閉じる": the editor's F7 and F8 captions back,
// the lock released, and the focus back to the field that had it.
void KokyakuChoose_Close();
