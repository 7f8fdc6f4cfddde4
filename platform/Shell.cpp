#include "platform/Shell.h"

#include <sys/stat.h>

namespace {
TShellServices g_services;
}

void Shell_Install(const TShellServices& services) { g_services = services; }

bool Shell_OpenDocument(const std::string& hostPath) {
    return g_services.OpenDocument ? g_services.OpenDocument(hostPath) : false;
}

std::vector<TVolume> Shell_Volumes() {
    if (g_services.Volumes) return g_services.Volumes();
    return {TVolume{"/", "/", false}};
}

bool Shell_VolumeAnswers(const std::string& hostPath) {
    if (hostPath.empty() || hostPath[0] != '/') return false;
    // The longest mounted root that holds the path must exist and be readable.
    const TVolume* best = nullptr;
    const auto volumes = Shell_Volumes();
    for (const auto& v : volumes)
        if (hostPath.compare(0, v.RootPath.size(), v.RootPath) == 0 ||
            hostPath + "/" == v.RootPath)
            if (!best || v.RootPath.size() > best->RootPath.size()) best = &v;
    if (!best) return false;
    // A folder under a removable mount base counts only while its own volume
    // is mounted there, not through the root file system beneath it.
    for (const char* base : {"/media/", "/run/media/", "/mnt/"}) {
        const std::string b(base);
        if (hostPath.compare(0, b.size(), b) == 0 && best->RootPath.size() <= b.size()) return false;
    }
    struct stat st{};
    return ::stat(best->RootPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
