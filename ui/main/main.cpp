// Quillmart: the program starts in the title state of its main window.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <unistd.h>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/QtPlatform.h"
#include "ui/main/WindowList.h"
#include "ui/main/MainWindow.h"

namespace {

// QM_STARTUP_PROBE=FILE (for bench/window-costs.sh): once the main window's
// first frame has been painted and handed to the screen, the program writes
// the monotonic clock in nanoseconds to FILE and ends, so a script can time
// the start-up from process start to the painted title.
class StartupProbe : public QObject {
public:
    StartupProbe(QWidget* main, QString file) : main_(main), file_(std::move(file)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (done_ || e->type() != QEvent::Paint || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != main_)
            return false;
        done_ = true;
        // Queued: runs once the whole frame this paint belongs to is flushed.
        QTimer::singleShot(0, this, [this] {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count();
            QFile f(file_);
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(QByteArray::number(qint64(ns)) + "\n");
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    QWidget* main_;
    QString file_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QString dir = QDir::tempPath() + "/quillmart-runtime-" + QString::number(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
    // Shared memory makes every paint after a presented one wait for the
    // display server to finish with it (a round trip, through a second
    // thread); the game's paints are small (an icon, the floor where it
    // changed), which the display connection carries as cheaply, without
    // the wait.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    SetProgramDir(QCoreApplication::applicationDirPath().toStdString());
    SetUpApplicationLook();
    QtPlatform platform;
    SetPlatform(&platform);
    RegisterWindows();
    int rc = 0;
    {  // the main window and its windows go while the platform is still there
        MainWindow main;
        StartupProbe probe(&main, qEnvironmentVariable("QM_STARTUP_PROBE"));
        if (qEnvironmentVariableIsSet("QM_STARTUP_PROBE")) app.installEventFilter(&probe);
        main.show();
        main.activateWindow();
        rc = app.exec();
    }
    SetPlatform(nullptr);
    return rc;
}
