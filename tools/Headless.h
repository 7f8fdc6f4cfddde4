// A headless run of the real program: a fresh program folder, a fixed clock,
// the window built and started as on a real start, and input delivered to it
// by control name. The scenario runner and the window tests both use it.
//
// Texts and paths are CP932 like the system's own: paths in the program's
// form ("Data\Denpyou.620", '/' works too), relative to the program folder.
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Syori_01.h"
#include "platform/Clock.h"
#include "platform/RecordingPrinter.h"
#include "platform/Volumes.h"

class THeadlessSession {
public:
    // Makes the program folder (mkdtemp under $TMPDIR or /tmp) with an empty
    // Data folder unless withData is false, makes it the program folder,
    // fixes the clock at DefaultToday, turns the process exit into a
    // recorded status, installs a recording printer and the session's own
    // volumes (below).
    explicit THeadlessSession(bool withData = true);
    // Forgets the window (Form_Syori_01 := nullptr), gives up the program
    // folder's lock, leaves the volumes to the sessions still alive (or, after
    // the last, to the places before the first) and removes the folder,
    // unless SCENARIO_KEEP=1, which keeps it and prints its path.
    ~THeadlessSession();
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    static constexpr TDateTime DefaultToday{2025, 4, 1, 10, 0, 0};

    // ---- the program folder
    const std::string& Folder() const { return folder_; }  // host form, ends in '/'
    std::string HostPath(const std::string& path) const;
    // Removes the Data folder with whatever it holds (a start without data).
    void RemoveDataFolder();
    // Writes a file (parent folders are made); false when that fails.
    bool WriteFile(const std::string& path, const std::string& bytes);
    // The same with what the stream holds, copied a block at a time, so that
    // a file of any size is copied in little memory.
    bool CopyFile(const std::string& path, std::istream& from);
    // The bytes of a file; nullopt when it is missing or unreadable.
    std::optional<std::string> ReadFile(const std::string& path) const;
    // A regular file's size, and up to length of its bytes from offset
    // (fewer at its end), without reading the rest: data files grow large.
    std::optional<std::int64_t> FileSize(const std::string& path) const;
    std::optional<std::string> ReadFileAt(const std::string& path, std::int64_t offset, std::int64_t length) const;
    bool FileExists(const std::string& path) const;

    // ---- the volumes a backup can go to (platform/Volumes.h): the session's
    // own, never the machine's, so that a fallback to the home folder or the
    // root writes into the program folder. The program folder stands for the
    // root, the home folder is "home" there, removable volumes are mounted at
    // "media/NAME", and the mount table holds only what Mount put in it. Installed when the session is made and when it
    // starts: of several sessions alive, the program sees those of the last
    // one made or started.
    std::string Home() const { return folder_ + "home"; }
    std::string RemovableBase() const { return folder_ + "media"; }
    // The removable volume NAME mounted at media/NAME: made when it never
    // was, what it held when it was unmounted back. Its root (host path).
    std::string Mount(const std::string& name);
    // The volume pulled out: gone from the mount table, what it holds set
    // aside until it is mounted again; its empty mount point stays, as after
    // umount. false when it was not mounted.
    bool Unmount(const std::string& name);

    // ---- the clock (may change at any time)
    void SetToday(const TDateTime& when);

    // ---- the printer: every job printed since the session began
    TRecordingPrinter& RecordingPrinter() { return printer_; }

    // ---- the program
    // Builds the window (it becomes Form_Syori_01), runs FormCreate, then
    // FormActivate as the window's first activation does. Once only; false
    // when it was already started or the program ended during start-up.
    bool Start();
    bool Started() const { return form_ != nullptr; }
    // Started and not ended: input is delivered only then.
    bool Running() const { return form_ && !exited_; }
    bool Exited() const { return exited_; }
    int ExitStatus() const { return exitStatus_; }  // as the program gave it (App_Exit: -1)
    // The message boxes the program showed (CP932), oldest first. Each is
    // taken as closed with OK at once.
    const std::vector<std::string>& Messages() const { return messages_; }
    // The control names the program looked up and its window lacks (a name
    // no table creates, ui/Ui.h), since the last call; the handler that was
    // set before the first session hears of them too.
    std::vector<std::string> TakeLookupMisses();

    // The window stays inspectable after an exit; nullptr before Start.
    TForm_Syori_01* Form() const { return form_.get(); }
    TControl* Control(const std::string& name) const;  // nullptr when unknown
    template <class T>
    T* ControlAs(const std::string& name) const { return dynamic_cast<T*>(Control(name)); }
    TControl* Focused() const;
    std::string FocusedName() const;  // "" when no control has the focus
    // A label's, panel's, check box's, radio button's or button's caption,
    // an edit's text, the drive box's drive or the list box's directory.
    // nullopt when there is no such control or it has no text (shapes).
    std::optional<std::string> TextOf(const std::string& name) const;

    // ---- input. Each returns false when nothing was delivered: not
    // started, already ended, or no control of that name. An exit during
    // the input is recorded and ends the delivery (the rest of a count is
    // dropped).
    bool Key(Word key, TShiftState shift = {}, int count = 1);
    bool Type(const std::string& cp932);  // committed input-method text
    bool Click(const std::string& name);  // press and release; an edit gets the caret at its end
    bool Press(const std::string& name);  // mouse down in the middle of the control
    bool Release(const std::string& name);
    bool Wheel(int notches);  // > 0 up, < 0 down; 120 units of angle each

private:
    // Runs one piece of input, recording an exit of the program.
    template <class F>
    bool Drive(F&& input);

    std::string folder_;
    TRecordingPrinter printer_;
    TPrinter* previousPrinter_ = nullptr;
    std::unique_ptr<TForm_Syori_01> form_;
    bool exited_ = false;
    int exitStatus_ = 0;
    std::vector<std::string> messages_;
    std::vector<std::string> lookupMisses_;
    // Installs this session's volumes; returns the places they replaced.
    TVolumePlaces InstallVolumes() const;

    std::vector<TMountEntry> mounts_;
};
