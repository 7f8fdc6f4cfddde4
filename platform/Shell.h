// Services of the desktop: opening a file with its default program. The
// backend installs the real one; headless runs get a quiet stand-in that
// tests can replace. (The mounted volumes: platform/Volumes.h.)
#pragma once

#include <functional>
#include <string>

struct TShellServices {
    std::function<bool(const std::string& hostPath)> OpenDocument;
};

void Shell_Install(const TShellServices& services);
// Opens the file with the desktop's program for its type; false when no such
// program could be started.
bool Shell_OpenDocument(const std::string& hostPath);
