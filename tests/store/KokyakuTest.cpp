// Finding a customer by its two name lines.
#include <gtest/gtest.h>

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
    EXPECT_STREQ(Kokyaku_Field[4], "御中  ");
    EXPECT_EQ(Kokyaku_CurRec, 3);
}

TEST_F(Customers, FindWithoutAMatchPutsEverythingBack) {
    Kokyaku_ReadRecord(3);
    Kokyaku_SplitRecord();
    Kokyaku_CurRec = 3;
    EXPECT_EQ(Kokyaku_FindByName(Name("佐藤").c_str(), Name("").c_str()), 0);
    EXPECT_STREQ(Kokyaku_Field[4], "殿    ");
    EXPECT_EQ(std::string(Kokyaku_RecBuf.begin(), Kokyaku_RecBuf.end()), Customer("鈴木", "", "殿"));
    EXPECT_EQ(Kokyaku_CurRec, 3);
}

TEST_F(Customers, LoadByNameClearsWhenThereIsNone) {
    Kokyaku_LoadByName(Name("山田電機").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[4], "様    ");
    Kokyaku_LoadByName(Name("佐藤").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[4], "      ");
    // With the file gone nothing changes.
    Kokyaku_LoadByName(Name("鈴木").c_str(), Name("").c_str());
    folder.Remove("Data/Kokyaku.620");
    Kokyaku_LoadByName(Name("佐藤").c_str(), Name("").c_str());
    EXPECT_STREQ(Kokyaku_Field[4], "殿    ");
}

}  // namespace
