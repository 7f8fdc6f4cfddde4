// The dispatch of the function keys by screen and open chooser. Each command
// runs the first branch that matches; branches whose operation belongs to a
// screen or chooser not built yet do nothing until it is.
#include "app/Commands.h"

#include "app/CommandBar.h"
#include "app/Focus.h"
#include "app/Job.h"
#include "app/Syori_01.h"
#include "document/Commands.h"
#include "document/Document.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "masters/customers/KokyakuCommands.h"
#include "masters/units/TanniChoose.h"
#include "masters/units/TanniList.h"
#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

bool Shown(const char* panel) {
    TPanel* p = Ui_Panel(panel);
    return p && p->Visible();
}
bool SyouhinChoose_Shown() { return Shown("Panel_SyouhinChoose"); }
bool HinsyuChoose_Shown() { return Shown("Panel_ChooseHinsyu"); }
bool KokyakuChoose_Shown() { return Shown("Panel_ChooseKokyaku"); }

// A header field of the document (those that step through documents).
bool Focus_InHeader() { return Focus_Code >= 1120 && Focus_Code <= 1230; }
// A description cell of the grid.
bool Focus_InSyousai() { return Focus_Code >= 2110 && Focus_Code <= 3630 && (Focus_Code - 2110) % 80 == 0; }

}  // namespace

// Store the document (document editor).
void Command_F1() { Denpyou_Store(); }

// Delete or restore the document (document editor).
void Command_F2() { Denpyou_DeleteOrRestore(); }

void Command_F3() {
    if (SyouhinChoose_Shown()) {
        Denpyou_LineUp();
        return;
    }
    if (HinsyuChoose_Shown() || TanniChoose_Shown()) {
        if (Job_Current == Job_Denpyou) Denpyou_LineUp();
        return;  // the product row up comes with the product screen
    }
    if (Job_Current == Job_Denpyou && Command_Enabled[2] && Denpyou_CurRec > 0 &&
        Denpyou_CurRec <= Denpyou_Count + 1)
        return;  // the print preview
}

void Command_F4() {
    if (TanniList_EditMode) return;  // delete the unit-list entry
    if (Job_Current == Job_Denpyou) {
        if (SyouhinChoose_Shown() || TanniChoose_Shown()) {
            Denpyou_LineDown();
            return;
        }
        Denpyou_DeleteLine();
        return;
    }
    if (Job_Current == Job_Kokyaku) return Kokyaku_DeleteRecord();
    if (Job_Current == Job_Hinsyu) return;   // delete the category
    if (HinsyuChoose_Shown() || TanniChoose_Shown()) return;  // product row down
    // delete the product
}

// Insert a line, customer, category or product; inside a chooser of the
// editor, the grid back by half a page. The inserts come with their screens.
void Command_F5() {
    if (TanniList_EditMode) return;  // insert a unit-list entry
    if (!Command_Enabled[4]) return;
    if (Job_Current != Job_Denpyou) return;
    if (SyouhinChoose_Shown()) {
        if (!HinsyuChoose_Shown()) Denpyou_DetailPrePage();
        return;
    }
    if (HinsyuChoose_Shown() || TanniChoose_Shown()) Denpyou_DetailPrePage();
}

void Command_F6() {
    if (!Command_Enabled[5]) return;
    if (SyouhinChoose_Shown()) {
        if (!HinsyuChoose_Shown()) Denpyou_DetailNextPage();
        return;
    }
    if (TanniChoose_Shown()) {
        if (Job_Current == Job_Denpyou) Denpyou_DetailNextPage();
        return;
    }
    if (Job_Current == Job_Denpyou && Denpyou_CurRec >= 1 && Denpyou_CurRec <= Denpyou_Count &&
        Denpyou_Field[2][0] != ' ' && Str_ToInt(Denpyou_Field[2218]) != 0)
        return;  // copy the document
}

void Command_F7() {
    switch (Job_Current) {
        case Job_Denpyou:
            if (KokyakuChoose_Shown()) return KokyakuChoose_PrePageKey();
            if (Focus_InHeader()) {
                Denpyou_ShowBefore();
                Job_Show();
            }
            return;
        case Job_Kokyaku: return Kokyaku_BeforePage();
        case Job_Hinsyu: return;   // previous page
        case Job_Syouhin: return;  // previous page, then the open chooser follows the row
        default: return;
    }
}

void Command_F8() {
    switch (Job_Current) {
        case Job_Denpyou:
            if (KokyakuChoose_Shown()) return KokyakuChoose_NextPageKey();
            if (Focus_InHeader()) {
                Denpyou_ShowNext();
                Job_Show();
                return;
            }
            if (Focus_InSyousai()) return;      // open the product chooser at the row
            return;
        case Job_Kokyaku: return Kokyaku_NextPage();
        case Job_Hinsyu: return;   // next page
        case Job_Syouhin: return;  // next page, then the open chooser follows the row
        default: return;
    }
}

void Command_F9() {
    Utiwake_Kind = 0;
    switch (Job_Current) {
        case Job_Denpyou:
            if (TanniChoose_Shown()) {
                TanniChoose_TakeCursor();
                return;
            }
            if (SyouhinChoose_Shown() && HinsyuChoose_Shown()) {
                // Closing the category chooser (with its frames cleared)
                // comes with it; the product chooser's F3 ... F6 come back.
                for (int i = 2; i <= 5; ++i) Command_Enabled[i] = 1;
                Command_ShowEnabled();
                return;
            }
            if (SyouhinChoose_Shown()) return;  // close the product chooser
            Denpyou_New();
            return;
        case Job_Kokyaku: return Kokyaku_GotoNewRow();
        case Job_Hinsyu: return;   // to the first empty category
        case Job_Syouhin: return;  // take a unit, close the category chooser, or to the empty row
        default: return;
    }
}

void Command_Esc() {}

bool Command_ForKey(unsigned short key) {
    static void (*const commands[])() = {Command_F1, Command_F2, Command_F3, Command_F4, Command_F5,
                                         Command_F6, Command_F7, Command_F8, Command_F9};
    if (key >= vk::F1 && key <= vk::F9) {
        commands[key - vk::F1]();
        return true;
    }
    if (key != vk::Escape) return false;
    Command_Esc();
    return true;
}
