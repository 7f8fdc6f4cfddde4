// The Qt backends of the application object and the desktop services.
#pragma once

#include "platform/Shell.h"

// Before the QApplication exists: fixed pixel geometry, no high-DPI scaling.
void Qt_PrepareEnvironment();
// Installs the message loop, the exception box, opening documents and
// the printer. The QApplication must exist.
void Qt_InstallBackends();

// The program's main: makes the QApplication, installs the backends and runs
// entry (the system's WinMain). Kept here so that the program's own main
// needs no Qt header.
int Qt_Main(int argc, char** argv, int (*entry)());
