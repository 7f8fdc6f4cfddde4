#include "platform/qt/Window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTextCharFormat>
#include <QWheelEvent>
#include <algorithm>
#include <exception>

#include "platform/Application.h"
#include "platform/qt/QtText.h"

void Qt_Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        Application_ShowException(e.what());
    }
}

namespace {

const int kCaretBlinkMs = 530;

// Qt keys and the codes the form's key handlers compare.
struct TKeyRow {
    int qt;
    Word code;
};
const TKeyRow kKeys[] = {
    {Qt::Key_Return, vk::Return},    {Qt::Key_Enter, vk::Return},   {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Tab, vk::Tab},          {Qt::Key_Backtab, vk::Tab},    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Delete, vk::Delete},    {Qt::Key_Space, vk::Space},    {Qt::Key_PageUp, vk::PageUp},
    {Qt::Key_PageDown, vk::PageDown}, {Qt::Key_End, vk::End},       {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},        {Qt::Key_Up, vk::Up},          {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
};

Word KeyCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<Word>(vk::F1 + (qtKey - Qt::Key_F1));
    for (const auto& row : kKeys)
        if (row.qt == qtKey) return row.code;
    return 0;
}

TShiftState ShiftState(Qt::KeyboardModifiers m) {
    return TShiftState{(m & Qt::ShiftModifier) != 0, (m & Qt::ControlModifier) != 0, (m & Qt::AltModifier) != 0};
}

bool Printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

bool MouseButton(Qt::MouseButton b, TMouseButton* out) {
    switch (b) {
        case Qt::LeftButton: *out = TMouseButton::mbLeft; return true;
        case Qt::RightButton: *out = TMouseButton::mbRight; return true;
        case Qt::MiddleButton: *out = TMouseButton::mbMiddle; return true;
        default: return false;
    }
}

QRect Bounds(const TControl& c) { return QRect(c.ScreenLeft(), c.ScreenTop(), c.Width, c.Height); }

// Text positions the input method counts in: UTF-16 units of the converted text.
int Utf16Length(const std::string& cp932) { return static_cast<int>(Qt_FromCp932(cp932).size()); }

}  // namespace

TQtWindow::TQtWindow(TForm& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint),
      form_(form) {
    setFixedSize(form.ClientWidth, form.ClientHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    title_ = form.Caption;
    setWindowTitle(Qt_FromCp932(title_));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    caretTimer_.setInterval(kCaretBlinkMs);
    QObject::connect(&caretTimer_, &QTimer::timeout, this, [this] { BlinkCaret(); });
    form_.SetHost(this);
    FocusChanged();
}

TQtWindow::~TQtWindow() {
    if (form_.Host() == this) form_.SetHost(nullptr);
}

TPaintState TQtWindow::PaintState() const {
    TPaintState st;
    st.composition = composition_;
    st.caretOn = caretOn_;
    return st;
}

TEdit* TQtWindow::FocusedEdit() const {
    TControl* c = form_.ActiveControl();
    return c && c->Kind() == TControlKind::Edit ? static_cast<TEdit*>(c) : nullptr;
}

// Japanese conversion only while an edit that takes typed text has the focus.
bool TQtWindow::InputMethodWanted() const {
    const TEdit* edit = FocusedEdit();
    return edit && !edit->ReadOnly && edit->ImeMode != TImeMode::imDisable && edit->ImeMode != TImeMode::imClose;
}

// ------------------------------------------------------------- the host

void TQtWindow::Invalidate() {
    if (form_.Caption != title_) {
        title_ = form_.Caption;
        setWindowTitle(Qt_FromCp932(title_));
    }
    update();
}

void TQtWindow::RepaintNow(TControl* control) {
    if (control) repaint(Bounds(*control));
    else repaint();
}

void TQtWindow::FocusChanged() {
    // The form calls this before the focus-out of the control being left: a
    // composition in it is committed there first, and the focus-out stores
    // what was typed.
    CommitComposition();
    setAttribute(Qt::WA_InputMethodEnabled, InputMethodWanted());
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
    caretOn_ = true;
    if (FocusedEdit()) caretTimer_.start();
    else caretTimer_.stop();
    update();
}

int TQtWindow::EditPosAt(TEdit* edit, int x) { return edit ? Qt_EditPosAt(*edit, x) : -1; }

void TQtWindow::Settle() {
    caretOn_ = true;
    if (caretTimer_.isActive()) caretTimer_.start();  // a fresh blink after each action
    update();
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
}

void TQtWindow::BlinkCaret() {
    caretOn_ = !caretOn_;
    if (const TEdit* edit = FocusedEdit()) update(Bounds(*edit));
}

// ------------------------------------------------------------- painting

void TQtWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    TPaintState st = PaintState();
    st.caretOn = caretOn_ && hasFocus();
    Qt_PaintForm(painter, form_, st, event->rect());
}

