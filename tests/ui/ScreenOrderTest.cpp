// The records over screens are tried from the panel that lies highest; the
// order is kept between keys, so a panel built after a key was dispatched
// must still take its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tools/Headless.h"
#include "ui/Build.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

bool Before(const std::vector<const TScreen*>& order, const TScreen& a, const TScreen& b) {
    return std::find(order.begin(), order.end(), &a) < std::find(order.begin(), order.end(), &b);
}

TEST(ScreenOrder, APanelBuiltAfterADispatchTakesItsPlace) {
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    static const TScreen first{.Panel = "Panel_OrderFirst"};
    static const TScreen second{.Panel = "Panel_OrderSecond"};
    Screen_Register(first);
    Screen_Register(second);
    // Neither panel is built yet: both stand above every panel, in the
    // order they registered.
    EXPECT_TRUE(Before(Screen_OverOrder(), first, second));

    // The second panel is built last, so it lies over the first one.
    Ui_Build(*Ui_Form(), {TControlKind::Panel, "Panel_OrderFirst", nullptr, 0, 0, 10, 10});
    Ui_Build(*Ui_Form(), {TControlKind::Panel, "Panel_OrderSecond", nullptr, 0, 0, 10, 10});
    EXPECT_TRUE(Before(Screen_OverOrder(), second, first));
}

}  // namespace
