// Units, categories and the own-company record: loaded into memory at
// start-up, changed there, and written back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "TestFolder.h"
#include "tests/store/StoreTest.h"

namespace {

std::string Unit(const char* text) { return Rec(10, {{0, text}}); }
std::string Category(const char* name, const char* kana, const char* no) {
    return Rec(100, {{1, name}, {41, kana}, {51, no}});
}
std::string BlankUnits(int n) { return Recs(n, [](int) { return Unit(""); }); }

class Units : public ::testing::Test {
protected:
    void Load(const std::string& file) {
        folder.Write("Data/Tanni.620", file);
        Record_Prepare(Tanni_File);
        Tanni_Load();
    }
    TestFolder folder;
};

TEST_F(Units, CountIsTheLastEntryInUsePlusOne) {
    Load(Unit("m") + Unit("個") + Unit("式") + BlankUnits(97));
    EXPECT_EQ(Tanni_Count, 3);
    EXPECT_STREQ(Tanni_List[1], "個    ");
    Load(BlankUnits(49) + Unit("本") + BlankUnits(50));
    EXPECT_EQ(Tanni_Count, 50);
    EXPECT_STREQ(Tanni_List[49], "本    ");
    EXPECT_STREQ(Tanni_List[0], "      ");
    // A cut-short last record is a unit too; the entries after it are blank.
    Load(Unit("m") + "kg");
    EXPECT_EQ(Tanni_Count, 2);
    EXPECT_STREQ(Tanni_List[1], "kg    ");
    EXPECT_STREQ(Tanni_List[2], "      ");
}

TEST_F(Units, AddTakesTheFirstFreeEntry) {
    Load(Unit("m") + Unit("個") + Unit("式") + Unit("") + Unit("本"));
    EXPECT_EQ(Tanni_Count, 5);
    Tanni_Add("個    ");  // already there
    EXPECT_EQ(Tanni_Count, 5);
    Tanni_Add("kg    ");
    EXPECT_STREQ(Tanni_List[3], "kg    ");
    EXPECT_STREQ(Tanni_List[4], "本    ");
    EXPECT_EQ(Tanni_Count, 6);
    Tanni_Add("枚");  // a shorter text is filled out with blanks
    EXPECT_STREQ(Tanni_List[5], "枚    ");
}

TEST_F(Units, AddNeverOverwritesAUnitWhenTheCountIsZero) {
    Load(BlankUnits(100));
    std::strcpy(Tanni_List[0], "m     ");  // entered on the unit screen
    Tanni_Add("kg    ");
    EXPECT_STREQ(Tanni_List[0], "m     ");
    EXPECT_STREQ(Tanni_List[1], "kg    ");
}

TEST_F(Units, AFullListReplacesTheLastEntry) {
    Load(Recs(100, [](int i) {
        char u[16];
        std::snprintf(u, sizeof u, "u%d", i);
        return Unit(u);
    }));
    EXPECT_EQ(Tanni_Count, 100);
    Tanni_Add("new   ");
    EXPECT_STREQ(Tanni_List[99], "new   ");
    EXPECT_STREQ(Tanni_List[98], "u98   ");
    EXPECT_EQ(Tanni_Count, 100);
}

TEST_F(Units, SaveWritesAllHundredRecords) {
    Load(Unit(""));  // as first created: one blank record
    Tanni_Add("m     ");
    std::memcpy(Tanni_List[2], "k\0g   ", 7);  // a NUL never reaches the file
    Tanni_Save();
    EXPECT_EQ(folder.Read("Data/Tanni.620"), Unit("m") + Unit("") + Unit("k") + BlankUnits(97));
    folder.Remove("Data/Tanni.620");
    Tanni_Save();  // not created at exit
    EXPECT_FALSE(folder.Exists("Data/Tanni.620"));
}

class Categories : public ::testing::Test {
protected:
    void Load(const std::string& file) {
        folder.Write("Data/Hinsyu.620", file);
        Hinsyu_ClearList();
        Record_Prepare(Hinsyu_File);
        Hinsyu_Load();
    }
    std::string Numbers() const {
        std::string all;
        for (const auto& no : Hinsyu_No) all += std::string(no) + ",";
        return all;
    }
    TestFolder folder;
};

std::string Numbered(int from, int to) {
    std::string records;
    for (int i = from; i <= to; ++i) {
        char no[12];
        std::snprintf(no, sizeof no, "%3d", i);
        records += Category("", "", no);
    }
    return records;
}

TEST_F(Categories, LoadTakesNamesReadingsAndNumbers) {
    Load(Category("電線", "ﾃﾞﾝｾﾝ", "  7") + Category("器具", "ｷｸﾞ", "  0") + Category("", "", "   ") +
         Category("配管", "ﾊｲｶﾝ", "  3") + Numbered(5, 100));
    EXPECT_STREQ(Hinsyu_Name[0], (std::string("電線") + Blanks(36)).c_str());
    EXPECT_STREQ(Hinsyu_Kana[0], "ﾃﾞﾝｾﾝ     ");
    EXPECT_STREQ(Hinsyu_No[0], "  7");
    EXPECT_STREQ(Hinsyu_No[1], "  2");  // zero: the position's number
    EXPECT_STREQ(Hinsyu_No[2], "  1");  // blank, and entry 3 holds 3: the smallest free number
    EXPECT_STREQ(Hinsyu_No[3], "  3");
    EXPECT_STREQ(Hinsyu_No[6], "  4");  // 7 is entry 0's already
    EXPECT_EQ(Hinsyu_Count, 2);         // ends at the first blank name
}

// What the load makes of the number stored in entry 0 (the others hold
// their positions' numbers): a blank, 0 or no number at all becomes the
// position's; a number an earlier entry holds is mended in the later entry
// (its position's, or the smallest free one when that is taken); one
// outside 1 ... 100 stays as stored and names no category. The save writes
// the list back: the file as it was but for the mended numbers, a damaged
// one byte for byte.
TEST_F(Categories, ANumberIsKeptMendedOrLeftAsStored) {
    const struct {
        const char* Stored;
        const char* Held;      // entry 0's number text
        int Number;            // the category it names (0: none)
        int Mended = -1;       // a later entry renumbered, and its number
        const char* MendedTo = nullptr;
    } cases[] = {
        {"   ", "  1", 1},
        {"  0", "  1", 1},
        {"abc", "  1", 1},
        {"  1", "  1", 1},
        {"  2", "  2", 2, 1, "  1"},      // entry 1's number as well: entry 1 is mended
        {"100", "100", 100, 99, "  1"},   // the last entry's: it takes the free 1
        {"101", "101", 0},
        {" -1", " -1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.Stored + "\"");
        const std::string file = Category("A", "ｱ", c.Stored) + Numbered(2, 100);
        Load(file);
        EXPECT_STREQ(Hinsyu_No[0], c.Held);
        EXPECT_EQ(Hinsyu_Number(0), c.Number);
        std::string expected = file;
        expected.replace(51, 3, c.Held);
        bool seen[Hinsyu_Max + 1] = {};
        for (int e = 0; e < Hinsyu_Max; ++e) {
            if (e == c.Mended) {
                EXPECT_STREQ(Hinsyu_No[e], c.MendedTo);
                expected.replace(static_cast<size_t>(e) * 100 + 51, 3, c.MendedTo);
            } else if (e > 0) {
                EXPECT_EQ(Hinsyu_Number(e), e + 1) << e;
            }
            const int n = Hinsyu_Number(e);
            EXPECT_FALSE(n != 0 && seen[n]) << "number " << n << " twice";
            seen[n] = true;
        }
        ASSERT_TRUE(Hinsyu_Save());
        EXPECT_EQ(folder.Read("Data/Hinsyu.620"), expected);
    }
}

TEST_F(Categories, CountStopsAtTheFirstBlankName) {
    std::string file;
    for (int i = 0; i < 100; ++i) file += Category(i == 4 ? "" : "X", "", "");
    Load(file);
    EXPECT_EQ(Hinsyu_Count, 4);
}

TEST_F(Categories, ASavedListReadsBackAndKeepsTheUnusedFields) {
    std::string file = Numbered(1, 100);
    file[0] = 'Z';          // field 0
    file[100 + 60] = 'S';   // field 4 of record 2
    Load(file);
    std::memcpy(Hinsyu_Name[0], "電気", 4);
    std::memcpy(Hinsyu_Kana[0], "ﾃﾞﾝｷ", 4);
    Hinsyu_Name[1][0] = '\0';  // a NUL never reaches the file
    Hinsyu_Save();
    std::string saved = folder.Read("Data/Hinsyu.620");
    ASSERT_EQ(saved.size(), 10000u);
    EXPECT_EQ(saved.substr(0, 100), Rec(100, {{0, "Z電気"}, {41, "ﾃﾞﾝｷ"}, {51, "  1"}}));
    EXPECT_EQ(saved.substr(100, 100), Rec(100, {{51, "  2"}, {60, "S"}}));
    Load(saved);
    EXPECT_EQ(std::string(Hinsyu_Name[0], 4), "電気");
    EXPECT_EQ(Hinsyu_Count, 1);
}

TEST(OwnCompany, LoadSplitsTheRecordAndWriteFieldGoesStraightToTheFile) {
    TestFolder folder;
    std::string record = Rec(1000, {{40, "電気工事株式会社"}, {228, "1"}, {231, "       123"}});
    folder.Write("Data/Jisya.620", record);
    Record_Prepare(Jisya_File);
    Jisya_Load();
    EXPECT_EQ(Jisya_Count, 1);
    EXPECT_STREQ(Jisya_Field[JisyaField_Hasuu], "1");
    EXPECT_STREQ(Jisya_Field[JisyaField_Denban], "       123");
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_Name]).substr(0, 16), "電気工事株式会社");

    Jisya_WriteField(JisyaField_Syouhizei, " 8");
    Jisya_WriteField(JisyaField_Name, "ABC");  // shorter text: blanks after it, no NUL
    std::string expected = record;
    expected.replace(593, 2, " 8");
    expected.replace(40, 40, "ABC" + Blanks(37));
    EXPECT_EQ(folder.Read("Data/Jisya.620"), expected);

    // A file of length 0 loads as a blank record.
    folder.Write("Data/Jisya.620", "");
    Jisya_Load();
    EXPECT_EQ(Jisya_Count, 0);
    EXPECT_STREQ(Jisya_Field[JisyaField_Name], Blanks(40).c_str());
    EXPECT_EQ(folder.Size("Data/Jisya.620"), 0);
}

}  // namespace
