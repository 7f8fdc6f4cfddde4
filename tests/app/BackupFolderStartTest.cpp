// The backup folder read at start-up: what the backup screen's boxes show.
#include <filesystem>

#include "platform/Controls.h"
#include "tests/app/ShellFixture.h"

namespace {

struct TBackupStartCase {
    const char* Folder;      // under the program folder; "" for none
    bool Made;               // whether the folder exists
    bool Shown;              // whether the list box shows it
};

// A folder that exists (a blank inside its name included) becomes the list
// box's directory; one that is gone leaves the box as it was.
TEST(BackupFolderStart, TheBoxesShowTheFolderOnlyWhenItIsThere) {
    const TBackupStartCase cases[] = {
        {"Backup", true, true},
        {"My Backup", true, true},
        {"Gone", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Folder);
        THeadlessSession session;
        const std::string path = session.Folder() + c.Folder;
        if (c.Made) std::filesystem::create_directory(path);
        std::string record = path;
        record.resize(255, ' ');
        ASSERT_TRUE(session.WriteFile("Data\\BackupFolder.500", record));
        ASSERT_TRUE(session.Start());
        EXPECT_EQ(session.TextOf("Label_BackupFolder"), path);
        auto* list = session.ControlAs<TDirectoryListBox>("BackupDirectoryListBox");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->Directory(), c.Shown ? path : std::string());
    }
}

}  // namespace
