// A program folder with data files and a backup folder "usb" inside it (so
// that a full disk planned for the program folder reaches the copies too),
// for the backup's data side, without a window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFolder.h"
#include "settings/backup/BackupFiles.h"
#include "tests/store/StoreTest.h"

// UTF-8 text in a file compiled with CP932 literals: names on the disk.
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Customer record n's bytes with its name.
inline std::string KokyakuRec(const std::string& name) {
    return Rec(Kokyaku_RecLen, {{Kokyaku_FieldOffset[KokyakuField_Name_1], name}});
}
// A document record numbered n, created in year y.
inline std::string DenpyouRec(int n, const std::string& year = "2024") {
    return Rec(Denpyou_RecLen, {{0, "1"},
                                {Denpyou_FieldOffset[DenpyouField_No], std::to_string(n)},
                                {Denpyou_FieldOffset[DenpyouField_MakeYear], year}});
}

class BackupTest : public ::testing::Test {
protected:
    BackupTest() {
        folder.MakeDir("usb");
        usb = folder.Path("usb");
    }
    // The data files a start finds: customers, categories, products,
    // documents, units, own company.
    void WriteData(int customers, int products, int documents) {
        folder.Write("Data/Kokyaku.620", Recs(customers, [](int i) { return KokyakuRec("顧客" + std::to_string(i + 1)); }));
        folder.Write("Data/Hinsyu.620", Recs(Hinsyu_Max, [](int i) {
                         return Rec(Hinsyu_RecLen, {{1, i < 3 ? "品種" + std::to_string(i) : ""}});
                     }));
        folder.Write("Data/Syouhin.620", Recs(products, [](int i) {
                         return Rec(Syouhin_RecLen, {{1, "商品" + std::to_string(i + 1)}});
                     }));
        folder.Write("Data/Denpyou.620", Recs(documents, [](int i) { return DenpyouRec(i + 1); }));
        folder.Write("Data/Tanni.620", Recs(Tanni_Max, [](int i) { return Rec(Tanni_RecLen, {{0, i ? "" : "式"}}); }));
        folder.Write("Data/Jisya.620", Rec(Jisya_RecLen, {{0, "自社"}}));
    }
    std::string Copy(const std::string& name) const { return folder.Read("usb/" + name); }
    std::string Data(const std::string& name) const { return folder.Read("Data/" + name); }

    TestFolder folder;
    std::string usb;
};
