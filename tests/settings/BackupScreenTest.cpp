// The data maintenance screen in the window: the folder boxes (what the list
// shows at first, a folder chosen, one too long for the record refused),
// F1 only into a folder that is there, the figures and frames painted while
// a run goes, and a restore's reload of every screen as at start-up.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/Calc.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/FileFault.h"
#include "platform/Volumes.h"
#include "print/PrintMargins.h"
#include "settings/backup/BackupScreen.h"
#include "store/FileSet.h"
#include "store/Tanni.h"
#include "platform/Form.h"
#include "tests/app/ShellFixture.h"
#include "tools/Headless.h"

namespace {

namespace fs = std::filesystem;

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

void WriteHost(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// n records of len bytes, each with its number at offset 1.
std::string Records(int n, int len) {
    std::string all;
    for (int i = 1; i <= n; ++i) all += Record(len, {{1, "No" + std::to_string(i)}});
    return all;
}

// A window on the session's own volumes: the root, the home folder and the
// removable volumes mounted under "media" in the program folder.
class TBackupWindow {
public:
    THeadlessSession Session;

    std::string Home() const { return Session.Home(); }
    std::string Base() const { return Session.RemovableBase(); }
    std::string Usb() const { return Session.Folder() + "usb"; }
    std::string Mount(const std::string& name) { return Session.Mount(name); }
    void SaveFolder(const std::string& folder) {
        std::string record = folder;
        record.resize(255, ' ');
        ASSERT_TRUE(Session.WriteFile("Data\\BackupFolder.500", record));
    }
    void Start() { ASSERT_TRUE(Session.Start()); }
    void ShowScreen() {
        ASSERT_TRUE(Session.Click("Label_Job_01"));
        ASSERT_TRUE(Session.Click("Label_Job_07"));
    }
    bool Click(const std::string& name) { return Session.Click(name); }
    std::string Caption(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    TDirectoryListBox* List() { return Session.ControlAs<TDirectoryListBox>("BackupDirectoryListBox"); }
    TDriveComboBox* Drive() { return Session.ControlAs<TDriveComboBox>("BackupDriveComboBox"); }
    std::string Counts() {
        return Caption("Label_BK_KokyakuDs") + " " + Caption("Label_BK_SyouhinDs") + " " +
               Caption("Label_BK_DenpyouDs");
    }
};

// What the list shows when the screen is shown: the folder chosen before
// when it is there (also on a stick plugged in after start-up), else the
// first stick, else the home folder. A stick pulled out meanwhile moves the
// list, but the folder chosen stays; with none chosen yet the place shown is
// taken.
TEST(BackupScreen, TheListShowsTheChosenFolderOrAStickOrHome) {
    const struct {
        const char* What;
        bool Saved;         // the record names STICK/Backup
        bool AtStart;       // STICK is mounted at start-up
        bool Later;         // STICK is mounted when the screen is shown
        const char* Shown;  // STICK/Backup, STICK or home
    } cases[] = {
        {"the chosen folder", true, true, true, "STICK/Backup"},
        {"the chosen folder plugged in later", true, false, true, "STICK/Backup"},
        {"a stick", false, true, true, "STICK"},
        {"no stick", false, false, false, "home"},
        {"the stick pulled out", true, true, false, "home"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TBackupWindow w;
        const std::string stick = w.Mount("STICK");
        fs::create_directories(stick + "/Backup");
        if (c.Saved) w.SaveFolder(stick + "/Backup");
        if (!c.AtStart) w.Session.Unmount("STICK");
        w.Start();
        if (c.Later) w.Mount("STICK");
        else w.Session.Unmount("STICK");
        w.ShowScreen();
        const std::string want = std::string(c.Shown) == "home" ? w.Home() : w.Base() + "/" + c.Shown;
        const std::string chosen = c.Saved ? stick + "/Backup" : want;
        EXPECT_EQ(w.List()->Directory(), want);
        EXPECT_EQ(BackUp_Folder, chosen);
        EXPECT_EQ(w.Caption("Label_BackupFolder"), chosen);
        EXPECT_EQ(w.Drive()->Drive(), std::string(c.Shown) == "home" ? w.Home() : stick);
        EXPECT_EQ(w.Session.FocusedName(), "BackupDriveComboBox");
    }
}

// A folder chosen in the list becomes the backup folder and its copies are
// counted, unless it holds "LastExecDay.620"; the drive box moves the list
// to a volume's root; a folder whose path outgrows the record's 255 bytes is
// refused and the one before stays, while one of 255 bytes goes whole into
// the record at the end of a run.
TEST(BackupScreen, AFolderChosenIsCountedAndKept) {
    TBackupWindow w;
    const std::string stick = w.Mount("STICK");
    WriteHost(stick + "/Kokyaku.625", Records(3, 2000));
    WriteHost(stick + "/Syouhin.625", Records(2, 300));
    WriteHost(stick + "/Denpyou.625", Records(1, 23000) + "cut short");
    const std::string done = stick + U8(u8"/済み");
    WriteHost(done + "/LastExecDay.620", "");
    WriteHost(done + "/Kokyaku.625", Records(1, 2000));
    w.Start();
    w.ShowScreen();
    EXPECT_EQ(w.List()->Directory(), stick);
    EXPECT_EQ(w.Counts(), "3 2 1");

    w.Session.ControlAs<TLabel>("Label_DataSyori_Nokori")->SetCaption("処理が完了しました");
    w.List()->SetDirectory(done);
    EXPECT_EQ(BackUp_Folder, done);
    EXPECT_EQ(w.Caption("Label_BackupFolder"), w.List()->DirectoryText());
    EXPECT_EQ(w.Counts(), "3 2 1");
    EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "残りの処理");

    w.Drive()->Select(1);  // the home folder
    EXPECT_EQ(w.List()->Directory(), w.Home());
    EXPECT_EQ(BackUp_Folder, w.Home());
    EXPECT_EQ(w.Counts(), "0 0 0");

    std::string tooLong = w.Home();
    while (tooLong.size() <= 255) tooLong += "/" + std::string(40, 'a');
    fs::create_directories(tooLong);
    w.List()->SetDirectory(tooLong);
    EXPECT_EQ(w.Session.Messages(), std::vector<std::string>{"フォルダの場所が長すぎるため、指定できません。"});
    EXPECT_EQ(w.List()->Directory(), w.Home());
    EXPECT_EQ(BackUp_Folder, w.Home());

    const std::string fits = w.Home() + "/" + std::string(255 - w.Home().size() - 1, 'b');
    fs::create_directories(fits);
    w.List()->SetDirectory(fits);
    EXPECT_EQ(BackUp_Folder, fits);
    ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
    EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "処理が完了しました");
    EXPECT_EQ(w.Session.ReadFile("Data\\BackupFolder.500"), fits);
    EXPECT_TRUE(fs::exists(fits + "/Jisya.625"));
    EXPECT_EQ(w.Session.Messages().size(), 1u);
}

// F1 runs nothing unless the folder is set and there: a folder removed since
// it was chosen, or none at all, writes nothing anywhere.
TEST(BackupScreen, F1RunsOnlyIntoAFolderThatIsThere) {
    TBackupWindow w;
    fs::create_directories(w.Usb());
    w.SaveFolder(w.Usb());
    w.Start();
    w.ShowScreen();
    ASSERT_EQ(BackUp_Folder, w.Usb());
    const std::string record = *w.Session.ReadFile("Data\\BackupFolder.500");
    fs::remove_all(w.Usb());
    for (const bool chosen : {true, false}) {
        SCOPED_TRACE(chosen);
        if (!chosen) BackUp_Folder[0] = '\0';
        ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
        EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "バックアップ先のフォルダが見つかりません。");
        EXPECT_EQ(w.Caption("Label_KokyakuRitu"), "0");
        EXPECT_FALSE(fs::exists(w.Usb()));
        EXPECT_EQ(w.Session.ReadFile("Data\\BackupFolder.500"), record);
        EXPECT_FALSE(fs::exists(w.Session.Folder() + "Jisya.625"));
        EXPECT_FALSE(fs::exists(w.Home() + "/Jisya.625"));
    }
}

// A stick pulled out with the backup folder on it (a folder on it, or its
// root, whose empty mount point stays): whether the screen is shown again
// or the drive box reads the volumes as it opens, the boxes show another
// place while the folder chosen, its label and its record stay. F1 then
// writes nothing anywhere, in either direction, and says the folder is
// missing. Plugged in again, the screen stands on the folder, and F1 saves
// into it. A folder the user picks meanwhile is taken.
TEST(BackupScreen, AFolderWhoseStickIsOutStaysChosen) {
    for (const char* under : {"/Backup", ""}) {
        for (const bool reshown : {true, false}) {
            SCOPED_TRACE(std::string(under) + (reshown ? " shown again" : " drive box opened"));
            TBackupWindow w;
            const std::string stick = w.Mount("STICK");
            const std::string folder = stick + under;
            fs::create_directories(folder);
            w.SaveFolder(folder);
            w.Start();
            w.ShowScreen();
            ASSERT_EQ(w.List()->Directory(), folder);
            ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
            ASSERT_EQ(w.Caption("Label_DataSyori_Nokori"), "処理が完了しました");
            ASSERT_TRUE(fs::exists(folder + "/Jisya.625"));
            const std::string record = *w.Session.ReadFile("Data\\BackupFolder.500");
            const std::string data = *w.Session.ReadFile("Data\\Jisya.620");

            ASSERT_TRUE(w.Session.Unmount("STICK"));
            if (reshown) w.ShowScreen();
            else w.Drive()->Refresh();
            EXPECT_NE(w.List()->Directory(), folder);
            EXPECT_EQ(BackUp_Folder, folder);
            EXPECT_EQ(w.Caption("Label_BackupFolder"), folder);
            for (const char* direction : {"Label_ToUSB_FromPC", "Labe_ToPC_FromUSB"}) {
                SCOPED_TRACE(direction);
                ASSERT_TRUE(w.Click(direction));
                ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
                EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "バックアップ先のフォルダが見つかりません。");
                EXPECT_EQ(w.Session.ReadFile("Data\\BackupFolder.500"), record);
                EXPECT_EQ(w.Session.ReadFile("Data\\Jisya.620"), data);
                for (const std::string& place : {w.Home(), stick, w.Session.Folder() + "."})
                    EXPECT_FALSE(fs::exists(place + "/Jisya.625")) << place;
            }
            ASSERT_TRUE(w.Click("Label_ToUSB_FromPC"));

            w.Mount("STICK");
            w.ShowScreen();
            EXPECT_EQ(w.List()->Directory(), folder);
            EXPECT_EQ(w.Drive()->Drive(), stick);
            EXPECT_EQ(BackUp_Folder, folder);
            fs::remove(folder + "/Jisya.625");
            ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
            EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "処理が完了しました");
            EXPECT_TRUE(fs::exists(folder + "/Jisya.625"));

            ASSERT_TRUE(w.Session.Unmount("STICK"));
            w.ShowScreen();
            fs::create_directories(w.Home() + "/Sub");
            w.List()->SetDirectory(w.Home() + "/Sub");  // picked
            EXPECT_EQ(BackUp_Folder, w.Home() + "/Sub");
            EXPECT_EQ(w.Caption("Label_BackupFolder"), w.Home() + "/Sub");
        }
    }
}

