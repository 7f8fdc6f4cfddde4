// The last document number (Denpyou_LastNo) and the own-company field that
// stores it. A new document takes the number after it; that number reaches
// the own-company file before the document is stored under it, so that no
// number is ever given twice, also when the program ends without its exit
// (a kill, a crash, a power loss). The exit writes the number once more with
// the whole own-company record.
#pragma once

#include <cstdint>
#include <optional>

// Whether the last number is known. False when the own-company file stood
// there but could not be read, or its number was blank or damaged and the
// last stored document's number could not be read: no new document is
// numbered then, and the exit leaves the stored number as it is.
extern bool Denpyou_LastNoKnown;

// Start-up, once the own-company record is loaded and the documents are
// counted: Denpyou_LastNo := own-company field 13. Where that field holds no
// number as the own-company screen writes one (blanks, an optional sign and
// ASCII digits: Num_IsWholeInt), because the file was missing, never held a
// number or was damaged (letters, full-width digits, blanks between the
// digits), while documents are stored, the number of the last stored
// document is taken instead, so that numbering does not start again beside
// them. A number that the field holds, 0 and below included, is kept as it
// stands. Only memory changes: the file gets the number with the next new
// document or the exit.
void Denpyou_LoadLastNo();
// Denpyou_LastNo := own-company field 13 as it stands, and
// Denpyou_LastNoKnown := known: start-up's first step, and a number stored
// by Return in that field on the own-company screen (known).
void Denpyou_TakeLastNo(bool known);
// Whether a new document can be numbered Denpyou_LastNo + 1: the last number
// is known, and the next fits the ten digits of the number field.
bool Denpyou_NextNoFits();
// A new document is about to be stored under Denpyou_LastNo + 1: that number
// goes into own-company field 13, in memory and written through to the file
// (journaled). false when it could not be written: memory and file as they
// were. Denpyou_LastNo itself goes up only once the document is stored.
bool Denpyou_ReserveNextNo();
// The document could not be stored under the reserved number: field 13 gets
// back the bytes it held before, in memory and in the file.
void Denpyou_ReleaseNextNo();
// The document's number field := Denpyou_LastNo + 1 ("%10ld"): the number a
// new document in the editor shows and is stored under.
void Denpyou_PutNextNo();
// Own-company field 13 := Denpyou_LastNo ("%10ld") in memory, for the exit's
// write of the whole record; nothing while the last number is not known.
void Denpyou_PutLastNo();

// A restore must not leave a last number below the number of a document
// that the document file holds after it, or the next new document would
// take that number again. The lowest last number it may leave where the
// documents stay: the number of the last document in the document file as
// it stands on the disk, read as start-up reads it; none when the file
// holds no document. false when the file stands there but that number
// cannot be read.
bool Denpyou_StoredLastNo(std::optional<std::int64_t>& no);
// The number of a document record (its bytes), read as start-up reads the
// last stored one's: where the documents come back, their copy's last.
std::int64_t Denpyou_NoIn(const char* record);
// The own-company record's bytes (as a copy holds them): a last number
// below no, written as the own-company screen writes one, becomes no
// ("%10ld"). Blank or damaged, it stays: start-up takes the last stored
// document's number for it. Returns whether the number was raised.
bool Denpyou_RaiseLastNoIn(char* record, std::int64_t no);
