// The exchange sort's order in memory, in O(n log n).
//
// A pass of the sort carries the record at position i along: whenever a
// record with a smaller key comes, the carried one is put down there and the
// smaller one taken up; the smallest (its first occurrence) ends at i. So
// the records only ever change places along these chains of smaller keys.
//
// Take the records whose keys are at most v. Among them the passes act
// exactly as the sort would on them alone, and a record of key v is carried
// only while it is the first of them; it is then put down where the next
// record of a smaller key ("L") stood, and one L leaves for the front. Seen
// as a sequence of the key-v records and the Ls, a pass therefore either
// drops a leading L, or moves the leading key-v record past the key-v
// records right behind it into the place of the next L. How the Ls reorder
// among themselves never matters. Walking the key-v records in file order,
// each gap of g Ls turns the records gathered so far by g places (front to
// back) before the next one joins at the end; the Ls after the last one
// turn them once more. What remains is the order in which the key-v records
// leave, after all smaller keys.
#include "store/Sort.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "platform/File.h"
#include "store/Record.h"

namespace {

// Counts of marked positions (a Fenwick tree).
class Marks {
public:
    explicit Marks(int n) : tree_(static_cast<size_t>(n) + 1, 0) {}
    void Mark(int pos) {
        for (size_t i = static_cast<size_t>(pos) + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    }
    // Marked positions below pos.
    int Below(int pos) const {
        int sum = 0;
        for (size_t i = static_cast<size_t>(pos); i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }

private:
    std::vector<int> tree_;
};

void Turn(std::deque<int>& run, long long by) {
    const long long size = static_cast<long long>(run.size());
    long long r = by % size;
    if (r <= size / 2) {
        for (; r > 0; --r) {
            run.push_back(run.front());
            run.pop_front();
        }
    } else {
        for (r = size - r; r > 0; --r) {
            run.push_front(run.back());
            run.pop_back();
        }
    }
}

}  // namespace

std::vector<int> Sort_ExchangeOrder(const char* keys, int n, int width, int stride) {
    std::vector<int> order;
    if (n <= 0) return order;
    order.reserve(static_cast<size_t>(n));

    // Keys cut at their first NUL and filled with NULs compare with memcmp
    // exactly as the bounded string comparison compares the raw keys.
    std::string norm(static_cast<size_t>(n) * static_cast<size_t>(width), '\0');
    for (int j = 0; j < n; ++j) {
        const char* key = keys + static_cast<size_t>(j) * static_cast<size_t>(stride);
        std::memcpy(&norm[static_cast<size_t>(j) * width], key, strnlen(key, static_cast<size_t>(width)));
    }
    auto keyOf = [&](int j) { return norm.data() + static_cast<size_t>(j) * width; };
    auto less = [&](int a, int b) { return std::memcmp(keyOf(a), keyOf(b), static_cast<size_t>(width)) < 0; };
    // Positions by key, and within a key in file order.
    std::vector<int> byKey(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) byKey[j] = j;
    std::stable_sort(byKey.begin(), byKey.end(), less);

    Marks smaller(n);
    std::deque<int> run;
    for (size_t from = 0; from < byKey.size();) {
        size_t to = from + 1;
        while (to < byKey.size() && !less(byKey[from], byKey[to])) ++to;
        // The records of one key, byKey[from .. to), in file order.
        run.clear();
        run.push_back(byKey[from]);
        for (size_t a = from + 1; a < to; ++a) {
            const int gap = smaller.Below(byKey[a]) - smaller.Below(byKey[a - 1] + 1);
            if (gap > 0) Turn(run, gap);
            run.push_back(byKey[a]);
        }
        const int after = smaller.Below(n) - smaller.Below(byKey[to - 1] + 1);
        if (after > 0) Turn(run, after);
        order.insert(order.end(), run.begin(), run.end());
        for (size_t a = from; a < to; ++a) smaller.Mark(byKey[a]);
        from = to;
    }
    return order;
}

bool Sort_RecordFile(TRecordFile& file, int keyField, int count) {
    int fd = File_OpenReadWrite(file.FileName);
    if (fd < 0) return false;
    File_Close(fd);
    std::vector<char> image;
    if (!Record_ReadImage(file, image)) return false;
    const size_t len = static_cast<size_t>(file.RecLen);
    int n = static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(count, 0)), image.size() / len));
    std::vector<int> order =
        Sort_ExchangeOrder(image.data() + file.FieldOffset[keyField], n, file.FieldWidth[keyField], file.RecLen);
    bool moved = false;
    for (int i = 0; i < n && !moved; ++i) moved = order[i] != i;
    if (!moved) return true;
    std::vector<char> sorted(image);
    for (int i = 0; i < n; ++i) std::memcpy(sorted.data() + i * len, image.data() + order[i] * len, len);
    ++file.Generation;
    return Record_RewriteFile(file.FileName, sorted.data(), static_cast<std::int64_t>(sorted.size()));
}
