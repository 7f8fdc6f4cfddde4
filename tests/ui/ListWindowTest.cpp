// The list window's moves at the edges of each kind of list: a grid with an
// empty row paged only past a page, a chooser whose short pages go to the
// edge row, the unit chooser whose whole step to the last page goes to its
// end, two fixed pages scrolled back by two, the product chooser's hits
// with the cursor kept off the last row and stepping once past the last hit,
// and a list paged only past a page whose last page ends with its last entry.
#include <gtest/gtest.h>

#include "ui/ListWindow.h"

namespace {

int Entries = 0;  // what the window under test counts
int CountNow() { return Entries; }

const TListWindow Grid{
    .Rows = 13, .Count = CountNow, .EmptyRow = true, .PagesPastAPage = true};
const TListWindow Chooser{.Rows = 25, .Count = CountNow, .PageCursor = TPageCursor::Edge};
const TListWindow UnitChooser{
    .Rows = 25, .Count = CountNow, .PageCursor = TPageCursor::Edge, .WholeStepToLastEnds = true};
const TListWindow FixedPages{.Rows = 50, .Count = CountNow, .PageCursor = TPageCursor::First, .Scroll = 2};
const TListWindow Hits{
    .Rows = 20, .Count = CountNow, .PageCursor = TPageCursor::Edge, .ScrollMargin = 1, .PastLast = true};

const TListWindow PastAPage{.Rows = 9, .Count = CountNow, .PagesPastAPage = true};

using TMoveFn = TListMove (TListWindow::*)();
constexpr TListMove None{}, Page{.Page = true}, Cursor{.Cursor = true}, Both{.Page = true, .Cursor = true};

struct TCase {
    const char* What;
    const TListWindow* Shape;
    int Count, Top, Row;
    TMoveFn Move;  // nullptr: MoveTo(To)
    int To;
    int WantTop, WantRow;
    TListMove Want;
};

constexpr TMoveFn Up = &TListWindow::LineUp, Down = &TListWindow::LineDown, Back = &TListWindow::PageBack,
                  On = &TListWindow::PageOn, ScrollBack = &TListWindow::ScrollBack,
                  ScrollOn = &TListWindow::ScrollOn, WholeBack = &TListWindow::WholePageBack,
                  WholeOn = &TListWindow::WholePageOn, ToLast = &TListWindow::ToLast,
                  BackToLast = &TListWindow::BackToLastPage;

const TCase Cases[] = {
    // 40 customers: the last page (28) ends with the empty row.
    {"grid page on", &Grid, 40, 0, 5, On, 0, 13, 5, Page},
    {"grid page on cut short", &Grid, 40, 26, 5, On, 0, 28, 5, Page},
    {"grid page on at the last page", &Grid, 40, 28, 5, On, 0, 28, 5, None},
    {"grid page on from past the last page", &Grid, 40, 35, 5, On, 0, 28, 5, Page},
    {"grid page back", &Grid, 40, 28, 5, Back, 0, 15, 5, Page},
    {"grid page back cut short", &Grid, 40, 2, 5, Back, 0, 0, 5, Page},
    {"grid page back at the first page", &Grid, 40, 0, 5, Back, 0, 0, 5, None},
    {"grid of one page: no page on", &Grid, 13, 0, 0, On, 0, 0, 0, None},
    {"grid of one page: no page back", &Grid, 13, 5, 0, Back, 0, 5, 0, None},
    {"grid scroll on", &Grid, 40, 27, 12, ScrollOn, 0, 28, 12, Page},
    {"grid scroll on at the last page", &Grid, 40, 28, 12, ScrollOn, 0, 28, 12, None},
    {"grid scroll on, the empty row shown", &Grid, 12, 0, 12, ScrollOn, 0, 0, 12, None},
    {"grid scroll back", &Grid, 40, 1, 0, ScrollBack, 0, 0, 0, Page},
    {"grid scroll back at the top", &Grid, 40, 0, 0, ScrollBack, 0, 0, 0, None},
    {"grid line up scrolls at row 0", &Grid, 40, 3, 0, Up, 0, 2, 0, Page},
    {"grid line up", &Grid, 40, 3, 4, Up, 0, 3, 3, Cursor},
    {"grid line up without a cursor", &Grid, 40, 3, -1, Up, 0, 3, -1, None},
    {"grid line down onto the empty row", &Grid, 5, 0, 4, Down, 0, 0, 5, Cursor},
    {"grid line down on the empty row", &Grid, 5, 0, 5, Down, 0, 0, 5, None},
    {"grid line down scrolls at the last row", &Grid, 40, 0, 12, Down, 0, 1, 12, Page},
    {"grid to the empty row", &Grid, 40, 0, 3, ToLast, 0, 28, 12, Both},
    {"grid to the empty row of the first page", &Grid, 5, 3, 0, ToLast, 0, 0, 5, Both},
    {"grid to the empty row, none before it", &Grid, 0, 0, 0, ToLast, 0, 0, 0, None},
    {"grid top back to the last page", &Grid, 20, 13, 2, BackToLast, 0, 8, 2, Page},
    {"grid top on the last page stays", &Grid, 20, 8, 2, BackToLast, 0, 8, 2, None},

    // 100 entries, 25 a page: the last page starts at 75.
    {"chooser page on", &Chooser, 100, 0, 3, On, 0, 25, 3, Page},
    {"chooser whole page on to the last page", &Chooser, 100, 50, 3, On, 0, 75, 3, Page},
    {"chooser page on cut short: the last row", &Chooser, 100, 60, 3, On, 0, 75, 24, Both},
    {"chooser page on at the last page", &Chooser, 100, 75, 3, On, 0, 75, 3, None},
    {"chooser page back", &Chooser, 100, 75, 3, Back, 0, 50, 3, Page},
    {"chooser page back cut short: the first row", &Chooser, 100, 10, 3, Back, 0, 0, 0, Both},
    {"chooser page back cut short on the first row", &Chooser, 100, 10, 0, Back, 0, 0, 0, Page},
    {"chooser line down", &Chooser, 100, 0, 23, Down, 0, 0, 24, Cursor},
    {"chooser line down scrolls", &Chooser, 100, 74, 24, Down, 0, 75, 24, Page},
    {"chooser line down at the last entry", &Chooser, 100, 75, 24, Down, 0, 75, 24, None},
    {"chooser line up at the first entry", &Chooser, 100, 0, 0, Up, 0, 0, 0, None},
    {"chooser to an entry", &Chooser, 100, 0, 0, nullptr, 60, 50, 10, Both},
    {"chooser to the last entry", &Chooser, 100, 0, 0, nullptr, 99, 75, 24, Both},
    {"unit chooser whole page on to the last page: its end", &UnitChooser, 100, 50, 3, On, 0, 75, 24, Both},
    {"unit chooser page on before it", &UnitChooser, 100, 25, 3, On, 0, 50, 3, Page},

    // Two pages of 50 over 100 positions.
    {"fixed page on", &FixedPages, 100, 0, 7, On, 0, 50, 0, Both},
    {"fixed page on from a scroll back", &FixedPages, 100, 48, 7, On, 0, 50, 0, Both},
    {"fixed page on at the second page", &FixedPages, 100, 50, 7, On, 0, 50, 7, None},
    {"fixed page back", &FixedPages, 100, 50, 7, Back, 0, 0, 0, Both},
    {"fixed page back from a scroll back", &FixedPages, 100, 48, 7, Back, 0, 0, 0, Both},
    {"fixed page back without a cursor", &FixedPages, 100, 50, -1, Back, 0, 0, 0, Both},
    {"fixed scroll back by two", &FixedPages, 100, 50, 7, ScrollBack, 0, 48, 7, Page},
    {"fixed scroll back by two to the top", &FixedPages, 100, 2, 7, ScrollBack, 0, 0, 7, Page},
    {"fixed scroll back short of two", &FixedPages, 100, 1, 7, ScrollBack, 0, 1, 7, None},
    {"fixed to the last entry of the first page", &FixedPages, 100, 50, 0, nullptr, 49, 0, 49, Both},
    {"fixed to the last entry", &FixedPages, 100, 0, 0, nullptr, 99, 50, 49, Both},

    // Hits, 20 a page: the cursor scrolls from the 19th row.
    {"hits line down to the 19th row", &Hits, 45, 0, 17, Down, 0, 0, 18, Cursor},
    {"hits line down scrolls from the 19th row", &Hits, 45, 0, 18, Down, 0, 1, 18, Page},
    {"hits line down once past the last hit", &Hits, 12, 0, 11, Down, 0, 0, 12, Cursor},
    {"hits line down past the last hit", &Hits, 12, 0, 12, Down, 0, 0, 12, None},
    {"hits line down without a hit", &Hits, 0, 0, -1, Down, 0, 0, -1, None},
    {"hits page on", &Hits, 45, 0, 3, On, 0, 20, 3, Page},
    {"hits page on cut short: the last hit in row 20", &Hits, 45, 20, 3, On, 0, 25, 19, Both},
    {"hits page on from past the last page", &Hits, 25, 7, 19, On, 0, 5, 19, Page},
    {"hits page on, a page of hits", &Hits, 12, 0, 3, On, 0, 0, 3, None},
    {"hits whole page on", &Hits, 25, 0, 3, WholeOn, 0, 20, 3, Page},
    {"hits whole page on, no hit there", &Hits, 40, 20, 3, WholeOn, 0, 20, 3, None},
    {"hits whole page back", &Hits, 45, 20, 3, WholeBack, 0, 0, 3, Page},
    {"hits whole page back, no whole page", &Hits, 45, 5, 3, WholeBack, 0, 5, 3, None},

    // 20 entries, 9 a page: the pages start at 0, 9, 11 (the last nine), then
    // back at 2, 0; the row stays.
    {"past a page: page on", &PastAPage, 20, 0, 4, On, 0, 9, 4, Page},
    {"past a page: page on cut short to the last nine", &PastAPage, 20, 9, 4, On, 0, 11, 4, Page},
    {"past a page: page on at the last page", &PastAPage, 20, 11, 4, On, 0, 11, 4, None},
    {"past a page: page back off the multiples", &PastAPage, 20, 11, 4, Back, 0, 2, 4, Page},
    {"past a page: page back cut short", &PastAPage, 20, 2, 4, Back, 0, 0, 4, Page},
    {"past a page: no page on with a page of entries", &PastAPage, 9, 2, 4, On, 0, 2, 4, None},
    {"past a page: no page back with a page of entries", &PastAPage, 9, 2, 4, Back, 0, 2, 4, None},
};

TEST(ListWindow, EachMoveAtTheEdgesOfEachKindOfList) {
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.What);
        Entries = c.Count;
        TListWindow window = *c.Shape;
        window.Top = c.Top;
        window.Row = c.Row;
        const TListMove moved = c.Move ? (window.*c.Move)() : window.MoveTo(c.To);
        EXPECT_EQ(window.Top, c.WantTop);
        EXPECT_EQ(window.Row, c.WantRow);
        EXPECT_EQ(moved.Page, c.Want.Page);
        EXPECT_EQ(moved.Cursor, c.Want.Cursor);
    }
}

}  // namespace
