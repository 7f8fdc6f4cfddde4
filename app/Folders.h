// The window's folders, each named once: the order of this list is the order
// in which they build their controls and start (the units' list and the own
// company first, the documents once the masters they use are there, the
// counts of the data maintenance last). The folder records say everything
// else (ui/Folder.h).
#pragma once

#include "editor/Folder.h"
#include "masters/categories/Folder.h"
#include "masters/customers/Folder.h"
#include "masters/products/Folder.h"
#include "masters/units/Folder.h"
#include "print/Folder.h"
#include "print/list/Folder.h"
#include "print/preview/Folder.h"
#include "settings/backup/Folder.h"
#include "settings/company/Folder.h"
#include "settings/wording/Folder.h"
#include "ui/Menu.h"

inline constexpr const TFolder* App_Folders[] = {
    &Tanni_Folder,        // masters/units
    &Jisya_Folder,        // settings/company
    &Kokyaku_Folder,      // masters/customers
    &Hinsyu_Folder,       // masters/categories
    &Syouhin_Folder,      // masters/products
    &Denpyou_Folder,      // editor
    &DenpyouList_Folder,  // print/list
    &PrintView_Folder,    // print/preview
    &Print_Folder,        // print: the margins, laid on the editor and the list
    &Backup_Folder,       // settings/backup
    &Gyousyu_Folder,      // settings/wording
};

// The window's own panels: the job menu, the message band, the bar and the
// exit question (which keeps the bounds it was made with).
inline constexpr TPanelPlace App_Panels[] = {
    {.Name = "Panel_ChooseSyori", .Left = 10, .Top = 6, .Width = Menu_PanelWidth, .Height = 49, .Visible = true},
    {.Name = "Panel_Msg", .Left = 10, .Top = 612, .Width = 989, .Height = 60, .Layer = TPanelLayer::Bar,
     .Visible = true},
    {.Name = "Panel_Command_01", .Left = 10, .Top = 674, .Width = 989, .Height = 49, .Layer = TPanelLayer::Bar,
     .Visible = true},
    {.Name = "Panel_ExitChoose", .Left = 262, .Top = 300, .Width = 499, .Height = 123,
     .Layer = TPanelLayer::Question, .Laid = false},
};
