// The platform's message box in the Qt backend: a real modal box with the
// message converted from CP932, which holds the caller until it is closed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "platform/Application.h"
#include "platform/Cp932.h"
#include "platform/qt/Window.h"
#include "tests/qt/QtTestApp.h"
#include "tools/Headless.h"

namespace {

// A box shown by show, answered with OK: its title and text. Whatever else
// comes up is closed, so a failure never hangs the run.
struct TSeenBox {
    QString Title, Text;
    bool Modal = false;
};
TSeenBox Answered(const std::function<void()>& show) {
    TSeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->isModal()};
        box->button(QMessageBox::Ok)->click();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    guard.start(5000);
    show();
    return seen;
}

TEST(QtMessageBox, ShowsTheTextModallyUntilOkIsPressed) {
    TestApp();
    Qt_InstallBackends();
    const TSeenBox seen = Answered([] {
        Application_ShowMessage(Cp932_FromUtf8("Hinsyu.620を保存できませんでした。"));  // returns once closed
    });
    EXPECT_EQ(seen.Text, QString::fromUtf8("Hinsyu.620を保存できませんでした。"));
    EXPECT_TRUE(seen.Modal);
}

// Every box carries the window's title, also before the window is shown (a
// second copy refused at start-up) and for an error that escaped.
TEST(QtMessageBox, EveryBoxCarriesTheWindowsTitle) {
    TestApp();
    Qt_InstallBackends();
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    Application_SetMessageHandler(nullptr);  // the real box, not the session's record
    const QString title = QString::fromUtf8("見積・請求書作成");
    const auto message = [] { Application_ShowMessage(Cp932_FromUtf8("既に起動しています。")); };
    const auto error = [] { Application_ShowException("printer"); };

    const TSeenBox early = Answered(message);
    EXPECT_EQ(early.Text, QString::fromUtf8("既に起動しています。"));
    EXPECT_EQ(early.Title, title);
    EXPECT_EQ(Answered(error).Title, title);

    TQtWindow window(*session.Form());
    window.show();
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(Answered(message).Title, title);
}

}  // namespace
