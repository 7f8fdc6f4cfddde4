// A run of the program ended the hard way (SIGKILL, as a crash or a power cut
// would end it) at each point of a store, then started again on its folder:
// every stored record is whole (the old one or the new one, never a mix or a
// record filled with blanks that the user never saw stored), no journal is
// left, and the next document's number follows every stored one.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "platform/FileFault.h"
#include "tests/app/ShellFixture.h"

namespace {

constexpr size_t RecLen = 23000;

std::string Number10(long long no) {
    std::string s = std::to_string(no);
    return std::string(10 - s.size(), ' ') + s;
}
std::string Document(int no, const char* customer) {
    return Record(23000, {{0, "1"}, {1, Number10(no)}, {11, customer}, {251, "2025 3 1"}});
}
const std::string Stored = Document(1, "A社") + Document(2, "B社");
const std::string Jisya = Record(1000, {{40, "Yamada"}, {231, Number10(2)}});

// What the program does in a run: started on the folder, the store made
// ready, then arm() (from there on the planned kill counts), then the store.
using TWork = std::function<bool(THeadlessSession&, const std::function<void()>& arm)>;

bool StoreNew(THeadlessSession& s, const std::function<void()>& arm) {
    if (!s.Start() || !s.Type("山田電気") || !s.Key(vk::Return)) return false;
    arm();
    return s.Key(vk::F1);
}

bool RewriteSecond(THeadlessSession& s, const std::function<void()>& arm) {
    if (!s.Start() || !s.Key(vk::F7) || !s.Type("Ｚ社") || !s.Key(vk::Return)) return false;
    arm();
    return s.Key(vk::F1);
}

void Prepare(THeadlessSession& s) {
    ASSERT_TRUE(s.WriteFile("Data\\Denpyou.620", Stored));
    ASSERT_TRUE(s.WriteFile("Data\\Jisya.620", Jisya));
}

// The document file as an uninterrupted run leaves it.
std::string Uninterrupted(const TWork& work) {
    THeadlessSession s;
    Prepare(s);
    EXPECT_TRUE(work(s, [] {}));
    return s.ReadFile("Data\\Denpyou.620").value_or("");
}

enum class TEnd { Killed, Finished, Failed };

// Runs the work in a child process on the folder of session (not started
// here), killed at the nth operation of kind op, a write after moving
// `bytes` bytes.
TEnd RunInChild(THeadlessSession& session, const TWork& work, TFileOp op, int nth, std::int64_t bytes) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const bool done = work(session, [&] {
            FileFault_Reset();
            FileFault_PlanKill(op, nth, bytes);
        });
        _exit(done ? 0 : 1);  // no exit code of the program or the test runs
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return TEnd::Failed;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return TEnd::Killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? TEnd::Finished : TEnd::Failed;
}

// Kills the work at every operation of every kind that writes, then starts
// the program again on what the killed run left and hands it to check.
// Returns how many runs were killed.
int KillEverywhere(const TWork& work, const std::function<void(THeadlessSession&)>& check) {
    struct TPoint {
        TFileOp Op;
        std::int64_t Bytes;
        const char* Name;
    };
    const TPoint points[] = {
        {TFileOp::Create, 0, "before create"},   {TFileOp::Write, 0, "before write"},
        {TFileOp::Write, 5, "mid-write"},        {TFileOp::Sync, 0, "before sync"},
        {TFileOp::Sync, 1, "after sync"},        {TFileOp::Truncate, 0, "before truncate"},
        {TFileOp::Rename, 0, "before rename"},   {TFileOp::Remove, 0, "before remove"},
        {TFileOp::Remove, 1, "after remove"},
    };
    int killed = 0;
    for (const TPoint& p : points) {
        for (int nth = 1; nth < 50; ++nth) {
            SCOPED_TRACE(std::string(p.Name) + " " + std::to_string(nth));
            THeadlessSession session;
            Prepare(session);
            const TEnd end = RunInChild(session, work, p.Op, nth, p.Bytes);
            if (end == TEnd::Failed) ADD_FAILURE() << "the run failed before its kill";
            if (end != TEnd::Killed) break;
            ++killed;
            if (!session.Start()) {
                ADD_FAILURE() << "no start after the kill";
                continue;
            }
            for (const char* leftover : {"Data\\Denpyou.620.jnl", "Data\\Jisya.620.jnl", "Data\\Denpyou.620.new"})
                EXPECT_FALSE(session.FileExists(leftover)) << leftover;
            EXPECT_EQ(session.FileSize("Data\\Jisya.620"), 1000);
            check(session);
        }
    }
    return killed;
}

// The number the editor offers a new document.
long long NextNumber(THeadlessSession& s) { return std::stoll(s.TextOf("Edit_DenpNo").value_or("0")); }

TEST(KillRestart, AnAppendIsWholeOrNotThereAndItsNumberIsNeverGivenAgain) {
    const std::string stored = Uninterrupted(StoreNew);
    ASSERT_EQ(stored.size(), 3 * RecLen);
    int kept = 0;
    const int killed = KillEverywhere(StoreNew, [&](THeadlessSession& s) {
        const std::string file = s.ReadFile("Data\\Denpyou.620").value_or("");
        const bool there = file.size() == 3 * RecLen;
        kept += there;
        EXPECT_EQ(file, there ? stored : Stored);
        EXPECT_EQ(s.TextOf("Label_DenpyouDs"), there ? "3" : "2");
        EXPECT_GE(NextNumber(s), there ? 4 : 3);
    });
    EXPECT_GE(killed, 10);
    EXPECT_GT(kept, 0);  // killed after the record was on disk, too
    EXPECT_LT(kept, killed);
}

TEST(KillRestart, ARewriteLeavesTheOldRecordOrTheNewOne) {
    const std::string rewritten = Uninterrupted(RewriteSecond);
    ASSERT_EQ(rewritten.size(), 2 * RecLen);
    ASSERT_NE(rewritten, Stored);
    int kept = 0;
    const int killed = KillEverywhere(RewriteSecond, [&](THeadlessSession& s) {
        const std::string file = s.ReadFile("Data\\Denpyou.620").value_or("");
        kept += file == rewritten;
        EXPECT_TRUE(file == rewritten || file == Stored);
        EXPECT_EQ(s.TextOf("Label_DenpyouDs"), "2");
        EXPECT_EQ(NextNumber(s), 3);
    });
    EXPECT_GE(killed, 5);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, killed);
}

}  // namespace