// ----------------------------------------------------------------- keys

void TQtWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (composition_.Active()) {
        // Keys that belong to a composition never reach the form. A Tab the
        // input method passes on leaves the edit with what was composed.
        if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) return;
        CommitComposition();
    }
    if (EditCommand(event)) {
        Settle();
        return;
    }
    const TShiftState shift = ShiftState(event->modifiers());
    const Word code = KeyCode(event->key());
    // Backtab is Shift+Tab.
    const TShiftState sent =
        event->key() == Qt::Key_Backtab ? TShiftState{true, shift.Ctrl, shift.Alt} : shift;
    const QString text = event->text();
    Qt_Guarded([&] {
        if (code) form_.KeyDown(code, sent);
        if (!shift.Ctrl && !shift.Alt && Printable(text)) form_.InputText(Qt_ToCp932(text));
    });
    Settle();
}

// Clipboard and selection keys of the focused edit: Ctrl+A, C, X, V.
bool TQtWindow::EditCommand(QKeyEvent* event) {
    const auto m = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (m != Qt::ControlModifier) return false;
    const int key = event->key();
    if (key != Qt::Key_A && key != Qt::Key_C && key != Qt::Key_X && key != Qt::Key_V) return false;
    TEdit* edit = FocusedEdit();
    if (!edit) return true;
    QClipboard* clipboard = QGuiApplication::clipboard();
    Qt_Guarded([&] {
        switch (key) {
            case Qt::Key_A:
                edit->SelectAll();
                break;
            case Qt::Key_C:
            case Qt::Key_X:
                if (edit->SelLength() == 0) break;
                clipboard->setText(Qt_FromCp932(edit->SelText()));
                if (key == Qt::Key_X) edit->ProcessKey(vk::Delete, {});
                break;
            case Qt::Key_V: {
                // An edit holds one line: what follows the first line break stays out.
                QString text = clipboard->text();
                const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
                if (lineEnd >= 0) text.truncate(lineEnd);
                if (!text.isEmpty()) form_.InputText(Qt_ToCp932(text));
                break;
            }
        }
    });
    return true;
}

// ------------------------------------------------------- input method

void TQtWindow::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    const QString commit = event->commitString();
    if (capturing_) {
        // The input method's answer to CommitComposition, which places it.
        if (captured_.isNull() && !commit.isEmpty()) captured_ = commit;
        return;
    }
    composition_ = TComposition();
    if (!commit.isEmpty()) Qt_Guarded([&] { form_.InputText(Qt_ToCp932(commit)); });
    if (TEdit* edit = FocusedEdit(); edit && !event->preeditString().isEmpty()) {
        composition_.edit = edit;
        composition_.text = event->preeditString();
        const int length = static_cast<int>(composition_.text.size());
        composition_.cursor = length;
        for (const auto& a : event->attributes()) {
            if (a.type == QInputMethodEvent::Cursor) {
                // A hidden cursor still marks where the candidates belong.
                composition_.cursor = std::clamp(a.start, 0, length);
                composition_.cursorShown = a.length > 0;
            } else if (a.type == QInputMethodEvent::TextFormat && a.length > 0) {
                const QTextCharFormat format = a.value.value<QTextFormat>().toCharFormat();
                if (format.isValid()) composition_.formats.append({a.start, a.length, format});
            }
        }
    }
    Settle();
}

// Ends the composition the user is leaving (the focus moves, a press, Tab),
// as desktop editors do: the input method is asked to commit, and what it
// commits, or without its answer the text as shown, goes into the edit it was
// typed in, whichever control has the focus by now.
void TQtWindow::CommitComposition() {
    if (!composition_.Active()) {
        composition_ = TComposition();
        return;
    }
    TEdit* edit = composition_.edit;
    const QString shown = composition_.text;
    composition_ = TComposition();
    update();
    capturing_ = true;
    captured_ = QString();
    QInputMethod* im = QGuiApplication::inputMethod();
    im->commit();
    // No answer: the input method forgets its composition, and whatever it
    // commits while doing so is the same text and is not taken twice.
    if (captured_.isNull()) im->reset();
    capturing_ = false;
    const QString text = captured_.isNull() ? shown : captured_;
    Qt_Guarded([&] { edit->InsertText(Qt_ToCp932(text)); });
}

