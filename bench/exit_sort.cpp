// Times leaving the program through its exit entry with 5000 customers and
// 5000 products changed since start-up and stored out of reading order: the
// categories saved and sorted, both master files sorted, the own-company
// record and the units written. The files are freshly written, so they are
// read from the page cache.
//
// Beside its anchor measured in the same run: the two master files each
// read, written to a new file, flushed with fdatasync and renamed, by plain
// system calls (no flush of the folder, as the program's own rewrites).
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <string>

#include "app/Syori_01.h"
#include "bench/BenchAnchors.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "tests/TestFolder.h"

namespace {

constexpr int Customers = 5000, Products = 5000;

std::string Record(int len, int offset1, const std::string& text1, int offset2, const std::string& text2) {
    std::string r(static_cast<size_t>(len), ' ');
    r.back() = '\n';
    r.replace(static_cast<size_t>(offset1), text1.size(), text1);
    r.replace(static_cast<size_t>(offset2), text2.size(), text2);
    return r;
}

std::string Kana(std::mt19937& rng) {
    static const char* const syllables[] = {"ｱ", "ｲ", "ｶ", "ｻ", "ﾀ", "ﾅ", "ﾊ", "ﾏ", "ﾔ", "ﾗ", "ﾜ", "ﾝ"};
    std::string k;
    for (int i = 0, n = 2 + static_cast<int>(rng() % 6); i < n; ++i) k += syllables[rng() % 12];
    return k;
}

double Millis(const timespec& start, const timespec& end) {
    // (<chrono> does not compile with the CP932 execution character set.)
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

// Whether the file's keys (10 bytes at keyOffset) are in ascending order.
bool Sorted(const TestFolder& folder, const char* path, int len, int keyOffset) {
    const std::string bytes = folder.Read(path);
    for (size_t at = len; at + len <= bytes.size(); at += len)
        if (bytes.compare(at + keyOffset, 10, bytes, at - len + keyOffset, 10) < 0) return false;
    return true;
}

}  // namespace

int main() {
    Clock_Fix({2026, 12, 10, 9, 0, 0});
    TestFolder folder;
    std::mt19937 rng(7);
    std::string customers, products;
    for (int i = 0; i < Customers; ++i) customers += Record(2000, 1, "顧客" + std::to_string(i), 81, Kana(rng));
    for (int i = 0; i < Products; ++i) products += Record(300, 1, "商品" + std::to_string(i), 51, Kana(rng));
    folder.Write("Data/Kokyaku.620", customers);
    folder.Write("Data/Syouhin.620", products);

    auto form = std::make_unique<TForm_Syori_01>();
    form->FormCreate();
    form->FormActivate();
    Kokyaku_Changed = true;
    Syouhin_Changed = true;
    std::printf("customers %d, products %d, both changed\n", Kokyaku_Count, Syouhin_Count);
    Bench_Anchor("both master files read, written to a new file, fdatasync'd and renamed by plain calls");
    const double customersMs =
        Bench_ReadWriteRename(folder.Path("Data/Kokyaku.620"), folder.Path("Data/Kokyaku.anchor"), false);
    const double productsMs =
        Bench_ReadWriteRename(folder.Path("Data/Syouhin.620"), folder.Path("Data/Syouhin.anchor"), false);
    if (customersMs < 0 || productsMs < 0) return 1;
    const double anchorMs = customersMs + productsMs;
    std::printf("anchor: both files written anew:                     %8.1f ms\n", anchorMs);

    Application_SetTerminateHandler([](int status) { throw TApplicationExit{status}; });
    int status = 0;
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    try {
        form->ClickControl(form->Find("Label_Job_10"));
    } catch (const TApplicationExit& e) {
        status = e.Status;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("exit through the menu, save sequence and both sorts: %8.1f ms (status %d), %.2f x the anchor\n",
                Millis(start, end), status, Millis(start, end) / anchorMs);
    std::printf("customer file sorted: %s, product file sorted: %s\n",
                Sorted(folder, "Data/Kokyaku.620", 2000, 81) ? "yes" : "NO",
                Sorted(folder, "Data/Syouhin.620", 300, 51) ? "yes" : "NO");
    return 0;
}
