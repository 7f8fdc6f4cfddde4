// The data maintenance screen's commands: the direction, F2 and F3 on the
// check boxes, and F1's run. A run happens inside the click: every frame,
// count and per-cent figure it reports is repainted at once, since nothing
// else paints before the run ends.
#include <string>

#include "platform/Cp932.h"
#include "platform/Volumes.h"
#include "settings/backup/BackupRun.h"
#include "settings/backup/BackupScreen.h"
#include "store/Denpyou.h"
#include "ui/Folder.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Remaining = "残りの処理";
constexpr const char* Completed = "処理が完了しました";
constexpr const char* FolderMissing = "バックアップ先のフォルダが見つかりません。";
constexpr const char* Group_CheckBoxes[] = {"CheckBox_Kokyaku", "CheckBox_Syouhin", "CheckBox_Denpyou"};

// What a group shows while a run works on it, by TBackupGroup.
struct TGroupControls {
    const char* Frame;  // red while the group works, grey after (own company and units: red 2 wide, then black)
    const char* Ritu;   // the per-cent figure
    const char* Usb;    // the copy's count after a save
};
constexpr TGroupControls Group_Controls[] = {
    {"Shape_Kokyaku", "Label_KokyakuRitu", "Label_BK_KokyakuDs"},
    {"Shape_Syouhin", "Label_SyouhinRitu", "Label_BK_SyouhinDs"},
    {"Shape_Denpyou", "Label_DenpyouRitu", "Label_BK_DenpyouDs"},
    {"Shape_ETC", nullptr, nullptr},
};

const TGroupControls& Controls(TBackupGroup group) { return Group_Controls[static_cast<int>(group)]; }

void Paint(const char* name, const std::string& caption) {
    TLabel* label = name ? Ui_Label(name) : nullptr;
    if (!label) return;
    label->SetCaption(caption);
    label->Repaint();
}

bool Ticked(const char* name) {
    const TCheckBox* box = Ui_CheckBox(name);
    return box && box->Checked();
}

void TickAll(bool on) {
    for (const char* name : Group_CheckBoxes)
        if (TCheckBox* box = Ui_CheckBox(name)) box->SetChecked(on);
    Backup_ShowRemaining();
}

// What the screen shows of a run as it goes.
TBackupView View(bool save) {
    TBackupView view;
    view.Frame = [](TBackupGroup group, bool working) {
        const char* frame = Controls(group).Frame;
        if (group == TBackupGroup::Etc) Backup_Pen(frame, working ? clRed : clBlack, working ? 2 : 1);
        else Backup_Pen(frame, working ? clRed : clGray, 1);
    };
    view.Figure = [](TBackupGroup group, int percent) { Paint(Controls(group).Ritu, std::to_string(percent)); };
    // A restore leaves the "USB" counts; the "パソコン" ones come with the
    // reload.
    if (save)
        view.Done = [](TBackupGroup group, const TBackupResult& r) {
            Paint(Controls(group).Usb, std::to_string(r.Ds));
        };
    return view;
}

}  // namespace

void Backup_Pen(const char* name, TColor color, int width) {
    TShape* shape = Ui_Shape(name);
    if (!shape || shape->Pen.Color == color) return;
    shape->Pen.Color = color;
    shape->Pen.Width = width;
    shape->Repaint();
}

void Backup_ShowRemaining() { Paint("Label_DataSyori_Nokori", Remaining); }

void Label_ToUSB_FromPCClick() {
    Backup_Pen("Shape_ToUSB_FromPC", clRed, 2);
    Backup_Pen("Shape_ToPC_FromUSB", clBlack, 1);
    Backup_ShowRemaining();
    BackUp_ToPC = 0;
}

void Labe_ToPC_FromUSBClick() {
    Backup_Pen("Shape_ToPC_FromUSB", clRed, 2);
    Backup_Pen("Shape_ToUSB_FromPC", clBlack, 1);
    Backup_ShowRemaining();
    BackUp_ToPC = 1;
}

void Label_Panel_BackUp_F2Click() { TickAll(true); }
void Label_Panel_BackUp_F3Click() { TickAll(false); }

void Label_Panel_BackUp_F1Click() {
    // Only into or from a folder that is there: a stick pulled out (its
    // empty mount point is no folder of it), or no folder chosen yet, runs
    // nothing, and the record keeps the folder chosen.
    const std::string folder = BackUp_Folder;
    if (!BackUp_FolderReady(folder) || !Volumes_Answers(Volumes_List(), folder)) {
        Paint("Label_DataSyori_Nokori", FolderMissing);
        return;
    }
    Backup_ShowRemaining();
    const TBackupChoice choice{
        .Kokyaku = Ticked("CheckBox_Kokyaku"),
        .Syouhin = Ticked("CheckBox_Syouhin"),
        .Denpyou = Ticked("CheckBox_Denpyou"),
        .Seiri = Seiri_Mode != TSeiriMode::None && Ticked("CheckBox_Seiri"),
    };
    std::string failure;
    if (BackUp_ToPC == 0) {
        failure = BackUp_Save(folder, choice, View(true));
    } else {
        failure = BackUp_Restore(folder, choice, View(false));
        // Every screen works on the files as they are now, restored or
        // kept: each folder loads and paints them again as at start-up,
        // its pages at their tops.
        Folder_StartAll();
    }
    Paint("Label_DataSyori_Nokori", failure.empty() ? Completed : failure);
}
