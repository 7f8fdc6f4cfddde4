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
        // Nothing that an earlier test loaded is written by a run's memory
        // step until this test starts its data.
        Hinsyu_Loaded = Jisya_Loaded = Tanni_Loaded = false;
    }
    // The data files a start finds: customers, categories, products,
    // documents, units, own company; or the same as copies in the folder.
    // The copies' names differ from the data files'.
    void WriteData(int customers, int products, int documents, bool asCopies = false) {
        const std::string tag = asCopies ? "控" : "";
        auto write = [&](const char* name, const std::string& bytes) {
            folder.Write(asCopies ? std::string("usb/") + name + ".625" : std::string("Data/") + name + ".620", bytes);
        };
        write("Kokyaku", Recs(customers, [&](int i) { return KokyakuRec(tag + "顧客" + std::to_string(i + 1)); }));
        write("Hinsyu", Recs(Hinsyu_Max, [&](int i) {
                  return Rec(Hinsyu_RecLen, {{1, i < 3 ? tag + "品種" + std::to_string(i) : ""}});
              }));
        write("Syouhin", Recs(products, [&](int i) {
                  return Rec(Syouhin_RecLen, {{1, tag + "商品" + std::to_string(i + 1)}});
              }));
        write("Denpyou", Recs(documents, [&](int i) { return DenpyouRec(i + 1, asCopies ? "2023" : "2024"); }));
        write("Tanni", Recs(Tanni_Max, [&](int i) { return Rec(Tanni_RecLen, {{0, i ? "" : tag + "式"}}); }));
        write("Jisya", Rec(Jisya_RecLen, {{0, tag + "自社"}}));
    }
    std::string Copy(const std::string& name) const { return folder.Read("usb/" + name); }
    std::string Data(const std::string& name) const { return folder.Read("Data/" + name); }

    TestFolder folder;
    std::string usb;
};
