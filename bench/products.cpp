// Times the product and category screens with 5000 products and all 100
// categories named: each key's slowest press (before its paint, which the
// headless session does not do), beside a key that does nothing on the
// screen (F1: the input's way through the window and the commands alone).
// The product screen's pages, scrolls, commits, the new row and a deletion;
// the category chooser's opening, toggles (each written at once, journaled
// and flushed: beside the same write made alone, whose flush they take), its
// cursor and the product cursor under it; the category
// screen's keys. Last, the deletion of five categories over the 5000
// products (each product's flag byte cleared, the file written once through
// a scratch copy), each beside its anchor measured in the same run: the same
// file read and written to a new file 1 MiB at a time, flushed with
// fdatasync and renamed, as plain system calls (the program's rewrite makes
// no flush of the folder, so neither does the anchor).
//
// A toggle's anchor is the same durable work done by plain system calls:
// the same 100 flag bytes written with one pwrite into a copy of the
// product file at the same place and flushed with one fdatasync.
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/BenchAnchors.h"
#include "bench/BenchTimes.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/FileFault.h"
#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "tools/Headless.h"
#include "ui/Build.h"

namespace {

constexpr int Products = 5000;

std::string Record(int length) {
    std::string r(static_cast<size_t>(length) - 1, ' ');
    r += '\n';
    return r;
}

// Product i belongs to three categories by its number, one of them 7.
std::string Product(int i) {
    std::string r = Record(Syouhin_RecLen);
    const std::string name = "商品" + std::to_string(i), kana = "ｼｮｳﾋﾝ" + std::to_string(i);
    r.replace(1, name.size(), name);
    r.replace(51, kana.size(), kana);
    r.replace(61, 9, "     1200");
    for (int n : {7, 1 + i % 100, 1 + i * 7 % 100}) r[static_cast<size_t>(98 + n - 1)] = '1';
    return r;
}

std::string Categories() {
    std::string file;
    for (int e = 0; e < Hinsyu_Max; ++e) {
        std::string r = Record(Hinsyu_RecLen);
        const std::string name = "品種" + std::to_string(e + 1);
        r.replace(1, name.size(), name);
        char no[8];
        std::snprintf(no, sizeof no, "%3d", e + 1);
        r.replace(51, 3, no);
        file += r;
    }
    return file;
}

void Report(const char* what, const TBenchTimes& t) { Bench_Report(what, t, 42); }

const auto Never = [] { return false; };

}  // namespace

