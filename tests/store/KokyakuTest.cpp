// Finding a customer by its two name lines.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

#include "TestFolder.h"
#include "store/Str.h"
#include "tests/store/StoreTest.h"

namespace {

std::string Name(const char* text) {
    char field[41];
    Str_Pad(text, field, 40, 0);
    return field;
}
std::string Customer(const char* name1, const char* name2, const char* honorific) {
    return Rec(Kokyaku_RecLen, {{1, name1}, {41, name2}, {91, honorific}});
}

class Customers : public ::testing::Test {
protected:
    void SetUp() override {
        Store_StartData();
        folder.Write("Data/Kokyaku.620", Customer("山田電機", "", "様") + Customer("山田電機", "本店", "御中") +
                                             Customer("鈴木", "", "殿"));
        Kokyaku_Open();
    }
    TestFolder folder;
};

TEST_F(Customers, FindLeavesTheCustomerFoundInTheFieldStrings) {
    Kokyaku_CurRec = 3;
    EXPECT_EQ(Kokyaku_FindByName(Name("山田電機").c_str(), Name("本店").c_str()), 2);
    EXPECT_STREQ(Kokyaku_Field[KokyakuField_Keisyou], "御中  ");
    EXPECT_EQ(Kokyaku_CurRec, 3);
}

TEST_F(Customers, FindWithoutAMatchPutsEverythingBack) {
    Kokyaku_ReadRecord(3);
    Kokyaku_SplitRecord();
    Kokyaku_CurRec = 3;
    EXPECT_EQ(Kokyaku_FindByName(Name("佐藤").c_str(), Name("").c_str()), 0);
    EXPECT_STREQ(Kokyaku_Field[KokyakuField_Keisyou], "殿    ");
    EXPECT_EQ(std::string(Kokyaku_RecBuf.begin(), Kokyaku_RecBuf.end()), Customer("鈴木", "", "殿"));
    EXPECT_EQ(Kokyaku_CurRec, 3);
}

TEST_F(Customers, LoadByNameClearsWhenThereIsNone) {
    Kokyaku_LoadByName(Name("山田電機").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[KokyakuField_Keisyou], "様    ");
    Kokyaku_LoadByName(Name("佐藤").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[KokyakuField_Keisyou], "      ");
    // With the file gone nothing changes.
    Kokyaku_LoadByName(Name("鈴木").c_str(), Name("").c_str());
    folder.Remove("Data/Kokyaku.620");
    Kokyaku_LoadByName(Name("佐藤").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[KokyakuField_Keisyou], "殿    ");
}

// The lookup answers from an index in memory; whatever happened to the file
// since, it must give what a scan of records 1 ... Kokyaku_Count gives.
class CustomerIndex : public Customers {
protected:
    // The answer of a plain scan of the file as it is now.
    int Scan(const std::string& name1, const std::string& name2) {
        const std::string file = folder.Read("Data/Kokyaku.620");
        for (int n = 1; n <= Kokyaku_Count && static_cast<size_t>(n) * Kokyaku_RecLen <= file.size(); ++n) {
            const char* r = file.data() + static_cast<size_t>(n - 1) * Kokyaku_RecLen;
            if (!std::strncmp(r + 1, name1.c_str(), 40) && !std::strncmp(r + 41, name2.c_str(), 40)) return n;
        }
        return 0;
    }
    // Every name pair of the test gives the scan's answer and leaves the
    // record found in the buffer.
    void ExpectAsScan(const char* when) {
        const std::vector<std::pair<std::string, std::string>> names = {
            {Name("山田電機"), Name("")},      {Name("山田電機"), Name("本店")}, {Name("鈴木"), Name("")},
            {Name("佐藤"), Name("")},          {"鈴木", ""},  // a NUL ends the text: "鈴木" without blanks
            {Name("田中"), Name("")},
        };
        for (const auto& [name1, name2] : names) {
            const int expected = Scan(name1, name2);
            EXPECT_EQ(Kokyaku_FindByName(name1.c_str(), name2.c_str()), expected) << when << ": " << name1;
            if (expected) {
                EXPECT_EQ(std::string(Kokyaku_RecBuf.begin(), Kokyaku_RecBuf.end()),
                          folder.Read("Data/Kokyaku.620").substr(static_cast<size_t>(expected - 1) * Kokyaku_RecLen,
                                                                 Kokyaku_RecLen))
                    << when;
            }
        }
    }
};

TEST_F(CustomerIndex, AnswersAsTheScanThroughChangesToTheFile) {
    ExpectAsScan("as written");
    // Through the program, in place and at once: the stamp may not change,
    // the write generation does.
    Kokyaku_ClearRecord();
    std::memcpy(Kokyaku_RecBuf.data(), Customer("佐藤", "", "様").data(), Kokyaku_RecLen);
    ASSERT_TRUE(Record_Write(Kokyaku_File, 1));
    ExpectAsScan("record 1 rewritten");
    ASSERT_TRUE(Record_WriteField(Kokyaku_File, 3, KokyakuField_Name_1, Name("田中").c_str()));
    ExpectAsScan("a name field rewritten");
    // From outside, the size unchanged and no time passed: the record the
    // index points to no longer holds the names, which the check of the
    // record read catches.
    folder.Write("Data/Kokyaku.620", Customer("鈴木", "", "殿") + Customer("山田電機", "", "様") +
                                         Customer("佐藤", "", "様"));
    ExpectAsScan("rewritten from outside");
    // From outside, a holder earlier than the one indexed while that one
    // still holds the names: only the file's stamp tells (its modification
    // time set apart explicitly, as the clock may not have moved on).
    folder.Write("Data/Kokyaku.620", Customer("山田電機", "", "様") + Customer("山田電機", "", "様") +
                                         Customer("佐藤", "", "様"));
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, folder.Path("Data/Kokyaku.620").c_str(), times, 0), 0);
    ExpectAsScan("an earlier holder from outside");
    folder.Write("Data/Kokyaku.620", Customer("田中", "", "様") + Customer("山田電機", "本店", "御中") +
                                         Customer("鈴木", "", "殿") + Customer("佐藤", "", "様"));
    ExpectAsScan("grown from outside, not yet counted");  // record 4 lies beyond Kokyaku_Count
    Kokyaku_Open();
    ExpectAsScan("counted again");
    Kokyaku_SortFile();  // a rewrite by rename
    ExpectAsScan("sorted");
    folder.Write("Data/Kokyaku.620", "");
    ExpectAsScan("emptied from outside");
}

}  // namespace
