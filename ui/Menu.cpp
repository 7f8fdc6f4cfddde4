#include "ui/Menu.h"

#include <vector>

#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/PressLook.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int Entry_Width = 95, Entry_Height = 47, Label_Width = 87, Label_Height = 37;

TLabel* BuildEntry(TForm& form, const char* panel, const TMenuEntry& e, int left) {
    const std::string shape = Ui_RowName("Shape_Job_", e.No), label = Ui_RowName("Label_Job_", e.No);
    TLabel* l = Ui_BuildButton(form, panel, shape.c_str(), label.c_str(), left, 1, Entry_Width, Entry_Height,
                               Label_Width, Label_Height, e.Caption, clOlive);
    const int no = e.No;
    l->OnClick = [no](TControl*) { Menu_Click(no); };
    return l;
}

}  // namespace

void Menu_CreateControls(TForm& form, const char* panel) {
    int screens = 0;
    const TScreen* const* byJob = Screen_ByJob(screens);
    int left = 2;
    for (int i = 0; i < screens; ++i) {
        if (!byJob[i]->Menu.No) continue;
        BuildEntry(form, panel, byJob[i]->Menu, left);
        left += Menu_EntryStep;
    }
    int count = 0;
    const TScreen* const* records = Screen_Records(count);
    std::vector<const TMenuEntry*> others;
    for (int i = 0; i < count; ++i)
        if (records[i]->Job == Job_None && records[i]->Menu.No) others.push_back(&records[i]->Menu);
    left = Menu_PanelWidth - Menu_EntryStep * static_cast<int>(others.size());
    for (const TMenuEntry* e : others) {
        TLabel* label = BuildEntry(form, panel, *e, left);
        PressLook_Button(Ui_Built<TShape>(form, Ui_RowName("Shape_Job_", e->No)), *label);
        left += Menu_EntryStep;
    }
    auto* catcher = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Menu_Catcher, panel, 984, 16, 0, 14});
    catcher->TabStop = false;
    catcher->ImeMode = TImeMode::imClose;
}

void Menu_Paint(int menuNo, TColor color) {
    Button_Paint(Ui_RowName("Shape_Job_", menuNo).c_str(), Ui_RowName("Label_Job_", menuNo).c_str(), color);
}

void Menu_Click(int menuNo) {
    // An entry of a record that is no screen (the exit) opens it, whatever
    // holds the lock.
    if (const TScreen* other = Screen_OfMenu(menuNo, false)) {
        if (other->Open) other->Open();
        return;
    }
    if (Popup_Lock) return;
    Screen_DismissAll();  // the product chooser closes even when the screen stays
    const TScreen* screen = Screen_OfMenu(menuNo);
    if (!screen || Job_Current == screen->Job) return;
    Screen_LeaveAll();
    Screen_Selected(screen->Job);
    Job_Current = screen->Job;
    Job_Show();
}
