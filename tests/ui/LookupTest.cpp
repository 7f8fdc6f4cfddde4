// A control looked up by a name that no table creates fails the test that
// does it: the test program sets the lookups' miss handler for every test.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "tools/Headless.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class TLookupMisses : public ::testing::Environment {
public:
    void SetUp() override {
        Ui_SetMissHandler([](const char* name) { ADD_FAILURE() << "no control is named \"" << name << "\""; });
    }
    void TearDown() override { Ui_SetMissHandler(nullptr); }
};
const auto* const Lookup_Misses = ::testing::AddGlobalTestEnvironment(new TLookupMisses);

TEST(Lookup, AMisspeltNameFailsAndAPendingOneDoesNot) {
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    EXPECT_NONFATAL_FAILURE(Ui_Label("Label_Comand_01_F1"), "Label_Comand_01_F1");
    EXPECT_NONFATAL_FAILURE(Ui_Edit("Label_Command_01_F1"), "Label_Command_01_F1");  // a label, not an edit
    EXPECT_EQ(session.TakeLookupMisses(), (std::vector<std::string>{"Label_Comand_01_F1", "Label_Command_01_F1"}));

    // A screen not built yet names the controls its table will create; a
    // pattern stands for every name that starts so.
    static constexpr const char* pending[] = {"Edit_Pending_*", nullptr};
    static const TScreen screen{.Pending = pending};
    Screen_Register(screen);
    EXPECT_TRUE(Screen_IsPending("Edit_Pending_07"));
    EXPECT_EQ(Ui_Edit("Edit_Pending_07"), nullptr);
    EXPECT_TRUE(session.TakeLookupMisses().empty());
    EXPECT_NE(Ui_Label("Label_Command_01_F1"), nullptr);
}

}  // namespace
