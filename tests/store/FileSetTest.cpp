// A set of files put in place all or none: through, with each file
// operation failing in turn, with the process killed at each operation (of
// the set going in, of its roll-back after a failure, of the recovery
// itself). After the recovery the folder holds every member old or every
// member new, and nothing else: no scratch file, no ".old" file, no record.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/FileFault.h"
#include "store/FileSet.h"
#include "tests/FaultSteps.h"

namespace {

// Two members there before the set, one new with it.
const std::vector<std::string> Names = {"A.625", "B.625", "C.625"};
const std::map<std::string, std::string> Before = {{"A.625", "old A"}, {"B.625", "old B"}};
const std::map<std::string, std::string> After = {{"A.625", "new AA"}, {"B.625", "new BBB"}, {"C.625", "new C"}};

class FileSetTest : public ::testing::Test {
protected:
    FileSetTest() { Prepare(); }
    // The old files, and the new contents written to the scratch files.
    void Prepare() {
        folder.Remove("set");
        folder.MakeDir("set");
        for (const auto& [name, bytes] : Before) folder.Write("set/" + name, bytes);
        for (const auto& [name, bytes] : After) folder.Write("set/" + name + ".new", bytes);
    }
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const std::string& name : folder.List("set")) files[name] = folder.Read("set/" + name);
        return files;
    }
    bool Put(std::vector<std::string>& concerned) const { return FileSet_Put(dir, Names, concerned); }
    bool Recover() const {
        std::vector<std::string> concerned;
        return FileSet_Recover(dir, Names, concerned);
    }
    // Every member old or every member new, nothing else; "" when neither.
    std::string Whole() const {
        const auto files = Files();
        return files == Before ? "old" : files == After ? "new" : "";
    }

    TestFolder folder;
    const std::string dir = folder.Path("set");
};

// Runs work in a child process that arm() has planned a kill for. Whether
// the child was killed so.
bool KilledIn(const std::function<void()>& arm, const std::function<void()>& work) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        FileFault_Reset();
        arm();
        work();
        ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The kinds of operation a set and its recovery make.
constexpr TFileOp KillKinds[] = {TFileOp::Read,   TFileOp::Write, TFileOp::Create,
                                 TFileOp::Rename, TFileOp::Sync,  TFileOp::Remove};

// work killed at each of its operations in turn, then after(kind, nth).
// Returns how many kills there were.
int EachKill(const std::function<void()>& before, const std::function<void()>& work,
             const std::function<void()>& after) {
    int kills = 0;
    for (TFileOp op : KillKinds)
        for (int nth = 1;; ++nth) {
            SCOPED_TRACE(std::string("killed at ") + FaultSteps_Name(op) + " " + std::to_string(nth));
            before();
            if (!KilledIn([&] { FileFault_PlanKill(op, nth); }, work)) break;
            ++kills;
            after();
        }
    return kills;
}

TEST_F(FileSetTest, GoesInWhole) {
    std::vector<std::string> concerned;
    EXPECT_TRUE(Put(concerned));
    EXPECT_EQ(Whole(), "new");
    EXPECT_TRUE(concerned.empty());
    EXPECT_FALSE(FileSet_Pending(dir));
    // Without a record the recovery only removes scratch files.
    folder.Write("set/A.625.new", "partial");
    folder.Write(std::string("set/") + FileSet_RecordName + ".new", "partial");
    folder.Write("set/D.625.new", "not a member's");
    EXPECT_TRUE(Recover());
    EXPECT_EQ(folder.List("set").size(), 4u);
    EXPECT_EQ(folder.Read("set/D.625.new"), "not a member's");
}

