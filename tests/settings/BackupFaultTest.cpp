// A save and a restore with each of their file operations failing in turn,
// and what a save finds left in the folder by one that was killed. A run
// puts its files in place as one set: one that fails leaves every copy (a
// save) or every data file (a restore) as it was and tells a file, one that
// goes through has put every one in place, and once the folder's recovery
// has run (the next run or start) no scratch file is left.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/backup/BackupCsv.h"
#include "settings/backup/BackupRestore.h"
#include "settings/backup/BackupRun.h"
#include "settings/backup/BackupSet.h"
#include "store/Recovery.h"
#include "tests/FaultSteps.h"
#include "tests/settings/BackupFixture.h"
#include "ui/Message.h"

namespace {

class BackupFaultTest : public BackupTest {
protected:
    // Every file in the backup folder and in Data.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const char* dir : {"usb/", "Data/"})
            for (const std::string& name : folder.List(dir)) files[dir + name] = folder.Read(dir + name);
        return files;
    }
    void Put(const std::map<std::string, std::string>& files) const {
        folder.Remove("usb");
        folder.Remove("Data");
        folder.MakeDir("usb");
        folder.MakeDir("Data");
        for (const auto& [path, bytes] : files) folder.Write(path, bytes);
    }
    // The recovery the next run or start runs, on both folders.
    void Settle() const {
        EXPECT_EQ(BackUp_SettleFolder(usb), "");
        std::vector<std::string> unfinished;
        EXPECT_TRUE(Recovery_FinishFileSet(unfinished));
    }

    // Runs the work (returning its failure text) on the files `before`,
    // once through and then with each step of the kinds `ops` failing in
    // turn: either the run says "" and every file of `set` holds what the
    // run through left, or it tells a file and every one is as before.
    // Once recovered, no other file is there than before. Returns how many
    // runs had a step failed.
    int EachStep(const std::map<std::string, std::string>& before, const std::vector<std::string>& set,
                 const std::function<std::string()>& work, std::initializer_list<TFileOp> ops,
                 const std::function<void()>& also = {}) {
        Put(before);
        EXPECT_EQ(work(), "");
        const std::map<std::string, std::string> fresh = Files();
        for (const std::string& path : set) EXPECT_FALSE(fresh.at(path) == before.at(path)) << path;
        int failed = 0;
        for (const TFileOp op : ops)
            for (int nth = 1; nth < 1000; ++nth) {
                SCOPED_TRACE(std::string(FaultSteps_Name(op)) + " " + std::to_string(nth));
                Put(before);
                FileFault_Reset();
                FileFault_Plan(op, nth);
                const std::string failure = work();
                const bool reached = FileFault_Count(op) >= nth;
                FileFault_Reset();
                if (!reached) break;
                ++failed;
                const std::map<std::string, std::string> now = Files();
                const std::map<std::string, std::string>& expected = failure.empty() ? fresh : before;
                EXPECT_TRUE(failure.empty() || failure.ends_with("を保存できませんでした。") ||
                            failure.ends_with("を読み込めませんでした。"))
                    << failure;
                for (const std::string& path : set) EXPECT_TRUE(now.at(path) == expected.at(path)) << path;
                if (also) also();
                Settle();
                std::vector<std::string> names, namesBefore;
                for (const auto& [path, bytes] : Files()) names.push_back(path);
                for (const auto& [path, bytes] : before) namesBefore.push_back(path);
                EXPECT_EQ(names, namesBefore);  // no scratch file left
            }
        return failed;
    }
};

const char* const Copies[] = {"Kokyaku.625", "Hinsyu.625", "Syouhin.625", "Denpyou.625", "Jisya.625", "Tanni.625"};

// The save: every copy and CSV file with each read and each write failing
// in turn; the counts the run shows are those of the copies in the folder.
TEST_F(BackupFaultTest, ASaveThatFailsAnywhereKeepsEveryCopy) {
    WriteData(5, 4, 3, true);
    folder.Write("usb/" + U8(u8"見積顧客.CSV"), "old customers");
    folder.Write("usb/" + U8(u8"見積商品.CSV"), "old products");
    WriteData(3, 2, 60);  // documents: more than one block of the copy
    const std::map<std::string, std::string> before = Files();
    std::vector<std::string> set = {"usb/" + U8(u8"見積顧客.CSV"), "usb/" + U8(u8"見積商品.CSV")};
    for (const char* name : Copies) set.push_back(std::string("usb/") + name);
    // The "USB" counts: as the folder's copies before a run, then as told.
    std::map<TBackupGroup, int> shown;
    auto count = [&] {
        shown[TBackupGroup::Kokyaku] = static_cast<int>(folder.Size("usb/Kokyaku.625") / Kokyaku_RecLen);
        shown[TBackupGroup::Syouhin] = static_cast<int>(folder.Size("usb/Syouhin.625") / Syouhin_RecLen);
        shown[TBackupGroup::Denpyou] = static_cast<int>(folder.Size("usb/Denpyou.625") / Denpyou_RecLen);
    };
    TBackupView view;
    view.Done = [&shown](TBackupGroup g, const TBackupResult& r) { shown[g] = r.Ds; };
    const int failed = EachStep(
        before, set,
        [&] {
            count();
            return BackUp_Save(usb, {}, view);
        },
        {TFileOp::Read, TFileOp::Write, TFileOp::Create, TFileOp::Sync, TFileOp::Truncate, TFileOp::Rename,
         TFileOp::Remove},
        [&] {
            EXPECT_EQ(shown[TBackupGroup::Kokyaku], folder.Size("usb/Kokyaku.625") / Kokyaku_RecLen);
            EXPECT_EQ(shown[TBackupGroup::Syouhin], folder.Size("usb/Syouhin.625") / Syouhin_RecLen);
            EXPECT_EQ(shown[TBackupGroup::Denpyou], folder.Size("usb/Denpyou.625") / Denpyou_RecLen);
        });
    EXPECT_GE(failed, 50);  // each file's reads, create, writes, flush and rename; the set's record and flushes
}

