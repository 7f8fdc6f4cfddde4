#include "tools/Headless.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/FileFault.h"
#include "platform/InstanceLock.h"
#include "ui/Ui.h"

namespace fs = std::filesystem;

namespace {

// Sessions alive; the process-wide settings are given back when the last one goes.
int g_sessions = 0;
// The session whose program shows its message boxes now: the last one made
// or started.
THeadlessSession* g_messagesTo = nullptr;
// The lookup-miss handler set before the first session.
TUiMissHandler g_previousMissHandler = nullptr;
// The sessions alive, oldest first. The volumes installed are always those
// of one of them (the last one made or started, or after its end the last
// one left), so that no installed place outlives its session, whatever
// order sessions end in; the places from before the first come back after
// the last.
std::vector<THeadlessSession*> g_alive;
const THeadlessSession* g_volumesOf = nullptr;
TVolumePlaces g_previousVolumes;

std::string MakeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp ? tmp : "/tmp";
    if (base.back() != '/') base += '/';
    std::vector<char> name(base.begin(), base.end());
    const char pattern[] = "syori-XXXXXX";
    name.insert(name.end(), pattern, pattern + sizeof pattern);  // with the NUL
    if (!mkdtemp(name.data())) {
        std::perror("headless: mkdtemp");
        std::abort();
    }
    return std::string(name.data()) + "/";
}

bool KeepFolder() {
    const char* keep = std::getenv("SCENARIO_KEEP");
    return keep && std::string(keep) == "1";
}

}  // namespace

THeadlessSession::THeadlessSession(bool withData) : folder_(MakeFolder()) {
    if (withData) fs::create_directory(folder_ + "Data");
    fs::create_directory(Home());
    fs::create_directory(RemovableBase());
    g_alive.push_back(this);
    TVolumePlaces before = InstallVolumes();
    if (g_alive.size() == 1) g_previousVolumes = std::move(before);
    Platform_SetProgramDir(folder_);
    FileFault_Reset();
    Clock_Fix(DefaultToday);
    Application_SetTerminateHandler([](int status) { throw TApplicationExit{status}; });
    previousPrinter_ = Printer_Install(&printer_);
    g_messagesTo = this;
    Application_SetMessageHandler([](const std::string& message) {
        if (g_messagesTo) g_messagesTo->messages_.push_back(message);
    });
    if (g_sessions == 0)
        g_previousMissHandler = Ui_SetMissHandler([](const char* name) {
            if (g_messagesTo) g_messagesTo->lookupMisses_.push_back(name);
            if (g_previousMissHandler) g_previousMissHandler(name);
        });
    ++g_sessions;
}

