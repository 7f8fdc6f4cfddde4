// The toolkit's controls. Every control lives in one TForm, which owns it and
// knows it by name. Properties without side effects are plain members; those
// whose change has rules (visibility, enabled, checked, edit text) have setters.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"
#include "platform/Volumes.h"

class TForm;
class TControl;

using TNotifyEvent = std::function<void(TControl* sender)>;
using TKeyEvent = std::function<void(TControl* sender, Word key, TShiftState shift)>;
using TMouseEvent =
    std::function<void(TControl* sender, TMouseButton button, TShiftState shift, int x, int y)>;

enum class TControlKind {
    Panel,
    Label,
    Edit,
    Shape,
    CheckBox,
    RadioButton,
    Button,
    DriveComboBox,
    DirectoryListBox,
};

class TControl {
public:
    TControl(TForm* form, TControlKind kind, std::string name, TControl* parent);
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    TControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    TControl* Parent() const { return parent_; }
    TForm* Form() const { return form_; }
    const std::vector<TControl*>& Children() const { return children_; }

    // Bounds relative to the parent's client area.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    void SetBounds(int left, int top, int width, int height);

    TColor Color = clBtnFace;
    TFont Font;
    std::string Caption;  // CP932; labels, panels, check boxes, radio buttons, buttons
    int TabOrder = 0;     // creation order unless set
    bool TabStop = true;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Visible and enabled, and so are all its parents.
    bool Showing() const;
    bool EffectivelyEnabled() const;
    // Whether the kind of control can take the keyboard focus at all.
    bool Focusable() const;
    bool CanFocus() const { return Focusable() && Showing() && EffectivelyEnabled(); }
    bool Focused() const;
    void SetFocus();

    // Position in window coordinates.
    int ScreenLeft() const;
    int ScreenTop() const;
    bool Contains(TControl* other) const;  // other is this or lies inside it

    // Paints this control at once from inside a long handler.
    void Repaint();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnChange;

    // Integer available to the system code (focus code, row number, ...).
    int Tag = 0;

protected:
    void Changed();  // asks the backend to repaint

private:
    friend class TForm;
    TForm* form_;
    TControlKind kind_;
    std::string name_;
    TControl* parent_;
    std::vector<TControl*> children_;
    bool visible_ = true;
    bool enabled_ = true;
};

class TPanel : public TControl {
public:
    TPanel(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::Panel, std::move(name), parent) {}
    bool Bevel = true;  // raised one-pixel frame
};

class TLabel : public TControl {
public:
    TLabel(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::Label, std::move(name), parent) {
        Color = clNone;
    }
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool Layout_Center = false;  // centre the text vertically
    void SetCaption(const std::string& caption);
};

enum class TShapeType { stRectangle, stRoundRect, stEllipse };

class TShape : public TControl {
public:
    TShape(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::Shape, std::move(name), parent) {}
    TShapeType Shape = TShapeType::stRectangle;
    TPen Pen;
    TBrush Brush;
};

// An edit holds CP932 bytes. MaxLength counts bytes (0: no limit). Caret and
// selection always stand on character boundaries.
class TEdit : public TControl {
public:
    TEdit(TForm* form, std::string name, TControl* parent);

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);  // from code: no OnChange, caret at the start

    int MaxLength = 0;
    bool AutoSelect = true;
    bool ReadOnly = false;
    bool BorderStyle = false;  // draws its own frame; most edits sit on a frame shape
    TAlignment Alignment = TAlignment::taLeftJustify;
    TImeMode ImeMode = TImeMode::imDontCare;

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSel(int start, int length);
    void SelectAll() { SetSel(0, static_cast<int>(text_.size())); }
    std::string SelText() const { return text_.substr(selStart_, selLength_); }
    // Caret position: the end of the selection that moves.
    int CaretPos() const { return caret_; }

    // Typed, pasted or committed text (CP932) at the caret, replacing the
    // selection. Characters that would exceed MaxLength are not inserted.
    // Returns whether anything changed.
    bool InsertText(const std::string& cp932);
    // The edit's own processing of a key (caret moves, deletion).
    void ProcessKey(Word key, TShiftState shift);

