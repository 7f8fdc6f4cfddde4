// The document file's count and tidy-up state after the editor has written
// one document, without reading the file again.
#pragma once

// The document in memory (Denpyou_RecBuf) has just been written in place as
// record Denpyou_CurRec by the delete/restore command, which does not
// recount: its creation year is kept for the next count, and its list fields
// (store/DenpyouListFields.h) for the next search.
void Denpyou_NoteWrite();
// The document in memory (Denpyou_RecBuf) has just been stored as record
// Denpyou_CurRec: its list fields are kept for the next search; leaves
// Denpyou_Count, Seiri_Year, Seiri_Mode and JisyaField_Hozon exactly as
// Denpyou_Open would, and clears the document buffers. The count is the
// file's size; the tidy-up state follows from the creation years kept since
// the last count and the one just written, in constant time. The file is read again (Denpyou_Open)
// only when the kept years may not match it: after a write they did not
// follow, or when they were never read.
void Denpyou_OpenAfterStore();
