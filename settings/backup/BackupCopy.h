// Copying one record file whole records at a time, for the backup and the
// restore alike. The copy goes to a scratch file beside its destination
// ("Kokyaku.625.new", "Data\Kokyaku.620.new"); every read and write is
// checked, the scratch file's size compared with what was written, and it is
// forced to the disk. Only then does it replace the destination, by a rename,
// and the folder's entry is forced to the disk too, or it goes in with the
// other files of its run as one set (settings/backup/BackupSet.h). So the
// destination always holds either its old contents or the whole new copy,
// also when the process is killed on the way; a scratch file left behind is
// removed by the folder's recovery (the next save or restore, or start-up).
#pragma once

#include <functional>
#include <string>
#include <vector>

// A per-cent figure as it changes; the screen paints each one at once.
using TBackupFigure = std::function<void(int percent)>;

// The save's figure: step := count div 100 + 1; after record i it shows
// i div step + 1 at every i with i mod step = 0.
class TSaveFigure {
public:
    TSaveFigure(int count, const TBackupFigure& show) : step_(count / 100 + 1), show_(show) {}
    void At(int i) const {
        if (show_ && i % step_ == 0) show_(i / step_ + 1);
    }

private:
    int step_;
    TBackupFigure show_;
};

// The restore's figure: after record i the integer part of i / count x 100,
// reckoned in floating point, whenever it differs from the last one shown
// (0 at first).
class TRestoreFigure {
public:
    TRestoreFigure(int count, const TBackupFigure& show) : count_(count), show_(show) {}
    void At(int i) {
        const int p = static_cast<int>(static_cast<double>(i) / count_ * 100);
        if (p == last_) return;
        last_ = p;
        if (show_) show_(p);
    }

private:
    int count_;
    int last_ = 0;
    TBackupFigure show_;
};

// A file opened to be copied: its handle and its whole records (a cut-short
// last record is not copied). Closed when it goes.
struct TCopySource {
    int Fd = -1;
    int Count = 0;
    bool Whole = false;  // no cut-short last record
    explicit TCopySource(int fd, int recLen);
    ~TCopySource();
    TCopySource(const TCopySource&) = delete;
    TCopySource& operator=(const TCopySource&) = delete;
    bool Opened() const { return Fd >= 0; }
};

// How records First ... Count - 1 of the source go into the copy, in order.
struct TRecordCopy {
    int RecLen = 0;
    int Count = 0;
    int First = 0;
    // Whether record i goes into the copy (none given: every one).
    std::function<bool(int i, const char* record)> Keep = nullptr;
    // Every record copied gets a line feed as its last byte.
    bool LineFeed = false;
    // Changes record i as it goes into the copy (none given: as it is).
    std::function<void(int i, char* record)> Mend = nullptr;
    // After record i went through, into the copy or left out.
    std::function<void(int i)> Done = nullptr;
};

// Writes the copy from the source into the scratch file beside `to` (a file
// path as platform/File.h takes it), complete, checked and on the disk. A
// journal still pending for `to` is rolled back first; when it cannot be,
// nothing is written. Returns the records written, or -1 when anything
// failed (the scratch file is then gone); readFailed tells whether it was a
// read of the source.
int Copy_Write(int fromFd, const std::string& to, const TRecordCopy& copy, bool* readFailed = nullptr);
// The written scratch file replaces `to`, and the entry of `folder`, the
// folder `to` lies in, is forced to the disk. false when either failed (a
// rename that failed leaves `to` as it was and the scratch file gone).
bool Copy_Replace(const std::string& to, const std::string& folder);
// The whole of bytes into the scratch file beside `to`, complete, checked
// and on the disk. false when anything failed (the scratch file is then
// gone).
bool Copy_WriteScratch(const std::string& to, const std::string& bytes);
// The same, then Copy_Replace. false when anything failed: `to` is then as
// it was.
bool Copy_WriteFile(const std::string& to, const std::string& folder, const std::string& bytes);
// The scratch file of `to` goes unused.
void Copy_Discard(const std::string& to);
