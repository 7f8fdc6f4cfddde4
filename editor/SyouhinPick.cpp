// Taking a product from the chooser into the cursor's line: its name, list
// price, unit, purchase price, actual price and tax class, then the line,
// the tax lines and the total worked out.
#include <cstring>

#include "document/Calc.h"
#include "editor/DenpyouTyped.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "editor/LineCalc.h"
#include "editor/SyouhinChoose.h"
#include "store/Denpyou.h"
#include "store/Syouhin.h"

namespace {

// The product fields a line takes, byte for byte (the widths match).
struct TCopied {
    DenpyouLineField Line;
    SyouhinField Product;
};
constexpr TCopied Copied[] = {
    {LineField_Zei, SyouhinField_Zei},       {LineField_Syousai, SyouhinField_Name},
    {LineField_Tanka, SyouhinField_Hanbai},  {LineField_Tanni, SyouhinField_Tanni},
    {LineField_Siire, SyouhinField_Siire},   {LineField_JitubaiTanka, SyouhinField_JitubaiTanka},
};
constexpr bool WidthsMatch() {
    for (const TCopied& c : Copied)
        if (Denpyou_LineWidth[c.Line] != Syouhin_FieldWidth[c.Product]) return false;
    return true;
}
static_assert(WidthsMatch());

}  // namespace

bool SyouhinChoose_Apply() {
    if (!Denpyou_HasCursorRow() || SyouhinChoose_Row < 0) return false;
    const int n = SyouhinChoose_HitAt(SyouhinChoose_Top + SyouhinChoose_Row);
    // A product that cannot be read leaves the line as it was, rather than
    // filling it with whatever the product fields held before.
    if (n == 0 || !Syouhin_ReadRecord(n)) return false;
    Syouhin_CurRec = n;
    const int line = Denpyou_TopLine + Denpyou_CurRow;
    Denpyou_LineFieldAt(line, LineField_Kind)[0] = LineKind_Item;  // a special line becomes an item line
    Denpyou_LineFieldAt(line, LineField_Kind)[1] = '\0';
    Syouhin_SplitRecord();
    DenpyouLine_SetSyouhin();
    return true;
}

void DenpyouLine_SetSyouhin() {
    if (!Denpyou_HasCursorRow()) return;
    const int row = Denpyou_CurRow;
    const int line = Denpyou_TopLine + row;
    for (const TCopied& c : Copied)
        std::memcpy(Denpyou_LineFieldAt(line, c.Line), Syouhin_Field[c.Product],
                    static_cast<size_t>(Denpyou_LineWidth[c.Line]));
    Denpyou_NoteTyped();
    // The row shows the line as it now stands, the actual price the
    // product's, so that no earlier price is worked into the new line; the
    // description, which has the focus, shows the name ready for typing.
    Denpyou_ShowRow(row);
    Grid_TrimForTyping(GridColumn_Syousai, Grid_Edit(GridColumn_Syousai, row));
    DenpyouLine_Calc(row);
    Denpyou_CalcZeiLines(row);
    Denpyou_CalcSeikyuuGoukei();
}
