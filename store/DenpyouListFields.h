// What the document list reads of every stored document, kept in memory once
// read, so that a search, a page and a print read no file: the header up to
// the creation date (fields 0 ... 10) and the total, honorific and invoice
// issue date (fields 2218 ... 2222), each run as it lies in the record.
//
// They are read on the list's first search and brought up to date by every
// write the editor makes to the document file (a document stored, deleted or
// restored), as the creation years are (store/DenpyouYears.h). A write they
// did not follow, another write through the file's tables (its Generation)
// or a change from outside (the file's stamp: a restore, a copy put there),
// makes the next search read the file again.
#pragma once

#include "store/Denpyou.h"

constexpr int DenpyouListFields_HeadFirst = DenpyouField_Kind, DenpyouListFields_HeadLast = DenpyouField_MakeDay;
constexpr int DenpyouListFields_TailFirst = DenpyouField_Goukei, DenpyouListFields_TailLast = DenpyouField_SeikyuuDay;
constexpr int DenpyouListFields_HeadBytes =
    Record_WidthSum(Denpyou_FieldWidth.data() + DenpyouListFields_HeadFirst,
                    DenpyouListFields_HeadLast - DenpyouListFields_HeadFirst + 1);
constexpr int DenpyouListFields_TailBytes =
    Record_WidthSum(Denpyou_FieldWidth.data() + DenpyouListFields_TailFirst,
                    DenpyouListFields_TailLast - DenpyouListFields_TailFirst + 1);

// Whether the fields held are those of the document file open as fd, as it
// is now (nothing is read).
bool DenpyouListFields_Current(int fd);
// Reads the fields of every record of the document file open as fd (many
// records at a time). A record that cannot be read is held blank and the
// reading goes on after it; the fields are then held for this use only, and
// the next one reads again. A cut-short last record reads as the record
// files complete it. Returns whether every record was read.
bool DenpyouListFields_Read(int fd);
// The records whose fields are held (those of the file when it was read).
int DenpyouListFields_Count();
// Record n's header and tail bytes (n from 1 to DenpyouListFields_Count()).
const char* DenpyouListFields_Head(int n);
const char* DenpyouListFields_Tail(int n);
// Record n has just been written from Denpyou_RecBuf (a document stored,
// deleted or restored by the editor): its fields are kept. When the fields
// held did not match the file before that write, or n is not a record of the
// file or the one after it, they are forgotten instead.
void DenpyouListFields_Written(int n);
void DenpyouListFields_Forget();
