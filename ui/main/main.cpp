// Quillmart: the program starts in the title state of its main window.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

#include "platform/ProgramDir.h"
#include "platform/qt/QtPlatform.h"
#include "ui/main/WindowList.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QString dir = QDir::tempPath() + "/quillmart-runtime-" + QString::number(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
    QApplication app(argc, argv);
    SetProgramDir(QCoreApplication::applicationDirPath().toStdString());
    SetUpApplicationLook();
    QtPlatform platform;
    SetPlatform(&platform);
    RegisterWindows();
    MainWindow main;
    main.show();
    main.activateWindow();
    int rc = app.exec();
    SetPlatform(nullptr);
    return rc;
}
