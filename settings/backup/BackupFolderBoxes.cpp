// The drive and folder boxes of the data maintenance screen. A folder the
// user picks in the list (or the root of a drive the user picks) becomes the
// backup folder, shown beside them, and its copies are counted. The program
// moves the boxes too: at start-up and whenever the screen is shown they go
// to the backup folder when it is there; while it is gone (a stick pulled
// out) they show another place, and the backup folder stays what the user
// picked, so that F1 says it is missing rather than writing elsewhere.
#include <algorithm>
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
// "LastExecDay.620" leaves them as they are. A set a killed save left there
// (a stick pulled out before the program could finish it) is finished
// first: the counts are those of the copies the folder keeps.
void CountCopies(const std::string& folder) {
    TBackupCounts counts;
    if (!folder.empty()) BackUp_SettleFolder(folder);
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

// Where the list goes when it shows nothing usable and the backup folder is
// not there: the first removable volume (a stick plugged in), else the home
// folder, else the root.
std::string FirstFolder(const std::vector<TVolume>& volumes) {
    for (const TVolume& v : volumes)
        if (v.Removable) return v.RootPath;
    // The volumes begin with the root, then the home folder.
    if (volumes.size() > 1) return volumes[1].RootPath;
    return volumes.empty() ? std::string() : volumes.front().RootPath;
}

// Set while the program itself moves the boxes: the list's changes then
// pick nothing, but for the first place taken when no folder was chosen yet.
bool Boxes_Moving = false;

class TBoxesMoving {
public:
    explicit TBoxesMoving(bool moving = true) : was_(Boxes_Moving) { Boxes_Moving = was_ || moving; }
    ~TBoxesMoving() { Boxes_Moving = was_; }
    TBoxesMoving(const TBoxesMoving&) = delete;
    TBoxesMoving& operator=(const TBoxesMoving&) = delete;

private:
    bool was_;
};

}  // namespace

void Backup_StartFolder() {
    BackupFolder_Load(BackUp_Folder);
    BackUp_SettleFolder(BackUp_Folder);  // a set a killed save left, before anything reads the folder
    SetCaption("Label_BackupFolder", Cp932_ForDisplay(BackUp_Folder));
    TDirectoryListBox* list = List();
    TDriveComboBox* drive = Drive();
    // The drive box has just read the volumes, as it was built.
    if (!list || !drive || !Usable(BackUp_Folder, drive->Volumes)) return;
    const TBoxesMoving moving;
    list->SetDirectory(BackUp_Folder, &drive->Volumes);
    drive->Refresh();
    drive->SetDrive(list->Drive());
}

void BackupDriveComboBoxChange() {
    TDriveComboBox* drive = Drive();
    TDirectoryListBox* list = List();
    if (!drive || !list) return;
    // The box leaves a volume by itself only when reading the volumes again
    // (as it opens) finds the list's gone: the list follows, no folder is
    // picked.
    const std::string& shown = list->Drive();
    const bool gone = !shown.empty() && std::none_of(drive->Volumes.begin(), drive->Volumes.end(),
                                                     [&](const TVolume& v) { return v.RootPath == shown; });
    const TBoxesMoving moving(gone);
    list->SetDrive(drive->Drive());
}

void BackupDirectoryListBoxChange() {
    TDirectoryListBox* list = List();
    if (!list) return;
    const std::string folder = list->Directory();
    // Moved by the program elsewhere than the backup folder: nothing is
    // picked, the boxes only show another place.
    if (Boxes_Moving && BackUp_Folder[0] != '\0' && folder != BackUp_Folder) return;
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
    const TBoxesMoving moving;
    // Before the volumes are read again: a stick pulled out since moves the
    // drive box to another volume, and the list with it.
    const bool gone = !Usable(list->Directory(), Volumes_List());
    const std::string chosen = BackUp_Folder;
    drive->Refresh();
    // The backup folder whenever it is there (a stick plugged in again);
    // while it is not, a list that shows nothing usable goes elsewhere.
    const bool back = Usable(chosen, drive->Volumes);
    if (!back && !gone) return;
    // The drive box first: the list then stands on the folder's own volume
    // (the home folder's rather than the root's).
    const std::string first = back ? chosen : FirstFolder(drive->Volumes);
    drive->SetDrive(first);
    list->SetDirectory(first, &drive->Volumes);
}
