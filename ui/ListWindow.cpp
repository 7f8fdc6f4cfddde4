#include "ui/ListWindow.h"

#include <algorithm>

TListMove TListWindow::Set(int top, int row) {
    const TListMove move{.Page = top != Top, .Cursor = row != Row};
    Top = top;
    Row = row;
    return move;
}

int TListWindow::LastTop() const { return std::max(0, Entries() - Rows); }

TListMove TListWindow::LineUp() {
    if (Row < 0) return {};
    if (Row > 0) return Set(Top, Row - 1);
    return ScrollBack();
}

TListMove TListWindow::LineDown() {
    if (Row < 0 || Cursor() >= Last() + (PastLast ? 1 : 0)) return {};
    if (Row < Rows - 1 - ScrollMargin) return Set(Top, Row + 1);
    return Set(Top + 1, Row);
}

TListMove TListWindow::ScrollBack() {
    if (Top - Scroll < 0) return {};
    return Set(Top - Scroll, Row);
}

TListMove TListWindow::ScrollOn() {
    if (Top >= LastTop()) return {};
    return Set(Top + 1, Row);
}

TListMove TListWindow::PageBack() {
    if (PagesPastAPage && Count() <= Rows) return {};
    if (Top - Rows >= 0) return Set(Top - Rows, PageCursor == TPageCursor::First ? 0 : Row);
    if (Top == 0) return {};
    return Set(0, PageCursor == TPageCursor::Keep ? Row : 0);
}

TListMove TListWindow::PageOn() {
    if (PagesPastAPage && Count() <= Rows) return {};
    const int last = LastTop(), next = Top + Rows;
    if (next < last || (next == last && !WholeStepToLastEnds))
        return Set(next, PageCursor == TPageCursor::First ? 0 : Row);
    if (Top == last) return {};
    switch (PageCursor) {
        case TPageCursor::Keep: return Set(last, Row);
        case TPageCursor::Edge: return Set(last, Rows - 1);
        case TPageCursor::First: break;
    }
    return Set(last, 0);
}

TListMove TListWindow::WholePageBack() {
    if (Top - Rows < 0) return {};
    return Set(Top - Rows, Row);
}

TListMove TListWindow::WholePageOn() {
    if (Top + Rows >= Entries()) return {};
    return Set(Top + Rows, Row);
}

TListMove TListWindow::MoveTo(int index) {
    const int top = std::min(index / Rows * Rows, LastTop());
    return Set(top, index - top);
}

TListMove TListWindow::ToLast() {
    const int top = LastTop();
    return Set(top, Last() - top);
}

TListMove TListWindow::BackToLastPage() {
    if (Top <= LastTop()) return {};
    return Set(LastTop(), Row);
}
