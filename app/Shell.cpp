#include "app/Shell.h"

#include "app/Exit.h"
#include "app/MenuHandlers.h"
#include "ui/Build.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Job.h"

namespace {

}  // namespace

void Shell_Reset() {
    Exit_Reset();
    Activate_Reset();
}

void Shell_CreateControls(TForm& form) {
    // Zero-width edits without handlers that hold the keys when no field
    // should (the preview sends the focus to the bar's one when it closes).
    static const TControlSpec catchers[] = {
        {TControlKind::Edit, "Edit_ChooseSyori", "Panel_ChooseSyori", 984, 16, 0, 14},
        {TControlKind::Edit, "Edit_ChooseCommand", "Panel_Command_01", 984, 16, 0, 14},
    };
    for (const auto& spec : catchers) {
        auto* edit = static_cast<TEdit*>(Ui_Build(form, spec));
        edit->TabStop = false;
        edit->ImeMode = TImeMode::imClose;
    }
    Exit_CreateControls(form);
    Menu_BindHandlers(form);
    Wheel_BindHandlers(form);
}
