// Painting of the whole control tree with QPainter, shared by the window and
// the offscreen renderer, and the geometry of an edit's text that the caret,
// the mouse and the input method all follow.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

class TForm;
class TEdit;

// What the window knows beyond the toolkit: the input method's composition
// in the focused edit and the caret's blink.
struct TPaintState {
    const TEdit* composing = nullptr;  // the edit the preedit text belongs to
    QString preedit;
    int preeditCursor = -1;            // caret inside the preedit; -1: hidden
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

TEditLayout Qt_EditLayout(const TEdit& edit, const QString& preedit = QString(), int preeditCursor = -1);
// Byte offset of the character boundary nearest to x (relative to the edit).
int Qt_EditPosAt(const TEdit& edit, int x);
