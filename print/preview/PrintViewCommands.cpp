// The preview's command labels (print, pages back and forward, close), their
// press colours, and the title click that cycles a breakdown title.
#include <string>

#include "document/Document.h"
#include "editor/EditorScreen.h"
#include "print/DenpyouPrint.h"
#include "print/preview/PrintView.h"
#include "print/preview/PrintViewHandlers.h"
#include "store/Denpyou.h"
#include "ui/CommandBar.h"
#include "ui/Job.h"
#include "ui/Ui.h"

namespace {

void ShowMoved(TListMove move) {
    if (move.Page) PrintView_ShowMeisai(PrintView_Top);
}

// The label of F1, F5, F6 or F9 and its frame.
TLabel* CommandLabel(int key) { return Ui_Label(("Label_PanelPrintView_F" + std::to_string(key)).c_str()); }
TShape* CommandFrame(int key) { return Ui_Shape(("Shape_PanelPrintView_F" + std::to_string(key)).c_str()); }

void PaintCommand(TShape* frame, TLabel* label, TColor color, int penWidth, TColor pen) {
    frame->Brush.Color = color;
    frame->Pen.Width = penWidth;
    frame->Pen.Color = pen;
    if (label) label->Color = color;
    Ui_Invalidate();
}

}  // namespace

const char* PrintView_UtiwakeTitle() {
    switch (Utiwake_Kind) {
        case 1: return "見 積 内 訳 書";
        case 2: return "請 求 内 訳 書";
        default: return "内    訳    書";
    }
}

void Label_PanelPrintView_F1Click() {
    if (Job_Current != Job_Denpyou || Denpyou_CurRec < 1 || Denpyou_CurRec > Denpyou_Count + 1) return;
    // A job that failed stored nothing: the editor keeps its document and
    // its cursor, and the focus stays in the preview.
    if (!Denpyou_Print(PrintView_Gather())) return;
    Denpyou_FocusHeader();
}

void Label_PanelPrintView_F5Click() { ShowMoved(PrintView_Window.PageBack()); }

// From 0 the pages start at 0, 12, ..., 180, then 188; back from 188 at 176,
// 164, ..., 8, 0.
void Label_PanelPrintView_F6Click() { ShowMoved(PrintView_Window.PageOn()); }

void Label_PanelPrintView_F9Click() {
    if (TPanel* panel = Ui_Panel("Panel_PrintView")) panel->Hide();
    // No field of the editor holds the focus: the bar's edit without handlers.
    CommandBar_TakeFocus();
}

void Label_PanelPrintView_MouseDown(int key) {
    TShape* frame = CommandFrame(key);
    if (!frame || frame->Pen.Color == clRed) return;
    PaintCommand(frame, CommandLabel(key), clRed, 2, clRed);
}

void Label_PanelPrintView_MouseUp(int key) {
    TShape* frame = CommandFrame(key);
    // F1's frame goes back to olive, the others' to a black pen.
    const TColor pen = key == 1 ? clOlive : clBlack;
    if (!frame || frame->Pen.Color == pen) return;
    PaintCommand(frame, CommandLabel(key), clOlive, 1, pen);
}

void Label_PrintViewTitleClick() {
    if (Denpyou_KindShown() != PrintKind_Utiwake) return;
    Utiwake_Kind = (Utiwake_Kind + 1) % 3;
    if (TLabel* title = Ui_Label("Label_PrintViewTitle")) title->SetCaption(PrintView_UtiwakeTitle());
}
