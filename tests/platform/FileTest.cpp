// Files: system paths mapped to the host, 64-bit offsets, whole writes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "TestFolder.h"
#include "platform/Clock.h"
#include "platform/File.h"
#include "platform/FileFault.h"
#include "platform/FilePieces.h"

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(HostPath, MapsSystemPathsUnderTheProgramFolder) {
    TestFolder folder;
    const std::string root = folder.Root();
    EXPECT_EQ(Platform_ProgramDir(), root);
    EXPECT_EQ(Platform_HostPath("Data\\Jisya.620"), root + "Data/Jisya.620");
    EXPECT_EQ(Platform_HostPath("/media/usb/x.625"), "/media/usb/x.625");
    EXPECT_EQ(Platform_HostPath("\\media\\usb"), "/media/usb");
    // The CP932 text is converted before separators are mapped: the trail
    // byte 0x5C of "表" is no separator.
    EXPECT_EQ(Platform_HostPath("Data\\表\\見積顧客.CSV"), root + U8(u8"Data/表/見積顧客.CSV"));
}

// A folder the user chose keeps its UTF-8 bytes, also those CP932 cannot
// spell; the system's file name joins it converted.
TEST(HostPath, FilesInAChosenFolderKeepItsBytes) {
    TestFolder folder;
    const std::string chosen = folder.Root() + U8(u8"Bäckup\\x");
    EXPECT_EQ(Platform_HostPath(Platform_InFolder(chosen, "見積顧客.CSV")), chosen + U8(u8"/見積顧客.CSV"));
    EXPECT_EQ(Platform_HostPath(Platform_InFolder("/", "Kokyaku.625")), "/Kokyaku.625");
    EXPECT_EQ(Platform_HostPath(Platform_AsIs(chosen)), chosen);
    std::filesystem::create_directory(chosen);
    const std::string path = Platform_InFolder(chosen, "表.625");
    const int fd = File_Create(path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(File_Write(fd, "abc", 3), 3);
    EXPECT_TRUE(File_Close(fd));
    EXPECT_TRUE(File_Rename(path, Platform_InFolder(chosen, "b.625")));
    EXPECT_TRUE(Dir_Sync(Platform_AsIs(chosen)));
    EXPECT_EQ(std::filesystem::file_size(chosen + "/b.625"), 3u);
    EXPECT_FALSE(Dir_Sync(Platform_AsIs(chosen + "/none")));
}

TEST(HostPath, ProgramFolderEndsInASeparator) {
    const std::string before = Platform_ProgramDir();
    Platform_SetProgramDir("/opt/syori");
    EXPECT_EQ(Platform_ProgramDir(), "/opt/syori/");
    Platform_SetProgramDir(before);
    const std::string exe = Platform_ExeDir();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '/');
    char self[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self);
    ASSERT_GT(n, 0);
    EXPECT_EQ(std::string(self, static_cast<size_t>(n)).rfind(exe, 0), 0u);
}

