#include "settings/backup/BackupScreen.h"

#include <cstdio>
#include <string>

#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "store/Syouhin.h"
#include "ui/CommandBar.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

char BackUp_Folder[256] = {};
char LastExecDay_FileName[16] = {};
int BackUp_ToPC = 0;

namespace {

void Backup_Reset() {
    Str_Spaces(BackUp_Folder, 255);
    std::snprintf(LastExecDay_FileName, sizeof LastExecDay_FileName, "%s", "LastExecDay.620");
    BackUp_ToPC = 0;
}

// Shown after another screen: the counts of the files as they are now (the
// other screens add and delete records), the volumes read again and the
// folder list filled, the drive box focused; no bar key is on.
void Backup_Show(bool wasHidden) {
    if (wasHidden) {
        Backup_Start();
        Backup_ShowFolderBoxes();
        if (TControl* first = Ui_Control("BackupDriveComboBox")) first->SetFocus();
    }
    Command_EnableOnly({});
}

const TScreen Backup_Screen{
    .Job = Job_BackUp,
    .Panel = "Panel_BackUp",
    .Menu = {.No = 7, .Caption = "データ保守"},
    .First = "BackupDriveComboBox",
    .Show = Backup_Show,
    .Selected = Backup_ShowRemaining,  // chosen from the menu: "残りの処理"
    .DocumentsCounted = Seiri_ShowPanel,
    .Reset = Backup_Reset,
};

}  // namespace

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

void Backup_Start() {
    // The counts of the three files it backs up, as they stand now.
    const struct {
        const char* Label;
        int Count;
    } counts[] = {{"Label_PC_KokyakuDs", Kokyaku_Count},
                  {"Label_PC_SyouhinDs", Syouhin_Count},
                  {"Label_PC_DenpyouDs", Denpyou_Count}};
    for (const auto& c : counts)
        if (TLabel* l = Ui_Label(c.Label)) l->SetCaption(std::to_string(c.Count));
}
