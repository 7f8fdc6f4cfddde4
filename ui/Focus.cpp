#include "ui/Focus.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ui/Flags.h"
#include "ui/Ui.h"

int Focus_Code = 0;
bool Popup_Lock = false;

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

std::vector<const TLockHolder*> Lock_Holders;

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
    if (!e) return;
    TControl* control = Ui_Control(e->Name);
    if (!control || !control->CanFocus()) return;
    control->SetFocus();
}

bool Focus_Locked() {
    if (!Popup_Lock) return false;
    Focus_Restore();
    return true;
}

void Focus_Take(int code) {
    Flag_EnterCommitted = false;
    Focus_Code = code;
}

bool Focus_Accept(int code) {
    if (Focus_Locked()) return false;
    Focus_Take(code);
    return true;
}

void Popup_LockTake(const TLockHolder& holder) {
    if (!Popup_LockHeldBy(holder)) Lock_Holders.push_back(&holder);
    Popup_Lock = true;
}

void Popup_LockRelease(const TLockHolder& holder) {
    std::erase(Lock_Holders, &holder);
    Popup_Lock = !Lock_Holders.empty();
}

bool Popup_LockHeldBy(const TLockHolder& holder) {
    return std::find(Lock_Holders.begin(), Lock_Holders.end(), &holder) != Lock_Holders.end();
}

void Popup_LockReset() {
    Lock_Holders.clear();
    Popup_Lock = false;
}