TEST(Files, LongPathsAndJapaneseNames) {
    TestFolder folder;
    std::string dir = "Data";
    for (int i = 0; i < 8; ++i) dir += "\\" + std::string(40, static_cast<char>('a' + i));
    folder.MakeDir(dir);
    const std::string path = dir + "\\見積商品.CSV";  // well beyond 255 bytes
    ASSERT_GT(Platform_HostPath(path).size(), 300u);
    int fd = File_Create(path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(File_Write(fd, "abc", 3), 3);
    EXPECT_TRUE(File_Close(fd));
    EXPECT_TRUE(File_Exists(path));
    EXPECT_TRUE(Dir_Exists(dir));
    EXPECT_FALSE(File_Exists(dir));
    EXPECT_EQ(folder.Read(dir + U8(u8"/見積商品.CSV")), "abc");
}

TEST(Files, OpenCreateReadWriteSeek) {
    TestFolder folder;
    EXPECT_LT(File_OpenRead("Data\\none"), 0);
    EXPECT_LT(File_OpenReadWrite("Data\\none"), 0);
    EXPECT_FALSE(folder.Exists("Data/none"));

    folder.Write("Data/f", "0123456789");
    int fd = File_OpenReadWrite("Data\\f");
    ASSERT_GE(fd, 0);
    EXPECT_EQ(File_Size(fd), 10);
    EXPECT_EQ(File_Seek(fd, 8), 8);
    char buf[8] = {};
    EXPECT_EQ(File_Read(fd, buf, 8), 2);  // short at the end
    EXPECT_EQ(std::string(buf, 2), "89");
    EXPECT_EQ(File_Seek(fd, 0, 2), 10);
    EXPECT_EQ(File_Write(fd, "AB", 2), 2);
    EXPECT_TRUE(File_Close(fd));
    EXPECT_EQ(folder.Read("Data/f"), "0123456789AB");

    fd = File_Create("Data\\f");  // empties
    ASSERT_GE(fd, 0);
    EXPECT_EQ(File_Size(fd), 0);
    File_Close(fd);
    EXPECT_EQ(folder.Size("Data/f"), 0);
    EXPECT_LT(File_Create("NoSuchFolder\\f"), 0);
}

TEST(Files, OffsetsBeyondFourGigabytes) {
    TestFolder folder;
    const std::int64_t far = (std::int64_t{5} << 30) + 3;
    int fd = File_Create("Data\\big");
    ASSERT_GE(fd, 0);
    ASSERT_EQ(File_Seek(fd, far), far);
    EXPECT_EQ(File_Write(fd, "x", 1), 1);
    EXPECT_EQ(File_Size(fd), far + 1);
    EXPECT_EQ(File_Seek(fd, far), far);
    char c = 0;
    EXPECT_EQ(File_Read(fd, &c, 1), 1);
    EXPECT_EQ(c, 'x');
    File_Close(fd);
}

TEST(Files, AWriteThatCannotCompleteReportsTheShortCount) {
    int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_LT(File_Write(fd, "abc", 3), 3);
    File_Close(fd);
}

// Only regular files open: a FIFO (which would block an ordinary open), a
// folder or a device fails at once, and nothing is created or renamed over it.
TEST(Files, OnlyRegularFilesOpen) {
    TestFolder folder;
    ASSERT_EQ(mkfifo(folder.Path("Data/fifo").c_str(), 0600), 0);
    folder.MakeDir("Data/dir");
    ASSERT_EQ(symlink("/dev/null", folder.Path("Data/device").c_str()), 0);
    folder.Write("Data/file", "new");
    alarm(30);  // an open that waits on the FIFO ends the test here
    for (const char* path : {"Data\\fifo", "Data\\dir", "Data\\device"}) {
        SCOPED_TRACE(path);
        EXPECT_LT(File_OpenRead(path), 0);
        EXPECT_LT(File_OpenReadWrite(path), 0);
        EXPECT_LT(File_Create(path), 0);
        EXPECT_FALSE(File_Rename("Data\\file", path));
    }
    alarm(0);
    struct stat st;
    ASSERT_EQ(lstat(folder.Path("Data/fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(folder.Read("Data/file"), "new");
}

TEST(Files, RenameReplacesAndRemoveDeletes) {
    TestFolder folder;
    folder.Write("Data/a", "new");
    folder.Write("Data/b", "old");
    EXPECT_TRUE(File_Rename("Data\\a", "Data\\b"));
    EXPECT_EQ(folder.Read("Data/b"), "new");
    EXPECT_FALSE(folder.Exists("Data/a"));
    EXPECT_TRUE(File_Remove("Data\\b"));
    EXPECT_FALSE(File_Remove("Data\\b"));
}

TEST(Clock, FixedForTestsAndShownZeroPadded) {
    Clock_Fix({2026, 12, 10, 9, 5, 3});
    TDateTime now = Now();
    EXPECT_EQ(now.Year, 2026);
    EXPECT_EQ(now.Second, 3);
    EXPECT_EQ(DateTimeToStr(now), "2026/12/10 09:05:03");
    Clock_Release();
    EXPECT_GE(Now().Year, 2024);
}

// One small piece of each of many records, whether the file is in memory or
// has to come from the disk; the end of the file and a failed read cut it.
// Both ways of reading: all pieces at once through io_uring, and one by one
// as on a system without it. A child process after a fork reads its own way
// (the parent's ring is not shared), and the parent's reads go on.
TEST(File, ReadsPiecesFarApart) {
    TestFolder folder;
    std::string file;
    for (int i = 0; i < 3000; ++i) {
        std::string record(5000, ' ');
        record.replace(7, 4, std::to_string(1000 + i));
        file += record;
    }
    folder.Write("Data/x", file);
    const int fd = File_OpenRead("Data\\x");
    ASSERT_GE(fd, 0);
    auto pieces = [&](int first, int count, std::string& out) {
        out.assign(static_cast<size_t>(count) * 4, '.');
        return File_ReadPieces(fd, std::int64_t{first} * 5000 + 7, 5000, count, 4, out.data());
    };
    for (bool ring : {true, false}) {
        FilePieces_AllowRing(ring);
        SCOPED_TRACE(ring ? "io_uring" : "one by one");
        if (ring && !FilePieces_RingInUse()) std::printf("io_uring is not offered here: only one by one is tested\n");
        std::string out;
        for (bool inMemory : {true, false}) {
            SCOPED_TRACE(inMemory ? "in memory" : "from the disk");
            if (!inMemory) {
                ASSERT_EQ(fdatasync(fd), 0);
                ASSERT_EQ(posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED), 0);
            }
            ASSERT_EQ(pieces(0, 3000, out), 3000);
            EXPECT_EQ(out.substr(0, 12), "100010011002");
            EXPECT_EQ(out.substr(4 * 2999), "3999");
        }
        EXPECT_EQ(pieces(2998, 5, out), 2);  // the end of the file
        EXPECT_EQ(out, "39983999............");
        EXPECT_EQ(pieces(2999, 1, out), 1);
        EXPECT_EQ(out, "3999");
        FileFault_Plan(TFileOp::Read, 1, 9);  // two whole pieces' bytes, and one more
        EXPECT_EQ(pieces(10, 5, out), 2);
        EXPECT_EQ(out.substr(0, 8), "10101011");
        FileFault_Plan(TFileOp::Read, 1);
        EXPECT_EQ(pieces(10, 5, out), 0);

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) _exit(pieces(0, 3000, out) == 3000 && out.substr(4 * 1234, 4) == "2234" ? 0 : 1);
        int status = -1;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_EQ(pieces(0, 3000, out), 3000);
        EXPECT_EQ(out.substr(4 * 1234, 4), "2234");
    }
    FilePieces_AllowRing(true);
    // The file position is not used.
    char head[4];
    EXPECT_EQ(File_Read(fd, head, 4), 4);
    EXPECT_EQ(std::string(head, 4), "    ");
    File_Close(fd);
}

// The planned faults that every failure test relies on.
TEST(FileFaults, NthWriteAndReadFailOrComeUpShort) {
    TestFolder folder;
    int fd = File_Create("Data\\x");
    ASSERT_GE(fd, 0);
    FileFault_Plan(TFileOp::Write, 2);     // the second write fails
    FileFault_Plan(TFileOp::Write, 3, 2);  // the third moves two bytes
    EXPECT_EQ(File_Write(fd, "abcd", 4), 4);
    EXPECT_EQ(File_Write(fd, "efgh", 4), 0);
    EXPECT_EQ(File_Write(fd, "ijkl", 4), 2);
    EXPECT_EQ(File_Write(fd, "mnop", 4), 4);
    EXPECT_EQ(FileFault_Count(TFileOp::Write), 4);
    char buf[16] = {};
    ASSERT_EQ(File_Seek(fd, 0), 0);
    FileFault_Plan(TFileOp::Read, 1);
    FileFault_Plan(TFileOp::Read, 2, 3);
    EXPECT_EQ(File_Read(fd, buf, 10), -1);
    EXPECT_EQ(File_Read(fd, buf, 10), 3);
    EXPECT_EQ(std::string(buf, 3), "abc");
    EXPECT_EQ(File_Read(fd, buf, 10), 7);
    EXPECT_EQ(std::string(buf, 7), "dijmnop");
    File_Close(fd);
}

// Every other kind of operation fails at its own nth call, doing nothing,
// and is counted on its own.
TEST(FileFaults, NthCreateRenameSyncTruncateAndRemoveFail) {
    TestFolder folder;
    folder.Write("Data/a", "abc");
    FileFault_Plan(TFileOp::Create, 2);
    FileFault_Plan(TFileOp::Rename, 1);
    FileFault_Plan(TFileOp::Sync, 1);
    FileFault_Plan(TFileOp::Truncate, 1);
    FileFault_Plan(TFileOp::Remove, 1);

    const int fd = File_Create("Data\\b");
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(folder.Exists("Data/b"));
    EXPECT_LT(File_Create("Data\\c"), 0);
    EXPECT_FALSE(folder.Exists("Data/c"));
    EXPECT_FALSE(File_Sync(fd));
    EXPECT_TRUE(File_Sync(fd));
    EXPECT_FALSE(File_Truncate(fd, 5));
    EXPECT_EQ(File_Size(fd), 0);
    File_Close(fd);
    EXPECT_FALSE(File_Rename("Data\\a", "Data\\d"));
    EXPECT_EQ(folder.Read("Data/a"), "abc");
    EXPECT_FALSE(File_Remove("Data\\a"));
    EXPECT_TRUE(folder.Exists("Data/a"));
    EXPECT_TRUE(File_Rename("Data\\a", "Data\\d"));
    EXPECT_TRUE(File_Remove("Data\\d"));

    const std::int64_t counts[] = {FileFault_Count(TFileOp::Create), FileFault_Count(TFileOp::Rename),
                                   FileFault_Count(TFileOp::Sync), FileFault_Count(TFileOp::Truncate),
                                   FileFault_Count(TFileOp::Remove), FileFault_Count(TFileOp::Write)};
    const std::int64_t want[] = {2, 2, 2, 1, 2, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(counts[i], want[i]) << i;
}

TEST(FileFaults, FullDiskCountsOnlyTheProgramFolder) {
    TestFolder folder;
    TestFolder other;  // a second folder that is not the program folder
    const std::string outside = other.Root() + "y";
    Platform_SetProgramDir(folder.Root());
    int in = File_Create("Data\\x");
    int out = File_Create(outside);
    ASSERT_GE(in, 0);
    ASSERT_GE(out, 0);
    FileFault_DiskFull(5);
    EXPECT_EQ(File_Write(in, "abc", 3), 3);
    EXPECT_EQ(File_Write(out, "abcdef", 6), 6);
    EXPECT_EQ(File_Write(in, "defg", 4), 2);
    EXPECT_EQ(File_Write(in, "h", 1), 0);
    EXPECT_EQ(folder.Read("Data/x"), "abcde");
    FileFault_Reset();
    EXPECT_EQ(File_Write(in, "h", 1), 1);
    File_Close(in);
    File_Close(out);
}

}  // namespace
