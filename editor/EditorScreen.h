// The document editor as a screen of the shell: its number, its record (bar,
// keys, choosers), its part of the focus-code table, its start, and what the
// folders above it ask of it.
#pragma once

#include <string>

#include "editor/GridColumns.h"
#include "editor/Header.h"
#include "editor/KokyakuChoose.h"
#include "ui/Focus.h"

class TForm;

constexpr int Job_Denpyou = 0;  // the first screen of the menu
inline constexpr const char* Denpyou_Panel = "Panel_Denpyou";  // the screen's panel, for the controls others lay on it

// The editor's focus codes: the customer chooser's key catcher (1040), the
// number (1110) and the header (1120 ... 1230, Return order) and the grid
// (editor/GridColumns.h: row by row, each row's cells in the order of their
// codes, not the screen's). Its print margins are the print's
// (print/PrintMargins.h).
constexpr void Denpyou_FocusCodes(TFocusCodes& codes) {
    Edit_AddCodes(codes, KokyakuChoose_CommandTable);
    codes.Add(1110, "Edit_DenpNo");
    Edit_AddCodes(codes, Header_Table);
    for (int r = 1; r <= Denpyou_GridRows; ++r)
        for (TGridColumnNo c : Grid_ColumnsByCode) codes.Add(Grid_CellCode(c, r - 1), Grid_Column(c).Prefix, r);
}

// The editor's captions of F1 ... F9 (header and new document).
void Denpyou_SetCaptions();
// The editor holds a stored document (record 1 ... Denpyou_Count).
bool Denpyou_IsStored();
// A new empty document numbered Denpyou_LastNo + 1 as record
// Denpyou_Count + 1: its header, lines, record number, count and kind
// shown; the grid's window and the focus stay.
void Denpyou_ShowNewDocument();

// The editor's controls (editor/DenpyouControls.cpp), its records with its
// product and customer choosers, its start (after the own company's, which
// shows its captions): the special-line buttons placed, the customer
// chooser's page, the documents counted and a new empty document numbered
// Denpyou_LastNo + 1.
void Denpyou_CreateControls(TForm& form);
void Denpyou_Register();
void Denpyou_Start();
// The exit's last sort: the deleted documents purged when
// "終了時に削除伝票を完全削除" is ticked; a purge that fails is told (the
// deleted documents stay), and the exit goes on.
void Denpyou_ExitPurge();

// ---- what the folders above ask of the editor
// The print preview, which lies over the editor: F3 resets its captions
// every time and opens it when the document may be printed.
struct TDenpyouPreview {
    void (*Reset)() = nullptr;
    void (*Open)() = nullptr;
};
void Denpyou_SetPreview(const TDenpyouPreview& preview);
// A document is being typed (the exit asks before it ends the program):
// its customer name line 1, as committed, does not begin with a blank
// (every stored document the program wrote), or it holds work since it was
// shown (editor/DenpyouTyped.h), an edit's text not yet committed included.
bool Denpyou_BeingTyped();
// The kind button checked: 0 estimate, 1 invoice, 2 breakdown, 3 request;
// -1 when none is (or there is no window).
int Denpyou_KindShown();
// The honorific the header shows (Label_DenpKeisyou; the document's own
// field without a window).
std::string Denpyou_KeisyouShown();
// The focus to customer name 1.
void Denpyou_FocusHeader();
// A stored document read into the buffers by another screen, shown as the
// document n it is: its record number, header, kind and lines.
void Denpyou_ShowOpened(int n);
// The captions the own-company record gives the editor: the construction
// name's and site's, the user lines' and the special lines'.
void Denpyou_ShowCaptions();
// The last document number was set anew (the own-company screen): a new
// document in the editor takes the number after it, in its field and its
// number edit; a stored one keeps its own.
void Denpyou_LastNoChanged();
