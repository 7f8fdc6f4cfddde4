// The product chooser's controls: its three bands (the special-line buttons,
// the category with the close key, the list) and what lies on them.
#include "editor/DenpSpecialLine.h"
#include "editor/SyouhinChoose.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = SyouhinChoose_Panel;
constexpr TColor clSkyBlue = 0xF0CAA6;

// The bands, borderless on the chooser's ground.
struct TBand {
    const char* Name;
    int Left, Top, Width, Height;
};
constexpr TBand Bands[] = {
    {SyouhinChoose_ButtonBand, 6, 2, 853, 32},
    {"Panel2", 6, 36, 853, 32},
    {"Panel3", 12, 70, 847, 202},
};

}  // namespace

void SyouhinChoose_CreateControls(TForm& form) {
    Ui_Built(form, Panel).Color = clSkyBlue;
    for (const TBand& b : Bands) {
        auto* band = Ui_BuildAs<TPanel>(form, {TControlKind::Panel, b.Name, Panel, b.Left, b.Top, b.Width, b.Height});
        band->Color = clSkyBlue;
        band->Bevel = false;
    }
    DenpSpecialLine_CreateControls(form, SyouhinChoose_ButtonBand);
}
