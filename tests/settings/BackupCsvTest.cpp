// The CSV files, byte for byte.
#include "platform/FileFault.h"
#include "settings/backup/BackupCsv.h"
#include "tests/settings/BackupFixture.h"

namespace {

std::string KokyakuRecord(std::initializer_list<std::pair<int, std::string>> fields) {
    std::string r = Rec(Kokyaku_RecLen);
    for (const auto& [k, text] : fields) r.replace(static_cast<size_t>(Kokyaku_FieldOffset[k]), text.size(), text);
    return r;
}

std::string SyouhinRecord(std::initializer_list<std::pair<int, std::string>> fields) {
    std::string r = Rec(Syouhin_RecLen);
    for (const auto& [k, text] : fields) r.replace(static_cast<size_t>(Syouhin_FieldOffset[k]), text.size(), text);
    return r;
}

const char* const KokyakuHeader =
    "顧客 ID,顧客コード,顧客名1,顧客名2,検索カナ,敬称,郵便番号,都道府県名,市町村,番地,アパート,電話,携帯電話,"
    "担当者コード,顧客コード,担当者名\n";
const char* const SyouhinHeader = "商品 ID,商品コード,商品名,検索カナ,販売価格,税率,仕入単価,単位\n";

// Free records give no row; fields lose their trailing blanks only; a field
// holding a comma, a double quote or a line break is quoted.
TEST_F(BackupTest, CustomerCsvHoldsARowPerCustomer) {
    folder.Write("Data/Kokyaku.620",
                 Rec(Kokyaku_RecLen) +
                     KokyakuRecord({{KokyakuField_Name_1, "山田電気"},
                                    {KokyakuField_Name_2, "  本店"},
                                    {KokyakuField_Kana, "ﾔﾏﾀﾞ"},
                                    {KokyakuField_Keisyou, "様"},
                                    {KokyakuField_Zip, "123-4567"},
                                    {KokyakuField_Prif, "東京都"},
                                    {KokyakuField_City, "港区"},
                                    {KokyakuField_Banti, "1-2,3"},
                                    {KokyakuField_Tel, "03-1234-5678"},
                                    {KokyakuField_Keitai, "090\n1"},
                                    {KokyakuField_TantouCode, "T01"},
                                    {KokyakuField_TantouName, "担当\"A\""}}) +
                     KokyakuRecord({{KokyakuField_Name_1, "佐藤"}}) + "cut short");
    EXPECT_EQ(Csv_WriteKokyaku(usb, 3, nullptr), "");
    EXPECT_EQ(folder.Read("usb/" + U8(u8"見積顧客.CSV")),
              std::string(KokyakuHeader) +
                  "2,@@@20,山田電気,  本店,ﾔﾏﾀﾞ,様,123-4567,東京都,港区,\"1-2,3\", ,03-1234-5678,\"090\n1\",T01,@@@20,"
                  "\"担当\"\"A\"\"\"\n"
                  "3,@@@30,佐藤, , , , , , , , , , , ,@@@30, \n");

    // No customer in use: the file is there and empty.
    folder.Write("Data/Kokyaku.620", Rec(Kokyaku_RecLen));
    EXPECT_EQ(Csv_WriteKokyaku(usb, 1, nullptr), "");
    EXPECT_TRUE(folder.Exists("usb/" + U8(u8"見積顧客.CSV")));
    EXPECT_EQ(folder.Size("usb/" + U8(u8"見積顧客.CSV")), 0);
}

// Prices keep their leading blanks, a blank tax class is one blank; the
// figure runs at every record, written or not.
TEST_F(BackupTest, ProductCsvHoldsARowPerProduct) {
    folder.Write("Data/Syouhin.620", SyouhinRecord({{SyouhinField_Name, "ケーブル"},
                                                    {SyouhinField_Kana, "ｹｰﾌﾞﾙ"},
                                                    {SyouhinField_Hanbai, "     1500"},
                                                    {SyouhinField_Zei, "外税"},
                                                    {SyouhinField_Siire, "      900"},
                                                    {SyouhinField_JitubaiTanka, "      800"},
                                                    {SyouhinField_Tanni, "m"},
                                                    {SyouhinField_Hinsyu, "1"}}) +
                                         Rec(Syouhin_RecLen) + SyouhinRecord({{SyouhinField_Name, "照明,器具"}}));
    std::vector<int> figures;
    EXPECT_EQ(Csv_WriteSyouhin(usb, 3, [&](int p) { figures.push_back(p); }), "");
    EXPECT_EQ(folder.Read("usb/" + U8(u8"見積商品.CSV")),
              std::string(SyouhinHeader) +
                  "1,000100,ケーブル,ｹｰﾌﾞﾙ,     1500,外税,      900,m\n"
                  "3,000300,\"照明,器具\", , , , , \n");
    EXPECT_EQ(figures, (std::vector<int>{1, 2, 3}));
}

// Record numbers past the codes' widths are written with all their digits,
// so that no two rows share a code.
TEST_F(BackupTest, CsvCodesKeepAllTheirDigits) {
    std::string customers = Recs(9998, [](int) { return Rec(Kokyaku_RecLen); });
    customers += KokyakuRecord({{KokyakuField_Name_1, "A"}}) + KokyakuRecord({{KokyakuField_Name_1, "B"}});
    folder.Write("Data/Kokyaku.620", customers);
    std::string products = Recs(9999, [](int) { return Rec(Syouhin_RecLen); });
    products += SyouhinRecord({{SyouhinField_Name, "C"}});
    folder.Write("Data/Syouhin.620", products);
    EXPECT_EQ(Csv_WriteKokyaku(usb, 10000, nullptr), "");
    EXPECT_EQ(Csv_WriteSyouhin(usb, 10000, nullptr), "");
    EXPECT_EQ(folder.Read("usb/" + U8(u8"見積顧客.CSV")),
              std::string(KokyakuHeader) + "9999,99990,A, , , , , , , , , , , ,99990, \n" +
                  "10000,100000,B, , , , , , , , , , , ,100000, \n");
    EXPECT_EQ(folder.Read("usb/" + U8(u8"見積商品.CSV")), std::string(SyouhinHeader) + "10000,1000000,C, , , , , \n");
}

// A CSV file that cannot be written whole leaves the one before; one whose
// data file cannot be read too.
TEST_F(BackupTest, CsvThatFailsKeepsTheOldFile) {
    folder.Write("Data/Kokyaku.620", KokyakuRecord({{KokyakuField_Name_1, "山田"}}));
    folder.Write("usb/" + U8(u8"見積顧客.CSV"), "old");
    FileFault_DiskFull(10);
    EXPECT_EQ(Csv_WriteKokyaku(usb, 1, nullptr), "見積顧客.CSVを保存できませんでした。");
    FileFault_Reset();
    FileFault_Plan(TFileOp::Read, 1, 5);
    EXPECT_EQ(Csv_WriteKokyaku(usb, 1, nullptr), "Kokyaku.620を読み込めませんでした。");
    FileFault_Reset();
    EXPECT_EQ(folder.Read("usb/" + U8(u8"見積顧客.CSV")), "old");
    EXPECT_EQ(folder.List("usb").size(), 1u);
}

}  // namespace
