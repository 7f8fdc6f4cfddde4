// One running copy per program folder: a second start on a folder that
// another process holds tells the user and ends without touching a file.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/KidouLock.h"
#include "platform/InstanceLock.h"
#include "tests/app/ShellFixture.h"

namespace {

// Another process trying the program folder's lock (the current program
// folder's "Data\Kidou.lck"). It reports what it got and, when it holds the
// lock, keeps it until it is killed, as a running copy would.
class TOtherProcess {
public:
    TOtherProcess() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const char got = static_cast<char>(InstanceLock_Take(KidouLock_FileName));
            (void)!write(fds[1], &got, 1);
            if (got == static_cast<char>(TInstanceLock::Taken))
                for (;;) pause();
            _exit(0);
        }
        close(fds[1]);
        char got = -1;
        if (pid_ > 0 && read(fds[0], &got, 1) == 1) got_ = static_cast<TInstanceLock>(got);
        close(fds[0]);
    }
    ~TOtherProcess() { Kill(); }
    TOtherProcess(const TOtherProcess&) = delete;
    TOtherProcess& operator=(const TOtherProcess&) = delete;

    std::optional<TInstanceLock> Got() const { return got_; }
    // Ends the process the hard way: no exit code of its own runs.
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    std::optional<TInstanceLock> got_;
};

// Every file and folder under root with its bytes and its times.
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        struct stat st {};
        stat(entry.path().c_str(), &st);
        std::string facts = std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + " " +
                            std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec) + " ";
        if (entry.is_regular_file()) {
            std::FILE* f = std::fopen(entry.path().c_str(), "rb");
            for (int c; f && (c = std::fgetc(f)) != EOF;) facts += static_cast<char>(c);
            if (f) std::fclose(f);
        }
        files[entry.path().string()] = facts;
    }
    return files;
}

TEST(KidouLock, ASecondCopyEndsWithoutTouchingAnyFile) {
    THeadlessSession session;
    ASSERT_TRUE(session.WriteFile("Data\\Tanni.620", "m        \n"));
    TOtherProcess first;
    ASSERT_EQ(first.Got(), TInstanceLock::Taken);
    const auto before = Snapshot(session.Folder());

    EXPECT_FALSE(session.Start());
    EXPECT_TRUE(session.Exited());
    EXPECT_EQ(session.ExitStatus(), -1);
    EXPECT_EQ(session.Messages(), std::vector<std::string>{"既に起動しています。"});
    EXPECT_EQ(Snapshot(session.Folder()), before);  // no data file made, read-write opened or changed

    // However the first copy ends, it leaves no lock behind.
    first.Kill();
    EXPECT_EQ(InstanceLock_Take(KidouLock_FileName), TInstanceLock::Taken);
    InstanceLock_Release();
}

// A lock that cannot be had for another reason fails safe: no other copy
// can be ruled out, so the start ends the same way, naming the file.
TEST(KidouLock, ALockThatCannotBeHadEndsTheStart) {
    const struct {
        const char* What;
        void (*Make)(const std::string& path);
    } cases[] = {
        {"a folder in its place", [](const std::string& path) { ASSERT_EQ(mkdir(path.c_str(), 0700), 0); }},
        {"a FIFO in its place", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        THeadlessSession session;
        ASSERT_TRUE(session.WriteFile("Data\\Tanni.620", "m        \n"));
        c.Make(session.Folder() + "Data/Kidou.lck");
        const auto before = Snapshot(session.Folder());
        EXPECT_FALSE(session.Start());
        EXPECT_TRUE(session.Exited());
        EXPECT_EQ(session.ExitStatus(), -1);
        EXPECT_EQ(session.Messages(), std::vector<std::string>{"Kidou.lckをロックできませんでした。"});
        EXPECT_EQ(Snapshot(session.Folder()), before);
    }
    // Without a Data folder nothing can be stored: the start goes on.
    THeadlessSession bare(false);
    EXPECT_TRUE(bare.Start());
    EXPECT_TRUE(bare.Messages().empty());
}

TEST(KidouLock, ARunningCopyHoldsItsFolder) {
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.Messages().empty());
    EXPECT_EQ(TOtherProcess().Got(), TInstanceLock::HeldElsewhere);
}

}  // namespace
