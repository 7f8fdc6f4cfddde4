// The mount table through libc's reader (getmntent resolves the table's
// escapes, "\040" for a blank in a mount point).
#include "platform/Volumes.h"

#include <mntent.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/File.h"

namespace {

// File systems that no user's files live on.
constexpr const char* PseudoTypes[] = {
    "autofs",     "binfmt_misc", "bpf",      "cgroup",  "cgroup2", "configfs", "debugfs",
    "devpts",     "devtmpfs",    "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nsfs",
    "proc",       "pstore",      "ramfs",    "rpc_pipefs", "securityfs", "selinuxfs", "squashfs",
    "sysfs",      "tmpfs",       "tracefs",
};

bool IsPseudo(const std::string& type) {
    return std::any_of(std::begin(PseudoTypes), std::end(PseudoTypes),
                       [&](const char* t) { return type == t; });
}

TVolumePlaces& Places() {
    static TVolumePlaces places = Volumes_SystemPlaces();
    return places;
}

}  // namespace

std::vector<TMountEntry> Volumes_ReadMountTable(const std::string& path) {
    std::vector<TMountEntry> entries;
    FILE* table = ::setmntent(path.c_str(), "re");
    if (!table) return entries;
    mntent entry{};
    char buf[4096];
    while (::getmntent_r(table, &entry, buf, sizeof buf)) entries.push_back({entry.mnt_dir, entry.mnt_type});
    ::endmntent(table);
    return entries;
}

TVolumePlaces Volumes_SystemPlaces() {
    TVolumePlaces places;
    places.MountTable = [] { return Volumes_ReadMountTable("/proc/self/mounts"); };
    std::string user;
    std::vector<char> buf(16384);
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found) == 0 && found) {
        user = found->pw_name;
        places.Home = found->pw_dir;
    }
    if (const char* home = std::getenv("HOME"); places.Home.empty() && home) places.Home = home;
    if (!user.empty()) {
        places.RemovableBases.push_back("/media/" + user);
        places.RemovableBases.push_back("/run/media/" + user);
    }
    places.RemovableBases.push_back("/mnt");
    return places;
}

TVolumePlaces Volumes_Install(const TVolumePlaces& places) {
    TVolumePlaces before = Places();
    Places() = places;
    return before;
}

std::string Volume_WithoutSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool Volume_Holds(const std::string& root, const std::string& hostPath) {
    if (root == "/") return !hostPath.empty() && hostPath[0] == '/';
    return hostPath.compare(0, root.size(), root) == 0 &&
           (hostPath.size() == root.size() || hostPath[root.size()] == '/');
}

std::vector<TVolume> Volumes_List() {
    const TVolumePlaces& places = Places();
    const std::string root = Volume_WithoutSlash(places.Root);
    std::vector<TVolume> volumes{{root, false}};
    const std::string home = Volume_WithoutSlash(places.Home);
    if (!home.empty() && home != root && Dir_Exists(Platform_AsIs(home))) volumes.push_back({home, false});
    std::vector<TVolume> removable;
    if (places.MountTable) {
        for (const TMountEntry& m : places.MountTable()) {
            const std::string dir = Volume_WithoutSlash(m.Dir);
            if (IsPseudo(m.Type)) continue;
            const bool under = std::any_of(places.RemovableBases.begin(), places.RemovableBases.end(),
                                           [&](const std::string& base) {
                                               const std::string b = Volume_WithoutSlash(base);
                                               return dir != b && Volume_Holds(b, dir);
                                           });
            if (!under) continue;
            if (std::any_of(removable.begin(), removable.end(), [&](const TVolume& v) { return v.RootPath == dir; }))
                continue;
            removable.push_back({dir, true});
        }
    }
    std::sort(removable.begin(), removable.end(),
              [](const TVolume& a, const TVolume& b) { return a.RootPath < b.RootPath; });
    for (TVolume& v : removable)
        if (v.RootPath != home) volumes.push_back(std::move(v));
    return volumes;
}

int Volumes_Holding(const std::vector<TVolume>& volumes, const std::string& hostPath) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(volumes.size()); ++i)
        if (Volume_Holds(volumes[i].RootPath, hostPath) &&
            (best < 0 || volumes[i].RootPath.size() > volumes[best].RootPath.size()))
            best = i;
    return best;
}

bool Volumes_Answers(const std::vector<TVolume>& volumes, const std::string& hostPath) {
    const int best = Volumes_Holding(volumes, hostPath);
    if (best < 0) return false;
    const std::string& root = volumes[static_cast<size_t>(best)].RootPath;
    for (const std::string& base : Places().RemovableBases) {
        const std::string b = Volume_WithoutSlash(base);
        if (hostPath != b && Volume_Holds(b, hostPath) && !Volume_Holds(b, root)) return false;
    }
    return Dir_Exists(Platform_AsIs(root));
}