// What lives only in memory goes to its files first: a write of it that
// fails ends the save before any copy is written.
TEST_F(BackupFaultTest, ASaveWhoseMemoryWriteFailsWritesNoCopy) {
    WriteData(5, 4, 3, true);
    WriteData(3, 2, 2);
    Store_StartData();
    Tanni_Add("個    ");
    const std::map<std::string, std::string> before = Files();
    // The disk full while the memory is written, with room again for the
    // copies.
    FileFault_DiskFull(0);
    TBackupView view;
    view.Frame = [](TBackupGroup, bool) { FileFault_Reset(); };
    EXPECT_EQ(BackUp_Save(usb, {}, view), "Hinsyu.620を保存できませんでした。");
    FileFault_Reset();
    for (const char* name : Copies) EXPECT_TRUE(Copy(name) == before.at(std::string("usb/") + name)) << name;
    EXPECT_EQ(folder.List("usb").size(), 6u);
}

// The restore: the six data files together, with each write failing in
// turn (a copy that cannot be read is left out: BackupRestoreTest).
TEST_F(BackupFaultTest, ARestoreThatFailsAnywhereChangesNoDataFile) {
    WriteData(5, 4, 60, true);
    WriteData(3, 2, 2);
    const std::map<std::string, std::string> before = Files();
    std::vector<std::string> set;
    for (const char* name : {"Kokyaku", "Hinsyu", "Syouhin", "Denpyou", "Tanni", "Jisya"})
        set.push_back(std::string("Data/") + name + ".620");
    const int failed = EachStep(
        before, set, [&] { return BackUp_Restore(usb, {}, {}); },
        {TFileOp::Write, TFileOp::Create, TFileOp::Sync, TFileOp::Truncate, TFileOp::Rename, TFileOp::Remove});
    EXPECT_GE(failed, 30);  // each file's create, writes, flush and rename, the set's record and flushes

    // Every read of the categories' and products' restore failing in turn:
    // the copies'. Nothing is replaced.
    int reads = 0;
    for (int nth = 1; nth < 100; ++nth, ++reads) {
        SCOPED_TRACE("read " + std::to_string(nth));
        Put(before);
        FileFault_Plan(TFileOp::Read, nth);
        const std::string failure = BackUp_RestoreHinsyuSyouhin(usb, nullptr).Failure;
        const bool reached = FileFault_Count(TFileOp::Read) >= nth;
        FileFault_Reset();
        if (!reached) break;
        EXPECT_NE(failure, "");
        EXPECT_TRUE(Files() == before);
    }
    EXPECT_EQ(reads, 2);
}

// A save first removes what a save killed on the way left in the folder:
// the scratch files of the copies and the CSV files, also of the groups it
// does not save. The user's own files stay, whatever their names are like.
TEST_F(BackupTest, ASaveRemovesTheScratchFilesAKilledSaveLeft) {
    WriteData(1, 1, 1);
    std::vector<std::string> leftovers;
    for (const char* name : Copies)
        if (std::string(name) != "Hinsyu.625") leftovers.push_back(std::string(name) + ".new");
    leftovers.push_back(U8(u8"見積顧客.CSV.new"));
    leftovers.push_back(U8(u8"見積商品.CSV.new"));
    const std::vector<std::string> kept = {
        "x.new",          "Kokyaku.625",       "kokyaku.625.new", "Kokyaku.625.NEW",
        "Kokyaku.new",    "Kokyaku.625.new.1", "Denpyou.625.old", U8(u8"見積顧客.csv.new"),
        "Hinsyu.625.new/x",  // in a folder under a scratch name
    };
    for (const std::string& name : leftovers) folder.Write("usb/" + name, "partial");
    for (const std::string& name : kept) folder.Write("usb/" + name, "the user's");
    EXPECT_EQ(BackUp_Save(usb, {false, false, false}, {}), "");
    for (const std::string& name : leftovers) EXPECT_FALSE(folder.Exists("usb/" + name)) << name;
    for (const std::string& name : kept) EXPECT_EQ(folder.Read("usb/" + name), "the user's") << name;
    EXPECT_TRUE(Copy("Jisya.625") == Data("Jisya.620"));
}

// The categories' scratch copy is one of them too (above, its name is a
// folder of the user's).
TEST_F(BackupTest, ASaveRemovesTheCategoriesScratchFile) {
    WriteData(1, 1, 1);
    folder.Write("usb/Hinsyu.625.new", "partial");
    EXPECT_EQ(BackUp_Save(usb, {false, false, false}, {}), "");
    EXPECT_FALSE(folder.Exists("usb/Hinsyu.625.new"));
}

}  // namespace
