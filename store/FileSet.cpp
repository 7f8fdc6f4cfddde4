#include "store/FileSet.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "platform/File.h"
#include "store/Record.h"
#include "store/WholeFile.h"

namespace {

constexpr const char* Magic = "FileSet 1";
constexpr const char* Forward = "forward";
constexpr const char* Back = "back";

// A member as the record holds it.
struct TMember {
    std::string Name;
    bool Existed = false;      // the file was there before the set
    std::int64_t Size = 0;     // its scratch file's size: a scratch file of another size is not the set's
};

struct TRecordText {
    bool Forward = true;
    std::vector<TMember> Members;
};

std::string Old(const std::string& path) { return path + ".old"; }

std::uint64_t Checksum(const std::string& text) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string SumLine(const std::string& body) {
    char sum[40];
    std::snprintf(sum, sizeof sum, "sum %016llx\n", static_cast<unsigned long long>(Checksum(body)));
    return sum;
}

std::string Format(const TRecordText& record) {
    std::string body = std::string(Magic) + "\n" + (record.Forward ? Forward : Back) + "\n";
    for (const TMember& m : record.Members)
        body += std::string(m.Existed ? "1 " : "0 ") + std::to_string(m.Size) + " " + m.Name + "\n";
    return body + SumLine(body);
}

// The record as it stands; none when it is not there or does not check.
std::optional<TRecordText> Parse(const std::vector<char>& bytes) {
    const std::string text(bytes.begin(), bytes.end());
    const size_t sumAt = text.rfind("sum ");
    if (sumAt == std::string::npos || (sumAt > 0 && text[sumAt - 1] != '\n')) return std::nullopt;
    const std::string body = text.substr(0, sumAt);
    if (text.substr(sumAt) != SumLine(body)) return std::nullopt;
    std::vector<std::string> lines;
    for (size_t at = 0; at < body.size();) {
        const size_t end = body.find('\n', at);
        lines.push_back(body.substr(at, end - at));
        at = end + 1;
    }
    if (lines.size() < 2 || lines[0] != Magic || (lines[1] != Forward && lines[1] != Back)) return std::nullopt;
    TRecordText record;
    record.Forward = lines[1] == Forward;
    for (size_t k = 2; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        const size_t space = line.find(' ', 2);
        if (line.size() < 5 || (line[0] != '0' && line[0] != '1') || line[1] != ' ' || space == std::string::npos ||
            space == 2 || space > 20)
            return std::nullopt;
        TMember m;
        m.Existed = line[0] == '1';
        for (size_t i = 2; i < space; ++i) {
            if (line[i] < '0' || line[i] > '9') return std::nullopt;
            m.Size = m.Size * 10 + (line[i] - '0');
        }
        m.Name = line.substr(space + 1);
        record.Members.push_back(m);
    }
    return record;
}

std::string RecordPath(const std::string& folder) { return FileSet_Path(folder, FileSet_RecordName); }
std::string FolderPath(const std::string& folder) { return Platform_AsIs(folder); }

// The size of the file at path, -1 when it does not open.
std::int64_t SizeOf(const std::string& path) {
    const int fd = File_OpenRead(path);
    if (fd < 0) return -1;
    const std::int64_t size = File_Size(fd);
    File_Close(fd);
    return size;
}

// How far a record's write went.
enum class TWritten { No, InPlace, Flushed };

// The record put in place whole: through its own scratch file, flushed,
// renamed, the folder flushed.
TWritten WriteRecord(const std::string& folder, const TRecordText& record) {
    const std::string path = RecordPath(folder);
    const std::string scratch = Record_ScratchPath(path.c_str());
    const int fd = File_Create(scratch);
    if (fd < 0) return TWritten::No;
    const std::string text = Format(record);
    const auto size = static_cast<std::int64_t>(text.size());
    bool ok = File_Write(fd, text.data(), size) == size;
    ok = File_Sync(fd) && ok;
    ok = File_Close(fd) && ok;
    if (!ok || !File_Rename(scratch, path)) {
        File_Remove(scratch);
        return TWritten::No;
    }
    return Dir_Sync(FolderPath(folder)) ? TWritten::Flushed : TWritten::InPlace;
}

// Removes the file at path when one is there; whether none is.
bool RemoveIfThere(const std::string& path) { return !File_Exists(path) || File_Remove(path); }

// The members back to what they held before, the scratch files gone.
bool Undo(const std::string& folder, const std::vector<TMember>& members) {
    bool ok = true;
    for (const TMember& m : members) {
        const std::string path = FileSet_Path(folder, m.Name);
        bool back = true;
        if (File_Exists(Old(path))) back = File_Rename(Old(path), path);
        else if (!m.Existed) back = RemoveIfThere(path);
        back = RemoveIfThere(Record_ScratchPath(path.c_str())) && back;
        ok = ok && back;
    }
    return Dir_Sync(FolderPath(folder)) && ok;
}

// The members' new contents in place (whichever renames are still to be
// done), the folder flushed.
bool Redo(const std::string& folder, const std::vector<TMember>& members) {
    bool ok = true;
    for (const TMember& m : members) {
        const std::string path = FileSet_Path(folder, m.Name);
        const std::string scratch = Record_ScratchPath(path.c_str());
        if (!File_Exists(scratch) || SizeOf(scratch) != m.Size) continue;
        if (m.Existed && File_Exists(path) && !File_Exists(Old(path))) ok = File_Rename(path, Old(path)) && ok;
        ok = ok && File_Rename(scratch, path);
    }
    return Dir_Sync(FolderPath(folder)) && ok;
}

// The set is in: the old files go, then the record.
bool Clear(const std::string& folder, const std::vector<TMember>& members) {
    bool ok = true;
    for (const TMember& m : members) ok = RemoveIfThere(Old(FileSet_Path(folder, m.Name))) && ok;
    ok = ok && File_Remove(RecordPath(folder));
    return Dir_Sync(FolderPath(folder)) && ok;
}

void AllConcerned(const std::vector<TMember>& members, std::vector<std::string>& concerned) {
    concerned.clear();
    for (const TMember& m : members) concerned.push_back(m.Name);
}

// A set that failed on its way in goes back: the record turned to "back"
// first, so that a kill from here on also ends with the old files. false
// when something could not be put back; the record then stays.
bool RollBack(const std::string& folder, TRecordText record, std::vector<std::string>& concerned) {
    record.Forward = false;
    // Once the record says "back" (flushed or not), every member can go back.
    if (WriteRecord(folder, record) == TWritten::No || !Undo(folder, record.Members)) {
        AllConcerned(record.Members, concerned);
        return false;
    }
    File_Remove(RecordPath(folder));
    Dir_Sync(FolderPath(folder));
    return true;
}

}  // namespace

