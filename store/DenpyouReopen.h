// The document file's count and tidy-up state after the editor has written
// one document, without reading the file again when that write cannot have
// changed the answer.
#pragma once

// The document in memory (its creation year, field 8) has just been written
// in place by the delete/restore command, which does not recount: remembers
// whether the next count has to look at the file again.
void Denpyou_NoteWrite();
// The document in memory has just been stored: leaves Denpyou_Count,
// Seiri_Year, Seiri_Mode, own-company field 12, Panel_Seiri and
// CheckBox_Seiri exactly as Denpyou_Open would, and clears the document
// buffers. The count is the file's size; the creation years are scanned
// only when the stored document may have been the old one that the last
// count found, when the threshold year has moved, or after a noted write.
void Denpyou_OpenAfterStore();
