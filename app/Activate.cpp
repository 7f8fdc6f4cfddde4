// The window's activation: the document editor is selected once, when the
// window first becomes active. Later activations (the user coming back from
// another program) leave the screen and the focus as they are.
//
// The editor's show leaves F4 and F5 off in both of its states (a stored
// and a new document), so their cells are silver when it returns: the
// activation has nothing more to set on the bar.
#include "app/Shell.h"
#include "app/Syori_01.h"
#include "ui/Job.h"

namespace {
bool Form_Activated = false;
}  // namespace

void Activate_Reset() { Form_Activated = false; }

void TForm_Syori_01::FormActivate() {
    if (Form_Activated) return;
    Form_Activated = true;
    Job_Current = Job_First;
    Job_Show();
}
