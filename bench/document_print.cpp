// Times printing a 200-line estimate (8 pages) on the recording printer in
// the started window: preparation, the customer lookup among 5000
// customers, every page's texts, lines and frames recorded, and the store
// that ends the print. Prints the figures per print, with the flushes the
// store makes, beside its anchor measured in the same run: one record
// written with one pwrite into a file of the data folder and flushed with
// one fdatasync.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/BenchAnchors.h"
#include "platform/FileFault.h"
#include "print/DenpyouPrint.h"
#include "print/preview/PrintView.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "tools/Headless.h"

namespace {

constexpr int Customers = 5000, Runs = 200;

std::string CustomerFile() {
    std::string file;
    for (int i = 0; i < Customers; ++i) {
        std::string r(static_cast<size_t>(Kokyaku_RecLen), ' ');
        r.back() = '\n';
        const std::string name = "顧客" + std::to_string(i);
        r.replace(1, name.size(), name);
        r.replace(113, 12, "札幌市中央区");
        file += r;
    }
    return file;
}

// <chrono> holds a "µs" that the CP932 literals of the system code cannot take.
double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Set(int field, const std::string& text, bool right = false) {
    Str_Pad(text.c_str(), Denpyou_Field[field], Denpyou_FieldWidth[field], right ? 1 : 0);
}

// A full document: 200 priced lines for a customer in the middle of the file.
void FillDocument() {
    Set(DenpyouField_KokyakuName_1, "顧客2500");
    Set(DenpyouField_KoujiName_1, "本社ビル照明改修工事");
    Set(DenpyouField_Goukei, "123456789", true);
    for (int line = 0; line < Denpyou_LineMax; ++line) {
        Set(DenpyouField_Line(line, LineField_Syousai), "照明器具 LED 型番" + std::to_string(line));
        Set(DenpyouField_Line(line, LineField_Suuryou), "12", true);
        Set(DenpyouField_Line(line, LineField_Tanni), "台");
        Set(DenpyouField_Line(line, LineField_JitubaiTanka), "45678", true);
        Set(DenpyouField_Line(line, LineField_Kingaku), "548136", true);
    }
}

}  // namespace

int main() {
    THeadlessSession session;
    session.WriteFile("Data\\Kokyaku.620", CustomerFile());
    if (!session.Start()) return 1;
    Str_Pad("1", Jisya_Field[JisyaField_AllPagePrint], 1, 0);
    TRecordingPrinter& printer = session.RecordingPrinter();

    Bench_Anchor("one record written with one pwrite and flushed with one fdatasync (the print's store)");
    const std::string anchorFile = session.HostPath("Data/anchor.620");
    const std::string record(static_cast<size_t>(Denpyou_RecLen), ' ');
    if (!session.WriteFile("Data\\anchor.620", record) || Bench_PwriteSync(anchorFile, 0, "", 0) < 0) return 1;
    std::vector<double> ms, anchor;
    size_t pages = 0, texts = 0, lines = 0, boxes = 0;
    const std::int64_t flushes = FileFault_Count(TFileOp::Sync);
    for (int run = 0; run < Runs; ++run) {
        printer.ClearJobs();
        FillDocument();
        const double start = NowMs();
        Denpyou_Print(PrintView_Gather());
        ms.push_back(NowMs() - start);
        anchor.push_back(Bench_PwriteSync(anchorFile, 0, record.data(), record.size()));
        const TPrintJob* job = printer.LastJob();
        if (!job || !job->Finished) return 1;
        pages = job->Pages.size();
        texts = lines = boxes = 0;
        for (const auto& p : job->Pages) {
            texts += p.Texts.size();
            lines += p.Lines.size();
            boxes += p.Rectangles.size();
        }
    }
    const double first = ms.front();  // also builds the customer index
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms) sum += m;
    std::printf("document print: %d lines, %zu pages, %zu texts, %zu lines, %zu rectangles; %d customers; "
                "%d documents stored\n",
                Denpyou_LineMax, pages, texts, lines, boxes, Customers, Denpyou_Count);
    std::printf("per print (prepare, record, store): mean %.3f ms, median %.3f ms, min %.3f ms, max %.3f ms\n",
                sum / Runs, ms[ms.size() / 2], ms.front(), ms.back());
    std::printf("first print, which also indexes the customers by name: %.3f ms\n", first);
    std::sort(anchor.begin(), anchor.end());
    std::printf("anchor, one pwrite and fdatasync after each print: median %.3f ms; a print's median / the anchor's: "
                "%.2f; %.1f flushes per print\n",
                anchor[anchor.size() / 2], ms[ms.size() / 2] / anchor[anchor.size() / 2],
                static_cast<double>(FileFault_Count(TFileOp::Sync) - flushes) / Runs);
    return 0;
}