std::string FileSet_Path(const std::string& folder, const std::string& name) {
    return Platform_InFolder(folder, name);
}

bool FileSet_Put(const std::string& folder, const std::vector<std::string>& names,
                 std::vector<std::string>& concerned) {
    concerned.clear();
    TRecordText record;
    for (const std::string& name : names) {
        const std::string path = FileSet_Path(folder, name);
        record.Members.push_back({name, File_Exists(path), SizeOf(Record_ScratchPath(path.c_str()))});
    }
    switch (WriteRecord(folder, record)) {
    case TWritten::Flushed:
        break;
    case TWritten::InPlace:
        // The record is there: the scratch files are the set's now.
        RollBack(folder, record, concerned);
        AllConcerned(record.Members, concerned);
        return false;
    case TWritten::No:
        FileSet_Discard(folder, names);
        AllConcerned(record.Members, concerned);
        return false;
    }
    for (const TMember& m : record.Members) {
        const std::string path = FileSet_Path(folder, m.Name);
        if ((m.Existed && !File_Rename(path, Old(path))) || !File_Rename(Record_ScratchPath(path.c_str()), path)) {
            RollBack(folder, record, concerned);
            if (concerned.empty()) concerned.push_back(m.Name);
            return false;
        }
    }
    if (!Dir_Sync(FolderPath(folder))) {
        RollBack(folder, record, concerned);
        AllConcerned(record.Members, concerned);
        return false;
    }
    Clear(folder, record.Members);
    return true;
}

void FileSet_Discard(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) RemoveIfThere(Record_ScratchPath(FileSet_Path(folder, name).c_str()));
}

bool FileSet_Recover(const std::string& folder, const std::vector<std::string>& names,
                     std::vector<std::string>& concerned) {
    concerned.clear();
    const std::string path = RecordPath(folder);
    RemoveIfThere(Record_ScratchPath(path.c_str()));
    std::vector<char> bytes;
    std::optional<TRecordText> record;
    if (File_Exists(path)) {
        if (!WholeFile_Read(path.c_str(), bytes)) {
            concerned.push_back(FileSet_RecordName);
            return false;
        }
        record = Parse(bytes);
    }
    if (!record) {
        // No member was touched: only scratch files to remove.
        FileSet_Discard(folder, names);
        return RemoveIfThere(path);
    }
    const bool done = record->Forward ? Redo(folder, record->Members) && Clear(folder, record->Members)
                                      : Undo(folder, record->Members) && RemoveIfThere(path);
    if (!done) AllConcerned(record->Members, concerned);
    return done;
}

bool FileSet_Pending(const std::string& folder) { return Path_Taken(RecordPath(folder)); }
