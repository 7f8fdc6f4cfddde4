// A save of 30000 documents (690 MB) started with the screen's F1 in a child
// run of the program, killed the hard way (SIGKILL, as a crash or a power cut
// would end it) half way through the copy and again just after the copy
// replaced the one before: the folder holds either the old copy or the new
// one, whole, never a part. The next run's save puts right what the kill
// left beside it.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/Form.h"
#include "tools/Headless.h"

namespace {

namespace fs = std::filesystem;

constexpr int Documents = 30000;
constexpr std::int64_t RecLen = 23000;

std::string Number10(int n) {
    const std::string s = std::to_string(n);
    return std::string(10 - s.size(), ' ') + s;
}

std::string Document(int n) {
    std::string r(RecLen, ' ');
    r.back() = '\n';
    r.replace(0, 11, "1" + Number10(n));
    return r;
}

// Document n of a file (from 1), nothing when it is not there whole.
std::string ReadDocument(const std::string& path, int n) {
    std::ifstream in(path, std::ios::binary);
    std::string r(RecLen, '\0');
    in.seekg((n - 1) * RecLen);
    return in.read(r.data(), RecLen) ? r : std::string();
}

// Ends the process the moment the screen paints what the condition wants.
struct TKillAt : TFormHost {
    std::function<bool(TControl*)> When;
    void Invalidate() override {}
    void FocusChanged() override {}
    void RepaintNow(TControl* c) override {
        if (When(c)) ::kill(::getpid(), SIGKILL);
    }
};

// A child run of the program on the session's folder: started, the data
// maintenance screen with only the documents ticked, F1, killed at `when`.
// Whether it was killed so.
bool SaveKilled(THeadlessSession& session, const std::function<bool(TControl*)>& when) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        TKillAt killer;
        killer.When = when;
        const bool ready = session.Start() && session.Click("Label_Job_07") &&
                           session.Click("Label_Panel_BackUp_F3") && session.Click("CheckBox_Denpyou");
        if (ready) {
            session.Form()->SetHost(&killer);
            session.Click("Label_Panel_BackUp_F1");
        }
        ::_exit(ready ? 0 : 1);  // no exit code of the program or the test runs
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

bool Painted(TControl* c, const char* name) { return c->Name() == name; }

TEST(BackupKill, SaveKilledFromTheScreenLeavesOneWholeCopy) {
    THeadlessSession session;  // each run starts the program on its folder
    const std::string usb = session.Folder() + "usb";
    fs::create_directory(usb);
    std::string record = usb;
    record.resize(255, ' ');
    ASSERT_TRUE(session.WriteFile("Data\\BackupFolder.500", record));
    // The documents, sparse: only the first, a middle and the last take room.
    const std::string data = session.Folder() + "Data/Denpyou.620";
    {
        const int fd = ::open(data.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, Documents * RecLen), 0);
        for (const int n : {1, Documents / 2, Documents})
            ASSERT_EQ(::pwrite(fd, Document(n).data(), RecLen, (n - 1) * RecLen), RecLen);
        ::close(fd);
    }
    const std::string copy = usb + "/Denpyou.625";
    const std::string old = Document(900) + Document(901);
    std::ofstream(copy, std::ios::binary) << old;
    auto wholeNewCopy = [&] {
        return fs::file_size(copy) == static_cast<std::uintmax_t>(Documents * RecLen) &&
               ReadDocument(copy, 1) == Document(1) && ReadDocument(copy, Documents / 2) == Document(Documents / 2) &&
               ReadDocument(copy, Documents) == Document(Documents);
    };

    // Half way through the copy: the old one is there, whole.
    ASSERT_TRUE(SaveKilled(session, [](TControl* c) {
        return Painted(c, "Label_DenpyouRitu") && static_cast<TLabel*>(c)->Caption == "50";
    }));
    EXPECT_EQ(fs::file_size(copy), old.size());
    EXPECT_TRUE(ReadDocument(copy, 1) == Document(900) && ReadDocument(copy, 2) == Document(901));

    // The copy in place (its frame back to grey), the run not finished: the
    // new one, whole.
    ASSERT_TRUE(SaveKilled(session, [](TControl* c) {
        return Painted(c, "Shape_Denpyou") && static_cast<TShape*>(c)->Pen.Color == clGray;
    }));
    EXPECT_TRUE(wholeNewCopy());

    // The next run: the save goes through and nothing is left beside the copy.
    std::ofstream(copy + ".new", std::ios::binary) << "left by a kill";
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Click("Label_Job_07"));
    ASSERT_TRUE(session.Click("Label_Panel_BackUp_F1"));
    EXPECT_EQ(session.TextOf("Label_DataSyori_Nokori"), "処理が完了しました");
    EXPECT_EQ(session.TextOf("Label_BK_DenpyouDs"), std::to_string(Documents));
    EXPECT_TRUE(wholeNewCopy());
    EXPECT_FALSE(fs::exists(copy + ".new"));
}

}  // namespace
