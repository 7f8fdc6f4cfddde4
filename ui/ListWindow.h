// A paged list's window: which entries its page of rows shows (Top, the
// entry in row 0) and where its cursor stands (Row), with the moves such a
// list makes: the cursor a row up or down and the one-entry scroll at
// the page's edges, a page back and on, a move to an entry or to the last
// one. A move changes Top and Row only and says what changed; the list
// paints its own rows, cursor and labels from that, so that each list keeps
// its painting while the paging is written once. What differs between lists
// is said by the parameters below, fixed for each list.
//
//     TListWindow Kokyaku_Window{.Rows = 13, .Count = [] { return Kokyaku_Count; },
//                                .EmptyRow = true, .PagesPastAPage = true};
//     if (Kokyaku_Window.PageOn().Page) Kokyaku_ShowPage();
#pragma once

// What a move changed, and so what its list paints anew: the page (the rows
// show other entries), the cursor (it stands on another row), both, or
// nothing.
struct TListMove {
    bool Page = false;
    bool Cursor = false;
    explicit operator bool() const { return Page || Cursor; }
    bool operator==(const TListMove&) const = default;
};

// Where a page move leaves the cursor.
enum class TPageCursor {
    Keep,   // in its row
    Edge,   // in its row after a whole page; a move cut short at the first or
            // the last page puts it on that page's first or last row
    First,  // on the first row, after every page move (pages that stand fixed)
};

struct TListWindow {
    int Top = 0;  // the entry in row 0
    int Row = 0;  // the cursor row, 0 ... Rows - 1; below 0: no cursor (yet)

    int Rows = 1;              // rows a page
    int (*Count)() = nullptr;  // the entries the list holds now
    // A row after the entries, where a new one is typed: it counts as an
    // entry for the pages, and the last page ends with it.
    bool EmptyRow = false;
    // The page moves move only while the entries, the empty row aside, are
    // more than a page.
    bool PagesPastAPage = false;
    TPageCursor PageCursor = TPageCursor::Keep;
    // A page on that reaches the last page with a whole page counts as cut
    // short there (TPageCursor::Edge puts the cursor on the last row).
    bool WholeStepToLastEnds = false;
    int Scroll = 1;        // the entries a scroll back at the first row moves
    int ScrollMargin = 0;  // rows under the cursor from which LineDown scrolls
    bool PastLast = false;  // LineDown steps once past the last entry

    // The entries the rows can show (the empty row counted), the last one,
    // the top of the last page, and the entry under the cursor.
    int Entries() const { return Count() + (EmptyRow ? 1 : 0); }
    int Last() const { return Entries() - 1; }
    int LastTop() const;
    int Cursor() const { return Top + Row; }

    // The cursor a row up: at row 0 the page scrolls back. Nothing without a
    // cursor.
    TListMove LineUp();
    // The cursor a row down while it stands before the last entry (or on it,
    // with PastLast); from row Rows - 1 - ScrollMargin the page scrolls on
    // under it instead. Nothing without a cursor.
    TListMove LineDown();
    // The page Scroll entries back, while it can; one entry on, up to the
    // last page. The cursor keeps its row.
    TListMove ScrollBack();
    TListMove ScrollOn();
    // A page back or on; where a whole page does not fit, to the first or the
    // last page (a top past the last page comes back to it).
    TListMove PageBack();
    TListMove PageOn();
    // A whole page back, or on while an entry stands there to show; never cut
    // short, and the cursor keeps its row.
    TListMove WholePageBack();
    TListMove WholePageOn();
    // The cursor on entry index, on the page that starts at a multiple of
    // Rows (no further than the last page).
    TListMove MoveTo(int index);
    // The cursor on the last entry, on the last page.
    TListMove ToLast();
    // A top past the last page (the entries became fewer) back to it.
    TListMove BackToLastPage();

private:
    TListMove Set(int top, int row);
};
