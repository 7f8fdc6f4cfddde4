// Times the start-up and the exit sorts with a large data folder: 30000
// documents, 5000 customers, 5000 products (unsorted), the category, unit and
// own-company files; then the start-up with 100000 documents, past the
// tidy-up limit of 30000.
//
// The whole start-up is what a user waits for: the window and all its
// controls built, FormCreate and FormActivate (the headless session runs
// exactly these, without only the Qt painting). It is timed with the files in
// the page cache (a second start) and with the files dropped from the cache
// first (a start after the machine booted). Then the data part alone, the
// count of the document file alone (which reads the creation year of every
// document up to 30000), and the exit's sorts.
//
// The cold start-up reads one small piece (the creation year) of every
// document. It is put beside its anchor, measured in the same run: the same
// pieces read in one sequential pass of the file's first bytes, up to the
// last piece, in large blocks (what a start-up without any seeks would cost),
// and beside the same start-up with the pieces read one by one, as on a
// system without io_uring. Cold runs vary with the disk: each is the median
// of three.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/StartData.h"
#include "app/TodayLabel.h"
#include "bench/BenchAnchors.h"
#include "platform/Clock.h"
#include "platform/FilePieces.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "tests/TestFolder.h"
#include "tools/Headless.h"

namespace {

constexpr int Documents = 30000, ManyDocuments = 100000, Customers = 5000, Products = 5000;
constexpr TDateTime Today{2026, 12, 10, 9, 0, 0};
const char* const DataFiles[] = {"Denpyou.620", "Kokyaku.620", "Syouhin.620", "Hinsyu.620", "Tanni.620", "Jisya.620"};

std::string Record(int len) {
    std::string r(static_cast<size_t>(len), ' ');
    r.back() = '\n';
    return r;
}

void Put(std::string& record, int offset, const std::string& text) { record.replace(static_cast<size_t>(offset), text.size(), text); }

std::string Kana(std::mt19937& rng) {
    static const char* const syllables[] = {"ｱ", "ｲ", "ｶ", "ｻ", "ﾀ", "ﾅ", "ﾊ", "ﾏ", "ﾔ", "ﾗ", "ﾜ", "ﾝ"};
    std::string k;
    for (int i = 0, n = 2 + static_cast<int>(rng() % 6); i < n; ++i) k += syllables[rng() % 12];
    return k;
}

void WriteFiles(const TestFolder& folder, int documents) {
    std::mt19937 rng(1);
    std::string docs;
    docs.reserve(static_cast<size_t>(documents) * Denpyou_RecLen);
    for (int i = 0; i < documents; ++i) {
        std::string r = Record(Denpyou_RecLen);
        char head[32];
        constexpr char kinds[] = {DenpyouKind_Mitumori, DenpyouKind_Seikyuu, DenpyouKind_Utiwake, DenpyouKind_Irai,
                                  DenpyouKind_Deleted};
        std::snprintf(head, sizeof head, "%c%10d", kinds[i % 5], i + 1);
        Put(r, 0, head);
        Put(r, 11, "顧客" + std::to_string(rng() % Customers));
        Put(r, 251, std::to_string(2000 + static_cast<int>(rng() % 26)));  // none older than 40 years
        for (int line = 0; line < 20; ++line) Put(r, 267 + 110 * line + 1, "商品" + std::to_string(line));
        docs += r;
    }
    folder.Write("Data/Denpyou.620", docs);

    std::string customers, products;
    for (int i = 0; i < Customers; ++i) {
        std::string r = Record(Kokyaku_RecLen);
        Put(r, 1, "顧客" + std::to_string(i));
        Put(r, 81, Kana(rng));
        customers += r;
    }
    for (int i = 0; i < Products; ++i) {
        std::string r = Record(Syouhin_RecLen);
        Put(r, 1, "商品" + std::to_string(i));
        Put(r, 51, Kana(rng));
        products += r;
    }
    folder.Write("Data/Kokyaku.620", customers);
    folder.Write("Data/Syouhin.620", products);

    std::string categories, units;
    for (int i = 0; i < 100; ++i) {
        std::string c = Record(Hinsyu_RecLen);
        char no[4];
        std::snprintf(no, sizeof no, "%3d", i + 1);
        Put(c, 1, "区分" + std::to_string(i));
        Put(c, 41, Kana(rng));
        Put(c, 51, no);
        categories += c;
        std::string u = Record(Tanni_RecLen);
        if (i < 30) Put(u, 0, "単" + std::to_string(i));
        units += u;
    }
    folder.Write("Data/Hinsyu.620", categories);
    folder.Write("Data/Tanni.620", units);
    folder.Write("Data/Jisya.620", Record(Jisya_RecLen));
}

// The data steps of start-up, the program's own.
void StartData() {
    Today_Set();
    App_StartData();
}

template <class F>
double Millis(F work) {
    // (<chrono> does not compile with the CP932 execution character set.)
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    work();
    clock_gettime(CLOCK_MONOTONIC, &end);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

// Puts the data files out of the page cache (written back first), so that
// the next start reads them from the disk.
void DropFromCache(const std::string& dataDir) {
    for (const char* name : DataFiles) {
        int fd = ::open((dataDir + name).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// One whole start-up of the program on the data folder (linked, not copied,
// into a fresh program folder). Returns the milliseconds it took.
double WholeStart(const TestFolder& data, int documents, bool cold, bool quiet = false) {
    THeadlessSession session;
    for (const char* name : DataFiles)
        std::filesystem::create_hard_link(data.Path(std::string("Data/") + name),
                                          session.Folder() + "Data/" + name);
    if (cold) DropFromCache(session.Folder() + "Data/");
    session.SetToday(Today);
    bool started = false;
    const double ms = Millis([&] { started = session.Start(); });
    const auto number = session.TextOf("Edit_DenpNo");
    if (!started || Denpyou_Count != documents || Kokyaku_Count != Customers || Syouhin_Count != Products)
        std::printf("  start-up did not load the folder (started %d, documents %d)\n", started, Denpyou_Count);
    if (!quiet)
        std::printf("  %-5s %8.1f ms  (documents %d, customers %d, products %d; new document no.%s)\n",
                    cold ? "cold" : "warm", ms, Denpyou_Count, Kokyaku_Count, Syouhin_Count,
                    number ? number->c_str() : "?");
    return ms;
}

// The anchor: the creation year of every document read cold in one
// sequential pass of the file's first bytes, up to the last year, 1 MiB at
// a time.
double SequentialPass(const TestFolder& data, int documents, long long& bytes) {
    DropFromCache(data.Path("Data/"));
    const long long end = static_cast<long long>(documents - 1) * Denpyou_RecLen + 251 + 4;
    std::vector<char> block(1 << 20);
    std::vector<int> years(static_cast<size_t>(documents));
    bytes = end;
    return Millis([&] {
        const int fd = ::open(data.Path("Data/Denpyou.620").c_str(), O_RDONLY | O_CLOEXEC);
        for (long long at = 0; fd >= 0 && at < end;) {
            const ssize_t n = ::pread(fd, block.data(), block.size(), at);
            if (n <= 0) break;
            for (long long i = at / Denpyou_RecLen; i < documents; ++i) {
                const long long year = i * Denpyou_RecLen + 251;
                if (year + 4 > at + n) break;
                if (year >= at) years[static_cast<size_t>(i)] = std::atoi(std::string(&block[year - at], 4).c_str());
            }
            at += n;
        }
        if (fd >= 0) ::close(fd);
    });
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The cold start-up beside its anchor and beside the start-up that reads the
// pieces one by one.
void ColdBesideAnchor(const TestFolder& data, int documents) {
    std::vector<double> anchor, ring, each;
    long long bytes = 0;
    for (int round = 0; round < 3; ++round) {
        anchor.push_back(SequentialPass(data, documents, bytes));
        FilePieces_AllowRing(true);
        ring.push_back(WholeStart(data, documents, true, true));
        FilePieces_AllowRing(false);
        each.push_back(WholeStart(data, documents, true, true));
        FilePieces_AllowRing(true);
    }
    const double a = Median(anchor);
    std::printf("cold start-up with %d documents beside its anchor (medians of 3 cold runs):\n", documents);
    std::printf("  anchor: the same pieces in one sequential pass of the file's first %lld bytes: %8.1f ms\n", bytes, a);
    std::printf("  whole start-up, the pieces through io_uring%s:           %8.1f ms  (%.2f x the anchor)\n",
                FilePieces_RingInUse() ? "" : " (not offered here)", Median(ring), Median(ring) / a);
    std::printf("  whole start-up, the pieces one by one (no io_uring):            %8.1f ms  (%.2f x the anchor)\n",
                Median(each), Median(each) / a);
    Platform_SetProgramDir(data.Root());
    Clock_Fix(Today);
}

// The whole start-up, cold once and then warm five times.
void WholeStarts(const TestFolder& data, int documents) {
    WholeStart(data, documents, true);
    double slowest = 0;
    for (int i = 0; i < 5; ++i) slowest = std::max(slowest, WholeStart(data, documents, false));
    std::printf("  slowest warm start %.1f ms\n", slowest);
    // The sessions made their own program folders current and let the clock go.
    Platform_SetProgramDir(data.Root());
    Clock_Fix(Today);
}

// The document file's count alone (Denpyou_Open), cold once and warm three
// times.
void CountDocuments(const TestFolder& data) {
    Record_Prepare(Denpyou_File);
    for (int i = 0; i < 4; ++i) {
        if (i == 0) DropFromCache(data.Path("Data/"));
        const double ms = Millis(Denpyou_Open);
        std::printf("  %-5s %8.1f ms  (documents %d, tidy-up mode %d)\n", i == 0 ? "cold" : "warm", ms, Denpyou_Count,
                    static_cast<int>(Seiri_Mode));
    }
}

}  // namespace

int main() {
    Clock_Fix(Today);
    TestFolder folder;
    Bench_Anchor("the cold start-up beside the same pieces read cold in one sequential pass of the file's first "
                 "bytes; the other figures stand alone");
    std::printf("writing %d documents, %d customers, %d products ...\n", Documents, Customers, Products);
    WriteFiles(folder, Documents);

    std::printf("whole start-up (window built, FormCreate, FormActivate):\n");
    WholeStarts(folder, Documents);
    ColdBesideAnchor(folder, Documents);

    double start = Millis(StartData);
    std::printf("start-up data (prepare, load and count all files): %8.1f ms\n", start);
    std::printf("  documents %d, customers %d, products %d, units %d, categories %d, tidy-up mode %d\n",
                Denpyou_Count, Kokyaku_Count, Syouhin_Count, Tanni_Count, Hinsyu_Count,
                static_cast<int>(Seiri_Mode));
    std::printf("exit sort of %d unsorted customers:                 %8.1f ms\n", Kokyaku_Count,
                Millis(Kokyaku_SortFile));
    std::printf("exit sort of %d unsorted products:                  %8.1f ms\n", Syouhin_Count,
                Millis(Syouhin_SortFile));
    std::printf("exit sort of the customers again (already sorted):  %8.1f ms\n", Millis(Kokyaku_SortFile));
    std::printf("categories saved and sorted:                         %8.1f ms\n", Millis([] {
                    Hinsyu_Save();
                    Hinsyu_SortFile();
                }));
    std::printf("lookup of the last document by number:               %8.1f ms\n",
                Millis([] { Denpyou_FindRecordByNo("30000"); }));
    std::printf("count of the document file (Denpyou_Open):\n");
    CountDocuments(folder);

    TestFolder many;
    std::printf("writing %d documents ...\n", ManyDocuments);
    WriteFiles(many, ManyDocuments);
    std::printf("whole start-up with %d documents:\n", ManyDocuments);
    WholeStarts(many, ManyDocuments);
    std::printf("count of the document file (Denpyou_Open) with %d documents:\n", ManyDocuments);
    CountDocuments(many);
    return 0;
}
