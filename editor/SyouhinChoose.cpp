#include "editor/SyouhinChoose.h"

#include "ui/Screen.h"
#include "ui/Ui.h"

int SyouhinChoose_Hits[1000] = {};

namespace {

constexpr const char* Panel = "Panel_SyouhinChoose";

void SyouhinChoose_Dismiss() {
    if (TPanel* p = Ui_Panel(Panel); p && p->Visible()) p->Hide();
}

}  // namespace

bool SyouhinChoose_Shown() { return Ui_Shown(Panel); }

const TScreen SyouhinChoose_Screen{
    .Panel = Panel,
    .Over = Job_Bit(Job_Denpyou),
    .Shown = SyouhinChoose_Shown,
    .Dismiss = SyouhinChoose_Dismiss,
};
