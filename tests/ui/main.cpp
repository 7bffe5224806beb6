// The window tests run on Qt's offscreen platform with the build folder as
// the program's folder (where the generated pictures lie), on the desktop
// side of the platform seam and with every window of the game registered,
// as the program runs. A test that wants scripted boxes installs the
// headless platform for its own time.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/QtPlatform.h"
#include "ui/main/WindowList.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetProgramDir(QM_PROGRAM_DIR);
    SetUpApplicationLook();
    QtPlatform platform;
    SetPlatform(&platform);
    RegisterWindows();
    ::testing::InitGoogleTest(&argc, argv);
    int rc = RUN_ALL_TESTS();
    SetPlatform(nullptr);
    return rc;
}
