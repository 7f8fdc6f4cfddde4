#include "platform/Form.h"

#include <algorithm>

TForm::TForm() {
    Font.Name = "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ Ｐゴシック
    Font.Height = -12;
}

TForm::~TForm() = default;

void TForm::Adopt(std::unique_ptr<TControl> control) {
    TControl* raw = control.get();
    raw->TabOrder = static_cast<int>(all_.size());
    byName_[raw->Name()] = raw;
    all_.push_back(raw);
    if (!raw->Parent()) topLevel_.push_back(raw);
    owned_.push_back(std::move(control));
}

TControl* TForm::Find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

// ------------------------------------------------------------------ focus

void TForm::FocusControl(TControl* control, bool fromMouse) {
    if (!control || control == focused_ || !control->CanFocus()) return;
    TControl* left = focused_;
    focused_ = control;
    if (host_) host_->FocusChanged();
    Invalidate();
    if (left && left->OnExit) left->OnExit(left);
    if (focused_ != control) return;  // the focus-out sent the focus elsewhere
    if (control->OnEnter) control->OnEnter(control);
    if (focused_ != control) return;  // the focus-in refused the focus
    switch (control->Kind()) {
        case TControlKind::Edit: {
            auto* edit = static_cast<TEdit*>(control);
            if (fromMouse) break;  // the press places the caret
            if (edit->AutoSelect) edit->SelectAll();
            else edit->SetSel(static_cast<int>(edit->Text().size()), 0);
            break;
        }
        case TControlKind::RadioButton:
            static_cast<TRadioButton*>(control)->SetChecked(true);
            break;
        default:
            break;
    }
}

void TForm::ControlLostVisibility(TControl* control) {
    if (!focused_ || !control->Contains(focused_) || focused_->CanFocus()) return;
    TControl* left = focused_;
    focused_ = nullptr;
    if (host_) host_->FocusChanged();
    if (left->OnExit) left->OnExit(left);
}

void TForm::MoveTab(bool backwards) {
    std::vector<TControl*> order;
    for (TControl* c : all_)
        if (c->TabStop && c->CanFocus()) order.push_back(c);
    if (order.empty()) return;
    std::stable_sort(order.begin(), order.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder < b->TabOrder; });
    auto it = std::find(order.begin(), order.end(), focused_);
    const int n = static_cast<int>(order.size());
    int i = it == order.end() ? (backwards ? 0 : -1) : static_cast<int>(it - order.begin());
    i = backwards ? (i - 1 + n) % n : (i + 1) % n;
    FocusControl(order[i]);
}

// ------------------------------------------------------------------- keys

void TForm::KeyDown(Word key, TShiftState shift) {
    TControl* target = focused_;
    if (!target) return;
    if (target->OnKeyDown) target->OnKeyDown(target, key, shift);
    if (focused_ != target) return;  // own processing only while it keeps the focus
    if (key == vk::Tab) {
        MoveTab(shift.Shift);
        return;
    }
    switch (target->Kind()) {
        case TControlKind::Edit:
            static_cast<TEdit*>(target)->ProcessKey(key, shift);
            break;
        case TControlKind::CheckBox:
            if (key == vk::Space) {
                auto* box = static_cast<TCheckBox*>(target);
                box->SetChecked(!box->Checked());
            }
            break;
        case TControlKind::Button:
            if ((key == vk::Space || key == vk::Return) && target->OnClick) target->OnClick(target);
            break;
        case TControlKind::DriveComboBox:
            static_cast<TDriveComboBox*>(target)->ProcessKey(key);
            break;
        case TControlKind::DirectoryListBox:
            static_cast<TDirectoryListBox*>(target)->ProcessKey(key);
            break;
        default:
            break;
    }
}

void TForm::InputText(const std::string& cp932) {
    if (!focused_ || focused_->Kind() != TControlKind::Edit) return;
    static_cast<TEdit*>(focused_)->InsertText(cp932);
}

// ------------------------------------------------------------------ mouse

