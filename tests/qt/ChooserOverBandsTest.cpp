// The choosers reach down over the window's own bands (the help line, the
// function-key bar): the product chooser below the grid's first half, the
// unit chooser beside either grid, the category chooser beside the product
// grid. Where they do, they are drawn over the band and take the clicks
// there: their lowest row and their "▼" are seen and work.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "QtTestApp.h"
#include "RenderDiff.h"
#include "platform/Cp932.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/Window.h"
#include "tools/Headless.h"

namespace {

const char* const Bands[] = {"Panel_Msg", "Panel_Command_01"};

QRect Rect(const TControl* c) { return QRect(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height); }

// The part of a control that lies over one of the bands (empty: none).
QRect OverBands(THeadlessSession& s, const TControl* c) {
    QRect over;
    for (const char* band : Bands) over |= Rect(c) & Rect(s.Control(band));
    return over;
}

void Open(THeadlessSession& s, std::initializer_list<const char*> clicks, Word key = 0, int count = 1) {
    for (const char* name : clicks) ASSERT_TRUE(s.Click(name)) << name;
    if (key) {
        ASSERT_TRUE(s.Key(key, {}, count));
    }
}

// The unit chooser opens on the first free entry (the cell holds no unit of
// the list), the 51st; two pages back show the first.
void OpenUnits(THeadlessSession& s, std::initializer_list<const char*> clicks) { Open(s, clicks, vk::PageUp, 2); }

struct TChooserCase {
    const char* What;
    void (*Open)(THeadlessSession&);
    const char* Panel;
    const char* Arrow;             // "▼": a page on
    const char* PagedOn;           // then shows this (UTF-8) in
    const char* PagedOnText;
    const char* Last;              // the lowest row (or key): it picks (or closes)
    const char* Picked = nullptr;  // then this control shows this (UTF-8)
    const char* PickedText = nullptr;
};

const TChooserCase Cases[] = {
    {"product chooser over the editor",
     [](THeadlessSession& s) {
         Open(s, {"Edit_DenpSyousai_01"}, vk::F8);
         Open(s, {"Labe_SyouhinChoose_HinsyuName"});  // 電材: 45 products
     },
     "Panel_SyouhinChoose", "Label_SyouhinChoose_Down", "Labe_SyouhinChoose_SyouhinLine_01", " 21",
     "Label_SyouhinChoose_SyouhinName_20", "Edit_DenpSyousai_01", "電材品番40"},
    {"unit chooser over the product screen", [](THeadlessSession& s) { OpenUnits(s, {"Label_Job_05", "Edit_Syouhin_Tannni_01"}); },
     "Panel_Tanni", "Labe_TanniChoose_Next", "Label_Tanni_No_01", "26", "Label_Tanni_25", "Edit_Syouhin_Tannni_01",
     "U50"},
    {"unit chooser over the editor", [](THeadlessSession& s) { OpenUnits(s, {"Edit_DenpTanni_01"}); }, "Panel_Tanni",
     "Labe_TanniChoose_Next", "Label_Tanni_No_01", "26", "Label_Tanni_25", "Edit_DenpTanni_01", "U50"},
    {"category chooser over the product screen",
     [](THeadlessSession& s) { Open(s, {"Label_Job_05", "Label_Syouhin_Hinsyu_01"}); }, "Panel_ChooseHinsyu",
     "Label_Image_ChooseHinsyuNextPage", "Label_HinsyuChoose_No_01", "26", "Label_Panel_ChooseHinsyu_Close"},
};

// 50 units, "U01" ... "U50".
std::string Units() {
    std::string file;
    char unit[16];
    for (int i = 1; i <= 50; ++i) {
        std::snprintf(unit, sizeof unit, "U%02d", i);
        file += unit + std::string(9 - 3, ' ') + "\n";
    }
    return file;
}

void Copy(THeadlessSession& s, const char* to, const char* data) {
    std::ifstream from(std::string(SYORI_TESTS_DIR) + "/scenarios/data/" + data, std::ios::binary);
    ASSERT_TRUE(from && s.CopyFile(to, from)) << data;
}

void Click(TQtWindow& window, QPoint at) {
    const QPointF p(at), global(window.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    QCoreApplication::sendEvent(&window, &release);
}

// Where a click on the control shows that it lies on top: inside its part
// over a band, or its middle when none of it does.
QPoint ClickPoint(THeadlessSession& s, const TControl* c) {
    const QRect over = OverBands(s, c);
    return (over.isEmpty() ? Rect(c) : over).center();
}

std::string Utf8(THeadlessSession& s, const char* name) { return Cp932_ToUtf8(s.TextOf(name).value_or("<none>")); }

TEST(ChooserOverBands, DrawnOverTheBandsAndTakingTheClicksThere) {
    TestApp();
    for (const TChooserCase& c : Cases) {
        SCOPED_TRACE(c.What);
        THeadlessSession session;
        Copy(session, "Data\\Syouhin.620", "chooser_syouhin.620");
        Copy(session, "Data\\Hinsyu.620", "chooser_hinsyu.620");
        ASSERT_TRUE(session.WriteFile("Data\\Tanni.620", Units()));
        ASSERT_TRUE(session.Start());
        c.Open(session);
        TControl* panel = session.Control(c.Panel);
        ASSERT_TRUE(panel && panel->Showing());
        TControl* arrow = session.Control(c.Arrow);
        TControl* last = session.Control(c.Last);
        ASSERT_TRUE(arrow && last);
        ASSERT_FALSE(OverBands(session, arrow).isEmpty()) << "the case is about a chooser over a band";

        // The chooser's picture is its own: the bands hidden change nothing
        // inside it. Its "▼" and its lowest row are drawn.
        TForm& form = *session.Form();
        const QImage shown = Qt_RenderForm(form);
        for (const char* band : Bands) session.Control(band)->Hide();
        const QImage bare = Qt_RenderForm(form);
        for (const char* band : Bands) session.Control(band)->Show();
        EXPECT_EQ(Render_Diff(shown, bare, panel).Inside, 0);
        EXPECT_GT(CountPixels(shown, QColor(0, 0, 128), Rect(arrow)), 10);  // the navy "▼"
        EXPECT_GT(TextPixels(shown, last, Qt_Color(last->Color)), 10);

        // The clicks there reach the chooser: "▼" pages on, the lowest row
        // picks (or the lowest key closes).
        auto window = std::make_unique<TQtWindow>(form);
        window->show();
        Click(*window, ClickPoint(session, arrow));
        EXPECT_EQ(Utf8(session, c.PagedOn), c.PagedOnText);
        Click(*window, ClickPoint(session, last));
        EXPECT_FALSE(panel->Showing());
        if (c.Picked) {
            EXPECT_EQ(Utf8(session, c.Picked), c.PickedText);
        }
    }
}

}  // namespace
