// The platform's message box in the Qt backend: a real modal box with the
// message converted from CP932, which holds the caller until it is closed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "platform/Application.h"
#include "platform/Cp932.h"
#include "tests/qt/QtTestApp.h"

namespace {

TEST(QtMessageBox, ShowsTheTextModallyUntilOkIsPressed) {
    TestApp();
    Qt_InstallBackends();
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    // Whatever else came up is closed, so a failure never hangs the run.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    guard.start(5000);
    Application_ShowMessage(Cp932_FromUtf8("Hinsyu.620を保存できませんでした。"));  // returns once closed
    EXPECT_EQ(shown, QString::fromUtf8("Hinsyu.620を保存できませんでした。"));
    EXPECT_TRUE(modal);
}

}  // namespace