// A save killed while its set went in, the stick then pulled out before
// the program could finish it: plugged in again, the folder is finished
// before its copies are counted (here the set goes back: the old copy).
TEST(BackupScreen, AFolderBackWithASetLeftIsFinishedBeforeItIsCounted) {
    TBackupWindow w;
    const std::string folder = w.Mount("STICK") + "/Backup";
    WriteHost(folder + "/Denpyou.625", Records(1, 23000));
    WriteHost(folder + "/Denpyou.625.new", Records(2, 23000));
    // The new copy fails to go in, and so does putting the old one back:
    // the set's record is left, the old copy aside.
    std::vector<std::string> concerned;
    FileFault_Plan(TFileOp::Rename, 3);
    FileFault_Plan(TFileOp::Rename, 5);
    ASSERT_FALSE(FileSet_Put(folder, {"Denpyou.625"}, concerned));
    FileFault_Reset();
    ASSERT_TRUE(FileSet_Pending(folder));
    w.SaveFolder(folder);
    ASSERT_TRUE(w.Session.Unmount("STICK"));
    w.Start();
    w.ShowScreen();

    w.Mount("STICK");
    w.ShowScreen();
    EXPECT_EQ(w.List()->Directory(), folder);
    EXPECT_EQ(w.Counts(), "0 0 1");
    EXPECT_FALSE(FileSet_Pending(folder));
    std::ifstream copy(folder + "/Denpyou.625", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), Records(1, 23000));
}

