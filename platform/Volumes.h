// The volumes a backup can go to: the root file system, the user's home
// folder and every removable volume mounted for the user (the mount points
// under /media/USER, /run/media/USER and /mnt), read from the mount table on
// every call. File systems that hold no user's files (proc, tmpfs, ...) are
// left out. Tests replace where the table and the folders come from.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TVolume {
    std::string RootPath;  // host form (UTF-8): "/", or a folder without a trailing '/'
    bool Removable = false;
};

// One line of the mount table.
struct TMountEntry {
    std::string Dir;   // the mount point, escapes resolved
    std::string Type;  // the file system's type: "ext4", "vfat", "proc", ...
};

struct TVolumePlaces {
    std::function<std::vector<TMountEntry>()> MountTable;
    std::string Home;                          // the user's home folder
    std::vector<std::string> RemovableBases;   // mount points below these are removable volumes
    std::string Root = "/";                    // the first volume: the root file system, or a folder standing for it
};

// The entries of a mount table in the form of /proc/self/mounts.
std::vector<TMountEntry> Volumes_ReadMountTable(const std::string& path);
// The system's: "/", /proc/self/mounts, the home folder of the user running
// the program, /media/USER, /run/media/USER and /mnt.
TVolumePlaces Volumes_SystemPlaces();
// Replaces the places (tests: a headless session installs places of its
// own) and returns those it replaced, to be installed again afterwards.
TVolumePlaces Volumes_Install(const TVolumePlaces& places);

// A folder path without a trailing '/' (but "/" itself).
std::string Volume_WithoutSlash(std::string path);
// The root first ("/"), then the home folder, then the removable volumes in
// order of their paths; each root once.
std::vector<TVolume> Volumes_List();
// Whether the folder root holds the host path (root itself or below it).
bool Volume_Holds(const std::string& root, const std::string& hostPath);
// The index of the volume that holds the host path (the longest root), or -1.
int Volumes_Holding(const std::vector<TVolume>& volumes, const std::string& hostPath);
// Whether the volume of volumes (as Volumes_List read them) holding the host
// path is mounted and answers: a folder under a removable volumes' base
// counts only while a volume is mounted there, not through the file system
// beneath it.
bool Volumes_Answers(const std::vector<TVolume>& volumes, const std::string& hostPath);
