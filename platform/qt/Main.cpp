// The program's entry: the Qt application around the system's WinMain. This
// file is compiled with the system's CP932 texts, so it includes no Qt header.
#include "app/WinMain.h"
#include "platform/qt/QtApplication.h"

int main(int argc, char** argv) { return Qt_Main(argc, argv, WinMain); }
