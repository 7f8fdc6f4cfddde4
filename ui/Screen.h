// The registry of screens. Each folder with a screen registers one record
// of its own: the screens of the job menu (by their number, ui/Job.h), the
// panels shown over them (the choosers, the exit question, the print
// preview), and keys that act over every screen. The shell works from the
// records: Job_Show shows a screen and sets its bar, the command functions
// (ui/Commands.h) and the wheel go to the panels shown and then to the
// screen, the menu and the exit tell them that they are left, and the window
// resets them all when it is built.
//
// A record is a constant with static storage; a folder registers it from the
// Register of its folder record (ui/Folder.h). Its fields are given by name,
// in the order they are declared:
//
//     const TScreen Kokyaku_Screen{
//         .Job = Job_Kokyaku, .Panel = "Panel_Kokyaku",
//         .Menu = {.No = 3, .Caption = "顧客設定"},
//         .First = "Edit_PanelKokyaku_Name_1_01", .FocusEveryShow = true,
//         .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
//         .Captions = {.F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 顧客追加"},
//         .Keys = {.F4 = Key_F4},
//         .Reset = Kokyaku_Reset,
//     };
//     void Kokyaku_Register() { Screen_Register(Kokyaku_Screen); }
//
// The job menu is built from the records (ui/Menu.h): the screens' entries
// from the left in the order of their numbers, the entry of a record that
// is no screen (the exit, whose click runs its Open) at the right end.
//
// A panel over screens (a chooser) gives Over and Shown instead of Job:
//
//     const TScreen HinsyuChoose_Screen{
//         .Panel = "Panel_ChooseHinsyu",
//         .Over = Job_Every,
//         .Shown = HinsyuChoose_InForce,
//     };
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/Types.h"
#include "ui/Job.h"

// A handler of a key: true when it took the key; false lets the next record
// in line have it.
using TKeyHandler = bool (*)();
// A handler of the wheel, one notch that acts (down: towards later entries).
using TWheelHandler = void (*)(bool down);

struct TScreenKeys {
    TKeyHandler F1 = nullptr, F2 = nullptr, F3 = nullptr, F4 = nullptr, F5 = nullptr, F6 = nullptr,
                F7 = nullptr, F8 = nullptr, F9 = nullptr, Esc = nullptr;
    // The handler of vk::F1 ... vk::F9 or vk::Escape; nullptr for any other key.
    TKeyHandler For(Word key) const;
};

// Captions a screen gives F1 ... F9 when it is shown; nullptr keeps one.
struct TScreenCaptions {
    const char *F1 = nullptr, *F2 = nullptr, *F3 = nullptr, *F4 = nullptr, *F5 = nullptr, *F6 = nullptr,
               *F7 = nullptr, *F8 = nullptr, *F9 = nullptr;
};

// The bar's cells as bits: F1 ... F9 and the tenth cell (vk::Escape).
constexpr unsigned Command_Key(Word key) {
    return key >= vk::F1 && key <= vk::F9 ? 1u << (key - vk::F1) : key == vk::Escape ? 1u << 9 : 0u;
}
constexpr unsigned Command_Keys(std::initializer_list<Word> keys) {
    unsigned bits = 0;
    for (Word key : keys) bits |= Command_Key(key);
    return bits;
}

// The bar set as a screen is shown: F1 ... F9 on as the bits say, the others
// off (the tenth cell keeps its flag), the bar repainted, the captions given
// set.
void Command_ShowBar(unsigned on, const TScreenCaptions& captions);

// An entry of the job menu: its number, which names its controls
// (Label_Job_NN, Shape_Job_NN; 0: no entry), and its caption. A screen's
// number is its job number + 1 (Menu_EntryOf), and every number lies within
// the entries the menu's panel holds (Menu_Entries, ui/Menu.h).
struct TMenuEntry {
    int No = 0;
    const char* Caption = nullptr;
};

// Screens as bits, for the screens a panel opens over.
constexpr unsigned Job_Bit(int job) { return 1u << job; }
constexpr unsigned Job_Every = ~0u;

struct TScreen {
    // ---- what the record is
    // A screen of the job menu: its number. Job_None: a panel shown over
    // screens, or keys that act over every screen.
    int Job = Job_None;
    // The panel: the screen's, or the one shown over screens; nullptr for keys alone.
    const char* Panel = nullptr;
    // The screens it acts over (panels and keys; Job_Bit, Job_Every).
    unsigned Over = 0;
    // Whether it is shown now (panels over screens); nullptr: in force
    // whenever the screen under it is one of Over.
    bool (*Shown)() = nullptr;