// A step that fails: before the record is in place, or in the renames or
// the flush after them, the members stay old and the failure names one;
// once they are in place and flushed, only the removals (and their flush)
// are left, which the next recovery finishes.
TEST_F(FileSetTest, AStepThatFailsLeavesEveryMemberOld) {
    bool put = false;
    std::vector<std::string> concerned;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            Prepare();
            arm();
            put = Put(concerned);
        },
        [&](const TFaultStep& step) {
            if (put) {
                EXPECT_TRUE(step.Op == TFileOp::Remove || step.Op == TFileOp::Sync);
            } else {
                EXPECT_EQ(Whole(), "old");
                EXPECT_FALSE(concerned.empty());
            }
            EXPECT_TRUE(Recover());
            EXPECT_EQ(Whole(), put ? "new" : "old");
        });
    EXPECT_GE(failed, 14);  // the record's five steps, five renames, the flush, the removals
}

// A rename that fails and a put-back that fails too: the record stays, the
// failure names every member, and the next recovery puts them all back.
TEST_F(FileSetTest, APutBackThatFailsTooLeavesTheRecordForTheRecovery) {
    std::vector<std::string> concerned;
    FileFault_Plan(TFileOp::Rename, 3);  // "A.625.new" into place
    FileFault_Plan(TFileOp::Rename, 5);  // "A.625.old" back, after the record's turn to "back"
    EXPECT_FALSE(Put(concerned));
    FileFault_Reset();
    EXPECT_EQ(concerned, Names);
    EXPECT_TRUE(FileSet_Pending(dir));
    EXPECT_TRUE(Recover());
    EXPECT_EQ(Whole(), "old");
}

// A kill at any operation of the set, or of the roll-back after any step
// failed, and again at any operation of the recovery that follows.
TEST_F(FileSetTest, AKillAnywhereEndsOldOrNewAfterRecovery) {
    std::vector<std::string> concerned;
    const auto put = [&] { Put(concerned); };
    const auto recovered = [&] {
        ASSERT_TRUE(Recover());
        EXPECT_NE(Whole(), "");
    };
    const auto snapshot = [&] { return Files(); };
    int kills = EachKill([&] { Prepare(); }, put, [&] {
        // What the kill left, killed again in its recovery.
        const auto left = snapshot();
        auto restoreLeft = [&] {
            folder.Remove("set");
            folder.MakeDir("set");
            for (const auto& [name, bytes] : left) folder.Write("set/" + name, bytes);
        };
        EachKill(restoreLeft, [&] { Recover(); }, recovered);
        restoreLeft();
        recovered();
    });
    EXPECT_GE(kills, 15);

    // A step failed, and the roll-back killed at each of its operations.
    for (TFileOp fault : FaultSteps_Writing)
        for (int nth = 1;; ++nth) {
            SCOPED_TRACE(std::string("failed at ") + FaultSteps_Name(fault) + " " + std::to_string(nth));
            Prepare();
            FileFault_Reset();
            FileFault_Plan(fault, nth);
            put();
            const bool reached = FileFault_Count(fault) >= nth;
            FileFault_Reset();
            if (!reached) break;
            kills += EachKill(
                [&] { Prepare(); },
                [&] {
                    FileFault_Plan(fault, nth);
                    put();
                },
                recovered);
        }
    EXPECT_GE(kills, 100);
}

// A record that does not check was never put in place whole: it counts as
// none, and the members stay as they are.
TEST_F(FileSetTest, ARecordThatDoesNotCheckCountsAsNone) {
    std::vector<std::string> concerned;
    // The record as a set writes it, caught before its members moved.
    ASSERT_TRUE(KilledIn([] { FileFault_PlanKill(TFileOp::Rename, 2); }, [&] { Put(concerned); }));
    const std::string record = std::string("set/") + FileSet_RecordName;
    const std::string whole = folder.Read(record);
    for (const std::string& damaged : {whole.substr(0, whole.size() - 1), whole.substr(1), std::string("x") + whole,
                                       std::string()}) {
        Prepare();
        folder.Write(record, damaged);
        EXPECT_TRUE(Recover());
        EXPECT_EQ(Whole(), "old");
    }
    Prepare();
    folder.Write(record, whole);
    EXPECT_TRUE(Recover());
    EXPECT_EQ(Whole(), "new");
}

}  // namespace
