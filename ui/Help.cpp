#include "ui/Help.h"

namespace {

void (*Help_ShowRun)(const char* text) = nullptr;

}  // namespace

void Help_SetShow(void (*show)(const char* text)) { Help_ShowRun = show; }

void Help_Show(const char* text) {
    if (Help_ShowRun) Help_ShowRun(text);
}
