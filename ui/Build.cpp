#include "ui/Build.h"

#include <cstdio>

#include "ui/Owner.h"

const char* const Font_Gothic = "ＭＳ ゴシック";
const char* const Font_PGothic = "ＭＳ Ｐゴシック";
const char* const Font_Mincho = "ＭＳ 明朝";

TControl* Ui_Build(TForm& form, const TControlSpec& s, std::source_location where) {
    TControl* parent = (s.Parent && *s.Parent) ? form.Find(s.Parent) : nullptr;
    TControl* c = nullptr;
    switch (s.Kind) {
        case TControlKind::Panel: c = form.Create<TPanel>(s.Name, parent); break;
        case TControlKind::Label: {
            auto* l = form.Create<TLabel>(s.Name, parent);
            l->Alignment = s.Alignment;
            c = l;
            break;
        }
        case TControlKind::Edit: {
            auto* e = form.Create<TEdit>(s.Name, parent);
            e->Alignment = s.Alignment;
            c = e;
            break;
        }
        case TControlKind::Shape: c = form.Create<TShape>(s.Name, parent); break;
        case TControlKind::CheckBox: c = form.Create<TCheckBox>(s.Name, parent); break;
        case TControlKind::RadioButton: c = form.Create<TRadioButton>(s.Name, parent); break;
        case TControlKind::Button: c = form.Create<TButton>(s.Name, parent); break;
        case TControlKind::DriveComboBox: c = form.Create<TDriveComboBox>(s.Name, parent); break;
        case TControlKind::DirectoryListBox: c = form.Create<TDirectoryListBox>(s.Name, parent); break;
    }
    c->Left = s.Left;
    c->Top = s.Top;
    c->Width = s.Width;
    c->Height = s.Height;
    c->Caption = s.Caption;
    if (s.Color != clNone || s.Kind == TControlKind::Label) c->Color = s.Color;
    c->Font.Color = s.FontColor;
    c->Font.Height = s.FontHeight;
    if (s.FontName) c->Font.Name = s.FontName;
    Owner_Set(c, Owner_FolderOf(where));
    return c;
}

std::string Ui_RowName(const char* prefix, int row) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", row);
    return std::string(prefix) + buf;
}

TLabel* Ui_BuildButton(TForm& form, const char* parent, const char* shapeName, const char* labelName, int left,
                       int top, int width, int height, int labelWidth, int labelHeight, const char* caption,
                       TColor color, int fontHeight, std::source_location where) {
    auto* shape = Ui_BuildAs<TShape>(form, {TControlKind::Shape, shapeName, parent, left, top, width, height}, where);
    shape->Pen.Color = clGray;
    shape->Brush.Color = color;
    auto* label = Ui_BuildAs<TLabel>(form,
                                     {TControlKind::Label, labelName, parent, left + (width - labelWidth) / 2,
                                      top + (height - labelHeight) / 2, labelWidth, labelHeight, caption, color,
                                      clWhite, fontHeight, Font_Gothic, TAlignment::taCenter},
                                     where);
    label->Layout_Center = true;
    return label;
}
