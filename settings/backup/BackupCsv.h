// The customers and the products as CSV files in the backup folder,
// "見積顧客.CSV" and "見積商品.CSV" (UTF-8 names on the disk), for another
// program to import: CP932 text as the records hold it, columns joined by
// commas, every line ending in a line feed. A row per record in use (its
// name's first byte not a blank), in record order, after a header line
// written before the first row; without rows the file is empty. A field
// holding a comma, a double quote or a line break stands in double quotes,
// its double quotes doubled; every other field as it is.
#pragma once

#include <string>

#include "settings/backup/BackupCopy.h"

// The files' names in the backup folder.
inline constexpr const char* Csv_KokyakuName = "見積顧客.CSV";
inline constexpr const char* Csv_SyouhinName = "見積商品.CSV";

// Cuts the trailing blanks of a NUL-terminated text in place, never its
// first byte (a text of blanks becomes one blank, an empty one stays
// empty); returns the new length.
int Str_TrimRight(char* text);

// Writes the CSV of the first `count` records of "Data\Kokyaku.620" or
// "Data\Syouhin.620" into the folder, replacing the one there only when the
// new one is whole. The figure runs a second pass of the save's rule: the
// customers' at the records written, the products' at every record. "" or
// the failure's text (the file before stays). With records (the count
// records as the save's copy read them) the file is not read again.
//
// Customers: ID (the record number), the code (the record number x 10 in
// at least five digits, its leading zeros written as '@'), name 1, name 2,
// reading, honorific, postal code, prefecture, city, street, building,
// telephone, mobile, staff code, the code again, staff name.
std::string Csv_WriteKokyaku(const std::string& folder, int count, const TBackupFigure& figure,
                             const char* records = nullptr);
// Products: ID, the code (the record number x 100 in at least six digits),
// name, reading, base price, tax class, purchase price, unit.
std::string Csv_WriteSyouhin(const std::string& folder, int count, const TBackupFigure& figure,
                             const char* records = nullptr);
