// Start-up: everything the window needs before its first message.
#pragma once

#include <string>

extern std::string Path_ExeDir;  // the program folder, CP932, ending in a separator
