// Building controls from tables: one line per control with its kind, name,
// parent, bounds, colours, font and caption. Every control of the window is
// built here, and belongs to the folder whose code built it (ui/Owner.h).
#pragma once

#include <source_location>
#include <string>

#include "platform/Form.h"

// Fonts the screens use.
extern const char* const Font_Gothic;   // "ＭＳ ゴシック", fixed pitch
extern const char* const Font_PGothic;  // "ＭＳ Ｐゴシック", proportional
extern const char* const Font_Mincho;   // "ＭＳ 明朝"

struct TControlSpec {
    TControlKind Kind;
    const char* Name;
    const char* Parent;  // nullptr or "" for the window
    int Left, Top, Width, Height;
    const char* Caption = "";
    TColor Color = clNone;      // labels: clNone is transparent; others keep their default
    TColor FontColor = clBlack;
    int FontHeight = -12;
    const char* FontName = nullptr;  // nullptr: the window's font
    TAlignment Alignment = TAlignment::taLeftJustify;
};

// The control of the spec, on its parent (a panel named so, or the window),
// owned by the calling folder. Returns it for its handlers to be bound.
TControl* Ui_Build(TForm& form, const TControlSpec& spec,
                   std::source_location where = std::source_location::current());
// The same with the kind the spec builds.
template <class T>
T* Ui_BuildAs(TForm& form, const TControlSpec& spec, std::source_location where = std::source_location::current()) {
    return static_cast<T*>(Ui_Build(form, spec, where));
}
template <size_t N>
void Ui_BuildAll(TForm& form, const TControlSpec (&specs)[N],
                 std::source_location where = std::source_location::current()) {
    for (const auto& s : specs) Ui_Build(form, s, where);
}
// "Edit_DenpSyousai_" + row as two digits ("01" ... "20").
std::string Ui_RowName(const char* prefix, int row);
// A frame shape under a label that acts as a button (the menu, the bar,
// the page labels): shape first, then the centred white label on it.
// Returns the label.
TLabel* Ui_BuildButton(TForm& form, const char* parent, const char* shapeName, const char* labelName, int left,
                       int top, int width, int height, int labelWidth, int labelHeight, const char* caption,
                       TColor color, int fontHeight = -15,
                       std::source_location where = std::source_location::current());
