#include "settings/backup/BackupScreen.h"

#include <cstdio>

#include "platform/File.h"
#include "platform/Cp932.h"
#include "platform/Volumes.h"
#include "store/BackupFolder.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "store/Syouhin.h"

#include <string>

#include "ui/Build.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

char BackUp_Folder[256] = {};
char LastExecDay_FileName[16] = {};

namespace {

void Backup_Reset() {
    Str_Spaces(BackUp_Folder, 255);
    std::snprintf(LastExecDay_FileName, sizeof LastExecDay_FileName, "%s", "LastExecDay.620");
}

// Chosen from the menu, the screen starts with its progress caption.
void Backup_Selected() {
    if (TLabel* l = Ui_Label("Label_DataSyori_Nokori")) l->SetCaption("残りの処理");
}

constexpr const char* Backup_Pending[] = {"Label_DataSyori_Nokori", nullptr};

const TScreen Backup_Screen{
    .Job = Job_BackUp,
    .Panel = "Panel_BackUp",
    .MenuNo = 7,
    .First = "BackupDriveComboBox",
    .Selected = Backup_Selected,
    .DocumentsCounted = Seiri_ShowPanel,
    .Reset = Backup_Reset,
    .Pending = Backup_Pending,
};

}  // namespace

void Backup_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::DriveComboBox, "BackupDriveComboBox", "Panel_BackUp", 20, 40, 260, 22},
        {TControlKind::DirectoryListBox, "BackupDirectoryListBox", "Panel_BackUp", 20, 70, 260, 300},
        {TControlKind::Label, "Label_BackupFolder", "Panel_BackUp", 20, 16, 600, 17},
        {TControlKind::Label, "Label_PC_KokyakuDs", "Panel_BackUp", 420, 60, 60, 17, "0", clNone, clBlack, -12,
         nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_PC_SyouhinDs", "Panel_BackUp", 420, 84, 60, 17, "0", clNone, clBlack, -12,
         nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_PC_DenpyouDs", "Panel_BackUp", 420, 108, 60, 17, "0", clNone, clBlack, -12,
         nullptr, TAlignment::taRightJustify},
        {TControlKind::CheckBox, "CheckBox_Seiri", "Panel_Seiri", 160, 110, 120, 20, "整理する"},
    };
    Ui_BuildAll(form, specs);
}

void Backup_Register() { Screen_Register(Backup_Screen); }

void Seiri_ShowPanel() {
    TPanel* panel = Ui_Panel("Panel_Seiri");
    if (Seiri_Mode != TSeiriMode::None) {
        if (panel) panel->Show();
    } else {
        if (TCheckBox* box = Ui_CheckBox("CheckBox_Seiri")) box->SetChecked(false);
        if (panel && panel->Visible()) panel->Hide();
    }
}

void Backup_StartFolder() {
    BackupFolder_Load(BackUp_Folder);
    if (TLabel* l = Ui_Label("Label_BackupFolder")) l->SetCaption(Cp932_ForDisplay(BackUp_Folder));
    if (BackUp_Folder[0] == '\0' || !Volumes_Answers(BackUp_Folder) || !Dir_Exists(Platform_AsIs(BackUp_Folder)))
        return;
    if (auto* list = Ui_DirectoryListBox("BackupDirectoryListBox")) {
        list->SetDirectory(BackUp_Folder);
        if (auto* drive = Ui_DriveComboBox("BackupDriveComboBox")) {
            drive->Refresh();
            drive->SetDrive(list->Drive());
        }
    }
}

void Backup_Start() {
    // The counts of the three files it backs up, as start-up found them.
    const struct {
        const char* Label;
        int Count;
    } counts[] = {{"Label_PC_KokyakuDs", Kokyaku_Count},
                  {"Label_PC_SyouhinDs", Syouhin_Count},
                  {"Label_PC_DenpyouDs", Denpyou_Count}};
    for (const auto& c : counts)
        if (TLabel* l = Ui_Label(c.Label)) l->SetCaption(std::to_string(c.Count));
}
