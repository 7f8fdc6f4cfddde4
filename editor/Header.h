// The twelve typable header edits of the document editor (customer name,
// construction name and site, remarks, creation and validity dates in era
// years): a table of the edit protocol (ui/EditTable.h) in their Return
// order, with the era-year rule of the dates and the header's keys. Row i
// shows document header field Header_FirstField + i.
#pragma once

#include <array>

#include "platform/Types.h"
#include "store/Denpyou.h"
#include "store/DenpyouFields.h"
#include "ui/EditTable.h"

constexpr int Header_FirstField = DenpyouField_KokyakuName_1;
constexpr int Header_LastField = DenpyouField_YoukouDay;

// The table's hooks (editor/Header.cpp).
bool Header_Enter(const TEditCell& cell);
bool Header_Key(const TEditCell& cell, Word key);
void Header_Move(const TEditCell& cell, Word key);
void Header_Committed(const TEditCell& cell, const char* text);
char* Header_Field(const TEditCell& cell);

namespace header_rows {
constexpr int W(int field) { return Denpyou_FieldWidth[static_cast<size_t>(field)]; }
// A line of text (40 bytes), stored as typed.
constexpr TEditRow Text(const char* edit, int code, const char* frame, int field) {
    return {.Edit = edit, .Code = code, .Frame = frame, .Width = W(field), .Field = field};
}
// A date part: the year cells hold a two-digit era year and store nothing
// themselves (the era-year step stores the Western year).
constexpr TEditRow Date(const char* edit, int code, const char* frame, int max, int field) {
    return {.Edit = edit, .Code = code, .Frame = frame, .Width = 2, .Input = TEditInput::DatePart, .Min = 1,
            .Max = max, .Field = field};
}
constexpr TEditRow Chained(TEditRow row, int index, int last) {
    row.Return = index < last ? index + 1 : Edit_Own;  // after the last: the grid's first description
    row.Home = index > 0 ? index - 1 : Edit_Stay;
    return row;
}
}  // namespace header_rows

inline constexpr auto Header_Rows = [] {
    using namespace header_rows;
    std::array<TEditRow, Header_LastField - Header_FirstField + 1> rows = {
        Text("Edit_DenpKokyakuName_1", 1120, "Shape_DenpKokyakuName_1", DenpyouField_KokyakuName_1),
        Text("Edit_DenpKokyakuName_2", 1130, "Shape_DenpKokyakuName_2", DenpyouField_KokyakuName_2),
        Text("Edit_DenpKoujiName_1", 1140, "Shape_DenpKoujiName_1", DenpyouField_KoujiName_1),
        Text("Edit_DenpKoujiName_2", 1150, "Shape_DenpKoujiName_2", DenpyouField_KoujiName_2),
        Text("Edit_DenpPlace", 1160, "Shape_DenpPlace", DenpyouField_Place),
        Text("Edit_DenpBikou", 1170, "Shape_DenpBikou", DenpyouField_Bikou),
        Date("Edit_DenpMakeYear", 1180, "Shape_DenpMakeYear", 0, Edit_NoField),
        Date("Edit_DenpMakeMonth", 1190, "Shape_DenpMakeMonth", 12, DenpyouField_MakeMonth),
        Date("Edit_DenpMakeDay", 1200, "Shape_DenpMakeDay", 31, DenpyouField_MakeDay),
        Date("Edit_DenpYoukouYear", 1210, "Shape_DenpYoukouYear", 0, Edit_NoField),
        Date("Edit_DenpYoukouMonth", 1220, "Shape_DenpYoukouMonth", 12, DenpyouField_YoukouMonth),
        Date("Edit_DenpYoukouDay", 1230, "Shape_DenpYoukouDay", 31, DenpyouField_YoukouDay),
    };
    const int last = static_cast<int>(rows.size()) - 1;
    for (int i = 0; i <= last; ++i) rows[static_cast<size_t>(i)] = Chained(rows[static_cast<size_t>(i)], i, last);
    return rows;
}();

inline constexpr TEditTable Header_Table{
    .Rows = Header_Rows,
    .Field = Header_Field,
    .Enter = Header_Enter,
    .Key = Header_Key,
    .Move = Header_Move,
    .Committed = Header_Committed,
};

// The edit of a typable header field (nullptr outside them, or without a window).
TEdit* Header_Edit(int field);

// The two dates of the header.
enum THeaderDate { Date_Make = 0, Date_Youkou = 1 };

// Commits a typable header field from its edit (Edit_Commit): the text padded
// to the field's width into the field and back into the edit; months 1 ...
// 12 and days 1 ... 31 right-aligned, else blanks; the year cells through
// the era-year step.
void Denpyou_CommitHeaderField(int field);
// The era-year step of a date: the year cell shown in its era (Heisei up to
// April 2019, Reiwa from May 2019) by the month cell, and the Western year
// into DenpyouField_MakeYear or DenpyouField_YoukouYear.
void Denpyou_CommitEraYear(THeaderDate date);
