#include "editor/LineCalc.h"

#include <string>

#include "document/Calc.h"
#include "store/Number.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "ui/Build.h"
#include "ui/Ui.h"

bool Goukei_CostShown = false;

namespace {

TLabel* RowLabel(TGridColumnNo column, int row) {
    return Ui_Label(Ui_RowName(Grid_Column(column).Prefix, row + 1).c_str());
}

// A pass's amount of a line in the grid's window into its row's amount label.
void ShowLineAmount(int line, const std::string& text) {
    const int row = line - Denpyou_TopLine;
    if (row < 0 || row >= Denpyou_GridRows) return;
    if (TLabel* label = RowLabel(GridColumn_Syoukei, row)) label->SetCaption(text);
}

void ShowTotal(const std::string& text) {
    if (TLabel* label = Ui_Label("Label_SeikyuuGoukei")) label->SetCaption(text);
}

// The text of a column's edit in a grid row; the stored line field stands
// in without a window.
std::string RowText(TGridColumnNo column, int row, int line) {
    if (TEdit* edit = Grid_Edit(column, row)) return edit->Text();
    return Denpyou_LineField[Denpyou_LineFieldCount * line + Grid_Column(column).Field];
}
double RowNumber(TGridColumnNo column, int row, int line) { return Num_ReadReal(RowText(column, row, line).c_str()); }

}  // namespace

void LineCalc_ShowPasses() { Denpyou_View = {ShowLineAmount, ShowTotal}; }

void DenpyouLine_Calc(int row) {
    if (row < 0 || row >= Denpyou_GridRows) return;
    const int line = Denpyou_TopLine + row;
    if (line < 0 || line >= Denpyou_LineMax) return;

    TDenpyouLineValues v;
    v.Tanka = RowNumber(GridColumn_Tanka, row, line);
    v.TankaRitu = RowNumber(GridColumn_TankaRitu, row, line);
    v.Suuryou = RowNumber(GridColumn_Suuryou, row, line);
    v.Siire = RowNumber(GridColumn_Siire, row, line);
    v.SiireRitu = RowNumber(GridColumn_SiireRitu, row, line);
    const std::string jitubai = RowText(GridColumn_Jitubai, row, line);
    v.Jitubai = Num_ReadReal(jitubai.c_str());
    v.JitubaiTyped = jitubai.c_str();
    const TDenpyouLineResult r = DenpyouLine_Apply(line, v);

    if (TLabel* label = RowLabel(GridColumn_SankouTanka, row)) label->SetCaption(r.SankouText);
    if (TEdit* edit = Grid_Edit(GridColumn_Jitubai, row)) {
        edit->Font.Color = r.Blue ? clBlue : clBlack;
        edit->SetText(r.JitubaiText);
    }
    if (TLabel* label = RowLabel(GridColumn_Syoukei, row)) label->SetCaption(r.AmountText);
}

void Label_GoukeiMouseDown() {
    if (Goukei_CostShown) return;
    Goukei_CostShown = true;
    if (TLabel* label = Ui_Label("Label_Goukei")) label->SetCaption("仕入合計");
    ShowTotal(Denpyou_SiireGoukeiText());
}

void Label_GoukeiMouseUp() {
    if (!Goukei_CostShown) return;
    Goukei_CostShown = false;
    if (TLabel* label = Ui_Label("Label_Goukei")) label->SetCaption("合計");
    DenpyouLine_Calc(Denpyou_CurRow);
    Denpyou_CalcZeiLines(Denpyou_CurRow);
    Denpyou_CalcSeikyuuGoukei();
}
