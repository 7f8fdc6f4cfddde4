#include "platform/qt/QtApplication.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPointer>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <string>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Window.h"

namespace {

QPointer<TQtWindow> g_window;

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

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

// File systems and places that hold no user's files.
bool SystemVolume(const QStorageInfo& s, const std::string& root) {
    const QByteArray type = s.fileSystemType();
    if (type == "tmpfs" || type == "devtmpfs" || type == "ramfs" || type == "squashfs") return true;
    if (StartsWith(root, "/run/")) return !StartsWith(root, "/run/media/");
    return StartsWith(root, "/boot/") || StartsWith(root, "/proc/") || StartsWith(root, "/sys/") ||
           StartsWith(root, "/dev/");
}

}  // namespace

std::vector<TVolume> Qt_Volumes() {
    std::vector<TVolume> volumes;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady()) continue;
        TVolume v;
        v.RootPath = s.rootPath().toStdString();
        if (v.RootPath.empty() || v.RootPath.back() != '/') v.RootPath += '/';
        if (SystemVolume(s, v.RootPath)) continue;
        if (std::any_of(volumes.begin(), volumes.end(), [&](const TVolume& o) { return o.RootPath == v.RootPath; }))
            continue;
        v.Name = s.displayName().toStdString();
        v.Removable = StartsWith(v.RootPath, "/media/") || StartsWith(v.RootPath, "/run/media/") ||
                      StartsWith(v.RootPath, "/mnt/");
        volumes.push_back(v);
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const TVolume& a, const TVolume& b) { return a.RootPath < b.RootPath; });
    return volumes;
}

void Qt_PrepareEnvironment() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

void Qt_InstallBackends() {
    Application_Install(TApplicationBackend{RunForm, ShowException, ShowMessage});
    Shell_Install(TShellServices{OpenDocument, Qt_Volumes});
    static TQtPrinter printer(Qt_DefaultPrinterName);
    Printer_Install(&printer);
}

int Qt_Main(int argc, char** argv, int (*entry)()) {
    Qt_PrepareEnvironment();
    QApplication application(argc, argv);
    Qt_InstallBackends();
    return entry();
}
