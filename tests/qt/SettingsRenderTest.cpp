// The own-company and wording screens rendered offscreen: every caption they
// show (labels, check boxes, radio buttons) draws inside its own bounds and
// nowhere else, so that no text runs out of its box or over its neighbour.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "QtTestApp.h"
#include "RenderDiff.h"
#include "platform/qt/Screenshot.h"
#include "tools/Headless.h"

namespace {

bool OnPanel(const TControl* c, const std::string& panel) {
    for (; c; c = c->Parent())
        if (c->Name() == panel) return true;
    return false;
}

bool ShowsCaption(const TControl* c, const std::string& panel) {
    const bool captioned = c->Kind() == TControlKind::Label || c->Kind() == TControlKind::CheckBox ||
                           c->Kind() == TControlKind::RadioButton;
    return captioned && OnPanel(c, panel) && c->Showing() && c->Caption.find_first_not_of(' ') != std::string::npos;
}

void ExpectCaptionsInside(const char* menuEntry, const std::string& panel, int atLeast) {
    TestApp();
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Click(menuEntry));
    TForm& form = *session.Form();
    const QImage shown = Qt_RenderForm(form);
    if (const char* out = std::getenv("SYORI_SCREENSHOT")) shown.save((out + ("_" + panel + ".png")).c_str());
    int checked = 0;
    for (TControl* c : form.AllControls()) {
        if (!ShowsCaption(c, panel)) continue;
        Render_ExpectCaptionInside(form, shown, c);
        ++checked;
    }
    EXPECT_GE(checked, atLeast);
}

TEST(SettingsRender, OwnCompanyCaptionsDrawInsideTheirBounds) {
    ExpectCaptionsInside("Label_Job_06", "Panel_Jisya", 28 + 11);
}

TEST(SettingsRender, WordingCaptionsDrawInsideTheirBounds) { ExpectCaptionsInside("Label_Job_09", "Panel_Gyousyu", 20); }

}  // namespace