THeadlessSession::~THeadlessSession() {
    form_.reset();
    Printer_Install(previousPrinter_);
    FileFault_Reset();
    InstanceLock_Release();
    g_alive.erase(std::find(g_alive.begin(), g_alive.end(), this));
    if (g_alive.empty()) {
        Volumes_Install(g_previousVolumes);
        g_volumesOf = nullptr;
    } else if (g_volumesOf == this) {
        g_alive.back()->InstallVolumes();
    }
    if (g_messagesTo == this) g_messagesTo = nullptr;
    if (--g_sessions == 0) {
        Application_SetTerminateHandler(nullptr);
        Application_SetMessageHandler(nullptr);
        Ui_SetMissHandler(g_previousMissHandler);
        Clock_Release();
    }
    if (KeepFolder()) {
        std::fprintf(stderr, "kept program folder %s\n", folder_.c_str());
        return;
    }
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

// The same mapping as the platform's, but always under this session's folder.
std::string THeadlessSession::HostPath(const std::string& path) const {
    static const std::string asIs = Platform_AsIs("");
    if (path.compare(0, asIs.size(), asIs) == 0) return path.substr(asIs.size());
    std::string host = Cp932_ToUtf8(path);
    for (char& c : host)
        if (c == '\\') c = '/';
    if (host.empty() || host[0] != '/') host = folder_ + host;
    return host;
}

void THeadlessSession::RemoveDataFolder() {
    std::error_code ec;
    fs::remove_all(folder_ + "Data", ec);
}

bool THeadlessSession::WriteFile(const std::string& path, const std::string& bytes) {
    const fs::path host = HostPath(path);
    std::error_code ec;
    fs::create_directories(host.parent_path(), ec);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool THeadlessSession::CopyFile(const std::string& path, std::istream& from) {
    const fs::path host = HostPath(path);
    std::error_code ec;
    fs::create_directories(host.parent_path(), ec);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    std::vector<char> block(1 << 20);
    while (out && from) {
        from.read(block.data(), static_cast<std::streamsize>(block.size()));
        out.write(block.data(), from.gcount());
    }
    out.close();
    return static_cast<bool>(out) && !from.bad();
}

std::optional<std::string> THeadlessSession::ReadFile(const std::string& path) const {
    const std::string host = HostPath(path);
    std::error_code ec;
    if (!fs::is_regular_file(host, ec)) return std::nullopt;
    std::ifstream in(host, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::int64_t> THeadlessSession::FileSize(const std::string& path) const {
    std::error_code ec;
    const std::string host = HostPath(path);
    if (!fs::is_regular_file(host, ec)) return std::nullopt;
    const auto size = fs::file_size(host, ec);
    if (ec) return std::nullopt;
    return static_cast<std::int64_t>(size);
}

std::optional<std::string> THeadlessSession::ReadFileAt(const std::string& path, std::int64_t offset,
                                                        std::int64_t length) const {
    const std::string host = HostPath(path);
    std::error_code ec;
    if (!fs::is_regular_file(host, ec)) return std::nullopt;
    std::ifstream in(host, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    // Past the end the seek or the read fails, and gcount tells what came.
    in.seekg(offset);
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

bool THeadlessSession::FileExists(const std::string& path) const {
    std::error_code ec;
    return fs::exists(HostPath(path), ec);
}

TVolumePlaces THeadlessSession::InstallVolumes() const {
    g_volumesOf = this;
    return Volumes_Install({[this] { return mounts_; }, Home(), {RemovableBase()}, Volume_WithoutSlash(folder_)});
}

namespace {
// Where an unmounted volume's folders wait to be mounted again.
std::string Aside(const std::string& folder, const std::string& name) { return folder + ".unmounted/" + name; }
}  // namespace

std::string THeadlessSession::Mount(const std::string& name) {
    const std::string root = RemovableBase() + "/" + name;
    const std::string aside = Aside(folder_, name);
    std::error_code ec;
    if (fs::exists(aside, ec)) {
        fs::remove(root, ec);  // the empty mount point
        fs::rename(aside, root, ec);
    }
    fs::create_directories(root, ec);
    if (std::none_of(mounts_.begin(), mounts_.end(), [&](const TMountEntry& m) { return m.Dir == root; }))
        mounts_.push_back({root, "vfat"});
    return root;
}

bool THeadlessSession::Unmount(const std::string& name) {
    const std::string root = RemovableBase() + "/" + name;
    const auto mounted =
        std::find_if(mounts_.begin(), mounts_.end(), [&](const TMountEntry& m) { return m.Dir == root; });
    if (mounted == mounts_.end()) return false;
    mounts_.erase(mounted);
    const std::string aside = Aside(folder_, name);
    std::error_code ec;
    fs::create_directories(fs::path(aside).parent_path(), ec);
    fs::remove_all(aside, ec);
    fs::rename(root, aside, ec);
    fs::create_directory(root, ec);
    return true;
}

void THeadlessSession::SetToday(const TDateTime& when) { Clock_Fix(when); }

std::vector<std::string> THeadlessSession::TakeLookupMisses() {
    std::vector<std::string> misses;
    misses.swap(lookupMisses_);
    return misses;
}

template <class F>
bool THeadlessSession::Drive(F&& input) {
    if (!Running()) return false;
    try {
        input();
    } catch (const TApplicationExit& e) {
        exited_ = true;
        exitStatus_ = e.Status;
    }
    return true;
}

bool THeadlessSession::Start() {
    if (form_) return false;
    Platform_SetProgramDir(folder_);
    g_messagesTo = this;
    InstallVolumes();
    form_ = std::make_unique<TForm_Syori_01>();
    Drive([&] {
        form_->FormCreate();
        form_->FormActivate();
    });
    return Running();
}

TControl* THeadlessSession::Control(const std::string& name) const {
    return form_ ? form_->Find(name) : nullptr;
}

TControl* THeadlessSession::Focused() const { return form_ ? form_->ActiveControl() : nullptr; }

std::string THeadlessSession::FocusedName() const {
    TControl* c = Focused();
    return c ? c->Name() : std::string();
}

std::optional<std::string> THeadlessSession::TextOf(const std::string& name) const {
    TControl* c = Control(name);
    if (!c) return std::nullopt;
    switch (c->Kind()) {
        case TControlKind::Edit:
            return static_cast<TEdit*>(c)->Text();
        case TControlKind::DriveComboBox:
            return static_cast<TDriveComboBox*>(c)->Text();
        case TControlKind::DirectoryListBox:
            return static_cast<TDirectoryListBox*>(c)->DirectoryText();
        case TControlKind::Shape:
            return std::nullopt;
        default:
            return c->Caption;
    }
}

bool THeadlessSession::Key(Word key, TShiftState shift, int count) {
    return Drive([&] {
        for (int i = 0; i < count; ++i) form_->KeyDown(key, shift);
    });
}

bool THeadlessSession::Type(const std::string& cp932) {
    return Drive([&] { form_->InputText(cp932); });
}

bool THeadlessSession::Click(const std::string& name) {
    TControl* c = Control(name);
    return c && Drive([&] { form_->ClickControl(c); });
}

bool THeadlessSession::Press(const std::string& name) {
    TControl* c = Control(name);
    return c && Drive([&] { form_->PressControl(c, c->Width / 2, c->Height / 2); });
}

bool THeadlessSession::Release(const std::string& name) {
    TControl* c = Control(name);
    return c && Drive([&] { form_->ReleaseControl(c, c->Width / 2, c->Height / 2); });
}

bool THeadlessSession::Wheel(int notches) {
    return Drive([&] {
        const int step = notches < 0 ? -120 : 120;
        for (int i = 0; i < std::abs(notches); ++i) form_->MouseWheel(step);
    });
}
