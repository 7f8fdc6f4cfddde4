#include "platform/qt/Paint.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cstdlib>

#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/Form.h"
#include "platform/qt/QtText.h"

namespace {

const QColor kHighlight(0, 120, 215);
const QColor kHighlightText(255, 255, 255);
const QColor kGrayText(109, 109, 109);
const QColor kLight(255, 255, 255);
const QColor kShadow(160, 160, 160);
const QColor kFrame(122, 122, 122);
const QColor kButtonFace(225, 225, 225);
const QColor kButtonFrame(173, 173, 173);
const QColor kDisabledFace(240, 240, 240);
const int kEditMargin = 2;  // blank between an edit's frame and its text
const int kBoxSize = 13;    // check box square, radio circle
const int kBoxGap = 4;      // between the box and the caption
const int kArrowWidth = 17; // the drive box's drop-down button
const int kFolderIndent = 8; // the directory list's step in per folder level

QRect Bounds(const TControl& c) { return QRect(c.ScreenLeft(), c.ScreenTop(), c.Width, c.Height); }

QColor TextColor(const TControl& c) { return c.EffectivelyEnabled() ? Qt_Color(c.Font.Color) : kGrayText; }

void Fill(QPainter& p, const QRect& r, TColor color) {
    if (color != clNone && r.isValid()) p.fillRect(r, Qt_Color(color));
}

// A one-pixel frame drawn on the outermost pixels of r.
void Frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

// Text as the form gives it: '&' is a plain character, never a mnemonic.
void Text(QPainter& p, const QRect& r, int flags, const QString& text, const TFont& font, const QColor& color) {
    if (text.isEmpty()) return;
    p.setFont(Qt_Font(font));
    p.setPen(color);
    p.drawText(r, flags, text);
}

int HorizontalFlags(TAlignment a) {
    switch (a) {
        case TAlignment::taRightJustify: return Qt::AlignRight;
        case TAlignment::taCenter: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

void PaintPanel(QPainter& p, const TPanel& c) {
    const QRect r = Bounds(c);
    Fill(p, r, c.Color);
    if (c.Bevel) Frame(p, r, kLight, kShadow);
    Text(p, r, Qt::AlignCenter, Qt_FromCp932(c.Caption), c.Font, TextColor(c));
}

void PaintLabel(QPainter& p, const TLabel& c) {
    const QRect r = Bounds(c);
    Fill(p, r, c.Color);
    const int v = c.Layout_Center ? Qt::AlignVCenter : Qt::AlignTop;
    Text(p, r, HorizontalFlags(c.Alignment) | v, Qt_FromCp932(c.Caption), c.Font, TextColor(c));
}

// The pen lies inside the bounds, as the shapes of the forms expect.
void PaintShape(QPainter& p, const TShape& c) {
    const QRect r = Bounds(c);
    const int w = c.Pen.Color == clNone ? 0 : std::max(0, c.Pen.Width);
    if (c.Shape == TShapeType::stRectangle) {
        if (w > 0) p.fillRect(r, Qt_Color(c.Pen.Color));
        Fill(p, r.adjusted(w, w, -w, -w), c.Brush.Color);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(w > 0 ? QPen(Qt_Color(c.Pen.Color), w) : QPen(Qt::NoPen));
    p.setBrush(c.Brush.Color == clNone ? QBrush(Qt::NoBrush) : QBrush(Qt_Color(c.Brush.Color)));
    const QRectF inside = QRectF(r).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    if (c.Shape == TShapeType::stEllipse) {
        p.drawEllipse(inside);
    } else {
        const double radius = std::min(r.width(), r.height()) / 8.0;
        p.drawRoundedRect(inside, radius, radius);
    }
    p.restore();
}

// The format the input method gave the character at pos (none: a plain part).
QTextCharFormat FormatAt(const QList<TPreeditFormat>& formats, int pos) {
    for (const auto& f : formats)
        if (pos >= f.start && pos < f.start + f.length) return f.format;
    return QTextCharFormat();
}

// The composition from x on the text line, as desktop editors show it: each
// part the input method formats in its own colours, the clause being
// converted on its background and every other part underlined. The underline
// stays inside the edit, where a low edit would cut off the font's own, and
// leaves a pixel free at each end of a part so the clauses can be told apart.
void PaintComposition(QPainter& p, const TEditLayout& L, int x, const QList<TPreeditFormat>& formats,
                      const QColor& color) {
    const QString& text = L.middle;
    const int n = static_cast<int>(text.size());
    QList<int> cuts = {0, n};
    for (const auto& f : formats) cuts << std::clamp(f.start, 0, n) << std::clamp(f.start + f.length, 0, n);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    const QFontMetrics fm(L.font);
    const int baseline = L.top + L.ascent;
    const int underlineY = std::min(baseline + std::max(1, fm.underlinePos()), L.inner.bottom());
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        const int from = cuts[i], to = cuts[i + 1];
        const QTextCharFormat format = FormatAt(formats, from);
        const int left = x + fm.horizontalAdvance(text.left(from));
        const int width = x + fm.horizontalAdvance(text.left(to)) - left;
        const QColor pen = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : color;
        const bool highlighted = format.background().style() != Qt::NoBrush;
        if (highlighted) p.fillRect(QRect(left, L.top, width, L.lineHeight), format.background());
        p.setPen(pen);
        p.drawText(QPoint(left, baseline), text.mid(from, to - from));
        if (!highlighted) {
            const QColor line = format.underlineColor().isValid() ? format.underlineColor() : pen;
            p.fillRect(QRect(left + 1, underlineY, std::max(1, width - 2), 1), line);
        }
    }
    p.setPen(color);
}

void PaintEdit(QPainter& p, const TEdit& c, const TPaintState& st) {
    const QRect r = Bounds(c);
    p.fillRect(r, c.Color == clNone ? kLight : Qt_Color(c.Color));
    if (c.BorderStyle) Frame(p, r, kFrame, kFrame);
    const bool focused = c.Focused();
    const TComposition& comp = st.composition;
    const bool composing = focused && comp.edit == &c && comp.Active();
    const TEditLayout L = Qt_EditLayout(c, composing ? comp.text : QString(), comp.cursor);
    p.save();
    p.setClipRect(L.inner.adjusted(0, 0, 1, 0), Qt::IntersectClip);  // room for a caret at the end
    p.setFont(L.font);
    const QFontMetrics fm(L.font);
    const QColor color = TextColor(c);
    const int baseline = L.top + L.ascent;
    int x = L.textX;
    p.setPen(color);
    p.drawText(QPoint(x, baseline), L.before);
    x += fm.horizontalAdvance(L.before);
    const int middleWidth = fm.horizontalAdvance(L.middle);
    if (composing) {
        PaintComposition(p, L, x, comp.formats, color);
    } else if (focused && !L.middle.isEmpty()) {
        p.fillRect(QRect(x, L.top, middleWidth, L.lineHeight), kHighlight);
        p.setPen(kHighlightText);
        p.drawText(QPoint(x, baseline), L.middle);
        p.setPen(color);
    } else {
        p.drawText(QPoint(x, baseline), L.middle);
    }
    x += middleWidth;
    p.drawText(QPoint(x, baseline), L.after);
    const bool caretShown = composing ? comp.cursorShown : c.SelLength() == 0;
    if (focused && st.caretOn && caretShown) p.fillRect(QRect(L.caretX, L.top, 1, L.lineHeight), color);
    p.restore();
}

// Check boxes and radio buttons: the box, then the caption beside it.
void PaintToggle(QPainter& p, const TControl& c, bool checked, bool round) {
    const QRect r = Bounds(c);
    Fill(p, r, c.Color);
    const QRect box(r.left(), r.top() + (r.height() - kBoxSize) / 2, kBoxSize, kBoxSize);
    const QColor face = c.EffectivelyEnabled() ? kLight : kDisabledFace;
    const QColor mark = c.EffectivelyEnabled() ? QColor(Qt::black) : kGrayText;
    p.save();
    if (round) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(kFrame);
        p.setBrush(face);
        p.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        if (checked) {
            p.setPen(Qt::NoPen);
            p.setBrush(mark);
            p.drawEllipse(QRectF(box).adjusted(3.5, 3.5, -3.5, -3.5));
        }
    } else {
        p.fillRect(box, face);
        Frame(p, box, kFrame, kFrame);
        if (checked) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(mark, 2));
            const QPointF o = box.topLeft();
            const QPointF tick[] = {o + QPointF(3, 6.5), o + QPointF(5.5, 9), o + QPointF(10, 3.5)};
            p.drawPolyline(tick, 3);
        }
    }
    p.restore();
    const QRect text = r.adjusted(kBoxSize + kBoxGap, 0, 0, 0);
    const QString caption = Qt_FromCp932(c.Caption);
    Text(p, text, Qt::AlignLeft | Qt::AlignVCenter, caption, c.Font, TextColor(c));
    if (c.Focused() && !caption.isEmpty()) {
        const QFontMetrics fm(Qt_Font(c.Font));
        QRect around = fm.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter, caption).adjusted(-1, 0, 1, 0);
        p.save();
        p.setPen(QPen(QColor(Qt::black), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(around.intersected(r).adjusted(0, 0, -1, -1));
        p.restore();
    }
}

void PaintButton(QPainter& p, const TButton& c) {
    const QRect r = Bounds(c);
    p.fillRect(r, kButtonFace);
    const QColor frame = c.Focused() ? kHighlight : kButtonFrame;
    Frame(p, r, frame, frame);
    if (c.Focused()) Frame(p, r.adjusted(1, 1, -1, -1), kHighlight, kHighlight);
    Text(p, r, Qt::AlignCenter, Qt_FromCp932(c.Caption), c.Font, TextColor(c));
}

void PaintDriveBox(QPainter& p, const TDriveComboBox& c) {
    const QRect r = Bounds(c);
    Fill(p, r, c.Color);
    Frame(p, r, kFrame, kFrame);
    const QRect button(r.right() - kArrowWidth + 1, r.top() + 1, kArrowWidth - 1, r.height() - 2);
    p.fillRect(button, kButtonFace);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c.EffectivelyEnabled() ? QColor(Qt::black) : kGrayText);
    const QPointF mid = QRectF(button).center();
    const QPointF arrow[] = {mid + QPointF(-4, -2), mid + QPointF(4, -2), mid + QPointF(0, 2)};
    p.drawPolygon(arrow, 3);
    p.restore();
    const QRect text(r.left() + 2, r.top() + 2, r.width() - kArrowWidth - 3, r.height() - 4);
    QColor color = TextColor(c);
    if (c.Focused()) {
        p.fillRect(text, kHighlight);
        color = kHighlightText;
    }
    Text(p, text.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Qt_FromCp932(c.Text()), c.Font, color);
}