TControl* TForm::HitTest(TControl* control, int x, int y) const {
    if (!control->Visible()) return nullptr;
    if (x < control->Left || y < control->Top || x >= control->Left + control->Width ||
        y >= control->Top + control->Height)
        return nullptr;
    const auto& kids = control->Children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it)
        if (TControl* hit = HitTest(*it, x - control->Left, y - control->Top)) return hit;
    return control;
}

TControl* TForm::ControlAt(int x, int y) const {
    for (auto it = topLevel_.rbegin(); it != topLevel_.rend(); ++it)
        if (TControl* hit = HitTest(*it, x, y)) return hit;
    return nullptr;
}

// Caret placement by a press: the backend's measure, or headless half the
// font's pixel size per byte, which is what a fixed-pitch Japanese font gives.
void TForm::PlaceCaretAt(TEdit* edit, int x) {
    if (host_) {  // the backend measures with the real font
        const int pos = host_->EditPosAt(edit, x);
        if (pos >= 0) {
            edit->SetSel(pos, 0);
            return;
        }
    }
    const int perByte = std::max(1, edit->Font.PixelSize() / 2);
    edit->SetSel(std::max(0, x - 2 + perByte / 2) / perByte, 0);
}

void TForm::PressControl(TControl* control, int x, int y) {
    if (!control || !control->Showing() || !control->EffectivelyEnabled()) return;
    if (control->Focusable()) {
        FocusControl(control, true);
        if (focused_ != control) return;  // refused: the press goes no further
        if (control->Kind() == TControlKind::Edit) PlaceCaretAt(static_cast<TEdit*>(control), x);
    }
    pressed_ = control;
    if (control->OnMouseDown) control->OnMouseDown(control, TMouseButton::mbLeft, {}, x, y);
}

void TForm::ReleaseControl(TControl* control, int x, int y) {
    if (!control || control != pressed_) return;
    pressed_ = nullptr;
    if (control->OnMouseUp) control->OnMouseUp(control, TMouseButton::mbLeft, {}, x, y);
    if (x < 0 || y < 0 || x >= control->Width || y >= control->Height) return;  // released outside
    switch (control->Kind()) {
        case TControlKind::CheckBox: {
            auto* box = static_cast<TCheckBox*>(control);
            box->SetChecked(!box->Checked());  // fires the click
            break;
        }
        case TControlKind::RadioButton:
            static_cast<TRadioButton*>(control)->SetChecked(true);
            break;
        default:
            if (control->OnClick) control->OnClick(control);
            break;
    }
}

void TForm::ClickControl(TControl* control) {
    if (!control) return;
    const int x = control->Width / 2, y = control->Height / 2;
    PressControl(control, x, y);
    if (control->Kind() == TControlKind::Edit && focused_ == control) {
        auto* edit = static_cast<TEdit*>(control);
        edit->SetSel(static_cast<int>(edit->Text().size()), 0);
    }
    ReleaseControl(control, x, y);
}

TControl* TForm::MouseDown(int x, int y, TMouseButton button, TShiftState shift) {
    TControl* hit = ControlAt(x, y);
    if (!hit) return nullptr;
    const int lx = x - hit->ScreenLeft(), ly = y - hit->ScreenTop();
    if (button != TMouseButton::mbLeft) {
        if (hit->EffectivelyEnabled() && hit->OnMouseDown) hit->OnMouseDown(hit, button, shift, lx, ly);
        return hit;
    }
    PressControl(hit, lx, ly);
    return hit;
}

void TForm::MouseUp(int x, int y, TMouseButton button, TShiftState shift) {
    if (button != TMouseButton::mbLeft || !pressed_) return;
    TControl* c = pressed_;
    ReleaseControl(c, x - c->ScreenLeft(), y - c->ScreenTop());
}

void TForm::MouseWheel(int angleDelta, TShiftState shift) {
    wheelAccum_ += angleDelta;
    while (wheelAccum_ >= 120) {
        wheelAccum_ -= 120;
        if (OnMouseWheelUp) OnMouseWheelUp(shift, WheelX, WheelY);
    }
    while (wheelAccum_ <= -120) {
        wheelAccum_ += 120;
        if (OnMouseWheelDown) OnMouseWheelDown(shift, WheelX, WheelY);
    }
}
