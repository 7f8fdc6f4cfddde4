// Keys, typed and composed text, the clipboard, the mouse, the wheel and the
// close box, sent to the window as Qt delivers them.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <vector>

#include "QtTestApp.h"
#include "platform/Cp932.h"
#include "platform/Form.h"
#include "platform/Volumes.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/Window.h"

namespace {

struct TKeySeen {
    std::string control;
    Word key;
    bool shift, ctrl;
    std::string textThen;  // the edit's text when the handler ran
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        panel = form.Create<TPanel>("Panel");
        panel->SetBounds(10, 10, 600, 400);
        edit = MakeEdit("Edit_1", 20);
        other = MakeEdit("Edit_2", 60);
        box = form.Create<TCheckBox>("Check_1", panel);
        box->SetBounds(100, 100, 120, 20);
        window = std::make_unique<TQtWindow>(form);
        window->show();
        edit->SetFocus();
    }

    TEdit* MakeEdit(const std::string& name, int top) {
        auto* e = form.Create<TEdit>(name, panel);
        e->SetBounds(100, top, 200, 24);
        e->Font.Height = -16;
        e->OnKeyDown = [this](TControl* c, Word key, TShiftState s) {
            seen.push_back({c->Name(), key, s.Shift, s.Ctrl, static_cast<TEdit*>(c)->Text()});
        };
        e->OnChange = [this](TControl*) { ++changes; };
        return e;
    }

    void Send(QEvent& e) { QCoreApplication::sendEvent(window.get(), &e); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        Send(press);
    }
    void Compose(const QString& preedit, const QString& commit = QString(), int cursor = -2) {
        QList<QInputMethodEvent::Attribute> attrs;
        if (cursor != -2) attrs.append({QInputMethodEvent::Cursor, cursor, 1});
        QInputMethodEvent e(preedit, attrs);
        if (!commit.isEmpty()) e.setCommitString(commit);
        Send(e);
    }
    QVariant Query(Qt::InputMethodQuery q) {
        QInputMethodQueryEvent e(q);
        Send(e);
        return e.value(q);
    }
    QRect Rect(const TControl* c) const { return QRect(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height); }

    TForm form;
    TPanel* panel = nullptr;
    TEdit* edit = nullptr;
    TEdit* other = nullptr;
    TCheckBox* box = nullptr;
    std::unique_ptr<TQtWindow> window;
    std::vector<TKeySeen> seen;
    int changes = 0;
};

TEST_F(InputTest, KeysReachTheFocusedEditWithTheirCodes) {
    const struct {
        int qt;
        Qt::KeyboardModifiers mods;
        const char* text;
        Word code;
        bool shift, ctrl;
    } rows[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", vk::Return, false, false},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", vk::Return, false, false},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", vk::Escape, false, false},
        {Qt::Key_Tab, Qt::NoModifier, "\t", vk::Tab, false, false},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", vk::Tab, true, false},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", vk::Back, false, false},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", vk::Delete, false, false},
        {Qt::Key_PageUp, Qt::NoModifier, "", vk::PageUp, false, false},
        {Qt::Key_PageDown, Qt::NoModifier, "", vk::PageDown, false, false},
        {Qt::Key_Home, Qt::NoModifier, "", vk::Home, false, false},
        {Qt::Key_End, Qt::ShiftModifier, "", vk::End, true, false},
        {Qt::Key_Left, Qt::NoModifier, "", vk::Left, false, false},
        {Qt::Key_Up, Qt::NoModifier, "", vk::Up, false, false},
        {Qt::Key_Right, Qt::ControlModifier, "", vk::Right, false, true},
        {Qt::Key_Down, Qt::NoModifier, "", vk::Down, false, false},
        {Qt::Key_F1, Qt::NoModifier, "", vk::F1, false, false},
        {Qt::Key_F9, Qt::NoModifier, "", vk::F9, false, false},
        {Qt::Key_F12, Qt::NoModifier, "", vk::F12, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        edit->SetFocus();
        seen.clear();
        Key(row.qt, row.mods, QString::fromLatin1(row.text));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].control, "Edit_1");
        EXPECT_EQ(seen[0].key, row.code);
        EXPECT_EQ(seen[0].shift, row.shift);
        EXPECT_EQ(seen[0].ctrl, row.ctrl);
        EXPECT_EQ(edit->Text(), "");  // control characters are never typed
    }
    // Tab and Shift+Tab walk the form's tab order, not Qt's.
    edit->SetFocus();
    Key(Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(form.ActiveControl(), other);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form.ActiveControl(), edit);
}

TEST_F(InputTest, TypedTextFollowsTheKeyDown) {
    Key(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_TRUE(seen.empty());  // a letter has no key code of its own
    EXPECT_EQ(edit->Text(), "a");
    Key(Qt::Key_Space, Qt::NoModifier, " ");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, vk::Space);
    EXPECT_EQ(seen[0].textThen, "a");  // the handler ran before the blank arrived
    EXPECT_EQ(edit->Text(), "a ");
    Key(Qt::Key_B, Qt::ControlModifier, "\x02");
    Key(Qt::Key_C, Qt::AltModifier, "c");
    EXPECT_EQ(edit->Text(), "a ");
}

