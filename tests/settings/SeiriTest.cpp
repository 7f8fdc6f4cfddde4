// The tidy-up of a document save: which documents the copy keeps.
#include <fstream>
#include <functional>

#include "platform/File.h"

#include "settings/backup/BackupSave.h"
#include "settings/backup/Seiri.h"
#include "tests/settings/BackupFixture.h"

namespace {

constexpr int KeyOffset = 251;  // creation year and month in a document record

class SeiriTest : public BackupTest {
protected:
    ~SeiriTest() override { Seiri_Mode = TSeiriMode::None; }

    // A document file of `count` records that holds nothing but each one's
    // creation year and month (six bytes); the rest reads as NULs and takes
    // no room on the disk.
    void WriteKeys(int count, const std::function<std::string(int)>& key) {
        folder.Write("Data/Denpyou.620", "");
        folder.Resize("Data/Denpyou.620", std::int64_t{count} * Denpyou_RecLen);
        std::fstream f(folder.Path("Data/Denpyou.620"), std::ios::in | std::ios::out | std::ios::binary);
        for (int i = 0; i < count; ++i) {
            f.seekp(std::int64_t{i} * Denpyou_RecLen + KeyOffset);
            f << key(i);
        }
    }
    // Record i of a file, read on its own.
    std::string RecordOf(const std::string& path, int i) const {
        std::ifstream f(folder.Path(path), std::ios::binary);
        std::string r(Denpyou_RecLen, '\0');
        f.seekg(std::int64_t{i} * Denpyou_RecLen);
        f.read(r.data(), Denpyou_RecLen);
        return r;
    }
    TSeiriCut Cut(int count) {
        const TCopySource source(File_OpenRead("Data\\Denpyou.620"), Denpyou_RecLen);
        EXPECT_EQ(source.Count, count);
        return Seiri_Cut(source.Fd, count);
    }
};

// A key of its own for every n: year and month.
std::string Month(int n) {
    return std::to_string(1000 + n / 12) + (n % 12 < 9 ? " " : "") + std::to_string(n % 12 + 1);
}

// Past 30000 documents the copy starts after the document of the 6001st
// month change, the first document counting as one and a run of blank dates
// as one; a cut that would leave nothing cuts nothing.
TEST_F(SeiriTest, ManyDocumentsAreCutAfterTheLimitOfMonthChanges) {
    const struct {
        const char* What;
        int Count;
        std::function<std::string(int)> Key;
        int First;
    } cases[] = {
        {"6000 changes", 6100, [](int i) { return Month(std::min(i, 5999)); }, 0},
        {"the 6001st change at 6000", 6100, [](int i) { return Month(i); }, 6001},
        {"blank dates as one change", 6150,
         [](int i) { return i >= 3000 && i < 3100 ? std::string("      ") : Month(i < 3000 ? i : i - 99); }, 6100},
        {"blank digits read as 0", 6050,
         [](int i) { return i == 10 ? std::string("00000 ") : i == 11 ? std::string("0000 0") : Month(i); }, 6002},
        {"the 6001st change at the last document", 6001, [](int i) { return Month(i); }, 0},
    };
    Seiri_Mode = TSeiriMode::Full;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        WriteKeys(c.Count, c.Key);
        const TSeiriCut cut = Cut(c.Count);
        EXPECT_EQ(cut.First, c.First);
        EXPECT_EQ(cut.BeforeYear, 0);
    }
}

// The tidied copy holds the documents from the first kept on, the first of
// them at its start; its figure counts from there with the whole count's
// step.
TEST_F(SeiriTest, TidiedSaveCopiesFromTheFirstDocumentKept) {
    WriteKeys(6100, Month);
    Seiri_Mode = TSeiriMode::Full;
    std::vector<int> figures;
    const TBackupResult r = BackUp_SaveDenpyou(usb, true, [&](int p) { figures.push_back(p); });
    EXPECT_EQ(r.Failure, "");
    EXPECT_EQ(r.Count, 6100);
    EXPECT_EQ(r.Ds, 99);
    EXPECT_EQ(folder.Size("usb/Denpyou.625"), 99 * Denpyou_RecLen);
    EXPECT_TRUE(RecordOf("usb/Denpyou.625", 0) == RecordOf("Data/Denpyou.620", 6001));
    EXPECT_TRUE(RecordOf("usb/Denpyou.625", 98) == RecordOf("Data/Denpyou.620", 6099));
    EXPECT_EQ(figures, (std::vector<int>{0, 98, 99, 100}));
}

// Documents created before the keep-years threshold are left out, those
// without a year kept; when every document is old, every one is copied.
TEST_F(SeiriTest, OldDocumentsAreLeftOutWhileAnyStays) {
    const std::string years[] = {"2020", "    ", "1980", "  84", "1985"};
    std::string file;
    for (int i = 0; i < 5; ++i) file += DenpyouRec(i + 1, years[i]);
    folder.Write("Data/Denpyou.620", file);
    Seiri_Mode = TSeiriMode::Old;
    Seiri_Year = 1985;
    TBackupResult r = BackUp_SaveDenpyou(usb, true, nullptr);
    EXPECT_EQ(r.Ds, 3);
    EXPECT_TRUE(Copy("Denpyou.625") == file.substr(0, 2 * Denpyou_RecLen) + file.substr(4 * Denpyou_RecLen));

    Seiri_Year = 2030;
    r = BackUp_SaveDenpyou(usb, true, nullptr);
    EXPECT_EQ(r.Ds, 1);  // the one without a year stays
    EXPECT_TRUE(Copy("Denpyou.625") == file.substr(Denpyou_RecLen, Denpyou_RecLen));
    folder.Write("Data/Denpyou.620", file.substr(0, Denpyou_RecLen) + file.substr(2 * Denpyou_RecLen));
    r = BackUp_SaveDenpyou(usb, true, nullptr);
    EXPECT_EQ(r.Ds, 4);  // all old: all copied
}

}  // namespace
