#include "masters/units/TanniList.h"

#include "masters/units/TanniChoose.h"
#include "ui/Screen.h"

int TanniList_EditMode = 0;
int TanniList_Row = 0;
int TanniList_Top = 0;

// The list's rows come with the own-company screen; nothing to show yet.
void Tanni_ShowList() {}

namespace {

// A new window: the list's editor and the unit chooser at their start.
void Tanni_Reset() {
    TanniList_EditMode = 0;
    TanniList_Row = 0;
    TanniList_Top = 0;
    TanniChoose_Top = 0;
    TanniChoose_Row = 0;
}

}  // namespace

// While the list has the keys, F4 and F5 are its own on any screen (and the
// bar's F4 runs whatever its flag says). Its delete and insert come with
// the editor; until then the keys stop here.
const TScreen TanniList_Screen{
    .Over = Job_Every,
    .Shown = [] { return TanniList_EditMode != 0; },
    .Keys = {.F4 = [] { return true; }, .F5 = [] { return true; }},
    .Leave = [] { TanniList_EditMode = 0; },
    .Reset = Tanni_Reset,
};
