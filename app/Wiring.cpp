#include "app/Wiring.h"

#include "app/Exit.h"
#include "app/FocusTable.h"
#include "app/Layout.h"
#include "app/MenuControls.h"
#include "app/Shell.h"
#include "document/Document.h"
#include "editor/Bind.h"
#include "editor/Controls.h"
#include "editor/DenpyouCommands.h"
#include "editor/EditorScreen.h"
#include "editor/KokyakuChoose.h"
#include "editor/ValueCells.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniChoose.h"
#include "print/list/DenpyouListScreen.h"
#include "print/preview/PrintMargin.h"
#include "print/preview/PrintView.h"
#include "settings/backup/BackupScreen.h"
#include "settings/gyousyu/GyousyuScreen.h"
#include "settings/jisya/Jisya.h"
#include "ui/Build.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

void Wiring_CreateControls(TForm& form) {
    Layout_CreatePanels(form);
    Ui_Build(form, {TControlKind::Label, "Label_Date", nullptr, 94, 738, 147, 17});
    Menu_CreateControls(form);
    CommandBar_CreateControls(form);
    Denpyou_CreateControls(form);
    KokyakuChoose_CreateControls(form);
    DenpyouList_CreateScreen(form);
    PrintMargin_BindEdits(form, MarginScreen_DenpyouList);  // the list places its pair
    Kokyaku_CreateControls(form);
    Hinsyu_CreateControls(form);
    Syouhin_CreateControls(form);
    Jisya_CreateControls(form);
    Backup_CreateControls(form);
    PrintView_CreateControls(form);
    PrintMargin_CreateControls(form);
    Shell_CreateControls(form);  // last: binds to the controls above
    Editor_BindHandlers(form);
    Denpyou_BindCommands(form);
    ValueCells_BindHandlers(form);
}

void Wiring_Register() {
    Focus_SetTable(Focus_CodeTable.data(), Focus_CodeCount);
    Screen_ClearRegistry();
    // The panels over screens are tried in this order, each folder's in the
    // order it gives: the preview lies over everything, the category chooser
    // over the product chooser, the product chooser over the unit chooser.
    // The screens are shown in the order of their numbers.
    PrintView_Register();
    Hinsyu_Register();
    Denpyou_Register();
    Tanni_Register();
    Exit_Register();
    DenpyouList_Register();
    Kokyaku_Register();
    Syouhin_Register();
    Jisya_Register();
    Backup_Register();
    Gyousyu_Register();
}

void Wiring_Reset() {
    Ui_Reset();
    Document_Reset();
    Screen_ResetAll();
    Shell_Reset();
}
