#include "ui/platform/ProgramDir.h"

namespace {
std::string& Dir() {
    static std::string dir = ".";
    return dir;
}
}  // namespace

const std::string& ProgramDir() { return Dir(); }
void SetProgramDir(const std::string& dir) { Dir() = dir; }
std::string ProgramFile(const std::string& relative) { return Dir() + "/" + relative; }
