#include "app/Syori_01.h"

#include "app/Build.h"
#include "app/CommandBar.h"
#include "app/Layout.h"
#include "document/Commands.h"
#include "app/Shell.h"
#include "editor/Bind.h"
#include "editor/Controls.h"
#include "editor/KokyakuChoose.h"
#include "editor/ValueCells.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "print/DenpyouList.h"
#include "print/PrintView.h"
#include "settings/BackupScreen.h"
#include "settings/Jisya.h"

TForm_Syori_01::TForm_Syori_01() {
    Caption = "見積・請求書作成";
    Font.Name = Font_PGothic;
    Font.Height = -12;
    Layout_CreatePanels(*this);
    Ui_Build(*this, {TControlKind::Label, "Label_Date", nullptr, 94, 738, 147, 17});
    Menu_CreateControls(*this);
    CommandBar_CreateControls(*this);
    Denpyou_CreateControls(*this);
    KokyakuChoose_CreateControls(*this);
    DenpyouList_CreateControls(*this);
    Kokyaku_CreateControls(*this);
    Hinsyu_CreateControls(*this);
    Syouhin_CreateControls(*this);
    Jisya_CreateControls(*this);
    Backup_CreateControls(*this);
    PrintView_CreateControls(*this);
    Shell_CreateControls(*this);  // last: binds to the controls above
    Editor_BindHandlers(*this);
    Denpyou_BindCommands(*this);
    ValueCells_BindHandlers(*this);
}
