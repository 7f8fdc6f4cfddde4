#include "ui/Job.h"

#include "ui/CommandBar.h"
#include "ui/Menu.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

int Job_Current = Job_First;

namespace {

void Focus_First(const char* name) {
    if (!name) return;
    if (TControl* c = Ui_Control(name)) c->SetFocus();
}

// Shows the panel; true when it was hidden before.
bool Show_Panel(const char* name) {
    TPanel* panel = Ui_Panel(name);
    if (!panel) return false;
    const bool wasHidden = !panel->Visible();
    panel->Show();
    return wasHidden;
}

// A screen without a show of its own: its first input, its keys, its captions.
void Show_Plain(const TScreen& s, bool wasHidden) {
    if (wasHidden || s.FocusEveryShow) Focus_First(s.First);
    Command_ShowBar(s.BarOn, s.Captions);
}

}  // namespace

void Command_ShowBar(unsigned on, const TScreenCaptions& captions) {
    for (Word key = vk::F1; key <= vk::F9; ++key) Command_Enable(key, (on & Command_Key(key)) != 0);
    Command_ShowEnabled();
    const char* const texts[9] = {captions.F1, captions.F2, captions.F3, captions.F4, captions.F5,
                                  captions.F6, captions.F7, captions.F8, captions.F9};
    for (int key = 1; key <= 9; ++key)
        if (texts[key - 1]) Command_SetCaption(key, texts[key - 1]);
}

void Job_Show() {
    // In the order of the screens: the current one is shown (and its first
    // input focused) where it comes, the others hidden where they come.
    int screens = 0;
    const TScreen* const* byJob = Screen_ByJob(screens);
    for (int i = 0; i < screens; ++i) {
        const TScreen& s = *byJob[i];
        if (s.Job == Job_Current) {
            Menu_Paint(s.Menu.No, clNavy);
            const bool wasHidden = Show_Panel(s.Panel);
            if (s.Show) s.Show(wasHidden);
            else Show_Plain(s, wasHidden);
            continue;
        }
        Menu_Paint(s.Menu.No, clOlive);
        if (TPanel* panel = Ui_Panel(s.Panel); panel && panel->Visible()) panel->Hide();
    }
    // The other entries of the menu (the exit) are never the screen shown.
    int count = 0;
    const TScreen* const* records = Screen_Records(count);
    for (int i = 0; i < count; ++i)
        if (records[i]->Job == Job_None && records[i]->Menu.No) Menu_Paint(records[i]->Menu.No, clOlive);
}
