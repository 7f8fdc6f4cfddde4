// The drive and folder boxes of the data maintenance screen: what the
// folder list shows is the backup folder, shown beside them, and its copies
// are counted whenever it changes. At start-up the list goes to the folder
// "Data\BackupFolder.500" names, when it is there.
#include <cstdio>
#include <string>

#include "platform/Application.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/Volumes.h"
#include "settings/backup/BackupFiles.h"
#include "settings/backup/BackupScreen.h"
#include "settings/backup/BackupSet.h"
#include "store/BackupFolder.h"
#include "ui/Ui.h"

namespace {

TDriveComboBox* Drive() { return Ui_DriveComboBox("BackupDriveComboBox"); }
TDirectoryListBox* List() { return Ui_DirectoryListBox("BackupDirectoryListBox"); }

void SetCaption(const char* name, const std::string& text) {
    if (TLabel* l = Ui_Label(name)) l->SetCaption(text);
}

// The "USB" counts of the copies in the folder; a folder holding
// "LastExecDay.620" leaves them as they are.
void CountCopies(const std::string& folder) {
    TBackupCounts counts;
    if (!folder.empty() && !BackUp_CheckFolder(folder, counts)) return;
    SetCaption("Label_BK_KokyakuDs", std::to_string(counts.Kokyaku));
    SetCaption("Label_BK_SyouhinDs", std::to_string(counts.Syouhin));
    SetCaption("Label_BK_DenpyouDs", std::to_string(counts.Denpyou));
}

// A folder the list can go to: set, on a volume of volumes that answers, and
// there.
bool Usable(const std::string& folder, const std::vector<TVolume>& volumes) {
    return !folder.empty() && Volumes_Answers(volumes, folder) && Dir_Exists(Platform_AsIs(folder));
}

// Where the list goes when it shows nothing usable: the backup folder
// chosen before when it is there, else the first removable volume (a stick
// plugged in), else the home folder, else the root.
std::string FirstFolder(const std::string& chosen, const std::vector<TVolume>& volumes) {
    if (Usable(chosen, volumes)) return chosen;
    for (const TVolume& v : volumes)
        if (v.Removable) return v.RootPath;
    for (const TVolume& v : volumes)
        if (v.RootPath != "/") return v.RootPath;
    return volumes.empty() ? std::string() : volumes.front().RootPath;
}

}  // namespace

void Backup_StartFolder() {
    BackupFolder_Load(BackUp_Folder);
    BackUp_SettleFolder(BackUp_Folder);  // a set a killed save left, before anything reads the folder
    SetCaption("Label_BackupFolder", Cp932_ForDisplay(BackUp_Folder));
    TDirectoryListBox* list = List();
    TDriveComboBox* drive = Drive();
    // The drive box has just read the volumes, as it was built.
    if (!list || !drive || !Usable(BackUp_Folder, drive->Volumes)) return;
    list->SetDirectory(BackUp_Folder, &drive->Volumes);
    drive->Refresh();
    drive->SetDrive(list->Drive());
}

void BackupDriveComboBoxChange() {
    TDriveComboBox* drive = Drive();
    TDirectoryListBox* list = List();
    if (drive && list) list->SetDrive(drive->Drive());
}

void BackupDirectoryListBoxChange() {
    TDirectoryListBox* list = List();
    if (!list) return;
    const std::string folder = list->Directory();
    if (!BackUp_FolderFits(folder)) {
        // The folder record holds 255 bytes: the list goes back to the
        // folder chosen before (its change comes back here and fits).
        Application_ShowMessage("フォルダの場所が長すぎるため、指定できません。");
        list->SetDirectory(BackUp_Folder);
        return;
    }
    std::snprintf(BackUp_Folder, sizeof BackUp_Folder, "%s", folder.c_str());
    SetCaption("Label_BackupFolder", list->DirectoryText());
    if (TDriveComboBox* drive = Drive()) drive->SetDrive(list->Drive());
    CountCopies(folder);
    Backup_ShowRemaining();
}

void Backup_ShowFolderBoxes() {
    TDriveComboBox* drive = Drive();
    TDirectoryListBox* list = List();
    if (!drive || !list) return;
    // Before the volumes are read again: a stick pulled out since moves the
    // drive box to another volume, and the list with it.
    const bool gone = !Usable(list->Directory(), Volumes_List());
    const std::string chosen = BackUp_Folder;
    drive->Refresh();
    if (!gone) return;
    // The drive box first: the list then stands on the folder's own volume
    // (the home folder's rather than the root's).
    const std::string first = FirstFolder(chosen, drive->Volumes);
    drive->SetDrive(first);
    list->SetDirectory(first, &drive->Volumes);
}
