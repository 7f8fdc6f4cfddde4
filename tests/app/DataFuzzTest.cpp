// Start-up over damaged data files. Thousands of program folders, each made
// from a sound one by a few random damages (cut short, bytes changed, NULs,
// CP932 lead bytes left at field ends, junk in number fields, records shifted
// or padded out), must start, step through the documents and exit without a
// crash, a hang or an exception; the sanitizer build also fails on any report
// of bad memory use or undefined behaviour.
//
// The cases come from a fixed seed, so a failure repeats. The case number is
// printed when one fails, crashes or hangs; DATA_FUZZ_CASE=N runs that case
// alone and SCENARIO_KEEP=1 keeps its program folder.
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Types.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "tools/Headless.h"

namespace {

constexpr std::uint32_t Fuzz_Seed = 20250401;
constexpr int Fuzz_Cases = 2000;
constexpr unsigned Fuzz_CaseSeconds = 20;  // a case still running after this hangs

// ---- the sound data

struct TLayout {
    const char* Path;
    int RecLen;
    const int* Widths;  // nullptr: one field of the whole record
    int FieldCount;
};

const TLayout Layouts[] = {
    {"Data\\Denpyou.620", Denpyou_RecLen, Denpyou_FieldWidth.data(), Denpyou_FieldCount},
    {"Data\\Kokyaku.620", Kokyaku_RecLen, Kokyaku_FieldWidth, Kokyaku_FieldCount},
    {"Data\\Hinsyu.620", Hinsyu_RecLen, Hinsyu_FieldWidth, Hinsyu_FieldCount},
    {"Data\\Syouhin.620", Syouhin_RecLen, Syouhin_FieldWidth, Syouhin_FieldCount},
    {"Data\\Tanni.620", Tanni_RecLen, Tanni_FieldWidth, Tanni_FieldCount},
    {"Data\\Jisya.620", Jisya_RecLen, Jisya_FieldWidth, Jisya_FieldCount},
    {"Data\\BackupFolder.500", 255, nullptr, 1},
};
constexpr int FileCount = static_cast<int>(std::size(Layouts));
constexpr int BackupFolderFile = FileCount - 1;

// Where field k starts and how wide it is.
std::pair<int, int> FieldSpan(const TLayout& l, int k) {
    if (!l.Widths) return {0, l.RecLen};
    int offset = 0;
    for (int i = 0; i < k; ++i) offset += l.Widths[i];
    return {offset, l.Widths[k]};
}

using TFields = std::initializer_list<std::pair<int, std::string>>;

// Records of the layout: blanks and a final line feed, each text in its field.
std::string Records(const TLayout& l, std::initializer_list<TFields> records) {
    std::string file;
    for (const TFields& fields : records) {
        std::string r(static_cast<size_t>(l.RecLen), ' ');
        r.back() = '\n';
        for (const auto& [k, text] : fields) {
            const auto [offset, width] = FieldSpan(l, k);
            r.replace(static_cast<size_t>(offset), std::min(text.size(), static_cast<size_t>(width)), text);
        }
        file += r;
    }
    return file;
}

int Line(int line, DenpyouLineField j) { return DenpyouField_Line(line, j); }
std::string Kind(char kind) { return std::string(1, kind); }

// A program folder in use: three documents with item and special lines, two
// customers, categories, products, units, the own company and a backup folder.
std::vector<std::string> SoundFiles(const std::string& backupFolder) {
    std::vector<std::string> files(FileCount);
    files[0] = Records(Layouts[0], {
        {{DenpyouField_Kind, Kind(DenpyouKind_Mitumori)}, {DenpyouField_No, "         1"},
         {DenpyouField_KokyakuName_1, "山田電気"}, {DenpyouField_KoujiName_1, "照明工事"},
         {DenpyouField_MakeYear, "2025"}, {DenpyouField_MakeMonth, " 3"}, {DenpyouField_MakeDay, "15"},
         {Line(0, LineField_Syousai), "照明器具"}, {Line(0, LineField_Tanka), "    12000"},
         {Line(0, LineField_TankaRitu), " 80"}, {Line(0, LineField_Suuryou), "   2.5"}, {Line(0, LineField_Tanni), "台"},
         {Line(0, LineField_JitubaiTanka), "    9600"}, {Line(0, LineField_Kingaku), "     24000"},
         {Line(0, LineField_Zei), "外税"}, {Line(1, LineField_Kind), Kind(LineKind_Syoukei)},
         {Line(2, LineField_Kind), Kind(LineKind_Zei)}, {Line(3, LineField_Kind), Kind(LineKind_Goukei)},
         {DenpyouField_Goukei, "     26400"}, {DenpyouField_Keisyou, "様"}},
        {{DenpyouField_Kind, Kind(DenpyouKind_Seikyuu)}, {DenpyouField_No, "         2"},
         {DenpyouField_KokyakuName_1, "青木工務店"}, {DenpyouField_MakeYear, "2024"}, {DenpyouField_MakeMonth, "12"},
         {DenpyouField_MakeDay, " 1"}, {Line(0, LineField_Syousai), "配線"},
         {Line(0, LineField_JitubaiTanka), " 12000000"}, {Line(0, LineField_Suuryou), "     1"},
         {Line(0, LineField_Kingaku), "  12000000"}, {Line(1, LineField_Kind), Kind(LineKind_Nebiki)},
         {Line(1, LineField_Kingaku), "   -150000"}, {Line(2, LineField_Kind), Kind(LineKind_SouGoukei)},
         {DenpyouField_SeikyuuYear, "2025"}, {DenpyouField_UtiwakeKind, "1"}},
        {{DenpyouField_Kind, Kind(DenpyouKind_Deleted)}, {DenpyouField_No, "         3"},
         {DenpyouField_KokyakuName_1, "削除済"}, {DenpyouField_MakeYear, "1980"}},
    });
    files[1] = Records(Layouts[1], {
        {{KokyakuField_Name_1, "山田電気"}, {KokyakuField_Kana, "ﾔﾏﾀﾞ"}, {KokyakuField_Keisyou, "様"},
         {KokyakuField_Tel, "03-1234-5678"}},
        {{KokyakuField_Name_1, "青木工務店"}, {KokyakuField_Kana, "ｱｵｷ"}, {KokyakuField_Keisyou, "御中"}},
    });
    files[2] = Records(Layouts[2], {
        {{HinsyuField_Name, "電線"}, {HinsyuField_Kana, "ﾃﾞﾝｾﾝ"}, {HinsyuField_No, "  1"}},
        {{HinsyuField_Name, "器具"}, {HinsyuField_Kana, "ｷｸﾞ"}, {HinsyuField_No, "  2"}},
        {{HinsyuField_No, "  3"}},
    });
    files[3] = Records(Layouts[3], {
        {{SyouhinField_Name, "電線"}, {SyouhinField_Kana, "ﾃﾞﾝｾﾝ"}, {SyouhinField_Hanbai, "      350"},
         {SyouhinField_Zei, "外税"}, {SyouhinField_Tanni, "ｍ"}, {SyouhinField_Hinsyu, "1"}},
        {{SyouhinField_Name, "照明器具"}, {SyouhinField_Kana, "ｼｮｳﾒｲ"}, {SyouhinField_Hanbai, "    12000"},
         {SyouhinField_Siire, "     8000"}, {SyouhinField_Hinsyu, "01"}},
    });
    files[4] = Records(Layouts[4], {{{TanniField_Tanni, "台"}}, {{TanniField_Tanni, "ｍ"}}, {{TanniField_Tanni, "式"}}});
    files[5] = Records(Layouts[5], {{
        {JisyaField_Name, "竹内電設"}, {JisyaField_Hozon, "40"}, {JisyaField_Denban, "         3"},
        {JisyaField_Syouhizei, "10"}, {JisyaField_TopMargin, "10"}, {JisyaField_LeftMargin, "15"},
        {JisyaField_SyoukeiCaption, "小計"}, {JisyaField_Jun_1, "1"}, {JisyaField_Jun_1 + 1, "2"},
    }});
    files[BackupFolderFile] = backupFolder;
    files[BackupFolderFile].resize(255, ' ');
    return files;
}

// ---- the damages

class TDamage {
public:
    TDamage(std::uint32_t seed, const TLayout& layout, std::string& bytes)
        : rng_(seed), l_(layout), b_(bytes) {}

