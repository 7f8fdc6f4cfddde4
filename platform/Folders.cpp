// The drive box and the directory list box of the backup screen. Paths are
// the host's (UTF-8), as the disk spells them; only what is shown is CP932.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Controls.h"
#include "platform/Cp932.h"

namespace fs = std::filesystem;

// ------------------------------------------------------------ drive box

std::string TDriveComboBox::Drive() const {
    return ItemIndex >= 0 && ItemIndex < static_cast<int>(Volumes.size()) ? Volumes[ItemIndex].RootPath
                                                                          : std::string();
}

std::string TDriveComboBox::Text() const {
    return ItemIndex >= 0 && ItemIndex < static_cast<int>(Items.size()) ? Items[ItemIndex] : std::string();
}

void TDriveComboBox::Refresh() {
    const std::string before = Drive();
    Volumes = Volumes_List();
    Items.clear();
    for (const TVolume& v : Volumes) Items.push_back(Cp932_ForDisplay(v.RootPath));
    int index = 0;
    for (int i = 0; i < static_cast<int>(Volumes.size()); ++i)
        if (Volumes[i].RootPath == before) index = i;
    ItemIndex = -1;
    Choose(Volumes.empty() ? -1 : index, before);
}

void TDriveComboBox::SetDrive(const std::string& path) {
    const int index = Volumes_Holding(Volumes, Volume_WithoutSlash(path));
    if (index >= 0) Choose(index, Drive());
}

void TDriveComboBox::Select(int index) {
    if (index >= 0 && index < static_cast<int>(Volumes.size())) Choose(index, Drive());
}

void TDriveComboBox::Choose(int index, const std::string& before) {
    ItemIndex = index;
    Changed();
    // The box's first reading of the volumes gives it its value; that is
    // no change of the user's choice.
    if (!before.empty() && Drive() != before && OnChange) OnChange(this);
}

void TDriveComboBox::ProcessKey(Word key) {
    if (key == vk::Up && ItemIndex > 0) Select(ItemIndex - 1);
    if (key == vk::Down) Select(ItemIndex + 1);
}

// ------------------------------------------------------------ directory list

std::string TDirectoryListBox::DirectoryText() const { return Cp932_ForDisplay(directory_); }

void TDirectoryListBox::SetDrive(const std::string& root) {
    const std::string drive = Volume_WithoutSlash(root);
    if (drive == drive_) return;
    drive_ = drive;
    const bool changed = drive != directory_;
    directory_ = drive;
    Update();
    if (changed && OnChange) OnChange(this);
}

void TDirectoryListBox::SetDirectory(const std::string& dir, const std::vector<TVolume>* volumes) {
    const std::string target = Volume_WithoutSlash(dir);
    if (!target.empty() && target[0] != '/') return;
    if (target.empty()) {
        drive_.clear();
    } else if (drive_.empty() || !Volume_Holds(drive_, target)) {
        const std::vector<TVolume> read = volumes ? std::vector<TVolume>() : Volumes_List();
        if (!volumes) volumes = &read;
        const int index = Volumes_Holding(*volumes, target);
        drive_ = index >= 0 ? (*volumes)[static_cast<size_t>(index)].RootPath : std::string("/");
    }
    const bool changed = target != directory_;
    directory_ = target;
    Update();
    if (changed && OnChange) OnChange(this);
}

void TDirectoryListBox::Update() {
    Items.clear();
    Levels.clear();
    paths_.clear();
    ItemIndex = -1;
    TopIndex = 0;
    if (directory_.empty()) {
        Changed();
        return;
    }
    auto add = [this](const std::string& shown, const std::string& path, int level) {
        Items.push_back(Cp932_ForDisplay(shown));
        Levels.push_back(level);
        paths_.push_back(path);
    };
    // The volume's root, then each folder down to the current one.
    add(drive_, drive_, 0);
    std::string walk = drive_;
    const size_t from = drive_ == "/" ? 1 : drive_.size() + 1;
    for (size_t at = from; at < directory_.size();) {
        size_t end = directory_.find('/', at);
        if (end == std::string::npos) end = directory_.size();
        const std::string part = directory_.substr(at, end - at);
        walk += (walk == "/" ? "" : "/") + part;
        add(part, walk, static_cast<int>(Items.size()));
        at = end + 1;
    }
    ItemIndex = static_cast<int>(Items.size()) - 1;
    const int level = static_cast<int>(Items.size());
    std::vector<std::string> subs;
    std::error_code ec;
    for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (!name.empty() && name[0] != '.' && it->is_directory(kind)) subs.push_back(name);
    }
    std::sort(subs.begin(), subs.end());
    for (const std::string& name : subs) add(name, (directory_ == "/" ? "/" : directory_ + "/") + name, level);
    ScrollToSelection();
    Changed();
}

void TDirectoryListBox::OpenItem(int index) {
    if (index < 0 || index >= static_cast<int>(paths_.size())) return;
    SetDirectory(paths_[static_cast<size_t>(index)]);
}

void TDirectoryListBox::ProcessKey(Word key) {
    const int n = static_cast<int>(Items.size());
    if (key == vk::Up && ItemIndex > 0) --ItemIndex;
    else if (key == vk::Down && ItemIndex + 1 < n) ++ItemIndex;
    else if (key == vk::Return) OpenItem(ItemIndex);
    else return;
    ScrollToSelection();
    Changed();
}

// Keeps the selected item in view.
void TDirectoryListBox::ScrollToSelection() {
    const int rows = std::max(1, Height / std::max(1, ItemHeight));
    if (ItemIndex < TopIndex) TopIndex = std::max(0, ItemIndex);
    if (ItemIndex >= TopIndex + rows) TopIndex = ItemIndex - rows + 1;
}
