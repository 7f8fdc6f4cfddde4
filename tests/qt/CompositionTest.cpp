// The input method's composition in the program's own window: how it is drawn
// in the low header edits, and that leaving an edit commits it there before
// the edit's focus-out stores the field.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <memory>
#include <string>

#include "QtTestApp.h"
#include "editor/Header.h"
#include "platform/Cp932.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/Window.h"
#include "store/Denpyou.h"
#include "tools/Headless.h"

namespace {

const char* const kCustomerEdit = "Edit_DenpKokyakuName_1";

class CompositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        session = std::make_unique<THeadlessSession>();
        ASSERT_TRUE(session->Start());
        window = std::make_unique<TQtWindow>(*session->Form());
        window->show();
        edit = session->ControlAs<TEdit>(kCustomerEdit);
        ASSERT_TRUE(edit);
        ASSERT_EQ(session->Focused(), edit);
        ASSERT_EQ(edit->Height, 14);  // lower than its font's line
    }
    void TearDown() override {
        window.reset();  // before the program it shows
        session.reset();
    }

    void Send(QEvent& e) { QCoreApplication::sendEvent(window.get(), &e); }
    void Compose(const QString& preedit, const QList<QInputMethodEvent::Attribute>& attrs = {}) {
        QInputMethodEvent e(preedit, attrs);
        Send(e);
    }
    int CaretX() {
        QInputMethodQueryEvent e(Qt::ImCursorRectangle);
        Send(e);
        return e.value(Qt::ImCursorRectangle).toRect().x();
    }
    void Click(const TControl* c) {
        const QPointF at = Rect(c).center();
        const QPointF global = window->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        Send(press);
        Send(release);
    }
    static QRect Rect(const TControl* c) { return QRect(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height); }

    std::unique_ptr<THeadlessSession> session;
    std::unique_ptr<TQtWindow> window;
    TEdit* edit = nullptr;
};

QInputMethodEvent::Attribute Format(int start, int length, const QTextCharFormat& format) {
    return {QInputMethodEvent::TextFormat, start, length, format};
}

// Rows inside r where every pixel from x0 to x1 has this colour.
int SolidRows(const QImage& image, const QRect& r, int x0, int x1, const QColor& color) {
    int rows = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        bool solid = true;
        for (int x = x0; x <= x1 && solid; ++x) solid = image.pixelColor(x, y) == color;
        rows += solid;
    }
    return rows;
}

TEST_F(CompositionTest, ClausesAreDrawnFromTheInputMethodsFormatsInsideTheEdit) {
    const QRect r = Rect(edit);
    const QFontMetrics fm(Qt_Font(edit->Font));

    // Without formats the whole composition is underlined, on a line of the edit.
    const QString kana = QString::fromUtf8("やまだ");
    Compose(kana, {{QInputMethodEvent::Cursor, 0, 1}});
    const int x0 = CaretX();
    const int width = fm.horizontalAdvance(kana);
    EXPECT_EQ(SolidRows(Qt_RenderForm(*session->Form()), r, x0 + 2, x0 + width - 3, QColor(Qt::black)), 1);

    // Two clauses: the first underlined in the colour given, the one being
    // converted on its background, the candidates' place at its start.
    const QString first = QString::fromUtf8("山田"), second = QString::fromUtf8("工務店");
    const QColor underline(0, 160, 0), ground(10, 20, 230);
    QTextCharFormat plain, target;
    plain.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    plain.setUnderlineColor(underline);
    target.setBackground(ground);
    target.setForeground(QColor(Qt::white));
    Compose(first + second, {Format(0, 2, plain), Format(2, 3, target), {QInputMethodEvent::Cursor, 2, 0}});
    const int split = x0 + fm.horizontalAdvance(first);
    EXPECT_EQ(CaretX(), split);
    const QImage image = Qt_RenderForm(*session->Form());
    EXPECT_EQ(SolidRows(image, r, x0 + 2, split - 3, underline), 1);
    EXPECT_EQ(CountPixels(image, underline, r, true), 0);
    const QRect targetArea(split, r.top(), fm.horizontalAdvance(second), r.height());
    EXPECT_GT(CountPixels(image, ground, targetArea), targetArea.width() * targetArea.height() / 2);
    EXPECT_EQ(CountPixels(image, ground, targetArea, true), 0);
    EXPECT_EQ(edit->Text(), "");  // shown, not typed
}

// Leaving the edit during a composition, by the mouse, by Tab or by a move of
// the program: the composed text is in the edit and its focus-out stored it.
enum class TLeave { Click, Tab, Program };

class CompositionLeaveTest : public CompositionTest, public ::testing::WithParamInterface<TLeave> {};

TEST_P(CompositionLeaveTest, CommitsIntoTheEditBeforeItsFocusOut) {
    const std::string typed = Cp932_FromUtf8("山田工務店");
    TControl* elsewhere = session->Control("Edit_DenpKoujiName_1");
    Compose(QString::fromUtf8("山田工務店"));
    switch (GetParam()) {
        case TLeave::Click: Click(elsewhere); break;
        case TLeave::Tab: {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
            Send(tab);
            break;
        }
        case TLeave::Program: elsewhere->SetFocus(); break;
    }
    EXPECT_NE(session->Focused(), edit);
    EXPECT_EQ(edit->Text().substr(0, typed.size()), typed);
    EXPECT_EQ(std::string(Denpyou_Field[Header_FirstField]).substr(0, typed.size()), typed);
    // None of it reached the control that has the focus now, and the window
    // shows no composition any more.
    if (auto* now = dynamic_cast<TEdit*>(session->Focused())) {
        EXPECT_EQ(now->Text().find(typed), std::string::npos);
    }
    EXPECT_FALSE(window->PaintState().composition.Active());
}

INSTANTIATE_TEST_SUITE_P(Ways, CompositionLeaveTest, ::testing::Values(TLeave::Click, TLeave::Tab, TLeave::Program));

// A customer name from the input method, not yet stored in the document, and
// the exit: End in the field (the name committed by the input method), or
// the menu's "終　了" clicked during the composition. The question comes
// up; "いいえ" gives the name back with the caret after it.
enum class TExitBy { End, Menu };

class CompositionExitTest : public CompositionTest, public ::testing::WithParamInterface<TExitBy> {};

TEST_P(CompositionExitTest, TheExitAsksAndNoKeepsTheName) {
    const QString name = QString::fromUtf8("山田工務店");
    const std::string typed = Cp932_FromUtf8("山田工務店");
    if (GetParam() == TExitBy::End) {
        QInputMethodEvent committed;
        committed.setCommitString(name);
        Send(committed);
        ASSERT_EQ(edit->Text(), typed);
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        Send(end);
    } else {
        Compose(name);
        Click(session->Control("Label_Job_10"));
    }
    ASSERT_FALSE(session->Exited());
    EXPECT_TRUE(session->Control("Panel_ExitChoose")->Visible());
    ASSERT_EQ(session->FocusedName(), "Edit_ExeitChoose");

    QKeyEvent no(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");  // "いいえ" is selected
    Send(no);
    EXPECT_FALSE(session->Control("Panel_ExitChoose")->Visible());
    ASSERT_EQ(session->Focused(), edit);
    EXPECT_EQ(edit->Text(), typed);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->CaretPos(), static_cast<int>(typed.size()));
}

INSTANTIATE_TEST_SUITE_P(Ways, CompositionExitTest, ::testing::Values(TExitBy::End, TExitBy::Menu));

}  // namespace