    // Applies one damage picked at random; returns its name.
    const char* Apply() {
        switch (Below(8)) {
            case 0: return Cut(), "cut short";
            case 1: return Change(), "bytes changed";
            case 2: return Nuls(), "NULs";
            case 3: return LeadBytes(), "lead bytes at field ends";
            case 4: return NumberJunk(), "number field junk";
            case 5: return Pad(), "partial record appended";
            case 6: return Shift(), "records shifted";
            default: return LineFeeds(), "line feeds moved";
        }
    }

private:
    std::uint32_t Below(std::uint32_t n) { return n ? rng_() % n : 0; }
    size_t Pos() { return Below(static_cast<std::uint32_t>(b_.size())); }
    char Byte() { return static_cast<char>(Below(256)); }
    std::uint32_t RecordCount() const {
        return static_cast<std::uint32_t>((b_.size() + static_cast<size_t>(l_.RecLen) - 1) / l_.RecLen);
    }

    // A random field of a random record, cut to what the file holds; mostly
    // one the editor shows (a document's header and first twenty lines).
    std::pair<size_t, size_t> Field() {
        const int record = static_cast<int>(Below(RecordCount()));
        const int shown = std::min(l_.FieldCount, DenpyouField_Line(20, LineField_Kind));
        const int k = static_cast<int>(Below(static_cast<std::uint32_t>(Below(4) ? shown : l_.FieldCount)));
        const auto [offset, width] = FieldSpan(l_, k);
        const size_t start = std::min(b_.size(), static_cast<size_t>(record) * l_.RecLen + offset);
        return {start, std::min(b_.size() - start, static_cast<size_t>(width))};
    }

