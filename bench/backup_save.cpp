// Times the save of 30000 documents (690 MB) into the backup folder against
// a plain copy of the same file in the same run: read and write a block at a
// time, then flushed to the disk, as a careful copy would. The save runs
// twice over: the data side's step alone, and the whole run of F1 on the
// data maintenance screen of the program started headlessly (documents
// ticked, the own company and units too, the per-cent figure painted as it
// moves). All read the document file from the page cache and write to the
// same disk; each runs three times, in turns, and the best of each is
// compared.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchIo.h"
#include "platform/File.h"
#include "settings/backup/BackupSave.h"
#include "store/Denpyou.h"
#include "platform/Form.h"
#include "tools/Headless.h"

namespace {

constexpr int Documents = 30000;

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

}  // namespace

int main() {
    THeadlessSession session;  // the program folder, the backup folder "usb" in it
    const std::string usb = session.Folder() + "usb";
    std::filesystem::create_directory(usb);
    {
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
    const double mb = static_cast<double>(Documents) * Denpyou_RecLen / 1e6;
    std::printf("documents %d, %.0f MB\n", Documents, mb);
    std::string record = usb;
    record.resize(255, ' ');
    if (!session.WriteFile("Data\\BackupFolder.500", record) || !session.Start() || !session.Click("Label_Job_07") ||
        !session.Click("Label_Panel_BackUp_F3") || !session.Click("CheckBox_Denpyou"))
        return 1;
    TFigures shown;
    session.Form()->SetHost(&shown);
    auto remove = [&](const char* name) { std::filesystem::remove(usb + "/" + name); };

    // Each copy alone in the folder; the order alternates, so that neither
    // always runs while the other's pages are still being written out.
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
    for (int round = 0; round < 3; ++round) {
        double ms[3];
        for (int k : orders[round])
            if ((ms[k] = runs[k]()) < 0) return 1;
        std::printf("round %d: plain copy %.0f ms (%.0f MB/s), save %.0f ms (%.0f MB/s) with %d figures up to %d, "
                    "screen's F1 %.0f ms (%.0f MB/s) with %d figures painted up to %s\n",
                    round + 1, ms[0], mb / ms[0] * 1e3, ms[1], mb / ms[1] * 1e3, figures, last, ms[2],
                    mb / ms[2] * 1e3, shown.Count, shown.Last.c_str());
        for (int k = 0; k < 3; ++k) best[k] = std::min(best[k], ms[k]);
    }
    std::printf("save / plain copy: %.2f, screen's F1 / plain copy: %.2f (best of 3 each)\n", best[1] / best[0],
                best[2] / best[0]);
    session.Form()->SetHost(nullptr);
    return 0;
}