QVariant TQtWindow::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return InputMethodWanted();
    const TEdit* edit = FocusedEdit();
    if (!edit) return QWidget::inputMethodQuery(query);
    const std::string& text = edit->Text();
    const int caret = edit->CaretPos();
    const int anchor = caret == edit->SelStart() ? edit->SelStart() + edit->SelLength() : edit->SelStart();
    switch (query) {
        case Qt::ImCursorRectangle: {
            const bool composing = composition_.edit == edit && composition_.Active();
            const TEditLayout L = Qt_EditLayout(*edit, composing ? composition_.text : QString(), composition_.cursor);
            return QRect(L.caretX, L.top, 1, L.lineHeight);
        }
        case Qt::ImInputItemClipRectangle:
            return Bounds(*edit);
        case Qt::ImFont:
            return Qt_Font(edit->Font);
        case Qt::ImCursorPosition:
        case Qt::ImAbsolutePosition:
            return Utf16Length(text.substr(0, caret));
        case Qt::ImAnchorPosition:
            return Utf16Length(text.substr(0, anchor));
        case Qt::ImSurroundingText:
            return Qt_FromCp932(text);
        case Qt::ImCurrentSelection:
            return Qt_FromCp932(edit->SelText());
        case Qt::ImTextBeforeCursor:
            return Qt_FromCp932(text.substr(0, caret));
        case Qt::ImTextAfterCursor:
            return Qt_FromCp932(text.substr(caret));
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhNone);
        default:
            return QWidget::inputMethodQuery(query);
    }
}

// ---------------------------------------------------------------- mouse

void TQtWindow::Press(QMouseEvent* event, bool doubleClick) {
    TMouseButton button;
    if (!MouseButton(event->button(), &button)) return;
    // A press ends a composition before any of its handlers runs.
    CommitComposition();
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftState(event->modifiers());
    TControl* hit = nullptr;
    Qt_Guarded([&] { hit = form_.MouseDown(at.x(), at.y(), button, shift); });
    if (!hit || button != TMouseButton::mbLeft || form_.ActiveControl() != hit) return;
    if (hit->Kind() == TControlKind::DirectoryListBox) {
        // A press selects the folder under the mouse; a double click opens it.
        auto* box = static_cast<TDirectoryListBox*>(hit);
        const int index = box->TopIndex + (at.y() - box->ScreenTop()) / std::max(1, box->ItemHeight);
        if (index < 0 || index >= static_cast<int>(box->Items.size())) return;
        box->ItemIndex = index;
        form_.Invalidate();
        if (doubleClick) Qt_Guarded([&] { box->OpenItem(index); });
    } else if (hit->Kind() == TControlKind::DriveComboBox && !doubleClick) {
        Qt_Guarded([&] { form_.MouseUp(at.x(), at.y(), button, shift); });
        DropDown(static_cast<TDriveComboBox*>(hit));
    }
}

// The drive box's list of volumes, read again as it opens; choosing another
// one is a change.
void TQtWindow::DropDown(TDriveComboBox* box) {
    Qt_Guarded([&] { box->Refresh(); });
    QMenu menu(this);
    menu.setFont(Qt_Font(box->Font));
    menu.setMinimumWidth(box->Width);
    for (int i = 0; i < static_cast<int>(box->Items.size()); ++i) {
        QAction* action = menu.addAction(Qt_FromCp932(box->Items[i]));
        action->setData(i);
        action->setCheckable(true);
        action->setChecked(i == box->ItemIndex);
    }
    const QAction* chosen = menu.exec(mapToGlobal(QPoint(box->ScreenLeft(), box->ScreenTop() + box->Height)));
    if (chosen) Qt_Guarded([&] { box->Select(chosen->data().toInt()); });
    Settle();
}

void TQtWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Press(event, false);
    Settle();
}

// Qt gives a double click in place of the second press.
void TQtWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Press(event, true);
    Settle();
}

void TQtWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    TMouseButton button;
    if (!MouseButton(event->button(), &button)) return;
    const QPoint at = event->position().toPoint();
    Qt_Guarded([&] { form_.MouseUp(at.x(), at.y(), button, ShiftState(event->modifiers())); });
    Settle();
}

void TQtWindow::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    const QPoint at = event->position().toPoint();
    form_.WheelX = at.x();
    form_.WheelY = at.y();
    Qt_Guarded([&] { form_.MouseWheel(delta, ShiftState(event->modifiers())); });
    Settle();
}

// ----------------------------------------------------------- the window

// The window has no close box; the program ends through its own commands.
void TQtWindow::closeEvent(QCloseEvent* event) {
    if (form_.CloseQuery()) event->accept();
    else event->ignore();
}

void TQtWindow::focusInEvent(QFocusEvent* event) {
    // The window coming back keeps the control that had the focus.
    caretOn_ = true;
    update();
}

void TQtWindow::focusOutEvent(QFocusEvent* event) { update(); }