    // Often at the edges that matter: empty, one byte short of whole records,
    // just past a record boundary.
    void Cut() {
        size_t size;
        switch (Below(4)) {
            case 0: size = Below(2) ? 0 : 1; break;
            case 1: size = b_.empty() ? 0 : b_.size() - 1; break;
            case 2: size = Below(RecordCount() + 1) * l_.RecLen + Below(3); break;
            default: size = Pos(); break;
        }
        b_.resize(std::min(size, b_.size()));
    }
    void Change() {
        for (int n = 1 + static_cast<int>(Below(8)); n > 0 && !b_.empty(); --n) b_[Pos()] = Byte();
    }
    void Nuls() {
        for (int n = 1 + static_cast<int>(Below(4)); n > 0 && !b_.empty(); --n) {
            const auto [start, width] = Field();
            if (width) b_[Below(2) ? start : Pos()] = '\0';
        }
    }
    // The first byte of a two-byte character as the last byte of fields of
    // one record: its second byte would be the next field's first.
    void LeadBytes() {
        const size_t record = static_cast<size_t>(Below(RecordCount())) * l_.RecLen;
        for (int k = 0; k < l_.FieldCount; ++k) {
            const auto [offset, width] = FieldSpan(l_, k);
            const size_t last = record + static_cast<size_t>(offset + width - 1);
            if (last >= b_.size() || Below(2)) continue;
            b_[last] = static_cast<char>(Below(2) ? 0x81 + Below(0x1F) : 0xE0 + Below(0x1D));  // 81-9F, E0-FC
        }
    }
    // Texts a number reader must survive, right-aligned or cut to the field.
    void NumberJunk() {
        static const char* const junk[] = {
            "9999999999999999999999", "-9999999999999999999999", "-2147483648", "2147483648", "-0", "-", "+",
            ".", "1.5.5", "1e308", "nan", "inf", "0x7FFFFFFF", " 1 2 ", "--1", "99999999.99", "\x82\x4F",
        };
        const auto [start, width] = Field();
        if (!width) return;
        std::string text = junk[Below(static_cast<std::uint32_t>(std::size(junk)))];
        if (text.size() < width && Below(2)) text.insert(0, width - text.size(), ' ');
        b_.replace(start, std::min(width, text.size()), text.substr(0, width));
    }
    void Pad() {
        for (std::uint32_t n = 1 + Below(static_cast<std::uint32_t>(l_.RecLen) - 1); n > 0; --n)
            b_ += Below(4) ? ' ' : Byte();
    }
    // A byte dropped or added in the middle moves every later record.
    void Shift() {
        if (b_.empty()) return;
        if (Below(2)) b_.erase(Pos(), 1);
        else b_.insert(Pos(), 1, Byte());
    }
    void LineFeeds() {
        for (int n = 1 + static_cast<int>(Below(4)); n > 0 && !b_.empty(); --n) {
            const size_t record = static_cast<size_t>(Below(RecordCount()));
            b_[std::min(b_.size() - 1, (record + 1) * l_.RecLen - 1)] = ' ';
            b_[Pos()] = '\n';
        }
    }

