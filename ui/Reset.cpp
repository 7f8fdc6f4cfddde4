#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/Ui.h"

void Ui_Reset() {
    Job_Current = Job_Denpyou;
    Focus_Code = 0;
    Focus_CodeSaved = 5010;
    Focus_CodeSavedKokyaku = 1120;
    Popup_LockReset();
    Flag_EnterCommitted = Flag_False;
    Command_EnableAll(true);
    Wheel_Reset();
}
