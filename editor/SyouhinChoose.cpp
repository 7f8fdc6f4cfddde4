#include "editor/SyouhinChoose.h"

#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

int SyouhinChoose_Hits[1000] = {};

namespace {

constexpr const char* Panel = SyouhinChoose_Panel;

void SyouhinChoose_Dismiss() {
    if (TPanel* p = Ui_Panel(Panel); p && p->Visible()) p->Hide();
}

}  // namespace

bool SyouhinChoose_Shown() { return Ui_Shown(Panel); }

void SyouhinChoose_Close() {
    TPanel* chooser = Ui_Panel(Panel);
    if (!chooser || !chooser->Visible()) return;
    chooser->Hide();
    Denpyou_ClearSyousaiFrames();
}

void SyouhinChoose_MoveTo(int top) {
    TPanel* chooser = Ui_Panel(Panel);
    if (!chooser || chooser->Top == top) return;
    chooser->Top = top;
    Ui_Invalidate();
}

const TScreen SyouhinChoose_Screen{
    .Panel = Panel,
    .Over = Job_Bit(Job_Denpyou),
    .Shown = SyouhinChoose_Shown,
    .Dismiss = SyouhinChoose_Dismiss,
};