    std::mt19937 rng_;
    const TLayout& l_;
    std::string& b_;
};

// ---- reporting a case that never comes back

char g_case[320];

// Only calls that are safe in a signal handler.
void ReportCase(const char* what) {
    for (const char* part : {"\ndamaged data: ", what, " in ", static_cast<const char*>(g_case), "\n"})
        (void)!write(STDERR_FILENO, part, std::strlen(part));
}
void OnHang(int) {
    ReportCase("hang");
    _exit(1);
}
// A sanitizer report ends in abort() too (tools/SanitizerOptions.cpp).
void OnCrash(int sig) {
    ReportCase("crash or sanitizer report");
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

class TCaseWatch {
public:
    TCaseWatch() {
        std::signal(SIGALRM, OnHang);
        for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGABRT}) std::signal(sig, OnCrash);
    }
    ~TCaseWatch() {
        alarm(0);
        for (int sig : {SIGALRM, SIGSEGV, SIGBUS, SIGFPE, SIGABRT}) std::signal(sig, SIG_DFL);
    }
    void Begin(int n, const std::string& damages) {
        std::snprintf(g_case, sizeof g_case, "case %d (DATA_FUZZ_CASE=%d): %s", n, n, damages.c_str());
        alarm(Fuzz_CaseSeconds);
    }
};

// ---- one case

// Damages one to three of the files, each one to three times; returns what
// was done, for the report.
std::string Damage(std::mt19937& rng, std::vector<std::string>& files) {
    std::string done;
    for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) {
        const int f = static_cast<int>(rng() % FileCount);
        const std::uint32_t seed = rng();
        TDamage damage(seed, Layouts[f], files[static_cast<size_t>(f)]);
        for (int m = 1 + static_cast<int>(rng() % 3); m > 0; --m) {
            done += done.empty() ? "" : ", ";
            done += Layouts[f].Path + 5;  // without "Data\\"
            done += " ";
            done += damage.Apply();
        }
    }
    return done;
}

// Starts the program on the damaged folder, steps back and forth through the
// documents and into the lines a little, and leaves through the menu (saying
// yes when asked). Whatever the program makes of the damage is its own affair;
// it must only come through.
void RunCase(int n, TCaseWatch& watch) {
    std::mt19937 rng(Fuzz_Seed + static_cast<std::uint32_t>(n));
    THeadlessSession session;
    std::filesystem::create_directory(session.Folder() + "Backup");
    std::vector<std::string> files = SoundFiles(session.Folder() + "Backup");
    const std::string damages = Damage(rng, files);
    watch.Begin(n, damages);
    SCOPED_TRACE(g_case);
    for (int f = 0; f < FileCount; ++f)
        ASSERT_TRUE(session.WriteFile(Layouts[f].Path, files[static_cast<size_t>(f)]));

    try {
        if (!session.Start()) return;
        // Documents back and forth, moves through the header and the lines,
        // and edits of what a damaged field shows (0: typing).
        static const Word steps[] = {vk::F7, vk::F7, vk::F8, vk::F8, vk::PageUp, vk::PageDown, vk::Down, vk::Up,
                                     vk::Tab, vk::Return, vk::End, vk::Home, vk::Left, vk::Right, vk::Back,
                                     vk::Delete, 0};
        const int count = 4 + static_cast<int>(rng() % std::size(steps));
        for (int i = 0; i < count && session.Running(); ++i) {
            const Word key = steps[rng() % std::size(steps)];
            if (key) session.Key(key);
            else session.Type("あ1");
        }
        if (session.Running()) session.Click("Label_Job_10");
        TControl* question = session.Control("Panel_ExitChoose");
        if (session.Running() && question && question->Visible()) {
            session.Key(vk::Left);
            session.Key(vk::Return);
        }
    } catch (const std::exception& e) {
        ADD_FAILURE() << "exception: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "unknown exception";
    }
}

// The cases in four parts, so that CTest runs them side by side.
constexpr int Fuzz_Parts = 4;

class DataFuzz : public ::testing::TestWithParam<int> {
protected:
    // Thousands of program folders are made and removed: in memory where the
    // system has room for them, so that the disk's flushes do not set the pace.
    void SetUp() override {
        if (const char* tmp = std::getenv("TMPDIR")) savedTmp_ = tmp;
        if (access("/dev/shm", W_OK) == 0) setenv("TMPDIR", "/dev/shm", 1);
    }
    void TearDown() override {
        if (savedTmp_) setenv("TMPDIR", savedTmp_->c_str(), 1);
        else unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> savedTmp_;
};

TEST_P(DataFuzz, DamagedDataFilesNeverCrashOrHang) {
    TCaseWatch watch;
    if (const char* only = std::getenv("DATA_FUZZ_CASE")) {
        if (GetParam() == 0) RunCase(std::atoi(only), watch);
        return;
    }
    for (int n = GetParam(); n < Fuzz_Cases && !HasFailure(); n += Fuzz_Parts) RunCase(n, watch);
}

INSTANTIATE_TEST_SUITE_P(Parts, DataFuzz, ::testing::Range(0, Fuzz_Parts));

}  // namespace
