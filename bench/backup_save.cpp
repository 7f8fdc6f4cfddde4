// Times the save of 30000 documents (690 MB) into the backup folder against
// a plain copy of the same file in the same run: read and write a block at a
// time, then flushed to the disk, as a careful copy would. The save runs
// twice over: the data side's step alone, and the whole run of F1 on the
// data maintenance screen of the program started headlessly (documents
// ticked, the own company and units too, the per-cent figure painted as it
// moves). All read the document file from the page cache and write to the
// same disk; each runs three times, in turns, and the best of each is
// compared.
//
// Then the customer step with 5000 customers (the copy "Kokyaku.625" and the
// CSV built from the records it read, each through a scratch file, flushed,
// renamed and the folder flushed) beside a plain copy of the same customer
// file, and beside the same durable work done by plain system calls (both
// files written anew, fdatasync'd, renamed, the folder fsync'd after each),
// in the same run: nine rounds in turns, the best of each compared, by the
// clock and by the processor time each took. With the argument "customers"
// the customer step runs alone.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchAnchors.h"
#include "platform/File.h"
#include "settings/backup/BackupSave.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "platform/Form.h"
#include "tools/Headless.h"

namespace {

constexpr int Documents = 30000, Customers = 5000, Rounds = 9;

// Document n: kind, number, creation date, a few described lines.
void Document(std::string& r, int n) {
    r.assign(Denpyou_RecLen, ' ');
    r.back() = '\n';
    r[0] = '1';
    const std::string no = std::to_string(n);
    r.replace(11 - no.size(), no.size(), no);
    r.replace(251, 8, "2024 6 1");
    for (int line = 0; line < 20; ++line) r.replace(267 + line * 110 + 1, 12, "電線 ＶＶＦ" + std::to_string(line % 10));
}

// Customer n, with every column of the CSV filled, a comma in the street
// for a quoted field.
std::string Customer(int n) {
    std::string r(Kokyaku_RecLen, ' ');
    r.back() = '\n';
    const std::string no = std::to_string(n);
    const std::pair<int, std::string> fields[] = {
        {KokyakuField_Name_1, "株式会社 顧客" + no},  {KokyakuField_Name_2, "営業所" + no},
        {KokyakuField_Kana, "ｺｷｬｸ" + no},            {KokyakuField_Keisyou, "御中"},
        {KokyakuField_Zip, "100-0001"},              {KokyakuField_Prif, "東京都"},
        {KokyakuField_City, "千代田区"},              {KokyakuField_Banti, "丸の内1-" + no + ",2"},
        {KokyakuField_Apart, "第" + no + "ビル"},     {KokyakuField_Tel, "03-1234-" + no},
        {KokyakuField_Keitai, "090-1234-" + no},     {KokyakuField_TantouCode, "T" + no},
        {KokyakuField_TantouName, "担当" + no},
    };
    for (const auto& [k, text] : fields) r.replace(static_cast<size_t>(Kokyaku_FieldOffset[k]), text.size(), text);
    return r;
}

// The plain copy: 1 MiB at a time, then fsync.
bool PlainCopy(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = in >= 0 && out >= 0;
    std::vector<char> block(1 << 20);
    while (ok) {
        const ssize_t n = ::read(in, block.data(), block.size());
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = ::write(out, block.data(), static_cast<size_t>(n)) == n;
    }
    ok = ok && ::fsync(out) == 0;
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
    return ok;
}

// The figures the screen paints.
struct TFigures : TFormHost {
    int Count = 0;
    std::string Last;
    void Invalidate() override {}
    void FocusChanged() override {}
    void RepaintNow(TControl* c) override {
        if (c->Name() != "Label_DenpyouRitu") return;
        ++Count;
        Last = static_cast<TLabel*>(c)->Caption;
    }
};

// The documents' rounds: the plain copy, the data side's save and the
// screen's F1, in turns. false when a run failed.
bool DocumentRounds(THeadlessSession& session, const std::string& usb) {
    const double mb = static_cast<double>(Documents) * Denpyou_RecLen / 1e6;
    std::printf("documents %d, %.0f MB\n", Documents, mb);
    if (!session.Click("Label_Job_07") || !session.Click("Label_Panel_BackUp_F3") || !session.Click("CheckBox_Denpyou"))
        return false;
    TFigures shown;
    session.Form()->SetHost(&shown);
    auto remove = [&](const char* name) { std::filesystem::remove(usb + "/" + name); };

    // Each copy alone in the folder.
    auto plainCopy = [&]() {
        remove("Denpyou.625");
        const double start = Bench_NowMs();
        if (!PlainCopy(session.Folder() + "Data/Denpyou.620", usb + "/plain.625")) return -1.0;
        return Bench_NowMs() - start;
    };
    int figures = 0, last = -1;
    auto save = [&]() {
        remove("plain.625");
        remove("Denpyou.625");
        figures = 0;
        const double start = Bench_NowMs();
        const TBackupResult r = BackUp_SaveDenpyou(usb, false, [&](int p) {
            ++figures;
            last = p;
        });
        const double ms = Bench_NowMs() - start;
        return r.Failure.empty() && r.Ds == Documents ? ms : -1.0;
    };
    auto screen = [&]() {
        remove("plain.625");
        remove("Denpyou.625");
        shown = {};
        const double start = Bench_NowMs();
        session.Click("Label_Panel_BackUp_F1");
        const double ms = Bench_NowMs() - start;
        return session.TextOf("Label_BK_DenpyouDs") == std::to_string(Documents) ? ms : -1.0;
    };
    // Each round in another order, so that none always runs while another's
    // pages are still being written out.
    const std::function<double()> runs[] = {plainCopy, save, screen};
    const int orders[3][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    double best[3] = {1e300, 1e300, 1e300};
    bool ok = true;
    for (int round = 0; ok && round < 3; ++round) {
        double ms[3];
        for (int k : orders[round]) ok = ok && (ms[k] = runs[k]()) >= 0;
        if (!ok) break;
        std::printf("round %d: plain copy %.0f ms (%.0f MB/s), save %.0f ms (%.0f MB/s) with %d figures up to %d, "
                    "screen's F1 %.0f ms (%.0f MB/s) with %d figures painted up to %s\n",
                    round + 1, ms[0], mb / ms[0] * 1e3, ms[1], mb / ms[1] * 1e3, figures, last, ms[2],
                    mb / ms[2] * 1e3, shown.Count, shown.Last.c_str());
        for (int k = 0; k < 3; ++k) best[k] = std::min(best[k], ms[k]);
    }
    if (ok)
        std::printf("save / plain copy: %.2f, screen's F1 / plain copy: %.2f (best of 3 each)\n", best[1] / best[0],
                    best[2] / best[0]);
    session.Form()->SetHost(nullptr);
    remove("plain.625");
    remove("Denpyou.625");
    return ok;
}

// The customer step's rounds beside its anchors, in turns. false when a
// run failed.
bool CustomerRounds(THeadlessSession& session, const std::string& usb) {
    std::string customers;
    customers.reserve(static_cast<size_t>(Customers) * Kokyaku_RecLen);
    for (int n = 1; n <= Customers; ++n) customers += Customer(n);
    if (!session.WriteFile("Data\\Kokyaku.620", customers)) return false;
    std::printf("customers %d, %.1f MB\n", Customers, static_cast<double>(customers.size()) / 1e6);
    const std::filesystem::path csv = std::filesystem::path(usb) / std::filesystem::path(u8"見積顧客.CSV");
    const std::string data = session.Folder() + "Data/Kokyaku.620";
    // Each run alone in the folder.
    auto clear = [&] {
        for (const char* name : {"plain.625", "Kokyaku.625", "anchor.625", "anchor.csv"})
            std::filesystem::remove(usb + "/" + name);
        std::filesystem::remove(csv);
    };
    int figures = 0, last = -1;
    auto step = [&]() {
        clear();
        figures = 0;
        const double start = Bench_NowMs();
        const TBackupResult r = BackUp_SaveKokyaku(usb, [&](int p) {
            ++figures;
            last = p;
        });
        const double ms = Bench_NowMs() - start;
        return r.Failure.empty() && r.Ds == Customers ? ms : -1.0;
    };
    // The CSV's bytes, for the anchor that writes them.
    if (step() < 0) return false;
    std::vector<char> csvBytes(static_cast<size_t>(std::filesystem::file_size(csv)));
    {
        const int fd = ::open(csv.c_str(), O_RDONLY | O_CLOEXEC);
        const bool read = fd >= 0 && ::read(fd, csvBytes.data(), csvBytes.size()) == static_cast<ssize_t>(csvBytes.size());
        if (fd >= 0) ::close(fd);
        if (!read) return false;
    }
    std::printf("the CSV %zu bytes\n", csvBytes.size());
    Bench_Anchor("for the customer step also the same durable work by plain calls: the customer file read, written "
                 "to a new file, fdatasync'd, renamed, the folder fsync'd, and the CSV's bytes likewise");
    auto plainCopy = [&]() {
        clear();
        const double start = Bench_NowMs();
        return PlainCopy(data, usb + "/plain.625") ? Bench_NowMs() - start : -1.0;
    };
    auto durable = [&]() {
        clear();
        const double start = Bench_NowMs();
        const bool ok = Bench_ReadWriteRename(data, usb + "/anchor.625", true) >= 0 &&
                        Bench_WriteRename(csvBytes.data(), csvBytes.size(), usb + "/anchor.csv", true);
        return ok ? Bench_NowMs() - start : -1.0;
    };
    // Each timed by the clock and by the processor time it took (the waits
    // for the disk left out); the best of each kept.
    struct TTook {
        double Ms = 1e300, CpuMs = 1e300;
    };
    const std::function<double()> runs[] = {plainCopy, durable, step};
    const int orders[3][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    TTook best[3];
    for (int round = 0; round < Rounds; ++round) {
        TTook took[3];
        for (int k : orders[round % 3]) {
            const double cpu = Bench_CpuMs(), ms = runs[k]();
            if (ms < 0) return false;
            took[k] = {ms, Bench_CpuMs() - cpu};
            best[k] = {std::min(best[k].Ms, took[k].Ms), std::min(best[k].CpuMs, took[k].CpuMs)};
        }
        std::printf("round %d: plain copy %.1f ms (%.1f processor), same durable work %.1f ms (%.1f), customer step "
                    "%.1f ms (%.1f) with %d figures up to %d\n",
                    round + 1, took[0].Ms, took[0].CpuMs, took[1].Ms, took[1].CpuMs, took[2].Ms, took[2].CpuMs, figures,
                    last);
    }
    std::printf("customer step / plain copy: %.2f, / same durable work: %.2f (best of %d each: %.1f ms, %.1f ms, "
                "%.1f ms); processor time %.2f, %.2f (%.1f ms, %.1f ms, %.1f ms)\n",
                best[2].Ms / best[0].Ms, best[2].Ms / best[1].Ms, Rounds, best[2].Ms, best[0].Ms, best[1].Ms,
                best[2].CpuMs / best[0].CpuMs, best[2].CpuMs / best[1].CpuMs, best[2].CpuMs, best[0].CpuMs,
                best[1].CpuMs);
    clear();
    return true;
}

}  // namespace

// With the argument "customers", the customer step alone.
int main(int argc, char** argv) {
    const bool documents = argc < 2 || std::string(argv[1]) != "customers";
    THeadlessSession session;  // the program folder, the backup folder "usb" in it
    const std::string usb = session.Folder() + "usb";
    std::filesystem::create_directory(usb);
    if (documents) {
        const int fd = File_Create("Data\\Denpyou.620");
        std::string record, block;
        for (int n = 1; n <= Documents; ++n) {
            Document(record, n);
            block += record;
            if (block.size() >= (8u << 20) || n == Documents) {
                if (File_Write(fd, block.data(), static_cast<std::int64_t>(block.size())) !=
                    static_cast<std::int64_t>(block.size()))
                    return 1;
                block.clear();
            }
        }
        File_Sync(fd);
        File_Close(fd);
    }
    Bench_Anchor("a plain copy of the same file: read 1 MiB at a time, written to a new file, one fsync "
                 "(no scratch name, no rename, no folder flush), timed in the same run in turns");
    std::string record = usb;
    record.resize(255, ' ');
    if (!session.WriteFile("Data\\BackupFolder.500", record) || !session.Start()) return 1;
    if (documents && !DocumentRounds(session, usb)) return 1;
    return CustomerRounds(session, usb) ? 0 : 1;
}
