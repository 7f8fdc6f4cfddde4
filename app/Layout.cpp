#include "app/Layout.h"

#include <iterator>
#include <string>

#include "app/Syori_01.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

struct TPanelPlace {
    const char* Name;
    int Left, Top, Width, Height;
    bool Visible;
};

// Where each screen lies after start-up.
constexpr TPanelPlace Panel_Places[] = {
    {"Panel_ChooseSyori", 10, 6, 989, 49, true},
    {"Panel_Denpyou", 10, 58, 989, 549, false},
    {"Panel_DenpyouList", 10, 58, 989, 549, false},
    {"Panel_Kokyaku", 10, 58, 989, 549, false},
    {"Panel_Hinsyu", 10, 58, 989, 549, false},
    {"Panel_Syouhin", 10, 58, 989, 549, false},
    {"Panel_Jisya", 10, 58, 989, 549, false},
    {"Panel_BackUp", 10, 58, 989, 549, false},
    {"Panel_Gyousyu", 10, 58, 989, 549, false},
    {"Panel_SyouhinChoose", 112, 394, 865, 275, false},
    {"Panel_ChooseKokyaku", 86, 124, 687, 439, false},
    {"Panel_DenpyouList_SubPage", 10, 104, 965, 431, false},
    {"Panel_Seiri", 312, 368, 441, 141, false},
    {"Panel_Tanni", 784, 82, 91, 541, false},
    {"Panel_Msg", 10, 612, 989, 60, true},
    {"Panel_Command_01", 10, 674, 989, 49, true},
    // Last, so that it lies over every other screen.
    {"Panel_PrintView", 8, 4, 991, 711, false},
};

// Panels that keep the bounds they were created with.
constexpr TPanelPlace Panel_Designed[] = {
    {"Panel_ExitChoose", 262, 300, 499, 123, false},
    {"Panel_ChooseHinsyu", 560, 70, 420, 530, false},
};

// Panels that lie inside another screen rather than on the window.
const char* ParentOf(const char* name) {
    std::string n(name);
    if (n == "Panel_Seiri") return "Panel_BackUp";
    if (n == "Panel_DenpyouList_SubPage") return "Panel_DenpyouList";
    return nullptr;
}

}  // namespace

void Layout_CreatePanels(TForm& form) {
    auto create = [&form](const TPanelPlace& p) {
        // Bounds are relative to the parent, like every control's.
        auto* panel = static_cast<TPanel*>(Ui_Build(
            form, {TControlKind::Panel, p.Name, ParentOf(p.Name), p.Left, p.Top, p.Width, p.Height}));
        panel->SetVisible(false);
    };
    // Later panels lie over earlier ones: the screens, then the questions and
    // choosers over them, then the preview over everything.
    const size_t screens = std::size(Panel_Places) - 1;
    for (size_t i = 0; i < screens; ++i) create(Panel_Places[i]);
    for (const auto& p : Panel_Designed) create(p);
    create(Panel_Places[screens]);
}

void Form_LayoutPanels() {
    TForm* form = Form_Syori_01;
    if (!form) return;
    form->ClientWidth = 1024;
    form->ClientHeight = 768;
    for (const auto& p : Panel_Places) {
        TControl* panel = form->Find(p.Name);
        if (!panel) continue;
        panel->SetBounds(p.Left, p.Top, p.Width, p.Height);
        panel->SetVisible(p.Visible);
    }
}
