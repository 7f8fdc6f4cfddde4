// Times the product chooser with 5000 products in one category, in the
// started window: its opening (F8 in a description cell: the hit list of the
// first 1000 built from the membership field, the first page read and the
// bar set), a page on and back (PageDown, PageUp), a move of its cursor
// (Down) and a pick (Return: the product read and copied into the line, the
// line, the tax lines and the total worked out, the chooser closed). The
// opening is timed for that category, whose first 1000 members are the
// first 1000 records, and for a second one with every fifth product, whose
// 1000 members lie across the whole file; each beside its anchor, measured
// in the same run: the same membership bytes taken from the file read in one
// sequential pass (1 MiB blocks), the file cached as it is for the opening.
// Each is the mean and the slowest of its runs, with the file I/O
// (/proc/self/io). The goals are under 10 ms for the opening and under 1 ms
// for a page or a pick, before the paint (the window here paints nothing).
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchAnchors.h"
#include "editor/SyouhinChoose.h"
#include "store/Syouhin.h"
#include "tests/editor/SyouhinFixture.h"
#include "tools/Headless.h"

namespace {

constexpr int Products = 5000, Runs = 50;

struct TTimes {
    double Total = 0, Slowest = 0;
    TBenchIo Io;
    int Runs = 0;
};

template <class F>
void Time(TTimes& t, F work) {
    const TBenchIo before = Bench_Io();
    const double start = Bench_NowMs();
    work();
    const double ms = Bench_NowMs() - start;
    const TBenchIo io = Bench_Io() - before;
    t.Total += ms;
    t.Slowest = std::max(t.Slowest, ms);
    t.Io.ReadBytes += io.ReadBytes;
    t.Io.Reads += io.Reads;
    ++t.Runs;
}

void Report(const char* what, const TTimes& t) {
    std::printf("  %-44s %7.3f ms mean, %7.3f ms slowest; read %9.0f bytes in %6.0f reads\n", what,
                t.Total / t.Runs, t.Slowest, double(t.Io.ReadBytes) / t.Runs, double(t.Io.Reads) / t.Runs);
}

// The anchor: the first 1000 members' record numbers of category number
// category taken from the membership bytes of the file read in one
// sequential pass.
void SequentialPass(const std::string& path, int category, TTimes& t) {
    Time(t, [&] {
        std::vector<char> block(static_cast<size_t>(Syouhin_RecLen) * 3495);  // about 1 MiB of whole records
        std::vector<int> hits;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const int flag = Syouhin_FieldOffset[SyouhinField_Hinsyu] + category - 1;
        for (long long at = 0, n = 0; fd >= 0 && hits.size() < 1000; at += n) {
            n = ::pread(fd, block.data(), block.size(), at);
            if (n <= 0) break;
            for (long long r = 0; r + Syouhin_RecLen <= n && hits.size() < 1000; r += Syouhin_RecLen)
                if (block[static_cast<size_t>(r + flag)] == '1') hits.push_back(static_cast<int>((at + r) / Syouhin_RecLen + 1));
        }
        if (fd >= 0) ::close(fd);
    });
}

// Opens and closes the chooser on category entry e, runs times.
void Openings(THeadlessSession& session, int entry, TTimes& anchor, TTimes& open) {
    TTimes warm;  // the first pass pays for the buffer's pages
    SequentialPass(session.HostPath("Data/Syouhin.620"), entry + 1, warm);
    for (int i = 0; i < Runs; ++i) {
        SequentialPass(session.HostPath("Data/Syouhin.620"), entry + 1, anchor);
        SyouhinChoose_Hinsyu = entry;
        Time(open, [&] { session.Key(vk::F8); });
        session.Key(vk::F9);
    }
}

}  // namespace

int main() {
    THeadlessSession session;
    session.WriteFile("Data\\Hinsyu.620", Hinsyu_TestFile({"電材", "五つ目"}));
    std::string products;
    for (int i = 1; i <= Products; ++i)
        products += Syouhin_TestRecord(Syouhin_Numbered(i, i % 5 == 0 ? std::vector<int>{1, 2} : std::vector<int>{1}));
    session.WriteFile("Data\\Syouhin.620", products);
    session.Start();
    std::printf("products %d: all in the first category, every fifth in the second\n", Syouhin_Count);
    Bench_Anchor("each opening beside the same membership bytes read in one sequential pass of the cached file; "
                 "the page, cursor and pick beside their goals");
    session.Click("Edit_DenpSyousai_01");

    TTimes anchorAll, openAll, anchorFifth, openFifth, down, pageOn, pageBack, pick;
    Openings(session, 0, anchorAll, openAll);
    Openings(session, 1, anchorFifth, openFifth);
    SyouhinChoose_Hinsyu = 0;
    session.Key(vk::F8);
    std::printf("hits listed %d\n", SyouhinChoose_HitCount);
    for (int i = 0; i < Runs; ++i) {
        Time(pageOn, [&] { session.Key(vk::PageDown); });
        Time(down, [&] { session.Key(vk::Down); });
    }
    for (int i = 0; i < Runs; ++i) Time(pageBack, [&] { session.Key(vk::PageUp); });
    for (int i = 0; i < Runs; ++i) {
        Time(pick, [&] { session.Key(vk::Return); });
        session.Key(vk::F8);
    }
    Report("all 5000: the membership bytes, one pass", anchorAll);
    Report("all 5000: F8, opened (goal 10 ms)", openAll);
    Report("every 5th: the membership bytes, one pass", anchorFifth);
    Report("every 5th: F8, opened (goal 10 ms)", openFifth);
    Report("PageDown, a page on (goal 1 ms)", pageOn);
    Report("PageUp, a page back (goal 1 ms)", pageBack);
    Report("Down, the cursor a row on", down);
    Report("Return, a pick into the line (goal 1 ms)", pick);
    return 0;
}
