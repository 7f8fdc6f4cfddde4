// The data maintenance scenarios (tests/scenarios/backup/*.txt) with a real
// backup folder: "usb" in the program folder of each run (or where the table
// below puts it), whose absolute path a script cannot know. Each script's first line is `let usb = ""`;
// here it binds usb to that folder (the line numbers stay the script's), and
// the script names the folder's files by absolute paths ({usb}/Kokyaku.625).
// Some scripts need more than a script can make (a document file of 690 MB)
// or check more than it can say (every copy equal to its data file): the
// table below does that before and after them.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/Headless.h"
#include "tools/ScenarioRunner.h"

namespace {

namespace fs = std::filesystem;

const std::string ScriptDir = std::string(SYORI_SOURCE_DIR) + "/tests/scenarios/backup/";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TRun {
    THeadlessSession& Session;
    std::string Usb;  // the backup folder (host path)
    std::string Data(const std::string& name) const { return Session.Folder() + "Data/" + name; }
};

// 30001 documents (over 30000: the tidy-up's mode 2), written sparsely: the
// first 23991 without a date share one month key, the next 6000 each have a
// key of their own, and the 6001st change falls on index 29990, so that a
// tidied copy keeps the last 10 documents, all created in 2024 (the earlier
// ones month by month from 1524). Only the dated records take room.
void ManyDocuments(const TRun& run) {
    constexpr int Count = 30001, Undated = 23991, RecLen = 23000;
    const int fd = ::open(run.Data("Denpyou.620").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(Count) * RecLen), 0);
    std::string record(RecLen, ' ');
    record.back() = '\n';
    for (int i = Undated; i < Count; ++i) {
        const int k = i - Undated;  // 0 ... 6009: year and month of its own
        char date[7];
        std::snprintf(date, sizeof date, "%04d%2d", 1524 + k / 12, k % 12 + 1);
        record.replace(0, 1, "1");
        record.replace(1, 10, std::string(10 - std::to_string(i + 1).size(), ' ') + std::to_string(i + 1));
        record.replace(251, 6, date);
        ASSERT_EQ(::pwrite(fd, record.data(), RecLen, static_cast<off_t>(i) * RecLen), RecLen);
    }
    ::close(fd);
}

// Every copy in the folder holds exactly what its data file holds.
void CopiesEqualData(const TRun& run) {
    for (const char* name : {"Kokyaku", "Hinsyu", "Syouhin", "Denpyou", "Jisya", "Tanni"}) {
        const std::string copy = ReadAll(run.Usb + "/" + name + ".625");
        EXPECT_FALSE(copy.empty()) << name;
        EXPECT_TRUE(copy == ReadAll(run.Data(std::string(name) + ".620"))) << name;
    }
}

struct TExtra {
    const char* Script;
    std::function<void(const TRun&)> Before, After;
    const char* Usb = "usb";  // where usb lies in the program folder
};
const TExtra Extras[] = {
    {"backup_save.txt", nullptr, CopiesEqualData},
    {"backup_restore.txt", nullptr, CopiesEqualData},
    {"backup_seiri.txt", ManyDocuments, nullptr},
    // On the removable volume STICK, which the script mounts and unmounts.
    {"backup_stick.txt", nullptr, nullptr, "media/STICK/Backup"},
};

std::vector<std::string> Scripts() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(ScriptDir))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class BackupScenario : public ::testing::TestWithParam<std::string> {};

TEST_P(BackupScenario, Runs) {
    const std::string name = GetParam();
    std::string script = ReadAll(ScriptDir + name);
    const std::string first = "let usb = \"\"\n";
    ASSERT_EQ(script.compare(0, first.size(), first), 0) << name << " must begin with: " << first;

    const TExtra* extra = nullptr;
    for (const TExtra& e : Extras)
        if (name == e.Script) extra = &e;
    THeadlessSession session;
    const TRun run{session, session.Folder() + (extra ? extra->Usb : "usb")};
    fs::create_directories(run.Usb);
    script.replace(0, first.size(), "let usb = \"" + run.Usb + "\"\n");
    if (extra && extra->Before) extra->Before(run);
    if (HasFatalFailure()) return;

    std::ostringstream out;
    const TScenarioResult r = Scenario_Run(script, name, ScriptDir, session, out);
    EXPECT_EQ(r.Failed, 0) << out.str();
    EXPECT_GT(r.Passed, 0);
    if (extra && extra->After) extra->After(run);
}

INSTANTIATE_TEST_SUITE_P(Scripts, BackupScenario, ::testing::ValuesIn(Scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n = info.param.substr(0, info.param.size() - 4);
                             std::replace(n.begin(), n.end(), '.', '_');
                             return n;
                         });

}  // namespace
