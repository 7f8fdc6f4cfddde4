// The own company's last number in a restore. The copy was saved with two
// documents and the last number 2; a third document has been stored since.
// The last number comes back no lower than the number of the last document
// the document file holds after the restore (the copy's when the documents
// come back, else the one that stays), so that no number is given twice;
// where the own company's copy cannot be taken, its own record is raised so.
#include <sys/stat.h>

#include <functional>
#include <set>
#include <string>

#include "platform/FileFault.h"
#include "settings/backup/BackupRun.h"
#include "store/Recovery.h"
#include "tests/FaultSteps.h"
#include "tests/settings/BackupFixture.h"

namespace {

constexpr int LastNoAt = 231;  // own-company field 13, ten bytes

std::string Number10(int no) {
    const std::string s = std::to_string(no);
    return std::string(10 - s.size(), ' ') + s;
}
std::string JisyaRec(const std::string& name, const std::string& lastNo) {
    return Rec(Jisya_RecLen, {{0, name}, {LastNoAt, lastNo}});
}

constexpr TBackupChoice OwnCompanyOnly{.Kokyaku = false, .Syouhin = false, .Denpyou = false};

class RestoreLastNo : public BackupTest {
protected:
    // The copies: two documents, the last number copied; the data: three
    // documents, the last number 3.
    void Prepare(const std::string& copied = Number10(2)) {
        folder.Remove("usb/Denpyou.625");  // a folder or a FIFO the case before made
        WriteData(1, 1, 2, true);
        folder.Write("usb/Jisya.625", JisyaRec("控えの自社", copied));
        WriteData(1, 1, 3);
        folder.Write("Data/Jisya.620", JisyaRec("自社", Number10(3)));
    }
    std::string LastNo() const { return Data("Jisya.620").substr(LastNoAt, 10); }
    // The copy restored with the last number given.
    std::string Restored(const std::string& lastNo) const { return JisyaRec("控えの自社", lastNo); }
};

TEST_F(RestoreLastNo, ALastNumberBelowADocumentThatStaysIsRaisedToIt) {
    const std::string notRead = BackUp_NotRead("Denpyou.625");
    const struct {
        const char* What;
        std::function<void(const TestFolder&)> Damage;  // before the run
        bool Ticked;                                    // the documents
        bool DiskFull;  // the disk full during the documents' step
        std::string Copied, Failure, LastNo;
    } cases[] = {
        {"documents unticked", nullptr, false, false, Number10(2), "", Number10(3)},
        {"copy missing", [](const TestFolder& f) { f.Remove("usb/Denpyou.625"); }, true, false, Number10(2), notRead,
         Number10(3)},
        {"copy cut short", [](const TestFolder& f) { f.Resize("usb/Denpyou.625", 2 * Denpyou_RecLen - 1); }, true,
         false, Number10(2), notRead, Number10(3)},
        {"copy one byte over", [](const TestFolder& f) { f.Resize("usb/Denpyou.625", 2 * Denpyou_RecLen + 1); },
         true, false, Number10(2), notRead, Number10(3)},
        {"copy a folder",
         [](const TestFolder& f) {
             f.Remove("usb/Denpyou.625");
             f.MakeDir("usb/Denpyou.625");
         },
         true, false, Number10(2), notRead, Number10(3)},
        {"copy a FIFO",
         [](const TestFolder& f) {
             f.Remove("usb/Denpyou.625");
             ASSERT_EQ(mkfifo(f.Path("usb/Denpyou.625").c_str(), 0600), 0);
         },
         true, false, Number10(2), notRead, Number10(3)},
        {"disk full in the documents' step", nullptr, true, true, Number10(2), "Denpyou.620を保存できませんでした。",
         Number10(3)},
        {"the copy's number above", nullptr, false, false, Number10(7), "", Number10(7)},
        {"the copy's number negative", nullptr, false, false, Number10(-5), "", Number10(3)},
        // Blank or damaged, the number is left for the reload, which takes
        // the last stored document's as start-up does.
        {"the copy's number blank", nullptr, false, false, std::string(10, ' '), "", std::string(10, ' ')},
        {"the copy's number damaged", nullptr, false, false, "       ab2", "", "       ab2"},
        {"no document in the file", [](const TestFolder& f) { f.Write("Data/Denpyou.620", ""); }, false, false,
         Number10(2), "", Number10(2)},
        {"no document file", [](const TestFolder& f) { f.Remove("Data/Denpyou.620"); }, false, false, Number10(2), "",
         Number10(2)},
        {"documents restored", nullptr, true, false, Number10(2), "", Number10(2)},
        {"documents restored, the copy's number below them", nullptr, true, false, Number10(1), "", Number10(2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Prepare(c.Copied);
        if (c.Damage) c.Damage(folder);
        const std::string documents = Data("Denpyou.620");
        TBackupView view;
        if (c.DiskFull) {
            FileFault_DiskFull(0);
            // Room again for the own company.
            view.Frame = [](TBackupGroup group, bool working) {
                if (group == TBackupGroup::Denpyou && !working) FileFault_Reset();
            };
        }
        EXPECT_EQ(BackUp_Restore(usb, {.Kokyaku = false, .Syouhin = false, .Denpyou = c.Ticked}, view), c.Failure);
        FileFault_Reset();
        EXPECT_EQ(LastNo(), c.LastNo);
        // A data file that cannot be written: nothing of the run goes in.
        EXPECT_TRUE(Data("Jisya.620") == (c.DiskFull ? JisyaRec("自社", Number10(3)) : Restored(c.LastNo)));
        const bool restored = c.Ticked && c.Failure.empty();
        EXPECT_TRUE(Data("Denpyou.620") == (restored ? Copy("Denpyou.625") : documents));
    }
}

// The raised number goes to the disk with the record it is part of: a
// write that fails at any step leaves the own company as it was, with its
// own last number 3, and the run tells it; never the copy's 2. An old file
// the run could not remove once the set was in goes with the next start.
TEST_F(RestoreLastNo, ARestoreThatFailsOnTheWayKeepsTheLastNumber) {
    std::string failure;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            Prepare();
            arm();
            failure = BackUp_Restore(usb, OwnCompanyOnly, {});
        },
        [&] {
            EXPECT_EQ(LastNo(), Number10(3));
            const bool restored = Data("Jisya.620") == Restored(Number10(3));
            EXPECT_TRUE(restored || Data("Jisya.620") == JisyaRec("自社", Number10(3)));
            if (!restored) {
                EXPECT_TRUE(failure.ends_with("を保存できませんでした。")) << failure;
            }
            std::vector<std::string> unfinished;
            EXPECT_TRUE(Recovery_FinishFileSet(unfinished));
            EXPECT_EQ(folder.List("Data").size(), 6u);  // no scratch file left
        });
    EXPECT_GT(failed, 0);
}

// The own company's copy missing or left out: its own record goes through
// the restore raised to the last document Data holds after it, as on a new
// program folder whose blank last number the run's first write saved as 0.
TEST_F(RestoreLastNo, WithoutAnOwnCompanyCopyItsOwnRecordIsRaised) {
    const struct {
        const char* What;
        bool Missing;          // else cut short
        bool Documents;        // ticked and restored (their copy's last: 2)
        const char* Stored;    // Data's last number
        bool NoDocumentFile;   // a new program folder
        std::string LastNo;
    } cases[] = {
        {"a new program folder", true, true, "         0", true, Number10(2)},
        {"copy cut short, documents kept", false, false, "         1", false, Number10(3)},
        {"copy missing, documents restored", true, true, "         1", false, Number10(2)},
        {"the own number above", true, false, "         7", false, Number10(7)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Prepare();
        if (c.Missing) folder.Remove("usb/Jisya.625");
        else folder.Resize("usb/Jisya.625", Jisya_RecLen - 1);
        folder.Write("Data/Jisya.620", JisyaRec("自社", c.Stored));
        if (c.NoDocumentFile) folder.Remove("Data/Denpyou.620");
        EXPECT_EQ(BackUp_Restore(usb, {.Kokyaku = false, .Syouhin = false, .Denpyou = c.Documents}, {}),
                  BackUp_NotRead("Jisya.625"));
        EXPECT_TRUE(Data("Jisya.620") == JisyaRec("自社", c.LastNo)) << LastNo();
        EXPECT_EQ(folder.List("Data").size(), 6u);  // no scratch file left
    }
}

// A read that fails: of the copies, or of the last document's number. The
// own company is not restored without that number; the run tells it.
TEST_F(RestoreLastNo, AReadThatFailsKeepsTheLastNumber) {
    std::set<std::string> told;
    for (int nth = 1;; ++nth) {
        SCOPED_TRACE(nth);
        Prepare();
        FileFault_Reset();
        FileFault_Plan(TFileOp::Read, nth);
        const std::string failure = BackUp_Restore(usb, OwnCompanyOnly, {});
        const bool reached = FileFault_Count(TFileOp::Read) >= nth;
        FileFault_Reset();
        if (!reached) break;
        EXPECT_EQ(LastNo(), Number10(3));
        if (Data("Jisya.620") != Restored(Number10(3))) {
            EXPECT_TRUE(Data("Jisya.620") == JisyaRec("自社", Number10(3)));
            EXPECT_NE(failure, "");
        }
        told.insert(failure);
    }
    EXPECT_TRUE(told.contains(BackUp_NotRead("Denpyou.620")));
    EXPECT_TRUE(told.contains(BackUp_NotRead("Jisya.625")));
}

}  // namespace
