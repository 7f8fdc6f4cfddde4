// The reading-order sorts at exit. The files must end up exactly as the
// exchange sort (records swapped in the file whenever a later key is smaller)
// leaves them, equal keys included; the fast order is checked against a
// literal run of that procedure.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "TestFolder.h"
#include "platform/FileFault.h"
#include "store/Sort.h"
#include "tests/store/StoreTest.h"

namespace {

// The exchange procedure as written, on records of len bytes with the key of
// width bytes at offset.
std::string LiteralExchangeSort(std::string records, int len, int offset, int width) {
    const int n = static_cast<int>(records.size()) / len;
    for (int i = 0; i + 1 < n; ++i) {
        std::string a = records.substr(static_cast<size_t>(i) * len, len);
        for (int k = i + 1; k < n; ++k) {
            std::string b = records.substr(static_cast<size_t>(k) * len, len);
            if (std::strncmp(a.c_str() + offset, b.c_str() + offset, static_cast<size_t>(width)) > 0) {
                std::swap(a, b);
                records.replace(static_cast<size_t>(i) * len, len, a);
                records.replace(static_cast<size_t>(k) * len, len, b);
            }
        }
    }
    return records;
}

// n records of 14 bytes: a 10-byte key from a small alphabet (many equal
// keys; NULs end a key early, bytes above 0x7F compare unsigned), then the
// record's own number.
std::string RandomRecords(std::mt19937& rng, int n, int alphabet) {
    static const char letters[] = {'A', 'B', ' ', '\0', '\x82', '\xB1'};
    std::uniform_int_distribution<int> pick(0, alphabet - 1), length(0, 3);
    std::string records;
    for (int j = 0; j < n; ++j) {
        std::string key(10, ' ');
        for (int c = 0, l = length(rng); c < l; ++c) key[static_cast<size_t>(c)] = letters[pick(rng)];
        if (pick(rng) == 0) key[9] = 'Z';  // bytes behind a NUL must not count
        char tag[16];
        std::snprintf(tag, sizeof tag, "%04d", j);
        records += key + tag;
    }
    return records;
}

TEST(ExchangeOrder, MatchesTheLiteralProcedureOnRandomData) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 300; ++round) {
        const int n = round < 20 ? round : static_cast<int>(rng() % 400);
        const int alphabet = 2 + static_cast<int>(rng() % 5);
        const std::string records = RandomRecords(rng, n, alphabet);
        std::vector<int> order = Sort_ExchangeOrder(records.data(), n, 10, 14);
        std::string fast;
        for (int j : order) fast += records.substr(static_cast<size_t>(j) * 14, 14);
        ASSERT_EQ(fast, LiteralExchangeSort(records, 14, 0, 10)) << "round " << round << " n " << n;
    }
}

TEST(ExchangeOrder, MatchesOnLargeAndDescendingInputs) {
    std::mt19937 rng(7);
    std::string records = RandomRecords(rng, 2000, 6);
    std::string descending;
    for (int j = 1500; j > 0; --j) {
        char key[32];
        std::snprintf(key, sizeof key, "%06d    %04d", j / 3, j % 10000);  // runs of three equal keys
        descending += key;
    }
    for (const std::string& input : {records, descending}) {
        const int n = static_cast<int>(input.size()) / 14;
        std::vector<int> order = Sort_ExchangeOrder(input.data(), n, 10, 14);
        std::string fast;
        for (int j : order) fast += input.substr(static_cast<size_t>(j) * 14, 14);
        EXPECT_EQ(fast, LiteralExchangeSort(input, 14, 0, 10));
    }
}

std::string Customer(const char* name, const char* kana) { return Rec(Kokyaku_RecLen, {{1, name}, {81, kana}}); }
std::string Product(const char* name, const char* kana) { return Rec(Syouhin_RecLen, {{1, name}, {51, kana}}); }

class FileSorts : public ::testing::Test {
protected:
    void SetUp() override { Store_StartData(); }
    TestFolder folder;
};

TEST_F(FileSorts, EqualCustomerReadingsMoveAsTheExchangeMovesThem) {
    folder.Write("Data/Kokyaku.620", Customer("first", "B") + Customer("second", "B") + Customer("third", "A"));
    Kokyaku_Open();
    Kokyaku_SortFile();
    EXPECT_EQ(folder.Read("Data/Kokyaku.620"),
              Customer("third", "A") + Customer("second", "B") + Customer("first", "B"));
}

