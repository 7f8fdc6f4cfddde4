#include "print/preview/PrintView.h"

#include "document/Document.h"
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
    .Open = PrintView_Open,
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

}  // namespace

void PrintView_Register() {
    Screen_Register(Utiwake_Screen);
    Screen_Register(PrintView_Screen);
}

void PrintView_ShowToday() {
    const struct {
        const char* Edit;
        const char* Text;
    } parts[] = {{"Edit_PanelPrintView_Year", Today_WarekiText},
                 {"Edit_PanelPrintView_Month", Today_MonthText},
                 {"Edit_PanelPrintView_Day", Today_DayText}};
    for (const auto& p : parts)
        if (TEdit* e = Ui_Edit(p.Edit)) e->SetText(p.Text);
}
