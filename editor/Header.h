// The twelve typable header edits of the document editor (customer name,
// construction name and site, remarks, creation and validity dates in era
// years): focus-in, commit with the era-year rule, and keys. field is the
// document header field an edit shows, DenpyouField_KokyakuName_1 ...
// DenpyouField_YoukouDay.
#pragma once

#include "platform/Types.h"
#include "store/DenpyouFields.h"

constexpr int Header_FirstField = DenpyouField_KokyakuName_1;
constexpr int Header_LastField = DenpyouField_YoukouDay;

// The edit and frame names of a typable header field (nullptr outside).
const char* Header_EditName(int field);
const char* Header_FrameName(int field);

// The two dates of the header.
enum THeaderDate { Date_Make = 0, Date_Youkou = 1 };

// Commits a typable header field from its edit: the text padded to the
// field's width into the field and back into the edit; months 1 ... 12 and
// days 1 ... 31 right-aligned, else blanks; the year cells through the
// era-year step.
void Denpyou_CommitHeaderField(int field);
// The era-year step of a date: the year cell shown in its era (Heisei up to
// April 2019, Reiwa from May 2019) by the month cell, and the Western year
// into DenpyouField_MakeYear or DenpyouField_YoukouYear.
void Denpyou_CommitEraYear(THeaderDate date);

void Edit_DenpHeader_Enter(int field);
void Edit_DenpHeader_Exit(int field);
void Edit_DenpHeader_KeyDown(int field, Word key);
