#pragma once
// The program's folder: pictures, sounds and the help page lie below it.
#include <string>

const std::string& ProgramDir();
void SetProgramDir(const std::string& dir);
// A file below the program's folder, from a path like "Graphic/Kabe.dat".
std::string ProgramFile(const std::string& relative);