TEST_F(InputTest, ClipboardKeysWorkOnTheFocusedEdit) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromUtf8("見積\n二行目"));
    Key(Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(edit->Text(), "\x8C\xA9\x90\xCF");  // the first line only, as CP932
    EXPECT_EQ(changes, 1);

    clipboard->clear();
    Key(Qt::Key_C, Qt::ControlModifier, "\x03");  // nothing selected: nothing copied
    EXPECT_EQ(clipboard->text(), QString());
    Key(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(edit->SelLength(), 4);
    Key(Qt::Key_C, Qt::ControlModifier, "\x03");
    EXPECT_EQ(clipboard->text(), QString::fromUtf8("見積"));
    Key(Qt::Key_X, Qt::ControlModifier, "\x18");
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(clipboard->text(), QString::fromUtf8("見積"));
    Key(Qt::Key_X, Qt::ControlModifier, "\x18");  // nothing selected: nothing cut
    EXPECT_EQ(clipboard->text(), QString::fromUtf8("見積"));
    EXPECT_TRUE(seen.empty());
}

TEST_F(InputTest, CommittedTextReachesTheEditAsCp932) {
    Compose(QString(), QString::fromUtf8("見積"));
    EXPECT_EQ(edit->Text(), "\x8C\xA9\x90\xCF");
    EXPECT_EQ(changes, 1);
    // A character CP932 cannot hold is refused; the rest arrives.
    Compose(QString(), QString::fromUtf8("A\U0001F600B"));
    EXPECT_EQ(edit->Text(), "\x8C\xA9\x90\xCF" "AB");
    // With no edit focused, committed text goes nowhere.
    box->SetFocus();
    Compose(QString(), QString::fromUtf8("書"));
    EXPECT_EQ(edit->Text(), "\x8C\xA9\x90\xCF" "AB");
    EXPECT_EQ(box->Caption, "");
}

TEST_F(InputTest, PreeditIsDrawnInPlaceButChangesNothing) {
    edit->SetText(Cp932_FromUtf8("見積"));
    edit->SetSel(4, 0);  // the caret after the text, where the composition goes
    const QImage before = Qt_RenderForm(form);
    const int textEnd = Query(Qt::ImCursorRectangle).toRect().x();

    Compose(QString::fromUtf8("けん"), QString(), 2);
    EXPECT_EQ(edit->Text(), Cp932_FromUtf8("見積"));
    EXPECT_EQ(changes, 0);
    const QImage composing = Qt_RenderForm(form);
    EXPECT_NE(composing.copy(Rect(edit)), before.copy(Rect(edit)));
    // The candidate window follows the caret at the end of the composition.
    const QFontMetrics fm(Qt_Font(edit->Font));
    EXPECT_EQ(Query(Qt::ImCursorRectangle).toRect().x(), textEnd + fm.horizontalAdvance(QString::fromUtf8("けん")));

    // Keys that belong to the composition never reach the form.
    Key(Qt::Key_Return, Qt::NoModifier, "\r");
    Key(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(edit->Text(), Cp932_FromUtf8("見積"));

    // Committing replaces the composition.
    Compose(QString(), QString::fromUtf8("件"));
    EXPECT_EQ(edit->Text(), Cp932_FromUtf8("見積件"));
    EXPECT_EQ(changes, 1);
    Key(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(seen.size(), 1u);

    // A cancelled composition leaves the picture as it was.
    edit->SetText(Cp932_FromUtf8("見積"));
    edit->SetSel(4, 0);
    Compose(QString::fromUtf8("か"));
    Compose(QString());
    EXPECT_EQ(Qt_RenderForm(form).copy(Rect(edit)), before.copy(Rect(edit)));
}

TEST_F(InputTest, InputMethodIsAnsweredForTheFocusedEdit) {
    edit->SetText(Cp932_FromUtf8("見積"));
    edit->SetSel(0, 0);
    const QRect home = Query(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(Rect(edit).contains(home.topLeft()));
    EXPECT_LE(home.x(), Rect(edit).left() + 4);
    EXPECT_EQ(Query(Qt::ImCursorPosition).toInt(), 0);

    edit->SetSel(4, 0);
    const QRect end = Query(Qt::ImCursorRectangle).toRect();
    const QFontMetrics fm(Qt_Font(edit->Font));
    EXPECT_EQ(end.x() - home.x(), fm.horizontalAdvance(QString::fromUtf8("見積")));
    EXPECT_EQ(end.height(), fm.height());
    EXPECT_TRUE(Rect(edit).contains(end));
    EXPECT_EQ(Query(Qt::ImSurroundingText).toString(), QString::fromUtf8("見積"));
    EXPECT_EQ(Query(Qt::ImCursorPosition).toInt(), 2);  // characters, not bytes

    edit->SetSel(2, 2);
    EXPECT_EQ(Query(Qt::ImAnchorPosition).toInt(), 1);
    EXPECT_EQ(Query(Qt::ImCursorPosition).toInt(), 2);
    EXPECT_EQ(Query(Qt::ImCurrentSelection).toString(), QString::fromUtf8("積"));

    // Conversion is on only for an edit that wants it.
    EXPECT_TRUE(Query(Qt::ImEnabled).toBool());
    EXPECT_TRUE(window->testAttribute(Qt::WA_InputMethodEnabled));
    box->SetFocus();
    EXPECT_FALSE(Query(Qt::ImEnabled).toBool());
    EXPECT_FALSE(window->testAttribute(Qt::WA_InputMethodEnabled));
    other->ImeMode = TImeMode::imDisable;
    other->SetFocus();
    EXPECT_FALSE(Query(Qt::ImEnabled).toBool());
    edit->SetFocus();
    EXPECT_TRUE(window->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(InputTest, MousePressFocusesAndMeasuresTheCaret) {
    other->SetText(Cp932_FromUtf8("見積書"));
    const QFontMetrics fm(Qt_Font(other->Font));
    const int oneChar = fm.horizontalAdvance(QString::fromUtf8("見"));
    // Positions relative to the edit, as the form asks: nearest boundary, whole characters.
    EXPECT_EQ(window->EditPosAt(other, 0), 0);
    EXPECT_EQ(window->EditPosAt(other, 2 + oneChar - 2), 2);
    EXPECT_EQ(window->EditPosAt(other, 2 + oneChar + 3), 2);
    EXPECT_EQ(window->EditPosAt(other, 199), 6);

    int clicks = 0;
    other->OnClick = [&](TControl*) { ++clicks; };
    const QPointF at = Rect(other).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    Send(press);
    EXPECT_EQ(form.ActiveControl(), other);
    QMouseEvent release(QEvent::MouseButtonRelease, at, window->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    Send(release);
    EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, DoubleClickOpensAFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    auto* list = form.Create<TDirectoryListBox>("DirList", panel);
    list->SetBounds(320, 20, 200, 300);
    list->SetDirectory(dir.path().toStdString());
    ASSERT_EQ(list->Items.back(), "sub");
    const int row = static_cast<int>(list->Items.size()) - 1;
    const QPointF at(Rect(list).left() + 20, Rect(list).top() + row * list->ItemHeight + list->ItemHeight / 2);
    const QPointF global = window->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Send(press);
    Send(release);
    EXPECT_EQ(form.ActiveControl(), list);
    EXPECT_EQ(list->ItemIndex, row);
    Send(twice);
    Send(release);
    EXPECT_EQ(list->Directory(), dir.path().toStdString() + "/sub");
}

// A press opens the drive box's list, read again as it opens: a volume
// mounted since is there, and choosing it is one change.
TEST_F(InputTest, DriveBoxDropsDownTheVolumesMountedNow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string base = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkpath("media/USB"));
    std::vector<TMountEntry> mounts;
    const TVolumePlaces before = Volumes_Install({[&mounts] { return mounts; }, "", {base + "/media"}});
    auto* drive = form.Create<TDriveComboBox>("Drive", panel);
    drive->SetBounds(320, 20, 200, 22);
    std::vector<std::string> changes;
    drive->OnChange = [&](TControl*) { changes.push_back(drive->Drive()); };
    mounts.push_back({base + "/media/USB", "vfat"});

    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) listed << a->text();
        menu->setActiveAction(menu->actions().last());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    });
    const QPointF at = Rect(drive).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    Send(press);
    Volumes_Install(before);
    EXPECT_EQ(listed, (QStringList{"/", QString::fromStdString(base + "/media/USB")}));
    EXPECT_EQ(changes, std::vector<std::string>{base + "/media/USB"});
    EXPECT_EQ(drive->Text(), Cp932_FromUtf8(base + "/media/USB"));
}

TEST_F(InputTest, WheelGivesOneEventPerNotch) {
    std::vector<std::pair<char, QPoint>> notches;
    form.OnMouseWheelDown = [&](TShiftState, int x, int y) { notches.push_back({'d', QPoint(x, y)}); };
    form.OnMouseWheelUp = [&](TShiftState, int x, int y) { notches.push_back({'u', QPoint(x, y)}); };
    auto wheel = [&](int delta, QPoint at) {
        QWheelEvent e(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        Send(e);
    };
    wheel(-240, QPoint(300, 200));
    ASSERT_EQ(notches.size(), 2u);
    EXPECT_EQ(notches[0], std::make_pair('d', QPoint(300, 200)));
    EXPECT_EQ(notches[1].first, 'd');
    wheel(60, QPoint(5, 6));
    EXPECT_EQ(notches.size(), 2u);
    wheel(60, QPoint(5, 6));
    ASSERT_EQ(notches.size(), 3u);
    EXPECT_EQ(notches[2], std::make_pair('u', QPoint(5, 6)));
}

TEST_F(InputTest, CloseRequestIsIgnored) {
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    QCloseEvent close;
    Send(close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
