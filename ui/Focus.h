// Focus codes: every input control of every screen has a fixed code. The
// focus-in handler of a control that accepts the focus stores its code in
// Focus_Code; Focus_Restore gives the focus back to the control of the code.
//
// The focus-in protocol, kept by every focus-in handler of a coded control:
//     if (Focus_Locked()) return;          // a chooser or the exit question holds the keys
//     ... the handler's own checks; it may send the focus elsewhere ...
//     Focus_Take(code);                    // accepted
//     ... the handler's own work ...
// or, for a handler without checks of its own, `if (!Focus_Accept(code)) return;`.
//
// The edits declared by an edit table (ui/EditTable.h) keep it without a
// line of their own.
//
// Each folder gives its part of the code table as a constexpr function that
// adds its codes to a TFocusCodes, named by its record (ui/Folder.h); the
// window's table (app/FocusTable.h) is assembled from the parts at compile
// time, checked there for its count, its ends and a code claimed twice (the
// build names both controls: ui/FocusClash.h), and handed to Focus_SetTable.
#pragma once

struct TFocusEntry {
    int Code;
    char Name[40];  // the control's name
};

// A part of the code table under construction (compile time).
class TFocusCodes {
public:
    static constexpr int Capacity = 1024;

    // name, or name + row as two digits when row > 0.
    constexpr void Add(int code, const char* name, int row = 0) {
        TFocusEntry& e = entries_[count_++];  // more than Capacity entries do not compile
        e.Code = code;
        int i = 0;
        for (; name[i]; ++i) e.Name[i] = name[i];
        if (row > 0) {
            e.Name[i++] = static_cast<char>('0' + row / 10);
            e.Name[i++] = static_cast<char>('0' + row % 10);
        }
        e.Name[i] = '\0';
    }
    // The names in order from first, step apart.
    template <unsigned long N>
    constexpr void AddList(int first, int step, const char* const (&names)[N]) {
        for (unsigned long k = 0; k < N; ++k) Add(first + step * static_cast<int>(k), names[k]);
    }
    // prefix + "01" ... rows, step apart from first.
    constexpr void AddRows(int first, int step, const char* prefix, int rows) {
        for (int r = 1; r <= rows; ++r) Add(first + step * (r - 1), prefix, r);
    }

    constexpr int Count() const { return count_; }
    constexpr const TFocusEntry& operator[](int i) const { return entries_[i]; }

private:
    TFocusEntry entries_[Capacity]{};
    int count_ = 0;
};

// The window's table, ascending by code (app/FocusTable.h hands it over).
void Focus_SetTable(const TFocusEntry* table, int count);
// The code of a control by name; 0 when it has none.
int Focus_CodeOf(const char* name);
// The control name of a code; nullptr for a code not in the table.
const char* Focus_NameOf(int code);

extern int Focus_Code;   // the control that last accepted the focus; 0: none yet
extern bool Popup_Lock;  // while a chooser or the exit question holds the focus

// Gives the focus to the control of Focus_Code. Nothing for 0, for a code
// not in the table, and when that control cannot take the focus now (hidden or
// disabled): the focus then stays where it is.
void Focus_Restore();

// The protocol's first step: while the lock is held, Focus_Restore and true.
bool Focus_Locked();
// The protocol's last step: Flag_EnterCommitted := false, Focus_Code := code.
void Focus_Take(int code);
// Both: false after restoring when the lock is held; else takes the code.
bool Focus_Accept(int code);

// Who holds the lock: each chooser, question or command that holds it has a
// holder of its own (a constant of its folder, known by its address). Each
// takes and releases its own share; the lock is released only when no holder
// is left, so that answering the exit question "いいえ" leaves an open
// chooser's lock in force.
struct TLockHolder {
    const char* Name;  // for reading, no more
};
void Popup_LockTake(const TLockHolder& holder);
void Popup_LockRelease(const TLockHolder& holder);
// Whether a holder has the lock.
bool Popup_LockHeldBy(const TLockHolder& holder);
// Start-up: no holder, Popup_Lock false.
void Popup_LockReset();