TEST_F(FileSorts, FilesEndUpAsTheLiteralSortLeavesThem) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> letter(0, 3);
    std::string customers, products;
    for (int j = 0; j < 300; ++j) {
        std::string kana(1, static_cast<char>('A' + letter(rng)));
        if (letter(rng) == 0) kana += "ｱ";
        customers += Customer(std::to_string(j).c_str(), kana.c_str());
        products += Product(std::to_string(j).c_str(), kana.c_str());
    }
    // A cut-short last record takes part, completed.
    const std::string tail = "partial";
    folder.Write("Data/Kokyaku.620", customers + tail);
    folder.Write("Data/Syouhin.620", products);
    Kokyaku_Open();
    Syouhin_Open();
    Kokyaku_SortFile();
    Syouhin_SortFile();
    EXPECT_EQ(folder.Read("Data/Kokyaku.620"),
              LiteralExchangeSort(customers + Rec(Kokyaku_RecLen, {{0, tail}}), Kokyaku_RecLen, 81, 10));
    EXPECT_EQ(folder.Read("Data/Syouhin.620"), LiteralExchangeSort(products, Syouhin_RecLen, 51, 10));
    EXPECT_FALSE(folder.Exists("Data/Kokyaku.620.new"));
}

TEST_F(FileSorts, OnlyTheCountedRecordsTakePart) {
    folder.Write("Data/Syouhin.620", Product("b", "B") + Product("a", "A"));
    Syouhin_Open();
    folder.Write("Data/Syouhin.620", Product("b", "B") + Product("a", "A") + Product("0", "0"));  // added since
    Syouhin_SortFile();
    EXPECT_EQ(folder.Read("Data/Syouhin.620"), Product("a", "A") + Product("b", "B") + Product("0", "0"));
}

class CategorySort : public FileSorts {
protected:
    void Load(std::initializer_list<std::pair<const char*, const char*>> entries) {
        std::string file;
        int i = 0;
        for (const auto& [name, kana] : entries) {
            char no[12];
            std::snprintf(no, sizeof no, "%3d", ++i);
            file += Rec(Hinsyu_RecLen, {{1, name}, {41, kana}, {51, no}});
        }
        while (i < 100) {
            char no[12];
            std::snprintf(no, sizeof no, "%3d", ++i);
            file += Rec(Hinsyu_RecLen, {{51, no}});
        }
        folder.Write("Data/Hinsyu.620", file);
        Hinsyu_ClearList();
        Hinsyu_Load();
        loaded = file;
    }
    std::string loaded;
};

TEST_F(CategorySort, ABlankReadingEndsTheSortedRange) {
    Load({{"z", "Z"}, {"blank", ""}, {"a", "A"}});
    Hinsyu_SortFile();
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), loaded);
}

// The entries in memory move with their records, so a save after the sort
// (the program going on after an exit that stopped) keeps each name with its
// reading and number.
TEST_F(CategorySort, EntriesInMemoryMoveWithTheirRecords) {
    Load({{"c", "C"}, {"a", "A"}, {"b", "B"}});
    Hinsyu_SortFile();
    const std::string sorted =
        loaded.substr(100, 100) + loaded.substr(200, 100) + loaded.substr(0, 100) + loaded.substr(300);
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), sorted);
    EXPECT_EQ(std::string(Hinsyu_Kana[0], 1), "A");
    EXPECT_EQ(std::string(Hinsyu_Kana[2], 1), "C");
    EXPECT_EQ(std::string(Hinsyu_Name[0], 1), "a");
    EXPECT_STREQ(Hinsyu_No[0], "  2");
    EXPECT_STREQ(Hinsyu_No[2], "  1");
    ASSERT_TRUE(Hinsyu_Save());
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), sorted);
}

// A sort whose new file cannot take the place of the old one moves nothing,
// neither in the file nor in memory: a save after it writes the file as it
// was.
TEST_F(CategorySort, ASortThatCannotBeWrittenMovesNothing) {
    Load({{"c", "C"}, {"a", "A"}, {"b", "B"}});
    FileFault_Plan(TFileOp::Rename, 1);
    Hinsyu_SortFile();
    FileFault_Reset();
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), loaded);
    EXPECT_EQ(std::string(Hinsyu_Kana[0], 1), "C");
    EXPECT_STREQ(Hinsyu_No[0], "  1");
    ASSERT_TRUE(Hinsyu_Save());
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), loaded);
}

}  // namespace
