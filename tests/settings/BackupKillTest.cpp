// Runs of the screen's F1 in a child run of the program, killed the hard way
// (SIGKILL, as a crash or a power cut would end it): a save of 30000
// documents (690 MB) half way through the copy and again just after the
// run's files went in; a save and a restore of every file at each rename
// and each flush. The backup folder and Data hold every file of the run's
// set old or every file new once the program has started again, with no
// scratch file, ".old" file or set record beside them, and the next run
// goes through.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileFault.h"
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

    // The copy written, the run's other files not yet: the old one still.
    ASSERT_TRUE(SaveKilled(session, [](TControl* c) {
        return Painted(c, "Shape_Denpyou") && static_cast<TShape*>(c)->Pen.Color == clGray;
    }));
    EXPECT_EQ(fs::file_size(copy), old.size());

    // The run's files in place (the own company's frame back to black), the
    // run not finished: the new one, whole.
    ASSERT_TRUE(SaveKilled(session, [](TControl* c) {
        return Painted(c, "Shape_ETC") && static_cast<TShape*>(c)->Pen.Color == clBlack;
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

// ---- a kill at each rename and each flush of a whole run

// The regular files of a folder, by name.
using TFiles = std::map<std::string, std::string>;

TFiles FilesIn(const std::string& dir) {
    TFiles files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    return files;
}

void PutFiles(const std::string& dir, const TFiles& files) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& [name, bytes] : files) std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
}

// The six data files of Data.
TFiles DataFiles(const std::string& folder) {
    TFiles files;
    for (const auto& [name, bytes] : FilesIn(folder + "Data"))
        if (name.size() > 4 && name.substr(name.size() - 4) == ".620") files[name] = bytes;
    return files;
}

std::string Record(int len, int at, const std::string& text) {
    std::string r(static_cast<size_t>(len), ' ');
    r.back() = '\n';
    r.replace(static_cast<size_t>(at), text.size(), text);
    return r;
}

// The program's data files and their copies, told apart by a mark in each
// record: three documents and a last number of 3; the copies hold two and 2.
TFiles Files(const std::string& mark, int documents) {
    auto many = [](int n, const std::function<std::string(int)>& record) {
        std::string all;
        for (int i = 0; i < n; ++i) all += record(i);
        return all;
    };
    return {
        {"Kokyaku", many(2, [&](int i) { return Record(2000, 1, mark + "顧客" + std::to_string(i)); })},
        {"Hinsyu", many(100, [&](int i) { return Record(100, 1, i < 2 ? mark + "品種" : ""); })},
        {"Syouhin", many(2, [&](int i) { return Record(300, 1, mark + "商品" + std::to_string(i)); })},
        {"Denpyou", many(documents, [](int i) { return Document(i + 1); })},
        {"Tanni", many(100, [&](int i) { return Record(10, 0, i ? "" : mark + "式"); })},
        {"Jisya", Record(1000, 231, Number10(documents))},
    };
}

// A program folder ready for a run: Data as the program itself last wrote
// it, the copies in "usb", which "Data\BackupFolder.500" names.
struct TKillFolder {
    TFiles Data, Usb;
};

void Prepare(THeadlessSession& session, const TKillFolder& start) {
    const std::string usb = session.Folder() + "usb";
    std::string record = usb;
    record.resize(255, ' ');
    ASSERT_TRUE(session.WriteFile("Data\\BackupFolder.500", record));
    for (const auto& [name, bytes] : start.Data) ASSERT_TRUE(session.WriteFile("Data\\" + name, bytes));
    PutFiles(usb, start.Usb);
}

// A child run on the session's folder: started, on the data maintenance
// screen in the direction asked, arm(), F1. Whether it was killed.
bool RunKilled(THeadlessSession& session, bool restore, const std::function<void()>& arm) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool ready = session.Start() && session.Click("Label_Job_07") &&
                           (!restore || session.Click("Labe_ToPC_FromUSB"));
        arm();
        if (ready) session.Click("Label_Panel_BackUp_F1");
        ::_exit(ready ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The folder the run puts its set into: the backup folder for a save, the
// data files for a restore.
TFiles SetFolder(const THeadlessSession& session, bool restore) {
    return restore ? DataFiles(session.Folder()) : FilesIn(session.Folder() + "usb");
}

TEST(BackupKill, AKillAtAnyRenameOrFlushLeavesEverySetOldOrNew) {
    TKillFolder start;
    {
        // Data as a run writes what lives in memory: a save first.
        THeadlessSession session;
        TKillFolder raw;
        for (const auto& [name, bytes] : Files("", 3)) raw.Data[name + ".620"] = bytes;
        Prepare(session, raw);
        ASSERT_FALSE(RunKilled(session, false, [] {}));
        start.Data = DataFiles(session.Folder());
        for (const auto& [name, bytes] : Files("控", 2)) start.Usb[name + ".625"] = bytes;
    }
    for (const bool restore : {false, true}) {
        SCOPED_TRACE(restore ? "restore" : "save");
        TFiles before, after;
        {
            THeadlessSession session;
            Prepare(session, start);
            before = SetFolder(session, restore);
            ASSERT_FALSE(RunKilled(session, restore, [] {}));
            after = SetFolder(session, restore);
            ASSERT_NE(before, after);
        }
        int kills = 0, renewed = 0;
        for (const TFileOp op : {TFileOp::Rename, TFileOp::Sync})
            for (int nth = 1;; ++nth) {
                SCOPED_TRACE((op == TFileOp::Rename ? "rename " : "sync ") + std::to_string(nth));
                THeadlessSession session;
                Prepare(session, start);
                if (!RunKilled(session, restore, [&] {
                        FileFault_Reset();
                        FileFault_PlanKill(op, nth);
                    }))
                    break;
                ++kills;
                // The next start puts right what the kill left.
                ASSERT_TRUE(session.Start());
                const TFiles now = SetFolder(session, restore);
                EXPECT_TRUE(now == before || now == after);
                renewed += now == after;
                for (const std::string& dir : {std::string("usb"), std::string("Data")})
                    for (const auto& [name, bytes] : FilesIn(session.Folder() + dir)) {
                        const bool left = name.ends_with(".new") || name.ends_with(".old") || name == "FileSet.rec";
                        EXPECT_FALSE(left) << dir << "/" << name;
                    }
                // The next run into the folder goes through.
                ASSERT_TRUE(session.Click("Label_Job_07"));
                if (restore) {
                    ASSERT_TRUE(session.Click("Labe_ToPC_FromUSB"));
                }
                ASSERT_TRUE(session.Click("Label_Panel_BackUp_F1"));
                EXPECT_EQ(session.TextOf("Label_DataSyori_Nokori"), "処理が完了しました");
                EXPECT_TRUE(SetFolder(session, restore) == after);
            }
        EXPECT_GE(kills, 20);
        EXPECT_GT(renewed, 0);
        EXPECT_LT(renewed, kills);
    }
}

}  // namespace
