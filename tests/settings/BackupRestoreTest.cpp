// The restore: the copies back over the data files, each checked first; a
// copy that is missing, damaged or cannot be read whole changes no data file.
#include "platform/FileFault.h"
#include "store/Str.h"
#include "settings/backup/BackupRestore.h"
#include "settings/backup/BackupRun.h"
#include "tests/settings/BackupFixture.h"

namespace {

const char* const DataNames[] = {"Kokyaku", "Hinsyu", "Syouhin", "Denpyou", "Tanni", "Jisya"};

// The copies of one set of data, other data in the files: the restore
// brings back every file byte for byte (the categories with a line feed at
// every record's end), whatever was cut short or changed since.
TEST_F(BackupTest, RestoreBringsBackEveryFile) {
    WriteData(4, 3, 2, true);
    std::string hinsyu = Copy("Hinsyu.625");
    hinsyu[Hinsyu_RecLen - 1] = ' ';  // a copy made elsewhere, without its line feed
    folder.Write("usb/Hinsyu.625", hinsyu);
    const std::string saved[] = {Copy("Kokyaku.625"), Copy("Hinsyu.625"), Copy("Syouhin.625"),
                                 Copy("Denpyou.625"), Copy("Tanni.625"),  Copy("Jisya.625")};
    WriteData(9, 1, 5);
    folder.Write("Data/Kokyaku.620", Data("Kokyaku.620") + "cut");

    std::vector<int> figures;
    const TBackupResult r = BackUp_RestoreKokyaku(usb, [&](int p) { figures.push_back(p); });
    EXPECT_EQ(r.Failure, "");
    EXPECT_EQ(r.Count, 4);
    EXPECT_EQ(r.Ds, 4);
    EXPECT_EQ(figures, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(BackUp_Restore(usb, {}, {}), "");
    for (int k = 0; k < 6; ++k) {
        std::string want = saved[k];
        if (k == 1) want[Hinsyu_RecLen - 1] = '\n';
        EXPECT_TRUE(Data(std::string(DataNames[k]) + ".620") == want) << DataNames[k];
    }
    EXPECT_EQ(folder.List("Data"), (std::vector<std::string>{"Denpyou.620", "Hinsyu.620", "Jisya.620", "Kokyaku.620",
                                                             "Syouhin.620", "Tanni.620"}));
}

// Each copy is checked before anything is written: one that is missing,
// holds a cut-short record or too few records is not restored, and the
// categories and products go together or not at all.
TEST_F(BackupTest, RestoreSkipsACopyThatFailsItsCheck) {
    const struct {
        const char* What;
        const char* Copy;   // the copy damaged
        int Size;           // its new size in bytes; -1: removed
        TBackupGroup Group;
        const char* Failure;
    } cases[] = {
        {"customers missing", "Kokyaku.625", -1, TBackupGroup::Kokyaku, "Kokyaku.625を読み込めませんでした。"},
        {"customers cut short", "Kokyaku.625", 3 * Kokyaku_RecLen + 10, TBackupGroup::Kokyaku,
         "Kokyaku.625を読み込めませんでした。"},
        {"documents cut short", "Denpyou.625", Denpyou_RecLen - 1, TBackupGroup::Denpyou,
         "Denpyou.625を読み込めませんでした。"},
        {"99 categories", "Hinsyu.625", 99 * Hinsyu_RecLen, TBackupGroup::Syouhin, "Hinsyu.625を読み込めませんでした。"},
        {"products cut short", "Syouhin.625", 2 * Syouhin_RecLen + 1, TBackupGroup::Syouhin,
         "Syouhin.625を読み込めませんでした。"},
        {"no own company", "Jisya.625", 0, TBackupGroup::Etc, "Jisya.625を読み込めませんでした。"},
        {"no units", "Tanni.625", 0, TBackupGroup::Etc, "Tanni.625を読み込めませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        WriteData(4, 3, 2, true);
        if (c.Size < 0) folder.Remove(std::string("usb/") + c.Copy);
        else folder.Resize(std::string("usb/") + c.Copy, c.Size);
        WriteData(9, 1, 5);
        const std::string before[] = {Data("Kokyaku.620"), Data("Hinsyu.620"), Data("Syouhin.620"),
                                      Data("Denpyou.620"), Data("Tanni.620"),  Data("Jisya.620")};
        EXPECT_EQ(BackUp_Restore(usb, {}, {}), c.Failure);
        // The failing group's files keep their records; the others are restored.
        const bool kept[] = {c.Group == TBackupGroup::Kokyaku,
                             c.Group == TBackupGroup::Syouhin,
                             c.Group == TBackupGroup::Syouhin,
                             c.Group == TBackupGroup::Denpyou,
                             std::string(c.Copy) == "Tanni.625",
                             std::string(c.Copy) == "Jisya.625"};
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(Data(std::string(DataNames[k]) + ".620") == before[k], kept[k]) << DataNames[k];
        EXPECT_EQ(folder.List("Data").size(), 6u);
    }
}

// What lives only in memory goes to its files before a restore, so that the
// reload after it keeps what the user had of every file the restore leaves:
// the categories of a run without them, the units whose copy fails.
TEST_F(BackupTest, RestoreWritesWhatIsOnlyInMemoryFirst) {
    WriteData(3, 2, 2, true);
    folder.Write("usb/Tanni.625", "cut short");
    WriteData(1, 1, 1);
    Store_StartData();
    Str_Pad("新品種", Hinsyu_Name[5], 40, 0);
    Str_Pad("ｍ", Tanni_List[1], 6, 0);
    EXPECT_EQ(BackUp_Restore(usb, {.Syouhin = false}, {}), BackUp_NotRead("Tanni.625"));
    EXPECT_EQ(Data("Hinsyu.620").substr(5 * Hinsyu_RecLen + 1, 6), "新品種");
    EXPECT_EQ(Data("Tanni.620").substr(Tanni_RecLen, 6), Rec(7, {{0, "ｍ"}}).substr(0, 6));
    EXPECT_TRUE(Data("Kokyaku.620") == Copy("Kokyaku.625"));
    EXPECT_TRUE(Data("Jisya.620") == Copy("Jisya.625"));
}

// A copy that reads short, or a data file that cannot be written whole,
// leaves the data file as it was.
TEST_F(BackupTest, RestoreThatCannotFinishChangesNoDataFile) {
    WriteData(2, 3, 300, true);  // documents: more than one block of the copy
    WriteData(1, 1, 1);
    const std::string documents = Data("Denpyou.620"), categories = Data("Hinsyu.620"), products = Data("Syouhin.620");
    const struct {
        const char* What;
        int ReadNth;  // 0: reads go through
        std::int64_t ReadBytes, DiskLeft;  // DiskLeft -1: no full disk
        const char* Failure;
    } cases[] = {
        {"the first read of the copy cut short", 1, 5, -1, "Denpyou.625を読み込めませんでした。"},
        {"the second read of the copy cut short", 2, 100, -1, "Denpyou.625を読み込めませんでした。"},
        {"the disk full at once", 0, 0, 0, "Denpyou.620を保存できませんでした。"},
        {"the disk full part way", 0, 0, 250LL * Denpyou_RecLen, "Denpyou.620を保存できませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        FileFault_Reset();
        if (c.ReadNth > 0) FileFault_Plan(TFileOp::Read, c.ReadNth, c.ReadBytes);
        if (c.DiskLeft >= 0) FileFault_DiskFull(c.DiskLeft);
        const TBackupResult r = BackUp_RestoreDenpyou(usb, nullptr);
        FileFault_Reset();
        EXPECT_EQ(r.Failure, c.Failure);
        EXPECT_EQ(r.Count, 0);
        EXPECT_TRUE(Data("Denpyou.620") == documents);
        EXPECT_EQ(folder.List("Data").size(), 6u);  // no scratch file left
    }
    // The categories written whole, the disk then full for the products:
    // neither replaces its data file.
    FileFault_DiskFull(Hinsyu_Max * Hinsyu_RecLen + 100);
    EXPECT_EQ(BackUp_RestoreHinsyuSyouhin(usb, nullptr).Failure, "Syouhin.620を保存できませんでした。");
    FileFault_Reset();
    EXPECT_TRUE(Data("Hinsyu.620") == categories);
    EXPECT_TRUE(Data("Syouhin.620") == products);
    EXPECT_EQ(folder.List("Data").size(), 6u);
}

}  // namespace
