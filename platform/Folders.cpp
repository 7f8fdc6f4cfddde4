// The drive box and the directory list box of the backup screen. Paths are
// CP932 like every system text; the disk is asked in the host's form.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/Shell.h"

namespace fs = std::filesystem;

void TDriveComboBox::Refresh() {
    const std::string current = Drive();
    Items.clear();
    for (const auto& v : Shell_Volumes()) Items.push_back(Cp932_FromUtf8(v.RootPath));
    auto it = std::find(Items.begin(), Items.end(), current);
    ItemIndex = it != Items.end() ? static_cast<int>(it - Items.begin()) : (Items.empty() ? -1 : 0);
    Changed();
}

void TDriveComboBox::SetDrive(const std::string& path) {
    if (Items.empty()) Refresh();
    int best = -1;
    for (int i = 0; i < static_cast<int>(Items.size()); ++i)
        if (path.compare(0, Items[i].size(), Items[i]) == 0 &&
            (best < 0 || Items[i].size() > Items[best].size()))
            best = i;
    if (best >= 0) ItemIndex = best;
    Changed();
}

void TDriveComboBox::ProcessKey(Word key) {
    const int n = static_cast<int>(Items.size());
    int next = ItemIndex;
    if (key == vk::Up) next = std::max(0, ItemIndex - 1);
    if (key == vk::Down) next = std::min(n - 1, ItemIndex + 1);
    if (next == ItemIndex || next < 0) return;
    ItemIndex = next;
    Changed();
    if (OnChange) OnChange(this);
}

void TDirectoryListBox::SetDirectory(const std::string& dir) {
    const bool changed = dir != directory_;
    directory_ = dir;
    Update();
    if (changed && OnChange) OnChange(this);
}

void TDirectoryListBox::Update() {
    Items.clear();
    paths_.clear();
    ItemIndex = -1;
    if (directory_.empty()) return;
    const fs::path host(Cp932_ToUtf8(directory_));
    // The ancestors from the root down to the folder itself, then its subfolders.
    fs::path walk;
    for (const auto& part : host) {
        walk /= part;
        if (part.empty()) continue;
        Items.push_back(Cp932_FromUtf8(part.string()));
        paths_.push_back(Cp932_FromUtf8(walk.string()));
    }
    ItemIndex = static_cast<int>(Items.size()) - 1;
    TopIndex = 0;
    std::vector<fs::path> subs;
    std::error_code ec;
    for (fs::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) subs.push_back(it->path());
    std::sort(subs.begin(), subs.end());
    for (const auto& s : subs) {
        Items.push_back(Cp932_FromUtf8(s.filename().string()));
        paths_.push_back(Cp932_FromUtf8(s.string()));
    }
    Changed();
}

void TDirectoryListBox::OpenItem(int index) {
    if (index < 0 || index >= static_cast<int>(paths_.size())) return;
    SetDirectory(paths_[index]);
}

void TDirectoryListBox::ProcessKey(Word key) {
    const int n = static_cast<int>(Items.size());
    if (key == vk::Up && ItemIndex > 0) --ItemIndex;
    else if (key == vk::Down && ItemIndex + 1 < n) ++ItemIndex;
    else if (key == vk::Return) OpenItem(ItemIndex);
    else return;
    // Keep the selected item in view.
    const int rows = std::max(1, Height / std::max(1, ItemHeight));
    if (ItemIndex < TopIndex) TopIndex = std::max(0, ItemIndex);
    if (ItemIndex >= TopIndex + rows) TopIndex = ItemIndex - rows + 1;
    Changed();
}