int main() {
    THeadlessSession session;
    std::string all;
    for (int i = 1; i <= Products; ++i) all += Product(i);
    session.WriteFile("Data\\Syouhin.620", all);
    session.WriteFile("Data\\Hinsyu.620", Categories());
    session.WriteFile("Data\\Tanni.620", "式       \n個       \nm        \n");
    session.Start();
    std::printf("products %d, categories named %d\n", Syouhin_Count, Hinsyu_Count);
    Bench_Anchor("the keys beside F1, a key that does nothing; a toggle beside one pwrite of its 100 bytes and one "
                 "fdatasync; the category's deletion beside the file read, written to a new file, fdatasync'd and "
                 "renamed (no folder flush, as the program's own rewrite)");
    auto key = [&](Word k) { return [&session, k] { session.Key(k); }; };
    auto click = [&](std::string name) { return [&session, name] { session.Click(name); }; };

    // ---- the product screen
    session.Click("Label_Job_05");
    Report("anchor: F1, a key that does nothing", Bench_Time(200, key(vk::F1), Never));
    const int lastTop = Syouhin_Count - Syouhin_LastRow;
    Report("F8, page by page to the end", Bench_Time(Products, key(vk::F8), [&] { return Syouhin_Top == lastTop; }));
    Report("F7, page by page to the start", Bench_Time(Products, key(vk::F7), [] { return Syouhin_Top == 0; }));
    session.Click(Ui_RowName("Edit_Syouhin_Kana_", Syouhin_Rows));
    Report("Down in the last row (one product)", Bench_Time(100, key(vk::Down), Never));
    session.Click("Edit_Syouhin_Kana_01");
    Report("Up in the first row (one product)", Bench_Time(100, key(vk::Up), Never));
    Report("Down within the page", Bench_Time(20, key(vk::Down), Never));
    session.Click("Edit_Syouhin_Hanbai_05");
    Report("Return, a commit of a cell as it is", Bench_Time(1, key(vk::Return), Never));
    session.Click("Edit_Syouhin_Hanbai_05");
    session.Type("5");
    TBenchIo before = Bench_Io();
    Report("Return, a commit of a changed cell", Bench_Time(1, key(vk::Return), Never));
    std::printf("%-42s %lld bytes written\n", "", (Bench_Io() - before).WriteBytes);
    session.Click("Label_Syouhin_Zei_06");
    Report("a click on a tax class", Bench_Time(4, click("Label_Syouhin_Zei_06"), Never));
    session.Click("Edit_Syouhin_Tannni_07");
    Report("Down in the unit chooser", Bench_Time(20, key(vk::Down), Never));
    Report("F9, to the first empty row", Bench_Time(1, key(vk::F9), Never));

    // ---- the category chooser over it
    session.Key(vk::F7);
    Report("a click on a category name (the chooser)", Bench_Time(1, click("Label_Syouhin_Hinsyu_03"), Never));
    before = Bench_Io();
    std::int64_t flushes = FileFault_Count(TFileOp::Sync);
    const TBenchTimes toggles = Bench_Time(20, key(vk::Return), Never);
    Report("Return, a toggle (written and flushed)", toggles);
    std::printf("%-42s %lld bytes written by the 20, %lld flushes\n", "", (Bench_Io() - before).WriteBytes,
                static_cast<long long>(FileFault_Count(TFileOp::Sync) - flushes));
    // Its anchor: the flags' 100 bytes of the last product written into a
    // copy of the file at their place and flushed, by plain system calls
    // (the copy flushed once before, as the product file is).
    const std::string anchorFile = session.HostPath("Data/Syouhin.anchor");
    const bool copied = session.WriteFile("Data\\Syouhin.anchor", session.ReadFile("Data\\Syouhin.620").value_or(""));
    if (!copied || Bench_PwriteSync(anchorFile, 0, "", 0) < 0) return 1;
    std::string flags(Syouhin_FlagCount, ' ');
    const long long flagsAt = static_cast<long long>(Syouhin_Count - 1) * Syouhin_RecLen +
                              Syouhin_FieldOffset[SyouhinField_Hinsyu];
    int flip = 0;
    const TBenchTimes pwrites = Bench_Time(20, [&] {
        flags[0] = ++flip % 2 ? '1' : ' ';
        Bench_PwriteSync(anchorFile, flagsAt, flags.data(), flags.size());
    }, Never);
    Report("anchor: 100 bytes, pwrite and fdatasync", pwrites);
    std::printf("%-42s a toggle / its anchor: %.2f on average, %.2f the slowest\n", "",
                (toggles.Total / toggles.Presses) / (pwrites.Total / pwrites.Presses), toggles.Slowest / pwrites.Slowest);
    Report("Down in the chooser", Bench_Time(30, key(vk::Down), Never));
    Report("F4 in the chooser (the next product)", Bench_Time(30, key(vk::F4), Never));
    Report("F3 in the chooser (the product before)", Bench_Time(30, key(vk::F3), Never));
    Report("F8 in the chooser (a page of products)", Bench_Time(30, key(vk::F8), Never));
    Report("a click on another product's name", Bench_Time(10, click("Edit_Syouhin_Name_09"), Never));
    session.Key(vk::F9);

    // ---- the category screen
    session.Click("Label_Job_04");
    Report("anchor: F1 on the category screen", Bench_Time(200, key(vk::F1), Never));
    Report("Down in the categories", Bench_Time(49, key(vk::Down), Never));
    Report("Up in the categories", Bench_Time(49, key(vk::Up), Never));
    Report("F8 (the bar), the second page", Bench_Time(1, click("Label_Command_01_F8"), Never));
    Report("Up in the first row (two categories back)", Bench_Time(25, key(vk::Up), Never));
    Report("Return, a commit", Bench_Time(20, key(vk::Return), Never));
    Report("F9 (the bar), to the last entry", Bench_Time(1, click("Label_Command_01_F9"), Never));

    // ---- categories deleted over the products, each beside its anchor
    // (in turns, the order alternating): categories 7 to 11, each with
    // members among the products.
    session.Click("Label_Command_01_F7");
    session.Click("Edit_Hinsyu_Name_07");
    double bestAnchor = 1e300, bestDelete = 1e300;
    for (int round = 0; round < 5; ++round) {
        double anchorMs = 0, deleteMs = 0;
        TBenchIo anchor, deletion;
        long long deleteFlushes = 0;
        auto runAnchor = [&] {
            const TBenchIo at = Bench_Io();
            anchorMs = Bench_ReadWriteRename(session.HostPath("Data/Syouhin.620"),
                                             session.HostPath("Data/Syouhin.copy"), false);
            anchor = Bench_Io() - at;
        };
        auto runDelete = [&] {
            const TBenchIo at = Bench_Io();
            const std::int64_t syncs = FileFault_Count(TFileOp::Sync);
            const double start = Bench_NowMs();
            session.Click("Label_Command_01_F4");
            deleteMs = Bench_NowMs() - start;
            deletion = Bench_Io() - at;
            deleteFlushes = static_cast<long long>(FileFault_Count(TFileOp::Sync) - syncs);
        };
        if (round % 2 == 0) runAnchor(), runDelete();
        else runDelete(), runAnchor();
        if (anchorMs < 0) return 1;
        std::printf("anchor: the file read, written anew, fdatasync, rename %8.3f ms, %lld bytes read, %lld written\n",
                    anchorMs, anchor.ReadBytes, anchor.WriteBytes);
        std::printf("F4, category %2d deleted over %d products   %8.3f ms, %lld bytes read, %lld written, %lld "
                    "flushes\n",
                    7 + round, Syouhin_Count, deleteMs, deletion.ReadBytes, deletion.WriteBytes, deleteFlushes);
        bestAnchor = std::min(bestAnchor, anchorMs);
        bestDelete = std::min(bestDelete, deleteMs);
    }
    std::printf("a category's deletion / its anchor: %.2f (best of 5 each: %.3f ms, %.3f ms); categories now %d\n",
                bestDelete / bestAnchor, bestDelete, bestAnchor, Hinsyu_Count);
    return 0;
}
