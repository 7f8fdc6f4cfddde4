// The program's one window: a fixed 1024 x 768 widget that paints the whole
// control tree of a TForm and turns Qt's key, mouse, wheel and input-method
// events into the form's events.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Form.h"
#include "platform/qt/Paint.h"

class TQtWindow : public QWidget, public TFormHost {
public:
    explicit TQtWindow(TForm& form, QWidget* parent = nullptr);
    ~TQtWindow() override;

    TForm& Form() const { return form_; }
    // The composition in progress and the caret, as painted.
    TPaintState PaintState() const;

    // TFormHost
    void Invalidate() override;
    void RepaintNow(TControl* control) override;
    void FocusChanged() override;
    int EditPosAt(TEdit* edit, int x) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab belongs to the form's tab order, not to Qt's focus chain.
    bool focusNextPrevChild(bool next) override { return false; }

private:
    TEdit* FocusedEdit() const;
    bool InputMethodWanted() const;
    bool EditCommand(QKeyEvent* event);
    void CommitComposition();
    void Press(QMouseEvent* event, bool doubleClick);
    void DropDown(TDriveComboBox* box);
    void Settle();  // after an event: repaint, the caret shows, the input method follows
    void BlinkCaret();

    TForm& form_;
    std::string title_;
    TComposition composition_;
    // While a composition is being committed: the input method's answer.
    bool capturing_ = false;
    QString captured_;
    QTimer caretTimer_;
    bool caretOn_ = true;
};

// Runs an event's handlers; an exception that escapes them is shown to the
// user instead of unwinding through Qt.
void Qt_Guarded(const std::function<void()>& work);
