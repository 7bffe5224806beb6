// The window tests run on Qt's offscreen platform with the build folder as
// the program's folder (where the generated pictures lie).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ProgramDir.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetUpApplicationLook();
    SetProgramDir(QM_PROGRAM_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
