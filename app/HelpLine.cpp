#include "app/HelpLine.h"

#include <string>

#include "platform/File.h"
#include "platform/Shell.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = "Panel_Msg";
constexpr const char* Manual_Path = "Manual\\Manual.pdf";

}  // namespace

void HelpLine_CreateControls(TForm& form) {
    auto* box = Ui_BuildAs<TShape>(form, {TControlKind::Shape, "Shape_Manual", Panel, 2, 14, 79, 42});
    box->Pen.Color = clOlive;
    box->Brush.Color = clOlive;
    // Two lines in the box, each a link to the same file.
    static const TControlSpec lines[] = {
        {TControlKind::Label, "Label_Manual", Panel, 6, 18, 71, 16, "操作方法", clOlive, clWhite, -15, Font_Gothic,
         TAlignment::taCenter},
        {TControlKind::Label, "Label_Manual2", Panel, 6, 36, 71, 16, "を見る", clOlive, clWhite, -15, Font_Gothic,
         TAlignment::taCenter},
    };
    for (const TControlSpec& line : lines) Ui_Build(form, line)->OnClick = [](TControl*) { Label_ManualClick(); };
    // Beside the link, the help text (empty until a screen writes one:
    // HelpLine_Show) and the progress bar, which shows only while some
    // screen draws on it.
    Ui_Build(form, {TControlKind::Label, "Label_Help", Panel, 84, 14, 901, 39, "", clNone, clBlack, -15, Font_Gothic});
    Ui_BuildAs<TShape>(form, {TControlKind::Shape, "Shape_Progress", Panel, 84, 14, 901, 39})->SetVisible(false);
}

void HelpLine_Show(const char* text) {
    if (TLabel* help = Ui_Label("Label_Help")) help->SetCaption(text);
}

void Label_ManualClick() {
    // A missing manual would only make the desktop show an error of its own.
    if (File_Exists(Manual_Path)) Shell_OpenDocument(Platform_HostPath(Manual_Path));
}
