#include "editor/LineCalc.h"

#include <string>

#include "document/Calc.h"
#include "document/Number.h"
#include "editor/Controls.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "ui/Build.h"
#include "ui/Ui.h"

int Goukei_CostShown = 0;

namespace {

// A pass's amount of a line in the grid's window into its row's amount label.
void ShowLineAmount(int line, const std::string& text) {
    const int row = line - Denpyou_TopLine;
    if (row < 0 || row >= Denpyou_GridRows) return;
    if (TLabel* label = Ui_Label(Ui_RowName("Label_DenpSyoukei_", row + 1).c_str())) label->SetCaption(text);
}

void ShowTotal(const std::string& text) {
    if (TLabel* label = Ui_Label("Label_SeikyuuGoukei")) label->SetCaption(text);
}

// The text of one edit of a grid row; the stored line field stands in
// without a window.
std::string RowText(const char* prefix, int row, int line, DenpyouLineField field) {
    if (TEdit* edit = Ui_Edit(Ui_RowName(prefix, row + 1).c_str())) return edit->Text();
    return Denpyou_LineField[Denpyou_LineFieldCount * line + field];
}
double RowNumber(const char* prefix, int row, int line, DenpyouLineField field) {
    return Num_ReadReal(RowText(prefix, row, line, field).c_str());
}

}  // namespace

void LineCalc_ShowPasses() { Denpyou_View = {ShowLineAmount, ShowTotal}; }

void DenpyouLine_Calc(int row) {
    if (row < 0 || row >= Denpyou_GridRows) return;
    const int line = Denpyou_TopLine + row;
    if (line < 0 || line >= Denpyou_LineMax) return;

    TDenpyouLineValues v;
    v.Tanka = RowNumber("Edit_DenpTanka_", row, line, LineField_Tanka);
    v.TankaRitu = RowNumber("Edit_DenpTankaRitu_", row, line, LineField_TankaRitu);
    v.Suuryou = RowNumber("Edit_DenpSuuryou_", row, line, LineField_Suuryou);
    v.Siire = RowNumber("Edit_DenpSiire_", row, line, LineField_Siire);
    v.SiireRitu = RowNumber("Edit_DenpSiireRitu_", row, line, LineField_SiireRitu);
    const std::string jitubai = RowText("Edit_DenpJitubaiTanka_", row, line, LineField_JitubaiTanka);
    v.Jitubai = Num_ReadReal(jitubai.c_str());
    v.JitubaiTyped = jitubai.c_str();
    const TDenpyouLineResult r = DenpyouLine_Apply(line, v);

    if (TLabel* label = Ui_Label(Ui_RowName("Label_DenpSankouTanka_", row + 1).c_str()))
        label->SetCaption(r.SankouText);
    if (TEdit* edit = Ui_Edit(Ui_RowName("Edit_DenpJitubaiTanka_", row + 1).c_str())) {
        edit->Font.Color = r.Blue ? clBlue : clBlack;
        edit->SetText(r.JitubaiText);
    }
    if (TLabel* label = Ui_Label(Ui_RowName("Label_DenpSyoukei_", row + 1).c_str()))
        label->SetCaption(r.AmountText);
}

void Label_GoukeiMouseDown() {
    if (Goukei_CostShown != 0) return;
    Goukei_CostShown = 1;
    if (TLabel* label = Ui_Label("Label_Goukei")) label->SetCaption("仕入合計");
    ShowTotal(Denpyou_SiireGoukeiText());
}

void Label_GoukeiMouseUp() {
    if (Goukei_CostShown != 1) return;
    Goukei_CostShown = 0;
    if (TLabel* label = Ui_Label("Label_Goukei")) label->SetCaption("合計");
    DenpyouLine_Calc(Denpyou_CurRow);
    Denpyou_CalcZeiLines(Denpyou_CurRow);
    Denpyou_CalcSeikyuuGoukei();
}
