// The window's activation: the document editor is selected once, when the
// window first becomes active. Later activations (the user coming back from
// another program) leave the screen and the focus as they are.
#include <string>

#include "ui/CommandBar.h"
#include "app/Job.h"
#include "app/Shell.h"
#include "app/Syori_01.h"
#include "ui/Ui.h"

namespace {
bool Form_Activated = false;
}  // namespace

void Activate_Reset() { Form_Activated = false; }

void TForm_Syori_01::FormActivate() {
    if (Form_Activated) return;
    Form_Activated = true;
    Job_Current = Job_Denpyou;
    Job_Show();
    TLabel* f4 = Ui_Label("Label_Command_01_F4");
    if (!f4 || f4->Color == clSilver) return;
    Command_Enabled[3] = 0;
    Command_Enabled[4] = 0;
    Command_SetCaption(4, "F4 行削除");
    Command_SetCaption(5, "F5 行挿入");
    for (const char* cell : {"F4", "F5"})
        Button_Paint((std::string("Shape_Command_01_") + cell).c_str(), (std::string("Label_Command_01_") + cell).c_str(),
                     clSilver);
}
