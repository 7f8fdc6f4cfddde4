// The volumes, the drive box and the directory list box, over a mount table
// and folders of the test's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/Form.h"
#include "platform/Volumes.h"

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<std::string> Roots(const std::vector<TVolume>& volumes) {
    std::vector<std::string> roots;
    for (const TVolume& v : volumes) roots.push_back(v.RootPath);
    return roots;
}

// A home folder and a removable volumes' base inside the test folder; the
// mount table is the test's to change.
class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.MakeDir("home/kei");
        folder.MakeDir("media/kei");
        Install();
    }
    void TearDown() override { Volumes_Install(before); }

    void Install() { before = Volumes_Install({[this] { return mounts; }, Home(), {Base()}}); }
    std::string Home() const { return folder.Path("home/kei"); }
    std::string Base() const { return folder.Path("media/kei"); }
    // A volume mounted at base/name, its folder made.
    std::string Mount(const std::string& name, const std::string& type = "vfat") {
        folder.MakeDir("media/kei/" + name);
        mounts.push_back({Base() + "/" + name, type});
        return Base() + "/" + name;
    }

    TestFolder folder;
    std::vector<TMountEntry> mounts;
    TVolumePlaces before;  // given back after the test
    TForm form;
};

TEST_F(FoldersTest, VolumesAreRootHomeAndTheRemovableMountsOnce) {
    const std::string usb = Mount("USB");
    const std::string card = Mount("CARD", "exfat");
    Mount("RUN", "tmpfs");                                // a pseudo file system
    mounts.push_back({usb, "vfat"});                       // mounted over itself
    mounts.push_back({Base(), "ext4"});                    // the base itself
    mounts.push_back({folder.Path("elsewhere"), "ext4"});  // outside the bases
    EXPECT_EQ(Roots(Volumes_List()), (std::vector<std::string>{"/", Home(), card, usb}));
    EXPECT_TRUE(Volumes_List()[3].Removable);

    // A folder on the volume answers while it is mounted; below the base
    // without a volume it does not, whatever lies beneath.
    EXPECT_TRUE(Volumes_Answers(Volumes_List(), usb + "/Backup"));
    mounts.clear();
    EXPECT_FALSE(Volumes_Answers(Volumes_List(), usb + "/Backup"));
    EXPECT_TRUE(Volumes_Answers(Volumes_List(), Home() + "/Backup"));
}

TEST_F(FoldersTest, MountTableEscapesAreResolved) {
    folder.Write("mounts", "/dev/sdb1 /media/kei/MY\\040STICK vfat rw 0 0\nproc /proc proc rw 0 0\n");
    const auto entries = Volumes_ReadMountTable(folder.Path("mounts"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Dir, "/media/kei/MY STICK");
    EXPECT_EQ(entries[0].Type, "vfat");
    EXPECT_TRUE(Volumes_ReadMountTable(folder.Path("none")).empty());
}

// The drive box starts on the root without a change; it reports one only
// when its volume really changes: picked, set from code, or gone when read
// again.
TEST_F(FoldersTest, DriveBoxReportsOnlyRealChanges) {
    const std::string usb = Mount("USB");
    auto* box = form.Create<TDriveComboBox>("Drive");
    std::vector<std::string> changes;
    box->OnChange = [&](TControl*) { changes.push_back(box->Drive()); };
    EXPECT_EQ(box->Drive(), "/");
    EXPECT_EQ(box->Text(), "/");

    box->SetDrive(usb + "/Backup/2024");  // the longest root that holds it
    box->SetDrive(usb);
    box->Refresh();                       // still mounted: stays
    box->ProcessKey(vk::Up);              // the home folder
    box->Select(1);
    box->Select(99);
    Mount("CARD");
    box->SetDrive(usb);
    mounts.erase(mounts.begin());  // the stick is pulled out
    box->Refresh();
    EXPECT_EQ(changes, (std::vector<std::string>{usb, Home(), usb, "/"}));
}

// The list shows the volume's root, the folders down to the current one and
// its subfolders (hidden ones left out, in order); the names are shown in
// CP932, a character CP932 lacks as '?', while the paths keep the disk's
// UTF-8 bytes.
TEST_F(FoldersTest, DirectoryListShowsTheVolumesFoldersDownToTheCurrentOne) {
    const std::string usb = Mount("USB");
    const std::string dir = usb + U8(u8"/見積/Bäckup");
    folder.MakeDir("media/kei/USB/" + U8(u8"見積/Bäckup/b"));
    folder.MakeDir("media/kei/USB/" + U8(u8"見積/Bäckup/a"));
    folder.MakeDir("media/kei/USB/" + U8(u8"見積/Bäckup/.hidden"));
    folder.Write("media/kei/USB/" + U8(u8"見積/Bäckup/file"), "x");
    auto* list = form.Create<TDirectoryListBox>("Dir");
    list->SetBounds(0, 0, 200, 48);  // three rows
    std::vector<std::string> changes;
    list->OnChange = [&](TControl*) { changes.push_back(list->Directory()); };

    list->SetDirectory(dir + "/");
    EXPECT_EQ(list->Drive(), usb);
    EXPECT_EQ(list->Directory(), dir);
    EXPECT_EQ(list->DirectoryText(), Cp932_FromUtf8(usb + U8(u8"/見積/B")) + "?ckup");
    EXPECT_EQ(list->Items, (std::vector<std::string>{Cp932_FromUtf8(usb), Cp932_FromUtf8(U8(u8"見積")), "B?ckup",
                                                     "a", "b"}));
    EXPECT_EQ(list->Levels, (std::vector<int>{0, 1, 2, 3, 3}));
    EXPECT_EQ(list->ItemIndex, 2);
    EXPECT_EQ(list->TopIndex, 0);

    list->ProcessKey(vk::Down);
    list->ProcessKey(vk::Down);  // onto "b": scrolled into view, not opened
    EXPECT_EQ(list->TopIndex, 2);
    list->ProcessKey(vk::Return);
    list->SetDirectory(dir + "/b");  // the same: no change
    list->OpenItem(0);               // the volume's root
    list->SetDrive(usb);             // the drive already
    list->SetDrive(Home());
    EXPECT_EQ(changes, (std::vector<std::string>{dir, dir + "/b", usb, Home()}));
    EXPECT_EQ(list->Items.front(), Cp932_FromUtf8(Home()));
}

}  // namespace
