#include "ui/Focus.h"

#include <cstring>

#include "ui/Flags.h"
#include "ui/Ui.h"

int Focus_Code = 0;
int Popup_Lock = Flag_False;
int Focus_CodeSaved = 5010;
int Focus_CodeSavedKokyaku = 1120;

namespace {

const TFocusEntry* Focus_Table = nullptr;
int Focus_TableCount = 0;

const TFocusEntry* Find(int code) {
    int lo = 0, hi = Focus_TableCount - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        if (Focus_Table[mid].Code == code) return &Focus_Table[mid];
        if (Focus_Table[mid].Code < code) lo = mid + 1;
        else hi = mid - 1;
    }
    return nullptr;
}

unsigned Lock_Holders = 0;

}  // namespace

void Focus_SetTable(const TFocusEntry* table, int count) {
    Focus_Table = table;
    Focus_TableCount = count;
}

int Focus_CodeOf(const char* name) {
    for (int i = 0; i < Focus_TableCount; ++i)
        if (std::strcmp(Focus_Table[i].Name, name) == 0) return Focus_Table[i].Code;
    return 0;
}

const char* Focus_NameOf(int code) {
    const TFocusEntry* e = Find(code);
    return e ? e->Name : nullptr;
}

void Focus_Restore() {
    const TFocusEntry* e = Find(Focus_Code);
    if (!e || !e->Restored) return;
    TControl* control = Ui_Control(e->Name);
    if (!control || !control->CanFocus()) return;
    control->SetFocus();
}

bool Focus_Locked() {
    if (Popup_Lock == Flag_False) return false;
    Focus_Restore();
    return true;
}

void Focus_Take(int code) {
    Flag_EnterCommitted = Flag_False;
    Focus_Code = code;
}

bool Focus_Accept(int code) {
    if (Focus_Locked()) return false;
    Focus_Take(code);
    return true;
}

void Popup_LockTake(TLockHolder holder) {
    Lock_Holders |= holder;
    Popup_Lock = Flag_True;
}

void Popup_LockRelease(TLockHolder holder) {
    Lock_Holders &= ~static_cast<unsigned>(holder);
    Popup_Lock = Lock_Holders ? Flag_True : Flag_False;
}

bool Popup_LockHeldBy(TLockHolder holder) { return (Lock_Holders & holder) != 0; }

void Popup_LockReset() {
    Lock_Holders = 0;
    Popup_Lock = Flag_False;
}
