// Painting of the whole control tree with QPainter, shared by the window and
// the offscreen renderer, and the geometry of an edit's text that the caret,
// the mouse and the input method all follow.
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTextCharFormat>

class TForm;
class TEdit;

// A part of the composition as the input method formats it: the clause being
// converted usually has a background, the others an underline. Positions
// count UTF-16 units of the composed text.
struct TPreeditFormat {
    int start = 0;
    int length = 0;
    QTextCharFormat format;
};

// The input method's composition: text shown in an edit that the edit does
// not hold yet.
struct TComposition {
    TEdit* edit = nullptr;  // the edit it was typed in
    QString text;
    int cursor = -1;        // the input method's cursor inside the text; negative: at its end
    bool cursorShown = true;
    QList<TPreeditFormat> formats;

    bool Active() const { return edit && !text.isEmpty(); }
};

// What the window knows beyond the toolkit: the composition in the focused
// edit and the caret's blink.
struct TPaintState {
    TComposition composition;
    bool caretOn = true;
};

void Qt_PaintForm(QPainter& painter, const TForm& form, const TPaintState& state, const QRect& dirty);

// An edit's text as painted, in window coordinates. The text shows as
// before + middle + after: middle is the selection, or the preedit text that
// takes the selection's place while composing.
struct TEditLayout {
    QFont font;
    QRect inner;     // the text area
    int textX = 0;   // where the text starts (scrolled to keep the caret in view)
    int top = 0;     // top of the text line
    int lineHeight = 0;
    int ascent = 0;
    QString before, middle, after;
    bool composing = false;
    int caretX = 0;
};

// preeditCursor: the caret inside the preedit; negative: at its end.
TEditLayout Qt_EditLayout(const TEdit& edit, const QString& preedit = QString(), int preeditCursor = -1);
// Byte offset of the character boundary nearest to x (relative to the edit).
int Qt_EditPosAt(const TEdit& edit, int x);