private:
    void SetCaret(int pos, bool extend);
    int PrevBoundary(int pos) const;
    int NextBoundary(int pos) const;
    void ReplaceSelection(const std::string& with);

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int caret_ = 0;
    int anchor_ = 0;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::CheckBox, std::move(name), parent) {}
    bool Checked() const { return checked_; }
    // From code: changes the state and fires OnClick when it changed.
    void SetChecked(bool checked);

private:
    bool checked_ = false;
};

// Radio buttons with the same parent form a group.
class TRadioButton : public TControl {
public:
    TRadioButton(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::RadioButton, std::move(name), parent) {}
    bool Checked() const { return checked_; }
    // Checking one unchecks the others of the group and fires OnClick when it
    // was not checked before.
    void SetChecked(bool checked);

private:
    bool checked_ = false;
};

class TButton : public TControl {
public:
    TButton(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::Button, std::move(name), parent) {}
};

// The volumes to back up to (platform/Volumes.h): the root file system, the
// home folder and the removable volumes mounted now. Drive is the chosen
// volume's root, a host path (UTF-8); Items are the volumes as shown (CP932).
// A change is reported (OnChange) whenever Drive changes, and only then.
class TDriveComboBox : public TControl {
public:
    TDriveComboBox(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::DriveComboBox, std::move(name), parent) {
        Color = clWhite;
        Refresh();  // it starts on the first volume
    }
    std::vector<TVolume> Volumes;
    std::vector<std::string> Items;  // one per volume
    int ItemIndex = -1;
    std::string Drive() const;
    // The text the box shows: the chosen volume's item.
    std::string Text() const;
    // Reads the mounted volumes again (when the screen is shown and when the
    // box opens). The choice stays with its volume while that is mounted;
    // otherwise it goes to the first volume, the root file system.
    void Refresh();
    // Chooses the volume that holds the host path.
    void SetDrive(const std::string& path);
    // Chooses item index (the drop-down, keys).
    void Select(int index);
    void ProcessKey(Word key);

private:
    void Choose(int index, const std::string& before);
};

// The folders of one volume: its root and the folders down to the current
// one, then the current folder's subfolders (hidden ones left out). Drive
// and Directory are host paths (UTF-8, no trailing '/' but at "/"); Items
// are the names as shown (CP932), Levels their indentation. A change is
// reported (OnChange) whenever Directory changes, and only then.
class TDirectoryListBox : public TControl {
public:
    TDirectoryListBox(TForm* form, std::string name, TControl* parent)
        : TControl(form, TControlKind::DirectoryListBox, std::move(name), parent) {
        Color = clWhite;
    }
    const std::string& Drive() const { return drive_; }
    const std::string& Directory() const { return directory_; }
    // The directory as shown (CP932).
    std::string DirectoryText() const;
    // Goes to the root of the volume at root; nothing when it is the drive
    // already.
    void SetDrive(const std::string& root);
    // Goes to a folder (absolute; "" empties the list). Its volume becomes
    // the drive: the drive's own when it holds the folder, else the one of
    // volumes (read now when none are given) that does.
    void SetDirectory(const std::string& dir, const std::vector<TVolume>* volumes = nullptr);
    void Update();  // reads the folders again
    std::vector<std::string> Items;
    std::vector<int> Levels;
    int ItemIndex = -1;
    int TopIndex = 0;
    int ItemHeight = 16;
    // Opens the folder of an item (double click, Return).
    void OpenItem(int index);
    void ProcessKey(Word key);

private:
    void ScrollToSelection();
    std::string drive_;
    std::string directory_;
    std::vector<std::string> paths_;
};
