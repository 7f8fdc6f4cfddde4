// The start-up sequence: every data file created when missing and loaded,
// today's date, the screens laid out and painted, and a new empty document
// in the editor.
#include "app/Startup.h"

#include <cstdio>
#include <cstring>

#include "app/CommandBar.h"
#include "app/Flags.h"
#include "app/Focus.h"
#include "app/KidouLock.h"
#include "app/Layout.h"
#include "app/Syori_01.h"
#include "app/Today.h"
#include "document/Calc.h"
#include "document/Display.h"
#include "document/Number.h"
#include "document/Document.h"
#include "document/DenpSpecialLine.h"
#include "document/SyouhinChoose.h"
#include "editor/Grid.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniList.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/Shell.h"
#include "print/DenpyouList.h"
#include "settings/BackupScreen.h"
#include "settings/Jisya.h"
#include "store/BackupFolder.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Recovery.h"
#include "store/Str.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"

std::string Path_ExeDir;

namespace {

void SetCaption(const char* label, const std::string& text) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(text);
}
void SetNumber(const char* label, int n) { SetCaption(label, std::to_string(n)); }
void SetText(const char* edit, const char* text) {
    if (TEdit* e = Ui_Edit(edit)) e->SetText(text);
}

// The backup folder becomes what the backup screen's boxes show when its
// volume answers and the folder is there; a folder that is gone (removed,
// or on another volume than the one mounted now) leaves the boxes as they
// are. The current directory is left alone.
void StartBackupFolder() {
    BackupFolder_Load(BackUp_Folder);
    SetCaption("Label_BackupFolder", BackUp_Folder);
    if (BackUp_Folder[0] == '\0' || !Shell_VolumeAnswers(Platform_HostPath(BackUp_Folder)) ||
        !Dir_Exists(BackUp_Folder))
        return;
    if (auto* list = Form_Syori_01->FindAs<TDirectoryListBox>("BackupDirectoryListBox")) {
        list->SetDirectory(BackUp_Folder);
        if (auto* drive = Form_Syori_01->FindAs<TDriveComboBox>("BackupDriveComboBox")) {
            drive->Refresh();
            drive->SetDrive(list->Directory());
        }
    }
}

// Own company: the settings, the special-line captions and the last number.
void StartJisya() {
    Jisya_Count = 0;
    Record_Prepare(Jisya_File);
    Jisya_ClearRecord();
    Jisya_Load();
    Round_Mode = Num_ReadInt(Jisya_Field[11]);
    if (Jisya_Field[43][0] == ' ') {
        static const char* const captions[6] = {"小計", "計", "課税合計", "消費税", "合計", "調整(値引）"};
        for (int i = 0; i < 6; ++i) Str_Pad(captions[i], Jisya_Field[43 + i], Jisya_FieldWidth[43 + i], 0);
        for (int i = 0; i < 8; ++i) {
            const char order[2] = {static_cast<char>('1' + i), '\0'};
            Str_Pad(order, Jisya_Field[49 + i], Jisya_FieldWidth[49 + i], 0);
        }
    }
    Jisya_Show();
    Denp_SpecialLine_Arrange();
    Denpyou_LastNo = Num_ReadLong(Jisya_Field[13]);
    Print_LeftMargin = Num_ReadInt(Jisya_Field[34]);
    Print_TopMargin = Num_ReadInt(Jisya_Field[33]);
}

void StartDocuments() {
    std::memset(DenpyouList_Hits, 0, sizeof DenpyouList_Hits);
    DenpyouList_HitCount = 0;
    DenpyouList_Top = 0;
    Denpyou_CurRec = 0;
    DenpyouList_Row = -1;
    DenpyouList_Shown = Flag_True;
    Denpyou_Count = 0;
    Record_Prepare(Denpyou_File);
    Denpyou_ClearRecord();
    Denpyou_Open();
    SetNumber("Label_DenpyouDs", Denpyou_Count);
    SetNumber("Label_PC_DenpyouDs", Denpyou_Count);
    Denpyou_CurRec = Denpyou_Count + 1;
    SetNumber("Label_DenpyouRec", Denpyou_CurRec);
    Denpyou_ShowKind();
    Denpyou_ClearRecord();
    Num_WriteInt(Denpyou_Field[1], Denpyou_FieldWidth[1], Denpyou_LastNo + 1);
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
}

}  // namespace

void TForm_Syori_01::FormCreate() {
    KidouLock_Take();  // before anything reads or writes Data; a second copy ends here
    Goukei_CostShown = 0;
    Utiwake_Kind = 0;
    Str_Spaces(BackUp_Folder, 255);
    if (TPanel* p = Ui_Panel("Panel_ExitChoose")) p->Hide();
    for (int& flag : Command_Enabled) flag = 1;
    Denpyou_MoveDown = 0;
    Denpyou_MoveUp = 0;
    Denpyou_TopLine = 0;
    Denpyou_CurRow = -1;

    // A write that a killed process left half done is put right before any
    // data file is read.
    Recovery_RollBackJournals();
    Recovery_RemoveScratchFiles();

    Today_Set();
    StartBackupFolder();
    std::snprintf(LastExecDay_FileName, sizeof LastExecDay_FileName, "%s", "LastExecDay.620");
    Path_ExeDir = Cp932_FromUtf8(Platform_ProgramDir());
    Today_Set();
    Form_LayoutPanels();

    SetText("Edit_PanelPrintView_Year", Today_WarekiText);
    SetText("Edit_PanelPrintView_Month", Today_MonthText);
    SetText("Edit_PanelPrintView_Day", Today_DayText);

    Popup_LockReset();
    if (TPanel* p = Ui_Panel("Panel_ChooseHinsyu")) p->Hide();

    TanniList_EditMode = 0;
    TanniList_Row = 0;
    TanniList_Top = 0;
    Tanni_Count = 0;
    Record_Prepare(Tanni_File);
    Tanni_ClearRecord();
    Tanni_Load();
    Tanni_ShowList();

    StartJisya();

    Kokyaku_Reset();
    SetNumber("Label_PC_KokyakuDs", Kokyaku_Count);

    Hinsyu_Top = 0;
    Hinsyu_CurRec = 0;
    Hinsyu_Row = -1;
    Hinsyu_ClearList();
    Record_Prepare(Hinsyu_File);
    Hinsyu_ClearRecord();
    Hinsyu_Load();
    Hinsyu_ShowPage();

    std::memset(SyouhinChoose_Hits, 0, sizeof SyouhinChoose_Hits);
    Syouhin_Top = 0;
    Syouhin_CurRec = 0;
    Syouhin_Row = -1;
    Syouhin_Count = 0;
    Record_Prepare(Syouhin_File);
    Syouhin_ClearRecord();
    Syouhin_Open();
    Syouhin_ShowPage();
    SetNumber("Label_PC_SyouhinDs", Syouhin_Count);
    SetNumber("Label_SyouhinDs", Syouhin_Count);
    SetNumber("Label_SyouhinRec", Syouhin_Top + Syouhin_Row + 1);

    StartDocuments();
}
