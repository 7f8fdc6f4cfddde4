#include "platform/Controls.h"

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/Form.h"

TControl::TControl(TForm* form, TControlKind kind, std::string name, TControl* parent)
    : form_(form), kind_(kind), name_(std::move(name)), parent_(parent) {
    Font = form->Font;
    if (parent_) parent_->children_.push_back(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    Changed();
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (!visible) form_->ControlLostVisibility(this);
    Changed();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enabled) form_->ControlLostVisibility(this);
    Changed();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool TControl::EffectivelyEnabled() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

bool TControl::Focusable() const {
    switch (kind_) {
        case TControlKind::Edit:
        case TControlKind::CheckBox:
        case TControlKind::RadioButton:
        case TControlKind::Button:
        case TControlKind::DriveComboBox:
        case TControlKind::DirectoryListBox:
            return true;
        default:
            return false;
    }
}

bool TControl::Focused() const { return form_->ActiveControl() == this; }

void TControl::SetFocus() { form_->FocusControl(this); }

int TControl::ScreenLeft() const { return Left + (parent_ ? parent_->ScreenLeft() : 0); }
int TControl::ScreenTop() const { return Top + (parent_ ? parent_->ScreenTop() : 0); }

bool TControl::Contains(TControl* other) const {
    for (TControl* c = other; c; c = c->parent_)
        if (c == this) return true;
    return false;
}

void TControl::Repaint() { form_->RepaintNow(this); }

void TControl::Changed() { form_->Invalidate(); }

void TLabel::SetCaption(const std::string& caption) {
    if (Caption == caption) return;
    Caption = caption;
    Changed();
}

// ---------------------------------------------------------------- TEdit

TEdit::TEdit(TForm* form, std::string name, TControl* parent)
    : TControl(form, TControlKind::Edit, std::move(name), parent) {
    Color = clWhite;
}

// Text set by the program shows from its start, as a desktop edit control
// does: the caret goes before the first character and any selection is
// dropped, so a focused edit whose text is replaced (a special line's
// caption, a trimmed cell) is not left scrolled to the end of the new text.
void TEdit::SetText(const std::string& text) {
    text_ = text;
    anchor_ = caret_ = selStart_ = 0;
    selLength_ = 0;
    Changed();
}

// The start of the character that holds byte pos - 1. CP932 cannot be read
// backwards safely, so walk from the start.
int TEdit::PrevBoundary(int pos) const {
    int i = 0, prev = 0;
    while (i < pos) {
        prev = i;
        i += (Cp932_IsLead(static_cast<unsigned char>(text_[i])) && i + 1 < (int)text_.size()) ? 2 : 1;
    }
    return prev;
}

int TEdit::NextBoundary(int pos) const {
    const int n = static_cast<int>(text_.size());
    if (pos >= n) return n;
    return std::min(n, pos + ((Cp932_IsLead(static_cast<unsigned char>(text_[pos])) && pos + 1 < n) ? 2 : 1));
}

void TEdit::SetSel(int start, int length) {
    const int n = static_cast<int>(text_.size());
    start = std::clamp(start, 0, n);
    int end = std::clamp(start + std::max(0, length), 0, n);
    // Snap both ends onto character boundaries.
    auto snap = [this](int pos) {
        int i = 0;
        while (i < pos) {
            int next = NextBoundary(i);
            if (next > pos) break;
            i = next;
        }
        return i;
    };
    start = snap(start);
    end = end >= n ? n : snap(end);
    anchor_ = start;
    caret_ = end;
    selStart_ = start;
    selLength_ = end - start;
    Changed();
}

void TEdit::SetCaret(int pos, bool extend) {
    caret_ = pos;
    if (!extend) anchor_ = pos;
    selStart_ = std::min(anchor_, caret_);
    selLength_ = std::abs(caret_ - anchor_);
    Changed();
}

void TEdit::ReplaceSelection(const std::string& with) {
    text_.replace(selStart_, selLength_, with);
    const int pos = selStart_ + static_cast<int>(with.size());
    anchor_ = caret_ = selStart_ = pos;
    selLength_ = 0;
}

bool TEdit::InsertText(const std::string& cp932) {
    if (ReadOnly) return false;
    // Keep whole characters, and only as many as MaxLength allows.
    const int room = MaxLength > 0 ? MaxLength - (static_cast<int>(text_.size()) - selLength_) : 1 << 30;
    std::string take;
    for (size_t i = 0; i < cp932.size();) {
        const unsigned char c = static_cast<unsigned char>(cp932[i]);
        size_t len = Cp932_IsLead(c) ? 2 : 1;
        if (i + len > cp932.size()) break;  // a lead byte without its trail byte
        if (c < 0x20) {
            ++i;
            continue;
        }
        if (static_cast<int>(take.size() + len) > room) break;
        take.append(cp932, i, len);
        i += len;
    }
    if (take.empty()) return false;  // nothing fits: the selection stays
    ReplaceSelection(take);
    Changed();
    if (OnChange) OnChange(this);
    return true;
}

void TEdit::ProcessKey(Word key, TShiftState shift) {
    const int n = static_cast<int>(text_.size());
    switch (key) {
        case vk::Left:
            if (selLength_ && !shift.Shift) SetCaret(selStart_, false);
            else SetCaret(PrevBoundary(caret_), shift.Shift);
            break;
        case vk::Right:
            if (selLength_ && !shift.Shift) SetCaret(selStart_ + selLength_, false);
            else SetCaret(NextBoundary(caret_), shift.Shift);
            break;
        case vk::Home:
            SetCaret(0, shift.Shift);
            break;
        case vk::End:
            SetCaret(n, shift.Shift);
            break;
        case vk::Back:
        case vk::Delete: {
            if (ReadOnly) break;
            if (selLength_ == 0) {
                if (key == vk::Back) {
                    if (caret_ == 0) break;
                    const int from = PrevBoundary(caret_);
                    anchor_ = caret_;
                    SetCaret(from, true);
                } else {
                    if (caret_ >= n) break;
                    anchor_ = caret_;
                    SetCaret(NextBoundary(caret_), true);
                }
            }
            ReplaceSelection("");
            Changed();
            if (OnChange) OnChange(this);
            break;
        }
        default:
            break;
    }
}

// ------------------------------------------------------- check and radio

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
    if (OnClick) OnClick(this);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
    if (!checked) return;
    const auto& group = Parent() ? Parent()->Children() : Form()->TopLevel();
    for (TControl* c : group)
        if (c != this && c->Kind() == TControlKind::RadioButton) {
            auto* r = static_cast<TRadioButton*>(c);
            if (r->checked_) {
                r->checked_ = false;
            }
        }
    if (OnClick) OnClick(this);
}
