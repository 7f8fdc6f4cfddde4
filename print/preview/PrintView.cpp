#include "print/preview/PrintView.h"

#include "document/Document.h"
#include "store/Today.h"
#include "ui/Build.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// Read by printing already (print/PrintInputs.h).
constexpr const char* PrintView_Pending[] = {"Label_PrintView_PrintWareki", "CheckBox_MakeDayNotPrint", nullptr};

const TScreen PrintView_Screen{
    .Panel = "Panel_PrintView",
    .Over = Job_Bit(Job_Denpyou),
    .Shown = [] { return Ui_Shown("Panel_PrintView"); },
    .Pending = PrintView_Pending,
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

void PrintView_CreateControls(TForm& form) {
    // The print date: era year, month, day.
    static const TControlSpec specs[] = {
        {TControlKind::Edit, "Edit_PanelPrintView_Year", "Panel_PrintView", 700, 10, 28, 20},
        {TControlKind::Edit, "Edit_PanelPrintView_Month", "Panel_PrintView", 750, 10, 28, 20},
        {TControlKind::Edit, "Edit_PanelPrintView_Day", "Panel_PrintView", 800, 10, 28, 20},
    };
    Ui_BuildAll(form, specs);
    for (const auto& s : specs) form.FindAs<TEdit>(s.Name)->MaxLength = 2;
}

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
