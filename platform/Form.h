// The window: owns every control, knows them by name, keeps the focus and
// routes keys, typed text, mouse and wheel events to the controls' handlers.
// It is headless; a backend (platform/qt) paints it and feeds it events.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Controls.h"

// What the form asks of whatever shows it.
class TFormHost {
public:
    virtual ~TFormHost() = default;
    virtual void Invalidate() = 0;                    // repaint soon
    virtual void RepaintNow(TControl* control) = 0;   // repaint before returning
    virtual void FocusChanged() = 0;                  // the input method follows the focus
    // Byte offset of the character boundary nearest to x (relative to the
    // edit) as the host paints the edit; -1 when the host does not measure
    // text, and the form places the caret by its own estimate.
    virtual int EditPosAt(TEdit* edit, int x) { return -1; }
};

class TForm {
public:
    TForm();
    ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    std::string Caption;  // the window title (CP932)
    int ClientWidth = 1024;
    int ClientHeight = 768;
    TColor Color = clBtnFace;
    TFont Font;

    // Creation: parent nullptr means the window itself. Names are unique.
    template <class T>
    T* Create(const std::string& name, TControl* parent = nullptr) {
        auto owned = std::make_unique<T>(this, name, parent);
        T* raw = owned.get();
        Adopt(std::move(owned));
        return raw;
    }
    TControl* Find(const std::string& name) const;
    template <class T>
    T* FindAs(const std::string& name) const { return dynamic_cast<T*>(Find(name)); }
    const std::vector<TControl*>& TopLevel() const { return topLevel_; }
    const std::vector<TControl*>& AllControls() const { return all_; }

    // Focus.
    TControl* ActiveControl() const { return focused_; }
    // fromMouse: the caret is placed by the press instead of selecting all.
    void FocusControl(TControl* control, bool fromMouse = false);
    // Called when a control or one of its parents becomes hidden or disabled.
    void ControlLostVisibility(TControl* control);

    // Input from the user (or a test driving the window).
    void KeyDown(Word key, TShiftState shift = {});
    void InputText(const std::string& cp932);  // committed input-method text
    // Mouse on a window position; returns the control hit.
    TControl* MouseDown(int x, int y, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = {});
    void MouseUp(int x, int y, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = {});
    // Mouse on a named control (scenarios): press at a point inside it.
    void PressControl(TControl* control, int x, int y);
    void ReleaseControl(TControl* control, int x, int y);
    void ClickControl(TControl* control);
    // Wheel: angle in eighths of a degree as the mouse reports it; every
    // 120 units make one notch, partial deltas accumulate.
    void MouseWheel(int angleDelta, TShiftState shift = {});
    // A close request from the window manager: the window has no close box,
    // so it is ignored.
    bool CloseQuery() { return false; }

    // Topmost visible control at a window position (nullptr: the form).
    TControl* ControlAt(int x, int y) const;

    std::function<void(TShiftState shift, int x, int y)> OnMouseWheelDown;
    std::function<void(TShiftState shift, int x, int y)> OnMouseWheelUp;
    std::function<void()> OnActivate;

    // Backend.
    void SetHost(TFormHost* host) { host_ = host; }
    TFormHost* Host() const { return host_; }
    void Invalidate() {
        if (host_) host_->Invalidate();
    }
    void RepaintNow(TControl* control) {
        if (host_) host_->RepaintNow(control);
    }
    int WheelX = 0, WheelY = 0;  // last known mouse position

private:
    void Adopt(std::unique_ptr<TControl> control);
    void MoveTab(bool backwards);
    TControl* HitTest(TControl* control, int x, int y) const;
    void PlaceCaretAt(TEdit* edit, int x);

    std::vector<std::unique_ptr<TControl>> owned_;
    std::vector<TControl*> all_;
    std::vector<TControl*> topLevel_;
    std::unordered_map<std::string, TControl*> byName_;
    TControl* focused_ = nullptr;
    TControl* pressed_ = nullptr;
    TFormHost* host_ = nullptr;
    int wheelAccum_ = 0;
};
