// The entry point of the system: creates the window and runs the loop.
#pragma once

int WinMain();
