// The manual link of the help line: either of its two lines opens
// "Manual\Manual.pdf" in the program folder with the desktop's program;
// without the file nothing is asked of the desktop.
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "tests/app/ShellFixture.h"

namespace {

class HelpLineTest : public ShellTest {
protected:
    std::vector<std::string> Opened;
    void SetUp() override {
        Shell_Install(TShellServices{[this](const std::string& path) {
            Opened.push_back(path);
            return true;
        }});
    }
    void TearDown() override { Shell_Install(TShellServices{}); }
};

TEST_F(HelpLineTest, BothLinesOpenTheManual) {
    ASSERT_TRUE(Session.WriteFile("Manual\\Manual.pdf", "%PDF-1.4\n"));
    Start();
    EXPECT_EQ(Caption("Label_Manual"), "操作方法");
    EXPECT_EQ(Caption("Label_Manual2"), "を見る");
    ASSERT_TRUE(Session.Click("Label_Manual"));
    ASSERT_TRUE(Session.Click("Label_Manual2"));
    const std::string manual = Session.Folder() + "Manual/Manual.pdf";
    EXPECT_EQ(Opened, (std::vector<std::string>{manual, manual}));
    // The focus stays where it was.
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1");
}

TEST_F(HelpLineTest, NothingWithoutAManual) {
    Start();
    ASSERT_TRUE(Session.Click("Label_Manual"));
    EXPECT_TRUE(Opened.empty());
    EXPECT_TRUE(Session.Messages().empty());
}

}  // namespace
