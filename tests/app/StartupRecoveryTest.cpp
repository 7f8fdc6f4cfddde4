// Start-up over what an odd run left in Data: paths that hold something
// other than a regular file.
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "tests/app/ShellFixture.h"

namespace {

// A FIFO at every data path: start-up and exit go through without waiting
// on one, and none of them is created over.
TEST(DataPaths, AFifoIsNeitherWaitedOnNorCreatedOver) {
    THeadlessSession session;
    const char* const names[] = {"Denpyou.620", "Kokyaku.620",  "Hinsyu.620",      "Syouhin.620",
                                 "Tanni.620",   "Jisya.620",    "BackupFolder.500"};
    for (const char* name : names) ASSERT_EQ(mkfifo((session.Folder() + "Data/" + name).c_str(), 0600), 0);
    alarm(30);  // a start that waits on a FIFO ends the test here
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(Denpyou_Count, 0);
    EXPECT_EQ(Kokyaku_Count, 0);
    EXPECT_EQ(Syouhin_Count, 0);
    EXPECT_EQ(Jisya_Count, 0);
    EXPECT_EQ(Tanni_Count, 0);
    EXPECT_EQ(session.TextOf("Label_DenpyouDs"), "0");
    session.Click("Label_Job_10");
    EXPECT_TRUE(session.Exited());
    alarm(0);
    for (const char* name : names) {
        struct stat st;
        ASSERT_EQ(lstat((session.Folder() + "Data/" + name).c_str(), &st), 0) << name;
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << name;
    }
}

}  // namespace
