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
#include <vector>

#include "settings/backup/BackupCopy.h"

// The files' names in the backup folder.
inline constexpr const char* Csv_KokyakuName = "見積顧客.CSV";
inline constexpr const char* Csv_SyouhinName = "見積商品.CSV";

// Writes the CSV of the first `count` records of "Data\Kokyaku.620" or
// "Data\Syouhin.620" into the folder, replacing the one there only when the
// new one is whole. The figure runs a second pass of the save's rule: the
// customers' at the records written, the products' at every record. "" or
// the failure's text (the file before stays).
//
// Customers: ID (the record number), the code (the record number x 10 in
// at least five digits, its leading zeros written as '@'), name 1, name 2,
// reading, honorific, postal code, prefecture, city, street, building,
// telephone, mobile, staff code, the code again, staff name.
std::string Csv_WriteKokyaku(const std::string& folder, int count, const TBackupFigure& figure);
// Products: ID, the code (the record number x 100 in at least six digits),
// name, reading, base price, tax class, purchase price, unit.
std::string Csv_WriteSyouhin(const std::string& folder, int count, const TBackupFigure& figure);

// Which CSV: its data file, name and columns.
struct TCsvFile;
extern const TCsvFile Csv_Kokyaku, Csv_Syouhin;

// The same CSV built from records handed to it in order as the save's copy
// reads them, so that the data file is read once for both: only the rows
// are kept, never the records.
class TCsvRows {
public:
    explicit TCsvRows(const TCsvFile& csv) : csv_(&csv) {}
    // Room for the rows of that many records at once, so that the text is
    // not moved again and again as it grows.
    void Reserve(int records);
    // Record n (from 1, each in turn). Returns whether the figure counts it.
    bool Add(const char* record, int n);
    // The figure's pass over the records added, as the CSV that reads the
    // file shows it (count: the records of the file).
    void ShowFigures(int count, const TBackupFigure& figure) const;
    // The file written into the folder, as Csv_WriteKokyaku writes it. "" or
    // the failure's text.
    std::string Write(const std::string& folder) const;
    // The file written to its scratch file only, to go in with the other
    // files of a save (settings/backup/BackupSet.h). "" or the failure's
    // text.
    std::string WriteScratch(const std::string& folder) const;

private:
    const TCsvFile* csv_;
    std::string text_;
    std::vector<int> counted_;  // the records (from 0) the figure counts
};
