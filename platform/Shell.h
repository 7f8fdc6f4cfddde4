// Services of the desktop: opening a file with its default program and the
// mounted volumes. The backend installs the real ones; headless runs get a
// quiet stand-in that tests can replace.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TVolume {
    std::string RootPath;  // host form, ending in '/'
    std::string Name;      // label shown to the user (UTF-8)
    bool Removable = false;
};

struct TShellServices {
    std::function<bool(const std::string& hostPath)> OpenDocument;
    std::function<std::vector<TVolume>()> Volumes;
};

void Shell_Install(const TShellServices& services);
bool Shell_OpenDocument(const std::string& hostPath);
std::vector<TVolume> Shell_Volumes();
// Whether the volume holding the host path is mounted and answers.
bool Shell_VolumeAnswers(const std::string& hostPath);
