#include "print/preview/PrintView.h"

#include "document/Document.h"
#include "editor/EditorScreen.h"
#include "store/Today.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// Shown over the editor, opened by its F3. While it is shown the function
// keys keep their editor meaning: it takes none.
const TScreen PrintView_Screen{
    .Panel = "Panel_PrintView",
    .Over = Job_Bit(Job_Denpyou),
    .Shown = [] { return Ui_Shown("Panel_PrintView"); },
    // The preview lies over the editor and has no list: the wheel moves
    // nothing, not the grid's cursor under it either (which would take the
    // focus out of the preview).
    .Wheel = [](bool) {},
    .JisyaShown = PrintView_ShowJisya,
};

// F9, on every screen and before anything else it does, starts the
// breakdown statement's title variant over; the key goes on.
const TScreen Utiwake_Screen{
    .Over = Job_Every,
    .Keys = {.F9 = [] {
        Utiwake_Kind = 0;
        return false;
    }},
};

void ShowToday() {
    const struct {
        const char* Edit;
        const char* Text;
    } parts[] = {{"Edit_PanelPrintView_Year", Today_WarekiText},
                 {"Edit_PanelPrintView_Month", Today_MonthText},
                 {"Edit_PanelPrintView_Day", Today_DayText}};
    for (const auto& p : parts)
        if (TEdit* e = Ui_Edit(p.Edit)) e->SetText(p.Text);
}

}  // namespace

void PrintView_Register() {
    Screen_Register(Utiwake_Screen);
    Screen_Register(PrintView_Screen);
    Denpyou_SetPreview({PrintView_ResetCaptions, PrintView_Open});
}

void PrintView_ResetCaptions() {
    if (TLabel* label = Ui_Label("Label184")) label->SetCaption("単価");
    if (TLabel* label = Ui_Label("Label185")) label->SetCaption("金額");
    if (TControl* remarks = Ui_Control("Label_Prn_Bikou")) remarks->SetVisible(false);
}

// The own company's captions and no-date box are shown by its start, which
// comes first (Jisya_Show, through Screen_JisyaShown).
void PrintView_Start() { ShowToday(); }
