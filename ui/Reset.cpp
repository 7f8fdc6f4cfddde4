#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/Ui.h"

void Ui_Reset() {
    Job_Current = Job_First;
    Focus_Code = 0;
    Popup_LockReset();
    Flag_EnterCommitted = false;
    Command_EnableAll(true);
    Wheel_Reset();
}
