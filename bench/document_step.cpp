// Times the document editor's store and step commands over 30000 stored
// documents, in the started window, and counts the file I/O each one makes
// (/proc/self/io: bytes and read or write calls). A step reads one record;
// a store writes one and looks at the file's size.
//
// Run three times: first with an empty customer file, so that only the
// document file is touched, then with 5000 customers, whose lookup by name
// each step also makes; last with 29000 documents of which one late in the
// file is older than the tidy-up threshold, so that the tidy-up notice is
// shown and every store has to keep it right.
//
// Each run puts its figures beside anchors measured in the same run: the
// steps beside one record read with one pread of the document file, the
// stores (journaled and flushed: their flushes are counted) beside one
// record written with one pwrite into a file of the data folder and flushed
// with one fdatasync.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "app/Syori_01.h"
#include "bench/BenchAnchors.h"
#include "editor/DenpyouCommands.h"
#include "platform/FileFault.h"
#include "platform/Clock.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "tests/TestFolder.h"
#include "ui/Job.h"

namespace {

constexpr int Customers = 5000, Steps = 1000, Stores = 200;

struct TSetup {
    int Documents;
    bool Customers;
    int OldDocument;  // the record created long ago (0: none)
};

std::string Record(int len) {
    std::string r(static_cast<size_t>(len), ' ');
    r.back() = '\n';
    return r;
}
void Put(std::string& record, int offset, const std::string& text) {
    record.replace(static_cast<size_t>(offset), text.size(), text);
}

void WriteFiles(const TestFolder& folder, const TSetup& setup) {
    std::string docs;
    docs.reserve(static_cast<size_t>(setup.Documents) * Denpyou_RecLen);
    for (int i = 0; i < setup.Documents; ++i) {
        std::string r = Record(Denpyou_RecLen);
        char head[32];
        std::snprintf(head, sizeof head, "1%10d", i + 1);
        Put(r, 0, head);
        Put(r, 11, "顧客" + std::to_string(i % Customers));
        Put(r, 251, i + 1 == setup.OldDocument ? "1980 315" : "2024 315");
        for (int line = 0; line < 20; ++line) Put(r, 267 + 110 * line + 1, "商品" + std::to_string(line));
        docs += r;
    }
    folder.Write("Data/Denpyou.620", docs);
    std::string list;
    if (setup.Customers)
        for (int i = 0; i < Customers; ++i) {
            std::string r = Record(Kokyaku_RecLen);
            Put(r, 1, "顧客" + std::to_string(i));
            list += r;
        }
    folder.Write("Data/Kokyaku.620", list);
}

using TIo = TBenchIo;
TIo Io() { return Bench_Io(); }
double Now() { return Bench_NowMs(); }

// What reading /proc/self/io itself costs between two readings.
TIo IoNoise() {
    const TIo a = Io();
    return Io() - a;
}

// Runs prepare and work n times; prints the mean and the slowest time of
// work alone and the I/O that work made, per call.
// The mean is returned, so that a figure can be put beside its anchor.
template <class P, class F>
double Measure(const char* what, int n, P prepare, F work) {
    const TIo noise = IoNoise();
    double total = 0, slowest = 0;
    TIo io;
    std::int64_t flushes = 0;
    for (int i = 0; i < n; ++i) {
        prepare(i);
        const TIo before = Io();
        const std::int64_t syncs = FileFault_Count(TFileOp::Sync);
        const double t = Now();
        work(i);
        const double took = Now() - t;
        flushes += FileFault_Count(TFileOp::Sync) - syncs;
        const TIo d = Io() - before - noise;
        io = {io.ReadBytes + d.ReadBytes, io.WriteBytes + d.WriteBytes, io.Reads + d.Reads, io.Writes + d.Writes};
        total += took;
        if (took > slowest) slowest = took;
    }
    std::printf("  %-38s %6.3f ms mean, %6.3f ms slowest; per call %7.0f bytes read in %4.1f reads, "
                "%6.0f bytes written in %3.1f writes, %3.1f flushes\n",
                what, total / n, slowest, double(io.ReadBytes) / n, double(io.Reads) / n,
                double(io.WriteBytes) / n, double(io.Writes) / n, double(flushes) / n);
    return total / n;
}

// The steps' anchor: record n of the document file read with one pread.
void PreadRecord(const std::string& path, int n) {
    static std::string record(Denpyou_RecLen, ' ');
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    if (::pread(fd, record.data(), record.size(), static_cast<off_t>(n - 1) * Denpyou_RecLen) < 0) record[0] = ' ';
    ::close(fd);
}
void Nothing(int) {}

// The header's F7 and F8: the step, then the bar for the document shown.
void StepBack() {
    Denpyou_ShowBefore();
    Job_Show();
}
void StepOn() {
    Denpyou_ShowNext();
    Job_Show();
}

void Run(const TSetup& setup) {
    TestFolder folder;
    WriteFiles(folder, setup);
    auto form = std::make_unique<TForm_Syori_01>();
    const double t = Now();
    form->FormCreate();
    form->FormActivate();
    std::printf("%s: %d documents, %d customers, tidy-up mode %d; start-up %.1f ms\n",
                setup.OldDocument ? "an old document late in the file"
                : setup.Customers ? "with customers"
                                  : "documents only",
                Denpyou_Count, Kokyaku_Count, static_cast<int>(Seiri_Mode), Now() - t);

    const std::string documents = folder.Path("Data/Denpyou.620");
    const int count = Denpyou_Count;
    const double read = Measure("anchor: one record, pread", Steps, Nothing,
                                [&](int i) { PreadRecord(documents, count - i % count); });
    const double back = Measure("F7 step back", Steps, Nothing, [](int) { StepBack(); });
    const double on = Measure("F8 step on", Steps, Nothing, [](int) { StepOn(); });
    std::printf("  steps / their anchor: F7 %.1f, F8 %.1f\n", back / read, on / read);
    // The stores' anchor: one record into a file of its own beside the
    // documents (flushed once before, as the document file is).
    const std::string anchorFile = folder.Path("Data/anchor.620");
    folder.Write("Data/anchor.620", Record(Denpyou_RecLen));
    const std::string record = Record(Denpyou_RecLen);
    Bench_PwriteSync(anchorFile, 0, "", 0);
    const double flush = Measure("anchor: one record, pwrite, fdatasync", Stores, Nothing,
                                 [&](int) { Bench_PwriteSync(anchorFile, 0, record.data(), record.size()); });
    // Rewrites in place go first, while the file holds exactly 30000.
    const double stored = Measure("F1 store of a stored document", Stores, [](int) { StepBack(); },
                                  [](int) { Denpyou_Store(); });
    const double added = Measure(
        "F1 store of a new document", Stores,
        [](int) { Str_Pad("新規顧客", Denpyou_Field[DenpyouField_KokyakuName_1], 40, 0); },
        [](int) { Denpyou_Store(); });
    std::printf("  stores / their anchor (one fdatasync): of a stored document %.1f, of a new one %.1f\n",
                stored / flush, added / flush);
    std::printf("  documents now %d, tidy-up mode %d; for comparison, one full count of the file (Denpyou_Open): "
                "%.1f ms\n",
                Denpyou_Count, static_cast<int>(Seiri_Mode), [] {
                    const double s = Now();
                    Denpyou_Open();
                    return Now() - s;
                }());
}

}  // namespace

int main() {
    Clock_Fix({2025, 4, 1, 10, 0, 0});
    Bench_Anchor("in each run, the steps beside one record read with one pread, the F1 stores beside one record "
                 "written with one pwrite and flushed with one fdatasync");
    Run({30000, false, 0});
    Run({30000, true, 0});
    Run({29000, false, 28990});
    return 0;
}