// What a run paints while it goes (nothing else would paint before it
// ends), in order: a save of 50 customers counts 1 ... 50 over the copy and
// again over the CSV file before 100; a restore of 1000 products shows each
// new whole per cent; the frames turn red and back.
TEST(BackupScreen, FiguresAndFramesArePaintedAsTheRunGoes) {
    struct TPaintLog : TFormHost {
        std::vector<std::string> Lines;
        void Invalidate() override {}
        void FocusChanged() override {}
        void RepaintNow(TControl* c) override {
            if (auto* label = dynamic_cast<TLabel*>(c)) Lines.push_back(c->Name() + " " + label->Caption);
            else if (auto* shape = dynamic_cast<TShape*>(c))
                Lines.push_back(c->Name() + " " + std::to_string(shape->Pen.Color) + " " +
                                std::to_string(shape->Pen.Width));
        }
        // The lines of one control, without its name.
        std::vector<std::string> Of(const std::string& name) const {
            std::vector<std::string> of;
            for (const std::string& l : Lines)
                if (l.rfind(name + " ", 0) == 0) of.push_back(l.substr(name.size() + 1));
            return of;
        }
    };
    // "0", then from ... to for each run, then "100".
    auto figures = [](std::initializer_list<std::pair<int, int>> runs) {
        std::vector<std::string> lines{"0"};
        for (const auto& [from, to] : runs)
            for (int i = from; i <= to; ++i) lines.push_back(std::to_string(i));
        lines.push_back("100");
        return lines;
    };
    TBackupWindow w;
    fs::create_directories(w.Usb());
    w.SaveFolder(w.Usb());
    ASSERT_TRUE(w.Session.WriteFile("Data\\Kokyaku.620", Records(50, 2000)));
    WriteHost(w.Usb() + "/Syouhin.625", Records(1000, 300));
    WriteHost(w.Usb() + "/Hinsyu.625", Records(100, 100));
    w.Start();
    w.ShowScreen();
    TPaintLog log;
    w.Session.Form()->SetHost(&log);

    ASSERT_TRUE(w.Click("Label_Panel_BackUp_F3"));
    ASSERT_TRUE(w.Click("CheckBox_Kokyaku"));
    log.Lines.clear();
    ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
    EXPECT_EQ(log.Of("Label_KokyakuRitu"), figures({{1, 50}, {1, 50}}));
    const std::vector<std::string> order = {
        "Shape_Panel_BackUp_F1 255 2", "Shape_Panel_BackUp_F1 0 1", "Label_DataSyori_Nokori 残りの処理",
        "Shape_Kokyaku 255 1",          "Label_KokyakuRitu 0",       "Label_BK_KokyakuDs 50",
        "Shape_Kokyaku 8421504 1",      "Shape_ETC 255 2",           "Shape_ETC 0 1",
        "Label_DataSyori_Nokori 処理が完了しました"};
    std::vector<std::string> seen;
    for (const std::string& l : log.Lines)
        if (l.rfind("Label_KokyakuRitu", 0) != 0 || l == "Label_KokyakuRitu 0") seen.push_back(l);
    EXPECT_EQ(seen, order);

    ASSERT_TRUE(w.Click("CheckBox_Kokyaku"));
    ASSERT_TRUE(w.Click("CheckBox_Syouhin"));
    ASSERT_TRUE(w.Click("Labe_ToPC_FromUSB"));
    log.Lines.clear();
    ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
    w.Session.Form()->SetHost(nullptr);
    EXPECT_EQ(log.Of("Label_SyouhinRitu"), figures({{1, 99}}));
    EXPECT_EQ(log.Of("Shape_Syouhin"), (std::vector<std::string>{"255 1", "8421504 1"}));
    EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "処理が完了しました");
    EXPECT_EQ(w.Caption("Label_PC_SyouhinDs"), "1000");
}

