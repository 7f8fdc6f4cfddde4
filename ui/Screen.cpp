#include "ui/Screen.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Menu.h"
#include "ui/Ui.h"

namespace {

std::vector<const TScreen*>& Records() {
    static std::vector<const TScreen*> records;
    return records;
}

// The screens among the records by their numbers (in the order they
// registered among equal numbers), kept so as they register.
std::vector<const TScreen*>& Screens() {
    static std::vector<const TScreen*> screens;
    return screens;
}

// The records over screens in the order they are tried, worked out once
// for the registry, the window and its top-level controls as they stand (a
// control only joins the window, so their count tells a new one).
struct TOverOrder {
    bool Valid = false;
    size_t TopLevel = 0;
    std::vector<const TScreen*> Order;
};
TOverOrder& OverOrder() {
    static TOverOrder order;
    return order;
}

// How high a record's panel lies among the window's panels (the later one
// lies over the earlier); records without a panel above every panel.
int Height(const TScreen& s) {
    const TForm* form = Ui_Form();
    if (!s.Panel || !form) return INT_MAX;
    const auto& top = form->TopLevel();
    for (size_t i = 0; i < top.size(); ++i)
        if (top[i]->Name() == s.Panel) return static_cast<int>(i);
    return INT_MAX;
}

}  // namespace

TKeyHandler TScreenKeys::For(Word key) const {
    switch (key) {
        case vk::F1: return F1;
        case vk::F2: return F2;
        case vk::F3: return F3;
        case vk::F4: return F4;
        case vk::F5: return F5;
        case vk::F6: return F6;
        case vk::F7: return F7;
        case vk::F8: return F8;
        case vk::F9: return F9;
        case vk::Escape: return Esc;
        default: return nullptr;
    }
}

void Screen_Register(const TScreen& screen) {
    // The menu is built from the entries: one without a caption, a second on
    // one number, or one past the panel would make a blank entry, two
    // controls of one name, or one laid over another. A screen's entry
    // follows from its number (Label_Job_03 is screen 2's), so that a second
    // screen on one number is refused too.
    const int no = screen.Menu.No;
    const std::string entry = "menu entry " + std::to_string(no);
    if (screen.Job != Job_None && no != Menu_EntryOf(screen.Job))
        throw std::logic_error(entry + " is not screen " + std::to_string(screen.Job) + "'s (" +
                               std::to_string(Menu_EntryOf(screen.Job)) + ")");
    if (no) {
        if (!screen.Menu.Caption) throw std::logic_error(entry + " has no caption");
        if (no < 1 || no > Menu_Entries)
            throw std::logic_error(entry + " is past the " + std::to_string(Menu_Entries) +
                                   " entries the menu's panel holds");
        for (const TScreen* s : Records())
            if (s->Menu.No == no) throw std::logic_error(entry + " is taken");
    }
    Records().push_back(&screen);
    if (screen.Job != Job_None) {
        auto& screens = Screens();
        const auto at = std::upper_bound(screens.begin(), screens.end(), &screen,
                                         [](const TScreen* a, const TScreen* b) { return a->Job < b->Job; });
        screens.insert(at, &screen);
    }
    Screen_ForgetOrder();
}

void Screen_ClearRegistry() {
    Records().clear();
    Screens().clear();
    Screen_ForgetOrder();
}

void Screen_ForgetOrder() { OverOrder().Valid = false; }

const TScreen* const* Screen_Records(int& count) {
    count = static_cast<int>(Records().size());
    return Records().data();
}

const TScreen* const* Screen_ByJob(int& count) {
    count = static_cast<int>(Screens().size());
    return Screens().data();
}

const TScreen* Screen_Current() {
    for (const TScreen* s : Records())
        if (s->Job != Job_None && s->Job == Job_Current) return s;
    return nullptr;
}

const TScreen* Screen_OfMenu(int menuNo, bool screen) {
    for (const TScreen* s : Records())
        if ((s->Job != Job_None) == screen && s->Menu.No == menuNo) return s;
    return nullptr;
}

std::vector<const TScreen*> Screen_OverOrder() {
    TOverOrder& cached = OverOrder();
    const TForm* form = Ui_Form();
    const size_t topLevel = form ? form->TopLevel().size() : 0;
    if (cached.Valid && cached.TopLevel == topLevel) return cached.Order;
    std::vector<const TScreen*> order;
    for (const TScreen* s : Records())
        if (s->Job == Job_None) order.push_back(s);
    std::stable_sort(order.begin(), order.end(),
                     [](const TScreen* a, const TScreen* b) { return Height(*a) > Height(*b); });
    cached = {true, topLevel, order};
    return order;
}

bool Screen_IsInForce(const TScreen& s) {
    if (s.Job != Job_None) return s.Job == Job_Current;
    if (Job_Current < 0 || !(s.Over & Job_Bit(Job_Current))) return false;
    return !s.Shown || s.Shown();
}

void Screen_Selected(int job) {
    for (const TScreen* s : Records())
        if (s->Job == job && s->Selected) s->Selected();
}

namespace {

template <class Hook>
void Every(Hook hook) {
    for (const TScreen* s : Records())
        if (s->*hook) (s->*hook)();
}

}  // namespace

void Screen_LeaveAll() { Every(&TScreen::Leave); }
void Screen_DismissAll() { Every(&TScreen::Dismiss); }
void Screen_DocumentsCounted() { Every(&TScreen::DocumentsCounted); }
void Screen_JisyaShown() { Every(&TScreen::JisyaShown); }
void Screen_ResetAll() { Every(&TScreen::Reset); }

bool Screen_IsPending(const char* name) {
    for (const TScreen* s : Records())
        for (const char* const* p = s->Pending; p && *p; ++p) {
            const size_t n = std::strlen(*p);
            if (n > 0 && (*p)[n - 1] == '*' ? std::strncmp(*p, name, n - 1) == 0 : std::strcmp(*p, name) == 0)
                return true;
        }
    return false;
}

bool Screen_BarPressed(int cell) {
    if (cell == 9) return true;  // the tenth cell on every screen
    const TScreen* screen = Screen_Current();
    return screen && (screen->BarPressed & (1u << cell)) != 0;
}

bool Screen_PanelHandles(Word key) {
    bool handles = false;
    Screen_InForce([&](const TScreen& s) {
        if (s.Job == Job_None && s.Keys.For(key)) handles = true;
        return handles;
    });
    return handles;
}
