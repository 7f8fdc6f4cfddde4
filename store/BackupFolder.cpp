#include "store/BackupFolder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/File.h"
#include "store/Record.h"
#include "store/WholeFile.h"

namespace {
constexpr const char* FileName = BackupFolder_FileName;
}

void BackupFolder_Load(char* folder) {
    char record[BackupFolder_RecLen];
    std::memset(record, ' ', sizeof record);
    std::vector<char> image;
    if (WholeFile_Read(FileName, image)) {
        // An empty file reads as blanks (and stays empty): there is nothing to copy.
        if (!image.empty()) std::memcpy(record, image.data(), std::min(image.size(), sizeof record));
    } else {
        Record_CreateMissing(FileName, record, sizeof record);
    }
    int len = static_cast<int>(strnlen(record, sizeof record));
    while (len > 0 && record[len - 1] == ' ') --len;
    std::memcpy(folder, record, static_cast<size_t>(len));
    folder[len] = '\0';
}

bool BackupFolder_Save(const char* folder) {
    char record[BackupFolder_RecLen];
    size_t len = strnlen(folder, sizeof record);
    std::memset(record, ' ', sizeof record);
    std::memcpy(record, folder, len);
    // Never created; and a write that fails part way must not leave half a
    // path for the next start to read.
    int fd = File_OpenReadWrite(FileName);
    if (fd < 0) return false;
    File_Close(fd);
    return Record_SaveFile(FileName, record, sizeof record);
}