// After a restore every screen starts again on the restored files as at
// start-up: the customer and product pages and the customer chooser's at
// their tops, the editor's new document at the top of its grid
// numbered after the restored last number, the rounding, the margins and
// the units from the restored own company and unit list.
TEST(BackupScreen, RestoreStartsEveryScreenAgain) {
    TBackupWindow w;
    fs::create_directories(w.Usb());
    w.SaveFolder(w.Usb());
    ASSERT_TRUE(w.Session.WriteFile("Data\\Kokyaku.620", Records(30, 2000)));
    ASSERT_TRUE(w.Session.WriteFile("Data\\Syouhin.620", Records(60, 300)));
    WriteHost(w.Usb() + "/Kokyaku.625", Record(2000, {{1, "控えの顧客"}}));
    WriteHost(w.Usb() + "/Syouhin.625", Records(3, 300));
    WriteHost(w.Usb() + "/Hinsyu.625", Records(100, 100));
    WriteHost(w.Usb() + "/Denpyou.625", Records(1, 23000));
    WriteHost(w.Usb() + "/Jisya.625", Record(1000, {{228, "2"}, {231, "        41"}, {697, " 5"}, {699, " 7"}}));
    WriteHost(w.Usb() + "/Tanni.625", Record(10, {{0, "式"}}));
    w.Start();
    Kokyaku_Top = 13;
    Kokyaku_Row = 5;
    KokyakuChoose_Top = 10;
    KokyakuChoose_Row = 3;
    Syouhin_Top = 25;
    Syouhin_Row = 4;
    Denpyou_TopLine = 40;
    w.ShowScreen();
    ASSERT_TRUE(w.Click("Labe_ToPC_FromUSB"));
    ASSERT_TRUE(w.Click("Label_Panel_BackUp_F1"));
    EXPECT_EQ(w.Caption("Label_DataSyori_Nokori"), "処理が完了しました");
    EXPECT_EQ(Kokyaku_Top, 0);
    EXPECT_EQ(Kokyaku_Row, 0);
    EXPECT_EQ(KokyakuChoose_Top, 0);
    EXPECT_EQ(KokyakuChoose_Row, 0);
    EXPECT_EQ(Syouhin_Top, 0);
    EXPECT_EQ(Syouhin_Row, -1);
    EXPECT_EQ(Denpyou_TopLine, 0);
    EXPECT_EQ(Round_Mode, 2);
    EXPECT_EQ(Print_TopMargin, 5);
    EXPECT_EQ(Print_LeftMargin, 7);
    EXPECT_EQ(std::string(Tanni_List[0], 2), "式");
    EXPECT_EQ(w.Caption("Label_PC_KokyakuDs"), "1");
    EXPECT_EQ(w.Caption("Label_PC_SyouhinDs"), "3");
    EXPECT_EQ(w.Caption("Label_PC_DenpyouDs"), "1");
    EXPECT_EQ(w.Session.FocusedName(), "BackupDriveComboBox");
    ASSERT_TRUE(w.Click("Label_Job_01"));
    EXPECT_EQ(w.Caption("Edit_DenpNo"), "        42");
    EXPECT_EQ(w.Caption("Label_KokyakuChoose_Name_1_01").substr(0, 10), "控えの顧客");
    ASSERT_TRUE(w.Click("Label_Job_03"));
    EXPECT_EQ(w.Caption("Label_KokyakuDs"), "1");
    EXPECT_EQ(w.Caption("Edit_PanelKokyaku_Name_1_01"), "控えの顧客");
}

}  // namespace
