#include "ui/Commands.h"

#include "ui/Screen.h"

namespace {

void Command_Run(Word key) {
    Screen_InForce([key](const TScreen& s) {
        const TKeyHandler handler = s.Keys.For(key);
        return handler && handler();
    });
}

int Wheel_Count = 0;  // events since the last one that acted

void (*Command_ExitRun)() = nullptr;

}  // namespace

void Command_F1() { Command_Run(vk::F1); }
void Command_F2() { Command_Run(vk::F2); }
void Command_F3() { Command_Run(vk::F3); }
void Command_F4() { Command_Run(vk::F4); }
void Command_F5() { Command_Run(vk::F5); }
void Command_F6() { Command_Run(vk::F6); }
void Command_F7() { Command_Run(vk::F7); }
void Command_F8() { Command_Run(vk::F8); }
void Command_F9() { Command_Run(vk::F9); }
void Command_Esc() { Command_Run(vk::Escape); }

bool Command_ForKey(Word key) {
    if ((key < vk::F1 || key > vk::F9) && key != vk::Escape) return false;
    Command_Run(key);
    return true;
}

void Command_SetExit(void (*exit)()) { Command_ExitRun = exit; }

void Command_Exit() {
    if (Command_ExitRun) Command_ExitRun();
}

void Wheel_Turn(bool down) {
    if (++Wheel_Count % 3 != 0) return;
    Wheel_Count = 0;
    Screen_InForce([down](const TScreen& s) {
        if (!s.Wheel) return false;
        s.Wheel(down);
        return true;
    });
}

void Wheel_Reset() { Wheel_Count = 0; }
