#include "settings/backup/BackupCsv.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
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
const TCsvFile KokyakuCsv{
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

const TCsvFile SyouhinCsv{
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

// A field as a column: quoted when it holds a separator, a quote or a line
// break. (No trail byte of a CP932 character is one of these.)
void AppendField(std::string& row, const char* text) {
    if (!std::strpbrk(text, ",\"\n\r")) {
        row += text;
        return;
    }
    row += '"';
    for (const char* p = text; *p; ++p) {
        if (*p == '"') row += '"';
        row += *p;
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
    std::vector<char> text;
    for (size_t c = 0; c < csv.Columns.size(); ++c) {
        if (c > 0) out += ',';
        const int k = csv.Columns[c].Field;
        if (k == Column_Id) {
            out += std::to_string(n);
        } else if (k == Column_Code) {
            out += Code(csv, n);
        } else {
            const int width = data.FieldWidth[k];
            text.assign(record + data.FieldOffset[static_cast<size_t>(k)],
                        record + data.FieldOffset[static_cast<size_t>(k)] + width);
            text.push_back('\0');
            Str_TrimRight(text.data());
            AppendField(out, text.data());
        }
    }
    out += '\n';
}

std::string WriteCsv(const TCsvFile& csv, const std::string& folder, int count, const TBackupFigure& figure,
                     const char* records) {
    const TSaveFigure shown(count, figure);
    std::string out;
    auto row = [&](const char* record, int n) {
        const int i = n - 1;
        const bool used = record[csv.Data->FieldOffset[1]] != ' ';
        if (used) {
            if (out.empty()) {
                for (size_t c = 0; c < csv.Columns.size(); ++c) {
                    if (c > 0) out += ',';
                    out += csv.Columns[c].Header;
                }
                out += '\n';
            }
            AppendRow(out, csv, record, n);
        }
        if (used || csv.FigureAtEveryRecord) shown.At(i);
        return true;
    };
    if (records)
        for (int n = 1; n <= count; ++n) row(records + static_cast<std::int64_t>(n - 1) * csv.Data->RecLen, n);
    const bool read = records || count <= 0 || Record_Scan(*csv.Data, 1, count, row);
    if (!read) return BackUp_NotRead(BackUp_DataName(*csv.Data));
    if (!Copy_WriteFile(BackUp_Path(folder, csv.Name), BackUp_FolderPath(folder), out))
        return Message_NotSavedText(csv.Name);
    return {};
}

}  // namespace

int Str_TrimRight(char* text) {
    int len = static_cast<int>(std::strlen(text));
    while (len > 1 && text[len - 1] == ' ') --len;
    text[len] = '\0';
    return len;
}

std::string Csv_WriteKokyaku(const std::string& folder, int count, const TBackupFigure& figure, const char* records) {
    return WriteCsv(KokyakuCsv, folder, count, figure, records);
}

std::string Csv_WriteSyouhin(const std::string& folder, int count, const TBackupFigure& figure, const char* records) {
    return WriteCsv(SyouhinCsv, folder, count, figure, records);
}