    // ---- a screen: how Job_Show shows it
    // Its entry in the job menu; a panel has one only when the menu opens it
    // (the exit, with Open).
    TMenuEntry Menu{};
    const char* First = nullptr;  // focused when it is shown after being hidden
    bool FocusEveryShow = false;  // First focused every time it is shown
    unsigned BarOn = 0;           // F1 ... F9 on when shown, the others off (Command_Keys)
    TScreenCaptions Captions{};   // F1 ... F9 captions set when shown
    unsigned BarPressed = 0;      // the bar's cells that turn red while pressed on it
    // Replaces all of the above but the panel: called with the panel shown,
    // with whether it was hidden before.
    void (*Show)(bool wasHidden) = nullptr;

    // ---- what it does
    TScreenKeys Keys{};              // F1 ... F9, Esc (ui/Commands.h)
    TWheelHandler Wheel = nullptr;   // the wheel while it is in force
    void (*Open)() = nullptr;        // a record with an entry in the menu that is no screen: its click
    void (*Selected)() = nullptr;    // a screen: chosen from the menu, before it is shown
    void (*Leave)() = nullptr;       // the menu changes screens, or the program exits
    void (*Dismiss)() = nullptr;     // any menu click, or the exit: a panel that closes then
    void (*DocumentsCounted)() = nullptr;  // the document file was counted again
    // The own-company record was shown anew (start-up, a restore) or its
    // captions changed (the wording screen): what a screen shows of it.
    void (*JisyaShown)() = nullptr;
    void (*Reset)() = nullptr;       // a new window: the folder's state as at start

    // Controls that its table will create once it is built and that code
    // looks up already (a screen's first input, captions spread to it); a
    // lookup finds none and is no mistake (ui/Ui.h). nullptr-terminated;
    // "Prefix*" stands for every name that starts so.
    const char* const* Pending = nullptr;
};

// Registers a record (kept by address: give it static storage). A record
// whose menu entry has no caption, lies past the entries the menu's panel
// holds, or whose number another record holds already, and a screen whose
// entry is not its own (Menu_EntryOf its number), are refused
// (std::logic_error, naming the entry) and not registered. The records
// over screens are tried in this order: first those without a panel (keys
// over every screen), in the order they registered; then the panels from
// the one that lies on top down (the order the window's panels lie in,
// ui/Folder.h); then the screen.
void Screen_Register(const TScreen& screen);
// Forgets every record (a new window registers them again).
void Screen_ClearRegistry();

// The record of the screen shown (Job_Current); nullptr when none is registered.
const TScreen* Screen_Current();
// The record of a screen by its menu entry (screen false: of a record that is
// no screen, the exit); nullptr when none has it.
const TScreen* Screen_OfMenu(int menuNo, bool screen = true);
// The records in force now, in the order of dispatch: the panels and keys
// over the screen shown, then the screen. f is called with each; it returns
// true to stop.
template <class F>
void Screen_InForce(F&& f);
// Whether the record is in force now (see Screen_InForce).
bool Screen_IsInForce(const TScreen& screen);

// Every record's Selected (the screen chosen), Leave, Dismiss, DocumentsCounted, JisyaShown, Reset.
void Screen_Selected(int job);
void Screen_LeaveAll();
void Screen_DismissAll();
void Screen_DocumentsCounted();
void Screen_JisyaShown();
void Screen_ResetAll();

// Whether a record names the control as one its table will create.
bool Screen_IsPending(const char* name);

// Whether the bar's cell 0 ... 9 turns red while pressed on the screen shown.
bool Screen_BarPressed(int cell);
// Whether a panel in force over the screen handles the key itself (its
// label on the bar then runs whatever the key's flag says).
bool Screen_PanelHandles(Word key);

// ---- internal
// Every record in the order of registration.
const TScreen* const* Screen_Records(int& count);
// The screens' records by their numbers (in the order of registration
// among equal ones).
const TScreen* const* Screen_ByJob(int& count);
// The records over screens in the order they are tried, worked out again
// only when the registry, the window (Screen_ForgetOrder) or its top-level
// controls change. (A copy: a handler may dispatch a key again.)
std::vector<const TScreen*> Screen_OverOrder();
// The window changed (ui/Ui.h's Ui_SetForm): the order over screens is
// worked out again.
void Screen_ForgetOrder();

template <class F>
void Screen_InForce(F&& f) {
    for (const TScreen* s : Screen_OverOrder())
        if (Screen_IsInForce(*s) && f(*s)) return;
    if (const TScreen* screen = Screen_Current()) f(*screen);
}
