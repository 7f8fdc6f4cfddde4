// The start-up sequence: the program folder's lock, what a killed run left
// put right, today's date, the backup folder, the screens laid out, every
// data file created when missing and loaded with its screens painted, and a
// new empty document in the editor. The folders' own state was reset when
// the window was built (app/Wiring.cpp).
#include "app/Startup.h"

#include "app/KidouLock.h"
#include "app/Layout.h"
#include "app/StartData.h"
#include "app/Syori_01.h"
#include "app/TodayLabel.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "store/Recovery.h"
#include "ui/Folder.h"
#include "ui/Ui.h"

std::string Path_ExeDir;

namespace {

void Hide(const char* panel) {
    if (TPanel* p = Ui_Panel(panel)) p->Hide();
}

}  // namespace

void TForm_Syori_01::FormCreate() {
    KidouLock_Take();  // before anything reads or writes Data; a second copy ends here
    Hide("Panel_ExitChoose");

    // A write that a killed process left half done is put right before any
    // data file is read: a restore's set of files forward or back, then the
    // journals of single writes.
    std::vector<std::string> unfinished;
    Recovery_FinishFileSet(unfinished);
    Recovery_RollBackJournals();
    Recovery_RemoveScratchFiles();

    Today_Set();
    Folder_PrepareAll();  // the backup folder
    Path_ExeDir = Cp932_FromUtf8(Platform_ProgramDir());
    Today_Set();
    Form_LayoutPanels();

    App_StartData();
}
