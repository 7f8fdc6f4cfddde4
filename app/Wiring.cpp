#include "app/Wiring.h"

#include "app/Exit.h"
#include "app/FocusTable.h"
#include "app/Folders.h"
#include "app/HelpLine.h"
#include "app/MenuControls.h"
#include "app/Shell.h"
#include "document/Document.h"
#include "ui/Build.h"
#include "ui/Commands.h"
#include "ui/Folder.h"
#include "ui/Help.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

void Wiring_Register() {
    Folder_SetList(App_Folders);
    Focus_SetTable(Focus_CodeTable.data(), Focus_CodeCount);
    Screen_ClearRegistry();
    Exit_Register();
    Folder_RegisterAll();
    Command_SetExit(App_Exit);
    Help_SetShow(HelpLine_Show);
}

void Wiring_CreateControls(TForm& form) {
    Ui_NewWindow();
    Folder_CreatePanels(form, App_Panels);
    Ui_Build(form, {TControlKind::Label, "Label_Date", nullptr, 94, 738, 147, 17});
    Shell_CreateMenu(form);
    HelpLine_CreateControls(form);
    Folder_CreateControls(form);
    Shell_CreateControls(form);  // last: the exit question over them
}

void Wiring_Reset() {
    Ui_Reset();
    Document_Reset();
    Screen_ResetAll();
    Shell_Reset();
}