// Item i lies at Top + (i - TopIndex) * ItemHeight inside the box.
void PaintDirectoryBox(QPainter& p, const TDirectoryListBox& c) {
    const QRect r = Bounds(c);
    Fill(p, r, c.Color);
    const int h = std::max(1, c.ItemHeight);
    for (int i = std::max(0, c.TopIndex); i < static_cast<int>(c.Items.size()); ++i) {
        const QRect row(r.left() + 1, r.top() + (i - c.TopIndex) * h, r.width() - 2, h);
        if (row.top() > r.bottom()) break;
        QColor color = TextColor(c);
        if (i == c.ItemIndex) {
            p.fillRect(row, kHighlight);
            color = kHighlightText;
        }
        // Each folder one step further in than the folder it lies in.
        const int indent = 3 + kFolderIndent * (i < static_cast<int>(c.Levels.size()) ? c.Levels[i] : 0);
        Text(p, row.adjusted(indent, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, Qt_FromCp932(c.Items[i]), c.Font,
             color);
    }
    Frame(p, r, kFrame, kFrame);
}

void PaintOne(QPainter& p, const TControl& c, const TPaintState& st) {
    switch (c.Kind()) {
        case TControlKind::Panel: PaintPanel(p, static_cast<const TPanel&>(c)); break;
        case TControlKind::Label: PaintLabel(p, static_cast<const TLabel&>(c)); break;
        case TControlKind::Shape: PaintShape(p, static_cast<const TShape&>(c)); break;
        case TControlKind::Edit: PaintEdit(p, static_cast<const TEdit&>(c), st); break;
        case TControlKind::CheckBox:
            PaintToggle(p, c, static_cast<const TCheckBox&>(c).Checked(), false);
            break;
        case TControlKind::RadioButton:
            PaintToggle(p, c, static_cast<const TRadioButton&>(c).Checked(), true);
            break;
        case TControlKind::Button: PaintButton(p, static_cast<const TButton&>(c)); break;
        case TControlKind::DriveComboBox: PaintDriveBox(p, static_cast<const TDriveComboBox&>(c)); break;
        case TControlKind::DirectoryListBox:
            PaintDirectoryBox(p, static_cast<const TDirectoryListBox&>(c));
            break;
    }
}

// A control, then its children in creation order, each clipped to its parent.
void PaintTree(QPainter& p, const TControl& c, const QRect& clip, const TPaintState& st) {
    if (!c.Visible()) return;
    const QRect inside = clip & Bounds(c);
    if (inside.isEmpty()) return;
    p.save();
    p.setClipRect(inside);
    PaintOne(p, c, st);
    p.restore();
    for (const TControl* child : c.Children()) PaintTree(p, *child, inside, st);
}

}  // namespace

