// A save and a restore with each of their file operations failing in turn,
// and what a save finds left in the folder by one that was killed. A copy,
// a CSV file or a data file whose write fails keeps its bytes (the data
// files a restore replaces together keep all of theirs), the run tells
// which, the "USB" counts are those of the copies there, and no scratch
// file stays.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/backup/BackupCsv.h"
#include "settings/backup/BackupRestore.h"
#include "settings/backup/BackupRun.h"
#include "tests/FaultSteps.h"
#include "tests/settings/BackupFixture.h"
#include "ui/Message.h"

namespace {

// A file a run writes: the name its failure is told by, and its path in the
// test folder.
struct TRunFile {
    const char* Told;
    std::string Path;
};
// The files a run replaces together (all of them or none), in its order:
// each is written to its scratch file and flushed, then they are renamed
// into place and the folder is flushed once.
using TRunGroup = std::vector<TRunFile>;

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

    // Runs the work (returning its failure text) on the files `before`,
    // once through and then with each step failing in turn. A step that
    // fails leaves the group it belongs to as it was, except the folder's
    // flush after the renames, which leaves it whole and new; every other
    // group is as it was or whole and new; the failure names a file of
    // the group; no other file is there than before. Returns how many runs
    // had a step failed.
    int EachStep(const std::map<std::string, std::string>& before, const std::vector<TRunGroup>& groups,
                 const std::function<std::string()>& work, const std::function<void()>& also = {}) {
        Put(before);
        EXPECT_EQ(work(), "");
        const std::map<std::string, std::string> fresh = Files();
        for (const TRunGroup& group : groups)
            for (const TRunFile& f : group) EXPECT_FALSE(fresh.at(f.Path) == before.at(f.Path)) << f.Path;
        // The flush of each group's folder, by its number among the flushes
        // (all of them before the one that fails went through).
        std::vector<int> folderFlush;
        int flushes = 0;
        for (const TRunGroup& group : groups) {
            flushes += static_cast<int>(group.size()) + 1;
            folderFlush.push_back(flushes);
        }
        std::string failure;
        return FaultSteps_Each(
            [&](const std::function<void()>& arm) {
                Put(before);
                arm();
                failure = work();
            },
            [&](const TFaultStep& step) {
                const std::map<std::string, std::string> now = Files();
                size_t failed = groups.size();
                for (size_t g = 0; g < groups.size(); ++g)
                    for (const TRunFile& f : groups[g])
                        if (failure == Message_NotSavedText(f.Told)) failed = g;
                ASSERT_LT(failed, groups.size()) << "told: " << failure;
                for (size_t g = 0; g < groups.size(); ++g) {
                    bool old = true, renewed = true;
                    for (const TRunFile& f : groups[g]) {
                        old = old && now.at(f.Path) == before.at(f.Path);
                        renewed = renewed && now.at(f.Path) == fresh.at(f.Path);
                    }
                    if (g == failed && step.Op == TFileOp::Sync && step.Nth == folderFlush[g])
                        EXPECT_TRUE(renewed) << groups[g][0].Path;
                    else if (g == failed) EXPECT_TRUE(old) << groups[g][0].Path;
                    else EXPECT_TRUE(old || renewed) << groups[g][0].Path;
                }
                std::vector<std::string> names, namesBefore;
                for (const auto& [path, bytes] : now) names.push_back(path);
                for (const auto& [path, bytes] : before) namesBefore.push_back(path);
                EXPECT_EQ(names, namesBefore);  // no scratch file left
                if (also) also();
            });
    }
};

const char* const Copies[] = {"Kokyaku.625", "Hinsyu.625", "Syouhin.625", "Denpyou.625", "Jisya.625", "Tanni.625"};

// The save: each copy and CSV file on its own, in the order the run writes
// them; the counts the run shows are those of the copies in the folder.
TEST_F(BackupFaultTest, ASaveStepThatFailsKeepsTheFileItWrites) {
    WriteData(5, 4, 3, true);
    folder.Write("usb/" + U8(u8"見積顧客.CSV"), "old customers");
    folder.Write("usb/" + U8(u8"見積商品.CSV"), "old products");
    WriteData(3, 2, 60);  // documents: more than one block of the copy
    const std::map<std::string, std::string> before = Files();
    auto copy = [](const char* name) { return TRunGroup{{name, std::string("usb/") + name}}; };
    const std::vector<TRunGroup> groups = {
        copy("Kokyaku.625"), {{Csv_KokyakuName, "usb/" + U8(u8"見積顧客.CSV")}},
        copy("Hinsyu.625"),  copy("Syouhin.625"),
        {{Csv_SyouhinName, "usb/" + U8(u8"見積商品.CSV")}},
        copy("Denpyou.625"), copy("Jisya.625"),
        copy("Tanni.625"),
    };
    std::map<TBackupGroup, int> shown;  // the "USB" counts
    TBackupView view;
    view.Done = [&shown](TBackupGroup g, const TBackupResult& r) { shown[g] = r.Ds; };
    const int failed = EachStep(
        before, groups, [&] { return BackUp_Save(usb, {}, view); },
        [&] {
            EXPECT_EQ(shown[TBackupGroup::Kokyaku], folder.Size("usb/Kokyaku.625") / Kokyaku_RecLen);
            EXPECT_EQ(shown[TBackupGroup::Syouhin], folder.Size("usb/Syouhin.625") / Syouhin_RecLen);
            EXPECT_EQ(shown[TBackupGroup::Denpyou], folder.Size("usb/Denpyou.625") / Denpyou_RecLen);
        });
    EXPECT_GE(failed, 41);  // each file's create, writes (the documents: two), flushes and rename
}

// The restore: the categories and the products together, every other file
// on its own (the units before the own company).
TEST_F(BackupFaultTest, ARestoreStepThatFailsChangesNoDataFile) {
    WriteData(5, 4, 60, true);
    WriteData(3, 2, 2);
    const std::map<std::string, std::string> before = Files();
    auto data = [](const char* name) { return TRunFile{name, std::string("Data/") + (name + 5)}; };
    const std::vector<TRunGroup> groups = {
        {data("Data\\Kokyaku.620")}, {data("Data\\Hinsyu.620"), data("Data\\Syouhin.620")},
        {data("Data\\Denpyou.620")}, {data("Data\\Tanni.620")},
        {data("Data\\Jisya.620")},
    };
    const int failed = EachStep(before, groups, [&] { return BackUp_Restore(usb, {}, {}); });
    EXPECT_GE(failed, 30);  // each file's create, writes, flush and rename, each group's folder flush

    // Every read of the categories' and products' restore failing in turn:
    // the copies', and the categories' own, kept to be put back. Nothing is
    // replaced.
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
    EXPECT_EQ(reads, 3);
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
