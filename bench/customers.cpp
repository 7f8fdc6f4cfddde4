// Times the customer screen's keys with 5000 customers: every page forward
// and back (F8, F7), the one-customer scroll at the last row, commits in
// place with Return (of a cell as it stands, which writes nothing, and of a
// changed one, journaled and flushed), an append on the empty row, and a
// deletion (which rewrites the file twice). Each key's time is the slowest
// of its presses.
//
// Beside anchors measured in the same run: the keys beside F1, a key that
// does nothing on the screen; the writes beside the same durable work done
// by plain system calls on a copy of the customer file (a commit: its
// field's bytes with one pwrite and one fdatasync; an append: one record
// likewise at the end; the deletion: the file read, written to a new file,
// fdatasync'd and renamed, twice over, without a flush of the folder, as
// the program's own rewrites).
#include <cstdio>
#include <string>

#include "ui/Build.h"
#include "bench/BenchAnchors.h"
#include "bench/BenchTimes.h"
#include "masters/customers/KokyakuScreen.h"
#include "store/Kokyaku.h"
#include "tools/Headless.h"

namespace {

constexpr int Customers = 5000;

std::string Customer(int i) {
    std::string r(Kokyaku_RecLen - 1, ' ');
    r += '\n';
    const std::string name = "顧客" + std::to_string(i), kana = "ｺｷｬｸ" + std::to_string(i);
    r.replace(1, name.size(), name);
    r.replace(81, kana.size(), kana);
    return r;
}

// Presses key count times (or until stop says so), timing each press.
template <class Stop>
TBenchTimes Press(THeadlessSession& session, Word key, int count, Stop stop) {
    return Bench_Time(count, [&] { session.Key(key); }, stop);
}

void Report(const char* what, const TBenchTimes& t) { Bench_Report(what, t); }

}  // namespace

int main() {
    THeadlessSession session;
    std::string all;
    for (int i = 1; i <= Customers; ++i) all += Customer(i);
    session.WriteFile("Data\\Kokyaku.620", all);
    const double startUp = Bench_NowMs();
    session.Start();
    std::printf("customers %d, start-up %.1f ms\n", Kokyaku_Count, Bench_NowMs() - startUp);
    Bench_Anchor("the keys beside F1, a key that does nothing; the writes beside the same bytes written and flushed "
                 "by plain pwrite and fdatasync, the deletion beside the file read, written anew, fdatasync'd and "
                 "renamed twice");
    session.Click("Label_Job_03");
    // The writes' anchors work on a copy of the customer file, flushed once.
    const std::string copy = session.HostPath("Data/Kokyaku.anchor");
    if (!session.WriteFile("Data\\Kokyaku.anchor", all) || Bench_PwriteSync(copy, 0, "", 0) < 0) return 1;

    const auto never = [] { return false; };
    Report("anchor: F1, a key doing nothing", Press(session, vk::F1, 200, never));
    const int lastTop = Kokyaku_Count - Kokyaku_LastRow;
    Report("F8, page by page to the end", Press(session, vk::F8, Customers, [&] { return Kokyaku_Top == lastTop; }));
    Report("F7, page by page to the start", Press(session, vk::F7, Customers, [] { return Kokyaku_Top == 0; }));
    Report("F9, to the empty row", Press(session, vk::F9, 1, never));

    // The scroll at the last row: back to a page with customers below it.
    session.Key(vk::F7);
    session.Click(Ui_RowName(Kokyaku_Cell(KokyakuColumn_Kana).Edit, Kokyaku_Rows));
    Report("Down in the last row (one customer)", Press(session, vk::Down, 10, never));

    session.Click(Ui_RowName(Kokyaku_Cell(KokyakuColumn_Kana).Edit, 6));
    Report("Return, a commit of a cell as it is", Press(session, vk::Return, 1, never));
    session.Click(Ui_RowName(Kokyaku_Cell(KokyakuColumn_Kana).Edit, 6));
    session.Type("ｶ");
    const TBenchIo beforeCommit = Bench_Io();
    Report("Return, a commit of a changed cell", Press(session, vk::Return, 1, never));
    std::printf("%-34s %lld bytes written\n", "", (Bench_Io() - beforeCommit).WriteBytes);
    const std::string kana(static_cast<size_t>(Kokyaku_FieldWidth[KokyakuField_Kana]), ' ');
    Report("anchor: pwrite, fdatasync (field)", Bench_Time(5, [&] {
        Bench_PwriteSync(copy, 5LL * Kokyaku_RecLen + Kokyaku_FieldOffset[KokyakuField_Kana], kana.data(), kana.size());
    }, never));

    session.Key(vk::F9);
    session.Type("新規");
    const TBenchIo before = Bench_Io();
    Report("Return, an append on the empty row", Press(session, vk::Return, 1, never));
    const TBenchIo append = Bench_Io() - before;
    std::printf("%-34s %lld bytes written\n", "", append.WriteBytes);
    const std::string record = Customer(Customers + 1);
    long long end = static_cast<long long>(all.size());
    Report("anchor: pwrite, fdatasync (append)", Bench_Time(5, [&] {
        Bench_PwriteSync(copy, end, record.data(), record.size());
        end += Kokyaku_RecLen;
    }, never));

    session.Key(vk::F7);
    const TBenchIo beforeDelete = Bench_Io();
    Report("F4, a deletion", Press(session, vk::F4, 1, never));
    const TBenchIo deletion = Bench_Io() - beforeDelete;
    std::printf("%-34s %lld bytes read, %lld written; customers now %d\n", "", deletion.ReadBytes,
                deletion.WriteBytes, Kokyaku_Count);
    Report("anchor: file written anew, twice", Bench_Time(1, [&] {
        Bench_ReadWriteRename(session.HostPath("Data/Kokyaku.620"), session.HostPath("Data/anchor.del"), false);
        Bench_ReadWriteRename(session.HostPath("Data/anchor.del"), copy, false);
    }, never));
    return 0;
}
