// The editor's part of start-up (and of a restore, which starts every
// folder again), after the units, the own company, the customers, the
// categories and the products: the special-line buttons placed, the
// customer chooser's first page, the documents counted, and a new empty
// document at the top of the grid.
#include "document/DenpyouNumber.h"
#include "editor/DenpSpecialLine.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "store/Denpyou.h"
#include "ui/Screen.h"

void Denpyou_Start() {
    // The captions were shown by the own company's start (Jisya_Show).
    Denp_SpecialLine_Arrange();
    // The customer chooser's first page, and the new document at the top of
    // the grid: at start-up and after a restore replaced the files.
    KokyakuChoose_Top = 0;
    KokyakuChoose_Row = 0;
    KokyakuChoose_ShowPage();
    Denpyou_TopLine = 0;

    Denpyou_CurRec = 0;
    Denpyou_Count = 0;
    Record_Prepare(Denpyou_File);
    Denpyou_ClearRecord();
    Denpyou_Open();
    Denpyou_LoadLastNo();
    Screen_DocumentsCounted();  // the tidy-up notice
    Denpyou_ShowNewDocument();
}