void Qt_PaintForm(QPainter& painter, const TForm& form, const TPaintState& state, const QRect& dirty) {
    const QRect window(0, 0, form.ClientWidth, form.ClientHeight);
    const QRect clip = dirty & window;
    painter.fillRect(clip, Qt_Color(form.Color));
    for (const TControl* c : form.TopLevel()) PaintTree(painter, *c, clip, state);
}

TEditLayout Qt_EditLayout(const TEdit& edit, const QString& preedit, int preeditCursor) {
    TEditLayout L;
    L.font = Qt_Font(edit.Font);
    const QFontMetrics fm(L.font);
    const int border = edit.BorderStyle ? 1 : 0;
    L.inner = Bounds(edit).adjusted(border + kEditMargin, border, -(border + kEditMargin), -border);
    L.lineHeight = fm.height();
    L.ascent = fm.ascent();
    L.top = L.inner.top() + (L.inner.height() - L.lineHeight) / 2;

    const std::string& t = edit.Text();
    const int start = edit.SelStart(), end = edit.SelStart() + edit.SelLength();
    L.before = Qt_FromCp932(t.substr(0, start));
    L.after = Qt_FromCp932(t.substr(end));
    QString toCaret;
    if (!preedit.isEmpty()) {
        L.composing = true;
        L.middle = preedit;
        toCaret = L.before + (preeditCursor < 0 ? preedit : preedit.left(preeditCursor));
    } else {
        L.middle = Qt_FromCp932(t.substr(start, end - start));
        toCaret = edit.CaretPos() == start ? L.before : L.before + L.middle;
    }
    const int full = fm.horizontalAdvance(L.before + L.middle + L.after);
    const int caretOffset = fm.horizontalAdvance(toCaret);
    const int room = L.inner.width();
    if (full < room && edit.Alignment == TAlignment::taRightJustify) {
        L.textX = L.inner.left() + room - full;
    } else if (full < room && edit.Alignment == TAlignment::taCenter) {
        L.textX = L.inner.left() + (room - full) / 2;
    } else {
        // Text wider than the box scrolls to keep the caret in view while the
        // edit is being worked in; otherwise its start shows.
        L.textX = L.inner.left();
        if (edit.Focused() && caretOffset > room - 1) L.textX -= caretOffset - (room - 1);
    }
    L.caretX = L.textX + caretOffset;
    return L;
}

int Qt_EditPosAt(const TEdit& edit, int x) {
    const TEditLayout L = Qt_EditLayout(edit);
    const QFontMetrics fm(L.font);
    const int target = edit.ScreenLeft() + x - L.textX;
    const std::string& t = edit.Text();
    const size_t n = t.size();
    int best = 0, bestDistance = std::abs(target);
    for (size_t i = 0; i < n;) {
        i += (Cp932_IsLead(static_cast<unsigned char>(t[i])) && i + 1 < n) ? 2 : 1;
        const int width = fm.horizontalAdvance(Qt_FromCp932(t.substr(0, i)));
        const int distance = std::abs(target - width);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
        if (width > target) break;  // every later boundary lies further away
    }
    return best;
}
