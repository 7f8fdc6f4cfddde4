// Times the save of 30000 documents (690 MB) into the backup folder against
// a plain copy of the same file in the same run: read and write a block at a
// time, then flushed to the disk, as a careful copy would. Both read the
// document file from the page cache and write to the same disk; each runs
// three times, in alternating order, and the best of each is compared.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchIo.h"
#include "platform/File.h"
#include "settings/backup/BackupSave.h"
#include "store/Denpyou.h"
#include "tests/TestFolder.h"

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

}  // namespace

int main() {
    TestFolder folder;
    folder.MakeDir("usb");
    const std::string usb = folder.Path("usb");
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

    // Each copy alone in the folder; the order alternates, so that neither
    // always runs while the other's pages are still being written out.
    auto plainCopy = [&]() {
        folder.Remove("usb/Denpyou.625");
        const double start = Bench_NowMs();
        if (!PlainCopy(folder.Path("Data/Denpyou.620"), folder.Path("usb/plain.625"))) return -1.0;
        return Bench_NowMs() - start;
    };
    int figures = 0, last = -1;
    auto save = [&]() {
        folder.Remove("usb/plain.625");
        figures = 0;
        const double start = Bench_NowMs();
        const TBackupResult r = BackUp_SaveDenpyou(usb, false, [&](int p) {
            ++figures;
            last = p;
        });
        const double ms = Bench_NowMs() - start;
        return r.Failure.empty() && r.Ds == Documents ? ms : -1.0;
    };
    double bestPlain = 1e300, bestSave = 1e300;
    for (int round = 1; round <= 3; ++round) {
        double plain, saved;
        if (round % 2) {
            plain = plainCopy();
            saved = save();
        } else {
            saved = save();
            plain = plainCopy();
        }
        if (plain < 0 || saved < 0) return 1;
        std::printf("round %d: plain copy %.0f ms (%.0f MB/s), save %.0f ms (%.0f MB/s), %d figures up to %d\n", round,
                    plain, mb / plain * 1e3, saved, mb / saved * 1e3, figures, last);
        bestPlain = std::min(bestPlain, plain);
        bestSave = std::min(bestSave, saved);
    }
    std::printf("save / plain copy (best of 3 each): %.2f\n", bestSave / bestPlain);
    return 0;
}
