// The commands of the document editor: store, delete or restore, new,
// previous and next document, delete a line, the half-page moves of the
// grid and the kind buttons. Each one tests its own conditions (its key's
// flag in Command_Enabled, the screen, the document) and does nothing when
// they do not hold, so a key or label may reach it from anywhere.
#pragma once

class TForm;

// F1: stores the document under its record (a new one after the last, its
// number written through to the own-company record first) and shows a new
// empty document. Nothing while F1 is off or customer name 1 is blank. A
// write that fails leaves the document, the count and the last number as
// they were, in memory and in the files, says which file could not be
// written ("Denpyou.620を保存できませんでした。") and keeps the document in
// the editor; so does a new document once the last number has used up the
// number field's ten digits, or is not known (numbers never repeat).
// Returns whether the document was stored.
bool Denpyou_Store();
// F6 on a stored document (editor screen, F6 on) whose customer name 1 does
// not start with a blank and whose total is not 0: the document as the
// editor holds it, every committed field, is appended as a copy under the
// next number (written through to the own-company record first, as F1 does
// for a new document); the editor then holds a new empty document numbered
// after the copy. The grid's window, the focus and the bar stay as they
// were. A copy that cannot be numbered (the ten digits used up) or written
// leaves the document, the count and the last number as they were and
// says which file it could not be written to. Returns whether copied.
bool Denpyou_Copy();
// F2 on a stored document (editor screen): marks it deleted, or restores it
// with a blank kind, and writes it at once. A write that fails leaves the
// mark as it was on disk and in memory, and says so.
void Denpyou_DeleteOrRestore();
// F9: a new empty document numbered Denpyou_LastNo + 1, and the header's bar.
void Denpyou_New();
// F7 / F8 from a header field: the previous / next stored document; past the
// last one a new document (through Command_F9).
void Denpyou_ShowBefore();
void Denpyou_ShowNext();
// F4 in a detail cell: removes the cursor line, moves the lines below it up
// and recalculates the special lines and the total.
void Denpyou_DeleteLine();
// F5 in a detail cell: a blank line at the cursor line, the lines from there
// on one place down (line 200 drops off; the total is worked out again only
// when it held something), the cursor row's description bare for typing.
// Nothing without a cursor row.
void Denpyou_InsertLine();
// The grid's window ten lines back or forward (the half-page labels, F5 and
// F6 with a chooser open).
void Denpyou_DetailPrePage();
void Denpyou_DetailNextPage();

// The kind buttons: the document kind := the button's DenpyouKind_* while the
// button is enabled.
void RadioButton_MitumoriClick();
void RadioButton_SeikyuuClick();
void RadioButton_UtiwakeClick();
void RadioButton_IraiClick();
void Label_Denpyou_BeforePageClick();
void Label_Denpyou_NextPageClick();

// Binds the kind buttons' and the half-page labels' clicks and the total
// label's press and release (window built).
void Denpyou_BindCommands(TForm& form);
