// The save: byte copies of the data files in the backup folder, the memory
// written first, the figures, and what a failure or a kill leaves.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileFault.h"
#include "store/Str.h"
#include "settings/backup/BackupRun.h"
#include "settings/backup/BackupSave.h"
#include "tests/settings/BackupFixture.h"

namespace {

// What a run showed, one line per event.
struct TViewLog {
    std::vector<std::string> Lines;
    TBackupView View() {
        static const char* const names[] = {"Kokyaku", "Syouhin", "Denpyou", "Etc"};
        auto name = [](TBackupGroup g) { return std::string(names[static_cast<int>(g)]); };
        return {
            [this, name](TBackupGroup g, bool on) { Lines.push_back(name(g) + (on ? " red" : " grey")); },
            [this, name](TBackupGroup g, int p) { Lines.push_back(name(g) + " " + std::to_string(p)); },
            [this, name](TBackupGroup g, const TBackupResult& r) {
                Lines.push_back(name(g) + " count " + std::to_string(r.Count) + " usb " + std::to_string(r.Ds) +
                                (r.Failure.empty() ? "" : " " + r.Failure));
            },
        };
    }
};

std::vector<std::string> Figures(const std::string& group, std::initializer_list<std::pair<int, int>> runs) {
    std::vector<std::string> lines;
    for (const auto& [from, to] : runs)
        for (int p = from; p <= to; ++p) lines.push_back(group + " " + std::to_string(p));
    return lines;
}

template <class... V>
std::vector<std::string> Join(const V&... parts) {
    std::vector<std::string> all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

// Every data file goes whole into its copy, a cut-short last record left
// out; the figures count the copy, then the CSV, then show 100.
TEST_F(BackupTest, SaveCopiesEveryFileRecordForRecord) {
    WriteData(3, 2, 2);
    folder.Write("Data/Kokyaku.620", Data("Kokyaku.620") + "cut short");
    folder.Write("Data/BackupFolder.500", Blanks(255));
    Store_StartData();
    TViewLog log;
    EXPECT_EQ(BackUp_Save(usb, {}, log.View()), "");

    EXPECT_TRUE(Copy("Kokyaku.625") == Data("Kokyaku.620").substr(0, 3 * Kokyaku_RecLen));
    for (const char* name : {"Hinsyu", "Syouhin", "Denpyou", "Tanni", "Jisya"})
        EXPECT_TRUE(Copy(std::string(name) + ".625") == Data(std::string(name) + ".620")) << name;
    EXPECT_EQ(Data("BackupFolder.500"), usb + Blanks(255 - usb.size()));
    // The CSV files' names are UTF-8 on the disk.
    EXPECT_EQ(folder.List("usb"), (std::vector<std::string>{"Denpyou.625", "Hinsyu.625", "Jisya.625", "Kokyaku.625",
                                                            "Syouhin.625", "Tanni.625", U8(u8"見積商品.CSV"),
                                                            U8(u8"見積顧客.CSV")}));
    const auto want = Join(std::vector<std::string>{"Kokyaku red", "Kokyaku 0"}, Figures("Kokyaku", {{1, 3}, {1, 3}}),
                           std::vector<std::string>{"Kokyaku 100", "Kokyaku count 3 usb 3", "Kokyaku grey",
                                                    "Syouhin red", "Syouhin 0"},
                           Figures("Syouhin", {{1, 2}, {1, 2}}),
                           std::vector<std::string>{"Syouhin 100", "Syouhin count 2 usb 2", "Syouhin grey",
                                                    "Denpyou red", "Denpyou 0", "Denpyou 1", "Denpyou 2", "Denpyou 100",
                                                    "Denpyou count 2 usb 2", "Denpyou grey", "Etc red", "Etc grey"});
    EXPECT_EQ(log.Lines, want);
}

// The save's figure counts up in steps of count div 100 + 1; the restore's
// shows each whole per cent once.
TEST(BackupFigures, FollowTheirRules) {
    const struct {
        int Count;
        bool Save;
        int Shown, First, Last;
    } cases[] = {
        {50, true, 50, 1, 50}, {1000, true, 91, 1, 91}, {0, true, 0, 0, 0},
        {1000, false, 99, 1, 99}, {1, false, 0, 0, 0},   {3, false, 2, 33, 66},
    };
    for (const auto& c : cases) {
        std::vector<int> shown;
        const TBackupFigure figure = [&shown](int p) { shown.push_back(p); };
        TSaveFigure save(c.Count, figure);
        TRestoreFigure restore(c.Count, figure);
        for (int i = 0; i < c.Count; ++i) c.Save ? save.At(i) : restore.At(i);
        SCOPED_TRACE(std::to_string(c.Count) + (c.Save ? " save" : " restore"));
        ASSERT_EQ(static_cast<int>(shown.size()), c.Shown);
        if (c.Shown == 0) continue;
        EXPECT_EQ(shown.front(), c.First);
        EXPECT_EQ(shown.back(), c.Last);
        for (size_t k = 1; k < shown.size(); ++k) EXPECT_GT(shown[k], shown[k - 1]);
    }
}

// With no box ticked only the own company and the units are copied, and
// they carry what was only in memory: the last document number, a unit
// added; the category list reaches its data file as the exit would write it.
TEST_F(BackupTest, SaveWritesWhatIsOnlyInMemoryFirst) {
    WriteData(1, 1, 1);
    Store_StartData();
    Denpyou_LastNo = 4711;
    Tanni_Add("個    ");
    Str_Pad("照明", Hinsyu_Name[7], 40, 0);
    EXPECT_EQ(BackUp_Save(usb, {false, false, false}, {}), "");
    EXPECT_EQ(folder.List("usb"), (std::vector<std::string>{"Jisya.625", "Tanni.625"}));
    EXPECT_EQ(Copy("Jisya.625").substr(Jisya_FieldOffset[JisyaField_Denban], 10), "      4711");
    EXPECT_EQ(Copy("Tanni.625").substr(Tanni_RecLen, Tanni_RecLen), "個       \n");
    EXPECT_EQ(Data("Hinsyu.620").substr(7 * Hinsyu_RecLen + 1, 4), "照明");
}

// A save that cannot finish keeps the copy there before whole, reports the
// file, and shows the count of the copy still in the folder.
TEST_F(BackupTest, SaveThatFailsKeepsTheOldCopy) {
    const std::string old = Recs(5, [](int i) { return DenpyouRec(900 + i); });
    const int documents = 200;  // more than one block of the copy
    const std::string data = Recs(documents, [](int i) { return DenpyouRec(i + 1); });
    const struct {
        const char* What;
        std::int64_t DiskLeft;  // -1: no full disk
        std::int64_t ReadBytes; // -1: reads go through
        bool Missing;
        const char* Failure;
    } cases[] = {
        {"disk full at once", 0, -1, false, "Denpyou.625を保存できませんでした。"},
        {"disk full in the first record", 100, -1, false, "Denpyou.625を保存できませんでした。"},
        {"disk full part way", 190LL * Denpyou_RecLen, -1, false, "Denpyou.625を保存できませんでした。"},
        {"disk full at the last byte", documents * Denpyou_RecLen - 1LL, -1, false,
         "Denpyou.625を保存できませんでした。"},
        {"a read cut short", -1, 7 * Denpyou_RecLen + 3, false, "Denpyou.620を読み込めませんでした。"},
        {"no document file", -1, -1, true, "Denpyou.620を読み込めませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        folder.Write("usb/Denpyou.625", old);
        if (c.Missing) folder.Remove("Data/Denpyou.620");
        else folder.Write("Data/Denpyou.620", data);
        FileFault_Reset();
        if (c.DiskLeft >= 0) FileFault_DiskFull(c.DiskLeft);
        if (c.ReadBytes >= 0) FileFault_Plan(TFileOp::Read, 1, c.ReadBytes);
        std::vector<int> figures;
        const TBackupResult r = BackUp_SaveDenpyou(usb, false, [&](int p) { figures.push_back(p); });
        FileFault_Reset();
        EXPECT_EQ(r.Failure, c.Failure);
        EXPECT_EQ(r.Ds, 5);
        EXPECT_TRUE(figures.empty() || figures.back() != 100);
        EXPECT_TRUE(Copy("Denpyou.625") == old);
        EXPECT_EQ(folder.List("usb"), std::vector<std::string>{"Denpyou.625"});
    }
    // Once the disk has room, the same save goes through.
    folder.Write("Data/Denpyou.620", data);
    const TBackupResult r = BackUp_SaveDenpyou(usb, false, nullptr);
    EXPECT_EQ(r.Failure, "");
    EXPECT_EQ(r.Ds, documents);
    EXPECT_TRUE(Copy("Denpyou.625") == data);
}

// A save killed while it copies leaves the old copy whole; so does one
// killed once the copy is written but not yet in place with the run's other
// files. The next save puts right whatever the kill left beside it.
TEST_F(BackupTest, SaveKilledOnTheWayLeavesOneWholeCopy) {
    const std::string old = Recs(3, [](int i) { return DenpyouRec(900 + i); });
    const std::string data = Recs(400, [](int i) { return DenpyouRec(i + 1); });
    folder.Write("Data/Denpyou.620", data);
    for (const int killAt : {50, 100}) {
        SCOPED_TRACE(killAt);
        folder.Write("usb/Denpyou.625", old);
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The child saves, tells the parent when the figure reaches
            // killAt and waits there to be killed.
            BackUp_SaveDenpyou(usb, false, [&](int p) {
                if (p != killAt) return;
                const char c = 'k';
                (void)!::write(pipeFds[1], &c, 1);
                for (;;) ::pause();
            });
            ::_exit(3);
        }
        char c = 0;
        EXPECT_EQ(::read(pipeFds[0], &c, 1), 1);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_TRUE(Copy("Denpyou.625") == old);
    }
    folder.Write("usb/Denpyou.625.new", "left by a kill");
    EXPECT_EQ(BackUp_SaveDenpyou(usb, false, nullptr).Failure, "");
    EXPECT_TRUE(Copy("Denpyou.625") == data);
    EXPECT_EQ(folder.List("usb"), std::vector<std::string>{"Denpyou.625"});
}

}  // namespace
