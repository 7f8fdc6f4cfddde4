#include "platform/qt/QtApplication.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <string>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Window.h"

namespace {

QPointer<TQtWindow> g_window;

// The window is shown and the form activated once; the window manager
// activating it again later (the user coming back from another program)
// leaves the form and its focus alone.
void RunForm(TForm& form) {
    TQtWindow window(form);
    g_window = &window;
    window.show();
    QTimer::singleShot(0, &window, [&form] {
        Qt_Guarded([&form] {
            if (form.OnActivate) form.OnActivate();
        });
    });
    QApplication::exec();
    g_window = nullptr;
}

void ShowException(const std::string& message) {
    QWidget* parent = g_window.data();
    const QString title = parent ? parent->windowTitle() : QString();
    QMessageBox::critical(parent, title, Qt_FromCp932(message));
}

// A plain box with OK, modal over the window (or on its own before the
// window is shown, as at a refused start).
void ShowMessage(const std::string& message) {
    QWidget* parent = g_window.data();
    const QString title = parent ? parent->windowTitle() : QApplication::applicationDisplayName();
    QMessageBox box(QMessageBox::NoIcon, title, Qt_FromCp932(message), QMessageBox::Ok, parent);
    box.exec();
}

bool OpenDocument(const std::string& hostPath) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(hostPath)));
}

}  // namespace

void Qt_PrepareEnvironment() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

void Qt_InstallBackends() {
    Application_Install(TApplicationBackend{RunForm, ShowException, ShowMessage});
    Shell_Install(TShellServices{OpenDocument});
    static TQtPrinter printer(Qt_DefaultPrinterName);
    Printer_Install(&printer);
}

int Qt_Main(int argc, char** argv, int (*entry)()) {
    Qt_PrepareEnvironment();
    QApplication application(argc, argv);
    Qt_InstallBackends();
    return entry();
}
