#include "store/KokyakuIndex.h"

#include <climits>
#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/File.h"
#include "store/Kokyaku.h"

namespace {

struct TIndex {
    bool Built = false;
    TFileMark Mark;  // the file's when it was built
    std::unordered_map<std::string, int> First;
};

TIndex& Index() {
    static TIndex index;
    return index;
}

// The key of a pair of names: each up to its first NUL or its width, which
// is what a bounded comparison looks at; a NUL cannot occur inside either
// part, so it separates them unambiguously.
std::string Key(const char* name1, const char* name2) {
    const size_t w1 = static_cast<size_t>(Kokyaku_FieldWidth[KokyakuField_Name_1]);
    const size_t w2 = static_cast<size_t>(Kokyaku_FieldWidth[KokyakuField_Name_2]);
    std::string key(name1, strnlen(name1, w1));
    key += '\0';
    key.append(name2, strnlen(name2, w2));
    return key;
}

bool Build(TIndex& index, const TFileMark& mark) {
    index.Built = false;
    index.First.clear();
    const int off1 = Kokyaku_FieldOffset[KokyakuField_Name_1], off2 = Kokyaku_FieldOffset[KokyakuField_Name_2];
    // Every record the file holds, not only Kokyaku_Count: the caller drops
    // hits beyond the count, and the first hit stays the first either way.
    bool read = Record_Scan(Kokyaku_File, 1, INT_MAX, [&](const char* record, int n) {
        index.First.emplace(Key(record + off1, record + off2), n);
        return true;
    });
    if (!read) return false;
    // The mark was taken before the scan: a change during the scan makes the
    // next lookup build again.
    index.Mark = mark;
    index.Built = true;
    return true;
}

}  // namespace

bool KokyakuIndex_Find(int fd, const char* name1, const char* name2, int& hit) {
    hit = 0;
    TIndex& index = Index();
    const TFileStamp stamp = File_Stamp(fd);
    if (stamp.Size < 0) return false;
    const TFileMark mark = Record_Mark(Kokyaku_File, stamp);
    if (!(index.Built && index.Mark == mark) && !Build(index, mark)) return false;
    auto found = index.First.find(Key(name1, name2));
    if (found != index.First.end()) hit = found->second;
    return true;
}

void KokyakuIndex_Forget() {
    Index().Built = false;
    Index().First.clear();
}
