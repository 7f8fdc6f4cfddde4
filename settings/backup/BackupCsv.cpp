#include "settings/backup/BackupCsv.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "settings/backup/BackupFiles.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "ui/Message.h"

namespace {

// What a column holds: the record number, the code, or a field's text.
constexpr int Column_Id = -1;
constexpr int Column_Code = -2;

struct TCsvColumn {
    const char* Header;
    int Field;  // a field number, Column_Id or Column_Code
};

}  // namespace

struct TCsvFile {
    TRecordFile* Data;
    const char* Name;
    std::vector<TCsvColumn> Columns;
    int CodeTimes;    // the code is the record number times this
    int CodeDigits;   // in at least this many digits
    bool CodeAtSigns; // its leading zeros written as '@'
    bool FigureAtEveryRecord;  // else only at the records written
};

// The customer header names the repeated code before the staff name, so
// that each name stands over its column.
const TCsvFile Csv_Kokyaku{
    &Kokyaku_File,
    Csv_KokyakuName,
    {{"顧客 ID", Column_Id},
     {"顧客コード", Column_Code},
     {"顧客名1", KokyakuField_Name_1},
     {"顧客名2", KokyakuField_Name_2},
     {"検索カナ", KokyakuField_Kana},
     {"敬称", KokyakuField_Keisyou},
     {"郵便番号", KokyakuField_Zip},
     {"都道府県名", KokyakuField_Prif},
     {"市町村", KokyakuField_City},
     {"番地", KokyakuField_Banti},
     {"アパート", KokyakuField_Apart},
     {"電話", KokyakuField_Tel},
     {"携帯電話", KokyakuField_Keitai},
     {"担当者コード", KokyakuField_TantouCode},
     {"顧客コード", Column_Code},
     {"担当者名", KokyakuField_TantouName}},
    10,
    5,
    true,
    false,
};

const TCsvFile Csv_Syouhin{
    &Syouhin_File,
    Csv_SyouhinName,
    {{"商品 ID", Column_Id},
     {"商品コード", Column_Code},
     {"商品名", SyouhinField_Name},
     {"検索カナ", SyouhinField_Kana},
     {"販売価格", SyouhinField_Hanbai},
     {"税率", SyouhinField_Zei},
     {"仕入単価", SyouhinField_Siire},
     {"単位", SyouhinField_Tanni}},
    100,
    6,
    false,
    true,
};

namespace {

// A field's text: its bytes up to the first NUL, the trailing blanks cut,
// never its first byte (blanks give one blank, an empty field nothing).
std::string_view FieldText(const char* field, int width) {
    size_t len = strnlen(field, static_cast<size_t>(width));
    while (len > 1 && field[len - 1] == ' ') --len;
    return {field, len};
}

// A field as a column: quoted when it holds a separator, a quote or a line
// break. (No trail byte of a CP932 character is one of these.)
void AppendField(std::string& row, std::string_view text) {
    // One pass over the text (find_first_of looks each byte up in the set).
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; };
    if (std::none_of(text.begin(), text.end(), special)) {
        row += text;
        return;
    }
    row += '"';
    for (const char c : text) {
        if (c == '"') row += '"';
        row += c;
    }
    row += '"';
}

// The record number times CodeTimes with all its digits, at least
// CodeDigits of them.
std::string Code(const TCsvFile& csv, int n) {
    char code[32];
    std::snprintf(code, sizeof code, "%0*lld", csv.CodeDigits, static_cast<long long>(n) * csv.CodeTimes);
    if (csv.CodeAtSigns)
        for (char* p = code; *p == '0'; ++p) *p = '@';
    return code;
}

void AppendRow(std::string& out, const TCsvFile& csv, const char* record, int n) {
    const TRecordFile& data = *csv.Data;
    for (size_t c = 0; c < csv.Columns.size(); ++c) {
        if (c > 0) out += ',';
        const int k = csv.Columns[c].Field;
        if (k == Column_Id) {
            out += std::to_string(n);
        } else if (k == Column_Code) {
            out += Code(csv, n);
        } else {
            AppendField(out, FieldText(record + data.FieldOffset[static_cast<size_t>(k)], data.FieldWidth[k]));
        }
    }
    out += '\n';
}

std::string WriteCsv(const TCsvFile& csv, const std::string& folder, int count, const TBackupFigure& figure) {
    const TSaveFigure shown(count, figure);
    TCsvRows rows(csv);
    auto row = [&](const char* record, int n) {
        if (rows.Add(record, n)) shown.At(n - 1);
        return true;
    };
    if (count > 0 && !Record_Scan(*csv.Data, 1, count, row)) return BackUp_NotRead(BackUp_DataName(*csv.Data));
    return rows.Write(folder);
}

}  // namespace

std::string Csv_WriteKokyaku(const std::string& folder, int count, const TBackupFigure& figure) {
    return WriteCsv(Csv_Kokyaku, folder, count, figure);
}

std::string Csv_WriteSyouhin(const std::string& folder, int count, const TBackupFigure& figure) {
    return WriteCsv(Csv_Syouhin, folder, count, figure);
}

void TCsvRows::Reserve(int records) {
    // A row of unquoted fields at their full widths, numbers of up to 11
    // digits; a row with quotes may go beyond it.
    size_t row = 0;
    for (const TCsvColumn& column : csv_->Columns)
        row += 1 + (column.Field < 0 ? 11 : static_cast<size_t>(csv_->Data->FieldWidth[column.Field]));
    text_.reserve(static_cast<size_t>(std::max(records, 0) + 1) * row);
}

bool TCsvRows::Add(const char* record, int n) {
    const bool used = record[csv_->Data->FieldOffset[1]] != ' ';
    if (used) {
        if (text_.empty()) {
            for (size_t c = 0; c < csv_->Columns.size(); ++c) {
                if (c > 0) text_ += ',';
                text_ += csv_->Columns[c].Header;
            }
            text_ += '\n';
        }
        AppendRow(text_, *csv_, record, n);
    }
    const bool counted = used || csv_->FigureAtEveryRecord;
    if (counted) counted_.push_back(n - 1);
    return counted;
}

void TCsvRows::ShowFigures(int count, const TBackupFigure& figure) const {
    const TSaveFigure shown(count, figure);
    for (int i : counted_) shown.At(i);
}

std::string TCsvRows::Write(const std::string& folder) const {
    if (!Copy_WriteFile(BackUp_Path(folder, csv_->Name), BackUp_FolderPath(folder), text_))
        return Message_NotSavedText(csv_->Name);
    return {};
}

std::string TCsvRows::WriteScratch(const std::string& folder) const {
    if (!Copy_WriteScratch(BackUp_Path(folder, csv_->Name), text_)) return Message_NotSavedText(csv_->Name);
    return {};
}
