#include "platform/qt/QtApplication.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
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

// Every box carries the program's title, with or without the window (the
// application's name would be the executable's).
QString BoxTitle() {
    const std::string& title = Application_Title();
    return title.empty() ? QApplication::applicationDisplayName() : Qt_FromCp932(title);
}

void ShowException(const std::string& message) {
    QMessageBox::critical(g_window.data(), BoxTitle(), Qt_FromCp932(message));
}

// A plain box with OK, modal over the window (or on its own before the
// window is shown, as at a refused start).
void ShowMessage(const std::string& message) {
    QMessageBox box(QMessageBox::NoIcon, BoxTitle(), Qt_FromCp932(message), QMessageBox::Ok, g_window.data());
    box.exec();
}

// The desktop opens a file through xdg-open, which Qt starts and does not
// wait for: it would report a start without any program for the file's type
// as a success. So the type's program is asked for first (xdg-mime, of the
// same tools); none named means nothing can show the file.
bool ProgramFor(const QString& path) {
    QProcess query;
    query.start("xdg-mime", {"query", "default", QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        // xdg-mime missing leaves xdg-open missing too, which Qt reports;
        // a query that hangs says nothing either way.
        return true;
    }
    return query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0 ||
           !query.readAllStandardOutput().trimmed().isEmpty();
}

bool OpenDocument(const std::string& hostPath) {
    const QString path = QString::fromStdString(hostPath);
    return ProgramFor(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
