#include "print/PrintView.h"

#include "ui/Build.h"

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
